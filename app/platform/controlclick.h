// A click on a control that has no click of its own (a picture, a label), the way the game's windows take one.
#pragma once

#include <QObject>

class QWidget;

namespace tessaro::platform {

// Watches one widget and reports a click on it: the left button pressed over it and released
// over it. Moving across the widget, or pressing and then letting go elsewhere, is no click.
class ControlClick : public QObject {
    Q_OBJECT

public:
    explicit ControlClick(QWidget& watched);

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& watched_;
    bool pressed_ = false;
};

}  // namespace tessaro::platform
