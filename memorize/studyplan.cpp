#include "memorize/studyplan.h"

#include "core/appstate.h"
#include "core/settings.h"
#include "platform/numbertext.h"

#include <QDate>
#include <QString>
#include <algorithm>
#include <optional>

namespace lexarion {

namespace {

// A setting as a number, rounded.
double ReadRounded(const AppState& app, const SettingKey& key) {
    return RoundHalfEven(NumberValue(ReadSetting(app, key)));
}

// The plan's group numbers, rounded and held within ±10^15: far beyond any list, and small
// enough that adding or subtracting a few groups stays exact and can never overflow, whatever
// the file says ("1e300", "-1e300").
qint64 ReadPlanNumber(const AppState& app, const SettingKey& key) {
    constexpr double limit = 1e15;
    const double value = ReadRounded(app, key);
    if (!(value > -limit)) // also catches a NaN
        return qint64(-limit);
    return qint64(std::min(value, limit));
}

// Groups of `size` words in a list of `count` words, the last one possibly shorter.
qint64 GroupCount(qint64 count, qint64 size) {
    return (count + size - 1) / size;
}

// "GroupSize" and "Group" as the group commands take them: whole numbers of at least 1.
struct GroupSettings {
    qint32 size;
    qint32 group;
};

std::optional<GroupSettings> ReadGroupSettings(const AppState& app) {
    const std::optional<qint32> size = TextToInt32(ReadSetting(app, setting::GroupSize));
    const std::optional<qint32> group = TextToInt32(ReadSetting(app, setting::Group));
    if (!size || !group || *size < 1 || *group < 1)
        return std::nullopt;
    return GroupSettings{*size, *group};
}

// The group each command would make current, or nothing when it would do nothing.
std::optional<qint32> PreviousGroupNumber(const AppState& app) {
    const std::optional<GroupSettings> settings = ReadGroupSettings(app);
    if (!settings || settings->group < 2)
        return std::nullopt;
    return settings->group - 1;
}

std::optional<qint32> NextGroupNumber(const AppState& app) {
    const std::optional<GroupSettings> settings = ReadGroupSettings(app);
    if (!settings || GroupCount(app.wordList.Count(), settings->size) <= settings->group)
        return std::nullopt;
    return settings->group + 1; // below the group count, so it cannot overflow
}

bool IsGroupingOnForMenu(const AppState& app) {
    // The menu takes grouping as off for a fresh user; the group range takes it as on.
    return NumberValue(ReadSetting(app, setting::ShowAsGroup, u"0"_qs)) == 1;
}

bool PlanRuns(const AppState& app) {
    return ReadSetting(app, setting::RunPlan) == u"1";
}

// The opening common to both windows; the plan's newest group, or nothing when the plan is off.
std::optional<qint64> OpenPlan(const AppState& app) {
    if (!PlanRuns(app))
        return std::nullopt;
    const qint64 lastPlanGroup = ReadPlanNumber(app, setting::LastPlanGroup);
    WriteSetting(app, setting::ShowAsGroup, u"1"_qs);
    WriteSetting(app, setting::Group,
                 lastPlanGroup < 8 ? u"1"_qs : QString::number(lastPlanGroup - 7));
    return lastPlanGroup;
}

// On to the next group, or back to the start of this one when there is none; the window's next
// step, in order, then shows the group's first word.
void MoveToNextGroup(AppState& app) {
    NextGroup(app);
    app.currentWordIndex = GetGroupRange(app).first - 1;
}

} // namespace

GroupRange GetGroupRange(const AppState& app) {
    const qint32 count = app.wordList.Count();
    // Grouping is on until it is first written (the menu shows it off for a fresh user).
    if (Truncate(NumberValue(ReadSetting(app, setting::ShowAsGroup, u"1"_qs))) != 1)
        return {1, count};

    // Both numbers are checked as doubles before they are made integers, so that "1e300" or
    // "-1e300" is simply out of range.
    const double storedSize = ReadRounded(app, setting::GroupSize);
    const qint64 size = storedSize >= 1 && storedSize <= count ? qint64(storedSize) : 1;
    const qint64 groups = GroupCount(count, size);
    const double storedGroup = ReadRounded(app, setting::Group);
    const qint64 group =
        storedGroup >= 1 && storedGroup <= double(groups) ? qint64(storedGroup) : groups;

    const qint64 first = std::max<qint64>((group - 1) * size + 1, 1);
    const qint64 last = std::min<qint64>(group * size, count);
    return {qint32(first), qint32(last)};
}

void PreviousGroup(const AppState& app) {
    if (const std::optional<qint32> group = PreviousGroupNumber(app))
        WriteSetting(app, setting::Group, QString::number(*group));
}

void NextGroup(const AppState& app) {
    if (const std::optional<qint32> group = NextGroupNumber(app))
        WriteSetting(app, setting::Group, QString::number(*group));
}

bool IsPreviousGroupEnabled(const AppState& app) {
    return IsGroupingOnForMenu(app) && PreviousGroupNumber(app).has_value();
}

bool IsNextGroupEnabled(const AppState& app) {
    return IsGroupingOnForMenu(app) && NextGroupNumber(app).has_value();
}

void OpenPlanForWordWindow(const AppState& app) {
    const std::optional<qint64> lastPlanGroup = OpenPlan(app);
    if (!lastPlanGroup)
        return;
    WriteSetting(app, setting::Direction, u"0"_qs);
    WriteSetting(app, setting::DelayExplanation, *lastPlanGroup != 0 ? u"1"_qs : u"0"_qs);
}

void OpenPlanForMustRemember(const AppState& app) {
    OpenPlan(app);
}

void AdvancePlan(AppState& app) {
    if (!PlanRuns(app))
        return;
    const qint64 lastPlanGroup = ReadPlanNumber(app, setting::LastPlanGroup);
    // Rewritten at every step, so that the order cannot be changed while the plan runs.
    WriteSetting(app, setting::ShowAsGroup, u"1"_qs);
    WriteSetting(app, setting::Direction, u"0"_qs);

    const qint64 group = ReadPlanNumber(app, setting::Group);
    const GroupRange range = GetGroupRange(app);
    // An empty list has no group that could have been gone through.
    if (app.wordList.IsEmpty() || app.currentWordIndex < range.last)
        return;

    if (group < lastPlanGroup) { // a review group is finished
        MoveToNextGroup(app);
        return;
    }
    WriteSetting(app, setting::DelayExplanation, u"0"_qs);
    if (group == lastPlanGroup) { // the last review group is finished: on to the new one
        MoveToNextGroup(app);
        return;
    }

    // The new group has been gone through once more. It is taken into the plan the first time
    // this happens on a later day; a clock set back only moves the stored date.
    const QString today = app.Now().date().toString(u"yyyyMMdd");
    // A missing date counts as today's.
    const QString previous = ReadSetting(app, setting::LastPlanDate, today);
    WriteSetting(app, setting::LastPlanDate, today);
    if (today > previous)
        WriteSetting(app, setting::LastPlanGroup, QString::number(lastPlanGroup + 1));
    else if (today == previous)
        WriteSetting(app, setting::LastPlanGroup, QString::number(lastPlanGroup));
}

} // namespace lexarion
