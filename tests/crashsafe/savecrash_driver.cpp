// Saves the files Lexarion writes, over and over, for the crash test to kill at random moments:
// the global settings, the user's settings, the new-word book and the reminders of a program
// folder, each through the program's own writer, alternating between two known versions.
//
//   lexarion_savecrash_driver prepare FOLDER       lay out FOLDER with every file in version 0
//   lexarion_savecrash_driver version FOLDER N     the same, then every file saved in version N
//   lexarion_savecrash_driver once FOLDER          save version 0 once
//   lexarion_savecrash_driver loop FOLDER          save versions 1, 0, 1, ... until killed

#include "core/appstate.h"
#include "core/settings.h"
#include "platform/textfile.h"
#include "tools/reminders.h"
#include "wordlist/mydict.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

using namespace lexarion;

namespace {

constexpr auto User = "Alice";
constexpr int BookEntries = 6000;
constexpr int Reminders = 3000;
constexpr int PaddingKeys = 3000;

// The files beside the saved ones, which a save must never touch.
void WriteBystanders(const QString& folder) {
    const QString user = folder + QStringLiteral("/users/Alice/");
    QDir().mkpath(user + QStringLiteral("notes"));
    WriteFileAtomically(user + QStringLiteral("notes/today.txt"), "keep me\r\n");
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.append(char(i * 37 % 256));
    WriteFileAtomically(user + QStringLiteral("words.bak"), bytes);
    WriteFileAtomically(folder + QStringLiteral("/Dicts/cet-4.wsl"), "abandon#abandon\r\n");
}

// The user's settings: the book as the loaded list and many other keys, so that a rewrite takes
// long enough to be interrupted part-way.
void WriteUserSettings(const QString& folder) {
    QByteArray ini = "[General]\r\nDictionaryFile=MyDict.wsl\r\nLastPlanGroup=0\r\n"
                     "[Padding]\r\n";
    for (int i = 0; i < PaddingKeys; ++i)
        ini += "Key" + QByteArray::number(i) + "=" + QByteArray(24, char('a' + i % 26)) + "\r\n";
    WriteFileAtomically(folder + QStringLiteral("/users/Alice/config.ini"), ini);
}

void Save(AppState& app, int version) {
    const QString tag = QString::number(version);
    WriteSetting(app, setting::LastPlanGroup, QString::number(1000 + version));
    QString globalFile = GlobalSettingsFile(app);
    WriteSetting(app, setting::LastUser.section.toString(), setting::LastUser.key.toString(),
                 User + tag, globalFile);

    app.wordList.RemoveAll();
    for (int i = 0; i < BookEntries + version * 50; ++i)
        app.wordList.Append(QStringLiteral("word%1#释义%2 第%3版").arg(i).arg(i).arg(tag));
    SaveMyDict(app);

    app.reminderList.RemoveAll();
    for (int i = 0; i < Reminders - version * 40; ++i)
        app.reminderList.Append(
            MakeReminderLine(QStringLiteral("20991231"), QStringLiteral("0800"),
                             QStringLiteral("提醒 %1 版本 %2").arg(i).arg(tag)));
    SaveReminders(app);
}

int Usage() {
    std::fputs("usage: lexarion_savecrash_driver prepare|version|once|loop FOLDER [N]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() < 3)
        return Usage();
    const QString mode = args.at(1);
    const QString folder = args.at(2);

    AppState app(folder);
    app.currentUser = QString::fromLatin1(User);
    app.loadedWordListPath = folder + QStringLiteral("/users/Alice/MyDict.wsl");

    if (mode == u"prepare" || mode == u"version") {
        QDir().mkpath(folder + QStringLiteral("/users/Alice"));
        QDir().mkpath(folder + QStringLiteral("/Dicts"));
        WriteBystanders(folder);
        WriteUserSettings(folder);
        Save(app, 0);
        if (mode == u"version" && args.size() > 3)
            Save(app, args.at(3).toInt());
        return 0;
    }
    if (mode == u"once") {
        Save(app, 0);
        return 0;
    }
    if (mode != u"loop")
        return Usage();
    std::puts("saving");
    std::fflush(stdout);
    for (int version = 1;; version = 1 - version)
        Save(app, version);
}
