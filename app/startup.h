#pragma once

// The start-up sequence after the splash and the shutdown sequence of the console, as logic:
// the windows they open and close are reached through small interfaces, so the order of the
// steps and the rules for `dialogShowing` hold whatever the windows are.

#include "core/linelist.h"
#include "core/settingkeys.h"
#include "wordlist/wordlist.h"

#include <QString>

namespace lexarion {

class AppState;

inline constexpr QStringView MissingWordListMessage = u"指定的词库不存在,将加载默认词库!";
// Neither the chosen list nor the default one exists: %1 names the missing files.
inline constexpr QStringView MissingDefaultWordListMessage = u"词库不存在:\n%1\n将使用空词库!";
inline constexpr QStringView WordListLoadErrorMessage = u"加载词库时出错!";
inline constexpr QStringView RemindersLoadErrorMessage = u"加载提醒功能时出错!";
inline constexpr QStringView DefaultWordListName = setting::DictionaryFile.defaultValue;

// What the start-up sequence does with windows.
class StartupWindows {
public:
    virtual ~StartupWindows() = default;
    // Hides the splash window; `stopTimer` also switches its timer off.
    virtual void HideSplash(bool stopTimer) = 0;
    // Loads the hidden owner window: tray icon, menus, background timers.
    virtual void LoadIconForm() = 0;
    // Shows the tip of the day modally over the splash window and returns when it has closed.
    virtual void ShowTipOfDayModal() = 0;
    // Opens the must-remember test without modality.
    virtual void ShowMustRemember() = 0;
    // Loads and shows the console.
    virtual void ShowConsole() = 0;
    // Closes and releases the splash window.
    virtual void CloseSplash() = 0;
};

enum class StartupResult {
    Running, // the console is open
    Failed,  // a word list or the reminders could not be read; the program ends at once
};

// Runs the start-up sequence once the splash has waited. A failure has already been reported
// to the user when this returns Failed; nothing has been saved.
StartupResult RunStartup(AppState& app, StartupWindows& windows);

// The program's windows that commands open. The shutdown closes the first five by name, in
// this order, and then whatever else is still open.
enum class ShellWindow {
    RememberSettingForm,
    RememberForm,
    MustRememberForm,
    FindWordForm,
    TipOnDayForm,
    AboutForm,
    TextEffectForm,
    RemindForm,
    RemindSetingForm,
    SettingForm,
    HelpForm,
    MustRememberSettingForm,
};

// What the shutdown sequence does with windows.
class ShutdownWindows {
public:
    virtual ~ShutdownWindows() = default;
    virtual void UnhookConsole() = 0;
    // Closes the window when it exists and releases it; a window never opened stays unopened.
    virtual void SafeUnload(ShellWindow window) = 0;
    // Closes and releases every program window the named steps have left open.
    virtual void UnloadOtherWindows() = 0;
    // Closes the owner window, which removes the tray icon.
    virtual void CloseIconForm() = 0;
    // Releases the lookup window's dictionary and Chinese index, when loaded.
    virtual void ReleaseLookupLists() = 0;
};

// Runs the shutdown sequence: windows, reminders, "LastUser", the new-word book, the lists.
void RunShutdown(AppState& app, ShutdownWindows& windows);

// Empties `list` one line at a time from the front; with `release` its storage goes as well,
// so the next use starts from a new empty list.
void ClearCollection(LineList& list, bool release);

} // namespace lexarion
