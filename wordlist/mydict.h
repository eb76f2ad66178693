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
// Shown, with the book's path, when an entry cannot be added to it.
inline constexpr QStringView MyDictWriteErrorMessage = u"无法写入生词本:\n%1";
// Appends one entry line (and CR LF) to the book file, creating it. When the file cannot be read
// or written (no permission, a folder in its place) it stays as it was, the user is told with
// MyDictWriteErrorMessage, and false is returned.
bool AppendToMyDict(AppState& app, const QString& line);
// Removes the current word from the loaded book, or refuses with a message when another list
// is loaded. Only the loaded list changes; the file follows at SaveMyDict.
void DeleteFromMyDict(AppState& app);
// Writes the loaded book back to its file. Does nothing when another list is loaded, and also
// when the setting names the book but the list in memory came from another file (the book was
// missing at start-up and the default list was loaded in its place).
// False when the file could not be written (it then stays as it was).
bool SaveMyDict(const AppState& app);

} // namespace lexarion
