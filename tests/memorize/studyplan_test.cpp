#include "core/appstate.h"
#include "core/settings.h"
#include "memorize/studyplan.h"
#include "support/tempprogramfolder.h"
#include "support/userfixture.h"

#include <QDate>
#include <QDateTime>
#include <gtest/gtest.h>
#include <vector>

namespace lexarion {
namespace {

using testing::TempProgramFolder;

const QString General = u"General"_qs;
const QString Remember = u"RememberSetting"_qs;
// What Get returns for a key that is not in the file.
const QString Missing = u"<missing>"_qs;

class StudyPlanTest : public ::testing::Test {
protected:
    StudyPlanTest() : app(folder.Path()) {
        app.currentUser = u"learner"_qs;
        folder.MakeFolder(u"users/learner"_qs);
        app.SetClock([this] { return QDateTime(today, QTime(9, 30)); });
    }

    void LoadWords(int count) {
        app.wordList.RemoveAll();
        for (int i = 1; i <= count; ++i)
            app.wordList.Append(u"word%1#解释%1"_qs.arg(i));
        app.currentWordIndex = 0;
    }
    // A key given as nullptr is left out of the file.
    void Set(const QString& section, const QString& key, const char* value) {
        if (value)
            WriteSetting(app, section, key, QString::fromUtf8(value));
    }
    QString Get(const QString& section, const QString& key) {
        return ReadSetting(app, section, key, Missing);
    }
    void StartPlan(const char* lastPlanGroup, const char* group) {
        Set(General, u"RunPlan"_qs, "1");
        Set(General, u"LastPlanGroup"_qs, lastPlanGroup);
        Set(General, u"Group"_qs, group);
    }
    // The word window's step in order, as the window takes it: the position after the shown
    // one, back to the group's first word outside the group; then the plan step.
    qint32 ShowNextWord() {
        const GroupRange range = GetGroupRange(app);
        qint32 next = app.currentWordIndex + 1;
        if (next < range.first || next > range.last)
            next = range.first;
        app.currentWordIndex = next;
        AdvancePlan(app);
        return next;
    }
    std::vector<qint32> ShowWords(int n) {
        std::vector<qint32> shown;
        for (int i = 0; i < n; ++i)
            shown.push_back(ShowNextWord());
        return shown;
    }

    TempProgramFolder folder;
    AppState app;
    QDate today{2024, 3, 10};
};

struct RangeCase {
    int count;
    const char* showAsGroup;
    const char* groupSize;
    const char* group;
    GroupRange expected;
};

TEST_F(StudyPlanTest, GroupRangeFollowsTheStoredSettingsWithTheirCorrections) {
    const RangeCase cases[] = {
        {23, "1", "10", "1", {1, 10}},
        {23, "1", "10", "2", {11, 20}},
        {23, "1", "10", "3", {21, 23}},
        // An out-of-range group selects the last group, not the first.
        {23, "1", "10", "4", {21, 23}},
        {23, "1", "10", "0", {21, 23}},
        {23, "1", "10", "-5", {21, 23}},
        {23, "1", "10", "abc", {21, 23}},
        // A size larger than the list gives groups of one word.
        {30, "1", "50", "2", {2, 2}},
        {30, "1", "30", "1", {1, 30}},
        {30, "1", "0", "3", {3, 3}},
        {30, "1", "-4", "3", {3, 3}},
        {30, "1", "abc", "3", {3, 3}},
        // Grouping off: the whole list, whatever the group settings.
        {30, "0", "10", "2", {1, 30}},
        {30, "0", "abc", "abc", {1, 30}},
        {30, "abc", "10", "2", {1, 30}},
        {30, "2", "10", "2", {1, 30}},
        // "as a number, truncated": 0.9 is off, 1.9 is on.
        {30, "0.9", "10", "2", {1, 30}},
        {30, "1.9", "10", "2", {11, 20}},
        // Missing keys take the defaults: grouping on, groups of one, group 1.
        {30, nullptr, nullptr, nullptr, {1, 1}},
        {30, nullptr, "10", nullptr, {1, 10}},
        // Rounding halves to the even neighbour; the leading number of a text counts.
        {10, "1", "2.5", "2", {3, 4}},
        {10, "1", "3.5", "2", {5, 8}},
        {10, "1", "2", "1.5", {3, 4}},
        {10, "1", "2", "2.5", {3, 4}},
        {30, "1", "10 words", "2nd", {11, 20}},
        {40, "1", "&H10", "2", {17, 32}},
        // Huge or infinite values are out of range, not overflowing.
        {30, "1", "1e300", "2", {2, 2}},
        {30, "1", "-1e300", "2", {2, 2}},
        {30, "1", "1e999", "1e999", {30, 30}},
        {30, "1", "10", "1e300", {21, 30}},
        {30, "1", "10", "-1e300", {21, 30}},
        // An empty list.
        {0, "1", "10", "1", {1, 0}},
        {0, "0", "10", "1", {1, 0}},
        {0, "1", "abc", "abc", {1, 0}},
        {1, "1", "10", "5", {1, 1}},
    };
    for (const RangeCase& c : cases) {
        testing::UserFixture fresh;
        AppState& state = fresh.app;
        for (int i = 1; i <= c.count; ++i)
            state.wordList.Append(u"w#x"_qs);
        if (c.showAsGroup)
            WriteSetting(state, General, u"ShowAsGroup"_qs, QString::fromUtf8(c.showAsGroup));
        if (c.groupSize)
            WriteSetting(state, General, u"GroupSize"_qs, QString::fromUtf8(c.groupSize));
        if (c.group)
            WriteSetting(state, General, u"Group"_qs, QString::fromUtf8(c.group));
        const QByteArray before = fresh.folder.Read(u"users/Alice/config.ini"_qs);

        const GroupRange range = GetGroupRange(state);
        EXPECT_EQ(range.first, c.expected.first)
            << c.count << " words, size " << (c.groupSize ? c.groupSize : "(none)") << ", group "
            << (c.group ? c.group : "(none)");
        EXPECT_EQ(range.last, c.expected.last)
            << c.count << " words, size " << (c.groupSize ? c.groupSize : "(none)") << ", group "
            << (c.group ? c.group : "(none)");
        // The corrections are not written back.
        EXPECT_EQ(fresh.folder.Read(u"users/Alice/config.ini"_qs), before);
    }
}

TEST_F(StudyPlanTest, GroupRangeReadsTheSettingsAtEveryCall) {
    LoadWords(30);
    Set(General, u"GroupSize"_qs, "10");
    Set(General, u"Group"_qs, "1");
    EXPECT_EQ(GetGroupRange(app), (GroupRange{1, 10}));
    Set(General, u"Group"_qs, "2");
    EXPECT_EQ(GetGroupRange(app), (GroupRange{11, 20}));
}

TEST_F(StudyPlanTest, GroupRangeOfAMissingOrDamagedSettingsFileUsesTheDefaults) {
    LoadWords(5);
    EXPECT_EQ(GetGroupRange(app), (GroupRange{1, 1}));
    folder.Write(u"users/learner/config.ini"_qs,
                 QByteArray::fromHex("00fffe5b47656e6572616c005d0d0a47726f757053697a65") +
                     QByteArray(4096, '\x81'));
    EXPECT_EQ(GetGroupRange(app), (GroupRange{1, 1}));

    AppState nobody(folder.Path());
    nobody.currentUser = u"nobody"_qs;
    nobody.wordList.Append(u"w#x"_qs);
    EXPECT_EQ(GetGroupRange(nobody), (GroupRange{1, 1}));
}

struct GroupCommandCase {
    int count;
    const char* groupSize;
    const char* group;
    // "Group" after PreviousGroup / after NextGroup from the same start; nullptr: unchanged.
    const char* afterPrevious;
    const char* afterNext;
};

TEST_F(StudyPlanTest, GroupCommandsAndMenuItemsFollowTheSameRule) {
    const GroupCommandCase cases[] = {
        {23, "10", "2", "1", "3"},
        // No wrap-around at either end.
        {23, "10", "1", nullptr, "2"},
        {23, "10", "3", "2", nullptr},
        {120, "50", "3", "2", nullptr},
        // The commands work from the stored values, without the range's corrections.
        {23, "10", "500", "499", nullptr},
        {30, "50", "1", nullptr, nullptr},
        {0, "10", "2", "1", nullptr},
        // Whole numbers are rounded half to even.
        {23, "10", "2.5", "1", "3"},
        // Missing keys: size 1, group 1.
        {5, nullptr, nullptr, nullptr, "2"},
        // Values that are not whole numbers of at least 1 make both commands do nothing.
        {23, "10", "0", nullptr, nullptr},
        {23, "10", "-3", nullptr, nullptr},
        {23, "10", "abc", nullptr, nullptr},
        {23, "10", "2nd", nullptr, nullptr},
        {23, "10", "1e300", nullptr, nullptr},
        {23, "0", "2", nullptr, nullptr},
        {23, "-10", "2", nullptr, nullptr},
        {23, "abc", "2", nullptr, nullptr},
        {23, "1e300", "2", nullptr, nullptr},
        {23, "10 words", "2", nullptr, nullptr},
    };
    for (const GroupCommandCase& c : cases) {
        for (bool forward : {false, true}) {
            const std::string label =
                std::to_string(c.count) + " words, size " + (c.groupSize ? c.groupSize : "(none)") +
                ", group " + (c.group ? c.group : "(none)") + (forward ? ", next" : ", previous");
            const char* moved = forward ? c.afterNext : c.afterPrevious;
            testing::UserFixture fresh;
            AppState& state = fresh.app;
            for (int i = 1; i <= c.count; ++i)
                state.wordList.Append(u"w#x"_qs);
            state.currentWordIndex = 7;
            WriteSetting(state, General, u"ShowAsGroup"_qs, u"1"_qs);
            if (c.groupSize)
                WriteSetting(state, General, u"GroupSize"_qs, QString::fromUtf8(c.groupSize));
            if (c.group)
                WriteSetting(state, General, u"Group"_qs, QString::fromUtf8(c.group));

            // The menu item is enabled exactly when its command changes the group.
            EXPECT_EQ(forward ? IsNextGroupEnabled(state) : IsPreviousGroupEnabled(state),
                      moved != nullptr)
                << label;
            if (forward)
                NextGroup(state);
            else
                PreviousGroup(state);
            const QString unchanged = c.group ? QString::fromUtf8(c.group) : Missing;
            EXPECT_EQ(ReadSetting(state, General, u"Group"_qs, Missing),
                      moved ? QString::fromUtf8(moved) : unchanged)
                << label;
            EXPECT_EQ(state.currentWordIndex, 7) << label;
        }
    }
}

TEST_F(StudyPlanTest, GroupMenuItemsAreDisabledUnlessGroupingIsExactlyOne) {
    struct Case {
        const char* showAsGroup;
        bool enabled;
    };
    // The menu reads a missing "ShowAsGroup" as off and wants the value 1 itself.
    const Case cases[] = {{nullptr, false}, {"0", false}, {"1", true},   {"1.0", true},
                          {"1.5", false},   {"2", false}, {"abc", false}};
    LoadWords(120);
    Set(General, u"GroupSize"_qs, "50");
    Set(General, u"Group"_qs, "2");
    for (const Case& c : cases) {
        WriteSetting(app, General, u"ShowAsGroup"_qs,
                     c.showAsGroup ? QString::fromUtf8(c.showAsGroup) : QString());
        EXPECT_EQ(IsPreviousGroupEnabled(app), c.enabled)
            << (c.showAsGroup ? c.showAsGroup : "(none)");
        EXPECT_EQ(IsNextGroupEnabled(app), c.enabled) << (c.showAsGroup ? c.showAsGroup : "(none)");
    }
}

TEST_F(StudyPlanTest, GroupCommandsWithoutAUserFolderChangeNothing) {
    AppState nobody(folder.Path());
    nobody.currentUser = u"nobody"_qs;
    for (int i = 0; i < 5; ++i)
        nobody.wordList.Append(u"w#x"_qs);
    NextGroup(nobody);
    PreviousGroup(nobody);
    AdvancePlan(nobody);
    OpenPlanForWordWindow(nobody);
    EXPECT_FALSE(folder.Exists(u"users/nobody"_qs));
    EXPECT_EQ(GetGroupRange(nobody), (GroupRange{1, 1}));
}

struct OpeningCase {
    const char* runPlan;
    const char* lastPlanGroup;
    const char* group;            // "Group" afterwards
    const char* delayExplanation; // word window only
};

TEST_F(StudyPlanTest, OpeningThePlanStartsSevenGroupsBehindTheNewestOne) {
    const OpeningCase cases[] = {
        {"1", "10", "3", "1"},
        {"1", "0", "1", "0"},
        {"1", nullptr, "1", "0"},
        {"1", "1", "1", "1"},
        {"1", "7", "1", "1"},
        {"1", "8", "1", "1"},
        {"1", "9", "2", "1"},
        {"1", "10.5", "3", "1"},
        {"1", "11.5", "5", "1"},
        {"1", "-5", "1", "1"},
        {"1", "abc", "1", "0"},
        {"1", "0.4", "1", "0"},
        // The plan runs only for exactly "1".
        {"0", "10", "5", "9"},
        {nullptr, "10", "5", "9"},
        {"2", "10", "5", "9"},
        {"1.0", "10", "5", "9"},
        {"yes", "10", "5", "9"},
    };
    for (const OpeningCase& c : cases) {
        for (bool wordWindow : {true, false}) {
            const std::string label = std::string(wordWindow ? "word window" : "must-remember") +
                                      ", RunPlan " + (c.runPlan ? c.runPlan : "(none)") +
                                      ", LastPlanGroup " +
                                      (c.lastPlanGroup ? c.lastPlanGroup : "(none)");
            testing::UserFixture fresh;
            AppState& state = fresh.app;
            WriteSetting(state, General, u"ShowAsGroup"_qs, u"0"_qs);
            WriteSetting(state, General, u"Group"_qs, u"5"_qs);
            WriteSetting(state, Remember, u"Direction"_qs, u"2"_qs);
            WriteSetting(state, Remember, u"DelayExplanation"_qs, u"9"_qs);
            if (c.runPlan)
                WriteSetting(state, General, u"RunPlan"_qs, QString::fromUtf8(c.runPlan));
            if (c.lastPlanGroup)
                WriteSetting(state, General, u"LastPlanGroup"_qs,
                             QString::fromUtf8(c.lastPlanGroup));

            if (wordWindow)
                OpenPlanForWordWindow(state);
            else
                OpenPlanForMustRemember(state);

            const bool runs = c.runPlan && QByteArray(c.runPlan) == "1";
            auto read = [&](const QString& section, const QString& key) {
                return ReadSetting(state, section, key, Missing);
            };
            EXPECT_EQ(read(General, u"ShowAsGroup"_qs), runs ? u"1"_qs : u"0"_qs) << label;
            EXPECT_EQ(read(General, u"Group"_qs), QString::fromUtf8(c.group)) << label;
            EXPECT_EQ(read(Remember, u"Direction"_qs), runs && wordWindow ? u"0"_qs : u"2"_qs)
                << label;
            EXPECT_EQ(read(Remember, u"DelayExplanation"_qs),
                      wordWindow ? QString::fromUtf8(c.delayExplanation) : u"9"_qs)
                << label;
        }
    }
}

TEST_F(StudyPlanTest, PlanStepInsideTheGroupOnlyRewritesGroupingAndOrder) {
    LoadWords(100);
    StartPlan("5", "6");
    Set(General, u"ShowAsGroup"_qs, "0");
    Set(General, u"GroupSize"_qs, "10");
    Set(Remember, u"Direction"_qs, "1");
    Set(Remember, u"DelayExplanation"_qs, "1");
    for (qint32 index : {0, 51, 59}) {
        app.currentWordIndex = index;
        AdvancePlan(app);
        EXPECT_EQ(app.currentWordIndex, index);
        EXPECT_EQ(Get(General, u"ShowAsGroup"_qs), u"1"_qs);
        EXPECT_EQ(Get(Remember, u"Direction"_qs), u"0"_qs);
        EXPECT_EQ(Get(General, u"Group"_qs), u"6"_qs);
        EXPECT_EQ(Get(General, u"LastPlanGroup"_qs), u"5"_qs);
        EXPECT_EQ(Get(General, u"LastPlanDate"_qs), Missing);
        EXPECT_EQ(Get(Remember, u"DelayExplanation"_qs), u"1"_qs);
    }
}

TEST_F(StudyPlanTest, PlanStepDoesNothingWhileThePlanIsOff) {
    LoadWords(100);
    Set(General, u"GroupSize"_qs, "10");
    Set(General, u"Group"_qs, "6");
    Set(General, u"LastPlanGroup"_qs, "5");
    for (const char* runPlan : {"0", "", "2", "true"}) {
        Set(General, u"RunPlan"_qs, runPlan);
        const QByteArray before = folder.Read(u"users/learner/config.ini"_qs);
        app.currentWordIndex = 60;
        AdvancePlan(app);
        EXPECT_EQ(app.currentWordIndex, 60) << runPlan;
        EXPECT_EQ(folder.Read(u"users/learner/config.ini"_qs), before) << runPlan;
    }
}

TEST_F(StudyPlanTest, NewGroupIsTakenIntoThePlanOnALaterDayAndThenLeft) {
    LoadWords(100);
    StartPlan("5", "6");
    Set(General, u"GroupSize"_qs, "10");
    Set(General, u"LastPlanDate"_qs, "20240310");
    Set(Remember, u"DelayExplanation"_qs, "1");

    // Finished on the day it was last finished: it stays the new group.
    app.currentWordIndex = 60;
    AdvancePlan(app);
    EXPECT_EQ(Get(General, u"LastPlanGroup"_qs), u"5"_qs);
    EXPECT_EQ(Get(General, u"Group"_qs), u"6"_qs);
    EXPECT_EQ(Get(Remember, u"DelayExplanation"_qs), u"0"_qs);
    EXPECT_EQ(app.currentWordIndex, 60);

    // Finished on a later day: taken into the plan, the group unchanged.
    today = QDate(2024, 3, 11);
    AdvancePlan(app);
    EXPECT_EQ(Get(General, u"LastPlanGroup"_qs), u"6"_qs);
    EXPECT_EQ(Get(General, u"LastPlanDate"_qs), u"20240311"_qs);
    EXPECT_EQ(Get(General, u"Group"_qs), u"6"_qs);

    // Finished once more: on to group 7, whose first word is the next one shown.
    AdvancePlan(app);
    EXPECT_EQ(Get(General, u"Group"_qs), u"7"_qs);
    EXPECT_EQ(Get(General, u"LastPlanGroup"_qs), u"6"_qs);
    EXPECT_EQ(Get(Remember, u"DelayExplanation"_qs), u"0"_qs);
    EXPECT_EQ(ShowNextWord(), 61);
}

TEST_F(StudyPlanTest, FinishedReviewGroupMovesOnWithTheExplanationStillHeldBack) {
    LoadWords(100);
    StartPlan("10", nullptr);
    Set(General, u"GroupSize"_qs, "10");
    OpenPlanForWordWindow(app);
    ASSERT_EQ(Get(General, u"Group"_qs), u"3"_qs);
    app.currentWordIndex = 30;
    AdvancePlan(app);
    EXPECT_EQ(Get(General, u"Group"_qs), u"4"_qs);
    EXPECT_EQ(Get(Remember, u"DelayExplanation"_qs), u"1"_qs);
    EXPECT_EQ(ShowNextWord(), 31);
}

struct DateRuleCase {
    const char* lastPlanDate; // nullptr: never stored
    QDate today;
    const char* lastPlanGroup; // afterwards, from 4
};

TEST_F(StudyPlanTest, NewGroupDateRuleComparesTheDatesAsText) {
    const DateRuleCase cases[] = {
        {"20240310", {2024, 3, 10}, "4"},
        {"20240310", {2024, 3, 11}, "5"},
        {"20231231", {2024, 1, 1}, "5"},
        {"20240310", {2025, 1, 1}, "5"},
        // The clock set back: only the date is stored.
        {"20240310", {2024, 3, 9}, "4"},
        {"20240310", {2023, 12, 31}, "4"},
        // Never stored: today is the default, so the same day.
        {nullptr, {2024, 3, 10}, "4"},
        // A damaged date sorting after every real one counts as the clock set back.
        {"abc", {2024, 3, 10}, "4"},
        {"2024", {2024, 3, 10}, "5"},
    };
    for (const DateRuleCase& c : cases) {
        testing::UserFixture fresh;
        AppState& state = fresh.app;
        state.SetClock([&c] { return QDateTime(c.today, QTime(23, 59)); });
        for (int i = 1; i <= 50; ++i)
            state.wordList.Append(u"w#x"_qs);
        WriteSetting(state, General, u"RunPlan"_qs, u"1"_qs);
        WriteSetting(state, General, u"GroupSize"_qs, u"10"_qs);
        WriteSetting(state, General, u"Group"_qs, u"5"_qs);
        WriteSetting(state, General, u"LastPlanGroup"_qs, u"4"_qs);
        if (c.lastPlanDate)
            WriteSetting(state, General, u"LastPlanDate"_qs, QString::fromUtf8(c.lastPlanDate));
        state.currentWordIndex = 50;

        AdvancePlan(state);

        const std::string label = std::string(c.lastPlanDate ? c.lastPlanDate : "(none)") +
                                  " then " + c.today.toString(u"yyyyMMdd").toStdString();
        EXPECT_EQ(ReadSetting(state, General, u"LastPlanGroup"_qs, Missing),
                  QString::fromUtf8(c.lastPlanGroup))
            << label;
        EXPECT_EQ(ReadSetting(state, General, u"LastPlanDate"_qs, Missing),
                  c.today.toString(u"yyyyMMdd"))
            << label;
        EXPECT_EQ(ReadSetting(state, General, u"Group"_qs, Missing), u"5"_qs) << label;
        EXPECT_EQ(state.currentWordIndex, 50) << label;
    }
}

TEST_F(StudyPlanTest, PlanWalksFromNotStartedThroughReviewToTheNewGroupDayByDay) {
    // Six words in three groups of two.
    LoadWords(6);
    Set(General, u"RunPlan"_qs, "1");
    Set(General, u"GroupSize"_qs, "2");
    Set(Remember, u"Direction"_qs, "2");

    // Day 1, not started: group 1 with the explanation at once, repeating all day.
    today = QDate(2024, 3, 10);
    OpenPlanForWordWindow(app);
    EXPECT_EQ(Get(Remember, u"DelayExplanation"_qs), u"0"_qs);
    EXPECT_EQ(ShowWords(6), (std::vector<qint32>{1, 2, 1, 2, 1, 2}));
    EXPECT_EQ(Get(Remember, u"Direction"_qs), u"0"_qs);
    EXPECT_EQ(Get(General, u"LastPlanGroup"_qs), u"0"_qs);
    EXPECT_EQ(Get(General, u"LastPlanDate"_qs), u"20240310"_qs);

    // Day 2, window still open: group 1 is taken into the plan, and as the last review group
    // finished once more it gives way to the new group 2.
    today = QDate(2024, 3, 11);
    EXPECT_EQ(ShowWords(6), (std::vector<qint32>{1, 2, 1, 2, 3, 4}));
    EXPECT_EQ(Get(General, u"LastPlanGroup"_qs), u"1"_qs);
    EXPECT_EQ(Get(General, u"Group"_qs), u"2"_qs);

    // Day 3, the window opened afresh: review of group 1 with the explanation held back, then
    // group 2, taken into the plan today, then the new group 3.
    today = QDate(2024, 3, 12);
    app.currentWordIndex = 0;
    OpenPlanForWordWindow(app);
    EXPECT_EQ(Get(General, u"Group"_qs), u"1"_qs);
    EXPECT_EQ(Get(Remember, u"DelayExplanation"_qs), u"1"_qs);
    EXPECT_EQ(ShowWords(1), (std::vector<qint32>{1}));
    EXPECT_EQ(Get(Remember, u"DelayExplanation"_qs), u"1"_qs);
    EXPECT_EQ(ShowWords(1), (std::vector<qint32>{2}));
    EXPECT_EQ(Get(Remember, u"DelayExplanation"_qs), u"0"_qs);
    EXPECT_EQ(ShowWords(7), (std::vector<qint32>{3, 4, 3, 4, 5, 6, 5}));
    EXPECT_EQ(Get(General, u"LastPlanGroup"_qs), u"2"_qs);
    EXPECT_EQ(Get(General, u"Group"_qs), u"3"_qs);

    // The clock set back a week: the new group is not taken in, only the date moves.
    today = QDate(2024, 3, 5);
    EXPECT_EQ(ShowWords(4), (std::vector<qint32>{6, 5, 6, 5}));
    EXPECT_EQ(Get(General, u"LastPlanGroup"_qs), u"2"_qs);
    EXPECT_EQ(Get(General, u"LastPlanDate"_qs), u"20240305"_qs);

    // Day 4: group 3 is taken in; it is the last group, so finishing it again starts it over.
    today = QDate(2024, 3, 13);
    EXPECT_EQ(ShowWords(5), (std::vector<qint32>{6, 5, 6, 5, 6}));
    EXPECT_EQ(Get(General, u"LastPlanGroup"_qs), u"3"_qs);
    EXPECT_EQ(Get(General, u"Group"_qs), u"3"_qs);

    // The must-remember window opens the plan at group 1 as well and leaves the order alone.
    Set(Remember, u"Direction"_qs, "1");
    OpenPlanForMustRemember(app);
    EXPECT_EQ(Get(General, u"Group"_qs), u"1"_qs);
    EXPECT_EQ(Get(Remember, u"Direction"_qs), u"1"_qs);
}

TEST_F(StudyPlanTest, PlanStepOnAnEmptyListTakesNoGroup) {
    LoadWords(0);
    StartPlan("0", "1");
    Set(General, u"LastPlanDate"_qs, "20240101");
    AdvancePlan(app);
    EXPECT_EQ(Get(General, u"LastPlanGroup"_qs), u"0"_qs);
    EXPECT_EQ(Get(General, u"LastPlanDate"_qs), u"20240101"_qs);
    EXPECT_EQ(Get(General, u"Group"_qs), u"1"_qs);
    EXPECT_EQ(app.currentWordIndex, 0);
}

TEST_F(StudyPlanTest, PlanWithHostileSettingsStaysInsideTheList) {
    const char* values[] = {"1e300", "-1e300",     "1e999",       "-1e999",
                            "abc",   "2147483647", "-2147483648", "9223372036854775807",
                            "0.5"};
    LoadWords(7);
    for (const char* value : values) {
        for (const QString& key : {u"LastPlanGroup"_qs, u"GroupSize"_qs, u"Group"_qs}) {
            StartPlan("3", "1");
            Set(General, u"GroupSize"_qs, "2");
            app.currentWordIndex = 0;
            OpenPlanForWordWindow(app);
            Set(General, key, value);
            for (int day = 0; day < 3; ++day) {
                today = QDate(2024, 3, 10).addDays(day);
                for (int step = 0; step < 8; ++step) {
                    const qint32 shown = ShowNextWord();
                    ASSERT_GE(shown, 1) << key.toStdString() << " = " << value;
                    ASSERT_LE(shown, 7) << key.toStdString() << " = " << value;
                    ASSERT_GE(app.currentWordIndex, 0) << key.toStdString() << " = " << value;
                    ASSERT_LE(app.currentWordIndex, 7) << key.toStdString() << " = " << value;
                }
            }
        }
    }
}

} // namespace
} // namespace lexarion
