// The results window's stored design, Ui::frm_win, generated from frm_win.ui.
#pragma once

// Include this rather than ui_frm_win.h: the generated header is made by this library, and a
// target of its own that names ui_frm_win.h would look for the .ui file in its own folder.
#include "ui_frm_win.h"
