// The drag pointer that each window keeps in its invisible label lbl_splash.
#pragma once

#include <QCursor>
#include <QPoint>

class QLabel;

namespace tessaro::layouts {

// The point of the drag pointer's picture that marks where it points, in logical pixels.
inline constexpr QPoint kDragHotSpot{12, 9};

// The pointer to give the controls that are clicked by dragging, made from lbl_splash's picture.
// A label without a picture gives the ordinary arrow, so a lost picture never hides the pointer.
QCursor DragCursorOf(const QLabel& lbl_splash);

}  // namespace tessaro::layouts
