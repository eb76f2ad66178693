#include "memorize/mustremember.h"

#include "core/appstate.h"
#include "core/settingkeys.h"
#include "core/settings.h"
#include "memorize/studyplan.h"
#include "platform/numbertext.h"
#include "wordlist/mydict.h"
#include "wordlist/wordentry.h"

#include <algorithm>
#include <limits>

namespace lexarion {

namespace {

// A setting as a whole number, rounded, held within the range of `int` whatever the file says.
int RoundedInt(const QString& text) {
    const double value = RoundHalfEven(NumberValue(text));
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    if (!(value >= low)) // also catches a NaN
        return std::numeric_limits<int>::min();
    return int(std::min(value, high));
}

bool ReadSwitch(const AppState& app, const SettingKey& key) {
    return NumberValue(ReadSetting(app, key)) != 0;
}

} // namespace

bool IsMustRememberEnabled(const AppState& app) {
    return ReadSetting(app, setting::EnableMustRemember, u"0"_qs) == u"1";
}

bool HasTestWords(const AppState& app) {
    return !app.wordList.IsEmpty();
}

bool MustRememberMinuteTick(const AppState& app, int& counter) {
    if (app.dialogShowing || !IsMustRememberEnabled(app))
        return false;
    const int interval = RoundedInt(ReadSetting(app, setting::ShowInterval, u"3"_qs));
    if (counter < interval) {
        ++counter;
        return false;
    }
    counter = 1;
    return true;
}

MustRememberTest::MustRememberTest(AppState& app) : app_(app) {}

void MustRememberTest::Load() {
    OpenPlanForMustRemember(app_);
    NextTestWord();
    AdvancePlan(app_);
}

void MustRememberTest::NextTestWord() {
    const GroupRange range = GetGroupRange(app_);
    qint64 position = qint64(app_.currentWordIndex) + 1;
    if (position < range.first || position > range.last)
        position = range.first;
    app_.currentWordIndex = qint32(position);
    const QString entry = app_.wordList.Item(position);

    wordVisible_ = ReadSwitch(app_, setting::TestShowWord);
    explanationVisible_ = ReadSwitch(app_, setting::TestShowExplanation);
    pronounceVisible_ = ReadSwitch(app_, setting::TestShowPronounce);
    word_ = EntryWord(entry, QString());
    pronounce_ = EntryPronounce(entry, u"//"_qs);
    explanation_ = EntryExplanation(entry, QString());
    SetMessage(MustRememberIntroMessage.toString(), MessageRed);
    remainingEntries_ = 1;
}

void MustRememberTest::Continue() {
    NextTestWord();
    AdvancePlan(app_);
}

void MustRememberTest::CheckTypedWord(const QString& typed) {
    if (typed.compare(word_, Qt::CaseInsensitive) != 0) {
        SetMessage(MustRememberWrongMessage.toString(), MessageRed);
        return;
    }
    --remainingEntries_;
    wordVisible_ = true;
    if (remainingEntries_ >= 1) {
        SetMessage(u"恭喜!本次输入正确.但你还要罚写 "_qs + QString::number(remainingEntries_) +
                       u" 次,按回车继续."_qs,
                   MessageBlue);
    } else if (app_.currentWordIndex < GetGroupRange(app_).last) {
        SetMessage(MustRememberNextMessage.toString(), MessageBlue);
    } else {
        SetMessage(MustRememberGroupDoneMessage.toString(), MessageBlue);
    }
}

void MustRememberTest::GiveUp() {
    wordVisible_ = pronounceVisible_ = explanationVisible_ = true;
    remainingEntries_ = RoundedInt(ReadSetting(app_, setting::RepeatTimes));
    if (!IsMyDictLoaded(app_))
        AddToMyDict(app_);
    SetMessage(u"因为你不懂这个单词,所以此单词将到你的生词库中,并且你要罚写这个单词 "_qs +
                   QString::number(remainingEntries_) + u" 次"_qs,
               MessageRed);
}

void MustRememberTest::SetMessage(const QString& text, qint32 color) {
    message_ = text;
    messageColor_ = color;
}

QString ClampToMinimum(const QString& text, int minimum) {
    const QString lowest = QString::number(minimum);
    if (!IsNumericText(text))
        return lowest;
    const double number = NumberValue(text);
    const std::optional<qint32> value = RoundToInt32(number);
    if (!value) // beyond a whole number: the largest one, or the minimum for a negative one
        return number > 0 ? QString::number(std::max(std::numeric_limits<qint32>::max(), minimum))
                          : lowest;
    if (*value < minimum)
        return lowest;
    return QString::number(*value);
}

} // namespace lexarion
