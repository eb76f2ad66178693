#include "support/tempprogramfolder.h"

#include "platform/textcodec.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace lexarion::testing {

TempProgramFolder::TempProgramFolder() : path_(dir_.path()) {
    if (!dir_.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    MakeFolder(QStringLiteral("users"));
    MakeFolder(QStringLiteral("Dicts"));
}

QString TempProgramFolder::File(const QString& relative) const {
    return path_ + u'/' + relative;
}

void TempProgramFolder::Write(const QString& relative, const QByteArray& bytes) const {
    const QString path = File(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

QByteArray TempProgramFolder::Read(const QString& relative) const {
    QFile file(File(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TempProgramFolder::Exists(const QString& relative) const {
    return QFileInfo::exists(File(relative));
}

void TempProgramFolder::MakeFolder(const QString& relative) const {
    QDir().mkpath(File(relative));
}

void TempProgramFolder::CopySkins(const QString& skinsSource) const {
    for (const char* skin : {"WindowsXP", "Jade"}) {
        QDirIterator files(skinsSource + u'/' + QLatin1String(skin),
                           {QStringLiteral("*.bmp"), QStringLiteral("config.ini")});
        while (files.hasNext()) {
            const QString path = files.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                throw std::runtime_error("cannot read a skin file");
            Write(QStringLiteral("Skins/") + QLatin1String(skin) + u'/' + files.fileName(),
                  file.readAll());
        }
    }
}

QByteArray Gb(const char* utf8) {
    return EncodeAnsi(QString::fromUtf8(utf8));
}

} // namespace lexarion::testing
