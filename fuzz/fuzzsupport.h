#pragma once

// What the fuzz targets share: a scratch folder that lives for the whole run, files written into
// it from the input, and a check that aborts with a message, so that libFuzzer records the input.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace lexarion::fuzz {

inline const QString& ScratchFolder() {
    static QTemporaryDir folder;
    static const QString path = folder.path();
    return path;
}

// `relative` below the scratch folder, its folders created, holding exactly `bytes`.
inline QString WriteScratchFile(const QString& relative, const QByteArray& bytes) {
    const QString path = ScratchFolder() + u'/' + relative;
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(bytes);
    return path;
}

inline QByteArray ReadScratchFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::lexarion::fuzz::Fail(#condition);                                                    \
    } while (false)

} // namespace lexarion::fuzz
