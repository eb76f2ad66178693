#pragma once

// The three progress slots of the memorization menu, and the position kept when the word window
// closes. A slot holds a word list's file name (as "DictionaryFile" names it) and a reading
// position; loading it loads that list and makes the group holding the position current, so the
// next step shows the word after the saved one.

#include <QString>

namespace lexarion {

class AppState;

inline constexpr int ProgressSlotCount = 3;

// The caption of slot `n` in both slot submenus: the file name and the position in brackets,
// for example "cet-4.wsl[120]".
QString ProgressSlotCaption(const AppState& app, int n);
// Stores the loaded list's name and `currentWordIndex` in slot `n`; returns its new caption.
QString SaveProgressSlot(const AppState& app, int n);
// Loads slot `n`: the new-word book is written back first when it is the loaded list, then
// the slot's list is loaded and the position and its group restored.
void LoadProgressSlot(AppState& app, int n);

// What the word window keeps when it closes ("SaveLastDictionaryFile", "SaveLast").
void SaveLastProgress(const AppState& app);
// "上一次的进度": the position kept at the last closing of the word window, loaded as a slot.
void LoadLastProgress(AppState& app);

} // namespace lexarion
