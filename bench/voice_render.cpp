// Renders every installed voice saying each word of a list, for a speech recogniser to judge how
// clearly the voice speaks: one 16 kHz 16-bit mono raw file per word and voice, with a little
// silence around it. Prints per voice the synthesis time of a word, the real-time factor and the
// voice's pace on a passage at the default speed.
//
//   lexarion_voice_render WORDS.txt OUTDIR
//
// writes OUTDIR/mode<N>/<word>.raw and OUTDIR/modes.tsv (number, name).

#include "platform/voicelineup.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

using namespace lexarion;

namespace {

constexpr int RecogniserRate = 16000;

// Windowed-sinc resampling to the recogniser's rate, filtering above the lower Nyquist
// frequency so nothing folds back.
std::vector<qint16> Resample(const SynthesizedSound& sound) {
    const auto* in = reinterpret_cast<const qint16*>(sound.samples.constData());
    const qsizetype count = sound.samples.size() / 2;
    const double ratio = double(RecogniserRate) / sound.sampleRate;
    const double cutoff = std::min(1.0, ratio);
    const int halfWidth = int(std::ceil(16 / cutoff));
    std::vector<qint16> out(size_t(std::floor(count * ratio)));
    for (size_t n = 0; n < out.size(); ++n) {
        const double t = n / ratio;
        const qsizetype centre = qsizetype(std::floor(t));
        double sum = 0;
        for (qsizetype k = centre - halfWidth + 1; k <= centre + halfWidth; ++k) {
            if (k < 0 || k >= count)
                continue;
            const double x = t - k;
            const double arg = std::numbers::pi * cutoff * x;
            const double sinc = x == 0 ? 1 : std::sin(arg) / arg;
            const double window = 0.5 + 0.5 * std::cos(std::numbers::pi * x / halfWidth);
            sum += in[k] * cutoff * sinc * window;
        }
        out[n] = qint16(std::clamp(std::lround(sum), -32768L, 32767L));
    }
    return out;
}

bool WriteRaw(const QString& path, const std::vector<qint16>& samples) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const std::vector<qint16> silence(RecogniserRate * 3 / 10, 0);
    file.write(reinterpret_cast<const char*>(silence.data()), qint64(silence.size()) * 2);
    file.write(reinterpret_cast<const char*>(samples.data()), qint64(samples.size()) * 2);
    file.write(reinterpret_cast<const char*>(silence.data()), qint64(silence.size()) * 2);
    return true;
}

const QString Passage = QStringLiteral(
    "Learning a language takes patience. Every day you meet a few new words, hear them spoken, "
    "and try to remember what they mean. After a week the first of them feel familiar, and "
    "after a month you use them without thinking.");

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WORDS.txt OUTDIR\n", argv[0]);
        return 2;
    }
    QFile wordFile(QString::fromLocal8Bit(argv[1]));
    if (!wordFile.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QStringList words =
        QString::fromUtf8(wordFile.readAll())
            .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const auto voices = InstalledVoices();
    const QStringList names = voices->VoiceNames();
    QFile modes(out.filePath(QStringLiteral("modes.tsv")));
    if (!out.mkpath(QStringLiteral(".")) || !modes.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write into %s\n", argv[2]);
        return 1;
    }
    QTextStream modeList(&modes);
    const auto never = [] { return false; };
    std::printf("%-4s %-55s %9s %9s %6s %8s\n", "mode", "voice", "synth ms", "audio ms", "RTF",
                "wpm@170");
    for (int voice = 0; voice < names.size(); ++voice) {
        const QString folder = QStringLiteral("mode%1").arg(voice + 1);
        out.mkpath(folder);
        modeList << voice + 1 << '\t' << names[voice] << '\n';
        qint64 synthesisNs = 0;
        qint64 audioMs = 0;
        for (const QString& word : words) {
            QElapsedTimer clock;
            clock.start();
            const SynthesizedSound sound = voices->Synthesize(word, voice, 170, never);
            synthesisNs += clock.nsecsElapsed();
            audioMs += sound.DurationMs();
            WriteRaw(out.filePath(folder + QLatin1Char('/') + word + QStringLiteral(".raw")),
                     Resample(sound));
        }
        const SynthesizedSound passage = voices->Synthesize(Passage, voice, 170, never);
        const double passageWords = Passage.split(QLatin1Char(' ')).size();
        const double ms = synthesisNs / 1e6;
        std::printf("%-4d %-55s %9.1f %9.1f %6.3f %8.0f\n", voice + 1, qPrintable(names[voice]),
                    ms / words.size(), double(audioMs) / words.size(), ms / audioMs,
                    passageWords * 60000 / passage.DurationMs());
    }
    return 0;
}
