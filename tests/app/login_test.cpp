#include "app/loginformlogic.h"
#include "core/appstate.h"
#include "platform/textfile.h"
#include "support/tempprogramfolder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace lexarion {
namespace {

using testing::Gb;
using testing::TempProgramFolder;

struct NameCase {
    const char* name;
    bool valid;
};

class UserNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(UserNameTest, OnlyAsciiLettersAndDigitsPass) {
    EXPECT_EQ(IsValidUserName(QString::fromUtf8(GetParam().name)), GetParam().valid)
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Names, UserNameTest,
                         ::testing::Values(NameCase{"Ann", true}, NameCase{"bob2024", true},
                                           NameCase{"ZZ09az", true}, NameCase{"", true},
                                           NameCase{"Ann Lee", false}, NameCase{"ann_lee", false},
                                           NameCase{"ann-lee", false}, NameCase{"王芳", false},
                                           NameCase{"Ann王", false}, NameCase{"ａｂｃ", false},
                                           NameCase{"é", false}, NameCase{"a.b", false},
                                           NameCase{"/etc", false}, NameCase{"..", false}));

TEST(LastUserName, MissingFileOrKeyGivesDefaultAndEmptyValueGivesLowerCase) {
    TempProgramFolder folder;
    AppState app(folder.Path());
    EXPECT_EQ(LastUserName(app), u"Default");
    folder.Write("config.ini", "[General]\r\nOther=1\r\n");
    EXPECT_EQ(LastUserName(app), u"Default");
    folder.Write("config.ini", "[General]\r\nLastUser=\r\n");
    EXPECT_EQ(LastUserName(app), u"default");
    folder.Write("config.ini", "[general]\r\nlastuser = Ann  \r\n");
    EXPECT_EQ(LastUserName(app), u"Ann");
    folder.Write("config.ini", Gb("[General]\r\nLastUser=王芳\r\n"));
    EXPECT_EQ(LastUserName(app), QString::fromUtf8("王芳"));
}

TEST(LogInUser, RefusesEmptyAndInvalidNamesWithoutTouchingAnything) {
    TempProgramFolder folder;
    AppState app(folder.Path());
    app.currentUser = QStringLiteral("Default");
    for (const char* name : {"", "Ann Lee", "王芳", "../evil"}) {
        EXPECT_EQ(LogInUser(app, QString::fromUtf8(name)), LoginResult::InvalidName) << name;
        EXPECT_EQ(app.currentUser, u"Default");
    }
    EXPECT_TRUE(QDir(folder.File("users")).isEmpty());
}

TEST(LogInUser, RefusesANameTooLongForAFolderAndTakesTheLongestThatFits) {
    TempProgramFolder folder;
    AppState app(folder.Path());
    app.currentUser = QStringLiteral("Default");
    const qsizetype longest = MaxFileNameLength(folder.File("users"));
    EXPECT_EQ(LogInUser(app, QString(300, u'a')), LoginResult::InvalidName);
    EXPECT_EQ(LogInUser(app, QString(longest + 1, u'b')), LoginResult::InvalidName);
    EXPECT_EQ(app.currentUser, u"Default");
    EXPECT_TRUE(QDir(folder.File("users")).isEmpty());

    ASSERT_EQ(LogInUser(app, QString(longest, u'c')), LoginResult::LoggedIn);
    EXPECT_TRUE(QFileInfo(folder.File("users/" + QString(longest, u'c'))).isDir());
}

TEST(LogInUser, CreatesTheFolderOnceAndKeepsTheSpellingTyped) {
    TempProgramFolder folder;
    AppState app(folder.Path());
    ASSERT_EQ(LogInUser(app, QStringLiteral("Ann")), LoginResult::LoggedIn);
    EXPECT_TRUE(QFileInfo(folder.File("users/Ann")).isDir());
    EXPECT_EQ(app.currentUser, u"Ann");
    folder.Write("users/Ann/config.ini", "[General]\r\nGroup=3\r\n");

    ASSERT_EQ(LogInUser(app, QStringLiteral("ANN")), LoginResult::LoggedIn);
    EXPECT_EQ(app.currentUser, u"ANN");
    EXPECT_FALSE(folder.Exists("users/ANN"));
    EXPECT_EQ(folder.Read("users/Ann/config.ini"), "[General]\r\nGroup=3\r\n");
}

TEST(LogInUser, CreatesUsersWhenItIsMissing) {
    TempProgramFolder folder;
    QDir(folder.File("users")).removeRecursively();
    AppState app(folder.Path());
    ASSERT_EQ(LogInUser(app, QStringLiteral("Bob")), LoginResult::LoggedIn);
    EXPECT_TRUE(QFileInfo(folder.File("users/Bob")).isDir());
}

// Something else where the user's folder belongs: the login refuses and leaves it alone.
TEST(LogInUser, RefusesWhenTheUserFolderCannotBeHad) {
    TempProgramFolder folder;
    AppState app(folder.Path());
    app.currentUser = QStringLiteral("Default");
    folder.Write("users/Fay", "not a folder\r\n");
    EXPECT_EQ(LogInUser(app, QStringLiteral("fay")), LoginResult::NoUserFolder);
    EXPECT_EQ(UserFolderPath(app, QStringLiteral("fay")), folder.File("users/Fay"));
    EXPECT_EQ(folder.Read("users/Fay"), "not a folder\r\n");
    EXPECT_EQ(app.currentUser, u"Default");

    QDir(folder.File("users")).removeRecursively();
    folder.Write("users", "a file");
    EXPECT_EQ(LogInUser(app, QStringLiteral("Gil")), LoginResult::NoUserFolder);
    EXPECT_EQ(folder.Read("users"), "a file");
}

} // namespace
} // namespace lexarion
