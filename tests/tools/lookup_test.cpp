#include "core/appstate.h"
#include "core/settings.h"
#include "lookupfixture.h"
#include "support/tempprogramfolder.h"
#include "tools/lookupfile.h"
#include "tools/wordlookup.h"
#include "wordlist/wordcompare.h"
#include "wordlist/wordlist.h"

#include <gtest/gtest.h>

using namespace lexarion;
using lexarion::testing::Gb;
using lexarion::testing::SmallDictionary;
using lexarion::testing::TempProgramFolder;
using lexarion::testing::WriteSmallLookupFiles;

namespace {

struct LookupFixture {
    TempProgramFolder folder;
    WordLookup lookup;
    LookupFixture() {
        WriteSmallLookupFiles(folder);
        if (!lookup.Load(folder.Path()))
            throw std::runtime_error("lookup files did not load");
    }
};

LookupFile FileOf(TempProgramFolder& folder, const QByteArray& bytes) {
    folder.Write("Dicts/t.wsl", bytes);
    LookupFile file;
    LoadLookupFile(folder.File("Dicts/t.wsl"), file);
    return file;
}

} // namespace

TEST(LookupKeys, EncodesCodePageCodesInFiveDigitGroups) {
    EXPECT_EQ(EncodeChineseKey(u"abc"), "773127731377314");
    EXPECT_EQ(EncodeChineseKey(QString::fromUtf8("啊")), "56896"); // B0A1
    EXPECT_EQ(EncodeChineseKey(QString()), QString());
    // 放 is B7C5: -18491 + 16777215 = 16758724.
    EXPECT_EQ(EncodeChineseKey(QString::fromUtf8("放a")), "5872477312");
    // A four-byte character gives two groups.
    EXPECT_EQ(EncodeChineseKey(QString::fromUtf8("\xF0\x9F\x98\x80")).size(), 10);

    EXPECT_TRUE(IsAsciiText(u""));
    EXPECT_TRUE(IsAsciiText(u"hello world~"));
    EXPECT_FALSE(IsAsciiText(QString::fromUtf8("apple苹果")));
    EXPECT_FALSE(IsAsciiText(QString::fromUtf8("é")));
}

TEST(LookupFiles, KeepEntryLinesOnlyWhateverTheLineEndings) {
    TempProgramFolder folder;
    const LookupFile file = FileOf(folder, Gb(";c#omment\nx#1\r\n\r\nno hash\ry#2\rz#3"));
    ASSERT_EQ(file.Count(), 3);
    EXPECT_EQ(file.Line(0), "x#1");
    EXPECT_EQ(file.Line(2), "z#3");
    EXPECT_EQ(file.Word(1), "y");
    EXPECT_EQ(file.Line(3), QString());

    const LookupFile utf8 = FileOf(folder, QByteArray("\xEF\xBB\xBF苹果#apple\r\n"));
    ASSERT_EQ(utf8.Count(), 1);
    EXPECT_EQ(utf8.Word(0), QString::fromUtf8("苹果"));
}

TEST(LookupFiles, MissingFileIsCreatedEmptyAndFails) {
    TempProgramFolder folder;
    LookupFile file;
    EXPECT_FALSE(LoadLookupFile(folder.File("Dicts/All.wsl"), file));
    EXPECT_TRUE(folder.Exists("Dicts/All.wsl"));
    EXPECT_TRUE(LoadLookupFile(folder.File("Dicts/All.wsl"), file));
    EXPECT_EQ(file.Count(), 0);
    EXPECT_FALSE(LoadLookupFile(folder.File("NoDicts/All.wsl"), file));
}

TEST(LookupFiles, BinarySearchFollowsTheListOrder) {
    TempProgramFolder folder;
    const LookupFile dict = FileOf(folder, SmallDictionary()); // 8 entries
    struct Case {
        const char* key;
        bool exact;
        qint32 expected;
    };
    const Case cases[] = {
        {"a", true, 0},        {"abandon", true, 1}, {"ABILITY", true, 3}, {"zoo", true, 7},
        {"computer", true, 6}, {"abc", true, -1},    {"abc", false, 2},    {"b", false, 5},
        {"zzz", false, 6}, // beyond the last word: the second-to-last position
        {"", false, 0},        {" apple", false, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindString(dict, 0, dict.Count() - 1, c.key, c.exact), c.expected) << c.key;

    // Ranges the search refuses.
    EXPECT_EQ(FindString(dict, 0, dict.Count(), "a", true), -1);
    EXPECT_EQ(FindString(dict, -1, 3, "a", true), -1);
    EXPECT_EQ(FindString(dict, 4, 3, "a", false), -1);
    LookupFile empty;
    EXPECT_EQ(FindString(empty, 0, -1, "a", false), -1);
}

TEST(LookupFiles, SearchTerminatesOnEveryRange) {
    TempProgramFolder folder;
    const LookupFile one = FileOf(folder, "only#one\r\n");
    EXPECT_EQ(FindString(one, 0, 0, "only", true), 0);
    EXPECT_EQ(FindString(one, 0, 0, "ONLY", false), 0);
    EXPECT_EQ(FindString(one, 0, 0, "other", true), -1);
    EXPECT_EQ(FindString(one, 0, 0, "other", false), 0);

    const LookupFile dict = FileOf(folder, SmallDictionary());
    // Every word is found exactly, the first one included.
    for (qint32 i = 0; i < dict.Count(); ++i)
        EXPECT_EQ(FindString(dict, 0, dict.Count() - 1, dict.Word(i), true), i) << i;
    const char* keys[] = {"", "a", "b", "zzzz", "able", "~"};
    for (qint32 first = 0; first < dict.Count(); ++first) {
        for (qint32 last = first; last < dict.Count(); ++last) {
            for (const char* key : keys) {
                const qint32 inexact = FindString(dict, first, last, key, false);
                EXPECT_GE(inexact, first);
                EXPECT_LE(inexact, last);
                const qint32 exact = FindString(dict, first, last, key, true);
                if (exact >= 0) {
                    EXPECT_EQ(CompareWords(dict.Word(exact), QString::fromLatin1(key)), 0);
                }
            }
        }
    }
}

TEST(WordLookup, EnglishKeywordShowsTheEntryAndItsNeighbourhood) {
    LookupFixture f;
    EXPECT_EQ(f.lookup.Display(), LookupDisplay());
    f.lookup.KeywordChanged("ABANDON");
    EXPECT_EQ(f.lookup.Display().word, "abandon");
    EXPECT_EQ(f.lookup.Display().explanation, QString::fromUtf8("vt. 放弃, 抛弃；n. 放任"));
    EXPECT_EQ(f.lookup.Display().pronounce, QString::fromUtf8("/əˈbændən/"));
    EXPECT_TRUE(f.lookup.CopyEnabled());
    EXPECT_TRUE(f.lookup.AddEnabled());
    EXPECT_EQ(f.lookup.ListItems(), (QStringList{"a", "abandon", "abbey", "ability", "able",
                                                 "apple", "Computer", "zoo"}));
    EXPECT_EQ(f.lookup.ListIndex(), 1);
    EXPECT_EQ(f.lookup.CopyText(),
              QString::fromUtf8("ABANDON\r\n/əˈbændən/\r\nvt. 放弃, 抛弃；n. 放任"));
}

TEST(WordLookup, NearMissesListTheNeighbourhoodAndResetTheDisplay) {
    LookupFixture f;
    f.lookup.KeywordChanged(" apple"); // a leading space never matches
    EXPECT_EQ(f.lookup.Display(), LookupDisplay());
    EXPECT_FALSE(f.lookup.AddEnabled());
    EXPECT_EQ(f.lookup.ListItems().size(), 8);

    f.lookup.KeywordChanged("abi"); // a prefix selects the first item that starts with it
    EXPECT_EQ(f.lookup.Display(), LookupDisplay());
    EXPECT_EQ(f.lookup.ListIndex(), 3);

    f.lookup.KeywordChanged("apple");
    ASSERT_TRUE(f.lookup.AddEnabled());
    f.lookup.KeywordChanged(""); // clearing resets the display only
    EXPECT_EQ(f.lookup.Display(), LookupDisplay());
    EXPECT_TRUE(f.lookup.AddEnabled());
    EXPECT_EQ(f.lookup.ListItems().size(), 8);
    EXPECT_FALSE(f.lookup.NewWordLine().has_value());
}

TEST(WordLookup, AKeywordPastTheLastWordListsTheLast22Words) {
    TempProgramFolder folder;
    QStringList lines;
    for (int i = 0; i < 100; ++i)
        lines.append(QString("w%1#x").arg(i, 3, 10, QChar(u'0')));
    folder.Write("Dicts/All.wsl", lines.join("\r\n").toLatin1());
    folder.Write("Dicts/All_cn.idx", "");
    WordLookup lookup;
    ASSERT_TRUE(lookup.Load(folder.Path()));
    lookup.KeywordChanged("zzz");
    ASSERT_EQ(lookup.ListItems().size(), 22);
    EXPECT_EQ(lookup.ListItems().first(), "w078");
    EXPECT_EQ(lookup.ListItems().last(), "w099");
    lookup.KeywordChanged("w050");
    EXPECT_EQ(lookup.ListItems().size(), 41);
    EXPECT_EQ(lookup.ListItems().first(), "w030");
    EXPECT_EQ(lookup.ListIndex(), 20);
}

TEST(WordLookup, ChineseKeywordListsTheWordsOfTheIndex) {
    LookupFixture f;
    f.lookup.KeywordChanged("abandon");
    const LookupDisplay shown = f.lookup.Display();
    f.lookup.KeywordChanged(QString::fromUtf8("放弃"));
    EXPECT_EQ(f.lookup.ListItems(), (QStringList{"abandon", "give up", "quit"}));
    EXPECT_EQ(f.lookup.TopIndex(), 0);
    EXPECT_EQ(f.lookup.Display(), shown); // the display is left as it was

    f.lookup.ItemSelected(0);
    EXPECT_EQ(f.lookup.Keyword(), "abandon");
    EXPECT_EQ(f.lookup.Display().word, "abandon");
    EXPECT_EQ(f.lookup.ListItems().size(), 3); // the list stays

    f.lookup.KeywordChanged(QString::fromUtf8("苹果 apple")); // mixed: the index, whole
    EXPECT_TRUE(f.lookup.ListItems().isEmpty());
    EXPECT_EQ(f.lookup.Display(), LookupDisplay());

    f.lookup.KeywordChanged(QString::fromUtf8("电脑"));
    f.lookup.ItemSelected(0); // computer: found although the dictionary spells it Computer
    EXPECT_EQ(f.lookup.Display().word, "Computer");
}

TEST(WordLookup, EnterSearchesForTheSelectedCaption) {
    LookupFixture f;
    f.lookup.KeywordChanged("abi");
    f.lookup.EnterPressed();
    EXPECT_EQ(f.lookup.Keyword(), "ability");
    EXPECT_EQ(f.lookup.Display().word, "ability");

    f.lookup.KeywordChanged(QString::fromUtf8("没有")); // empties the list
    f.lookup.EnterPressed();                            // index outside: an empty keyword
    EXPECT_EQ(f.lookup.Keyword(), QString());
}

TEST(WordLookup, AddsToTheBookOrToTheLoadedBook) {
    LookupFixture f;
    AppState app(f.folder.Path());
    app.currentUser = "Alice";
    f.folder.MakeFolder("users/Alice");

    f.lookup.KeywordChanged("abbey"); // no pronunciation: "//" shown, not written
    EXPECT_EQ(f.lookup.Display().pronounce, "//");
    f.lookup.AddToNewWordBook(app);
    f.lookup.KeywordChanged("able");
    f.lookup.AddToNewWordBook(app);
    EXPECT_EQ(f.folder.Read("users/Alice/MyDict.wsl"),
              Gb("abbey#n. 修道院\r\nable#adj. 能够的#/ˈeɪbl/\r\n"));

    WriteSetting(app, "General", "DictionaryFile", "MyDict.wsl");
    ASSERT_TRUE(LoadWordList(app, f.folder.File("users/Alice/MyDict.wsl")));
    f.lookup.KeywordChanged("zoo");
    f.lookup.AddToNewWordBook(app);
    EXPECT_EQ(app.wordList.Count(), 3);
    EXPECT_EQ(app.wordList.Item(3), QString::fromUtf8("zoo#n. 动物园#/zuː/"));
    EXPECT_EQ(f.folder.Read("users/Alice/MyDict.wsl").count('\n'), 2); // file follows later
}

TEST(WordLookup, LoadFailsWhenEitherFileIsMissing) {
    TempProgramFolder folder;
    folder.Write("Dicts/All.wsl", SmallDictionary());
    WordLookup lookup;
    EXPECT_FALSE(lookup.Load(folder.Path()));
    EXPECT_TRUE(folder.Exists("Dicts/All_cn.idx")); // created empty
    EXPECT_TRUE(lookup.Load(folder.Path()));
    lookup.KeywordChanged(QString::fromUtf8("放弃"));
    EXPECT_TRUE(lookup.ListItems().isEmpty());
}
