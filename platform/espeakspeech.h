#pragma once

// Speech through espeak-ng: the text is synthesized on a thread of its own and played on the
// default audio output. Without an output device (or when told to be silent) an utterance is
// "played" silently for as long as it would sound, so everything paced by speech keeps its pace.

#include "platform/speechengine.h"

#include <QBuffer>
#include <QByteArray>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <memory>

class QAudioSink;

namespace lexarion {

class EspeakSynthesizer;

class EspeakSpeech : public SpeechEngine {
    Q_OBJECT
public:
    enum class Output { Device, Silent };

    explicit EspeakSpeech(Output output = Output::Device, QObject* parent = nullptr);
    ~EspeakSpeech() override;

    // False when espeak-ng or its voices could not be loaded: nothing is spoken then.
    bool IsAvailable() const;

    void Speak(const QString& text) override;
    void Stop() override;
    bool IsSpeaking() const override { return speaking_; }
    void SetSpeed(int wordsPerMinute) override;
    void SetMode(int mode) override { mode_ = mode; }
    int ModeCount() const override;
    QString ModeName(int mode) const override;

    // The speed espeak-ng is given for `wordsPerMinute`, which it takes only within its range.
    static int EngineRate(int wordsPerMinute);

private:
    void OnSynthesized(quint64 utterance, const QByteArray& samples);
    void StartPlaying(const QByteArray& samples);
    void PlaySilently(const QByteArray& samples);
    void FinishUtterance();
    void StopPlayback();

    Output output_;
    int speed_ = 170;
    int mode_ = 1;
    bool speaking_ = false;
    bool playing_ = false;
    quint64 utterance_ = 0; // the utterance being spoken; 0 when none
    quint64 lastUtterance_ = 0;
    QThread thread_;
    EspeakSynthesizer* synthesizer_ = nullptr; // lives on thread_
    QBuffer buffer_;
    QByteArray playingSamples_;
    std::unique_ptr<QAudioSink> sink_;
    QTimer silence_;
};

} // namespace lexarion
