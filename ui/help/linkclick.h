// Turns a plain label into something that can be clicked, the way a link is.
#pragma once

#include <QObject>

class QWidget;

namespace tessaro {

// Watches one widget and reports a click on it: the left button pressed over it and released
// over it. Moving across the widget, or pressing and then letting go elsewhere, is no click.
class LinkClick : public QObject {
    Q_OBJECT

public:
    explicit LinkClick(QWidget& watched);

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& watched_;
    bool pressed_ = false;
};

}  // namespace tessaro
