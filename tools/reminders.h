#pragma once

// Reminders: dated notes that pop up when due. A record is one line of three TAB-separated
// fields: the date as 8 digits (yyyyMMdd), the time of day as 4 digits (hhmm), and free text.
// Both numbers carry leading zeros, so comparing them as text compares them in time.
//
// The user's records live in users/<user>/remind.txt, loaded once at start-up into
// `AppState::reminderList` and written back once at shutdown; in between every change is made
// in the list only.

#include "core/linelist.h"

#include <QString>

namespace lexarion {

class AppState;

using ReminderList = LineList;

inline constexpr auto ReminderFileName = u"remind.txt";

// The first, second and third field of a record line; empty when the line has no such field.
// Fields after the third are kept in the line but never shown.
QString ReminderDate(const QString& line);
QString ReminderTime(const QString& line);
QString ReminderText(const QString& line);

// date + TAB + time + TAB + text. A TAB or line break inside a field is written as a blank, so
// that a record always stays one line of three fields.
QString MakeReminderLine(const QString& date, const QString& time, const QString& text);

// The 8-digit date of (year, month, day) after carrying, as a calendar does: month 13 is January
// of the next year, month 0 December of the one before, day 0 the last day of the previous
// month, a day past the month's end runs on into the next month. Dates before 0000-01-01 or
// after 9999-12-31, which 8 digits cannot hold, are taken as those limits.
QString FormatReminderDate(int year, int month, int day);
// The 4-digit time of day of (hour, minute) after carrying minutes into hours and hours into
// days; a time before midnight is that time of the day before (hour 0, minute -1 is "2359").
QString FormatReminderTime(int hour, int minute);

// "2004年01月05日 09:30" for the date 20040105 and the time 0930.
QString ReminderDisplayText(const QString& date, const QString& time);

// True when the record's date is not after `nowDate` and, separately, its time of day is not
// after `nowTime`: a record of yesterday at 23:00 is due today only from 23:00 on.
bool IsReminderDue(const QString& line, const QString& nowDate, const QString& nowTime);

// The current date and time of day of the program's clock, seconds left out.
QString CurrentReminderDate(const AppState& app);
QString CurrentReminderTime(const AppState& app);

QString ReminderFilePath(const AppState& app);

// Empties `reminderList`, then fills it with the records of the user's file in file order,
// creating the file empty when it is missing. Blank and malformed lines (fewer than three
// fields, a date that is not exactly 8 decimal digits or a time that is not exactly 4) are
// skipped. False when the file cannot be created or read.
bool LoadReminders(AppState& app);

// Replaces the file with the records of `reminderList`, in the encoding the file was read in,
// atomically: a save that fails leaves the file exactly as it was. Returns whether it was saved.
bool SaveReminders(const AppState& app);

// Puts the record made of date, time and text in place of the one at the 0-based `position`.
// False, and the list unchanged, when there is no record there.
bool UpdateReminder(ReminderList& list, qint64 position, const QString& date, const QString& time,
                    const QString& text);

// Removes every record that is due at (nowDate, nowTime), keeping the others in their order.
void RemoveDueReminders(ReminderList& list, const QString& nowDate, const QString& nowTime);
// The same at the current date and time, on the user's list.
void RemoveDueReminders(AppState& app);

} // namespace lexarion
