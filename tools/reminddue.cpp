#include "tools/reminddue.h"

#include "core/appstate.h"

namespace lexarion {

bool ReminderCheckFindsDue(const AppState& app) {
    if (app.dialogShowing)
        return false;
    const QString nowDate = CurrentReminderDate(app);
    const QString nowTime = CurrentReminderTime(app);
    for (const QString& line : app.reminderList.Lines())
        if (IsReminderDue(line, nowDate, nowTime))
            return true;
    return false;
}

void DueReminders::Load(const ReminderList& list, const QString& nowDate, const QString& nowTime) {
    Clear();
    for (const QString& line : list.Lines())
        if (IsReminderDue(line, nowDate, nowTime))
            records_.append(line);
}

void DueReminders::Load(const AppState& app) {
    Load(app.reminderList, CurrentReminderDate(app), CurrentReminderTime(app));
}

bool DueReminders::Previous() {
    if (currentDue_ < 2)
        return false;
    --currentDue_;
    return true;
}

bool DueReminders::Next() {
    if (currentDue_ >= records_.size())
        return false;
    ++currentDue_;
    return true;
}

QString DueReminders::CurrentText() const {
    if (currentDue_ < 1 || currentDue_ > records_.size())
        return {};
    const QString& line = records_.at(currentDue_ - 1);
    return u"时间: "_qs + ReminderDisplayText(ReminderDate(line), ReminderTime(line)) +
           u"\r\n\r\n事情: "_qs + ReminderText(line);
}

void DueReminders::Clear() {
    records_.clear();
    currentDue_ = 1;
}

bool PurgeDueReminders(AppState& app) {
    RemoveDueReminders(app);
    return SaveReminders(app);
}

} // namespace lexarion
