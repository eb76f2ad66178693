#pragma once

// Handing the active skin to a form and every skinned control on it. Called by each skinned
// form when it loads, right after HookWindow, and by the general settings dialog for the
// console after a new skin is chosen.

#include <QString>

class QWidget;

namespace lexarion {

class AppState;

// Applies the skin named by the user's "SkinFolder" setting (see ActiveSkinFolderPath).
void ApplySkin(QWidget* form, const AppState& app);

// Applies the skin of `folderPath` (ending with "/"):
// 1. the form's background colour = [Window] "BackColor", its text colour = [Window]
//    "ForeColor";
// 2. the form's controls in the form's order: a window frame takes the form's two colours and
//    then LoadSkin; every other skinned control LoadSkin; a plain label with an empty tag takes
//    the form's text colour, one with a tag keeps its own; anything else is left alone.
// A folder without the skin, without "config.ini" or without some key gives the readers'
// defaults; nothing is reported.
void ApplySkinFolder(QWidget* form, const QString& folderPath);

} // namespace lexarion
