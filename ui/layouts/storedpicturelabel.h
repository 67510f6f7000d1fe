// A picture control whose stored picture is decoded only when it is first needed.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>

namespace tessaro::layouts {

// The design gives the control the path of its picture (":/pictures/knight07.gif") instead of the
// picture itself, so that loading a window decodes nothing that is not on the screen yet. The
// picture is decoded, at the resolution of the control's screen, when the control is first shown
// or its picture first asked for, and it is then the control's own picture for good: every control
// that shows it afterwards shares that one picture object.
class StoredPictureLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString picturePath READ picturePath WRITE setPicturePath)

public:
    explicit StoredPictureLabel(QWidget* parent = nullptr);

    QString picturePath() const { return picturePath_; }
    // Set by the design, before the picture is first needed.
    void setPicturePath(const QString& path) { picturePath_ = path; }

    // The stored picture, decoded on the first call; the same picture object on every call.
    QPixmap picture();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString picturePath_;
};

}  // namespace tessaro::layouts
