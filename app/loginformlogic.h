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

// Shown when the user's folder cannot be had, with its path: something else (a file) has its
// name, or the program may not create it.
inline constexpr QStringView UserFolderErrorMessage =
    u"无法建立用户文件夹:\n%1\n该位置已有同名文件,或者没有写入权限.";

enum class LoginResult { LoggedIn, InvalidName, NoUserFolder };

// The login of `name` as typed: InvalidName (nothing changed) for an empty or invalid name, or
// for a name longer than the file system allows for a folder.
// Otherwise users/ is created when missing, then the user's folder below it unless a folder of
// that name exists in any letter case, and `currentUser` becomes `name`; NoUserFolder (and
// `currentUser` unchanged) when there is still no folder there, for a file of that name or a
// folder the program may not write in.
LoginResult LogInUser(AppState& app, const QString& name);
// The user's folder users/<name>, as the login finds or makes it.
QString UserFolderPath(const AppState& app, const QString& name);

} // namespace lexarion
