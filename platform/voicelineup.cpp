#include "platform/voicelineup.h"

#include "platform/espeaksynthesizer.h"
#include "platform/flitesynthesizer.h"

namespace lexarion {

VoiceLineup::VoiceLineup(std::unique_ptr<VoiceSynthesizer> former,
                         std::unique_ptr<VoiceSynthesizer> added)
    : former_(std::move(former)), added_(std::move(added)) {}

void VoiceLineup::Arrange() {
    if (arranged_)
        return;
    arranged_ = true;
    const QStringList former = former_->VoiceNames();
    const QStringList added = added_->VoiceNames();
    const auto place = [this](VoiceSynthesizer* engine, const QStringList& names, int voice) {
        names_.append(names[voice]);
        voices_.emplace_back(engine, voice);
    };
    if (!added.isEmpty())
        place(added_.get(), added, 0);
    for (int i = added.isEmpty() ? 0 : 1; i < former.size(); ++i)
        place(former_.get(), former, i);
    if (!added.isEmpty() && !former.isEmpty())
        place(former_.get(), former, 0);
    for (int i = 1; i < added.size(); ++i)
        place(added_.get(), added, i);
}

QStringList VoiceLineup::VoiceNames() {
    Arrange();
    return names_;
}

SynthesizedSound VoiceLineup::Synthesize(const QString& text, int voice, int wordsPerMinute,
                                         const std::function<bool()>& cancelled) {
    Arrange();
    if (voices_.empty())
        return {};
    const auto& [engine, engineVoice] =
        voices_[size_t(voice >= 0 && voice < int(voices_.size()) ? voice : 0)];
    return engine->Synthesize(text, engineVoice, wordsPerMinute, cancelled);
}

std::unique_ptr<VoiceSynthesizer> InstalledVoices() {
    return std::make_unique<VoiceLineup>(std::make_unique<EspeakSynthesizer>(),
                                         std::make_unique<FliteSynthesizer>());
}

} // namespace lexarion
