// The board window: the 25 squares, the move counter, the target view and the menus.
#pragma once

#include "puzzle.h"
#include "controlarray.h"
#include "module1.h"
#include "puzzle.h"

#include <QCursor>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <memory>
#include <stdexcept>


namespace Ui {
class frm_board1;
}

namespace tessaro {

namespace layouts {
class PictureButton;
class StoredPictureLabel;
}  // namespace layouts

// The window's icon could not be loaded: the game cannot start without it.
class IconLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class frm_board1 : public QMainWindow, private BoardView {
    Q_OBJECT

public:
    // Loads the window hidden (Form_Load). Throws IconLoadError when the icon file cannot be read.
    explicit frm_board1(Module1& state, const QString& programDirectory, QWidget* parent = nullptr);
    ~frm_board1() override;

    // False when the display check failed while loading; the window has then unloaded itself.
    bool loaded() const { return loaded_; }

    const Puzzle& puzzle() const { return puzzle_; }

    void InitNewGame();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void img_bird_DragDrop(SquareIndex index);
    void btn_view_MouseDown();
    void btn_view_MouseUp();
    void mnu_puz1_Click();
    void mnu_exit_Click();
    void mnu_rules_Click();
    void mnu_about_Click();
    void showHelp(std::int16_t topic);

    // BoardView
    void showSquare(SquareIndex square, Knight knight) override;
    void showNewGame(const Arrangement& board) override;
    void showMoveCount(std::string_view caption) override;
    void showMove(Knight knight, SquareIndex into, std::int16_t moveCount) override;
    void showNoMove(SquareIndex square, NoMove reason) override;
    void showResults() override;

    Module1& state_;
    QString programDirectory_;
    std::unique_ptr<Ui::frm_board1> ui_;
    layouts::ControlArray<layouts::PictureButton> img_bird_;
    layouts::ControlArray<layouts::StoredPictureLabel> img_source_;
    QCursor dragCursor_;
    QPointer<QWidget> focusBeforeView_;
    Puzzle puzzle_;
    bool loaded_ = false;
    bool welcomed_ = false;  // the screen reader's user has been told how to begin
};

}  // namespace tessaro
