#include "platform/espeakspeech.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>
#include <atomic>
#include <espeak-ng/speak_lib.h>
#include <latch>
#include <limits>
#include <mutex>

namespace lexarion {

namespace {

// The voices offered, in this order first; the engine's other English voices follow.
const QStringList PreferredVoices = {QStringLiteral("en-us"), QStringLiteral("en-gb")};

// One synthesis in progress on the synthesis thread, for the engine's sample callback.
struct Collection {
    QByteArray* samples;
    quint64 utterance;
    const std::atomic<quint64>* cancelled;
};
thread_local Collection* collecting = nullptr;

int CollectSamples(short* wave, int count, espeak_EVENT*) {
    Collection* c = collecting;
    if (!c || c->cancelled->load() >= c->utterance)
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

} // namespace

// espeak-ng is one engine per process: it is set up once (setting it up again after shutting it
// down is not reliable) and used by one synthesis at a time.
struct EspeakLibrary {
    bool available = false;
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
        available = !voiceNames.isEmpty();
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

// The synthesis thread's side of an engine.
class EspeakSynthesizer : public QObject {
    Q_OBJECT
public:
    // Released once the library has been set up (on this thread, so start-up never waits).
    std::latch ready{1};
    // Utterances up to this number are no longer wanted.
    std::atomic<quint64> cancelled{0};

    void Initialize() {
        EspeakLibrary::Instance();
        ready.count_down();
    }

    void Synthesize(quint64 utterance, const QString& text, int mode, int rate) {
        EspeakLibrary& library = EspeakLibrary::Instance();
        if (!library.available || cancelled.load() >= utterance)
            return;
        const std::lock_guard lock(library.use);
        const auto& voices = library.voiceKeys;
        const int voice = mode >= 1 && mode <= voices.size() ? mode - 1 : 0;
        espeak_SetVoiceByName(voices[voice].constData());
        espeak_SetParameter(espeakRATE, rate, 0);
        QByteArray samples;
        Collection collection{&samples, utterance, &cancelled};
        collecting = &collection;
        const QByteArray utf8 = text.toUtf8();
        espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8, nullptr, nullptr);
        collecting = nullptr;
        if (cancelled.load() < utterance)
            emit Synthesized(utterance, samples);
    }

signals:
    void Synthesized(quint64 utterance, const QByteArray& samples);
};

EspeakSpeech::EspeakSpeech(Output output, QObject* parent) : SpeechEngine(parent), output_(output) {
    synthesizer_ = new EspeakSynthesizer;
    synthesizer_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, synthesizer_, &QObject::deleteLater);
    connect(synthesizer_, &EspeakSynthesizer::Synthesized, this, &EspeakSpeech::OnSynthesized);
    thread_.setObjectName(QStringLiteral("speech synthesis"));
    thread_.start();
    QMetaObject::invokeMethod(synthesizer_, &EspeakSynthesizer::Initialize, Qt::QueuedConnection);
    silence_.setSingleShot(true);
    connect(&silence_, &QTimer::timeout, this, &EspeakSpeech::FinishUtterance);
}

EspeakSpeech::~EspeakSpeech() {
    synthesizer_->cancelled.store(std::numeric_limits<quint64>::max());
    StopPlayback();
    thread_.quit();
    thread_.wait();
}

bool EspeakSpeech::IsAvailable() const {
    synthesizer_->ready.wait();
    return EspeakLibrary::Instance().available;
}

int EspeakSpeech::EngineRate(int wordsPerMinute) {
    return std::clamp(wordsPerMinute, int(espeakRATE_MINIMUM), int(espeakRATE_MAXIMUM));
}

void EspeakSpeech::SetSpeed(int wordsPerMinute) {
    speed_ = wordsPerMinute;
}

int EspeakSpeech::ModeCount() const {
    return IsAvailable() ? int(EspeakLibrary::Instance().voiceNames.size()) : 0;
}

QString EspeakSpeech::ModeName(int mode) const {
    if (mode < 1 || mode > ModeCount())
        return {};
    return EspeakLibrary::Instance().voiceNames[mode - 1];
}

void EspeakSpeech::Speak(const QString& text) {
    if (!IsAvailable())
        return;
    Stop(); // one utterance at a time
    utterance_ = ++lastUtterance_;
    speaking_ = true;
    QMetaObject::invokeMethod(
        synthesizer_,
        [synthesizer = synthesizer_, utterance = utterance_, text, mode = mode_,
         rate = EngineRate(speed_)] { synthesizer->Synthesize(utterance, text, mode, rate); },
        Qt::QueuedConnection);
}

void EspeakSpeech::Stop() {
    if (!speaking_)
        return;
    synthesizer_->cancelled.store(utterance_);
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

void EspeakSpeech::OnSynthesized(quint64 utterance, const QByteArray& samples) {
    if (!speaking_ || utterance != utterance_)
        return; // stopped meanwhile
    playing_ = true;
    emit SpeakingStarted();
    if (playing_ && utterance == utterance_)
        StartPlaying(samples);
}

void EspeakSpeech::StartPlaying(const QByteArray& samples) {
    const QAudioDevice device =
        output_ == Output::Device ? QMediaDevices::defaultAudioOutput() : QAudioDevice();
    QAudioFormat format;
    format.setSampleRate(EspeakLibrary::Instance().sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format)) {
        PlaySilently(samples);
        return;
    }
    if (!sink_) {
        sink_ = std::make_unique<QAudioSink>(device, format);
        connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            if (!playing_)
                return;
            if (state == QAudio::IdleState)
                FinishUtterance();
            else if (state == QAudio::StoppedState && sink_->error() != QAudio::NoError)
                PlaySilently(playingSamples_); // the device went away: keep the pace
        });
    }
    buffer_.close();
    playingSamples_ = samples;
    buffer_.setData(playingSamples_);
    buffer_.open(QIODevice::ReadOnly);
    sink_->start(&buffer_);
}

void EspeakSpeech::PlaySilently(const QByteArray& samples) {
    const qint64 sampleCount = samples.size() / 2;
    silence_.start(int(sampleCount * 1000 / EspeakLibrary::Instance().sampleRate));
}

void EspeakSpeech::FinishUtterance() {
    if (!playing_)
        return;
    playing_ = false;
    speaking_ = false;
    utterance_ = 0;
    StopPlayback();
    emit SpeakingFinished();
}

void EspeakSpeech::StopPlayback() {
    silence_.stop();
    if (sink_)
        sink_->stop();
    buffer_.close();
}

} // namespace lexarion

#include "espeakspeech.moc"
