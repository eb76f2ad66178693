#include "dictbuild/chineseterms.h"
#include "dictbuild/senses.h"
#include "support/tempprogramfolder.h"

#include <gtest/gtest.h>

using namespace lexarion::dictbuild;

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The translation field as the source writes it: lines separated by the two characters \ and n.
QStringList Lines(const char* translation) {
    return TranslationLines(U(translation));
}

TEST(Senses, TranslationLinesAreJoinedSoEachPartOfSpeechStaysRecognisable) {
    const QStringList lines = Lines("vt. 放弃, 抛弃\\nn. 放任\\r\\n\\n  \\n[网络] 放弃；遗弃");
    EXPECT_EQ(lines, QStringList({U("vt. 放弃, 抛弃"), U("n. 放任"), U("[网络] 放弃；遗弃")}));
    EXPECT_EQ(FullExplanation(lines), U("vt. 放弃, 抛弃；n. 放任；[网络] 放弃；遗弃"));
}

TEST(Senses, PartOfSpeechMarkers) {
    const struct {
        const char* line;
        const char* marker;
        const char* rest;
    } cases[] = {
        {"vt. 放弃, 抛弃", "vt.", "放弃, 抛弃"}, {"n. & adj. 黄金", "n. & adj.", "黄金"},
        {"n./adj. 黄金", "n./adj.", "黄金"},     {"a.m. 上午", "", "a.m. 上午"},
        {"[医] 苹果", "", "[医] 苹果"},          {"第一个字母 A", "", "第一个字母 A"},
    };
    for (const auto& c : cases) {
        const QString line = U(c.line);
        const PartOfSpeechSplit split = SplitPartOfSpeech(line);
        EXPECT_EQ(split.marker.toString(), U(c.marker)) << c.line;
        EXPECT_EQ(split.rest.toString(), U(c.rest)) << c.line;
    }
}

TEST(Senses, StudyListExplanationsKeepTheEverydaySensesShort) {
    const struct {
        const char* translation;
        const char* expected;
    } cases[] = {
        // Web senses and subject-tagged senses go.
        {"n. 苹果, 家伙\\n[医] 苹果\\n[网络] 苹果公司", "n. 苹果, 家伙"},
        // ... unless nothing else is left; a subject keeps its tag, the web senses lose theirs.
        {"[计] 累加器, 加法器\\n[网络] 累加", "[计] 累加器, 加法器"},
        {"[网络] 胡德；兜帽", "胡德, 兜帽"},
        // At most three parts of speech and four senses a part.
        {"n. 一, 二\\nvt. 三\\nvi. 四\\nadj. 五", "n. 一, 二；vt. 三；vi. 四"},
        {"n. 甲, 乙, 丙, 丁, 戊, 己", "n. 甲, 乙, 丙, 丁"},
        // Every part gets its first sense before any part gets a second one.
        {"vt. 放弃, 抛弃, 遗弃, 使屈从, 沉溺, 放纵\\nn. 放任, 无拘束, 狂热",
         "vt. 放弃, 抛弃, 遗弃, 使屈从；n. 放任, 无拘束, 狂热"},
        // A first sense too long for the word window is cut.
        {"n. 一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十",
         "n. 一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六…"},
    };
    for (const auto& c : cases) {
        const QString text = ShortExplanation(Lines(c.translation));
        EXPECT_EQ(text, U(c.expected)) << c.translation;
        EXPECT_LE(text.size(), 40) << c.translation;
    }
}

TEST(ChineseTermsTest, PiecesBetweenSeparatorsWithoutNotes) {
    const struct {
        const char* line;
        QStringList terms;
    } cases[] = {
        {"vt. 放弃, 抛弃、遗弃/丢弃", {U("放弃"), U("抛弃"), U("遗弃"), U("丢弃")}},
        {"n. 罩；风帽；（布质）面罩；学位连领帽（表示学位种类）",
         {U("罩"), U("风帽"), U("面罩"), U("学位连领帽")}},
        {"v. 使(马,鹰等)戴头罩；给…加罩", {U("使戴头罩")}},
        {"[网络] 胡德；兜帽；引擎盖", {U("胡德"), U("兜帽"), U("引擎盖")}},
        {"【植物】 苹果树；apple tree；苹果树", {U("苹果树")}},
        {"n. DNA, 脱氧核糖核酸", {U("脱氧核糖核酸")}},
        {"go的过去式", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChineseTerms(U(c.line)), c.terms) << c.line;
}

TEST(ChineseTermsTest, IndexTermsAlsoTheBareAdjectiveAndAdverb) {
    const struct {
        const char* line;
        QStringList terms;
        std::vector<int> senses;
    } cases[] = {
        {"a. 重要的, 有地位的", {U("重要的"), U("重要"), U("有地位的"), U("有地位")}, {0, 0, 1, 1}},
        {"adv. 慢慢地, 缓慢地", {U("慢慢地"), U("慢慢"), U("缓慢地"), U("缓慢")}, {0, 0, 1, 1}},
        {"adj. 新的", {U("新的"), U("新")}, {0, 0}},
        // a noun's "…地" and "…的" are words of their own
        {"n. 目的地, 目的", {U("目的地"), U("目的")}, {0, 1}},
        {"vt. 使高兴的", {U("使高兴的")}, {0}},
        // without a marker only a longer "…的" loses it
        {"重要的, 美的", {U("重要的"), U("重要"), U("美的")}, {0, 0, 1}},
        {"[网络] 美丽的", {U("美丽的"), U("美丽")}, {0, 0}},
        // an adjective whose bare term is among its senses already
        {"a. 快乐的, 快乐", {U("快乐的"), U("快乐")}, {0, 1}},
    };
    for (const auto& c : cases) {
        QStringList terms;
        std::vector<int> senses;
        for (const IndexTerm& t : IndexTerms(U(c.line))) {
            terms.append(t.text);
            senses.push_back(t.sense);
        }
        EXPECT_EQ(terms, c.terms) << c.line;
        EXPECT_EQ(senses, c.senses) << c.line;
    }
}

} // namespace
