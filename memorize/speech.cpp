#include "memorize/speech.h"

#include "core/settings.h"
#include "platform/numbertext.h"
#include "platform/speechengine.h"

#include <limits>

namespace lexarion {

namespace {

int SettingAsWholeNumber(const AppState& app, const SettingKey& key) {
    const double value = Truncate(NumberValue(ReadSetting(app, key)));
    // A hand-edited value beyond any speed or voice is held at the ends of the range.
    if (value <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    if (value >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return int(value);
}

} // namespace

void SpeakText(SpeechEngine* engine, const QString& text) {
    if (!engine)
        return;
    StopSpeaking(engine);
    engine->Speak(text);
}

void StopSpeaking(SpeechEngine* engine) {
    if (engine && engine->IsSpeaking())
        engine->Stop();
}

void ApplySpeechSettings(const AppState& app, SpeechEngine& engine) {
    engine.SetMode(SettingAsWholeNumber(app, setting::SpeakMode));
    engine.SetSpeed(SettingAsWholeNumber(app, setting::SpeakSpeed));
}

} // namespace lexarion
