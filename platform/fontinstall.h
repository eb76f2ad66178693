#pragma once

// Making a font file of the program available: the user's font folder takes the place of the
// system font folder, and the running program registers the font for itself.

#include <QString>

namespace lexarion {

// $XDG_DATA_HOME/fonts, or ~/.local/share/fonts when XDG_DATA_HOME is unset or not absolute.
QString UserFontFolder();

// Copies `source` to `folder`/`fileName` unless a file is there already (it is never
// replaced); the folder is created when missing. False when no copy is there afterwards.
bool CopyFontIfAbsent(const QString& source, const QString& folder, const QString& fileName);

class FontRegistrar {
public:
    virtual ~FontRegistrar() = default;
    // Registers the font file with the running program; false when it is no usable font.
    virtual bool Register(const QString& path) = 0;
};

} // namespace lexarion
