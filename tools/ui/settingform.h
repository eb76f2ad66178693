#pragma once

// "Lexarion - [通用设置]": the skin, the word list, speech, grouping and the study plan, on five
// tab pages. OK writes the values back as independent steps; Cancel writes nothing.

#include <QDialog>
#include <functional>

class QLabel;

namespace lexarion {

class AppState;
class ButtonXP;
class CheckBoxXP;
class FrameXP;
class ListBoxXP;
class SkinnedWindow;
class SliderXP;
class TablePageXP;
class WindowHooks;

class SettingForm : public QDialog {
    Q_OBJECT
public:
    // `hooks` holds the program's open skinned windows: a new skin is applied to each of them.
    SettingForm(AppState& app, WindowHooks* hooks, QWidget* parent = nullptr);
    ~SettingForm() override;

    // Asks a Yes/No question (text, title, No the default button); true for Yes. The dialog
    // asks with a message box unless told otherwise.
    using Question = std::function<bool(const QString& text, const QString& title, bool noDefault)>;
    void SetQuestion(Question question) { question_ = std::move(question); }

    TablePageXP* Page(int index) const { return pages_[index]; }
    ListBoxXP* SkinListBoxXP() const { return skinList_; }
    QLabel* DescriptionLabel() const { return descriptionLabel_; }
    QLabel* PreViewImage() const { return preViewImage_; }
    ListBoxXP* DictListBoxXP() const { return dictList_; }
    QLabel* DictionaryLabel() const { return dictionaryLabel_; }
    SliderXP* SpeakModeSlider() const { return speakModeSlider_; }
    QLabel* SpeakModeLabel() const { return speakModeLabel_; }
    SliderXP* SpeedSlider() const { return speedSlider_; }
    QLabel* SpeedLabel() const { return speedLabel_; }
    FrameXP* GroupFrame() const { return groupFrame_; }
    CheckBoxXP* GroupCheck() const { return groupCheck_; }
    SliderXP* GroupSizeSlider() const { return groupSizeSlider_; }
    QLabel* GroupSizeLabel() const { return groupSizeLabel_; }
    SliderXP* GroupSlider() const { return groupSlider_; }
    QLabel* GroupLabel() const { return groupLabel_; }
    QLabel* DictNameLabel() const { return dictNameLabel_; }
    QLabel* GroupSizeLabel2() const { return groupSizeLabel2_; }
    QLabel* LastPlanGroupLabel() const { return lastPlanGroupLabel_; }
    qint32 LastPlanGroup() const { return lastPlanGroup_; }
    CheckBoxXP* RunPlanCheck() const { return runPlanCheck_; }
    ButtonXP* ResetButton() const { return resetButton_; }
    ButtonXP* OKButton() const { return okButton_; }
    ButtonXP* CancelButton() const { return cancelButton_; }

    void Ok();
    void Reset();

signals:
    // The dialog has closed, whichever way.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void SkinSelected();
    void WordListSelected();
    void GroupSizeChanged();
    void ShowPlanProgress();
    void PlanPageClicked();
    bool Ask(const QString& text, const QString& title, bool noDefault);
    // Applies the user's skin to every open skinned window.
    void ApplySkinToOpenWindows();
    void Unload();

    AppState& app_;
    WindowHooks* hooks_;
    Question question_;
    SkinnedWindow* skin_;
    TablePageXP* pages_[5];
    ListBoxXP* skinList_;
    QLabel* descriptionLabel_;
    QLabel* preViewImage_;
    ListBoxXP* dictList_;
    QLabel* dictionaryLabel_;
    SliderXP* speakModeSlider_;
    QLabel* speakModeLabel_;
    SliderXP* speedSlider_;
    QLabel* speedLabel_;
    FrameXP* groupFrame_;
    CheckBoxXP* groupCheck_;
    SliderXP* groupSizeSlider_;
    QLabel* groupSizeLabel_;
    SliderXP* groupSlider_;
    QLabel* groupLabel_;
    QLabel* dictNameLabel_;
    QLabel* groupSizeLabel2_;
    QLabel* lastPlanGroupLabel_;
    CheckBoxXP* runPlanCheck_;
    ButtonXP* resetButton_;
    ButtonXP* okButton_;
    ButtonXP* cancelButton_;
    qint32 lastPlanGroup_ = 0;
    bool unloaded_ = false;
};

} // namespace lexarion
