// The two synthesizers behind the installed voices: each loads its English voices, renders a
// word as sound of a plausible length, follows the speed within its range and stops when asked.

#include "platform/espeaksynthesizer.h"
#include "platform/flitesynthesizer.h"

#include <gtest/gtest.h>
#include <memory>

using namespace lexarion;

namespace {

const auto Never = [] { return false; };
const QString Sentence =
    QStringLiteral("The quick brown fox jumps over the lazy dog, and then it runs away.");

struct Engine {
    const char* name;
    std::function<std::unique_ptr<VoiceSynthesizer>()> make;
    int minimumVoices;
};

class Synthesizer : public ::testing::TestWithParam<Engine> {
protected:
    std::unique_ptr<VoiceSynthesizer> engine = GetParam().make();
};

// The largest sample, as a measure of whether anything can be heard.
int Peak(const SynthesizedSound& sound) {
    const auto* samples = reinterpret_cast<const qint16*>(sound.samples.constData());
    int peak = 0;
    for (qsizetype i = 0; i < sound.samples.size() / 2; ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    return peak;
}

// The engines vary their sound a little from one synthesis to the next (espeak-ng's pitch
// flutter, for one), so the same speech is known by its length.
bool AboutAsLong(const SynthesizedSound& a, const SynthesizedSound& b) {
    return std::abs(a.DurationMs() - b.DurationMs()) * 20 <=
           std::max(a.DurationMs(), b.DurationMs());
}

void PrintTo(const Engine& engine, std::ostream* out) {
    *out << engine.name;
}

} // namespace

TEST_P(Synthesizer, OffersEnglishVoices) {
    const QStringList names = engine->VoiceNames();
    EXPECT_GE(names.size(), GetParam().minimumVoices);
    for (const QString& name : names)
        EXPECT_TRUE(name.startsWith("English")) << name.toStdString();
}

TEST_P(Synthesizer, SaysAWordInEveryVoiceWithoutLongPauses) {
    for (int voice = 0; voice < engine->VoiceNames().size(); ++voice) {
        const SynthesizedSound sound = engine->Synthesize("abandon", voice, 170, Never);
        SCOPED_TRACE(voice);
        EXPECT_GE(sound.sampleRate, 8000);
        EXPECT_GT(Peak(sound), 1000);
        // Three syllables: more than a blip, and no second of silence around them.
        EXPECT_GT(sound.DurationMs(), 300);
        EXPECT_LT(sound.DurationMs(), 1000);
    }
}

TEST_P(Synthesizer, AFasterSpeedSaysTheSameSooner) {
    for (const int voice : {0, int(engine->VoiceNames().size()) - 1}) {
        const qint64 slow = engine->Synthesize(Sentence, voice, 100, Never).DurationMs();
        const qint64 usual = engine->Synthesize(Sentence, voice, 170, Never).DurationMs();
        const qint64 fast = engine->Synthesize(Sentence, voice, 400, Never).DurationMs();
        SCOPED_TRACE(voice);
        EXPECT_GT(slow, usual);
        EXPECT_GT(usual, fast * 2);
        // Some fourteen words at 170 a minute, with the pause at the comma.
        EXPECT_GT(usual, 3000);
        EXPECT_LT(usual, 7000);
        // Beyond the range the speed is held at its ends.
        EXPECT_TRUE(AboutAsLong(engine->Synthesize(Sentence, voice, 10000, Never),
                                engine->Synthesize(Sentence, voice, 450, Never)));
    }
}

TEST_P(Synthesizer, AnUnknownVoiceSpeaksWithTheFirst) {
    const SynthesizedSound first = engine->Synthesize(Sentence, 0, 170, Never);
    for (const int unknown : {99, -1}) {
        const SynthesizedSound sound = engine->Synthesize(Sentence, unknown, 170, Never);
        EXPECT_EQ(sound.sampleRate, first.sampleRate);
        EXPECT_TRUE(AboutAsLong(sound, first)) << unknown;
    }
}

TEST_P(Synthesizer, ACancelledSynthesisGivesNoMoreThanItHad) {
    EXPECT_TRUE(engine->Synthesize(Sentence, 0, 170, [] { return true; }).samples.isEmpty());
}

TEST_P(Synthesizer, TextItCannotSayIsSkipped) {
    const SynthesizedSound chinese = engine->Synthesize("放弃", 0, 170, Never);
    const SynthesizedSound mixed = engine->Synthesize("abandon 放弃", 0, 170, Never);
    EXPECT_GT(Peak(mixed), 1000);
    EXPECT_LE(chinese.DurationMs(), mixed.DurationMs() * 3);
    // Accented letters are read as their letters.
    EXPECT_GT(engine->Synthesize("café", 0, 170, Never).DurationMs(), 200);
}

INSTANTIATE_TEST_SUITE_P(
    Engines, Synthesizer,
    ::testing::Values(Engine{"espeak", [] { return std::make_unique<EspeakSynthesizer>(); }, 2},
                      Engine{"flite", [] { return std::make_unique<FliteSynthesizer>(); }, 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EspeakSynthesizer, HoldsTheSpeedWithinTheEnginesRange) {
    EXPECT_EQ(EspeakSynthesizer::EngineRate(170), 170);
    EXPECT_EQ(EspeakSynthesizer::EngineRate(0), 80);
    EXPECT_EQ(EspeakSynthesizer::EngineRate(-5), 80);
    EXPECT_EQ(EspeakSynthesizer::EngineRate(10000), 450);
}

TEST(FliteSynthesizer, StretchesItsVoicesToTheSpeed) {
    FliteSynthesizer flite;
    ASSERT_FALSE(flite.VoiceNames().isEmpty());
    EXPECT_NEAR(FliteSynthesizer::DurationStretch(0, 155), 1.0, 0.01);
    EXPECT_NEAR(FliteSynthesizer::DurationStretch(0, 310), 0.5, 0.01);
    EXPECT_EQ(FliteSynthesizer::DurationStretch(0, 0), FliteSynthesizer::DurationStretch(0, 80));
    EXPECT_EQ(FliteSynthesizer::DurationStretch(0, 9999),
              FliteSynthesizer::DurationStretch(0, 450));
    EXPECT_EQ(FliteSynthesizer::DurationStretch(99, 170),
              FliteSynthesizer::DurationStretch(0, 170));
}
