#include "app/ui/shell.h"

#include "app/iconformlogic.h"
#include "app/publisher.h"
#include "app/shellservices.h"
#include "app/ui/aboutform.h"
#include "app/ui/controlform.h"
#include "app/ui/helpform.h"
#include "app/ui/iconform.h"
#include "app/ui/loginform.h"
#include "app/ui/texteffectform.h"
#include "app/ui/tipondayform.h"
#include "app/ui/welcomeform.h"
#include "app/ui/wordwindowsettings.h"
#include "core/appstate.h"
#include "core/dialogguard.h"
#include "core/settings.h"
#include "memorize/mustremember.h"
#include "memorize/progressslots.h"
#include "memorize/speech.h"
#include "memorize/ui/mustrememberform.h"
#include "memorize/ui/mustremembersettingform.h"
#include "memorize/ui/rememberform.h"
#include "memorize/ui/remembersettingform.h"
#include "platform/speechengine.h"
#include "platform/trayicon.h"
#include "skin/ui/skinnedwindow.h"
#include "tools/reminddue.h"
#include "tools/ui/findwordform.h"
#include "tools/ui/remindform.h"
#include "tools/ui/remindsetingform.h"
#include "tools/ui/settingform.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QThread>
#include <QTimer>

namespace lexarion {

namespace {

// How often an ending program looks again whether the modal windows it closed have returned.
constexpr int ModalCloseRetryMs = 20;

} // namespace

Shell::Shell(AppState& app, ShellServices services, QObject* parent)
    : QObject(parent), app_(app), services_(std::move(services)) {
    if (!app_.Presenter())
        app_.SetMessagePresenter(&presenter_);
    // A pressed hot key reaches its window as an event; the hooks pass it to the word window.
    const HotKeys::Delivery deliver = [](QObject* window, int id) {
        HotKeyEvent event(id);
        QCoreApplication::sendEvent(window, &event);
    };
    hotKeys_ = services_.makeHotKeys ? services_.makeHotKeys(deliver) : nullptr;
    if (!hotKeys_)
        hotKeys_ = std::make_unique<RefusingHotKeys>();
    hooks_.SetHotKeyHandler([this](int id) {
        if (RememberForm* form = WordWindow())
            form->DoHotKeyFunctions(id);
    });
    wordWindowSettings_ = std::make_unique<WordWindowSettings>([this] { return WordWindow(); },
                                                               [this] { return Icon(); });
    DefineWindows();
}

Shell::~Shell() {
    if (app_.Presenter() == &presenter_)
        app_.SetMessagePresenter(nullptr);
    delete icon_;
    // Windows of their own, owned by nobody.
    for (auto& [id, window] : windows_)
        if (window && !window->parent())
            delete window;
}

// Each window the commands open: how it is made, over which window, and how it is shown.
void Shell::DefineWindows() {
    const auto consoleOwner = [this](CommandOrigin) -> QWidget* { return console_; };
    entries_[ShellWindow::TipOnDayForm] = {
        .make = [this](QWidget* owner) { return new TipOnDayForm(app_, &hooks_, owner); },
        // The console's button opens it over the hidden owner window, the tray over the
        // console.
        .owner = [this](CommandOrigin origin) -> QWidget* {
            return origin == CommandOrigin::Console ? static_cast<QWidget*>(icon_) : console_;
        },
    };
    entries_[ShellWindow::AboutForm] = {
        .make = [this](QWidget* owner) { return new AboutForm(app_, &hooks_, owner); },
        .owner = consoleOwner,
        .modality = Modality::Modal,
    };
    entries_[ShellWindow::RememberForm] = {
        // Paced and commanded through the owner window's menu and speech engine.
        .make = [this](QWidget*) -> QWidget* {
            auto* form = new RememberForm(app_, *icon_, hotKeys_.get(), &hooks_);
            icon_->SetRememberForm(form);
            return form;
        },
        .owner = [](CommandOrigin) -> QWidget* { return nullptr; },
        .guarded = false,
    };
    entries_[ShellWindow::RememberSettingForm] = {
        // Over the word window; it closes the tray menu and takes the hot keys off meanwhile.
        .make = [this](QWidget* owner) -> QWidget* {
            return new RememberSettingForm(app_, *wordWindowSettings_, &hooks_, owner);
        },
        .owner = [this](CommandOrigin) -> QWidget* { return WordWindow(); },
    };
    entries_[ShellWindow::FindWordForm] = {
        // A window of its own, made anew at each opening: it loads both lookup files, or
        // reports that it could not and is gone.
        .make = [this](QWidget*) -> QWidget* {
            auto* form = new FindWordForm(app_, &hooks_);
            return form->Load() ? form : nullptr;
        },
        .owner = [](CommandOrigin) -> QWidget* { return nullptr; },
        .guarded = false,
    };
    const auto iconOwner = [this](CommandOrigin) -> QWidget* { return icon_; };
    entries_[ShellWindow::RemindForm] = {
        .make = [this](QWidget* owner) { return new RemindForm(app_, &hooks_, owner); },
        .owner = iconOwner,
        // The reminder check marks the screen while it opens the pop-up.
        .guarded = false,
    };
    entries_[ShellWindow::RemindSetingForm] = {
        .make = [this](QWidget* owner) { return new RemindSetingForm(app_, &hooks_, owner); },
        .owner = iconOwner,
        .modality = Modality::ModalFromConsole,
        // The editor marks the screen itself from its load to its unload; its command opens
        // it only while no program window holds the screen.
        .guarded = false,
    };
    entries_[ShellWindow::SettingForm] = {
        .make =
            [this](QWidget* owner) {
                auto* form = new SettingForm(app_, &hooks_, owner);
                // Closing the settings shows the console again.
                connect(form, &SettingForm::Closed, this, [this] {
                    if (!finished_)
                        ShowConsoleNormal();
                });
                return form;
            },
        .owner = iconOwner,
    };
    entries_[ShellWindow::HelpForm] = {
        // A window of its own, beside whichever window asked for help.
        .make = [this](QWidget*) { return new HelpForm(app_, &hooks_, services_.urlOpener); },
        .owner = [](CommandOrigin) -> QWidget* { return nullptr; },
        .guarded = false,
    };
    // The test pops up from start-up, the minute timer and the settings dialog, each of which
    // marks the screen as held itself while it opens.
    entries_[ShellWindow::MustRememberForm] = {
        .make = [this](QWidget* owner) { return new MustRememberForm(app_, &hooks_, owner); },
        .owner = iconOwner,
        .guarded = false,
    };
    entries_[ShellWindow::MustRememberSettingForm] = {
        .make =
            [this](QWidget* owner) {
                auto* settings = new MustRememberSettingForm(app_, &hooks_, owner);
                connect(settings, &MustRememberSettingForm::MustRememberWanted, this,
                        &Shell::ShowMustRemember);
                return settings;
            },
        .owner = iconOwner,
    };
    entries_[ShellWindow::TextEffectForm] = {
        // The credit screen belongs to no window; its effect runs once per opening.
        .make = [](QWidget*) { return new TextEffectForm(nullptr); },
        .owner = consoleOwner,
    };
}

QWidget* Shell::Window(ShellWindow window) const {
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : found->second.data();
}

QWidget* Shell::Open(ShellWindow window, CommandOrigin origin) {
    const WindowEntry& entry = entries_.at(window);
    QWidget* opened = nullptr;
    const auto open = [&] {
        if (QWidget* existing = Window(window); existing && entry.single) {
            existing->show();
            existing->raise();
            existing->activateWindow();
            opened = existing;
            return;
        }
        QWidget* made = entry.make(entry.owner(origin));
        windows_[window] = made;
        opened = made;
        if (!made)
            return; // the window could not load and has said so
        const bool modal =
            entry.modality == Modality::Modal ||
            (entry.modality == Modality::ModalFromConsole && origin == CommandOrigin::Console);
        if (auto* dialog = qobject_cast<QDialog*>(made); dialog && modal) {
            dialog->exec();
            return;
        }
        if (modal)
            made->setWindowModality(Qt::ApplicationModal);
        made->show();
        made->raise();
        made->activateWindow();
    };
    if (entry.guarded) {
        if (!RunGuarded(app_, open))
            return nullptr;
    } else {
        open();
    }
    return Window(window);
}

LoginForm* Shell::Login() const {
    return login_;
}
WelcomeForm* Shell::Welcome() const {
    return welcome_;
}
IconForm* Shell::Icon() const {
    return icon_;
}
ControlForm* Shell::Console() const {
    return console_;
}
RememberForm* Shell::WordWindow() const {
    return qobject_cast<RememberForm*>(Window(ShellWindow::RememberForm));
}

TipOnDayForm* Shell::Tip() const {
    return qobject_cast<TipOnDayForm*>(Window(ShellWindow::TipOnDayForm));
}

void Shell::Start() {
    login_ = new LoginForm(app_, &hooks_);
    connect(login_, &LoginForm::LoggedIn, this, &Shell::OnLoggedIn);
    connect(login_, &QObject::destroyed, this, [this] {
        // Closing the login window without logging in leaves no window: the program ends.
        if (!welcome_ && !running_)
            emit Finished(0);
    });
    login_->show();
}

void Shell::OnLoggedIn() {
    app_.dialogShowing = false;
    welcome_ = new WelcomeForm(ProgramFilePath(app_, QStringLiteral("Pictures/Welcome.bmp")));
    connect(welcome_, &WelcomeForm::TimeUp, this, &Shell::OnSplashTime);
    welcome_->show();
}

void Shell::OnSplashTime() {
    if (finished_)
        return; // ended during the splash
    if (RunStartup(app_, *this) == StartupResult::Failed) {
        // Nothing has been loaded that could be saved: the program ends at once.
        finished_ = true;
        emit Finished(1);
        return;
    }
    running_ = true;
}

void Shell::HideSplash(bool stopTimer) {
    if (!welcome_)
        return;
    welcome_->hide();
    if (stopTimer)
        welcome_->Timer1().stop();
}

void Shell::LoadIconForm() {
    std::unique_ptr<TrayIcon> tray = services_.makeTray ? services_.makeTray() : nullptr;
    std::unique_ptr<SpeechEngine> speech = services_.makeSpeech ? services_.makeSpeech() : nullptr;
    icon_ = new IconForm(
        app_, std::move(tray), std::move(speech),
        [this](Command command) { Run(command, CommandOrigin::Menu); },
        [this] { return console_ && console_->isVisible() && !console_->isMinimized(); });
    icon_->Timer2().setInterval(ReminderCheckIntervalMs);
    connect(&icon_->Timer2(), &QTimer::timeout, this, &Shell::CheckReminders);
    connect(icon_, &IconForm::MustRememberDue, this, [this] {
        DialogGuard guard(app_);
        ShowMustRemember();
    });
}

void Shell::CheckReminders() {
    if (!ReminderCheckFindsDue(app_))
        return;
    const DialogGuard guard(app_);
    // An open pop-up is only brought forward; it takes no new records.
    auto* remind = qobject_cast<RemindForm*>(Open(ShellWindow::RemindForm, CommandOrigin::Menu));
    // The clock passed midnight between the check and the load: nothing to show, and the
    // window goes before it was ever drawn.
    if (remind && !remind->HasDue())
        remind->close();
}

void Shell::ShowTipOfDayModal() {
    // Start-up has marked the screen as held already; the tip opens over the splash.
    auto* tip = static_cast<QDialog*>(entries_.at(ShellWindow::TipOnDayForm).make(welcome_));
    windows_[ShellWindow::TipOnDayForm] = tip;
    tip->exec();
}

void Shell::ShowMustRemember() {
    // A test needs a word: with an empty list none is shown. An open test is only brought
    // forward, its word unchanged. A settings dialog closed by the shutdown asks for none.
    if (finished_ || (!Window(ShellWindow::MustRememberForm) && !HasTestWords(app_)))
        return;
    Open(ShellWindow::MustRememberForm, CommandOrigin::Menu);
}

void Shell::ShowConsole() {
    if (services_.fontRegistrar)
        InstallPhoneticFont(app_, *services_.fontRegistrar, services_.fontsFolder);
    console_ = new ControlForm(
        app_, &hooks_, [this](Command command) { Run(command, CommandOrigin::Console); },
        [this] { return icon_ && icon_->TrayIconShown(); });
    connect(console_, &ControlForm::Closing, this, &Shell::OnConsoleClosing);
    connect(console_, &ControlForm::OpenTextEffect, this,
            [this] { Open(ShellWindow::TextEffectForm, CommandOrigin::Console); });
    console_->setAttribute(Qt::WA_DeleteOnClose);
    // A test opened just before waits for its word: the console opens behind it and leaves it
    // the keyboard.
    QWidget* test = Window(ShellWindow::MustRememberForm);
    const bool testWaiting = test && test->isVisible();
    console_->setAttribute(Qt::WA_ShowWithoutActivating, testWaiting);
    console_->setVisible(true);
    console_->show();
    console_->setAttribute(Qt::WA_ShowWithoutActivating, false);
    if (testWaiting)
        test->activateWindow();
    else
        console_->activateWindow();
}

void Shell::CloseSplash() {
    if (welcome_)
        welcome_->close();
}

void Shell::UnhookConsole() {
    if (console_)
        console_->Skin().Unload();
}

void Shell::SafeUnload(ShellWindow window) {
    QWidget* open = Window(window);
    // The program is ending: the test no longer waits for its word.
    if (auto* test = qobject_cast<MustRememberForm*>(open))
        test->Release();
    else if (open)
        open->close();
}

void Shell::UnloadOtherWindows() {
    // The windows the shutdown does not name (the credit screen among them) go with the named
    // ones rather than outliving the console.
    for (auto& [id, window] : windows_)
        if (window)
            window->close();
}

void Shell::CloseIconForm() {
    if (icon_) {
        icon_->CloseForm();
        icon_->deleteLater();
    }
}

void Shell::ReleaseLookupLists() {
    // Closing the lookup window has released its lists; a window whose deletion is still
    // pending goes now.
    delete Window(ShellWindow::FindWordForm);
}

void Shell::OnConsoleClosing() {
    if (finished_)
        return;
    finished_ = true;
    RunShutdown(app_, *this);
    emit Finished(0);
}

void Shell::Terminate() {
    if (finished_)
        return;
    // A window shown modally (a message box, the about box, the tip at start-up) runs an event
    // loop of its own inside the handler that opened it, and releasing windows under that
    // handler would pull them away from it. Such windows are closed first, as their users
    // would close them, and the shutdown runs once the program is back in its main loop.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal || QThread::currentThread()->loopLevel() > 1) {
        if (modal) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            if (!modal->close() && dialog)
                dialog->reject();
        }
        QTimer::singleShot(ModalCloseRetryMs, this, &Shell::Terminate);
        return;
    }
    if (console_) {
        console_->close();
        return;
    }
    if (icon_) {
        // Start-up has loaded the owner window but not opened the console yet: what is loaded
        // is saved as at any shutdown.
        finished_ = true;
        RunShutdown(app_, *this);
        emit Finished(0);
        return;
    }
    finished_ = true;
    emit Finished(0);
}

void Shell::ShowConsoleNormal() {
    if (console_)
        console_->ShowNormal();
}

void Shell::OpenHomePage() {
    if (services_.urlOpener)
        OpenInBrowser(app_, HomePageAddress.toString(), *services_.urlOpener);
}

void Shell::Help() {
    Open(ShellWindow::HelpForm, CommandOrigin::Menu);
}

bool Shell::RunWordWindowCommand(Command command, CommandOrigin origin) {
    RememberForm* form = WordWindow();
    QAction* item = icon_ ? icon_->Item(command) : nullptr;
    if (const int slot = ProgressSlotOf(command); slot >= 0) {
        if (command == Command::LoadProgress0 || command == Command::LoadProgress1 ||
            command == Command::LoadProgress2) {
            LoadProgressSlot(app_, slot);
        } else if (icon_) {
            // Both slot items show what the slot now holds.
            const QString caption = SaveProgressSlot(app_, slot);
            for (const Command slotItem :
                 {Command::SaveProgress0, Command::SaveProgress1, Command::SaveProgress2,
                  Command::LoadProgress0, Command::LoadProgress1, Command::LoadProgress2})
                if (ProgressSlotOf(slotItem) == slot)
                    icon_->Item(slotItem)->setText(caption);
        }
        return true;
    }
    switch (command) {
    case Command::OpenRememberForm:
        if (icon_)
            Open(ShellWindow::RememberForm, origin);
        break;
    case Command::PlayPause:
        // A chosen menu item has flipped its own check mark; the play command inverts it.
        if (item && origin == CommandOrigin::Menu)
            item->setChecked(!item->isChecked());
        if (form)
            form->StartPlay();
        break;
    case Command::ReadAgain:
        if (form)
            form->ReadAgain();
        break;
    case Command::PreviousWord:
        if (form)
            form->PreWord();
        break;
    case Command::NextWord:
        if (form)
            form->NextWord();
        break;
    case Command::PreviousGroup:
        if (form)
            form->PreviousGroup();
        break;
    case Command::NextGroup:
        if (form)
            form->NextGroup();
        break;
    case Command::LoadLastProgress:
        LoadLastProgress(app_);
        break;
    case Command::AddToMyDict:
        if (form)
            form->AddToMyDict();
        break;
    case Command::DeleteFromMyDict:
        if (form)
            form->DeleteFromMyDict();
        break;
    case Command::FullScreen: {
        // A chosen menu item has flipped its own check mark to the new state; otherwise the
        // command toggles the window's mode.
        const bool on = item && origin == CommandOrigin::Menu ? item->isChecked()
                        : form                                ? !form->IsFullScreenMode()
                                                              : false;
        if (form)
            form->SetFullScreen(on);
        else
            WriteSetting(app_, QStringLiteral("RememberSetting"), QStringLiteral("FullScreen"),
                         on ? QStringLiteral("1") : QStringLiteral("0"));
        break;
    }
    case Command::RememberSettings:
        if (form)
            Open(ShellWindow::RememberSettingForm, origin);
        break;
    case Command::CloseRememberForm:
        if (form)
            form->close();
        break;
    default:
        return false;
    }
    return true;
}

void Shell::Run(Command command, CommandOrigin origin) {
    if (RunWordWindowCommand(command, origin))
        return;
    switch (command) {
    case Command::ShowConsole:
        ShowConsoleNormal();
        break;
    case Command::TipOfDay:
        Open(ShellWindow::TipOnDayForm, origin);
        break;
    case Command::Help:
        Help();
        break;
    case Command::About:
        Open(ShellWindow::AboutForm, origin);
        break;
    case Command::FindWord:
        Open(ShellWindow::FindWordForm, origin);
        break;
    case Command::HomePage:
        OpenHomePage();
        break;
    case Command::Exit:
        if (console_)
            console_->close();
        break;
    case Command::Speak:
        if (QAction* item = icon_ ? icon_->Item(command) : nullptr) {
            StoreSpeakSetting(app_, item->isChecked());
            if (!item->isChecked())
                StopSpeaking(app_.speech);
        }
        break;
    case Command::OrderForward:
    case Command::OrderReverse:
    case Command::OrderRandom: {
        const int chosen = DirectionOf(command);
        ChooseDirection(app_, chosen);
        if (icon_)
            for (const Command order :
                 {Command::OrderForward, Command::OrderReverse, Command::OrderRandom})
                if (order != command)
                    icon_->Item(order)->setChecked(false);
        break;
    }
    case Command::MustRememberSettings:
        Open(ShellWindow::MustRememberSettingForm, origin);
        break;
    case Command::RemindSettings:
        if (!app_.dialogShowing)
            Open(ShellWindow::RemindSetingForm, origin);
        break;
    case Command::GeneralSettings:
        Open(ShellWindow::SettingForm, origin);
        break;
    default:
        break;
    }
}

} // namespace lexarion
