#pragma once

// "事情提醒": the reminders that have fallen due, one at a time with "向前" and "向后". Closing
// it removes every record due by then from the user's list and saves the list.

#include "tools/reminddue.h"

#include <QDialog>

class QLabel;

namespace lexarion {

class AppState;
class ButtonXP;
class SkinnedWindow;
class WindowHooks;

class RemindForm : public QDialog {
    Q_OBJECT
public:
    // Loads the records due now; with none (the clock has passed midnight since the check) the
    // window has nothing to show and HasDue() is false.
    RemindForm(AppState& app, WindowHooks* hooks, QWidget* parent = nullptr);
    ~RemindForm() override;

    bool HasDue() const { return !due_.IsEmpty(); }
    const DueReminders& Due() const { return due_; }
    // Shows the window, or brings it forward when it is shown already.
    void BringForward();

    QLabel* RemindTextLabel() const { return remindTextLabel_; }
    ButtonXP* PreviousButton() const { return previousButton_; }
    ButtonXP* NextButton() const { return nextButton_; }
    ButtonXP* CloseButton() const { return closeButton_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void ShowCurrent();
    void Purge();

    AppState& app_;
    DueReminders due_;
    SkinnedWindow* skin_;
    QLabel* remindTextLabel_;
    ButtonXP* previousButton_;
    ButtonXP* nextButton_;
    ButtonXP* closeButton_;
    bool purged_ = false;
};

} // namespace lexarion
