#include "dictbuild/tipfiles.h"

#include "platform/textcodec.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace lexarion::dictbuild {

bool InstallTipFiles(const QStringList& sources, const QString& folder, QString* error) {
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("cannot create the folder %1").arg(folder));
    const QDir target(folder);
    QSet<QString> names;
    for (const QString& source : sources) {
        const std::optional<QByteArray> bytes = ReadFileBytes(source);
        if (!bytes)
            return fail(QStringLiteral("cannot read %1").arg(source));
        if (!IsValidUtf8(*bytes))
            return fail(QStringLiteral("%1 is not UTF-8").arg(source));
        QStringList lines = DecodeText(*bytes, DetectEncoding(*bytes)).split(u'\n');
        for (QString& line : lines) {
            if (line.endsWith(u'\r'))
                line.chop(1);
        }
        while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
            lines.removeLast();
        if (lines.isEmpty())
            return fail(QStringLiteral("%1 is empty").arg(source));
        if (lines.size() > MaxTipLines) {
            return fail(QStringLiteral("%1 has %2 lines; a tip fits the tip window in %3")
                            .arg(source)
                            .arg(lines.size())
                            .arg(MaxTipLines));
        }
        const QString name = QFileInfo(source).fileName();
        if (!WriteFileAtomically(target.filePath(name), EncodeLines(lines, TextEncoding::Gb18030)))
            return fail(QStringLiteral("cannot write %1").arg(target.filePath(name)));
        names.insert(name);
    }
    for (const QString& name : target.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!names.contains(name) && !QFile::remove(target.filePath(name)))
            return fail(QStringLiteral("cannot remove the old tip %1").arg(target.filePath(name)));
    }
    return true;
}

} // namespace lexarion::dictbuild
