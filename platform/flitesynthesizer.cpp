#include "platform/flitesynthesizer.h"

#include <algorithm>
#include <array>
#include <flite/flite.h>
#include <mutex>
#include <vector>

extern "C" {
cst_voice* register_cmu_us_slt(const char* voxdir);
cst_voice* register_cmu_us_rms(const char* voxdir);
cst_voice* register_cmu_us_awb(const char* voxdir);
cst_voice* register_cmu_us_kal16(const char* voxdir);
cst_voice* register_cmu_us_kal(const char* voxdir);
}

namespace lexarion {

namespace {

struct FliteVoice {
    const char* name;
    cst_voice* (*load)(const char*);
    // Words a minute the voice says unstretched, measured against espeak-ng's rate on the same
    // passage, so that one speed setting paces every voice alike.
    double naturalWordsPerMinute;
};

// In the order offered. RMS comes first as the clearest: a speech recogniser given each voice's
// saying of 100 study words wrote down 81 of RMS's right, 78 of AWB's and 64 of SLT's
// (scripts/measure-voices.sh). The American voices come before the Scottish one, and the
// diphone voices, which sound the most mechanical, last.
const std::array<FliteVoice, 5> Voices = {{
    {"English (America) RMS, male", register_cmu_us_rms, 155},
    {"English (America) SLT, female", register_cmu_us_slt, 171},
    {"English (Scotland) AWB, male", register_cmu_us_awb, 178},
    {"English (America) KAL16, male, diphone", register_cmu_us_kal16, 178},
    {"English (America) KAL, male, diphone, telephone quality", register_cmu_us_kal, 176},
}};

// Flite's voices are process-wide and carry their settings; they are loaded once and used by
// one synthesis at a time.
struct FliteLibrary {
    struct Loaded {
        const FliteVoice* description;
        cst_voice* voice;
    };
    std::vector<Loaded> voices;
    QStringList voiceNames;
    std::mutex use;

    static FliteLibrary& Instance() {
        static FliteLibrary library;
        return library;
    }

private:
    FliteLibrary() {
        flite_init();
        // A voice that fails to load leaves no gap in the numbering.
        for (const FliteVoice& description : Voices)
            if (cst_voice* voice = description.load(nullptr)) {
                voices.push_back({&description, voice});
                voiceNames.append(QString::fromLatin1(description.name));
            }
    }
};

// Below this a sample is silence (out of 32767), and this much of it is kept at either end.
constexpr short SilenceLevel = 64;
constexpr int MarginMs = 10;

// Flite reads plain ASCII: accented letters lose their accents, anything else becomes a space.
QByteArray FliteText(const QString& text) {
    QByteArray ascii;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        ascii.append(c.unicode() >= 0x20 && c.unicode() < 0x7f ? char(c.unicode()) : ' ');
    }
    return ascii;
}

// Flite opens and closes each utterance with a pause of about 200 ms. Before a single word that
// is only delay, so the sound is cut to a few milliseconds around what is heard.
void TrimSilence(const cst_wave& wave, SynthesizedSound& sound) {
    const short* samples = wave.samples;
    const int count = wave.num_samples;
    const auto audible = [](short s) { return s > SilenceLevel || s < -SilenceLevel; };
    int first = 0;
    while (first < count && !audible(samples[first]))
        ++first;
    int end = count;
    while (end > first && !audible(samples[end - 1]))
        --end;
    const int margin = wave.sample_rate * MarginMs / 1000;
    first = std::max(0, first - margin);
    end = std::min(count, end + margin);
    sound.samples =
        QByteArray(reinterpret_cast<const char*>(samples + first), qsizetype(end - first) * 2);
}

} // namespace

QStringList FliteSynthesizer::VoiceNames() {
    return FliteLibrary::Instance().voiceNames;
}

double FliteSynthesizer::DurationStretch(int voice, int wordsPerMinute) {
    const auto& voices = FliteLibrary::Instance().voices;
    if (voices.empty())
        return 1;
    const FliteVoice& description =
        *voices[size_t(voice >= 0 && voice < int(voices.size()) ? voice : 0)].description;
    // Held within the range of speeds espeak-ng keeps to.
    return description.naturalWordsPerMinute / std::clamp(wordsPerMinute, 80, 450);
}

SynthesizedSound FliteSynthesizer::Synthesize(const QString& text, int voice, int wordsPerMinute,
                                              const std::function<bool()>& cancelled) {
    FliteLibrary& library = FliteLibrary::Instance();
    SynthesizedSound sound;
    const int count = int(library.voices.size());
    if (count == 0 || cancelled())
        return sound;
    if (voice < 0 || voice >= count)
        voice = 0;
    const std::lock_guard lock(library.use);
    cst_voice* v = library.voices[size_t(voice)].voice;
    feat_set_float(v->features, "duration_stretch", float(DurationStretch(voice, wordsPerMinute)));
    cst_wave* wave = flite_text_to_wave(FliteText(text).constData(), v);
    if (!wave)
        return sound;
    sound.sampleRate = wave->sample_rate;
    TrimSilence(*wave, sound); // the voices are mono
    delete_wave(wave);
    return sound;
}

} // namespace lexarion
