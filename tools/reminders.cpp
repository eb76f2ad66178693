#include "tools/reminders.h"

#include "core/appstate.h"
#include "core/settings.h"
#include "platform/textfile.h"

#include <QStringList>
#include <QStringView>
#include <algorithm>

namespace lexarion {

namespace {

// The field at the 0-based `index` of a TAB-separated line; empty when there is none.
QStringView Field(QStringView line, int index) {
    qsizetype start = 0;
    for (int i = 0; i < index; ++i) {
        const qsizetype tab = line.indexOf(u'\t', start);
        if (tab < 0)
            return {};
        start = tab + 1;
    }
    const qsizetype end = line.indexOf(u'\t', start);
    return line.sliced(start, (end < 0 ? line.size() : end) - start);
}

bool IsDigits(QStringView text, qsizetype length) {
    return text.size() == length &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A record as the file may hold it: at least three fields, the date exactly 8 decimal digits
// and the time exactly 4.
bool IsReminderLine(QStringView line) {
    return line.count(u'\t') >= 2 && IsDigits(Field(line, 0), 8) && IsDigits(Field(line, 1), 4);
}

// `text` with each of `characters` replaced by a blank.
QString Blanked(QString text, QStringView characters) {
    for (QChar c : characters)
        text.replace(c, u' ');
    return text;
}

constexpr QStringView LineBreaks = u"\r\n";
constexpr QStringView FieldBreaks = u"\t\r\n";

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar (with a year 0), and
// back; exact for every year a 64-bit day count can hold.
qint64 DaysFromCivil(qint64 year, qint64 month, qint64 day) {
    year -= month <= 2;
    const qint64 era = (year >= 0 ? year : year - 399) / 400;
    const qint64 yearOfEra = year - era * 400;
    const qint64 dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const qint64 dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
    qint64 year;
    qint64 month;
    qint64 day;
};

CivilDate CivilFromDays(qint64 days) {
    days += 719468;
    const qint64 era = (days >= 0 ? days : days - 146096) / 146097;
    const qint64 dayOfEra = days - era * 146097;
    const qint64 yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 shiftedMonth = (5 * dayOfYear + 2) / 153; // 0 is March
    const qint64 day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const qint64 month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    return {yearOfEra + era * 400 + (month <= 2), month, day};
}

qint64 FloorDiv(qint64 a, qint64 b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

QString ZeroPadded(qint64 value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QChar(u'0'));
}

} // namespace

QString ReminderDate(const QString& line) {
    return Field(line, 0).toString();
}

QString ReminderTime(const QString& line) {
    return Field(line, 1).toString();
}

QString ReminderText(const QString& line) {
    return Field(line, 2).toString();
}

QString MakeReminderLine(const QString& date, const QString& time, const QString& text) {
    return Blanked(date, FieldBreaks) + u'\t' + Blanked(time, FieldBreaks) + u'\t' +
           Blanked(text, FieldBreaks);
}

QString FormatReminderDate(int year, int month, int day) {
    // Months carry into years first, then the day is counted on from the month's first day.
    const qint64 months = qint64(year) * 12 + (qint64(month) - 1);
    const qint64 carriedYear = FloorDiv(months, 12);
    const qint64 carriedMonth = months - carriedYear * 12 + 1;
    const qint64 days = DaysFromCivil(carriedYear, carriedMonth, 1) + (qint64(day) - 1);
    const CivilDate date =
        CivilFromDays(std::clamp(days, DaysFromCivil(0, 1, 1), DaysFromCivil(9999, 12, 31)));
    return ZeroPadded(date.year, 4) + ZeroPadded(date.month, 2) + ZeroPadded(date.day, 2);
}

QString FormatReminderTime(int hour, int minute) {
    constexpr qint64 minutesPerDay = 24 * 60;
    const qint64 minutes = qint64(hour) * 60 + minute;
    const qint64 timeOfDay = minutes - FloorDiv(minutes, minutesPerDay) * minutesPerDay;
    return ZeroPadded(timeOfDay / 60, 2) + ZeroPadded(timeOfDay % 60, 2);
}

QString ReminderDisplayText(const QString& date, const QString& time) {
    return date.mid(0, 4) + u"年"_qs + date.mid(4, 2) + u"月"_qs + date.mid(6, 2) + u"日 "_qs +
           time.mid(0, 2) + u':' + time.mid(2, 2);
}

bool IsReminderDue(const QString& line, const QString& nowDate, const QString& nowTime) {
    return Field(line, 0) <= QStringView(nowDate) && Field(line, 1) <= QStringView(nowTime);
}

QString CurrentReminderDate(const AppState& app) {
    const QDate today = app.Now().date();
    return FormatReminderDate(today.year(), today.month(), today.day());
}

QString CurrentReminderTime(const AppState& app) {
    const QTime now = app.Now().time();
    return FormatReminderTime(now.hour(), now.minute());
}

QString ReminderFilePath(const AppState& app) {
    return UserFilePath(app, QString::fromUtf16(ReminderFileName));
}

bool LoadReminders(AppState& app) {
    app.reminderList.RemoveAll();
    const QString path = ReminderFilePath(app);
    if (!IsOrdinaryFile(path) && !CreateEmptyFile(path))
        return false;
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes)
        return false;
    for (const QString& line : DecodeLines(*bytes).lines) {
        if (IsReminderLine(line))
            app.reminderList.Append(line);
    }
    return true;
}

bool SaveReminders(const AppState& app) {
    // Records made elsewhere than by MakeReminderLine still take exactly one line each.
    QStringList lines;
    lines.reserve(app.reminderList.Count());
    for (const QString& line : app.reminderList.Lines())
        lines.append(Blanked(line, LineBreaks));
    return RewriteTextFile(ReminderFilePath(app), lines);
}

bool UpdateReminder(ReminderList& list, qint64 position, const QString& date, const QString& time,
                    const QString& text) {
    if (position < 0 || position >= list.Count())
        return false;
    // The new record goes in after the old one, which then goes, so it takes the old place.
    list.InsertAfter(position + 1, MakeReminderLine(date, time, text));
    list.RemoveAt(position + 1);
    return true;
}

void RemoveDueReminders(ReminderList& list, const QString& nowDate, const QString& nowTime) {
    qint64 position = 1;
    while (position <= list.Count()) {
        if (IsReminderDue(list.Item(position), nowDate, nowTime))
            list.RemoveAt(position);
        else
            ++position;
    }
}

void RemoveDueReminders(AppState& app) {
    RemoveDueReminders(app.reminderList, CurrentReminderDate(app), CurrentReminderTime(app));
}

} // namespace lexarion
