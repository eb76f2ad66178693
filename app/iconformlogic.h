#pragma once

// The owner window's menus as data, the tray events they answer and the refresh of the
// memorization menu, without the window.

#include "core/appstate.h"
#include "core/command.h"
#include "platform/traymessages.h"

#include <QList>
#include <QString>
#include <array>

namespace lexarion {

// One menu item: its name in code, its caption ("-" for a separator), the command it gives and
// its submenu.
struct TrayMenuItem {
    QString name;
    QString caption;
    Command command = Command::None;
    QList<TrayMenuItem> children;
};

// The tray menu "主菜单" and the memorization menu "主菜单2", item by item.
const QList<TrayMenuItem>& MainMenuItems();
const QList<TrayMenuItem>& RememberFormMainMenuItems();

enum class TrayAction { Ignore, ShowConsole, PopUpMainMenu };

// What a tray notification does: nothing unless the icon is shown, the tray menu enabled and
// no program window holds the screen; a double click brings back a console that is not
// visible; a right-button release opens the tray menu.
TrayAction TrayEventAction(int message, bool trayIconShown, bool mainMenuEnabled,
                           bool dialogShowing, bool consoleVisible);

// The state of the memorization menu as the refresh computes it from the settings and the
// loaded list. Reading it writes "Direction" back when it is 0, 1 or 2.
struct RememberMenuState {
    std::array<bool, 3> directionChecked{};
    bool speakChecked = false;
    bool preGroupEnabled = false;
    bool nextGroupEnabled = false;
    std::array<QString, 3> progressSlotCaptions; // both slot submenus show the same captions
    bool fullScreenChecked = false;
    bool addToMyDictEnabled = false;
    bool deleteFromMyDictEnabled = false;
};
RememberMenuState ReadRememberMenuState(const AppState& app);

// Choosing an order: "Direction" becomes `index`; the check mark follows at the next refresh.
void ChooseDirection(const AppState& app, int index);
// Toggling speaking: "EnableSpeak" becomes "1" or "0" as `nowChecked`.
void StoreSpeakSetting(const AppState& app, bool nowChecked);

} // namespace lexarion
