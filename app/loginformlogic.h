#pragma once

// The login's decisions, without the window: the name the login window starts with, which
// names are accepted, and what a successful login prepares on disk.

#include <QString>

namespace lexarion {

class AppState;

inline constexpr QStringView InvalidUserNameMessage =
    u"对不起，名字只能含有字母或数字，并且不能为空值.";

// The name the login window shows first: "LastUser" of the global settings file, read as it is
// stored; "Default" when the file or the key is missing, "default" when the key is empty.
QString LastUserName(const AppState& app);

// True when every byte of the name in the code page is a letter a-z, A-Z or a digit 0-9. A
// Chinese character's bytes lie outside these ranges, so it fails like blanks and punctuation.
// The empty name passes here; the login refuses it on its own.
bool IsValidUserName(const QString& name);

// The login of `name` as typed: false (nothing changed) for an empty or invalid name, or for
// a name longer than the file system allows for a folder.
// Otherwise users/ is created when missing, then the user's folder below it unless a folder of
// that name exists in any letter case, and `currentUser` becomes `name`.
bool LogInUser(AppState& app, const QString& name);

} // namespace lexarion
