// The board window.
#include "frm_board1.h"

#include "accessiblecaption.h"
#include "accessibletree.h"
#include "desktopservices.h"
#include "displaycheck.h"
#include "focusring.h"
#include "forms.h"
#include "frm_help.h"
#include "frm_win.h"
#include "squaregesture.h"
#include "storedpicturelabel.h"
#include "windowplacement.h"

#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QMouseEvent>

#include <algorithm>
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

}  // namespace

frm_board1::frm_board1(Module1& state, const QString& programDirectory, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      programDirectory_(programDirectory),
      ui_(SetUpForm(this)),
      img_bird_(*this, QStringLiteral("img_bird")),
      img_source_(*this, QStringLiteral("img_source")),
      gesture_(new SquareGesture(this)),
      puzzle_(state.game, *this)
{
    Form_Load();
}

frm_board1::~frm_board1() = default;

void frm_board1::Form_Load()
{
    platform::PlaceWindow(*this, {0, 0, 439, 439}, true);

    auto* focusRing = new FocusRing(ui_->centralwidget);
    platform::ListInReadingOrder(*ui_->centralwidget);
    for (QWidget* decoration : std::initializer_list<QWidget*>{ui_->img_background, ui_->img_overlay, ui_->img_blank,
                                                               ui_->lbl_splash, focusRing}) {
        platform::MarkDecorative(*decoration);
    }
    for (const auto& [index, square] : img_bird_) {
        square->resize(kCellPixels, kCellPixels);
        square->setFrameShape(QFrame::NoFrame);
        square->setPixmap(ui_->img_blank->pixmap());
        square->setAccessibleName(AccessibleNameOf(index, kEmpty));
        gesture_->watch(index, square);
        focusRing->watch(square);
    }
    for (const auto& [index, square] : img_bird_) {
        const PixelPosition at = PixelPositionOf(index);
        square->move(at.left, at.top);
    }
    connect(gesture_, &SquareGesture::clicked, this, &frm_board1::img_bird_DragDrop);

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
    // The target picture speaks to no screen reader, so the button tells what it shows.
    ui_->btn_view->setAccessibleDescription(
        QStringLiteral("Hold to see the target: knight 1 on square 1, knight 2 on square 2, and so on to knight 24 "
                       "on square 24, with square 25 empty."));
    // The squares take the focus from the keyboard only: the window's activation leaves it off them, so no
    // key plays a square the player has not seen chosen, and a mouse player never sees the focus ring.
    ui_->centralwidget->setFocus();
    ui_->lbl_splash->setGeometry(1, 1, 0, 0);
    dragCursor_ = layouts::DragCursorOf(*ui_->lbl_splash);

    setWindowIcon(QIcon());
    setWindowIcon(LoadIcon(platform::ProgramFilePath(programDirectory_, QStringLiteral("SOUND/tessaro.ico"))));

    connect(ui_->mnu_puz1, &QAction::triggered, this, &frm_board1::mnu_puz1_Click);
    connect(ui_->mnu_exit, &QAction::triggered, this, &frm_board1::mnu_exit_Click);
    connect(ui_->mnu_rules, &QAction::triggered, this, &frm_board1::mnu_rules_Click);
    connect(ui_->mnu_about, &QAction::triggered, this, &frm_board1::mnu_about_Click);
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
    puzzle_.ClickSquare(index);
}

bool frm_board1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui_->btn_view) {
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
    // The squares lie under the target picture: the keyboard may not play them unseen either.
    gesture_->setPaused(true);
    focusBeforeView_ = ui_->centralwidget->focusWidget();  // hiding square 25 would take its focus away
    img_bird_[25]->hide();
    ui_->img_overlay->raise();
    ui_->img_overlay->show();
}

void frm_board1::btn_view_MouseUp()
{
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
    gesture_->setPaused(false);
}

void frm_board1::mnu_puz1_Click()
{
    InitNewGame();
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
    // Opened once the menu's action has returned, so that whoever chose the item (a screen reader
    // among them) gets the answer at once rather than when the help window closes.
    QMetaObject::invokeMethod(
        this,
        [this, topic] {
            state_.HelpTopic = topic;
            frm_help help(state_, programDirectory_, this);
            help.exec();
        },
        Qt::QueuedConnection);
}

void frm_board1::showSquare(SquareIndex square, Knight knight)
{
    QLabel* control = img_bird_[square];
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
    label->setText(text);
    // The stored 25 pixels hold two digits; a longer count grows about the same centre rather than lose
    // its outer digits.
    const int width = std::max(kMoveCountWidth, label->fontMetrics().horizontalAdvance(text) + 2);
    label->setGeometry(kMoveCountCentreX - width / 2, label->y(), width, label->height());
}

void frm_board1::showResults()
{
    frm_win results(
        state_, programDirectory_, [this](const QByteArray& sound) { state_.sound.PlaySoundData(sound); }, this);
    results.exec();
}

}  // namespace tessaro
