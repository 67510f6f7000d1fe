// Painting and keys of the pressable picture controls.
#include "picturebutton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace tessaro::layouts {

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent)
{
    // Taken from the keyboard only: a click never moves the focus, so a mouse player never sees the ring.
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::setPixmap(const QPixmap& pixmap)
{
    pixmap_ = pixmap;
    update();
}

QSize PictureButton::sizeHint() const
{
    return pixmap_.isNull() ? fontMetrics().size(Qt::TextSingleLine, text()) : pixmap_.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!pixmap_.isNull()) {
        painter.drawPixmap(0, 0, pixmap_);
    } else if (!text().isEmpty()) {
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(rect(), Qt::AlignHCenter | Qt::AlignTop, text());
        if (hasFocus()) {  // a caption shows the focus as text does everywhere on the desktop
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
    if (focusRing_ && hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF ring = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
        painter.setPen(QPen(QColor(20, 20, 20), 5));
        painter.drawRoundedRect(ring, 6, 6);
        painter.setPen(QPen(QColor(255, 214, 64), 3));
        painter.drawRoundedRect(ring, 6, 6);
    }
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat()) {
            click();
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->ignore();
        break;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

}  // namespace tessaro::layouts
