// The keyboard focus outline.
#include "focusring.h"

#include <QEvent>
#include <QPainter>

namespace tessaro {

FocusRing::FocusRing(QWidget* parent) : QWidget(parent)
{
    setObjectName("focusRing");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void FocusRing::watch(QWidget* control)
{
    control->installEventFilter(this);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        setGeometry(static_cast<QWidget*>(watched)->geometry());
        show();
    } else if (event->type() == QEvent::FocusOut) {
        hide();
    }
    return false;
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
    painter.setPen(QPen(QColor(20, 20, 20), 5));
    painter.drawRoundedRect(ring, 6, 6);
    painter.setPen(QPen(QColor(255, 214, 64), 3));
    painter.drawRoundedRect(ring, 6, 6);
}

}  // namespace tessaro
