#include "app/ui/iconform.h"

#include "core/appstate.h"
#include "memorize/mustremember.h"
#include "memorize/speech.h"
#include "platform/speechengine.h"
#include "platform/trayicon.h"
#include "skin/ui/xpmenu.h"

#include <QAction>
#include <QIcon>
#include <QMenu>

namespace lexarion {

IconForm::IconForm(AppState& app, std::unique_ptr<TrayIcon> tray,
                   std::unique_ptr<SpeechEngine> speech, std::function<void(Command)> command,
                   std::function<bool()> consoleVisible, QWidget* parent)
    : QWidget(parent), app_(app), tray_(std::move(tray)), speech_(std::move(speech)),
      command_(std::move(command)), consoleVisible_(std::move(consoleVisible)) {
    setObjectName(QStringLiteral("IconForm"));
    RememberFormSpeakingStarted = false;
    mainMenu_ = BuildMenu(this, QStringLiteral("主菜单"), MainMenuItems());
    rememberMenu_ = BuildMenu(this, QStringLiteral("主菜单2"), RememberFormMainMenuItems());
    if (tray_)
        trayIconShown_ = tray_->Add(
            windowIcon(), QStringLiteral("Lexarion"),
            [this](int message, QPoint position) { TrayNotification(message, position); });
    Item(Command::PlayPause)->setChecked(false);
    InstallXPMenu(this);
    mustRememberMinutes = 1;
    if (speech_) {
        ApplySpeechSettings(app_, *speech_);
        app_.speech = speech_.get();
        connect(speech_.get(), &SpeechEngine::SpeakingStarted, this, &IconForm::SpeechStartHandler);
        connect(speech_.get(), &SpeechEngine::SpeakingFinished, this, &IconForm::SpeechEndHandler);
    }

    // The reminder check belongs to its window; while a program window is open it must stay
    // quiet in any case.
    timer1_.setInterval(60000);
    connect(&timer1_, &QTimer::timeout, this, [this] {
        if (MustRememberMinuteTick(app_, mustRememberMinutes))
            emit MustRememberDue();
    });
    timer2_.setInterval(10000);
    connect(&timer2_, &QTimer::timeout, this, [this] {
        if (app_.dialogShowing)
            return;
    });
    timer1_.start();
    timer2_.start();
}

IconForm::~IconForm() {
    CloseForm();
}

QMenu* IconForm::BuildMenu(QWidget* parent, const QString& title,
                           const QList<TrayMenuItem>& items) {
    // A submenu belongs to the menu that holds it, so the window's own menus are the two
    // pop-up menus and everything else is found below them.
    auto* menu = new QMenu(title, parent);
    // The pop-up window carries the caption, so it can be told apart from the tray icon.
    menu->setWindowTitle(title);
    for (const TrayMenuItem& item : items) {
        QAction* action = nullptr;
        if (item.caption == u"-") {
            action = menu->addSeparator();
        } else if (!item.children.isEmpty()) {
            QMenu* sub = BuildMenu(menu, item.caption, item.children);
            action = menu->addMenu(sub);
        } else {
            action = menu->addAction(item.caption);
            const Command command = item.command;
            connect(action, &QAction::triggered, this, [this, command] {
                if (command_)
                    command_(command);
            });
            // Both menus give Help, About and HomePage; the first item found for a command is
            // the one the window refreshes.
            if (!commandItems_.contains(command))
                commandItems_.insert(command, action);
        }
        action->setObjectName(item.name);
        items_.insert(item.name, action);
    }
    for (const Command checkable :
         {Command::PlayPause, Command::Speak, Command::FullScreen, Command::OrderForward,
          Command::OrderReverse, Command::OrderRandom})
        if (QAction* action = commandItems_.value(checkable))
            action->setCheckable(true);
    return menu;
}

void IconForm::TrayNotification(int message, QPoint globalPosition) {
    const bool visible = consoleVisible_ && consoleVisible_();
    switch (TrayEventAction(message, trayIconShown_, mainMenu_->isEnabled(), app_.dialogShowing,
                            visible)) {
    case TrayAction::Ignore:
        break;
    case TrayAction::ShowConsole:
        if (command_)
            command_(Command::ShowConsole);
        break;
    case TrayAction::PopUpMainMenu:
        RefreshMainMenu();
        mainMenu_->popup(globalPosition);
        break;
    }
}

void IconForm::RefreshMainMenu() {
    Item(Command::ShowConsole)->setEnabled(!(consoleVisible_ && consoleVisible_()));
    ReinstallMenus();
}

void IconForm::ReinstallMenus() {
    // The drawn items show the captions and states they had when they were installed.
    UninstallXPMenu(this);
    InstallXPMenu(this);
}

void IconForm::RememberFormCheckMainMenu() {
    const RememberMenuState state = ReadRememberMenuState(app_);
    for (const Command order : {Command::OrderForward, Command::OrderReverse, Command::OrderRandom})
        Item(order)->setChecked(state.directionChecked[size_t(DirectionOf(order))]);
    Item(Command::Speak)->setChecked(state.speakChecked);
    Item(Command::PreviousGroup)->setEnabled(state.preGroupEnabled);
    Item(Command::NextGroup)->setEnabled(state.nextGroupEnabled);
    for (const Command slot :
         {Command::LoadProgress0, Command::LoadProgress1, Command::LoadProgress2,
          Command::SaveProgress0, Command::SaveProgress1, Command::SaveProgress2})
        Item(slot)->setText(state.progressSlotCaptions[size_t(ProgressSlotOf(slot))]);
    Item(Command::FullScreen)->setChecked(state.fullScreenChecked);
    Item(Command::AddToMyDict)->setEnabled(state.addToMyDictEnabled);
    Item(Command::DeleteFromMyDict)->setEnabled(state.deleteFromMyDictEnabled);
    ReinstallMenus();
}

bool IconForm::IsPlayChecked() const {
    return Item(Command::PlayPause)->isChecked();
}

void IconForm::SetPlayChecked(bool checked) {
    Item(Command::PlayPause)->setChecked(checked);
}

void IconForm::ShowMemorizationMenu(QPoint globalPosition) {
    RememberFormCheckMainMenu();
    rememberMenu_->popup(globalPosition);
}

void IconForm::ResetSpeakingStarted() {
    RememberFormSpeakingStarted = false;
}

void IconForm::SpeechStartHandler() {
    lexarion::SpeechStartHandler(RememberFormSpeakingStarted,
                                 rememberForm_ ? &rememberForm_->Playback() : nullptr);
}

void IconForm::SpeechEndHandler() {
    lexarion::SpeechEndHandler(RememberFormSpeakingStarted,
                               rememberForm_ ? &rememberForm_->Playback() : nullptr);
}

void IconForm::CloseForm() {
    if (app_.speech == speech_.get())
        app_.speech = nullptr;
    StopSpeaking(speech_.get());
    UninstallXPMenu(this);
    timer1_.stop();
    timer2_.stop();
    if (trayIconShown_ && tray_) {
        tray_->Remove();
        trayIconShown_ = false;
    }
}

} // namespace lexarion
