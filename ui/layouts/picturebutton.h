// A control that the player presses: a board square, the splash's picture area, the help window's link.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace tessaro::layouts {

// Qt's own button underneath: a click is a left press and release inside it (a quick second press that
// Qt reports as a double-click included), Space clicks it too, and screen readers see a push button with
// a Press action. It draws its picture at its top-left corner as the designs place it, or, without one,
// its caption centred in its own font and text colour. Return and Enter click it as well, and the arrow
// keys are left to the window, which knows where the neighbouring controls lie.
class PictureButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QPixmap pixmap READ pixmap WRITE setPixmap)

public:
    explicit PictureButton(QWidget* parent = nullptr);

    // Shared, never copied: the board tells its pieces apart by picture identity.
    QPixmap pixmap() const { return pixmap_; }
    void setPixmap(const QPixmap& pixmap);

    // Draws an outline while the control has the keyboard focus.
    void setFocusRing(bool ring) { focusRing_ = ring; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap pixmap_;
    bool focusRing_ = false;
};

}  // namespace tessaro::layouts
