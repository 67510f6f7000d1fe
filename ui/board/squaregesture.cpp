// Mouse and keyboard input on the board's squares.
#include "squaregesture.h"

#include "accessibleaction.h"
#include "controlclick.h"

#include <QKeyEvent>
#include <QWidget>

#include <cstdlib>

namespace tessaro {
namespace {

struct Step {
    int columns;
    int rows;
};

Step StepFor(int key)
{
    switch (key) {
    case Qt::Key_Left: return {-1, 0};
    case Qt::Key_Right: return {1, 0};
    case Qt::Key_Up: return {0, -1};
    case Qt::Key_Down: return {0, 1};
    default: return {0, 0};
    }
}

// The closest square that lies in the step's direction, preferring the straight line.
SquareIndex NeighbourOf(SquareIndex from, Step step)
{
    const Cell origin = CellOf(from);
    SquareIndex best = kNoSquare;
    int bestScore = 0;
    for (SquareIndex square = 1; square <= kSquareCount; ++square) {
        const Cell cell = CellOf(square);
        const int along = (cell.column - origin.column) * step.columns + (cell.row - origin.row) * step.rows;
        const int across = std::abs((cell.column - origin.column) * step.rows) +
                           std::abs((cell.row - origin.row) * step.columns);
        if (along <= 0) {
            continue;
        }
        const int score = along + 2 * across;
        if (best == kNoSquare || score < bestScore) {
            best = square;
            bestScore = score;
        }
    }
    return best;
}

}  // namespace

void SquareGesture::watch(SquareIndex square, QWidget* control)
{
    squares_[control] = square;
    controls_[square] = control;
    control->setFocusPolicy(Qt::TabFocus);
    control->installEventFilter(this);
    connect(new platform::ControlClick(*control), &platform::ControlClick::clicked, this,
            [this, square] { clickUnlessPaused(square); });
    connect(new platform::AccessibleAction(*control, QAccessible::Button), &platform::AccessibleAction::pressed, this,
            [this, square] { clickUnlessPaused(square); });
}

bool SquareGesture::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = squares_.find(watched);
    if (found == squares_.end()) {
        return false;
    }
    const SquareIndex square = found->second;
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    if (paused_) {
        return true;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        emit clicked(square);
        return true;
    }
    if (StepFor(key->key()).columns != 0 || StepFor(key->key()).rows != 0) {
        moveFocus(square, key->key());
        return true;
    }
    return false;
}

void SquareGesture::clickUnlessPaused(SquareIndex square)
{
    if (!paused_) {
        emit clicked(square);
    }
}

void SquareGesture::moveFocus(SquareIndex from, int key)
{
    const SquareIndex next = NeighbourOf(from, StepFor(key));
    if (next != kNoSquare) {
        controls_.at(next)->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace tessaro
