#include "core/appstate.h"
#include "core/settings.h"
#include "memorize/mustremember.h"
#include "support/userfixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace lexarion {
namespace {

using testing::Gb;
using testing::UserFixture;

const QString Section = u"MustRememberSetting"_qs;

class MustRememberFixture : public ::testing::Test, protected UserFixture {
protected:
    MustRememberFixture() {
        for (const char* line : {"Apple#苹果#'æpl", "banana#香蕉", "cherry #樱桃#'tʃeri"})
            app.wordList.Append(QString::fromUtf8(line));
        Set("General", "GroupSize", "3");
        Set("General", "Group", "1");
    }
    void Set(const char* section, const char* key, const char* value) {
        WriteSetting(app, QLatin1String(section), QLatin1String(key), QString::fromUtf8(value));
    }
};

// One step of the user at the test window and what the window shows after it.
enum class Step { Type, GiveUp, Continue };
struct Action {
    Step step;
    const char* typed;
    const char* message;
    qint32 color;
    int remaining;
};
struct Sequence {
    const char* name;
    const char* repeatTimes; // nullptr: not in the file
    qint32 startIndex;       // the reading position before the window loads
    std::vector<Action> actions;
};

const char* const Intro =
    "因为你开启了不得不记单词这项功能,所以会出现本窗口,现在请你输入上面显示的英文单词,"
    "输入正确后即可关闭本窗口,如果你不懂这个单词请按“不懂”后即可显示答案,"
    "输入完成后请按“回车”键.";
const char* const Wrong = "输入错误!请重新输入.如果你不懂这个单词按“不懂”即可显示答案.";
const char* const Next = "恭喜!输入正确.按ESC关闭窗口,或按回车继续.";
const char* const GroupDone = "恭喜!你已完成当前组所有单词的测试！按ESC关闭窗口.";

class TypingSequence : public MustRememberFixture,
                       public ::testing::WithParamInterface<Sequence> {};

TEST_P(TypingSequence, MessagesCountsAndButtons) {
    const Sequence& sequence = GetParam();
    if (sequence.repeatTimes)
        Set("MustRememberSetting", "RepeatTimes", sequence.repeatTimes);
    app.currentWordIndex = sequence.startIndex;
    MustRememberTest test(app);
    test.Load();
    EXPECT_EQ(test.Message(), QString::fromUtf8(Intro));
    EXPECT_EQ(test.MessageColor(), MessageRed);
    EXPECT_EQ(test.RemainingEntries(), 1);
    int n = 0;
    for (const Action& action : sequence.actions) {
        SCOPED_TRACE(::testing::Message() << "action " << ++n);
        switch (action.step) {
        case Step::Type:
            test.CheckTypedWord(QString::fromUtf8(action.typed));
            break;
        case Step::GiveUp:
            test.GiveUp();
            break;
        case Step::Continue:
            test.Continue();
            break;
        }
        EXPECT_EQ(test.Message(), QString::fromUtf8(action.message));
        EXPECT_EQ(test.MessageColor(), action.color);
        EXPECT_EQ(test.RemainingEntries(), action.remaining);
        EXPECT_EQ(test.CanContinue(), action.remaining < 1);
        EXPECT_EQ(test.CanGiveUp(), action.remaining >= 1);
        EXPECT_EQ(test.MayClose(), action.remaining < 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    MustRemember, TypingSequence,
    ::testing::Values(
        Sequence{"WrongWord", nullptr, 0, {{Step::Type, "Banana", Wrong, MessageRed, 1}}},
        Sequence{"OtherLetterCase", nullptr, 0, {{Step::Type, "APPLE", Next, MessageBlue, 0}}},
        Sequence{"TrailingSpace",
                 nullptr,
                 0,
                 {{Step::Type, "Apple ", Wrong, MessageRed, 1},
                  {Step::Type, "aPPLE", Next, MessageBlue, 0}}},
        // The word is read trimmed from the list: "cherry " in the file is typed "cherry".
        Sequence{"LastWordOfGroup",
                 nullptr,
                 2,
                 {{Step::Type, "Cherry", GroupDone, MessageBlue, 0},
                  {Step::Continue, nullptr, Intro, MessageRed, 1},
                  {Step::Type, "apple", Next, MessageBlue, 0}}},
        Sequence{"DontKnowThreeTimes",
                 "3",
                 0,
                 {{Step::GiveUp, nullptr,
                   "因为你不懂这个单词,所以此单词将到你的生词库中,并且你要罚写这个单词 3 次",
                   MessageRed, 3},
                  {Step::Type, "apple", "恭喜!本次输入正确.但你还要罚写 2 次,按回车继续.",
                   MessageBlue, 2},
                  {Step::Type, "aple", Wrong, MessageRed, 2},
                  {Step::Type, "Apple", "恭喜!本次输入正确.但你还要罚写 1 次,按回车继续.",
                   MessageBlue, 1},
                  {Step::Type, "APPLE", Next, MessageBlue, 0}}},
        Sequence{"DontKnowNoRepeats",
                 "0",
                 0,
                 {{Step::GiveUp, nullptr,
                   "因为你不懂这个单词,所以此单词将到你的生词库中,并且你要罚写这个单词 0 次",
                   MessageRed, 0},
                  {Step::Continue, nullptr, Intro, MessageRed, 1}}}),
    [](const ::testing::TestParamInfo<Sequence>& info) { return info.param.name; });

TEST_F(MustRememberFixture, WordsFollowTheGroupInOrderWhateverTheDirection) {
    Set("RememberSetting", "Direction", "2");
    app.currentWordIndex = 7; // outside the group: the test starts at its first word
    MustRememberTest test(app);
    test.Load();
    std::vector<QString> words{test.Word()};
    for (int i = 0; i < 3; ++i) {
        test.Continue();
        words.push_back(test.Word());
    }
    EXPECT_EQ(words, (std::vector<QString>{u"Apple"_qs, u"banana"_qs, u"cherry"_qs, u"Apple"_qs}));
    EXPECT_EQ(app.currentWordIndex, 1);
}

TEST_F(MustRememberFixture, ShowsWhatTheSettingsSayAndAMissingPronunciationAsSlashes) {
    Set("MustRememberSetting", "ShowWord", "0");
    Set("MustRememberSetting", "ShowPronounce", "abc");
    app.currentWordIndex = 1;
    MustRememberTest test(app);
    test.Load();
    EXPECT_EQ(test.Word(), u"banana"_qs);
    EXPECT_EQ(test.Pronounce(), u"//"_qs);
    EXPECT_EQ(test.Explanation(), u"香蕉"_qs);
    EXPECT_FALSE(test.WordVisible());
    EXPECT_FALSE(test.PronounceVisible());
    EXPECT_TRUE(test.ExplanationVisible());
    test.CheckTypedWord(u"bananas"_qs);
    EXPECT_FALSE(test.WordVisible());
    test.CheckTypedWord(u"Banana"_qs);
    EXPECT_TRUE(test.WordVisible());
    EXPECT_FALSE(test.PronounceVisible());
}

TEST_F(MustRememberFixture, DontKnowRevealsAllAndAddsTheLineToTheBook) {
    Set("MustRememberSetting", "ShowWord", "0");
    Set("MustRememberSetting", "ShowExplanation", "0");
    Set("MustRememberSetting", "ShowPronounce", "0");
    MustRememberTest test(app);
    test.Load();
    test.GiveUp();
    EXPECT_TRUE(test.WordVisible() && test.PronounceVisible() && test.ExplanationVisible());
    test.Continue();
    test.GiveUp();
    EXPECT_EQ(folder.Read("users/Alice/MyDict.wsl"), Gb("Apple#苹果#'æpl\r\nbanana#香蕉\r\n"));
}

TEST_F(MustRememberFixture, DontKnowAddsNothingWhileTheBookIsTheLoadedList) {
    Set("General", "DictionaryFile", "mydict.WSL");
    MustRememberTest test(app);
    test.Load();
    test.GiveUp();
    EXPECT_FALSE(folder.Exists("users/Alice/MyDict.wsl"));
    EXPECT_EQ(test.RemainingEntries(), 3);
}

TEST_F(MustRememberFixture, LoadRunsThePlanOpeningAndAStep) {
    Set("General", "RunPlan", "1");
    Set("General", "LastPlanGroup", "10");
    Set("General", "ShowAsGroup", "0");
    Set("General", "GroupSize", "1");
    Set("General", "Group", "2");
    MustRememberTest test(app);
    test.Load();
    // Group 10 - 7 = 3 of one word each: "cherry", a review group, so the step moves on.
    EXPECT_EQ(test.Word(), u"cherry"_qs);
    EXPECT_EQ(ReadSetting(app, u"General"_qs, u"ShowAsGroup"_qs, QString()), u"1"_qs);
    EXPECT_EQ(ReadSetting(app, u"RememberSetting"_qs, u"Direction"_qs, QString()), u"0"_qs);
}

TEST_F(MustRememberFixture, NoWordsNoTest) {
    EXPECT_TRUE(HasTestWords(app));
    app.wordList.RemoveAll();
    EXPECT_FALSE(HasTestWords(app));
}

// The minute timer: which of ten ticks bring the test up.
struct TickCase {
    const char* name;
    const char* enable;   // nullptr: not in the file
    const char* interval; // nullptr: not in the file
    std::vector<int> dialogTicks;
    std::vector<int> shownAt;
};

class MinuteTimer : public MustRememberFixture, public ::testing::WithParamInterface<TickCase> {};

TEST_P(MinuteTimer, ShowsAtTheDueTicks) {
    const TickCase& c = GetParam();
    if (c.enable)
        Set("MustRememberSetting", "EnableMustRemember", c.enable);
    if (c.interval)
        Set("MustRememberSetting", "ShowInterval", c.interval);
    int counter = 1;
    std::vector<int> shown;
    for (int tick = 1; tick <= 10; ++tick) {
        app.dialogShowing =
            std::find(c.dialogTicks.begin(), c.dialogTicks.end(), tick) != c.dialogTicks.end();
        if (MustRememberMinuteTick(app, counter))
            shown.push_back(tick);
    }
    EXPECT_EQ(shown, c.shownAt);
}

INSTANTIATE_TEST_SUITE_P(
    MustRemember, MinuteTimer,
    ::testing::Values(TickCase{"EveryTwo", "1", "2", {}, {2, 4, 6, 8, 10}},
                      TickCase{"DefaultThree", "1", nullptr, {}, {3, 6, 9}},
                      TickCase{"DialogHoldsTheCount", "1", "2", {3, 4}, {2, 6, 8, 10}},
                      TickCase{"ZeroIsEveryTick", "1", "0", {5}, {1, 2, 3, 4, 6, 7, 8, 9, 10}},
                      TickCase{"RoundedHalfToEven", "1", "2.5", {}, {2, 4, 6, 8, 10}},
                      TickCase{"Off", "0", "1", {}, {}},
                      TickCase{"OnlyExactlyOne", "True", "1", {}, {}},
                      TickCase{"Missing", nullptr, "1", {}, {}}),
    [](const ::testing::TestParamInfo<TickCase>& info) { return info.param.name; });

TEST(ClampToMinimum, KeepsAWholeNumberOfAtLeastTheMinimum) {
    const std::vector<std::pair<const char*, const char*>> cases{
        {"", "1"},      {"abc", "1"},           {"0", "1"},    {"2.5", "2"},    {"12", "12"},
        {"3.5", "4"},   {" 7 ", "7"},           {"-3", "1"},   {"1e3", "1000"}, {"5x", "1"},
        {"&H10", "16"}, {"1e12", "2147483647"}, {"-1e12", "1"}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ClampToMinimum(QString::fromUtf8(text), 1), QString::fromUtf8(expected)) << text;
    EXPECT_EQ(ClampToMinimum(u"2"_qs, 5), u"5"_qs);
}

} // namespace
} // namespace lexarion
