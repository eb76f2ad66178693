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
        const char* word;
    } cases[] = {{"放弃", "abandon"}, {"苹果", "apple"}, {"电脑", "computer"}};
    for (const auto& c : cases) {
        lookup->KeywordChanged(U(c.term));
        const QStringList words = lookup->ListItems();
        EXPECT_LE(words.size(), 20) << c.term;
        EXPECT_TRUE(words.mid(0, 5).contains(c.word))
            << c.term << ": " << words.join(", ").toStdString();
    }
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
        for (qint32 i = 1; i <= list.Count(); ++i) {
            const QString line = list.Item(i);
            EXPECT_LE(EntryExplanation(line, QString()).size(), 40) << line.toStdString();
            withIpa += EntryPronounce(line, QString()).startsWith(u'/');
        }
        EXPECT_GT(withIpa, list.Count() * 9 / 10) << file;
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
