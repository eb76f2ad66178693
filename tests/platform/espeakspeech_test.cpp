// The espeak-ng engine, silent: each utterance reports its beginning and then its end on the
// thread that asked for it, lasts as long as it would sound, and can be cut off.

#include "platform/espeakspeech.h"

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
qint64 TimeToSay(EspeakSpeech& speech, const QString& text) {
    QSignalSpy finished(&speech, &SpeechEngine::SpeakingFinished);
    QElapsedTimer clock;
    clock.start();
    speech.Speak(text);
    if (!finished.wait(20000))
        return -1;
    return clock.elapsed();
}

} // namespace

class EspeakSpeechTest : public QObject {
    Q_OBJECT
private slots:
    void theEngineOffersItsEnglishVoices();
    void anUtteranceBeginsThenEndsAfterItsDuration();
    void aFasterSpeedSaysTheSameSooner();
    void stoppingCutsOffAndReportsTheEnd();
    void stoppingBeforeTheBeginningReportsNothing();
    void speakingAgainCutsOffTheFormerUtterance();
    void theSpeedIsHeldWithinTheEnginesRange();
};

void EspeakSpeechTest::theEngineOffersItsEnglishVoices() {
    EspeakSpeech speech(EspeakSpeech::Output::Silent);
    QVERIFY(speech.IsAvailable());
    QVERIFY(speech.ModeCount() >= 2);
    QCOMPARE(speech.ModeName(1), QStringLiteral("English (America)"));
    QCOMPARE(speech.ModeName(2), QStringLiteral("English (Great Britain)"));
    for (int mode = 1; mode <= speech.ModeCount(); ++mode)
        QVERIFY2(speech.ModeName(mode).startsWith(QStringLiteral("English")),
                 qPrintable(speech.ModeName(mode)));
    QVERIFY(speech.ModeName(0).isEmpty());
    QVERIFY(speech.ModeName(speech.ModeCount() + 1).isEmpty());
}

void EspeakSpeechTest::anUtteranceBeginsThenEndsAfterItsDuration() {
    EspeakSpeech speech(EspeakSpeech::Output::Silent);
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

void EspeakSpeechTest::aFasterSpeedSaysTheSameSooner() {
    EspeakSpeech speech(EspeakSpeech::Output::Silent);
    speech.SetSpeed(100);
    const qint64 slow = TimeToSay(speech, Sentence);
    speech.SetSpeed(400);
    const qint64 fast = TimeToSay(speech, Sentence);
    QVERIFY(slow > 0 && fast > 0);
    QVERIFY2(fast * 2 < slow, qPrintable(QStringLiteral("%1 ms / %2 ms").arg(fast).arg(slow)));
}

void EspeakSpeechTest::stoppingCutsOffAndReportsTheEnd() {
    EspeakSpeech speech(EspeakSpeech::Output::Silent);
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

void EspeakSpeechTest::stoppingBeforeTheBeginningReportsNothing() {
    EspeakSpeech speech(EspeakSpeech::Output::Silent);
    QVERIFY(speech.IsAvailable());
    Notifications notifications(speech);
    speech.Speak(Sentence);
    speech.Stop();
    QVERIFY(!speech.IsSpeaking());
    QTest::qWait(500);
    QVERIFY(notifications.seen.isEmpty());
}

void EspeakSpeechTest::speakingAgainCutsOffTheFormerUtterance() {
    EspeakSpeech speech(EspeakSpeech::Output::Silent);
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

void EspeakSpeechTest::theSpeedIsHeldWithinTheEnginesRange() {
    QCOMPARE(EspeakSpeech::EngineRate(170), 170);
    QCOMPARE(EspeakSpeech::EngineRate(0), 80);
    QCOMPARE(EspeakSpeech::EngineRate(-5), 80);
    QCOMPARE(EspeakSpeech::EngineRate(10000), 450);
}

QTEST_GUILESS_MAIN(EspeakSpeechTest)
#include "espeakspeech_test.moc"
