#pragma once

// The user's reminder file users/<user>/remind.txt: read once at start-up into
// `AppState::reminderList`, written back once at shutdown.

#include <QString>

namespace lexarion {

class AppState;

QString ReminderFilePath(const AppState& app);

// True for a record line: at least three TAB-separated fields, the first a number of exactly
// 8 characters (the date), the second a number of exactly 4 (the time of day).
bool IsReminderLine(const QString& line);

// Appends every record line of the file to the reminder list, skipping blank and malformed
// lines; a missing file is created empty. False when the file cannot be created or read.
bool LoadReminders(AppState& app);
// Replaces the file with the reminder list, one line each; a write error passes silently.
void SaveReminders(const AppState& app);

} // namespace lexarion
