#include "platform/programfolder.h"

#include <QDir>
#include <QFileInfo>

namespace lexarion {

QString ProgramFolderFor(const QString& invokedAs, const QString& executableFolder) {
    if (!invokedAs.contains(u'/'))
        return executableFolder;
    // Absolute, with the links in the path kept as they are: the link's folder is the one.
    return QDir::cleanPath(QFileInfo(invokedAs).absolutePath());
}

} // namespace lexarion
