// The splash window.
#include "frm_splash.h"

#include "accessibility.h"
#include "desktopservices.h"
#include "forms.h"
#include "frm_board1.h"
#include "inputgate.h"
#include "picturebutton.h"
#include "windowplacement.h"

#include <QApplication>
#include <QShowEvent>
#include <QWindow>

namespace tessaro {

frm_splash::frm_splash(Module1& state, const QString& programDirectory, QWidget* parent)
    : frm_splash(state, programDirectory, [&state](const QString& path) { state.PlaySoundFile(path); }, parent)
{
}

frm_splash::frm_splash(Module1& state, const QString& programDirectory, PlayFileFunction playFile, QWidget* parent)
    : QDialog(parent),
      state_(state),
      programDirectory_(programDirectory),
      playFile_(std::move(playFile)),
      ui_(std::make_unique<Ui::frm_splash>())
{
    layouts::PrepareWindow(*this, QFont::Normal, QPalette::Base);
    ui_->setupUi(this);
    Form_Load();
}

frm_splash::~frm_splash() = default;

void frm_splash::Form_Load()
{
    platform::PlaceWindow(*this, {0, 0, 424, 421}, false);
    ui_->lbl_splash->setGeometry(1, 1, 0, 0);
    ui_->Image1->setGeometry(149, 280, 264, 128);
    ui_->Image1->setCursor(layouts::DragCursorOf(*ui_->lbl_splash));
    platform::ConnectInput(ui_->Image1, &QAbstractButton::clicked, this, [this] { Image1_DragDrop(); });
    // Without a mouse: the picture area has the keyboard focus (Enter or Space), and a screen reader its name.
    ui_->Image1->setAccessibleName(QStringLiteral("Click here to play"));
    ui_->Image1->setAccessibleDescription(QStringLiteral("Goes on to the game board"));
    ui_->Image1->setFocus();
    platform::ListInReadingOrder(*this);
    platform::MarkDecorative(*ui_->img_background);
    setWindowIcon(QIcon());
    if (!platform::DisplayCheck(this)) {
        return;
    }
    board_ = std::make_unique<frm_board1>(state_, programDirectory_);
    if (!board_->loaded()) {
        board_.reset();
    }
}

void frm_splash::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activated_ && windowHandle() != nullptr) {
        windowHandle()->installEventFilter(this);
    }
}

bool frm_splash::eventFilter(QObject* watched, QEvent* event)
{
    // The start-up window becomes active once it is first on the screen. Qt's activation notices are
    // no signal for that: one comes with every change of focus, and without a window manager perhaps
    // none at all. The music waits until the window is drawn, so no audio server can hold it back.
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed() &&
        !activated_) {
        activated_ = true;
        QMetaObject::invokeMethod(this, &frm_splash::Form_Activate, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void frm_splash::Form_Activate()
{
    playFile_(platform::ProgramFilePath(programDirectory_, QStringLiteral("SOUND/8MUSC28.WAV")));
}

void frm_splash::Image1_DragDrop()
{
    handedOver_ = true;
    board_->show();  // before the splash goes, so the program never has no window
    close();
}

void frm_splash::done(int result)
{
    QDialog::done(result);
    // Closed any other way than through its picture area: the hidden board must not run on unseen.
    if (!handedOver_) {
        QApplication::quit();
    }
}

}  // namespace tessaro
