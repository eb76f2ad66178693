#pragma once

// The hidden owner window: the tray icon, the tray menu and the memorization menu, the speech
// engine and the two background timers. It is never shown.

#include "app/iconformlogic.h"
#include "memorize/ui/rememberform.h"
#include "platform/speechengine.h"

#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class QMenu;

namespace lexarion {

class AppState;
class TrayIcon;

class IconForm : public QWidget, public RememberFormOwner {
    Q_OBJECT
public:
    // `command(c)` runs the command of a chosen menu item; `consoleVisible()` tells
    // whether the console can be seen. While the window lives, its speech engine is the
    // program's (`app.speech`).
    IconForm(AppState& app, std::unique_ptr<TrayIcon> tray, std::unique_ptr<SpeechEngine> speech,
             std::function<void(Command)> command, std::function<bool()> consoleVisible,
             QWidget* parent = nullptr);
    ~IconForm() override;

    bool TrayIconShown() const { return trayIconShown_; }
    SpeechEngine* TextToSpeech1() const { return speech_.get(); }
    bool RememberFormSpeakingStarted = false;
    int mustRememberMinutes = 1;

    QMenu* MainMenu() const { return mainMenu_; }
    QMenu* RememberFormMainMenu() const { return rememberMenu_; }
    // A menu item by the command it gives, or by its name (separators and submenus).
    QAction* Item(Command command) const { return commandItems_.value(command); }
    QAction* Item(const QString& name) const { return items_.value(name); }

    // A notification of the tray icon (515 double click, 517 right button released).
    void TrayNotification(int message, QPoint globalPosition);
    // Enables "Lexarion控制台(&C)..." exactly while the console cannot be seen.
    void RefreshMainMenu();
    // Brings the memorization menu's checks, enabled states and slot captions up to date.
    // Both refreshes draw the menus anew with the program's flat menus.
    void RememberFormCheckMainMenu() override;
    // The word window's side of the menu: the play item's check mark (the play state), the
    // menu popped up over the word window, the speech flag cleared when the window closes.
    bool IsPlayChecked() const override;
    void SetPlayChecked(bool checked) override;
    void ShowMemorizationMenu(QPoint globalPosition) override;
    void ResetSpeakingStarted() override;
    // The open word window, which the speech notifications pace; null while none is open.
    void SetRememberForm(RememberForm* form) { rememberForm_ = form; }
    RememberForm* WordWindow() const { return rememberForm_; }
    // The speech engine's notifications that speaking has begun and has finished.
    void SpeechStartHandler();
    void SpeechEndHandler();

    // Removes the flat menus' drawing and the tray icon; the window itself is released by its
    // owner.
    void CloseForm();

    QTimer& Timer1() { return timer1_; }
    QTimer& Timer2() { return timer2_; }

signals:
    // The minute timer has counted up to the next must-remember test.
    void MustRememberDue();

private:
    QMenu* BuildMenu(QWidget* parent, const QString& title, const QList<TrayMenuItem>& items);
    void ReinstallMenus();

    AppState& app_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<SpeechEngine> speech_;
    std::function<void(Command)> command_;
    std::function<bool()> consoleVisible_;
    bool trayIconShown_ = false;
    QMenu* mainMenu_ = nullptr;
    QMenu* rememberMenu_ = nullptr;
    QHash<QString, QAction*> items_;
    QHash<Command, QAction*> commandItems_;
    QPointer<RememberForm> rememberForm_;
    QTimer timer1_;
    QTimer timer2_;
};

} // namespace lexarion
