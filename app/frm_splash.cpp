// The splash window.
#include "frm_splash.h"

#include "controlclick.h"
#include "displaycheck.h"
#include "dragcursor.h"
#include "frm_board1.h"
#include "programpaths.h"
#include "frm_splash_form.h"
#include "windowcentring.h"
#include "windowsizing.h"

#include <QApplication>
#include <QCloseEvent>

namespace tessaro {

frm_splash::frm_splash(Module1& state, const QString& programDirectory, QWidget* parent)
    : frm_splash(state, programDirectory, [&state](const QString& path) { state.sound.PlaySoundFile(path); }, parent)
{
}

frm_splash::frm_splash(Module1& state, const QString& programDirectory, PlayFileFunction playFile, QWidget* parent)
    : QDialog(parent),
      state_(state),
      programDirectory_(programDirectory),
      playFile_(std::move(playFile)),
      ui_(std::make_unique<Ui::frm_splash>())
{
    ui_->setupUi(this);
    Form_Load();
}

frm_splash::~frm_splash() = default;

void frm_splash::Form_Load()
{
    const platform::TwipsSize outer = platform::SizeFromClientRect(*this, {0, 0, 424, 421}, false);
    ui_->lbl_splash->setGeometry(1, 1, 0, 0);
    ui_->Image1->setGeometry(149, 280, 264, 128);
    platform::CentreOnScreen(*this, outer);
    ui_->Image1->setCursor(layouts::DragCursorOf(*ui_->lbl_splash));
    connect(new platform::ControlClick(*ui_->Image1), &platform::ControlClick::clicked, this,
            &frm_splash::Image1_DragDrop);
    setWindowIcon(QIcon());
    if (!platform::DisplayCheck(this)) {
        return;
    }
    board_ = std::make_unique<frm_board1>(state_, programDirectory_);
    if (!board_->loaded()) {
        board_.reset();
    }
}

void frm_splash::changeEvent(QEvent* event)
{
    // Qt reports an activation on every change of focus; the music starts on the first one only.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activated_) {
        activated_ = true;
        Form_Activate();
    }
    QDialog::changeEvent(event);
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

void frm_splash::closeEvent(QCloseEvent* event)
{
    // Closed through its frame before the hand-over: the hidden board must not run on unseen.
    if (!handedOver_) {
        QApplication::quit();
    }
    QDialog::closeEvent(event);
}

}  // namespace tessaro
