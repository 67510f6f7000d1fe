// The help window's stored design, Ui::frm_help, generated from frm_help.ui.
#pragma once

// Include this rather than ui_frm_help.h: the generated header is made by this library, and a
// target of its own that names ui_frm_help.h would look for the .ui file in its own folder.
#include "ui_frm_help.h"
