#pragma once

// "不得不记单词": the must-remember test window. It pops up over everything at the top-left
// corner of the screen with the next word of the current group and refuses to close until the
// word has been typed correctly (as often as required after "不懂").

#include "memorize/mustremember.h"

#include <QPointer>
#include <QWidget>

class QLabel;

namespace lexarion {

class AppState;
class ButtonXP;
class FrameXP;
class SkinnedWindow;
class TextBoxXP;
class WindowHooks;

class MustRememberForm : public QWidget {
    Q_OBJECT
public:
    // Makes the window and runs its load: the plan's opening step, the first word, a plan step,
    // the user's skin, and the place at the top-left corner above every other window.
    MustRememberForm(AppState& app, WindowHooks* hooks, QWidget* owner = nullptr);
    ~MustRememberForm() override;

    // Closes the window whatever is left to type, as the program does when it ends.
    void Release();

    const MustRememberTest& Test() const { return test_; }
    SkinnedWindow& Skin() const { return *skin_; }
    QLabel* WordLabel() const { return wordLabel_; }
    QLabel* PronounceLabel() const { return pronounceLabel_; }
    QLabel* ExplanationLabel() const { return explanationLabel_; }
    QLabel* MessageLabel() const { return messageLabel_; }
    TextBoxXP* InputText() const { return inputText_; }
    ButtonXP* SpeakButton() const { return speakButton_; }
    ButtonXP* ContinueButton() const { return continueButton_; }
    ButtonXP* CloseButton() const { return closeButton_; }
    ButtonXP* DontKnowButton() const { return dontKnowButton_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void ShowTest();
    void UpdateTestButtons();
    void CheckTypedWord();
    void Continue();
    void InputKeyPress(int& keyAscii);
    void FocusInput();
    void CentreGroup();

    AppState& app_;
    MustRememberTest test_;
    SkinnedWindow* skin_;
    FrameXP* group_;
    QLabel* wordLabel_;
    QLabel* pronounceLabel_;
    QLabel* explanationLabel_;
    QLabel* messageLabel_;
    TextBoxXP* inputText_;
    ButtonXP* speakButton_;
    ButtonXP* continueButton_;
    ButtonXP* closeButton_;
    ButtonXP* dontKnowButton_;
    bool released_ = false;
};

// Brings up the test: an open test window is only brought forward (its word stays); otherwise a
// new one is made in `form`, owned by `owner`. Nothing is shown while the word list is empty.
void ShowMustRememberForm(AppState& app, WindowHooks* hooks, QWidget* owner,
                          QPointer<MustRememberForm>& form);

} // namespace lexarion
