// A visible outline around the square that has the keyboard focus.
#pragma once

#include <QWidget>

namespace tessaro {

// Drawn above the squares and invisible to the mouse; shown only while a watched control has the focus
// that the keyboard gave it, so a player who only uses the mouse never sees it.
class FocusRing : public QWidget {
    Q_OBJECT

public:
    explicit FocusRing(QWidget* parent);

    void watch(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool keyboardFocus_ = false;  // kept while the window is inactive, so the ring returns with it
};

}  // namespace tessaro
