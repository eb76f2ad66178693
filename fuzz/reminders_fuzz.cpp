// The reminder file loader on any file, and the carrying of dates and times from any numbers.

#include "core/appstate.h"
#include "fuzzsupport.h"
#include "tools/reminders.h"

#include <QDate>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace lexarion;

namespace {

bool IsDigits(const QString& text, qsizetype count) {
    if (text.size() != count)
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int year = input.ConsumeIntegral<int>();
    const int month = input.ConsumeIntegral<int>();
    const int day = input.ConsumeIntegral<int>();
    const int hour = input.ConsumeIntegral<int>();
    const int minute = input.ConsumeIntegral<int>();

    const QString date = FormatReminderDate(year, month, day);
    FUZZ_CHECK(IsDigits(date, 8));
    const QDate calendar = QDate::fromString(date, QStringLiteral("yyyyMMdd"));
    FUZZ_CHECK(calendar.isValid() || date == u"00000101" || date.startsWith(u"0000"));
    const QString time = FormatReminderTime(hour, minute);
    FUZZ_CHECK(IsDigits(time, 4));
    FUZZ_CHECK(time.left(2).toInt() < 24 && time.mid(2).toInt() < 60);
    ReminderDisplayText(date, time);

    const std::string rest = input.ConsumeRemainingBytesAsString();
    fuzz::WriteScratchFile(QStringLiteral("users/Ann/remind.txt"),
                           QByteArray(rest.data(), qsizetype(rest.size())));
    AppState app(fuzz::ScratchFolder());
    app.currentUser = QStringLiteral("Ann");
    FUZZ_CHECK(LoadReminders(app));
    for (qint32 i = 1; i <= app.reminderList.Count(); ++i) {
        const QString line = app.reminderList.Item(i);
        FUZZ_CHECK(IsDigits(ReminderDate(line), 8) && IsDigits(ReminderTime(line), 4));
        ReminderText(line);
        IsReminderDue(line, date, time);
        ReminderDisplayText(ReminderDate(line), ReminderTime(line));
        const QString made =
            MakeReminderLine(ReminderDate(line), ReminderTime(line), ReminderText(line));
        FUZZ_CHECK(ReminderText(made) == ReminderText(line).replace(u'\t', u' '));
    }
    RemoveDueReminders(app.reminderList, date, time);
    return 0;
}
