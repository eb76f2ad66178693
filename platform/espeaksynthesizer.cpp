#include "platform/espeaksynthesizer.h"

#include <algorithm>
#include <espeak-ng/speak_lib.h>
#include <mutex>

namespace lexarion {

namespace {

// The voices offered, in this order first; the engine's other English voices follow.
const QStringList PreferredVoices = {QStringLiteral("en-us"), QStringLiteral("en-gb")};

// One synthesis in progress, for the engine's sample callback.
struct Collection {
    QByteArray* samples;
    const std::function<bool()>* cancelled;
};
thread_local Collection* collecting = nullptr;

int CollectSamples(short* wave, int count, espeak_EVENT*) {
    Collection* c = collecting;
    if (!c || (*c->cancelled)())
        return 1; // stop synthesizing
    if (wave && count > 0)
        c->samples->append(reinterpret_cast<const char*>(wave), qsizetype(count) * 2);
    return 0;
}

// The first language of an espeak voice: its language list is a priority byte and a
// zero-terminated name, repeated.
QString FirstLanguage(const espeak_VOICE* voice) {
    if (!voice->languages || !voice->languages[0])
        return {};
    return QString::fromLatin1(voice->languages + 1);
}

// espeak-ng is one engine per process: it is set up once (setting it up again after shutting it
// down is not reliable) and used by one synthesis at a time.
struct EspeakLibrary {
    int sampleRate = 22050;
    QStringList voiceNames;
    QList<QByteArray> voiceKeys;
    std::mutex use;

    static EspeakLibrary& Instance() {
        static EspeakLibrary library;
        return library;
    }

private:
    EspeakLibrary() {
        const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
        if (rate <= 0)
            return;
        sampleRate = rate;
        espeak_SetSynthCallback(CollectSamples);
        ListEnglishVoices();
    }

    void ListEnglishVoices() {
        QList<const espeak_VOICE*> english;
        const espeak_VOICE** voices = espeak_ListVoices(nullptr);
        for (int i = 0; voices && voices[i]; ++i)
            if (FirstLanguage(voices[i]).startsWith(QLatin1String("en")))
                english.append(voices[i]);
        const auto rank = [](const espeak_VOICE* voice) {
            const qsizetype preferred = PreferredVoices.indexOf(FirstLanguage(voice));
            return preferred < 0 ? PreferredVoices.size() : preferred;
        };
        std::stable_sort(english.begin(), english.end(),
                         [&](const auto* a, const auto* b) { return rank(a) < rank(b); });
        for (const espeak_VOICE* voice : english) {
            voiceNames.append(QString::fromUtf8(voice->name));
            voiceKeys.append(QByteArray(voice->name));
        }
    }
};

} // namespace

QStringList EspeakSynthesizer::VoiceNames() {
    return EspeakLibrary::Instance().voiceNames;
}

int EspeakSynthesizer::EngineRate(int wordsPerMinute) {
    return std::clamp(wordsPerMinute, int(espeakRATE_MINIMUM), int(espeakRATE_MAXIMUM));
}

SynthesizedSound EspeakSynthesizer::Synthesize(const QString& text, int voice, int wordsPerMinute,
                                               const std::function<bool()>& cancelled) {
    EspeakLibrary& library = EspeakLibrary::Instance();
    SynthesizedSound sound;
    sound.sampleRate = library.sampleRate;
    const auto& voices = library.voiceKeys;
    if (voices.isEmpty() || cancelled())
        return sound;
    const std::lock_guard lock(library.use);
    espeak_SetVoiceByName(voices[voice >= 0 && voice < voices.size() ? voice : 0].constData());
    espeak_SetParameter(espeakRATE, EngineRate(wordsPerMinute), 0);
    Collection collection{&sound.samples, &cancelled};
    collecting = &collection;
    const QByteArray utf8 = text.toUtf8();
    espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                 nullptr, nullptr);
    collecting = nullptr;
    return sound;
}

} // namespace lexarion
