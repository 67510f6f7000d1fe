// The help window: the rules or the maker's notes from their text files, with a link to the maker's page.
#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>
#include <memory>

#include "controlarray.h"

class QPushButton;

namespace Ui {
class frm_help;
}

namespace tessaro {

struct Module1;

class frm_help : public QDialog {
    Q_OBJECT

public:
    // Loads the window; on being shown it gives OK the focus and shows the topic of
    // state.HelpTopic (0 rules, 1 about the maker; any other value leaves the text empty).
    explicit frm_help(const Module1& state, QWidget* parent = nullptr);

    // The same with the help files taken from another program directory.
    frm_help(const Module1& state, const QString& programDirectory, QWidget* parent = nullptr);

    ~frm_help() override;

    // Shows the whole text of the named file in the program directory.
    void DisplayHelp(const QString& fileName);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void btn_help_Click(std::int16_t Index);
    void lbl_url_Click();
    void ShowRules();
    void ShowAbout();

    const Module1& state_;
    QString programDirectory_;
    std::unique_ptr<Ui::frm_help> ui_;
    layouts::ControlArray<QPushButton> btn_help_;
};

}  // namespace tessaro
