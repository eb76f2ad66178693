#include "platform/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lexarion {
namespace {

TEST(ProgramFolder, IsTheFolderStartedFromWithItsLinksKept) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString installed = root.filePath("opt/lexarion");
    const QString user = root.filePath("home/alice/.local/share/lexarion");
    ASSERT_TRUE(QDir().mkpath(installed) && QDir().mkpath(user));
    QFile program(installed + "/lexarion");
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.close();
    ASSERT_TRUE(QFile::link(installed + "/lexarion", user + "/lexarion"));
    // A whole folder reached through a link stays the linked path too.
    ASSERT_TRUE(QFile::link(user, root.filePath("stick")));

    const struct {
        QString invokedAs;
        QString expected;
    } cases[] = {
        {installed + "/lexarion", installed},
        {user + "/lexarion", user},
        {root.filePath("stick/lexarion"), root.filePath("stick")},
        {user + "/../lexarion/./lexarion", user},
        {"lexarion", "/the/executable/folder"}, // found through the search path
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramFolderFor(c.invokedAs, "/the/executable/folder"), c.expected)
            << c.invokedAs.toStdString();

    // A relative start is taken from the working folder.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(user));
    EXPECT_EQ(ProgramFolderFor("./lexarion", "/x"), user);
    QDir::setCurrent(before);
}

} // namespace
} // namespace lexarion
