// SpeakText cuts off what is being said before it speaks; the engine's voice and speed come
// from the user's settings, read as whole numbers.

#include "memorize/speech.h"
#include "support/recordingspeech.h"
#include "support/userfixture.h"

#include <gtest/gtest.h>
#include <limits>

using namespace lexarion;
using lexarion::testing::RecordingSpeech;
using lexarion::testing::UserFixture;

TEST(SpeakText, StopsWhatIsBeingSaidFirst) {
    RecordingSpeech speech;
    SpeakText(&speech, "abandon");
    SpeakText(&speech, "ability");
    EXPECT_EQ(speech.calls, QStringList({"Speak abandon", "Stop", "Speak ability"}));
}

TEST(SpeakText, StopSpeakingStopsOnlyWhileSpeaking) {
    RecordingSpeech speech;
    StopSpeaking(&speech);
    EXPECT_TRUE(speech.calls.isEmpty());
    speech.speaking = true;
    StopSpeaking(&speech);
    EXPECT_EQ(speech.calls, QStringList({"Stop"}));
}

TEST(SpeakText, WithoutAnEngineNothingHappens) {
    SpeakText(nullptr, "abandon");
    StopSpeaking(nullptr);
}

struct SpeechSettingCase {
    const char* settings; // the [General] lines of the user's file
    int mode;
    int speed;
};

class ApplySpeechSettingsTest : public ::testing::TestWithParam<SpeechSettingCase> {};

TEST_P(ApplySpeechSettingsTest, ReadsWholeNumbers) {
    UserFixture f;
    f.folder.Write("users/Alice/config.ini", QByteArray("[General]\r\n") + GetParam().settings);
    RecordingSpeech speech;
    ApplySpeechSettings(f.app, speech);
    EXPECT_EQ(speech.mode, GetParam().mode);
    EXPECT_EQ(speech.speed, GetParam().speed);
}

INSTANTIATE_TEST_SUITE_P(
    Speech, ApplySpeechSettingsTest,
    ::testing::Values(SpeechSettingCase{"", 1, 170},
                      SpeechSettingCase{"SpeakMode=2\r\nSpeakSpeed=220\r\n", 2, 220},
                      // Cut to a whole number downwards, as the settings are read everywhere.
                      SpeechSettingCase{"SpeakMode=2.9\r\nSpeakSpeed=-1.5\r\n", 2, -2},
                      // Text that is no number is 0; an empty value is a missing one.
                      SpeechSettingCase{"SpeakMode=fast\r\nSpeakSpeed=\r\n", 0, 170},
                      SpeechSettingCase{"SpeakMode=&H3\r\nSpeakSpeed=99999999999\r\n", 3,
                                        std::numeric_limits<int>::max()}));
