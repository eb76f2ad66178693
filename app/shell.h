#pragma once

// The running program's windows and their wiring: the login, the splash, the owner window with
// the tray, the console and the small windows of the shell. It carries out the start-up and
// shutdown sequences and the commands of the menus and the console buttons.

#include "app/messagebox.h"
#include "app/startup.h"
#include "skin/windowhooks.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

namespace lexarion {

class AboutForm;
class AppState;
class ControlForm;
class FontRegistrar;
class IconForm;
class LoginForm;
class SpeechEngine;
class TextEffectForm;
class TipOnDayForm;
class TrayIcon;
class UrlOpener;
class WelcomeForm;

// The platform services the shell uses, replaceable for tests.
struct ShellServices {
    std::function<std::unique_ptr<TrayIcon>()> makeTray;
    std::function<std::unique_ptr<SpeechEngine>()> makeSpeech;
    UrlOpener* urlOpener = nullptr;
    FontRegistrar* fontRegistrar = nullptr;
    QString fontsFolder;
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
    // The program's hooked windows: each skinned window from its load to its unload.
    WindowHooks& Hooks() { return hooks_; }

    // The commands of the tray menu's items and of the console's buttons.
    void MenuCommand(const QString& name);
    void ButtonCommand(int index);

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
    void CloseIconForm() override;
    void ReleaseLookupLists() override;

signals:
    // The program is to end now with `exitCode`.
    void Finished(int exitCode);

private:
    void OnLoggedIn();
    void OnSplashTime();
    void OnConsoleClosing();
    void ShowConsoleNormal();
    void OpenTip(QWidget* owner);
    void OpenAbout();
    void OpenTextEffect();
    void OpenHomePage();
    void Help();

    AppState& app_;
    ShellServices services_;
    QtMessagePresenter presenter_;
    WindowHooks hooks_;
    QPointer<LoginForm> login_;
    QPointer<WelcomeForm> welcome_;
    QPointer<IconForm> icon_;
    QPointer<ControlForm> console_;
    QPointer<TipOnDayForm> tip_;
    QPointer<TextEffectForm> textEffect_;
    bool running_ = false;
    bool finished_ = false;
};

} // namespace lexarion
