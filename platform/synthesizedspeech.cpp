#include "platform/synthesizedspeech.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <atomic>
#include <latch>
#include <limits>

namespace lexarion {

// The synthesis thread's side of an engine. The synthesizer is used on that thread only.
class SynthesisWorker : public QObject {
    Q_OBJECT
public:
    explicit SynthesisWorker(std::unique_ptr<VoiceSynthesizer> voices)
        : voices_(std::move(voices)) {}

    // Released once the voices have been loaded (on this thread, so start-up never waits);
    // voiceNames is fixed from then on.
    std::latch ready{1};
    QStringList voiceNames;
    // Utterances up to this number are no longer wanted.
    std::atomic<quint64> cancelled{0};

    void Initialize() {
        voiceNames = voices_->VoiceNames();
        ready.count_down();
    }

    void Synthesize(quint64 utterance, const QString& text, int mode, int wordsPerMinute) {
        const auto isCancelled = [this, utterance] { return cancelled.load() >= utterance; };
        if (voiceNames.isEmpty() || isCancelled())
            return;
        const int voice = mode >= 1 && mode <= voiceNames.size() ? mode - 1 : 0;
        const SynthesizedSound sound =
            voices_->Synthesize(text, voice, wordsPerMinute, isCancelled);
        if (!isCancelled())
            emit Synthesized(utterance, sound);
    }

signals:
    void Synthesized(quint64 utterance, const lexarion::SynthesizedSound& sound);

private:
    std::unique_ptr<VoiceSynthesizer> voices_;
};

SynthesizedSpeech::SynthesizedSpeech(std::unique_ptr<VoiceSynthesizer> voices, Output output,
                                     QObject* parent)
    : SpeechEngine(parent), output_(output) {
    qRegisterMetaType<SynthesizedSound>();
    worker_ = new SynthesisWorker(std::move(voices));
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &SynthesisWorker::Synthesized, this, &SynthesizedSpeech::OnSynthesized);
    thread_.setObjectName(QStringLiteral("speech synthesis"));
    thread_.start();
    QMetaObject::invokeMethod(worker_, &SynthesisWorker::Initialize, Qt::QueuedConnection);
    silence_.setSingleShot(true);
    connect(&silence_, &QTimer::timeout, this, &SynthesizedSpeech::FinishUtterance);
}

SynthesizedSpeech::~SynthesizedSpeech() {
    worker_->cancelled.store(std::numeric_limits<quint64>::max());
    StopPlayback();
    thread_.quit();
    thread_.wait();
}

bool SynthesizedSpeech::IsAvailable() const {
    worker_->ready.wait();
    return !worker_->voiceNames.isEmpty();
}

int SynthesizedSpeech::ModeCount() const {
    return IsAvailable() ? int(worker_->voiceNames.size()) : 0;
}

QString SynthesizedSpeech::ModeName(int mode) const {
    if (mode < 1 || mode > ModeCount())
        return {};
    return worker_->voiceNames[mode - 1];
}

void SynthesizedSpeech::Speak(const QString& text) {
    if (!IsAvailable())
        return;
    Stop(); // one utterance at a time
    utterance_ = ++lastUtterance_;
    speaking_ = true;
    QMetaObject::invokeMethod(
        worker_,
        [worker = worker_, utterance = utterance_, text, mode = mode_, speed = speed_] {
            worker->Synthesize(utterance, text, mode, speed);
        },
        Qt::QueuedConnection);
}

void SynthesizedSpeech::Stop() {
    if (!speaking_)
        return;
    worker_->cancelled.store(utterance_);
    const bool begun = playing_;
    speaking_ = false;
    playing_ = false;
    utterance_ = 0;
    StopPlayback();
    // Reported from the event loop like every other notification, before anything spoken next
    // can begin.
    if (begun)
        QMetaObject::invokeMethod(
            this, [this] { emit SpeakingFinished(); }, Qt::QueuedConnection);
}

void SynthesizedSpeech::OnSynthesized(quint64 utterance, const SynthesizedSound& sound) {
    if (!speaking_ || utterance != utterance_)
        return; // stopped meanwhile
    playing_ = true;
    emit SpeakingStarted();
    if (playing_ && utterance == utterance_)
        StartPlaying(sound);
}

void SynthesizedSpeech::StartPlaying(const SynthesizedSound& sound) {
    const QAudioDevice device =
        output_ == Output::Device ? QMediaDevices::defaultAudioOutput() : QAudioDevice();
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format)) {
        PlaySilently(sound);
        return;
    }
    // Voices differ in their sample rate; a sink plays one format.
    if (sink_ && sinkFormat_ != format)
        sink_.reset();
    if (!sink_) {
        sink_ = std::make_unique<QAudioSink>(device, format);
        sinkFormat_ = format;
        connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            if (!playing_)
                return;
            if (state == QAudio::IdleState)
                FinishUtterance();
            else if (state == QAudio::StoppedState && sink_->error() != QAudio::NoError)
                PlaySilently(playingSound_); // the device went away: keep the pace
        });
    }
    buffer_.close();
    playingSound_ = sound;
    buffer_.setData(playingSound_.samples);
    buffer_.open(QIODevice::ReadOnly);
    sink_->start(&buffer_);
}

void SynthesizedSpeech::PlaySilently(const SynthesizedSound& sound) {
    silence_.start(int(sound.DurationMs()));
}

void SynthesizedSpeech::FinishUtterance() {
    if (!playing_)
        return;
    playing_ = false;
    speaking_ = false;
    utterance_ = 0;
    StopPlayback();
    emit SpeakingFinished();
}

void SynthesizedSpeech::StopPlayback() {
    silence_.stop();
    if (sink_)
        sink_->stop();
    buffer_.close();
}

} // namespace lexarion

#include "synthesizedspeech.moc"
