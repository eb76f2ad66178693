// Checks of the data the build installed into its program folder: the converted dictionary, its
// Chinese index, the study lists and the tips, read through the program's own loaders.

#include "platform/textcodec.h"
#include "platform/textfile.h"
#include "support/tempprogramfolder.h"
#include "tools/wordlookup.h"
#include "wordlist/wordentry.h"
#include "wordlist/wordlist.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>

using namespace lexarion;

namespace {

const QString ProgramFolder = QStringLiteral(LEXARION_PROGRAM_FOLDER);

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class ShippedDictionary : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        lookup = new WordLookup;
        if (!lookup->Load(ProgramFolder)) {
            delete lookup;
            lookup = nullptr;
        }
    }
    static void TearDownTestSuite() {
        delete lookup;
        lookup = nullptr;
    }
    void SetUp() override {
        if (!lookup)
            GTEST_SKIP() << "no converted dictionary in " << ProgramFolder.toStdString();
    }
    static WordLookup* lookup;
};
WordLookup* ShippedDictionary::lookup = nullptr;

TEST_F(ShippedDictionary, HasTheSizeOfADesktopDictionary) {
    EXPECT_GT(lookup->Dictionary().Count(), 350'000);
    EXPECT_GT(lookup->ChineseIndex().Count(), 300'000);
}

TEST_F(ShippedDictionary, FindsEnglishWordsWithTheirIpa) {
    lookup->KeywordChanged("Abandon");
    EXPECT_EQ(lookup->Display().word, "abandon");
    EXPECT_EQ(lookup->Display().pronounce, U("/əˈbændən/"));
    EXPECT_TRUE(lookup->Display().explanation.startsWith(U("vt. 放弃, 抛弃")));
}

TEST_F(ShippedDictionary, ChineseTermsListTheirCommonWordsFirst) {
    const struct {
        const char* term;
        const char* first;
        const char* leftOut; // a misspelling or an inflected form of the first word
    } cases[] = {
        {"放弃", "abandon", nullptr},
        {"苹果", "apple", nullptr},
        {"电脑", "computer", "comput"},
        {"重要", "important", "inportant"},
        {"钱", "money", nullptr},
        {"快乐", "happy", nullptr},
        {"美丽", "beautiful", "beau-ti-ful"},
        {"吃", "eat", "ated"},
    };
    for (const auto& c : cases) {
        lookup->KeywordChanged(U(c.term));
        const QStringList words = lookup->ListItems();
        EXPECT_LE(words.size(), 20) << c.term;
        EXPECT_EQ(words.value(0), c.first) << c.term << ": " << words.join(", ").toStdString();
        if (c.leftOut) {
            EXPECT_FALSE(words.contains(c.leftOut)) << c.term;
        }
    }
}

TEST_F(ShippedDictionary, HoldsEverydayPhrases) {
    for (const char* phrase :
         {"give up", "take off", "carry out", "a lot of", "in front of", "look after", "put off"}) {
        lookup->KeywordChanged(phrase);
        EXPECT_EQ(lookup->Display().word, phrase);
        EXPECT_FALSE(lookup->Display().explanation.isEmpty()) << phrase;
    }
    // Technical terms of several words stay out.
    for (const char* term : {"dinitrosalicylic acid reagent", "duodenal smear", "toll line"}) {
        lookup->KeywordChanged(term);
        EXPECT_NE(lookup->Display().word, term);
    }
}

// The everyday keyword table: how many keywords list an expected word among the first three
// words, as the lookup window shows them.
TEST_F(ShippedDictionary, EverydayKeywordsListAnExpectedWordAmongTheFirstThree) {
    const std::optional<QByteArray> table = ReadFileBytes(QStringLiteral(LEXARION_KEYWORD_TABLE));
    ASSERT_TRUE(table) << LEXARION_KEYWORD_TABLE;
    int keywords = 0;
    int found = 0;
    QStringList misses;
    for (const QString& line : QString::fromUtf8(*table).split(u'\n')) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.trimmed().split(u'\t');
        ASSERT_EQ(fields.size(), 2) << line.toStdString();
        const QStringList expected = fields[1].split(u'|');
        lookup->KeywordChanged(fields[0]);
        const QStringList firstThree = lookup->ListItems().mid(0, 3);
        ++keywords;
        const bool hit = std::any_of(expected.begin(), expected.end(), [&](const QString& w) {
            return firstThree.contains(w, Qt::CaseInsensitive);
        });
        if (hit)
            ++found;
        else
            misses.append(fields[0] + QStringLiteral(": ") + firstThree.join(QStringLiteral(", ")));
    }
    ASSERT_GE(keywords, 60);
    const double share = 100.0 * found / keywords;
    std::printf("everyday keywords: %d of %d (%.1f %%) list an expected word among the first "
                "three\n",
                found, keywords, share);
    for (const QString& miss : misses)
        std::printf("  missed %s\n", qPrintable(miss));
    RecordProperty("EverydayKeywordsFound", found);
    RecordProperty("EverydayKeywords", keywords);
    EXPECT_GE(share, 90.0);
}

TEST(ShippedStudyLists, EachHasItsDescriptionAndShortExplanations) {
    const char* files[] = {"cet-4.wsl",  "cet-6.wsl", "zhongkao.wsl", "gaokao.wsl",
                           "kaoyan.wsl", "toefl.wsl", "ielts.wsl",    "gre.wsl"};
    if (!QFileInfo::exists(ProgramFolder + "/Dicts/cet-4.wsl"))
        GTEST_SKIP() << "no study lists in " << ProgramFolder.toStdString();
    for (const char* file : files) {
        const QString path = ProgramFolder + "/Dicts/" + file;
        WordList list;
        qint32 current = 0;
        ASSERT_TRUE(LoadWordList(path, list, current)) << file;
        EXPECT_GT(list.Count(), 1000) << file;
        EXPECT_FALSE(ReadWordListDescription(path).value_or(QString()).isEmpty()) << file;
        qint32 withIpa = 0;
        QSet<QString> words;   // folded, to find duplicates
        QSet<QString> written; // as written
        for (qint32 i = 1; i <= list.Count(); ++i) {
            const QString line = list.Item(i);
            EXPECT_LE(EntryExplanation(line, QString()).size(), 40) << line.toStdString();
            withIpa += EntryPronounce(line, QString()).startsWith(u'/');
            const QString word = EntryWord(line, QString());
            EXPECT_FALSE(words.contains(word.toLower())) << file << ": " << word.toStdString();
            words.insert(word.toLower());
            written.insert(word);
        }
        EXPECT_GE(withIpa * 100, list.Count() * 95) << file;
        // Neither misspellings nor ordinary words in capitals ("CORE" for core).
        for (const char* wrong : {"reservior", "uptodate", "CORE", "FAX"})
            EXPECT_FALSE(written.contains(wrong)) << file << ": " << wrong;
    }
}

TEST(ShippedStudyLists, ExplanationsBeginWithTheMainSense) {
    const QString path = ProgramFolder + "/Dicts/cet-4.wsl";
    if (!QFileInfo::exists(path))
        GTEST_SKIP() << "no study lists in " << ProgramFolder.toStdString();
    WordList list;
    qint32 current = 0;
    ASSERT_TRUE(LoadWordList(path, list, current));
    QHash<QString, QString> explanations;
    for (qint32 i = 1; i <= list.Count(); ++i)
        explanations.insert(EntryWord(list.Item(i), QString()), EntryExplanation(list.Item(i), {}));
    const struct {
        const char* word;
        const char* begins;
    } cases[] = {
        {"convert", "vt. "}, {"core", "n. 核心"}, {"reservoir", "n. "}, {"abandon", "vt. 放弃"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(explanations.contains(c.word)) << c.word;
        EXPECT_TRUE(explanations.value(c.word).startsWith(U(c.begins)))
            << c.word << ": " << explanations.value(c.word).toStdString();
    }
}

TEST(ShippedTips, FortyShortTipsInTheCodePage) {
    const QDir tips(ProgramFolder + "/Tips");
    if (!tips.exists())
        GTEST_SKIP() << "no Tips folder in " << ProgramFolder.toStdString();
    const QStringList names = tips.entryList(QDir::Files, QDir::Name);
    EXPECT_GE(names.size(), 40);
    for (const QString& name : names) {
        const std::optional<QByteArray> bytes = ReadFileBytes(tips.filePath(name));
        ASSERT_TRUE(bytes) << name.toStdString();
        EXPECT_EQ(DetectEncoding(*bytes), TextEncoding::Gb18030) << name.toStdString();
        EXPECT_EQ(bytes->count("\n"), bytes->count("\r\n")) << name.toStdString();
        const QString text = DecodeAnsi(*bytes);
        EXPECT_LE(text.count(u"\r\n"), 15) << name.toStdString();
        EXPECT_FALSE(text.contains(QChar(0xFFFD))) << name.toStdString();
    }
}

} // namespace
