// The stepping of the word window without a window: the next position in the three orders,
// the labels an entry gives, speaking and the held-back explanation, playing and pausing, the
// previous-word command and the speech notifications.

#include "core/settings.h"
#include "memorize/sequencer.h"
#include "support/recordingspeech.h"
#include "support/userfixture.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

using namespace lexarion;
using lexarion::testing::RecordingSpeech;
using lexarion::testing::UserFixture;

namespace {

QCoreApplication& Application() {
    static int argc = 1;
    static char name[] = "sequencer_test";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv); // lives as long as the test program
    return *QCoreApplication::instance();
}

struct FakeDisplay : WordDisplay {
    Sequencer* sequencer = nullptr;
    bool shown = true;
    QStringList calls;
    bool IsShown() const override { return shown; }
    void PrintWord() override { calls << "PrintWord"; }
    void PrintPronounce() override {
        calls << "PrintPronounce";
        sequencer->Pronounce.visible = true;
    }
    void PrintExplanation() override {
        calls << "PrintExplanation";
        sequencer->Explanation.visible = true;
    }
};

struct FakeMenu : PlayMenu {
    bool checked = false;
    int refreshes = 0;
    void RememberFormCheckMainMenu() override { ++refreshes; }
    bool IsPlayChecked() const override { return checked; }
    void SetPlayChecked(bool on) override { checked = on; }
};

void Tick(QTimer& timer) {
    QMetaObject::invokeMethod(&timer, "timeout");
}

class SequencerTest : public ::testing::Test {
protected:
    SequencerTest() {
        Application();
        display.sequencer = &sequencer;
        app.speech = &speech;
        app.loadedWordListPath = "list";
    }

    void Set(const char* key, const char* value, const char* section = "RememberSetting") {
        WriteSetting(app, section, key, value);
    }
    // `count` words "w1#释义1#p1" ... and the group settings.
    void Words(int count, const char* groupSize = "10", const char* group = "1") {
        for (int i = 1; i <= count; ++i)
            app.wordList.Append(QStringLiteral("w%1#释义%1#p%1").arg(i));
        Set("ShowAsGroup", "1", "General");
        Set("GroupSize", groupSize, "General");
        Set("Group", group, "General");
    }

    UserFixture fixture;
    AppState& app = fixture.app;
    RecordingSpeech speech;
    FakeDisplay display;
    FakeMenu menu;
    Sequencer sequencer{app, display, menu};
};

struct StepCase {
    const char* name;
    const char* direction;
    const char* group;
    qint32 from;
    qint32 expected;
};

class NextPositionTest : public SequencerTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(NextPositionTest, StaysInsideTheGroupAndWraps) {
    const StepCase& c = GetParam();
    Words(23, "10", c.group);
    Set("Direction", c.direction);
    app.currentWordIndex = c.from;
    sequencer.PlayNext();
    EXPECT_EQ(app.currentWordIndex, c.expected);
    EXPECT_EQ(sequencer.Word.text, QStringLiteral("w%1").arg(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Orders, NextPositionTest,
    ::testing::Values(StepCase{"InOrderWrapsToFirst", "0", "3", 23, 21},
                      StepCase{"InOrderSteps", "0", "3", 21, 22},
                      StepCase{"AfterLoadingStartsAtFirst", "0", "3", 0, 21},
                      StepCase{"ReverseWrapsToLast", "1", "3", 21, 23},
                      StepCase{"ReverseSteps", "1", "3", 23, 22},
                      StepCase{"ReverseAfterPreviousGroupStartsAtLast", "1", "2", 22, 20},
                      StepCase{"InOrderAfterNextGroupStartsAtFirst", "0", "2", 5, 11}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return info.param.name; });

TEST_F(SequencerTest, RandomOrderNeverRepeatsTheShownWordAndStaysInTheGroup) {
    for (const char* size : {"2", "3", "10"}) {
        app.wordList = {};
        Words(23, size, "2");
        Set("Direction", "2");
        const qint32 first = 1 + QByteArray(size).toInt();
        const qint32 last = 2 * QByteArray(size).toInt();
        app.currentWordIndex = 0;
        std::set<qint32> seen;
        qint32 previous = -1;
        for (int i = 0; i < 200; ++i) {
            sequencer.PlayNext();
            ASSERT_GE(app.currentWordIndex, first) << size;
            ASSERT_LE(app.currentWordIndex, last) << size;
            ASSERT_NE(app.currentWordIndex, previous) << size;
            previous = app.currentWordIndex;
            seen.insert(previous);
        }
        EXPECT_EQ(qint32(seen.size()), last - first + 1) << size;
    }
    // A group of one word shows that word each time.
    Set("GroupSize", "11", "General");
    Set("Group", "3", "General");
    for (int i = 0; i < 3; ++i) {
        sequencer.PlayNext();
        EXPECT_EQ(app.currentWordIndex, 23);
    }
}

struct EntryCase {
    const char* name;
    const char* entry;
    const char* showWord;
    const char* showPronounce;
    const char* showExplanation;
    const char* word;
    bool wordVisible;
    const char* pronounce;
    const char* explanation;
    bool explanationPrinted;
};

class EntryTest : public SequencerTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(EntryTest, PutsTheFieldsOnTheLabels) {
    const EntryCase& c = GetParam();
    app.wordList.Append(QString::fromUtf8(c.entry));
    Set("ShowWord", c.showWord);
    Set("ShowPronounce", c.showPronounce);
    Set("ShowExplanation", c.showExplanation);
    sequencer.PlayNext();
    EXPECT_EQ(sequencer.Word.text, QString::fromUtf8(c.word));
    EXPECT_EQ(sequencer.Word.visible, c.wordVisible);
    EXPECT_EQ(sequencer.Pronounce.text, QString::fromUtf8(c.pronounce));
    EXPECT_TRUE(sequencer.Pronounce.visible); // shown, empty or not
    EXPECT_EQ(sequencer.Explanation.text, QString::fromUtf8(c.explanation));
    EXPECT_EQ(display.calls.contains("PrintExplanation"), c.explanationPrinted);
    EXPECT_TRUE(sequencer.Timer2().isActive());
}

INSTANTIATE_TEST_SUITE_P(
    Entries, EntryTest,
    ::testing::Values(
        EntryCase{"TwoFields", "apple#苹果", "1", "1", "1", "apple", true, "", "苹果", true},
        EntryCase{"ThreeFieldsTrimmed", " apple # 苹果 # ˈæpl ", "1", "1", "1", "apple", true,
                  "ˈæpl", "苹果", true},
        EntryCase{"WordHidden", "apple#苹果#ˈæpl", "0", "1", "1", "apple", false, "ˈæpl", "苹果",
                  true},
        EntryCase{"PronounceOff", "apple#苹果#ˈæpl", "1", "0", "1", "apple", true, "", "苹果",
                  true},
        EntryCase{"ExplanationOff", "apple#苹果#ˈæpl", "1", "1", "0", "apple", true, "ˈæpl", "",
                  false},
        EntryCase{"ExtraFieldsIgnored", "a#b#c#d", "1", "1", "1", "a", true, "c", "b", true}),
    [](const ::testing::TestParamInfo<EntryCase>& info) { return info.param.name; });

// A line of a damaged file, a megabyte long: each label gets its head, marked as cut, and never
// half a character.
TEST_F(SequencerTest, AnOverlongEntryIsCutForTheLabels) {
    const QString word =
        QString(MaxWordLength - 1, u'w') + QString::fromUtf8("😀") + QString(1000000, u'w');
    app.wordList.Append(word + u'#' + QString(500000, u'释') + QStringLiteral("#p"));
    sequencer.PlayNext();
    EXPECT_EQ(sequencer.Word.text, QString(MaxWordLength - 1, u'w') + u'…');
    EXPECT_EQ(sequencer.Explanation.text, QString(MaxExplanationLength, u'释') + u'…');
    EXPECT_EQ(sequencer.Pronounce.text, u"p");
}

TEST_F(SequencerTest, AnEntryWithoutHashMovesOnButKeepsTheLabels) {
    Set("ShowAsGroup", "0", "General");
    app.wordList.Append("apple#苹果");
    app.wordList.Append("no fields here");
    sequencer.PlayNext();
    sequencer.Timer2().stop();
    sequencer.PlayNext();
    EXPECT_EQ(app.currentWordIndex, 2);
    EXPECT_EQ(sequencer.Word.text, u"apple");
    EXPECT_FALSE(sequencer.Timer2().isActive());
    sequencer.PlayNext();
    EXPECT_EQ(app.currentWordIndex, 1);
}

TEST_F(SequencerTest, AnEmptyListSaysSoAndLeavesTheTimers) {
    sequencer.Timer1().start();
    sequencer.PlayNext();
    EXPECT_EQ(sequencer.Word.text, EmptyWordListText.toString());
    EXPECT_TRUE(sequencer.Timer1().isActive());
    EXPECT_FALSE(sequencer.Timer2().isActive());
    EXPECT_EQ(app.currentWordIndex, 0);
}

TEST_F(SequencerTest, AHiddenWindowDoesNotStep) {
    Words(3);
    display.shown = false;
    sequencer.Word.text = "Lexarion";
    sequencer.PlayNext();
    EXPECT_EQ(app.currentWordIndex, 0);
    EXPECT_EQ(sequencer.Word.text, u"Lexarion");
    EXPECT_TRUE(display.calls.isEmpty());
}

struct SpeechTextCase {
    const char* word;
    const char* spell;
    const char* expected;
};

class SpeechTextTest : public SequencerTest,
                       public ::testing::WithParamInterface<SpeechTextCase> {};

TEST_P(SpeechTextTest, MakesTheEngineText) {
    Set("SpeakLetter", GetParam().spell);
    EXPECT_EQ(Sequencer::MakeSpeechText(app, QString::fromUtf8(GetParam().word)),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Words, SpeechTextTest,
                         ::testing::Values(SpeechTextCase{"e.g.", "0", "E,G,"},
                                           SpeechTextCase{" abc ", "0", "ABC"},
                                           SpeechTextCase{"abc", "1", "A,B,C,,ABC"},
                                           SpeechTextCase{"ice cream", "1", "ICE CREAM"},
                                           SpeechTextCase{"e.g.", "1", "E,,,G,,,,E,G,"}));

TEST_F(SequencerTest, StartPlayShowsAWordAndStartsThenStopsBothTimers) {
    Words(3);
    sequencer.StartPlay();
    EXPECT_TRUE(menu.checked);
    EXPECT_EQ(menu.refreshes, 1);
    EXPECT_EQ(app.currentWordIndex, 1);
    EXPECT_TRUE(sequencer.Timer1().isActive());
    EXPECT_TRUE(sequencer.Timer2().isActive());
    EXPECT_EQ(sequencer.Phase(), PlaybackPhase::WaitingToSpeak);

    sequencer.StartPlay();
    EXPECT_FALSE(menu.checked);
    EXPECT_FALSE(sequencer.Timer1().isActive());
    EXPECT_FALSE(sequencer.Timer2().isActive());
    EXPECT_EQ(sequencer.Word.text, u"w1");
    EXPECT_EQ(sequencer.Phase(), PlaybackPhase::Paused);
}

TEST_F(SequencerTest, TheWordIsSpokenWhenTheDelayExpiresAndTheTimerWaitsForTheSpeech) {
    Words(3);
    Set("DelayExplanation", "1");
    bool speakingStarted = false;
    sequencer.StartPlay();
    EXPECT_FALSE(sequencer.Explanation.visible);
    EXPECT_TRUE(sequencer.IsExplanationHeldBack());

    Tick(sequencer.Timer2());
    EXPECT_FALSE(sequencer.Timer2().isActive()); // once per word
    EXPECT_EQ(speech.calls, QStringList{"Speak W1"});

    SpeechStartHandler(speakingStarted, &sequencer);
    EXPECT_TRUE(speakingStarted);
    EXPECT_FALSE(sequencer.Timer1().isActive());
    EXPECT_EQ(sequencer.Phase(), PlaybackPhase::Speaking);
    EXPECT_FALSE(sequencer.Explanation.visible);

    SpeechEndHandler(speakingStarted, &sequencer);
    EXPECT_FALSE(speakingStarted);
    EXPECT_TRUE(sequencer.Explanation.visible);
    EXPECT_TRUE(sequencer.Timer1().isActive());
    EXPECT_EQ(sequencer.Phase(), PlaybackPhase::WaitingForNext);

    // A second end notification without a start changes nothing.
    sequencer.Timer1().stop();
    SpeechEndHandler(speakingStarted, &sequencer);
    EXPECT_FALSE(sequencer.Timer1().isActive());
}

TEST_F(SequencerTest, TheEndOfSpeechLeavesThePausedTimerOff) {
    Words(3);
    bool speakingStarted = false;
    sequencer.NextWord();
    Tick(sequencer.Timer2());
    SpeechStartHandler(speakingStarted, &sequencer);
    SpeechEndHandler(speakingStarted, &sequencer);
    EXPECT_FALSE(sequencer.Timer1().isActive());
}

TEST_F(SequencerTest, TheHandlersWithoutAWordWindowOnlyKeepTheFlag) {
    bool speakingStarted = false;
    SpeechStartHandler(speakingStarted, nullptr);
    EXPECT_TRUE(speakingStarted);
    SpeechEndHandler(speakingStarted, nullptr);
    EXPECT_FALSE(speakingStarted);
}

TEST_F(SequencerTest, AHeldBackExplanationAppearsAfterAPauseWhenSpeechIsOff) {
    Words(3);
    Set("DelayExplanation", "1");
    Set("EnableSpeak", "0");
    sequencer.NextWord();
    Tick(sequencer.Timer2());
    EXPECT_TRUE(speech.calls.isEmpty());
    EXPECT_EQ(sequencer.Phase(), PlaybackPhase::RevealingSilent);
    EXPECT_FALSE(sequencer.Explanation.visible);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return sequencer.Explanation.visible; }, SilentRevealPauseMs + 2000));
    EXPECT_FALSE(sequencer.IsExplanationHeldBack());
}

TEST_F(SequencerTest, ANewWordCancelsThePendingRevealOfTheOldOne) {
    Words(3);
    Set("DelayExplanation", "1");
    Set("EnableSpeak", "0");
    sequencer.NextWord();
    Tick(sequencer.Timer2());
    sequencer.NextWord();
    QTest::qWait(SilentRevealPauseMs + 200);
    EXPECT_FALSE(sequencer.Explanation.visible);
}

struct PreWordCase {
    const char* name;
    const char* direction;
    std::vector<qint32> draws; // the random order's draws, in order
    int steps;                 // steps before the command
    qint32 expected;
};

class PreWordTest : public SequencerTest, public ::testing::WithParamInterface<PreWordCase> {};

TEST_P(PreWordTest, ShowsTheWordShownBefore) {
    const PreWordCase& c = GetParam();
    Words(5, "5");
    Set("Direction", c.direction);
    size_t next = 0;
    sequencer.SetRandomDraw(
        [&](qint32 first, qint32) { return next < c.draws.size() ? c.draws[next++] : first; });
    for (int i = 0; i < c.steps; ++i)
        sequencer.PlayNext();
    sequencer.PreWord();
    EXPECT_EQ(app.currentWordIndex, c.expected);
    EXPECT_EQ(sequencer.Word.text, QStringLiteral("w%1").arg(c.expected));
}

// The random draws leave the shown word out: a draw of k at or above it gives k + 1.
INSTANTIATE_TEST_SUITE_P(
    Orders, PreWordTest,
    ::testing::Values(PreWordCase{"InOrder", "0", {}, 3, 2},
                      PreWordCase{"InOrderOnTheFirstWordStays", "0", {}, 1, 1},
                      PreWordCase{"Reverse", "1", {}, 3, 4},
                      PreWordCase{"Random", "2", {4, 1, 4}, 3, 1},
                      PreWordCase{"RandomWithoutHistoryStays", "2", {3}, 1, 3}),
    [](const ::testing::TestParamInfo<PreWordCase>& info) { return info.param.name; });

TEST_F(SequencerTest, PreWordGoesBackThroughSeveralRandomWords) {
    Words(5, "5");
    Set("Direction", "2");
    std::vector<qint32> draws{4, 1, 4};
    size_t next = 0;
    sequencer.SetRandomDraw([&](qint32, qint32) { return draws[next++]; });
    sequencer.PlayNext(); // 4
    sequencer.PlayNext(); // 1
    sequencer.PlayNext(); // 4 -> 5
    EXPECT_EQ(app.currentWordIndex, 5);
    sequencer.PreWord();
    EXPECT_EQ(app.currentWordIndex, 1);
    sequencer.PreWord();
    EXPECT_EQ(app.currentWordIndex, 4);
}

TEST_F(SequencerTest, TheStoredWordIntervalIsAppliedAndHeldToItsRange) {
    for (const auto& [stored, expected] : std::vector<std::pair<const char*, int>>{
             {"5", 5000}, {"0", 1000}, {"600", 60000}, {"x", 1000}, {"2.5", 2000}}) {
        Set("WordInterval", stored);
        sequencer.ApplyStoredWordInterval();
        EXPECT_EQ(sequencer.Timer1().interval(), expected) << stored;
    }
}

TEST_F(SequencerTest, TheWordTimerStepsAndRunsAPlanStep) {
    Words(20, "10", "1");
    Set("RunPlan", "1", "General");
    Set("LastPlanGroup", "1", "General");
    app.currentWordIndex = 9;
    Tick(sequencer.Timer1());
    // The tenth word finished the last review group: the plan moved to group 2.
    EXPECT_EQ(sequencer.Word.text, u"w10");
    EXPECT_EQ(ReadSetting(app, "General", "Group", ""), u"2");
}

} // namespace
