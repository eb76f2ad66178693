#include "core/appstate.h"
#include "support/tempprogramfolder.h"
#include "wordlist/wordentry.h"
#include "wordlist/wordlist.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace lexarion;
using lexarion::testing::Gb;
using lexarion::testing::TempProgramFolder;

TEST(WordEntry, SplitsAtHashAndTrimsSpaces) {
    struct Case {
        const char* line;
        const char* word;
        const char* explanation;
        const char* pronounce;
    };
    const Case cases[] = {
        {"abandon#v. 放弃#/əˈbændən/", "abandon", "v. 放弃", "/əˈbændən/"},
        {"  apple  #  n. 苹果 ", "apple", "n. 苹果", "//"}, // one "#": the default
        {"apple#n. 苹果#", "apple", "n. 苹果", ""},         // a second "#": empty
        {"#no word", "", "no word", "//"},
        {"a#b#c#d#e", "a", "b", "c"},               // later pieces ignored
        {"x#exp # lains#/p/", "x", "exp", "lains"}, // "#" moves the rest on
        {"no hash at all", "DEF", "DEF", "//"},
        {"", "DEF", "DEF", "//"},
        {"\tword\t#x", "\tword\t", "x", "//"}, // only spaces are trimmed
    };
    for (const Case& c : cases) {
        const QString line = QString::fromUtf8(c.line);
        EXPECT_EQ(EntryWord(line, "DEF"), QString::fromUtf8(c.word)) << c.line;
        EXPECT_EQ(EntryExplanation(line, "DEF"), QString::fromUtf8(c.explanation)) << c.line;
        EXPECT_EQ(EntryPronounce(line, "//"), QString::fromUtf8(c.pronounce)) << c.line;
    }
}

TEST(WordList, PositionalAccessIsOneBased) {
    WordList list;
    list.Append("a#1");
    list.Append("b#2");
    list.Append("a#1");
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Item(1), "a#1");
    EXPECT_EQ(list.Item(0), QString());
    EXPECT_EQ(list.Item(4), QString());
    EXPECT_TRUE(list.RemoveAt(1));
    EXPECT_EQ(list.Item(1), "b#2"); // later items move up
    EXPECT_FALSE(list.RemoveAt(3));
    EXPECT_FALSE(list.RemoveAt(-1));
    list.RemoveAll();
    EXPECT_EQ(list.Count(), 0);
}

TEST(WordList, LoadsEntriesAndSkipsEverythingElse) {
    TempProgramFolder folder;
    folder.Write("Dicts/cet-4.wsl", Gb(";大学英语四级\r\n"
                                       "abandon#v. 放弃#/əˈbændən/\r\n"
                                       "\r\n"
                                       "just a note\r\n"
                                       " ;spaced#entry, not comment\r"
                                       ";comment#with hash\n"
                                       "#empty word\n"
                                       "ability#n. 能力"));
    AppState app(folder.Path());
    app.currentWordIndex = 99;
    ASSERT_TRUE(LoadWordList(app, folder.File("Dicts/cet-4.wsl")));
    EXPECT_EQ(app.wordList.Lines(), (QStringList{QString::fromUtf8("abandon#v. 放弃#/əˈbændən/"),
                                                 " ;spaced#entry, not comment", "#empty word",
                                                 QString::fromUtf8("ability#n. 能力")}));
    EXPECT_EQ(app.currentWordIndex, 0);
    EXPECT_EQ(app.loadedWordListPath, folder.File("Dicts/cet-4.wsl"));
    EXPECT_EQ(ReadWordListDescription(folder.File("Dicts/cet-4.wsl")),
              QString::fromUtf8("大学英语四级"));
}

TEST(WordList, LoadsUtf8AndGbkAlike) {
    TempProgramFolder folder;
    const char* text = "苹果#n. apple\n电脑#n. computer\n";
    folder.Write("Dicts/gb.wsl", Gb(text));
    folder.Write("Dicts/utf8.wsl", QByteArray(text));
    folder.Write("Dicts/bom.wsl", QByteArray("\xEF\xBB\xBF") + text);
    for (const char* name : {"Dicts/gb.wsl", "Dicts/utf8.wsl", "Dicts/bom.wsl"}) {
        WordList list;
        qint32 index = 5;
        ASSERT_TRUE(LoadWordList(folder.File(name), list, index)) << name;
        EXPECT_EQ(list.Lines(), (QStringList{QString::fromUtf8("苹果#n. apple"),
                                             QString::fromUtf8("电脑#n. computer")}))
            << name;
    }
}

TEST(WordList, MissingFileIsCreatedEmptyAndReportedAsFailure) {
    TempProgramFolder folder;
    AppState app(folder.Path());
    app.wordList.Append("old#x");
    app.currentWordIndex = 7;
    EXPECT_FALSE(LoadWordList(app, folder.File("Dicts/none.wsl")));
    EXPECT_EQ(app.wordList.Count(), 0);
    EXPECT_EQ(app.currentWordIndex, 7);
    EXPECT_TRUE(app.loadedWordListPath.isEmpty());
    EXPECT_TRUE(folder.Exists("Dicts/none.wsl"));
    // The next load of the same path succeeds, empty.
    EXPECT_TRUE(LoadWordList(app, folder.File("Dicts/none.wsl")));
    EXPECT_EQ(app.currentWordIndex, 0);

    // A folder that does not exist: nothing to create, a failure.
    EXPECT_FALSE(LoadWordList(app, folder.File("NoFolder/x.wsl")));
    EXPECT_FALSE(folder.Exists("NoFolder"));
    // A folder where a file is expected.
    folder.MakeFolder("Dicts/adir.wsl");
    EXPECT_FALSE(LoadWordList(app, folder.File("Dicts/adir.wsl")));
}

TEST(WordList, SurvivesHostileFiles) {
    TempProgramFolder folder;
    QByteArray binary;
    for (int i = 0; i < 1 << 16; ++i)
        binary.append(char((i * 7919) >> 3));
    QByteArray longLine = "huge#" + QByteArray(1 << 20, 'x') + "\r\nnext#1\r\n";
    const std::pair<const char*, QByteArray> files[] = {
        {"empty.wsl", QByteArray()},
        {"binary.wsl", binary},
        {"nul.wsl", QByteArray("a\0b#c\r\nd#e\r\n", 12)},
        {"truncated.wsl", Gb("放弃#fang").left(3)}, // cut inside 弃
        {"long.wsl", longLine},
    };
    for (const auto& [name, bytes] : files) {
        folder.Write(QString("Dicts/") + name, bytes);
        WordList list;
        qint32 index = 1;
        EXPECT_TRUE(LoadWordList(folder.File(QString("Dicts/") + name), list, index)) << name;
        EXPECT_EQ(folder.Read(QString("Dicts/") + name), bytes) << name; // untouched
    }
    WordList list;
    qint32 index = 0;
    ASSERT_TRUE(LoadWordList(folder.File("Dicts/long.wsl"), list, index));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(1).size(), 5 + (1 << 20));
    ASSERT_TRUE(LoadWordList(folder.File("Dicts/nul.wsl"), list, index));
    EXPECT_EQ(list.Count(), 2);
}

TEST(WordList, UnreadableFileFailsWithoutBeingReplaced) {
    TempProgramFolder folder;
    folder.Write("Dicts/locked.wsl", "a#b\r\n");
    QFile::setPermissions(folder.File("Dicts/locked.wsl"), QFileDevice::Permissions());
    QFile probe(folder.File("Dicts/locked.wsl"));
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with permission to read everything";
    WordList list;
    qint32 index = 3;
    EXPECT_FALSE(LoadWordList(folder.File("Dicts/locked.wsl"), list, index));
    EXPECT_EQ(index, 3);
    QFile::setPermissions(folder.File("Dicts/locked.wsl"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(folder.Read("Dicts/locked.wsl"), QByteArray("a#b\r\n"));
}
