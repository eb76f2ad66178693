#pragma once

// The user's new-word book users/<user>/MyDict.wsl, a word list of its own. While another list
// is loaded the file is the only copy and additions go straight to it; while the book is the
// loaded list, the loaded list is the working copy and SaveMyDict writes it back.

#include <QString>

namespace lexarion {

class AppState;

inline constexpr auto MyDictFileName = u"MyDict.wsl";

QString MyDictPath(const AppState& app);

// True when the "DictionaryFile" setting names the book, in any letter case.
bool IsMyDictLoaded(const AppState& app);
// Adds the current word to the book, or refuses with a message when the book is the loaded list.
void AddToMyDict(AppState& app);
// Appends one entry line (and CR LF) to the book file, creating it; errors pass silently.
void AppendToMyDict(const AppState& app, const QString& line);
// Removes the current word from the loaded book, or refuses with a message when another list
// is loaded. Only the loaded list changes; the file follows at SaveMyDict.
void DeleteFromMyDict(AppState& app);
// Writes the loaded book back to its file. Does nothing when another list is loaded, and also
// when the setting names the book but the list in memory came from another file (the book was
// missing at start-up and the default list was loaded in its place).
void SaveMyDict(const AppState& app);

} // namespace lexarion
