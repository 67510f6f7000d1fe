// The results window: the player's rank and verdict, with a cheer or applause, after a solved puzzle.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

namespace Ui {
class frm_win;
}

namespace tessaro {

struct Module1;

class frm_win : public QDialog {
    Q_OBJECT

public:
    // Starts a sound held in memory; the game's is the state's SoundPlayer.
    using PlaySoundFunction = std::function<void(const QByteArray& data)>;

    // Loads the window for state.game.ResultLevel: reads both result sounds from the program's
    // SOUND folder into the state and starts the level's sound. The window is then ready to show.
    frm_win(Module1& state, const QString& programDirectory, QWidget* parent = nullptr);

    // The same with another sound output, so that a test can see which sound was started.
    frm_win(Module1& state, const QString& programDirectory, PlaySoundFunction playSound,
            QWidget* parent = nullptr);

    ~frm_win() override;

    // Starts the sound for the current ResultLevel, then shows its rank and message. A level
    // without a rank leaves the window as it stands and plays nothing.
    void ShowResults();

private:
    void Form_Load(const QString& programDirectory);
    void btn_OK_Click();

    Module1& state_;
    PlaySoundFunction playSound_;
    std::unique_ptr<Ui::frm_win> ui_;
};

}  // namespace tessaro
