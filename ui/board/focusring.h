// A visible outline around the square that has the keyboard focus.
#pragma once

#include <QWidget>

namespace tessaro {

// Drawn above the squares and invisible to the mouse; shown whenever a watched control has the focus
// (the squares take it from the keyboard only), so the keys never act on a square the player cannot see.
// Created after the squares, it stays above them and below the target picture, which is raised over
// everything while it shows.
class FocusRing : public QWidget {
    Q_OBJECT

public:
    explicit FocusRing(QWidget* parent);

    void watch(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tessaro
