#pragma once

// The one way the program speaks: every window hands its text to SpeakText, which cuts off
// what is still being said. The engine's speed and voice come from the user's settings.

#include <QString>

namespace lexarion {

class AppState;
class SpeechEngine;

// Stops what is being said, then says `text`. Without an engine nothing happens.
void SpeakText(SpeechEngine* engine, const QString& text);
// Stops what is being said, if anything.
void StopSpeaking(SpeechEngine* engine);
// The voice of "SpeakMode" (default 1) and the speed of "SpeakSpeed" (default 170 words a
// minute), each the number of its text cut to a whole number.
void ApplySpeechSettings(const AppState& app, SpeechEngine& engine);

} // namespace lexarion
