// Kills a process that keeps saving the program's files with SIGKILL at random moments, many
// times over; after every kill each saved file must be whole, either the old or the new version,
// and every other file of the program folder untouched. The only thing a kill may leave is the
// new file of a save cut off in the moment between naming it and renaming it, and the next save
// takes that over.

#include "platform/textfile.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <random>

namespace {

const QStringList SavedFiles = {"config.ini", "users/Alice/config.ini", "users/Alice/MyDict.wsl",
                                "users/Alice/remind.txt"};

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file below `folder` with the digest of its contents, by relative path; folders too.
QMap<QString, QByteArray> Snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(folder.size() + 1);
        files[relative] = it.fileInfo().isDir()
                              ? QByteArray("<folder>")
                              : QCryptographicHash::hash(ReadAll(path), QCryptographicHash::Sha256);
    }
    return files;
}

bool RunDriver(const QStringList& args) {
    QProcess driver;
    driver.start(QStringLiteral(LEXARION_SAVECRASH_DRIVER), args);
    return driver.waitForFinished(30000) && driver.exitStatus() == QProcess::NormalExit &&
           driver.exitCode() == 0;
}

TEST(SaveCrashTest, EverySavedFileIsOldOrNewAfterSigkill) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString folder = scratch.filePath("Lexarion");
    const QString versions[2] = {scratch.filePath("v0"), scratch.filePath("v1")};
    ASSERT_TRUE(RunDriver({"version", versions[0], "0"}));
    ASSERT_TRUE(RunDriver({"version", versions[1], "1"}));
    ASSERT_TRUE(RunDriver({"prepare", folder}));

    QMap<QString, QByteArray> known[2];
    for (const QString& name : SavedFiles) {
        for (int v = 0; v < 2; ++v) {
            known[v][name] = ReadAll(versions[v] + u'/' + name);
            ASSERT_FALSE(known[v][name].isEmpty()) << name.toStdString();
        }
        ASSERT_NE(known[0][name], known[1][name]) << name.toStdString();
        ASSERT_EQ(ReadAll(folder + u'/' + name), known[0][name]) << name.toStdString();
    }
    // Everything but the saved files stays as it is, and no stray file appears.
    QMap<QString, QByteArray> others = Snapshot(folder);
    for (const QString& name : SavedFiles)
        others.remove(name);

    std::random_device seedSource;
    const unsigned seed = seedSource();
    std::mt19937 random(seed);
    SCOPED_TRACE("seed " + std::to_string(seed));

    // One round of saves takes some tens of milliseconds; the kills land anywhere in the first
    // few rounds.
    std::uniform_int_distribution<int> delayUs(0, 60000);
    constexpr int Kills = 200;
    int seen[2] = {0, 0};
    int changed = 0;
    int leftovers = 0;
    QElapsedTimer clock;
    clock.start();
    for (int kill = 0; kill < Kills; ++kill) {
        QProcess driver;
        driver.start(QStringLiteral(LEXARION_SAVECRASH_DRIVER), {"loop", folder});
        ASSERT_TRUE(driver.waitForReadyRead(10000)) << "the driver did not start";
        QThread::usleep(delayUs(random));
        driver.kill(); // SIGKILL
        ASSERT_TRUE(driver.waitForFinished(10000));
        ASSERT_EQ(driver.exitStatus(), QProcess::CrashExit) << "the driver ended by itself";

        QMap<QString, QByteArray> after = Snapshot(folder);
        for (const QString& name : SavedFiles) {
            const QByteArray bytes = ReadAll(folder + u'/' + name);
            const int version = bytes == known[0][name] ? 0 : bytes == known[1][name] ? 1 : -1;
            ASSERT_NE(version, -1) << "kill " << kill << ": " << name.toStdString()
                                   << " is neither version (" << bytes.size() << " bytes)";
            ++seen[version];
            after.remove(name);
            if (after.remove(lexarion::SaveTempPath(name).remove(QRegularExpression("^\\./"))))
                ++leftovers;
        }
        if (ReadAll(folder + "/users/Alice/MyDict.wsl") != known[0]["users/Alice/MyDict.wsl"])
            ++changed;
        ASSERT_EQ(after.keys(), others.keys())
            << "kill " << kill << ": a file appeared or vanished: "
            << QStringList(after.keys()).join(u' ').toStdString();
        ASSERT_EQ(after, others) << "kill " << kill << ": another file changed";
    }
    // The kills did land during saves, not only before the first one.
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(changed, 0);
    std::printf("%d kills in %lld ms; saved files found in version 0 %d, in version 1 %d times; "
                "%d new files left by a kill\n",
                Kills, static_cast<long long>(clock.elapsed()), seen[0], seen[1], leftovers);

    // One whole save afterwards leaves the folder exactly as it was made.
    ASSERT_TRUE(RunDriver({"once", folder}));
    QMap<QString, QByteArray> after = Snapshot(folder);
    for (const QString& name : SavedFiles) {
        EXPECT_EQ(ReadAll(folder + u'/' + name), known[0][name]) << name.toStdString();
        after.remove(name);
    }
    EXPECT_EQ(after, others);
}

} // namespace
