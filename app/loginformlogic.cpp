#include "app/loginformlogic.h"

#include "core/appstate.h"
#include "core/settings.h"
#include "platform/privateprofile.h"
#include "platform/textcodec.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>

namespace lexarion {

QString LastUserName(const AppState& app) {
    const std::optional<QString> stored = GetPrivateProfileValue(
        QStringLiteral("General"), QStringLiteral("LastUser"), GlobalSettingsFile(app));
    if (!stored)
        return QStringLiteral("Default");
    QString name = *stored;
    while (!name.isEmpty() && name.back() == u' ')
        name.chop(1);
    name = TrimAtNull(name);
    return name.isEmpty() ? QStringLiteral("default") : name;
}

bool IsValidUserName(const QString& name) {
    const QByteArray bytes = EncodeAnsi(name);
    for (const char c : bytes) {
        const bool valid =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!valid)
            return false;
    }
    return true;
}

QString UserFolderPath(const AppState& app, const QString& name) {
    return ResolveCaseInsensitive(ProgramFilePath(app, QStringLiteral("users")), name);
}

LoginResult LogInUser(AppState& app, const QString& name) {
    if (name.isEmpty() || !IsValidUserName(name))
        return LoginResult::InvalidName;
    const QString users = ProgramFilePath(app, QStringLiteral("users"));
    // A name the file system cannot hold would leave the user without a folder, and the
    // start-up could then load nothing of the user's.
    const QString existing = QFileInfo(users).isDir() ? users : app.ProgramFolder();
    if (QFile::encodeName(name).size() > MaxFileNameLength(existing))
        return LoginResult::InvalidName;
    if (!QFileInfo(users).isDir())
        QDir().mkdir(users);
    // Another spelling of an existing name is the same user, as on a case-blind file system.
    const QString folder = UserFolderPath(app, name);
    if (!QFileInfo::exists(folder))
        QDir().mkdir(folder);
    // Without the folder nothing of the user's could be read or kept.
    if (!QFileInfo(folder).isDir())
        return LoginResult::NoUserFolder;
    app.currentUser = name;
    return LoginResult::LoggedIn;
}

} // namespace lexarion
