#pragma once

// The voices of two engines under one numbering, so that the user picks a voice by one number
// whichever engine speaks it.

#include "platform/voicesynthesizer.h"

#include <memory>
#include <utility>
#include <vector>

namespace lexarion {

class VoiceLineup : public VoiceSynthesizer {
public:
    // `added`'s first voice comes first. The voices of `former` keep the places they had from the
    // second on, so a voice number stored before `added` came still names the same voice; the
    // voice `former` had first and `added`'s other voices follow. Without voices in `added` the
    // lineup is `former`'s as it was.
    VoiceLineup(std::unique_ptr<VoiceSynthesizer> former, std::unique_ptr<VoiceSynthesizer> added);

    QStringList VoiceNames() override;
    SynthesizedSound Synthesize(const QString& text, int voice, int wordsPerMinute,
                                const std::function<bool()>& cancelled) override;

private:
    void Arrange();

    std::unique_ptr<VoiceSynthesizer> former_;
    std::unique_ptr<VoiceSynthesizer> added_;
    bool arranged_ = false;
    QStringList names_;
    std::vector<std::pair<VoiceSynthesizer*, int>> voices_; // engine and its voice, by place
};

// Every voice installed: Flite's natural American voice first, then espeak-ng's English voices
// as they were numbered before, then Flite's other voices.
std::unique_ptr<VoiceSynthesizer> InstalledVoices();

} // namespace lexarion
