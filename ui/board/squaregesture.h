// Turns mouse, keyboard and assistive-technology input on the square controls into clicks on a square.
#pragma once

#include "board.h"

#include <QObject>

#include <map>

class QWidget;

namespace tessaro {

// A click is a press and a release of the left button over the same square; releasing over any
// other place is no click. Arrow keys move the keyboard focus to the nearest square that way,
// Space and Enter click the focused square. The press action that each square offers assistive
// technology clicks it too, once the request has been answered.
class SquareGesture : public QObject {
    Q_OBJECT

public:
    explicit SquareGesture(QObject* parent = nullptr) : QObject(parent) {}

    void watch(SquareIndex square, QWidget* control);

    // While paused the squares take no click and no key.
    void setPaused(bool paused) { paused_ = paused; }

signals:
    void clicked(SquareIndex square);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clickUnlessPaused(SquareIndex square);
    void moveFocus(SquareIndex from, int key);

    std::map<QObject*, SquareIndex> squares_;
    std::map<SquareIndex, QWidget*> controls_;
    bool paused_ = false;
};

}  // namespace tessaro
