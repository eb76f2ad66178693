#pragma once

// Speech synthesized by Flite with its English voices, the clearest first: the unit-selection
// voices (recorded speech joined together) before the diphone voices.

#include "platform/voicesynthesizer.h"

namespace lexarion {

class FliteSynthesizer : public VoiceSynthesizer {
public:
    QStringList VoiceNames() override;
    SynthesizedSound Synthesize(const QString& text, int voice, int wordsPerMinute,
                                const std::function<bool()>& cancelled) override;

    // How much longer than its natural pace voice `voice` is stretched for `wordsPerMinute`.
    static double DurationStretch(int voice, int wordsPerMinute);
};

} // namespace lexarion
