#pragma once

// Initialisation files of the Windows private-profile kind: "[Section]" headers and
// "Key=Value" lines. Section and key names match without regard to case, the first matching
// section and the first matching key in it win, blanks round names and values are trimmed, a
// value wholly in single or double quotes loses them, and ";" lines are comments. A write
// replaces the value in place, or appends the key to its section, or appends the section, and
// creates the file when missing (its folder must exist); every other line stays byte for byte,
// and the file keeps the encoding it was read in.

#include <QString>
#include <optional>

namespace lexarion {

// The size of a read buffer, including its terminating zero: values read back are cut to at
// most ProfileBufferSize - 1 bytes of the code page, never in the middle of a character.
inline constexpr int ProfileBufferSize = 256;

// The value of `key` in `section` of `file`; `defaultValue` when the file, section or key is
// missing or the value is empty (an empty result then means the default was empty as well).
// An unreadable file reads as missing. Both the value and the default are cut to the buffer.
QString GetPrivateProfileString(const QString& section, const QString& key,
                                const QString& defaultValue, const QString& file);

// The value of `key` as stored, an empty text for a key present with nothing after "=";
// nothing when the file, section or key is missing. Cut to the buffer like every read.
std::optional<QString> GetPrivateProfileValue(const QString& section, const QString& key,
                                              const QString& file);

// Writes `value` under `section` / `key`. Returns false when the file cannot be written, in
// which case it is left exactly as it was. Line breaks inside `value` are written as blanks so
// that a value can never add lines of its own to the file.
bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& file);

} // namespace lexarion
