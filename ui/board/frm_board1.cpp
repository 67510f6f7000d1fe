// The board window.
#include "frm_board1.h"

#include "accessibility.h"
#include "desktopservices.h"
#include "forms.h"
#include "frm_help.h"
#include "frm_win.h"
#include "inputgate.h"
#include "picturebutton.h"
#include "storedpicturelabel.h"
#include "windowplacement.h"

#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

namespace tessaro {
namespace {

std::unique_ptr<Ui::frm_board1> SetUpForm(QMainWindow* window)
{
    auto ui = std::make_unique<Ui::frm_board1>();
    layouts::PrepareWindow(*window, QFont::Normal, QPalette::Base);
    ui->setupUi(window);
    return ui;
}

// Every size the icon file holds, each decoded once.
QIcon LoadIcon(const QString& path)
{
    QImageReader reader(path);
    QIcon icon;
    do {
        QImage image = reader.read();
        if (image.isNull()) {
            break;
        }
        icon.addPixmap(QPixmap::fromImage(std::move(image)));
    } while (reader.jumpToNextImage());
    if (icon.isNull()) {
        throw IconLoadError(QStringLiteral("Tessaro cannot start: the icon file \"%1\" could not be loaded (%2).")
                                .arg(QFileInfo(path).absoluteFilePath(), reader.errorString())
                                .toStdString());
    }
    return icon;
}

// lbl_moves at its stored 402, 25 pixels wide.
constexpr int kMoveCountWidth = 25;
constexpr int kMoveCountCentreX = 402 + kMoveCountWidth / 2;

QString AccessibleNameOf(SquareIndex square, Knight knight)
{
    return knight == kEmpty ? QStringLiteral("Empty square %1").arg(square)
                            : QStringLiteral("Knight %1 on square %2").arg(knight).arg(square);
}

constexpr QLatin1String kNewGameHint("choose New Game from the File menu");

QString GameOverNotice()
{
    return QStringLiteral("The game is over: %1 to play again").arg(kNewGameHint);
}

}  // namespace

frm_board1::frm_board1(Module1& state, const QString& programDirectory, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      programDirectory_(programDirectory),
      ui_(SetUpForm(this)),
      img_bird_(*this, QStringLiteral("img_bird")),
      img_source_(*this, QStringLiteral("img_source")),
      puzzle_(state.game, *this)
{
    Form_Load();
}

frm_board1::~frm_board1() = default;

void frm_board1::Form_Load()
{
    platform::PlaceWindow(*this, {0, 0, 439, 439}, true);

    platform::ListInReadingOrder(*ui_->centralwidget);
    for (QWidget* decoration :
         std::initializer_list<QWidget*>{ui_->img_background, ui_->img_overlay, ui_->img_blank, ui_->lbl_splash}) {
        platform::MarkDecorative(*decoration);
    }
    for (const auto& [index, square] : img_bird_) {
        square->resize(kCellPixels, kCellPixels);
        square->setPixmap(ui_->img_blank->pixmap());
        square->setAccessibleName(AccessibleNameOf(index, kEmpty));
        square->setFocusRing(true);
        platform::ConnectInput(square, &QAbstractButton::clicked, this,
                               [this, index = index] { img_bird_DragDrop(index); });
    }
    for (const auto& [index, square] : img_bird_) {
        const PixelPosition at = PixelPositionOf(index);
        square->move(at.left, at.top);
    }

    ui_->img_overlay->hide();
    ui_->img_overlay->move(0, 0);
    ui_->img_overlay->lower();
    ui_->img_background->lower();  // the board artwork stays behind everything, the overlay included
    for (const auto& [index, source] : img_source_) {
        source->hide();
        source->resize(kCellPixels, kCellPixels);
    }
    ui_->lbl_moves->move(402, 11);
    ui_->lbl_moves->show();
    ui_->lbl_moves->setAccessibleName(QStringLiteral("Moves"));
    platform::ReadCaptionAsText(*ui_->lbl_moves);
    ui_->btn_view->setGeometry(330, 391, 91, 31);
    ui_->btn_view->hide();
    ui_->btn_view->setFocusPolicy(Qt::NoFocus);  // the target view has no keyboard action
    ui_->btn_view->installEventFilter(this);
    ui_->btn_view->setAccessibleName(ui_->btn_view->text());
    platform::OfferNoPress(*ui_->btn_view);
    // The target picture speaks to no screen reader, so the button tells what it shows.
    ui_->btn_view->setAccessibleDescription(
        QStringLiteral("Hold to see the target: knight 1 on square 1, knight 2 on square 2, and so on to knight 24 "
                       "on square 24, with square 25 empty."));
    // The squares take the focus from the keyboard only: the window's activation puts it on the count, so no
    // key plays a square the player has not seen chosen, a mouse player never sees a focus ring, and a
    // screen reader starts on a control it can name. Tab goes from the count to square 1 and round.
    ui_->lbl_moves->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(ui_->lbl_moves, img_bird_[1]);
    ui_->lbl_moves->setFocus();
    ui_->lbl_splash->setGeometry(1, 1, 0, 0);
    dragCursor_ = layouts::DragCursorOf(*ui_->lbl_splash);

    setWindowIcon(QIcon());
    setWindowIcon(LoadIcon(platform::ProgramFilePath(programDirectory_, QStringLiteral("SOUND/tessaro.ico"))));

    platform::ConnectInput(ui_->mnu_puz1, &QAction::triggered, this, [this] { mnu_puz1_Click(); });
    platform::ConnectInput(ui_->mnu_exit, &QAction::triggered, this, [this] { mnu_exit_Click(); });
    // The help window opens once the menu's action has returned, so that whoever chose the item (a screen
    // reader among them) gets the answer at once rather than when the help window closes.
    platform::ConnectInput(
        ui_->mnu_rules, &QAction::triggered, this, [this] { mnu_rules_Click(); }, Qt::QueuedConnection);
    platform::ConnectInput(
        ui_->mnu_about, &QAction::triggered, this, [this] { mnu_about_Click(); }, Qt::QueuedConnection);
    // A menu opened while the target view is held takes the pointer from the button: the view ends there,
    // so the board the command leaves is the one on the screen.
    for (QMenu* menu : {ui_->mnu_file, ui_->mnu_help}) {
        connect(menu, &QMenu::aboutToShow, this, &frm_board1::btn_view_MouseUp);
    }

    loaded_ = platform::DisplayCheck(this);
    if (!loaded_) {
        close();
    }
}

void frm_board1::InitNewGame()
{
    puzzle_.InitNewGame();
}

void frm_board1::img_bird_DragDrop(SquareIndex index)
{
    if (!ui_->img_overlay->isHidden()) {
        return;  // the squares lie under the target picture: the keyboard may not play them unseen either
    }
    puzzle_.ClickSquare(index);
}

bool frm_board1::event(QEvent* event)
{
    // Once, when the player first arrives: how to begin, after the screen reader has named the window.
    if (event->type() == QEvent::WindowActivate && !welcomed_) {
        welcomed_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                platform::Announce(*ui_->centralwidget,
                                   QStringLiteral("To begin, %1. The arrow keys choose a square and Space moves its "
                                                  "knight.")
                                       .arg(kNewGameHint));
            },
            Qt::QueuedConnection);
    }
    // A window opened over the board takes the pointer from the button, and the release with it. Its menus
    // are out of use meanwhile: else a screen reader could still open one beneath that window.
    if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked) {
        const bool blocked = event->type() == QEvent::WindowBlocked;
        if (blocked) {
            btn_view_MouseUp();
        }
        for (QMenu* menu : {ui_->mnu_file, ui_->mnu_help}) {
            menu->menuAction()->setEnabled(!blocked);
        }
    }
    return QMainWindow::event(event);
}

void frm_board1::keyPressEvent(QKeyEvent* event)
{
    static constexpr std::array<std::tuple<int, int, int>, 4> kArrows{
        {{Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1}}};
    const auto* focused = qobject_cast<const layouts::PictureButton*>(focusWidget());
    for (const auto& [key, columns, rows] : kArrows) {
        if (event->key() != key) {
            continue;
        }
        if (focused == nullptr) {  // from the count, or before the keyboard chose anything: the top square
            if (img_bird_[1]->isVisible()) {
                img_bird_[1]->setFocus(Qt::TabFocusReason);
            }
            return;
        }
        for (const auto& [index, square] : img_bird_) {
            if (square == focused) {
                if (const SquareIndex next = NeighbourOf(index, columns, rows); next != kNoSquare) {
                    img_bird_[next]->setFocus(Qt::TabFocusReason);
                }
                return;
            }
        }
    }
    QMainWindow::keyPressEvent(event);
}

bool frm_board1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui_->btn_view && platform::AcceptsInput(*this)) {
        // Any mouse button; a quick second press arrives as a double-click. The button keeps the pointer
        // until the release of the last button held.
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            btn_view_MouseDown();
        } else if (type == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
            btn_view_MouseUp();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frm_board1::btn_view_MouseDown()
{
    if (!ui_->img_overlay->isHidden()) {
        return;  // another button of a press already held
    }
    focusBeforeView_ = ui_->centralwidget->focusWidget();  // hiding square 25 would take its focus away
    img_bird_[25]->hide();
    ui_->img_overlay->raise();
    ui_->img_overlay->show();
}

void frm_board1::btn_view_MouseUp()
{
    ui_->btn_view->setDown(false);
    if (ui_->img_overlay->isHidden()) {
        return;
    }
    ui_->img_overlay->hide();
    ui_->img_overlay->lower();
    ui_->img_background->lower();
    img_bird_[25]->show();
    if (focusBeforeView_ != nullptr) {
        focusBeforeView_->setFocus(Qt::OtherFocusReason);
    }
}

void frm_board1::mnu_puz1_Click()
{
    InitNewGame();
    platform::Announce(*ui_->centralwidget, QStringLiteral("New game, move 0"));
}

void frm_board1::mnu_exit_Click()
{
    close();
}

void frm_board1::mnu_rules_Click()
{
    showHelp(kHelpTopicRules);
}

void frm_board1::mnu_about_Click()
{
    showHelp(kHelpTopicAbout);
}

void frm_board1::showHelp(std::int16_t topic)
{
    state_.HelpTopic = topic;
    frm_help help(state_, programDirectory_, this);
    help.exec();
}

void frm_board1::showSquare(SquareIndex square, Knight knight)
{
    layouts::PictureButton* control = img_bird_[square];
    control->setPixmap(knight == kEmpty ? ui_->img_blank->pixmap() : img_source_[knight]->picture());
    control->setAccessibleName(AccessibleNameOf(square, knight));
    if (knight == kEmpty) {
        control->unsetCursor();
    } else {
        control->setCursor(dragCursor_);
    }
}

void frm_board1::showNewGame(const Arrangement& board)
{
    // The whole board changes in one step: nothing is painted until every square is set.
    ui_->centralwidget->setUpdatesEnabled(false);
    for (SquareIndex square = 1; square <= kSquareCount; ++square) {
        showSquare(square, board.at(square));
    }
    ui_->centralwidget->setUpdatesEnabled(true);
    ui_->btn_view->show();
    // The button's target picture is decoded while the player looks at the new board, not on the press.
    ui_->img_overlay->setDecodeInBackground(true);
}

void frm_board1::showMoveCount(std::string_view caption)
{
    QLabel* label = ui_->lbl_moves;
    const QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    platform::SetCaption(*label, text);
    // The stored 25 pixels hold two digits; a longer count grows about the same centre rather than lose
    // its outer digits.
    const int width = std::max(kMoveCountWidth, label->fontMetrics().horizontalAdvance(text) + 2);
    label->setGeometry(kMoveCountCentreX - width / 2, label->y(), width, label->height());
}

void frm_board1::showMove(Knight knight, SquareIndex into, std::int16_t moveCount)
{
    platform::Announce(*ui_->centralwidget,
                       QStringLiteral("Knight %1 to square %2, move %3").arg(knight).arg(into).arg(moveCount));
}

void frm_board1::showNoMove(SquareIndex square, NoMove reason)
{
    QString message;
    switch (reason) {
    case NoMove::NoGame:
        message = QStringLiteral("No game yet: %1").arg(kNewGameHint);
        break;
    case NoMove::GameOver:
        message = GameOverNotice();
        break;
    case NoMove::EmptySquare:
        message = QStringLiteral("Square %1 is empty").arg(square);
        break;
    case NoMove::NotAJump:
        message = QStringLiteral("Knight %1 cannot move").arg(puzzle_.content(square));
        break;
    }
    platform::Announce(*ui_->centralwidget, message);
}

void frm_board1::showResults()
{
    {
        frm_win results(state_, programDirectory_, this);
        results.exec();
    }
    platform::Announce(*ui_->centralwidget, GameOverNotice());
}

}  // namespace tessaro
