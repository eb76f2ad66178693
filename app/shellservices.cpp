#include "app/shellservices.h"

#include "core/appstate.h"
#include "core/settings.h"
#include "platform/fontinstall.h"
#include "platform/urlopener.h"

#include <QUrl>

namespace lexarion {

void OpenInBrowser(AppState& app, const QString& address, UrlOpener& opener) {
    if (!opener.Open(address))
        ShowProgramMessage(app, BrowserErrorMessage.toString(), QStringLiteral("错误"),
                           MessageIcon::Error);
}

QString GetFontsFolder() {
    return UserFontFolder();
}

bool InstallPhoneticFont(const AppState& app, FontRegistrar& registrar,
                         const QString& fontsFolder) {
    const QString source = ProgramFilePath(app, PhoneticFontFile.toString());
    if (!CopyFontIfAbsent(source, fontsFolder, PhoneticFontFile.toString()))
        return false;
    return registrar.Register(fontsFolder + u'/' + PhoneticFontFile.toString());
}

} // namespace lexarion
