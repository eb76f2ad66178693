#include "memorize/sequencer.h"

#include "core/appstate.h"
#include "core/settings.h"
#include "memorize/speech.h"
#include "memorize/studyplan.h"
#include "platform/numbertext.h"
#include "wordlist/wordentry.h"

#include <algorithm>
#include <chrono>
#include <random>

namespace lexarion {

namespace {

// How many shown words the previous-word command can go back through.
constexpr size_t HistoryLength = 64;

// A switch is on when its value as a number is not 0.
bool SwitchOn(const AppState& app, const SettingKey& key) {
    return NumberValue(ReadSetting(app, key)) != 0;
}
bool SwitchOn(const AppState& app, const SettingKey& key, const QString& siteDefault) {
    return NumberValue(ReadSetting(app, key, siteDefault)) != 0;
}

double Direction(const AppState& app) {
    return RoundHalfEven(NumberValue(ReadSetting(app, setting::Direction)));
}

qint32 ClockDraw(qint32 first, qint32 last) {
    // Seeded from the clock at every draw; in nanoseconds, so that draws following each other
    // within one millisecond still differ.
    const auto now = quint64(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed{quint32(now), quint32(now >> 32)};
    std::mt19937 generator(seed);
    std::uniform_int_distribution<qint32> pick(first, last);
    return pick(generator);
}

} // namespace

Sequencer::Sequencer(AppState& app, WordDisplay& display, PlayMenu& menu, QObject* parent)
    : QObject(parent), app_(app), display_(display), menu_(menu), randomDraw_(ClockDraw) {
    timer1_.setInterval(DefaultWordIntervalMs);
    connect(&timer1_, &QTimer::timeout, this, &Sequencer::OnWordTimer);
    timer2_.setInterval(SpeechDelayMs);
    connect(&timer2_, &QTimer::timeout, this, &Sequencer::OnSpeechDelay);
    revealTimer_.setSingleShot(true);
    revealTimer_.setInterval(SilentRevealPauseMs);
    connect(&revealTimer_, &QTimer::timeout, this, [this] {
        if (!explanationHeldBack_)
            return;
        explanationHeldBack_ = false;
        display_.PrintExplanation();
    });
}

void Sequencer::SetWordInterval(int milliseconds) {
    timer1_.setInterval(std::max(1, milliseconds));
}

void Sequencer::ApplyStoredWordInterval() {
    const double seconds = RoundHalfEven(NumberValue(ReadSetting(app_, setting::WordInterval)));
    // The settings dialog offers 1 to 60 seconds; anything else in the file is held to that.
    SetWordInterval(int(std::clamp(seconds, 1.0, 60.0)) * 1000);
}

void Sequencer::StartPlay() {
    menu_.RememberFormCheckMainMenu();
    menu_.SetPlayChecked(!menu_.IsPlayChecked());
    if (menu_.IsPlayChecked()) {
        PlayNext();
        timer1_.start();
    } else {
        // A word being spoken is not cut off.
        timer1_.stop();
        timer2_.stop();
    }
}

qint32 Sequencer::NextPosition(qint32 first, qint32 last) {
    const qint32 current = app_.currentWordIndex;
    const double direction = Direction(app_);
    qint32 next;
    if (direction == 0) {
        next = current + 1;
        if (next < first || next > last)
            next = first;
    } else if (direction == 1) {
        next = current - 1;
        if (next < first || next > last)
            next = last;
    } else {
        // The shown word is left out of the draw, so the same word never comes twice in a row
        // while the group has another one.
        if (current >= first && current <= last && last > first) {
            next = randomDraw_(first, last - 1);
            if (next >= current)
                ++next;
        } else {
            next = randomDraw_(first, last);
        }
        if (next < first || next > last)
            next = first;
    }
    return next;
}

void Sequencer::PlayNext() {
    if (app_.wordList.Count() == 0) {
        Word.text = EmptyWordListText.toString();
        display_.PrintWord();
        return;
    }
    if (!display_.IsShown())
        return;
    const GroupRange range = GetGroupRange(app_);
    ShowPosition(NextPosition(range.first, range.last));
}

void Sequencer::ShowPosition(qint32 position) {
    app_.currentWordIndex = position;
    if (position < 1 || position > app_.wordList.Count())
        return;
    const QStringList fields = app_.wordList.Item(position).split(u'#');
    if (fields.size() < 2)
        return;
    RememberShown(position);
    revealTimer_.stop();

    Word.visible = Pronounce.visible = Explanation.visible = false;
    const auto field = [&fields](qsizetype i) {
        QString text = TrimSpaces(fields[i]).toString();
        const qsizetype limit = i == 1 ? MaxExplanationLength : MaxWordLength;
        if (text.size() > limit) {
            qsizetype keep = limit;
            if (text.at(keep - 1).isHighSurrogate())
                --keep; // never half a character
            text = text.left(keep) + u'…';
        }
        return text;
    };
    Word.text = field(0);
    Word.visible = SwitchOn(app_, setting::ShowWord);
    Pronounce.text =
        SwitchOn(app_, setting::ShowPronounce) && fields.size() >= 3 ? field(2) : QString();
    // Stepping shows the explanation of a user who never chose.
    const bool showExplanation = SwitchOn(app_, setting::ShowExplanation, QStringLiteral("1"));
    Explanation.text = showExplanation ? field(1) : QString();

    display_.PrintWord();
    display_.PrintPronounce();
    explanationHeldBack_ = showExplanation && SwitchOn(app_, setting::DelayExplanation);
    if (showExplanation && !explanationHeldBack_)
        display_.PrintExplanation();
    timer2_.start();
}

void Sequencer::RememberShown(qint32 position) {
    history_.push_back({position, app_.loadedWordListPath});
    if (history_.size() > HistoryLength)
        history_.pop_front();
}

void Sequencer::OnWordTimer() {
    PlayNext();
    AdvancePlan(app_);
}

void Sequencer::OnSpeechDelay() {
    timer2_.stop();
    // Stepping speaks for a user who never chose. Without an engine nothing would ever report
    // the end of a speech.
    if (SwitchOn(app_, setting::EnableSpeak, QStringLiteral("1")) && app_.speech)
        ReadAgain();
    else if (explanationHeldBack_)
        revealTimer_.start();
}

void Sequencer::ReadAgain() {
    SpeakText(app_.speech, MakeSpeechText(app_, Word.text));
}

void Sequencer::PreWord() {
    const double direction = Direction(app_);
    if (direction == 0) {
        app_.currentWordIndex -= 2;
        PlayNext();
        return;
    }
    if (app_.wordList.Count() == 0 || !display_.IsShown()) {
        PlayNext();
        return;
    }
    // Back through the words as they were shown: drop the shown one, then show the one before
    // it (which becomes the newest again). Without an earlier word the shown word stays.
    if (!history_.empty())
        history_.pop_back();
    while (!history_.empty()) {
        const Shown previous = history_.back();
        history_.pop_back();
        if (previous.list == app_.loadedWordListPath && previous.position >= 1 &&
            previous.position <= app_.wordList.Count()) {
            ShowPosition(previous.position);
            return;
        }
    }
    ShowPosition(app_.currentWordIndex);
}

void Sequencer::NextWord() {
    PlayNext();
    AdvancePlan(app_);
}

void Sequencer::PreviousGroup() {
    lexarion::PreviousGroup(app_);
}

void Sequencer::NextGroup() {
    lexarion::NextGroup(app_);
}

void Sequencer::SpeechStarted() {
    speaking_ = true;
    timer1_.stop();
}

void Sequencer::SpeechEnded() {
    speaking_ = false;
    // The same default as the step that held the explanation back; with "0" here a user who
    // never stored "ShowExplanation" would never see a held-back explanation.
    if (NumberValue(ReadSetting(app_, setting::ShowExplanation, QStringLiteral("1"))) == 1) {
        explanationHeldBack_ = false;
        display_.PrintExplanation();
    }
    if (menu_.IsPlayChecked())
        timer1_.start();
    else
        timer1_.stop();
}

PlaybackPhase Sequencer::Phase() const {
    if (timer2_.isActive())
        return PlaybackPhase::WaitingToSpeak;
    if (speaking_)
        return PlaybackPhase::Speaking;
    if (revealTimer_.isActive())
        return PlaybackPhase::RevealingSilent;
    if (timer1_.isActive())
        return PlaybackPhase::WaitingForNext;
    return PlaybackPhase::Paused;
}

QString Sequencer::MakeSpeechText(const AppState& app, const QString& word) {
    QString t = TrimSpaces(word.toUpper()).toString();
    if (SwitchOn(app, setting::SpeakLetter, QStringLiteral("0")) && !t.contains(u' ')) {
        QString spelled;
        for (const QChar c : t)
            spelled += c + u',';
        while (spelled.endsWith(u' '))
            spelled.chop(1);
        t = spelled + u',' + t;
    }
    t.replace(u'.', u',');
    return t;
}

void SpeechStartHandler(bool& speakingStarted, Sequencer* wordWindow) {
    if (speakingStarted)
        return;
    if (wordWindow)
        wordWindow->SpeechStarted();
    speakingStarted = true;
}

void SpeechEndHandler(bool& speakingStarted, Sequencer* wordWindow) {
    if (!speakingStarted)
        return;
    if (wordWindow)
        wordWindow->SpeechEnded();
    speakingStarted = false;
}

} // namespace lexarion
