#pragma once

// "Lexarion - [不得不记单词设置]": edits the six settings of the must-remember test on two tab
// pages, "常规" and "规则". Nothing is written before "确定". Whichever way the dialog closes,
// when the feature is on afterwards it asks for the test to come up at once.

#include <QDialog>

namespace lexarion {

class AppState;
class ButtonXP;
class CheckBoxXP;
class SkinnedWindow;
class TablePageXP;
class TextBoxXP;
class WindowHooks;

class MustRememberSettingForm : public QDialog {
    Q_OBJECT
public:
    MustRememberSettingForm(AppState& app, WindowHooks* hooks, QWidget* owner = nullptr);
    ~MustRememberSettingForm() override;

    SkinnedWindow& Skin() const { return *skin_; }
    TablePageXP* GeneralPage() const { return generalPage_; }
    TablePageXP* RulePage() const { return rulePage_; }
    CheckBoxXP* EnableCheck() const { return enableCheck_; }
    TextBoxXP* IntervalText() const { return intervalText_; }
    CheckBoxXP* ShowWordCheck() const { return showWordCheck_; }
    CheckBoxXP* ShowExplanationCheck() const { return showExplanationCheck_; }
    CheckBoxXP* ShowPronounceCheck() const { return showPronounceCheck_; }
    TextBoxXP* RepeatText() const { return repeatText_; }
    ButtonXP* OKButton() const { return okButton_; }
    ButtonXP* CancelButton() const { return cancelButton_; }

signals:
    // The dialog has closed with "EnableMustRemember" on: the test is to be shown now.
    void MustRememberWanted();

protected:
    void done(int result) override;

private:
    void Normalise(TextBoxXP* box);
    void WriteSettings();

    AppState& app_;
    SkinnedWindow* skin_;
    TablePageXP* generalPage_;
    TablePageXP* rulePage_;
    CheckBoxXP* enableCheck_;
    TextBoxXP* intervalText_;
    CheckBoxXP* showWordCheck_;
    CheckBoxXP* showExplanationCheck_;
    CheckBoxXP* showPronounceCheck_;
    TextBoxXP* repeatText_;
    ButtonXP* okButton_;
    ButtonXP* cancelButton_;
    bool loading_ = false;
    bool closed_ = false;
};

} // namespace lexarion
