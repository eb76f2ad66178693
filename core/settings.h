#pragma once

// The settings store: every setting is read from and written to a settings file at each use,
// nothing is cached. An empty `file` argument means the logged-in user's settings file
// users/<user>/config.ini; the caller's variable then holds that full path afterwards.

#include "core/settingkeys.h"

#include <QString>

namespace lexarion {

class AppState;

// Appends the path separator unless `path` already ends with it; changes `path` in place and
// returns it. The separator is "/" on this platform; an empty path becomes "/".
QString& AddBackslash(QString& path);
QString AddBackslash(const QString& path);
// The text before the first NUL character, or the whole text.
QString TrimAtNull(const QString& text);

// AddBackslash(program folder) + `relative`, each existing component found whatever its case.
QString ProgramFilePath(const AppState& app, const QString& relative);
// users/<currentUser>/ + `name`, below the program folder.
QString UserFilePath(const AppState& app, const QString& name);
QString UserSettingsFile(const AppState& app);
QString GlobalSettingsFile(const AppState& app);

// The stored value with trailing blanks removed and cut at a NUL; `defaultValue` unchanged when
// the key is missing or empty, or the file is missing or unreadable. At most 255 bytes.
QString ReadSetting(const AppState& app, const QString& section, const QString& key,
                    const QString& defaultValue, QString& file);
QString ReadSetting(const AppState& app, const QString& section, const QString& key,
                    const QString& defaultValue);

// Failures are not reported: a file that cannot be written keeps its previous value.
void WriteSetting(const AppState& app, const QString& section, const QString& key,
                  const QString& value, QString& file);
void WriteSetting(const AppState& app, const QString& section, const QString& key,
                  const QString& value);

// A setting of the catalogue (core/settingkeys.h) with the default its readers agree on.
QString ReadSetting(const AppState& app, const SettingKey& key);
// The same with this reader's own default, for the keys whose readers differ.
QString ReadSetting(const AppState& app, const SettingKey& key, const QString& siteDefault);
QString ReadSetting(const AppState& app, const NumberedSettingKey& key, int number);
void WriteSetting(const AppState& app, const SettingKey& key, const QString& value);
void WriteSetting(const AppState& app, const NumberedSettingKey& key, int number,
                  const QString& value);

// The same read on a file named directly, for the files outside the user's folder (the global
// settings file, a skin's parameter file).
QString ReadSettingFile(const QString& section, const QString& key, const QString& defaultValue,
                        const QString& file);

} // namespace lexarion
