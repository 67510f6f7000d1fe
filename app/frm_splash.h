// The splash window: shown at start-up with the opening music, it hands over to the board on a click
// on its picture area (or Enter or Space there, or the area's press for assistive technology).
#pragma once

#include "module1.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

namespace Ui {
class frm_splash;
}

namespace tessaro {

class frm_board1;

class frm_splash : public QDialog {
    Q_OBJECT

public:
    // Starts a sound file; the game's is the state's SoundPlayer.
    using PlayFileFunction = std::function<void(const QString& path)>;

    // Loads the splash window and, unless the display check fails, the board window hidden.
    // Throws IconLoadError when the board window cannot load its icon.
    frm_splash(Module1& state, const QString& programDirectory, QWidget* parent = nullptr);

    // The same with another sound output, so that a test can see what was played.
    frm_splash(Module1& state, const QString& programDirectory, PlayFileFunction playFile,
               QWidget* parent = nullptr);
    ~frm_splash() override;

    // False when the display check failed: the program must end without showing anything.
    bool loaded() const { return board_ != nullptr; }

    frm_board1* board() const { return board_.get(); }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    // Every way of closing a dialog ends here: the picture area, the frame's close box, Esc.
    void done(int result) override;

private:
    void Form_Load();
    void Form_Activate();
    void Image1_DragDrop();

    Module1& state_;
    QString programDirectory_;
    PlayFileFunction playFile_;
    std::unique_ptr<Ui::frm_splash> ui_;
    std::unique_ptr<frm_board1> board_;
    bool activated_ = false;
    bool handedOver_ = false;
};

}  // namespace tessaro
