#pragma once

// A program folder of its own for one test: a temporary directory with users/ and Dicts/, and
// helpers to put files into it byte for byte.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <ostream>

// Readable test failure output for Qt strings.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace lexarion::testing {

class TempProgramFolder {
public:
    TempProgramFolder();

    const QString& Path() const { return path_; }
    // Full path of `relative` below the folder.
    QString File(const QString& relative) const;
    // Writes `bytes` to `relative`, creating the folders on the way.
    void Write(const QString& relative, const QByteArray& bytes) const;
    // The bytes of `relative`, empty when missing.
    QByteArray Read(const QString& relative) const;
    bool Exists(const QString& relative) const;
    void MakeFolder(const QString& relative) const;
    // Copies the skins "WindowsXP" and "Jade" (their pictures and parameter files) from the
    // source folder `skinsSource` into Skins/.
    void CopySkins(const QString& skinsSource) const;

private:
    QTemporaryDir dir_;
    QString path_;
};

// GB18030 bytes of `text` given in UTF-8 source form.
QByteArray Gb(const char* utf8);

} // namespace lexarion::testing
