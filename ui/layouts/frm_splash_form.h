// The splash window's stored design, Ui::frm_splash, generated from frm_splash.ui.
#pragma once

// Include this rather than ui_frm_splash.h: the generated header is made by this library, and a
// target of its own that names ui_frm_splash.h would look for the .ui file in its own folder.
#include "ui_frm_splash.h"
