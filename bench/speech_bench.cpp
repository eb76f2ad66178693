// How long a learner waits to hear a word: from the request to speak it to the moment its first
// sample is handed to the audio output (the beginning notification, on the user-interface
// thread), for every installed voice. The engine plays silently, so no audio device is needed;
// each voice's sound starts with what is heard, not with a pause. Words of the study lists are
// spoken in turn so no result is reused.

#include "platform/synthesizedspeech.h"
#include "platform/voicelineup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <benchmark/benchmark.h>
#include <chrono>

using namespace lexarion;

namespace {

const QStringList Words = {
    QStringLiteral("abandon"),   QStringLiteral("courage"),   QStringLiteral("deliberate"),
    QStringLiteral("fatigue"),   QStringLiteral("guarantee"), QStringLiteral("hesitate"),
    QStringLiteral("knowledge"), QStringLiteral("luxury"),    QStringLiteral("negotiate"),
    QStringLiteral("persuade"),
};

// From Speak() to the beginning notification, waited for on the event loop.
void SpeakAWord(benchmark::State& state, SynthesizedSpeech* speech, int mode) {
    speech->SetMode(mode);
    speech->SetSpeed(170);
    QEventLoop loop;
    const auto started =
        QObject::connect(speech, &SpeechEngine::SpeakingStarted, &loop, &QEventLoop::quit);
    qsizetype next = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        speech->Speak(Words[next++ % Words.size()]);
        loop.exec();
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        speech->Stop();
        QCoreApplication::processEvents(); // the end notification
    }
    QObject::disconnect(started);
}

// The synthesis alone, on this thread: its processor time does not depend on how busy the
// machine is, the wall-clock wait above does.
void SynthesizeAWord(benchmark::State& state, VoiceSynthesizer* voices, int voice) {
    const auto never = [] { return false; };
    qsizetype next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            voices->Synthesize(Words[next++ % Words.size()], voice, 170, never));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    SynthesizedSpeech speech(InstalledVoices(), SynthesizedSpeech::Output::Silent);
    if (!speech.IsAvailable())
        return 1;
    // The voices are loaded as the engine starts (IsAvailable waits for it): not part of the wait.
    for (int mode = 1; mode <= speech.ModeCount(); ++mode) {
        const std::string name =
            QStringLiteral("SpeakAWord/%1 %2").arg(mode).arg(speech.ModeName(mode)).toStdString();
        benchmark::RegisterBenchmark(name.c_str(), SpeakAWord, &speech, mode)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    const auto voices = InstalledVoices();
    const QStringList names = voices->VoiceNames();
    for (int voice = 0; voice < names.size(); ++voice) {
        const std::string name =
            QStringLiteral("SynthesizeAWord/%1 %2").arg(voice + 1).arg(names[voice]).toStdString();
        benchmark::RegisterBenchmark(name.c_str(), SynthesizeAWord, voices.get(), voice)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
