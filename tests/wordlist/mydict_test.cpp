#include "core/appstate.h"
#include "core/settings.h"
#include "support/recordingpresenter.h"
#include "support/tempprogramfolder.h"
#include "support/userfixture.h"
#include "wordlist/mydict.h"
#include "wordlist/wordlist.h"

#include <gtest/gtest.h>

using namespace lexarion;
using lexarion::testing::Gb;
using lexarion::testing::TempProgramFolder;

namespace {

struct Fixture : lexarion::testing::UserFixture {
    lexarion::testing::RecordingPresenter recorder{app};

    Fixture() {
        folder.Write("Dicts/cet-4.wsl", Gb("; 四级\r\nabandon#v. 放弃#/əˈbændən/\r\n"
                                           "  ability #n. 能力\r\nable#adj. 能够的\r\n"));
    }
    void UseList(const QString& name) { WriteSetting(app, "General", "DictionaryFile", name); }
    bool Load(const QString& relative) { return LoadWordList(app, folder.File(relative)); }
};

} // namespace

TEST(MyDict, LoadedTestFollowsTheSettingInAnyCase) {
    Fixture f;
    EXPECT_FALSE(IsMyDictLoaded(f.app)); // the default list
    for (const char* name : {"MyDict.wsl", "MYDICT.WSL", "mydict.wsl"}) {
        f.UseList(name);
        EXPECT_TRUE(IsMyDictLoaded(f.app)) << name;
    }
    f.UseList("MyDict.wsl.bak");
    EXPECT_FALSE(IsMyDictLoaded(f.app));
}

TEST(MyDict, AddingAppendsTheCurrentLineUntrimmedEachTime) {
    Fixture f;
    ASSERT_TRUE(f.Load("Dicts/cet-4.wsl"));
    AddToMyDict(f.app); // index 0: nothing to add yet
    EXPECT_FALSE(f.folder.Exists("users/Alice/MyDict.wsl"));

    f.app.currentWordIndex = 2;
    AddToMyDict(f.app);
    AddToMyDict(f.app); // no duplicate check
    EXPECT_EQ(f.folder.Read("users/Alice/MyDict.wsl"),
              Gb("  ability #n. 能力\r\n  ability #n. 能力\r\n"));

    f.app.currentWordIndex = 4; // beyond the list
    AddToMyDict(f.app);
    EXPECT_EQ(f.folder.Read("users/Alice/MyDict.wsl").count('\n'), 2);
    EXPECT_TRUE(f.recorder.shown.empty());
}

TEST(MyDict, RefusalsAreShownWithDialogShowingSet) {
    Fixture f;
    f.folder.Write("users/Alice/MyDict.wsl", "word#explanation\r\n");
    f.UseList("MyDict.wsl");
    ASSERT_TRUE(f.Load("users/Alice/MyDict.wsl"));
    f.app.currentWordIndex = 1;
    AddToMyDict(f.app);
    ASSERT_EQ(f.recorder.shown.size(), 1u);
    EXPECT_EQ(f.recorder.shown[0].text,
              QString::fromUtf8("你现在所用的词库就是 MyDict.wsl 呀,不用再加了."));
    EXPECT_EQ(f.recorder.shown[0].title, QString::fromUtf8("信息"));
    EXPECT_EQ(f.recorder.shown[0].icon, MessageIcon::Information);
    EXPECT_TRUE(f.recorder.shown[0].dialogShowing);
    EXPECT_FALSE(f.app.dialogShowing);
    EXPECT_EQ(f.folder.Read("users/Alice/MyDict.wsl"), QByteArray("word#explanation\r\n"));

    f.UseList("cet-4.wsl");
    ASSERT_TRUE(f.Load("Dicts/cet-4.wsl"));
    f.app.currentWordIndex = 1;
    f.app.dialogShowing = true; // a background window is open: restored afterwards
    DeleteFromMyDict(f.app);
    ASSERT_EQ(f.recorder.shown.size(), 2u);
    EXPECT_EQ(f.recorder.shown[1].text,
              QString::fromUtf8("你现在所用的词库不是 MyDict.wsl,你不能删除."));
    EXPECT_TRUE(f.app.dialogShowing);
    EXPECT_EQ(f.app.wordList.Count(), 3);
}

TEST(MyDict, DeletingChangesOnlyTheListUntilSaved) {
    Fixture f;
    f.folder.Write("users/Alice/MyDict.wsl",
                   Gb(";我的生词\r\none#1\r\nnot an entry\r\ntwo#2\r\nthree#3\r\n"));
    f.UseList("MyDict.wsl");
    ASSERT_TRUE(f.Load("users/Alice/MyDict.wsl"));
    f.app.currentWordIndex = 2;
    DeleteFromMyDict(f.app);
    EXPECT_EQ(f.app.wordList.Lines(), (QStringList{"one#1", "three#3"}));
    EXPECT_EQ(f.app.currentWordIndex, 2); // still points at the freed position
    EXPECT_EQ(f.folder.Read("users/Alice/MyDict.wsl").count('\n'), 5);

    f.app.currentWordIndex = 0;
    DeleteFromMyDict(f.app); // no current word: nothing happens
    EXPECT_EQ(f.app.wordList.Count(), 2);

    SaveMyDict(f.app); // comments and lines without "#" are gone: they were never loaded
    EXPECT_EQ(f.folder.Read("users/Alice/MyDict.wsl"), QByteArray("one#1\r\nthree#3\r\n"));
}

TEST(MyDict, SaveKeepsTheBookEncodingAndDoesNothingForOtherLists) {
    Fixture f;
    f.folder.Write("users/Alice/MyDict.wsl", QByteArray("苹果#apple\n"));
    f.UseList("mydict.WSL");
    ASSERT_TRUE(f.Load("users/Alice/MyDict.wsl"));
    f.app.wordList.Append(QString::fromUtf8("电脑#computer"));
    SaveMyDict(f.app);
    EXPECT_EQ(f.folder.Read("users/Alice/MyDict.wsl"),
              QByteArray("苹果#apple\r\n电脑#computer\r\n")); // UTF-8 stays UTF-8

    f.UseList("cet-4.wsl");
    ASSERT_TRUE(f.Load("Dicts/cet-4.wsl"));
    const QByteArray before = f.folder.Read("users/Alice/MyDict.wsl");
    SaveMyDict(f.app);
    EXPECT_EQ(f.folder.Read("users/Alice/MyDict.wsl"), before);
}

TEST(MyDict, NeverOverwritesTheBookWithTheListLoadedInItsPlace) {
    // The setting names the book, but the book was missing and the default list was loaded.
    Fixture f;
    f.UseList("MyDict.wsl");
    ASSERT_TRUE(f.Load("Dicts/cet-4.wsl"));
    f.app.currentWordIndex = 1;
    DeleteFromMyDict(f.app);
    SaveMyDict(f.app);
    EXPECT_FALSE(f.folder.Exists("users/Alice/MyDict.wsl"));

    // Likewise when the user's book exists but another file was loaded.
    f.folder.Write("users/Alice/MyDict.wsl", "mine#keep\r\n");
    SaveMyDict(f.app);
    EXPECT_EQ(f.folder.Read("users/Alice/MyDict.wsl"), QByteArray("mine#keep\r\n"));

    // And after a failed load, nothing is loaded from anywhere.
    EXPECT_FALSE(f.Load("Dicts/missing.wsl"));
    SaveMyDict(f.app);
    EXPECT_EQ(f.folder.Read("users/Alice/MyDict.wsl"), QByteArray("mine#keep\r\n"));
}

// A book that cannot be written: the user is told which file, and nothing is made or changed.
TEST(MyDict, AppendErrorsAreShownAndChangeNothing) {
    Fixture f;
    f.app.currentUser = "Ghost"; // no user folder
    EXPECT_FALSE(AppendToMyDict(f.app, "x#y"));
    EXPECT_FALSE(f.folder.Exists("users/Ghost"));
    f.app.currentUser = "Alice";
    f.folder.MakeFolder("users/Alice/MyDict.wsl/kept"); // a folder in the book's place
    EXPECT_FALSE(AppendToMyDict(f.app, "x#y"));
    EXPECT_TRUE(f.folder.Exists("users/Alice/MyDict.wsl/kept"));
    ASSERT_EQ(f.recorder.shown.size(), 2u);
    EXPECT_EQ(f.recorder.shown[1].text,
              QString::fromUtf8("无法写入生词本:\n") + f.folder.File("users/Alice/MyDict.wsl"));
    EXPECT_EQ(f.recorder.shown[1].title, QString::fromUtf8("错误"));
    EXPECT_TRUE(f.recorder.shown[1].dialogShowing);
}
