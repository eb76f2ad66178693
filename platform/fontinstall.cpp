#include "platform/fontinstall.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lexarion {

QString UserFontFolder() {
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!dataHome.isEmpty() && QDir::isAbsolutePath(dataHome))
        return dataHome + QStringLiteral("/fonts");
    return QDir::homePath() + QStringLiteral("/.local/share/fonts");
}

bool CopyFontIfAbsent(const QString& source, const QString& folder, const QString& fileName) {
    const QString target = folder + u'/' + fileName;
    if (QFileInfo::exists(target))
        return true;
    if (!QFileInfo(source).isFile())
        return false;
    if (!QDir().mkpath(folder))
        return false;
    // Copied under a temporary name first, so an interrupted copy never leaves half a font
    // where the next start would take it for the installed one.
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(source, partial))
        return false;
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        return false;
    }
    return true;
}

} // namespace lexarion
