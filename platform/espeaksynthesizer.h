#pragma once

// Speech synthesized by espeak-ng with its English voices, American and British first.

#include "platform/voicesynthesizer.h"

namespace lexarion {

class EspeakSynthesizer : public VoiceSynthesizer {
public:
    QStringList VoiceNames() override;
    SynthesizedSound Synthesize(const QString& text, int voice, int wordsPerMinute,
                                const std::function<bool()>& cancelled) override;

    // The rate espeak-ng is given for `wordsPerMinute`, which it takes only within its range.
    static int EngineRate(int wordsPerMinute);
};

} // namespace lexarion
