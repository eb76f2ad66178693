#include "tools/reminders.h"

#include "app/appstate.h"
#include "app/settings.h"
#include "platform/numbertext.h"
#include "platform/textfile.h"

namespace lexarion {

QString ReminderFilePath(const AppState& app) {
    return UserFilePath(app, QStringLiteral("remind.txt"));
}

bool IsReminderLine(const QString& line) {
    const QStringList fields = line.split(u'\t');
    if (fields.size() < 3)
        return false;
    return fields[0].size() == 8 && IsNumericText(fields[0]) && fields[1].size() == 4 &&
           IsNumericText(fields[1]);
}

bool LoadReminders(AppState& app) {
    const QString path = ReminderFilePath(app);
    if (!IsOrdinaryFile(path) && !CreateEmptyFile(path))
        return false;
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes)
        return false;
    for (const QString& line : DecodeLines(*bytes).lines) {
        if (!line.isEmpty() && IsReminderLine(line))
            app.reminderList.Append(line);
    }
    return true;
}

void SaveReminders(const AppState& app) {
    RewriteTextFile(ReminderFilePath(app), app.reminderList.Lines());
}

} // namespace lexarion
