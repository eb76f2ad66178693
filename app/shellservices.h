#pragma once

// Help, the home page and the phonetic font.

#include <QString>

namespace lexarion {

class AppState;
class FontRegistrar;
class UrlOpener;

inline constexpr QStringView BrowserErrorMessage = u"打开浏览器时遇到错误。";
inline constexpr QStringView PhoneticFontFile = u"Ksphonet.ttf";
inline constexpr QStringView PhoneticFontFace = u"Kingsoft Phonetic Plain";

// Opens `address`; when no handler takes it, says so in a message box (with `dialogShowing`
// set meanwhile and then restored).
void OpenInBrowser(AppState& app, const QString& address, UrlOpener& opener);

// The folder fonts are installed to: the user's font folder.
QString GetFontsFolder();

// Copies Ksphonet.ttf of the program folder into the fonts folder unless one is there already,
// then registers the installed copy with the running program. Stops silently at the first
// failure. False when the font is not available afterwards.
bool InstallPhoneticFont(const AppState& app, FontRegistrar& registrar, const QString& fontsFolder);

} // namespace lexarion
