// One numbering over two engines' voices: the added engine's first voice leads, the former
// engine's voices keep their places from the second on, and every number reaches its own voice.

#include "platform/voicelineup.h"

#include <gtest/gtest.h>

using namespace lexarion;

namespace {

// An engine whose "sound" says which of its voices spoke.
struct NamedVoices : VoiceSynthesizer {
    explicit NamedVoices(QStringList names) : names(std::move(names)) {}
    QStringList names;
    QStringList VoiceNames() override { return names; }
    SynthesizedSound Synthesize(const QString& text, int voice, int wordsPerMinute,
                                const std::function<bool()>&) override {
        return {QStringLiteral("%1:%2:%3").arg(names[voice], text).arg(wordsPerMinute).toUtf8(),
                16000};
    }
};

VoiceLineup Lineup(const QStringList& former, const QStringList& added) {
    return VoiceLineup(std::make_unique<NamedVoices>(former), std::make_unique<NamedVoices>(added));
}

} // namespace

TEST(VoiceLineup, NumbersTheAddedFirstVoiceFirstAndKeepsTheFormerPlaces) {
    struct Case {
        QStringList former, added, lineup;
    };
    const Case cases[] = {
        {{"us", "gb", "sc"}, {"rms", "slt"}, {"rms", "gb", "sc", "us", "slt"}},
        {{"us"}, {"rms", "slt"}, {"rms", "us", "slt"}},
        {{"us", "gb"}, {}, {"us", "gb"}},
        {{}, {"rms", "slt"}, {"rms", "slt"}},
        {{}, {}, {}},
    };
    for (const Case& c : cases) {
        auto lineup = Lineup(c.former, c.added);
        EXPECT_EQ(lineup.VoiceNames(), c.lineup)
            << c.former.join(',').toStdString() << " + " << c.added.join(',').toStdString();
    }
}

TEST(VoiceLineup, EachNumberSpeaksWithItsOwnVoiceAndAnUnknownOneWithTheFirst) {
    auto lineup = Lineup({"us", "gb", "sc"}, {"rms", "slt"});
    const auto never = [] { return false; };
    const auto said = [&](int voice) {
        return QString::fromUtf8(lineup.Synthesize("word", voice, 200, never).samples);
    };
    const QStringList expected = {"rms", "gb", "sc", "us", "slt"};
    for (int voice = 0; voice < expected.size(); ++voice)
        EXPECT_EQ(said(voice), expected[voice] + ":word:200");
    EXPECT_EQ(said(-1), "rms:word:200");
    EXPECT_EQ(said(5), "rms:word:200");
}

TEST(VoiceLineup, WithoutVoicesSaysNothing) {
    auto lineup = Lineup({}, {});
    EXPECT_TRUE(lineup.Synthesize("word", 0, 170, [] { return false; }).samples.isEmpty());
}
