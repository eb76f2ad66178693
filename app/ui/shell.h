#pragma once

// The running program's windows and their wiring: the login, the splash, the owner window with
// the tray, the console and the small windows of the shell. It carries out the start-up and
// shutdown sequences and the commands of the menus and the console buttons.

#include "app/startup.h"
#include "app/ui/messagebox.h"
#include "core/command.h"
#include "platform/hotkeys.h"
#include "skin/ui/windowhooks.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>

namespace lexarion {

class AppState;
class ControlForm;
class FontRegistrar;
class IconForm;
class LoginForm;
class RememberForm;
class SpeechEngine;
class TipOnDayForm;
class TrayIcon;
class UrlOpener;
class WelcomeForm;
class WordWindowSettings;

// The platform services the shell uses, replaceable for tests.
struct ShellServices {
    std::function<std::unique_ptr<TrayIcon>()> makeTray;
    std::function<std::unique_ptr<SpeechEngine>()> makeSpeech;
    UrlOpener* urlOpener = nullptr;
    FontRegistrar* fontRegistrar = nullptr;
    QString fontsFolder;
    // The system-wide hot keys, delivering each pressed key; none registers when missing.
    std::function<std::unique_ptr<HotKeys>(HotKeys::Delivery)> makeHotKeys;
};

// How a window is shown: modeless, modal, or modal only when the console's button opened it.
enum class Modality { Modeless, Modal, ModalFromConsole };

// One of the program's windows as the shell opens it.
struct WindowEntry {
    // Makes the window over `owner`; the window releases itself when it closes.
    std::function<QWidget*(QWidget* owner)> make;
    // The window it opens over, for a command from `origin`.
    std::function<QWidget*(CommandOrigin origin)> owner;
    Modality modality = Modality::Modeless;
    // Opens only while no program window holds the screen and marks one as showing: a modal
    // window while it is open, a modeless one while it opens.
    bool guarded = true;
    // An open window is brought forward instead of a second one made.
    bool single = true;
};

class Shell : public QObject, public StartupWindows, public ShutdownWindows {
    Q_OBJECT
public:
    Shell(AppState& app, ShellServices services, QObject* parent = nullptr);
    ~Shell() override;

    // Shows the login window.
    void Start();
    // Ends the program as the console's closing does, from wherever it stands now.
    void Terminate();

    LoginForm* Login() const;
    WelcomeForm* Welcome() const;
    IconForm* Icon() const;
    ControlForm* Console() const;
    TipOnDayForm* Tip() const;
    // The word window while it is open.
    RememberForm* WordWindow() const;
    // The program's hooked windows: each skinned window from its load to its unload, and the
    // word window while its hot keys are registered.
    WindowHooks& Hooks() { return hooks_; }
    HotKeys& SystemHotKeys() { return *hotKeys_; }

    // Carries out a command of a menu, a console button or a hot key.
    void Run(Command command, CommandOrigin origin = CommandOrigin::Menu);

    // Opens one of the program's windows as its entry says; the window, or null when the
    // entry did not open one (a guarded window while another holds the screen).
    QWidget* Open(ShellWindow window, CommandOrigin origin);
    // The window when it is open.
    QWidget* Window(ShellWindow window) const;

    // StartupWindows
    void HideSplash(bool stopTimer) override;
    void LoadIconForm() override;
    void ShowTipOfDayModal() override;
    void ShowMustRemember() override;
    void ShowConsole() override;
    void CloseSplash() override;
    // ShutdownWindows
    void UnhookConsole() override;
    void SafeUnload(ShellWindow window) override;
    void UnloadOtherWindows() override;
    void CloseIconForm() override;
    void ReleaseLookupLists() override;

signals:
    // The program is to end now with `exitCode`.
    void Finished(int exitCode);

private:
    void OnLoggedIn();
    void OnSplashTime();
    void OnConsoleClosing();
    void DefineWindows();
    void ShowConsoleNormal();
    // The memorization menu's commands on the word window; false for another command.
    bool RunWordWindowCommand(Command command, CommandOrigin origin);
    void OpenHomePage();
    void Help();
    // Timer2 of the owner window: the first due reminder opens the pop-up, or brings it forward.
    void CheckReminders();

    AppState& app_;
    ShellServices services_;
    QtMessagePresenter presenter_;
    WindowHooks hooks_;
    std::unique_ptr<HotKeys> hotKeys_;
    std::unique_ptr<WordWindowSettings> wordWindowSettings_;
    QPointer<LoginForm> login_;
    QPointer<WelcomeForm> welcome_;
    QPointer<IconForm> icon_;
    QPointer<ControlForm> console_;
    std::map<ShellWindow, WindowEntry> entries_;
    std::map<ShellWindow, QPointer<QWidget>> windows_;
    bool running_ = false;
    bool finished_ = false;
};

} // namespace lexarion
