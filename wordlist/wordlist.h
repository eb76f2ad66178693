#pragma once

// Word-list files (*.wsl): one entry per line in the code page (or UTF-8), a line starting with
// ";" is a comment (the first one, by convention, the list's description), a line is an entry
// when it holds a "#" and is not a comment; every other line is ignored.

#include "core/linelist.h"

#include <QString>
#include <optional>

namespace lexarion {

class AppState;

using WordList = LineList;

// True when `line` is kept by the loaders of word lists and of the lookup files.
bool IsEntryLine(QStringView line);

// Replaces the content of `list` with the entries of the file at `path`. A missing file is
// created empty and reported as failure (so the next load succeeds with an empty list). On
// success `currentWordIndex` becomes 0; on failure it is left alone.
bool LoadWordList(const QString& path, WordList& list, qint32& currentWordIndex);
// The same on the program's loaded list; also records which file is loaded.
bool LoadWordList(AppState& app, const QString& path);

// The path of the list that "DictionaryFile" names: the new-word book in the user's folder for
// "MyDict.wsl" in any letter case, otherwise Dicts/<name>.
QString WordListPathForName(const AppState& app, const QString& name);

// The list's description: its first line without the ";" when that line is a comment (empty
// for a line of ";" alone); none when the first line is no comment or the file cannot be read.
// Reads only the start of the file.
std::optional<QString> ReadWordListDescription(const QString& path);

} // namespace lexarion
