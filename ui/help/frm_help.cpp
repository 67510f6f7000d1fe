// Loading of the help window, its topics and its link.
#include "frm_help.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QShowEvent>
#include <QTextCursor>
#include <QUrl>

#include "accessibility.h"
#include "desktopservices.h"
#include "forms.h"
#include "helptext.h"
#include "inputgate.h"
#include "module1.h"
#include "picturebutton.h"
#include "windowplacement.h"

namespace tessaro {

namespace {

constexpr layouts::ControlIndex kRulesButton = 0;
constexpr layouts::ControlIndex kOkButton = 4;
constexpr layouts::ControlIndex kAboutButton = 5;

std::unique_ptr<Ui::frm_help> SetUpForm(QDialog& window)
{
    auto ui = std::make_unique<Ui::frm_help>();
    layouts::PrepareWindow(window, QFont::Normal, QPalette::Window);
    ui->setupUi(&window);
    return ui;
}

}  // namespace

frm_help::frm_help(const Module1& state, QWidget* parent)
    : frm_help(state, platform::ProgramDirectory(), parent)
{
}

frm_help::frm_help(const Module1& state, const QString& programDirectory, QWidget* parent)
    : QDialog(parent),
      state_(state),
      programDirectory_(programDirectory),
      ui_(SetUpForm(*this)),
      btn_help_(*this, QStringLiteral("btn_help"))
{
    for (const auto& [index, button] : btn_help_) {
        platform::ConnectInput(button, &QPushButton::clicked, this, [this, index = index] { btn_help_Click(index); });
    }
    platform::ConnectInput(ui_->lbl_url, &QAbstractButton::clicked, this, [this] { lbl_url_Click(); });
    platform::IgnoreKeysHeldBeforeOpening(*this);
    Form_Load();
}

frm_help::~frm_help() = default;

void frm_help::Form_Load()
{
    // Sized as if it had a menu bar although it has none: the layout below uses that room.
    platform::PlaceWindow(*this, {0, 0, 440, 280}, true);

    // Read-only: without Qt::TextEditable the text can be selected and copied, never changed.
    ui_->txt_help->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ui_->txt_help->installEventFilter(this);
    ui_->txt_help->viewport()->installEventFilter(this);

    ui_->lbl_splash->setGeometry(1, 1, 0, 0);

    ui_->img_help->setGeometry(306, 23, 112, 158);
    btn_help_[kRulesButton]->move(300, 214);
    btn_help_[kAboutButton]->move(300, 243);
    btn_help_[kOkButton]->move(300, 270);
    ui_->txt_help->move(5, 8);
    ui_->img_logo->setGeometry(295, 58, 140, 102);
    ui_->lbl_url->move(315, 162);

    ui_->lbl_url->setCursor(layouts::DragCursorOf(*ui_->lbl_splash));
    ui_->txt_help->setAccessibleName(QStringLiteral("Help text"));
    platform::ListInReadingOrder(*this);
    for (QWidget* decoration : {ui_->img_help, ui_->img_logo, ui_->lbl_splash}) {
        platform::MarkDecorative(*decoration);
    }
    setWindowIcon(QIcon());
}

void frm_help::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Once per showing, not on every activation: the window is activated again whenever a
    // message box over it closes, and the topic chosen with the buttons must survive that.
    if (!event->spontaneous()) {
        Form_Activate();
    }
}

void frm_help::Form_Activate()
{
    btn_help_[kOkButton]->setFocus();
    if (state_.HelpTopic == kHelpTopicRules) {
        ShowRules();
    } else if (state_.HelpTopic == kHelpTopicAbout) {
        ShowAbout();
    }
}

bool frm_help::eventFilter(QObject* watched, QEvent* event)
{
    // The read-only text ignores Enter, which would then press the button Qt made the dialog's default.
    if (watched == ui_->txt_help && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    // A press inside the selection arms Qt's text drag, and the text box's auto-scroll timer can start
    // that drag with the button already up: a drag that never ends, whose icon window crashes the game
    // when closed. Dropping the selection first makes the press start a new one; copying is unchanged.
    if (watched == ui_->txt_help->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton && !press->modifiers().testFlag(Qt::ShiftModifier)) {
            QTextCursor cursor = ui_->txt_help->textCursor();
            cursor.clearSelection();
            ui_->txt_help->setTextCursor(cursor);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frm_help::DisplayHelp(const QString& fileName)
{
    const QString text = LoadHelpText(platform::ProgramFilePath(programDirectory_, fileName));
    // Emptied first: a change of line breaking lays out again whatever text is in the box.
    ui_->txt_help->clear();
    ui_->txt_help->setWordWrapMode(HelpWrapMode(text));
    ui_->txt_help->setPlainText(text);
}

void frm_help::ShowRules()
{
    DisplayHelp(QStringLiteral("default.txt"));
    ui_->img_help->setVisible(true);
    ui_->img_logo->setVisible(false);
    ui_->lbl_url->setVisible(false);
}

void frm_help::ShowAbout()
{
    DisplayHelp(QStringLiteral("orvane.txt"));
    ui_->img_help->setVisible(false);
    ui_->img_logo->setVisible(true);
    ui_->lbl_url->setVisible(true);
}

void frm_help::btn_help_Click(std::int16_t Index)
{
    switch (Index) {
    case kRulesButton:
        ShowRules();
        break;
    case kAboutButton:
        ShowAbout();
        break;
    case kOkButton:
        accept();
        break;
    default:
        break;
    }
}

void frm_help::lbl_url_Click()
{
    const QUrl page = QUrl::fromLocalFile(platform::ProgramFilePath(programDirectory_, QStringLiteral("orvane.html")));
    if (!platform::OpenWebAddress(page)) {
        platform::ShowMessage(this, QStringLiteral("oops, unable to link you there"));
    }
}

}  // namespace tessaro
