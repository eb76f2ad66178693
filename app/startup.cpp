#include "app/startup.h"

#include "core/appstate.h"
#include "core/dialogguard.h"
#include "core/settings.h"
#include "platform/numbertext.h"
#include "platform/textfile.h"
#include "tools/reminders.h"
#include "wordlist/mydict.h"
#include "wordlist/wordlist.h"

#include <QDir>

namespace lexarion {

namespace {

// A load failure ends the program unless a window of a background timer holds the screen, in
// which case start-up goes on with what was loaded.
bool FailsStartup(AppState& app, StartupWindows& windows, const QString& message,
                  MessageIcon icon) {
    return RunGuarded(app, [&] {
        windows.HideSplash(false);
        if (MessagePresenter* presenter = app.Presenter())
            presenter->ShowMessage(message, QStringLiteral("错误"), icon);
    });
}

} // namespace

StartupResult RunStartup(AppState& app, StartupWindows& windows) {
    windows.HideSplash(true);
    app.dialogShowing = false;
    windows.LoadIconForm();

    const QString name = ReadSetting(app, setting::DictionaryFile);
    const QString path = WordListPathForName(app, name);
    const QString defaultPath =
        ProgramFilePath(app, QStringLiteral("Dicts/") + DefaultWordListName.toString());
    if (!IsOrdinaryFile(path) && !IsOrdinaryFile(defaultPath)) {
        // Nothing to fall back on: the program runs on an empty list, and the default list is
        // created empty so that the next start loads it without a word.
        QStringList missing{QDir::toNativeSeparators(defaultPath)};
        if (path != defaultPath)
            missing.prepend(QDir::toNativeSeparators(path));
        if (!app.dialogShowing)
            ShowProgramMessage(app, MissingDefaultWordListMessage.arg(missing.join(u'\n')),
                               QStringLiteral("错误"), MessageIcon::Information);
        if (!LoadWordList(app, defaultPath))
            LoadWordList(app, defaultPath);
    } else {
        QString loadPath = path;
        if (!IsOrdinaryFile(path)) {
            if (!app.dialogShowing)
                ShowProgramMessage(app, MissingWordListMessage.toString(), QStringLiteral("错误"),
                                   MessageIcon::Information);
            loadPath = defaultPath;
        }
        // The message names the file, so that the user can see which one to mend.
        if (!LoadWordList(app, loadPath) &&
            FailsStartup(app, windows,
                         WordListLoadErrorMessage.toString() + u'\n' +
                             QDir::toNativeSeparators(loadPath),
                         MessageIcon::Information))
            return StartupResult::Failed;
    }
    if (!LoadReminders(app) && FailsStartup(app, windows,
                                            RemindersLoadErrorMessage.toString() + u'\n' +
                                                QDir::toNativeSeparators(ReminderFilePath(app)),
                                            MessageIcon::Error))
        return StartupResult::Failed;

    bool mustRememberStep = true;
    // A fresh user's tip stays closed at start-up, though its window offers it ticked.
    if (NumberValue(ReadSetting(app, setting::ShowOnStart, QStringLiteral("0"))) != 0) {
        mustRememberStep = RunGuarded(app, [&] { windows.ShowTipOfDayModal(); });
    }
    if (mustRememberStep &&
        // Off until the user turns it on; only "1" counts.
        ReadSetting(app, setting::EnableMustRemember, QStringLiteral("0")) == u"1")
        RunGuarded(app, [&] { windows.ShowMustRemember(); });
    windows.ShowConsole();
    windows.CloseSplash();
    return StartupResult::Running;
}

void RunShutdown(AppState& app, ShutdownWindows& windows) {
    windows.UnhookConsole();
    for (const ShellWindow window :
         {ShellWindow::RememberSettingForm, ShellWindow::RememberForm,
          ShellWindow::MustRememberForm, ShellWindow::FindWordForm, ShellWindow::TipOnDayForm})
        windows.SafeUnload(window);
    windows.UnloadOtherWindows();
    windows.CloseIconForm();
    SaveReminders(app);
    QString globalFile = GlobalSettingsFile(app);
    WriteSetting(app, setting::LastUser.section.toString(), setting::LastUser.key.toString(),
                 app.currentUser, globalFile);
    SaveMyDict(app);
    ClearCollection(app.wordList, true);
    windows.ReleaseLookupLists();
}

void ClearCollection(LineList& list, bool release) {
    while (!list.IsEmpty())
        list.RemoveAt(1);
    if (release)
        list = LineList();
}

} // namespace lexarion
