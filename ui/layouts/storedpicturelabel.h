// The pictures that the window designs name, and a picture control that decodes its own only when it is
// first needed.
#pragma once

#include <QAnyStringView>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QString>

#include <future>

namespace tessaro::layouts {

// The picture at a path such as ":/pictures/board.gif", loaded afresh on every call: two loads
// never share one picture, because the windows tell pieces apart by picture identity. When
// devicePixelRatio is above 1 and name@2x.ext exists beside it, that file is loaded instead at
// ratio 2, so the picture keeps its logical size but is drawn sharp. A missing file gives a
// null picture.
QPixmap LoadStoredPicture(QAnyStringView path, qreal devicePixelRatio);

// The same picture as an image, which unlike a pixmap may be made on any thread.
QImage LoadStoredImage(const QString& path, qreal devicePixelRatio);

// The same for the program's screens: the forms' generated set-up calls this for every stored
// picture, so no picture needs replacing (and losing its identity) after a form is set up.
QPixmap LoadStoredPicture(QAnyStringView path);

// The design gives the control the path of its picture (":/pictures/knight07.gif") instead of the
// picture itself, so that loading a window decodes nothing that is not on the screen yet. The
// picture is decoded, at the resolution of the control's screen, when the control is first shown
// or its picture first asked for, and it is then the control's own picture for good: every control
// that shows it afterwards shares that one picture object.
//
// A picture that the first window shows is needed as soon as that window is set up; the design marks
// it decodeInBackground, and it is then decoded on a thread of its own while the rest of the windows
// are set up, instead of after them. A window sets it later for a picture that a control it has
// just shown will soon ask for.
class StoredPictureLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString picturePath READ picturePath WRITE setPicturePath)
    Q_PROPERTY(bool decodeInBackground READ decodeInBackground WRITE setDecodeInBackground)

public:
    explicit StoredPictureLabel(QWidget* parent = nullptr);
    ~StoredPictureLabel() override;

    QString picturePath() const { return picturePath_; }
    // Set by the design, before the picture is first needed.
    void setPicturePath(const QString& path);

    bool decodeInBackground() const { return decodeInBackground_; }
    void setDecodeInBackground(bool inBackground);

    // The stored picture, decoded on the first call; the same picture object on every call.
    QPixmap picture();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void startBackgroundDecode();

    QString picturePath_;
    bool decodeInBackground_ = false;
    std::future<QImage> decoding_;
};

}  // namespace tessaro::layouts
