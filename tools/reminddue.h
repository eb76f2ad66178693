#pragma once

// The reminder pop-up as logic: the background check that decides when it opens, and the
// records it pages through. The window only shows what this holds.

#include "tools/reminders.h"

#include <QString>
#include <QStringList>

namespace lexarion {

class AppState;

// How often the owner window looks for due reminders.
inline constexpr int ReminderCheckIntervalMs = 10000;

// True when the check should show the pop-up now: no window of the program holds the screen
// and some record of the user's list is due at the current date and time.
bool ReminderCheckFindsDue(const AppState& app);

// The records that were due when the pop-up opened, in list order, and the one shown.
class DueReminders {
public:
    // Takes every record of `list` due at (nowDate, nowTime); the first is shown.
    void Load(const ReminderList& list, const QString& nowDate, const QString& nowTime);
    // The same at the program's current date and time, on the user's list.
    void Load(const AppState& app);

    qsizetype Count() const { return records_.size(); }
    bool IsEmpty() const { return records_.isEmpty(); }
    // 1-based position of the record shown; 1 also while the list is empty.
    qsizetype CurrentDue() const { return currentDue_; }

    // "向前": one record back; false (and nothing changed) at the first.
    bool Previous();
    // "向后": one record on; false (and nothing changed) at the last.
    bool Next();

    // "时间: <date and time>" CR LF CR LF "事情: <text>" for the record shown; empty when
    // there is none.
    QString CurrentText() const;

    void Clear();

private:
    QStringList records_;
    qsizetype currentDue_ = 1;
};

// What closing the pop-up does with the user's list: every record due now is removed and the
// list is written to the reminder file at once, so that a reminder once shown does not come
// back after a crash. Returns whether the file was written.
bool PurgeDueReminders(AppState& app);

} // namespace lexarion
