#pragma once

// Speech from a synthesizer: the text is synthesized on a thread of its own and played on the
// default audio output. Without an output device (or when told to be silent) an utterance is
// "played" silently for as long as it would sound, so everything paced by speech keeps its pace.

#include "platform/speechengine.h"
#include "platform/voicesynthesizer.h"

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <memory>

class QAudioSink;

namespace lexarion {

class SynthesisWorker;

class SynthesizedSpeech : public SpeechEngine {
    Q_OBJECT
public:
    enum class Output { Device, Silent };

    // The modes are the voices of `voices`, numbered from 1.
    explicit SynthesizedSpeech(std::unique_ptr<VoiceSynthesizer> voices,
                               Output output = Output::Device, QObject* parent = nullptr);
    ~SynthesizedSpeech() override;

    // False when no voice could be loaded: nothing is spoken then.
    bool IsAvailable() const;

    void Speak(const QString& text) override;
    void Stop() override;
    bool IsSpeaking() const override { return speaking_; }
    void SetSpeed(int wordsPerMinute) override { speed_ = wordsPerMinute; }
    void SetMode(int mode) override { mode_ = mode; }
    int ModeCount() const override;
    QString ModeName(int mode) const override;

private:
    void OnSynthesized(quint64 utterance, const lexarion::SynthesizedSound& sound);
    void StartPlaying(const SynthesizedSound& sound);
    void PlaySilently(const SynthesizedSound& sound);
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
    SynthesisWorker* worker_ = nullptr; // lives on thread_
    QBuffer buffer_;
    SynthesizedSound playingSound_;
    QAudioFormat sinkFormat_;
    std::unique_ptr<QAudioSink> sink_;
    QTimer silence_;
};

} // namespace lexarion
