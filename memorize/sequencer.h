#pragma once

// The stepping of the word window, without the window: which word of the current group comes
// next in each order, how an entry is put on the three labels, when the word is spoken and a
// held-back explanation revealed, and how the word timer and the one-shot speech delay pace
// the words. The window shows what the sequencer decides; the play state is the check mark of
// the memorization menu's play item, which lives on the hidden owner window.
//
// Every setting is read at each step, so what a dialog or the study plan writes applies from
// the next word on.

#include <QObject>
#include <QString>
#include <QStringView>
#include <QTimer>
#include <deque>
#include <functional>

namespace lexarion {

class AppState;

inline constexpr QStringView EmptyWordListText = u"词库里没有任何内容";
// The labels show at most this many characters of a field: far more than any real word or
// explanation, while a damaged or foreign file's line of a megabyte ends in "…" instead of
// taking the window minutes to measure, draw and speak (and a word of that length cannot be
// drawn large enough to read anyway).
inline constexpr qsizetype MaxWordLength = 200;
inline constexpr qsizetype MaxExplanationLength = 2000;
inline constexpr int DefaultWordIntervalMs = 3000;
inline constexpr int SpeechDelayMs = 500;
// With speech off nothing reports the end of a word's speech: a held-back explanation then
// appears this long after the speech delay.
inline constexpr int SilentRevealPauseMs = 800;

// One text label of the word window.
struct WordLabel {
    QString text;
    bool visible = false;
};

// What the sequencer asks of the window that shows its labels.
class WordDisplay {
public:
    virtual ~WordDisplay() = default;
    // The window is on the screen; while it is not, the sequencer does not step.
    virtual bool IsShown() const = 0;
    // Place the labels; the last two also make their label visible.
    virtual void PrintWord() = 0;
    virtual void PrintPronounce() = 0;
    virtual void PrintExplanation() = 0;
};

// The memorization menu's play item "循环播放(&P)" and the menu refresh, on the owner window.
class PlayMenu {
public:
    virtual ~PlayMenu() = default;
    virtual void RememberFormCheckMainMenu() = 0;
    virtual bool IsPlayChecked() const = 0;
    virtual void SetPlayChecked(bool checked) = 0;
};

// Where the word window stands, as the timers and the speech notifications make it.
enum class PlaybackPhase {
    Paused,          // play unchecked and nothing pending
    WaitingToSpeak,  // a word is shown and the speech delay runs
    Speaking,        // the word is being spoken; the word timer waits for the end
    WaitingForNext,  // the word timer runs towards the next word
    RevealingSilent, // speech is off; a held-back explanation waits for its pause
};

class Sequencer : public QObject {
    Q_OBJECT
public:
    Sequencer(AppState& app, WordDisplay& display, PlayMenu& menu, QObject* parent = nullptr);

    // The three labels of the window.
    WordLabel Word;
    WordLabel Pronounce;
    WordLabel Explanation;

    // The word timer (repeating, 3000 ms until set otherwise) and the speech delay (one-shot).
    QTimer& Timer1() { return timer1_; }
    QTimer& Timer2() { return timer2_; }
    // The word timer's interval in milliseconds, kept while it runs.
    void SetWordInterval(int milliseconds);
    // The stored "WordInterval" (seconds, whole, 1 to 60) applied to the word timer.
    void ApplyStoredWordInterval();

    // Toggles between playing and paused.
    void StartPlay();
    // Steps to the next word of the group and shows it.
    void PlayNext();
    // The word shown before: in order the one before the shown one (the first word stays the
    // first); in reverse and random order the word that was on the window before this one.
    void PreWord();
    // The next word at once, then a plan step.
    void NextWord();
    // Speaks the shown word again.
    void ReadAgain();
    // The group commands; the next step finds the position outside the new group.
    void PreviousGroup();
    void NextGroup();

    // The speech notifications as the owner window passes them on.
    void SpeechStarted();
    void SpeechEnded();

    PlaybackPhase Phase() const;
    bool IsPlaying() const { return menu_.IsPlayChecked(); }
    // The explanation text is set but waits for the end of the word's speech.
    bool IsExplanationHeldBack() const { return explanationHeldBack_; }

    // The text handed to the speech engine for `word`: upper case, spelled letter by letter
    // first when "SpeakLetter" is on and the word has no space, every "." made a ",".
    static QString MakeSpeechText(const AppState& app, const QString& word);

    // The draw of the random order: a position in first..last (both inclusive). Replaceable so
    // that a test can drive it; the default re-seeds from the clock at every draw.
    using RandomDraw = std::function<qint32(qint32 first, qint32 last)>;
    void SetRandomDraw(RandomDraw draw) { randomDraw_ = std::move(draw); }

private:
    qint32 NextPosition(qint32 first, qint32 last);
    void ShowPosition(qint32 position);
    void OnWordTimer();
    void OnSpeechDelay();
    void RememberShown(qint32 position);

    AppState& app_;
    WordDisplay& display_;
    PlayMenu& menu_;
    QTimer timer1_;
    QTimer timer2_;
    QTimer revealTimer_;
    bool explanationHeldBack_ = false;
    bool speaking_ = false;
    RandomDraw randomDraw_;
    // The positions shown last, newest at the back, with the list they belong to.
    struct Shown {
        qint32 position;
        QString list;
    };
    std::deque<Shown> history_;
};

// The owner window's handlers of the speech engine's notifications. `speakingStarted` is its
// `RememberFormSpeakingStarted`; `wordWindow` the open word window's sequencer or null.
// The start pauses the word timer, so the interval to the next word runs from the end of the
// speech; the end reveals a held-back explanation and restarts the word timer while playing.
void SpeechStartHandler(bool& speakingStarted, Sequencer* wordWindow);
void SpeechEndHandler(bool& speakingStarted, Sequencer* wordWindow);

} // namespace lexarion
