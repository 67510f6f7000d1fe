// The four windows' stored designs (Ui::frm_splash, Ui::frm_board1, Ui::frm_help, Ui::frm_win) and
// what they need to show as designed: their font and its stand-in, and the drag pointer they hold.
#pragma once

// Include this rather than a ui_frm_*.h: the generated headers are made by this library, and a
// target of its own that names one would look for the .ui file in its own folder.
#include "ui_frm_board1.h"
#include "ui_frm_help.h"
#include "ui_frm_splash.h"
#include "ui_frm_win.h"

#include <QCursor>
#include <QFont>
#include <QPalette>
#include <QPoint>

class QLabel;
class QWidget;

namespace tessaro::layouts {

// The designs name "MS Sans Serif", which Linux does not have. "DejaVu Sans" has the same pixel
// size (8.25 pt = 11 px at 96 dpi), is wide enough that the results message keeps its two lines
// and ships with every Debian that has Qt (fonts-dejavu-core).
inline constexpr char kLegacyFontFamily[] = "MS Sans Serif";
inline constexpr char kLegacyFontSubstitute[] = "DejaVu Sans";

// Makes kLegacyFontFamily resolve to kLegacyFontSubstitute, and gives every menu the designs' font:
// a menu is a window of its own, which inherits no font. Call once at program start, before any
// form is set up; calling it again changes nothing.
void InstallLegacyFont();

// Gives a window the designs' font, kLegacyFontFamily at 8.25 pt in `weight`, and its background
// colour. Call before the window's form is set up, so that every control inherits the font as it
// is made. (A style sheet on the window would say the same, but Qt would then style each of its
// controls by rule as it is made: for the board, set up before the first window shows, that cost
// more than the font itself.)
void PrepareWindow(QWidget& window, QFont::Weight weight, QPalette::ColorRole background);

// The point of the drag pointer's picture that marks where it points, in logical pixels.
inline constexpr QPoint kDragHotSpot{12, 9};

// The pointer to give the controls that are clicked by dragging, made from the picture of the
// window's invisible label lbl_splash. A label without a picture gives the ordinary arrow, so a
// lost picture never hides the pointer.
QCursor DragCursorOf(const QLabel& lbl_splash);

}  // namespace tessaro::layouts
