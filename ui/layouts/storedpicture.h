// Loading of the pictures that the window designs name, sharp on high-resolution screens.
#pragma once

#include <QAnyStringView>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace tessaro::layouts {

// The picture at a path such as ":/pictures/board.gif", loaded afresh on every call: two loads
// never share one picture, because the windows tell pieces apart by picture identity. When
// devicePixelRatio is above 1 and name@2x.ext exists beside it, that file is loaded instead at
// ratio 2, so the picture keeps its logical size but is drawn sharp. A missing file gives a
// null picture.
QPixmap LoadStoredPicture(QAnyStringView path, qreal devicePixelRatio);

// The same picture as an image, which unlike a pixmap may be made on any thread.
QImage LoadStoredImage(const QString& path, qreal devicePixelRatio);

// The same for the program's screens: the forms' generated set-up calls this for every stored
// picture, so no picture needs replacing (and losing its identity) after a form is set up.
QPixmap LoadStoredPicture(QAnyStringView path);

}  // namespace tessaro::layouts
