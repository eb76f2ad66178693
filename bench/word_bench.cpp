// Timings of the word window: one step to the next word with its settings reads and the layout
// of the labels, the composition of a full-HD background in each style, the way from the end of
// the speech delay to the first sample of the spoken word through espeak-ng, and the memory of a
// process with a full-screen word window open. Runs on the offscreen platform.

#include "bench/wordwindowowner.h"
#include "core/appstate.h"
#include "core/settings.h"
#include "memorize/ui/rememberform.h"
#include "memorize/ui/wordstyle.h"
#include "platform/synthesizedspeech.h"
#include "platform/voicelineup.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

using namespace lexarion;

namespace {

// A program folder with a user whose settings file holds the keys a real one does.
struct Folder {
    QTemporaryDir dir;
    AppState app{dir.path()};
    bench::WordWindowOwner owner;

    Folder() {
        app.currentUser = QStringLiteral("Bench");
        QDir(dir.path()).mkpath(QStringLiteral("users/Bench"));
        for (int i = 1; i <= 4000; ++i)
            app.wordList.Append(QStringLiteral("word%1#这是第%1个单词的中文解释#wɜːd").arg(i));
        const char* keys[][3] = {
            {"General", "ShowAsGroup", "1"},
            {"General", "GroupSize", "50"},
            {"General", "Group", "3"},
            {"General", "RunPlan", "0"},
            {"RememberSetting", "Direction", "0"},
            {"RememberSetting", "ShowWord", "1"},
            {"RememberSetting", "EnableSpeak", "0"},
            {"RememberSetting", "FullScreen", "1"},
            {"RememberSetting", "WordInterval", "3"},
            {"RememberSetting", "SplitDisplay", "1"},
        };
        for (const auto& k : keys)
            WriteSetting(app, QString::fromLatin1(k[0]), QString::fromLatin1(k[1]),
                         QString::fromLatin1(k[2]));
        for (int i = 0; i < 40; ++i)
            WriteSetting(app, QStringLiteral("Other"), QStringLiteral("Key%1").arg(i),
                         QStringLiteral("value %1").arg(i));
    }
};

void BM_PlayNextStep(benchmark::State& state) {
    Folder folder;
    RememberForm form(folder.app, folder.owner);
    form.resize(1920, 1080);
    form.show();
    QApplication::processEvents();
    for (auto _ : state) {
        form.NextWord();
        benchmark::DoNotOptimize(form.Layout().word);
    }
    form.Playback().Timer2().stop();
}
BENCHMARK(BM_PlayNextStep)->Unit(benchmark::kMicrosecond);

void BM_ComposeBackground(benchmark::State& state) {
    // A photograph-sized picture for centre and stretch, a small one for tiling.
    const int style = int(state.range(0));
    QImage picture(style == 0 ? QSize(128, 128) : QSize(1600, 1200),
                   QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    painter.fillRect(picture.rect(), QLinearGradient(0, 0, 100, 100));
    painter.end();
    for (auto _ : state) {
        QImage surface = ComposeBackground(picture, QSize(1920, 1080), style, Qt::blue);
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(BM_ComposeBackground)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// From the speech delay's end (ReadAgain) to the engine beginning to play the first sample.
void BM_SpeechDelayToFirstSample(benchmark::State& state) {
    Folder folder;
    // The default voice, as a new user hears it.
    SynthesizedSpeech speech(InstalledVoices(), SynthesizedSpeech::Output::Silent);
    if (!speech.IsAvailable()) {
        state.SkipWithError("no voice is available");
        return;
    }
    folder.app.speech = &speech;
    RememberForm form(folder.app, folder.owner);
    form.show();
    QApplication::processEvents();
    form.NextWord();
    form.Playback().Timer2().stop();
    QEventLoop loop;
    QObject::connect(&speech, &SpeechEngine::SpeakingStarted, &loop, &QEventLoop::quit);
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        form.ReadAgain();
        loop.exec();
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        speech.Stop();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SpeechDelayToFirstSample)->UseManualTime()->Unit(benchmark::kMillisecond);

qint64 ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// The resident memory with a full-screen (1920 x 1080) word window with a stretched background
// picture open, and what the window adds to the process.
void BM_FullScreenWindowMemory(benchmark::State& state) {
    Folder folder;
    QImage picture(1600, 1200, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString path = folder.dir.filePath(QStringLiteral("back.jpg"));
    picture.save(path);
    WriteSetting(folder.app, QStringLiteral("RememberSetting"), QStringLiteral("BackPicture"),
                 QStringLiteral("1"));
    WriteSetting(folder.app, QStringLiteral("RememberSetting"), QStringLiteral("BackPicturePath"),
                 path);
    WriteSetting(folder.app, QStringLiteral("RememberSetting"), QStringLiteral("BackPictureStyle"),
                 QStringLiteral("2"));
    const qint64 before = ResidentKilobytes();
    qint64 with = 0;
    for (auto _ : state) {
        auto* form = new RememberForm(folder.app, folder.owner);
        form->setGeometry(0, 0, 1920, 1080);
        form->show();
        form->NextWord();
        QApplication::processEvents();
        with = ResidentKilobytes();
        form->Playback().Timer2().stop();
        delete form;
        QApplication::processEvents();
    }
    state.counters["process_rss_MB"] = double(with) / 1024;
    state.counters["window_adds_MB"] = double(with - before) / 1024;
}
BENCHMARK(BM_FullScreenWindowMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
