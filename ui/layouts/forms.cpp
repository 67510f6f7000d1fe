// The designs' font and its stand-in, and their drag pointer.
#include "forms.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace tessaro::layouts {

namespace {

QFont LegacyFont(QFont::Weight weight)
{
    QFont font(QString::fromLatin1(kLegacyFontFamily));
    font.setPointSizeF(8.25);
    font.setWeight(weight);
    return font;
}

}  // namespace

void InstallLegacyFont()
{
    QFont::insertSubstitution(QString::fromLatin1(kLegacyFontFamily), QString::fromLatin1(kLegacyFontSubstitute));
    QApplication::setFont(LegacyFont(QFont::Normal), "QMenu");
}

void PrepareWindow(QWidget& window, QFont::Weight weight, QPalette::ColorRole background)
{
    window.setFont(LegacyFont(weight));
    window.setBackgroundRole(background);
    window.setAutoFillBackground(true);  // else a window fills with QPalette::Window whatever its role
}

QCursor DragCursorOf(const QLabel& lbl_splash)
{
    const QPixmap picture = lbl_splash.pixmap();
    if (picture.isNull()) {
        return QCursor(Qt::ArrowCursor);
    }
    return QCursor(picture, kDragHotSpot.x(), kDragHotSpot.y());
}

}  // namespace tessaro::layouts
