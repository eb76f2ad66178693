#pragma once

// The program's flat menus: every item of a window's menu tree drawn and measured by the
// program itself (a grey strip down the left, a blue-grey highlight, hand-drawn check marks,
// thin separators, grey text for disabled items), whatever the skin. The menus stay ordinary
// QMenus and QMenuBars, so they keep working with the keyboard and either mouse button.
//
// A window's menu tree is its menu bar (items at depth 0, their sub-items at depth 1 and so
// on) and the menus made directly on the window, such as the pop-up menus of the tray icon,
// whose items are at depth 1.

#include "skin/xpmenulayout.h"

class QAction;
class QWidget;

namespace lexarion {

// The window property that marks an installed window.
inline constexpr char XPMenuWndProp[] = "XPMenuWndProp";

// Draws every item of the menu tree of `form` this way and registers it. False, changing
// nothing, when the window is installed already.
bool InstallXPMenu(QWidget* form);
// Forgets the window's items and gives its menus their own drawing back. Called before
// installing again after captions, checks or enabled states changed, and when the window
// closes.
void UninstallXPMenu(QWidget* form);
bool IsXPMenuInstalled(const QWidget* form);

// The items registered across all windows.
const XPMenuList& RegisteredMenuItems();
// The identifier under which an item is registered (given on first registration).
qint32 MenuIdOf(QAction* action);

} // namespace lexarion
