// The installed voices, silent: each utterance reports its beginning and then its end on the
// thread that asked for it, lasts as long as it would sound, follows the speed and can be cut
// off, whichever engine's voice speaks.

#include "platform/synthesizedspeech.h"
#include "platform/voicelineup.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

using namespace lexarion;

namespace {

// The notifications of an engine, in the order they came.
struct Notifications {
    explicit Notifications(SpeechEngine& engine) {
        QObject::connect(&engine, &SpeechEngine::SpeakingStarted, &engine, [this, &engine] {
            seen << QStringLiteral("begin");
            onRightThread = onRightThread && QThread::currentThread() == engine.thread();
        });
        QObject::connect(&engine, &SpeechEngine::SpeakingFinished, &engine,
                         [this] { seen << QStringLiteral("end"); });
    }
    QStringList seen;
    bool onRightThread = true;
};

const QString Sentence =
    QStringLiteral("The quick brown fox jumps over the lazy dog, and then it runs away.");

// Milliseconds from Speak() to the end of the utterance.
qint64 TimeToSay(SpeechEngine& speech, const QString& text) {
    QSignalSpy finished(&speech, &SpeechEngine::SpeakingFinished);
    QElapsedTimer clock;
    clock.start();
    speech.Speak(text);
    if (!finished.wait(20000))
        return -1;
    return clock.elapsed();
}

// The installed voices, speaking in `mode`.
struct SilentSpeech : SynthesizedSpeech {
    explicit SilentSpeech(int mode) : SynthesizedSpeech(InstalledVoices(), Output::Silent) {
        SetMode(mode);
    }
};

} // namespace

class SynthesizedSpeechTest : public QObject {
    Q_OBJECT
private slots:
    void theInstalledVoicesAreNumberedFromTheMostNatural();
    void anUtteranceBeginsThenEndsAfterItsDuration_data();
    void anUtteranceBeginsThenEndsAfterItsDuration();
    void aFasterSpeedSaysTheSameSooner_data();
    void aFasterSpeedSaysTheSameSooner();
    void stoppingCutsOffAndReportsTheEnd();
    void stoppingBeforeTheBeginningReportsNothing();
    void speakingAgainCutsOffTheFormerUtterance_data();
    void speakingAgainCutsOffTheFormerUtterance();
    void withoutVoicesNothingIsSaid();

private:
    // One voice of each engine: Flite's American man, espeak-ng's British English.
    static void voicesOfBothEngines() {
        QTest::addColumn<int>("mode");
        QTest::newRow("Flite RMS") << 1;
        QTest::newRow("espeak-ng en-gb") << 2;
    }
};

void SynthesizedSpeechTest::theInstalledVoicesAreNumberedFromTheMostNatural() {
    const SilentSpeech speech(1);
    QVERIFY(speech.IsAvailable());
    QCOMPARE(speech.ModeName(1), QStringLiteral("English (America) RMS, male"));
    // espeak-ng's voices keep the numbers they had from 2 on; its American voice, formerly the
    // first, follows them, then Flite's other voices.
    QCOMPARE(speech.ModeName(2), QStringLiteral("English (Great Britain)"));
    const QStringList after = {QStringLiteral("English (America)"),
                               QStringLiteral("English (America) SLT, female"),
                               QStringLiteral("English (Scotland) AWB, male"),
                               QStringLiteral("English (America) KAL16, male, diphone")};
    QStringList names;
    for (int mode = 1; mode <= speech.ModeCount(); ++mode)
        names << speech.ModeName(mode);
    const qsizetype at = names.indexOf(after.first());
    QVERIFY2(at > 1, qPrintable(names.join(QLatin1Char('|'))));
    QCOMPARE(names.mid(at, after.size()), after);
    QCOMPARE(names.size(), QSet<QString>(names.begin(), names.end()).size());
    for (const QString& name : names)
        QVERIFY2(name.startsWith(QStringLiteral("English")), qPrintable(name));
    QVERIFY(speech.ModeName(0).isEmpty());
    QVERIFY(speech.ModeName(speech.ModeCount() + 1).isEmpty());
}

void SynthesizedSpeechTest::anUtteranceBeginsThenEndsAfterItsDuration_data() {
    voicesOfBothEngines();
}

void SynthesizedSpeechTest::anUtteranceBeginsThenEndsAfterItsDuration() {
    QFETCH(int, mode);
    SilentSpeech speech(mode);
    Notifications notifications(speech);
    QVERIFY(!speech.IsSpeaking());
    const qint64 elapsed = TimeToSay(speech, Sentence);
    QVERIFY(elapsed > 0);
    QCOMPARE(notifications.seen, QStringList({"begin", "end"}));
    QVERIFY(notifications.onRightThread);
    // Some fourteen words at 170 a minute take seconds, not milliseconds.
    QVERIFY2(elapsed > 2000, qPrintable(QString::number(elapsed)));
    QVERIFY(!speech.IsSpeaking());

    // An unknown voice number still speaks, with the first voice.
    speech.SetMode(99);
    QVERIFY(TimeToSay(speech, QStringLiteral("abandon")) > 0);
    QCOMPARE(notifications.seen, QStringList({"begin", "end", "begin", "end"}));
}

void SynthesizedSpeechTest::aFasterSpeedSaysTheSameSooner_data() {
    voicesOfBothEngines();
}

void SynthesizedSpeechTest::aFasterSpeedSaysTheSameSooner() {
    QFETCH(int, mode);
    SilentSpeech speech(mode);
    speech.SetSpeed(100);
    const qint64 slow = TimeToSay(speech, Sentence);
    speech.SetSpeed(400);
    const qint64 fast = TimeToSay(speech, Sentence);
    QVERIFY(slow > 0 && fast > 0);
    QVERIFY2(fast * 2 < slow, qPrintable(QStringLiteral("%1 ms / %2 ms").arg(fast).arg(slow)));
}

void SynthesizedSpeechTest::stoppingCutsOffAndReportsTheEnd() {
    SilentSpeech speech(1);
    Notifications notifications(speech);
    QSignalSpy started(&speech, &SpeechEngine::SpeakingStarted);
    speech.Speak(Sentence);
    QVERIFY(speech.IsSpeaking());
    QVERIFY(started.wait(10000));
    speech.Stop();
    QVERIFY(!speech.IsSpeaking());
    QTRY_COMPARE(notifications.seen, QStringList({"begin", "end"}));
    QTest::qWait(300);
    QCOMPARE(notifications.seen, QStringList({"begin", "end"}));
}

void SynthesizedSpeechTest::stoppingBeforeTheBeginningReportsNothing() {
    SilentSpeech speech(1);
    QVERIFY(speech.IsAvailable());
    Notifications notifications(speech);
    speech.Speak(Sentence);
    speech.Stop();
    QVERIFY(!speech.IsSpeaking());
    QTest::qWait(500);
    QVERIFY(notifications.seen.isEmpty());
}

void SynthesizedSpeechTest::speakingAgainCutsOffTheFormerUtterance_data() {
    voicesOfBothEngines();
}

void SynthesizedSpeechTest::speakingAgainCutsOffTheFormerUtterance() {
    QFETCH(int, mode);
    SilentSpeech speech(mode);
    Notifications notifications(speech);
    QSignalSpy started(&speech, &SpeechEngine::SpeakingStarted);
    speech.Speak(Sentence);
    QVERIFY(started.wait(10000));
    QElapsedTimer clock;
    clock.start();
    speech.Speak(QStringLiteral("ability"));
    QTRY_COMPARE_WITH_TIMEOUT(notifications.seen, QStringList({"begin", "end", "begin", "end"}),
                              10000);
    // The long sentence did not play out before the short word.
    QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
}

namespace {
struct NoVoices : VoiceSynthesizer {
    QStringList VoiceNames() override { return {}; }
    SynthesizedSound Synthesize(const QString&, int, int, const std::function<bool()>&) override {
        return {};
    }
};
} // namespace

void SynthesizedSpeechTest::withoutVoicesNothingIsSaid() {
    SynthesizedSpeech speech(std::make_unique<NoVoices>(), SynthesizedSpeech::Output::Silent);
    Notifications notifications(speech);
    QVERIFY(!speech.IsAvailable());
    QCOMPARE(speech.ModeCount(), 0);
    QVERIFY(speech.ModeName(1).isEmpty());
    speech.Speak(Sentence);
    QVERIFY(!speech.IsSpeaking());
    QTest::qWait(200);
    QVERIFY(notifications.seen.isEmpty());
}

QTEST_GUILESS_MAIN(SynthesizedSpeechTest)
#include "synthesizedspeech_test.moc"
