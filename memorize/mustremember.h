#pragma once

// The must-remember test: when "EnableMustRemember" is on, a small window pops up every
// "ShowInterval" minutes with the next word of the current group and stays until the word has
// been typed correctly. A word the user does not know is revealed, goes into the new-word book
// and must then be typed "RepeatTimes" times.
//
// This is the test's logic without the window: the minute count of the owner window, the word
// chosen, what is shown, the typing check and its messages, and which buttons may be used. All
// settings are read at each use.

#include <QString>
#include <QStringView>

namespace lexarion {

class AppState;

inline constexpr QStringView MustRememberTitle = u"不得不记单词";
inline constexpr QStringView MustRememberIntroMessage =
    u"因为你开启了不得不记单词这项功能,所以会出现本窗口,现在请你输入上面显示的英文单词,"
    u"输入正确后即可关闭本窗口,如果你不懂这个单词请按“不懂”后即可显示答案,"
    u"输入完成后请按“回车”键.";
inline constexpr QStringView MustRememberWrongMessage =
    u"输入错误!请重新输入.如果你不懂这个单词按“不懂”即可显示答案.";
inline constexpr QStringView MustRememberNextMessage = u"恭喜!输入正确.按ESC关闭窗口,或按回车继续.";
inline constexpr QStringView MustRememberGroupDoneMessage =
    u"恭喜!你已完成当前组所有单词的测试！按ESC关闭窗口.";
inline constexpr QStringView MustRememberCloseRefusal = u"请你输入显示的英文单词后再退出.";
inline constexpr QStringView MustRememberCloseRefusalTitle = u"不能退出";

// The message's colour numbers (red + 256 × green + 65536 × blue).
inline constexpr qint32 MessageRed = 255;
inline constexpr qint32 MessageBlue = 16711680;

// True when "EnableMustRemember" is exactly "1".
bool IsMustRememberEnabled(const AppState& app);

// A test needs a word to show: none is shown while the loaded list is empty.
bool HasTestWords(const AppState& app);

// One tick of the owner window's minute timer. `counter` counts the minutes since the last
// test (1 after the owner window loaded). Nothing happens while a program dialog is showing or
// the feature is off; otherwise the counter runs up to "ShowInterval" and the tick that finds
// it there restarts it at 1 and returns true: the test is due.
bool MustRememberMinuteTick(const AppState& app, int& counter);

// The state of the test window: the word on show, what can be seen, the message, and how many
// correct entries are still required before the window may close.
class MustRememberTest {
public:
    explicit MustRememberTest(AppState& app);

    // The window's load: the plan's opening step, the first word, a plan step.
    void Load();
    // The next word of the current group, always in list order, wrapping to the group's first.
    void NextTestWord();
    // The next word followed by a plan step, as Enter and "继续" do after a correct entry.
    void Continue();
    // Checks `typed` against the word, ignoring letter case only. The caller empties the
    // clipboard first.
    void CheckTypedWord(const QString& typed);
    // "不懂": everything is shown, the word goes into the new-word book (unless the book is the
    // loaded list) and must be typed "RepeatTimes" times.
    void GiveUp();

    const QString& Word() const { return word_; }
    const QString& Pronounce() const { return pronounce_; }
    const QString& Explanation() const { return explanation_; }
    bool WordVisible() const { return wordVisible_; }
    bool PronounceVisible() const { return pronounceVisible_; }
    bool ExplanationVisible() const { return explanationVisible_; }
    const QString& Message() const { return message_; }
    qint32 MessageColor() const { return messageColor_; }
    int RemainingEntries() const { return remainingEntries_; }

    // "继续" and "关闭" go with a finished word, "不懂" with one still to be typed.
    bool CanContinue() const { return remainingEntries_ < 1; }
    bool CanGiveUp() const { return !CanContinue(); }
    // The window may close only when the word has been typed as often as required.
    bool MayClose() const { return CanContinue(); }

private:
    void SetMessage(const QString& text, qint32 color);

    AppState& app_;
    QString word_;
    QString pronounce_;
    QString explanation_;
    bool wordVisible_ = true;
    bool pronounceVisible_ = true;
    bool explanationVisible_ = true;
    QString message_;
    qint32 messageColor_ = MessageRed;
    int remainingEntries_ = 1;
};

// The settings dialog's normalisation of its number boxes: a text that is not a number gives
// `minimum`; a number is rounded to a whole number (halves to even) and raised to `minimum`.
QString ClampToMinimum(const QString& text, int minimum);

} // namespace lexarion
