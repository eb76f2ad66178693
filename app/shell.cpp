#include "app/shell.h"

#include "app/aboutform.h"
#include "app/controlform.h"
#include "app/iconform.h"
#include "app/loginform.h"
#include "app/publisher.h"
#include "app/shellservices.h"
#include "app/skinnedwindow.h"
#include "app/texteffectform.h"
#include "app/tipondayform.h"
#include "app/traymenu.h"
#include "app/welcomeform.h"
#include "core/appstate.h"
#include "core/dialogguard.h"
#include "core/settings.h"
#include "memorize/speech.h"
#include "platform/speechengine.h"
#include "platform/trayicon.h"

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
}

Shell::~Shell() {
    if (app_.Presenter() == &presenter_)
        app_.SetMessagePresenter(nullptr);
    delete icon_;
    delete textEffect_; // a window of its own, owned by nobody
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
TipOnDayForm* Shell::Tip() const {
    return tip_;
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
        [this](const QString& name) { MenuCommand(name); },
        [this] { return console_ && console_->isVisible() && !console_->isMinimized(); });
}

void Shell::ShowTipOfDayModal() {
    auto* tip = new TipOnDayForm(app_, &hooks_, welcome_);
    tip_ = tip;
    tip->exec();
}

void Shell::ShowMustRemember() {
    // The must-remember test window is not part of the shell; it is connected here once it exists.
}

void Shell::ShowConsole() {
    if (services_.fontRegistrar)
        InstallPhoneticFont(app_, *services_.fontRegistrar, services_.fontsFolder);
    console_ = new ControlForm(
        app_, &hooks_, [this](int index) { ButtonCommand(index); },
        [this] { return icon_ && icon_->TrayIconShown(); });
    connect(console_, &ControlForm::Closing, this, &Shell::OnConsoleClosing);
    connect(console_, &ControlForm::OpenTextEffect, this, &Shell::OpenTextEffect);
    console_->setAttribute(Qt::WA_DeleteOnClose);
    console_->setVisible(true);
    console_->show();
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
    switch (window) {
    case ShellWindow::TipOnDayForm:
        if (tip_)
            tip_->close();
        // The credit screen is not among the windows the shutdown names; it goes with the last
        // of them rather than outliving the console.
        if (textEffect_)
            textEffect_->close();
        break;
    case ShellWindow::RememberSettingForm:
    case ShellWindow::RememberForm:
    case ShellWindow::MustRememberForm:
    case ShellWindow::FindWordForm:
        // These windows are opened by later parts of the program, which close them here.
        break;
    }
}

void Shell::CloseIconForm() {
    if (icon_) {
        icon_->CloseForm();
        icon_->deleteLater();
    }
}

void Shell::ReleaseLookupLists() {}

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

void Shell::OpenTip(QWidget* owner) {
    RunGuarded(app_, [&] {
        if (tip_) {
            tip_->raise();
            tip_->activateWindow();
            return;
        }
        tip_ = new TipOnDayForm(app_, &hooks_, owner);
        tip_->show();
    });
}

void Shell::OpenAbout() {
    RunGuarded(app_, [&] {
        AboutForm about(app_, &hooks_, console_);
        about.setAttribute(Qt::WA_DeleteOnClose, false);
        about.exec();
    });
}

void Shell::OpenTextEffect() {
    RunGuarded(app_, [&] {
        // An open credit screen is brought to the front; its effect runs once per opening.
        if (!textEffect_)
            textEffect_ = new TextEffectForm(console_);
        textEffect_->show();
        textEffect_->raise();
        textEffect_->activateWindow();
    });
}

void Shell::OpenHomePage() {
    if (services_.urlOpener)
        OpenInBrowser(app_, HomePageAddress.toString(), *services_.urlOpener);
}

void Shell::Help() {
    if (services_.urlOpener)
        ShowHelp(app_, *services_.urlOpener);
}

void Shell::MenuCommand(const QString& name) {
    if (name == u"ControlMenu") {
        ShowConsoleNormal();
    } else if (name == u"TipsMenu") {
        OpenTip(console_);
    } else if (name == u"HelpMenu" || name == u"RememberFormHelpMenu") {
        Help();
    } else if (name == u"AboutMenu" || name == u"RememberFormAboutMenu") {
        OpenAbout();
    } else if (name == u"GoSoftWebSiteMenu" || name == u"RememberFormGoSoftWebSiteMenu") {
        OpenHomePage();
    } else if (name == u"ExitMenu") {
        if (console_)
            console_->close();
    } else if (name == u"RememberFormSpeakMenu") {
        if (QAction* item = icon_ ? icon_->Item(name) : nullptr) {
            StoreSpeakSetting(app_, item->isChecked());
            if (!item->isChecked())
                StopSpeaking(app_.speech);
        }
    } else if (name.startsWith(u"RememberFormDirectionSubMenu")) {
        const int chosen = name.back().digitValue();
        ChooseDirection(app_, chosen);
        for (int i = 0; i < 3; ++i)
            if (i != chosen)
                icon_->Item(QStringLiteral("RememberFormDirectionSubMenu%1").arg(i))
                    ->setChecked(false);
    } else if (name == u"MustRemeberSettingMenu" || name == u"RemindMenu" ||
               name == u"GeneralSettingMenu") {
        // Guarded like every settings window; the windows themselves come with their parts.
        RunGuarded(app_, [] {});
    }
    // The word window's commands, "单词记忆" and "单词速查" are connected by the parts that
    // bring those windows.
}

void Shell::ButtonCommand(int index) {
    switch (index) {
    case 3:
        OpenTip(icon_);
        break;
    case 6:
        Help();
        break;
    case 7:
        OpenAbout();
        break;
    case 8:
        OpenHomePage();
        break;
    case 9:
        if (console_)
            console_->close();
        break;
    default:
        // 0 to 2, 4 and 5 open the word window, the must-remember settings, the lookup, the
        // reminder editor and the general settings, connected by the parts that bring them.
        break;
    }
}

} // namespace lexarion
