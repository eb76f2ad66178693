#pragma once

// Groups and the study plan. The loaded word list is studied one group of "GroupSize" words at
// a time; "Group" is the current group, numbered from 1. The plan, when "RunPlan" is "1", moves
// the current group on by itself: each time it is opened it starts seven groups behind the
// newest one with the explanation held back for review, and it takes one new group into the
// plan per calendar day ("LastPlanGroup", "LastPlanDate").
//
// Nothing is kept here: every value is read from the user's settings file at every call, and
// the reading position is the shared `AppState::currentWordIndex`.

#include <QtGlobal>

namespace lexarion {

class AppState;

// 1-based positions in the word list, both inclusive; an empty list gives (1, 0).
struct GroupRange {
    qint32 first = 1;
    qint32 last = 0;
    friend bool operator==(const GroupRange&, const GroupRange&) = default;
};

// The range of the current group. With grouping off, the whole list. A group size below 1 or
// above the count is taken as 1, a group out of range as the last group; the corrections are
// not written back.
GroupRange GetGroupRange(const AppState& app);

// The previous / next group commands. They work from the stored "Group" and "GroupSize" taken as
// whole numbers, never wrap, and leave `currentWordIndex` alone (the next step of the word
// window finds it outside the new range). Settings that are not whole numbers of at least 1
// make them do nothing.
void PreviousGroup(const AppState& app);
void NextGroup(const AppState& app);

// Whether the memorization menu enables its previous / next group items: grouping is on and the
// command would change the group.
bool IsPreviousGroupEnabled(const AppState& app);
bool IsNextGroupEnabled(const AppState& app);

// Run by the word window and the must-remember window as they open, before their first word.
// Both do nothing unless the plan runs; both turn grouping on and go back to group
// "LastPlanGroup" - 7 (at least 1). The word window also forces the order "in order" and holds
// the explanation back unless the plan has not taken any group yet.
void OpenPlanForWordWindow(const AppState& app);
void OpenPlanForMustRemember(const AppState& app);

// One plan step, run after each word shown. Does nothing unless the plan runs. When the
// current group has been gone through, moves on to the next group (leaving `currentWordIndex`
// just before its first word), or, for the new group, takes it into the plan on a later day.
void AdvancePlan(AppState& app);

} // namespace lexarion
