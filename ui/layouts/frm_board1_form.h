// The board window's stored design, Ui::frm_board1, generated from frm_board1.ui.
#pragma once

// Include this rather than ui_frm_board1.h: the generated header is made by this library, and a
// target of its own that names ui_frm_board1.h would look for the .ui file in its own folder.
#include "ui_frm_board1.h"
