// Loading of the results window and the showing of the result.
#include "frm_win.h"

#include "accessibility.h"
#include "desktopservices.h"
#include "forms.h"
#include "inputgate.h"
#include "module1.h"
#include "puzzle.h"
#include "windowplacement.h"

#include <QIcon>

namespace tessaro {

namespace {

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

frm_win::frm_win(Module1& state, const QString& programDirectory, QWidget* parent)
    : frm_win(state, programDirectory, [&state](const QByteArray& data) { state.PlaySoundData(data); }, parent)
{
}

frm_win::frm_win(Module1& state, const QString& programDirectory, PlaySoundFunction playSound,
                 QWidget* parent)
    : QDialog(parent), state_(state), playSound_(std::move(playSound)), ui_(std::make_unique<Ui::frm_win>())
{
    layouts::PrepareWindow(*this, QFont::Bold, QPalette::Window);
    ui_->setupUi(this);
    platform::ConnectInput(ui_->btn_OK, &QPushButton::clicked, this, [this] { btn_OK_Click(); });
    platform::IgnoreKeysHeldBeforeOpening(*this);
    Form_Load(programDirectory);
}

frm_win::~frm_win() = default;

void frm_win::Form_Load(const QString& programDirectory)
{
    platform::PlaceWindow(*this, {0, 0, 328, 209}, false);
    ui_->btn_OK->move(129, 176);
    ui_->lbl_rank->move(90, 116);
    ui_->lbl_text->move(8, 138);
    platform::ListInReadingOrder(*this);  // rank, message, then OK
    platform::MarkDecorative(*ui_->img_background);
    setWindowIcon(QIcon());  // a window without an icon of its own would show the board's

    // Both sounds are in memory before the window shows, so the result sound starts without
    // waiting for the disk.
    state_.SoundFolder = platform::SoundFolderPath(programDirectory);
    LoadSoundFile(state_.SoundFolder + QStringLiteral("APPLAUS.WAV"), state_.ApplauseSound);
    LoadSoundFile(state_.SoundFolder + QStringLiteral("CHEERS.WAV"), state_.CheersSound);

    ShowResults();
}

void frm_win::ShowResults()
{
    const std::optional<Rank> rank = RankFor(state_.game.ResultLevel);
    if (!rank) {
        return;
    }
    playSound_(rank->sound == ResultSound::Cheers ? state_.CheersSound : state_.ApplauseSound);
    ui_->lbl_rank->setText(FromView(rank->caption));
    ui_->lbl_text->setText(FromView(rank->message));
    // Orca reads a dialog's labels of three words or more as it opens: the rank's name says the count too,
    // which the board shows beneath.
    ui_->lbl_rank->setAccessibleName(
        QStringLiteral("%1, %2 moves").arg(FromView(rank->caption)).arg(state_.game.MoveCount));
}

void frm_win::btn_OK_Click()
{
    accept();
}

}  // namespace tessaro
