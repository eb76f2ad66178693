#pragma once

// "Lexarion - [提醒设置]": the user's reminders in a list, edited in place. Every change goes
// into the user's reminder list at once; closing the editor saves the list to the file. The
// editor holds `dialogShowing` from its load to its unload, which keeps the reminder check
// quiet meanwhile.

#include "core/dialogguard.h"

#include <QDialog>
#include <QTimer>
#include <optional>

class QLabel;

namespace lexarion {

class AppState;
class ButtonXP;
class ListBoxXP;
class SkinnedWindow;
class TextBoxXP;
class UpDownXP;
class WindowHooks;

inline constexpr QStringView NewReminderText = u"请你输入你要提醒的文字.";
inline constexpr QStringView EmptyReminderListPrompt = u"请按“新建”后加入你要提醒的文字.";

class RemindSetingForm : public QDialog {
    Q_OBJECT
public:
    RemindSetingForm(AppState& app, WindowHooks* hooks, QWidget* parent = nullptr);
    ~RemindSetingForm() override;

    ListBoxXP* ListBoxXP1() const { return list_; }
    UpDownXP* RemindYearUpDown() const { return year_; }
    UpDownXP* RemindMonthUpDown() const { return month_; }
    UpDownXP* RemindDayUpDown() const { return day_; }
    UpDownXP* RemindHourUpDown() const { return hour_; }
    UpDownXP* RemindMinuteUpDown() const { return minute_; }
    QLabel* RemindYear() const { return yearLabel_; }
    QLabel* RemindMonth() const { return monthLabel_; }
    QLabel* RemindDay() const { return dayLabel_; }
    QLabel* RemindHour() const { return hourLabel_; }
    QLabel* RemindMinute() const { return minuteLabel_; }
    TextBoxXP* RemindTextBox() const { return textBox_; }
    QLabel* NowTimeLabel() const { return nowTimeLabel_; }
    ButtonXP* NewButton() const { return newButton_; }
    ButtonXP* DeleteButton() const { return deleteButton_; }
    ButtonXP* CloseButton() const { return closeButton_; }
    QTimer& Timer1() { return timer1_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    bool UpdateEditorState();
    QString EditorDate() const;
    QString EditorTime() const;
    void ShowEditorDate(const QString& date);
    void ShowEditorTime(const QString& time);
    void ShowEditorText(const QString& text);
    // The caption of the selected item from the date, time and text given.
    void ShowSelectedCaption(const QString& date, const QString& time);
    void ItemSelected();
    void NewReminder();
    void DeleteReminder();
    void DateChanged();
    void TimeChanged();
    void TextChanged();
    void ShowClock();
    void Unload();

    AppState& app_;
    SkinnedWindow* skin_;
    ListBoxXP* list_;
    UpDownXP* year_;
    UpDownXP* month_;
    UpDownXP* day_;
    UpDownXP* hour_;
    UpDownXP* minute_;
    QLabel* yearLabel_;
    QLabel* monthLabel_;
    QLabel* dayLabel_;
    QLabel* hourLabel_;
    QLabel* minuteLabel_;
    TextBoxXP* textBox_;
    QLabel* nowTimeLabel_;
    ButtonXP* newButton_;
    ButtonXP* deleteButton_;
    ButtonXP* closeButton_;
    QTimer timer1_;
    // Set while the editor itself changes its controls, so their change reactions do not
    // write back.
    bool editorBusy_ = false;
    // Marks the editor as a program window that holds the screen, from its load to its unload.
    std::optional<DialogGuard> dialogGuard_;
};

} // namespace lexarion
