#pragma once

// The skin parameter file as Hueforge edits it: every value of the file held in one set of
// fields, read from a file and written back through the program's own INI engine. Section and
// key names come from the one key table of the skin (skin/skinparameters.h).

#include "skin/skinparameters.h"

#include <QString>
#include <array>

namespace lexarion {

// The value of `key`, with Hueforge's rules: an empty text when `file` is empty or does not
// exist (the default is not returned then); otherwise the value as stored with trailing blanks
// removed and cut at a NUL, or `defaultValue` when the key is missing or its value is empty.
QString ReadIniValue(const QString& section, const QString& key, const QString& defaultValue,
                     const QString& file);

// Writes one key: nothing when `file` is empty; a missing file is created with the key.
// False when the file could not be created or written; a failed write leaves nothing behind.
bool WriteIniValue(const QString& section, const QString& key, const QString& value,
                   const QString& file);

// The colour swatches, in the order in which the file is read and written.
enum class Swatch {
    ButtonFocusForeColor,
    ButtonForeColor,
    CheckBoxFocusForeColor,
    CheckBoxForeColor,
    ListBoxBackColor,
    ListBoxFocusBorderColor,
    ListBoxBorderColor,
    ListBoxItemForeColor,
    ListBoxSelectedItemBackColor,
    ListBoxSelectedItemBorderColor,
    ListBoxSelectedItemForeColor,
    OptionBoxFocusForeColor,
    OptionBoxForeColor,
    TabPageFocusForeColor,
    TabPageForeColor,
    TextBoxFocusBorderColor,
    TextBoxBorderColor,
    TextBoxFocusBackColor,
    TextBoxForeColor,
    TextBoxFocusForeColor,
    TextBoxBackColor,
    WindowForeColor,
    WindowBackColor,
    WindowTitleForeColor,
    WindowTitleFocusForeColor,
    // Read and written last, after the title settings.
    FrameBorderColor,
};
inline constexpr int SwatchCount = 26;

// The key of the parameter file that a swatch holds.
SkinKey SwatchKey(Swatch swatch);

struct TitleFont {
    QString name;
    double size = 14; // points, fraction allowed
    bool bold = true;
    bool italic = false;

    bool operator==(const TitleFont&) const = default;
};

// The entries of the title alignment list; an entry's position is the stored value.
enum class AlignmentEntry { Left, Right, Centre, Hidden };
inline constexpr int TitleAlignmentCount = 4;
// The corner rounding list holds 0 to 99; an entry's position is its number.
inline constexpr int RoundingCount = 100;
inline constexpr int DefaultRounding = 16;

struct SkinFields {
    QString description;
    std::array<qint32, SwatchCount> colors{};
    TitleFont titleFont;
    int alignment = 0; // position in the alignment list
    int rounding = DefaultRounding;

    qint32 Color(Swatch swatch) const { return colors[static_cast<std::size_t>(swatch)]; }
    void SetColor(Swatch swatch, qint32 color) {
        colors[static_cast<std::size_t>(swatch)] = ClampColor(color);
    }

    bool operator==(const SkinFields&) const = default;
};

// The fields as the file gives them. Every colour defaults to black; the title font to
// `windowFont`'s name, size 14, bold and italic on; the alignment to left and the rounding to
// 16. Alignments past the list select its last entry ("隐藏"), roundings past 99 select 99.
SkinFields LoadSkinFile(const QString& file, const QString& windowFontName);

// Writes all 33 keys into `file` in the file's order: the description, the swatches, the
// rounding, the alignment, the title font and the frame colour. An existing file keeps every
// other line; a new one is created. False when any write failed.
bool WriteSkinFields(const QString& file, const SkinFields& fields);

// A font size as Hueforge writes and shows it: a decimal number with at most four decimals
// (14, 10.5).
QString FontSizeText(double size);
// The font button's caption: the name, a blank and the size.
QString TitleFontCaption(const TitleFont& font);

} // namespace lexarion
