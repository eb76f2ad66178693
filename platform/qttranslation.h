#pragma once

// Qt's own texts (message box buttons, the colour, font and file dialogs) in Chinese, whatever
// the desktop's language: both programs are Chinese throughout.

namespace lexarion {

// Installs Qt's Simplified Chinese translation on the running application. False when the
// translation files are not installed; Qt's texts then stay in English.
bool InstallQtChineseTranslation();

} // namespace lexarion
