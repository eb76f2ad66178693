#pragma once

// A text-to-speech engine reduced to what speaking needs: its voices by name, and the sound of a
// text in one of them. Synthesis runs wherever it is called and may take a while; the engine
// that plays the sound decides on which thread.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace lexarion {

// Sound as 16-bit signed mono samples in the machine's byte order.
struct SynthesizedSound {
    QByteArray samples;
    int sampleRate = 0;

    qint64 DurationMs() const {
        return sampleRate > 0 ? qint64(samples.size() / 2) * 1000 / sampleRate : 0;
    }
};

class VoiceSynthesizer {
public:
    virtual ~VoiceSynthesizer() = default;

    // The voices in the order they are offered; empty when the engine could not be loaded.
    // The first call loads the engine and may take a moment.
    virtual QStringList VoiceNames() = 0;
    // The sound of `text` in voice `voice` (0-based) at `wordsPerMinute`. `cancelled` is asked
    // as the synthesis goes on; once it says yes the synthesis may stop early with part of the
    // sound. An unknown voice speaks with the first one.
    virtual SynthesizedSound Synthesize(const QString& text, int voice, int wordsPerMinute,
                                        const std::function<bool()>& cancelled) = 0;
};

} // namespace lexarion
