#pragma once

// Skin folders and the skin parameter file.
//
// A skin is a folder below "Skins/" of the program folder holding bitmaps and one parameter
// file "config.ini" (an INI file in the code page). The active skin is named by "SkinFolder" in
// section "General" of the user's settings file. Every control reads its keys from the
// parameter file through the readers below; a missing file, section or key, or an empty value,
// gives the reader default of the key table.
//
// Value formats:
// - colour: a number (see platform/numbertext.h) rounded half-even and passed through
//   ClampColor; a Windows colour number, red + 256 * green + 65536 * blue;
// - number: read as a number ("TitleFontSize" keeps its fraction; "RoundRng" takes the absolute
//   value, rounded);
// - code: read as a number, rounded, meaningful in 0 to 255 ("TitleAlignment");
// - flag: the text "0" is off, any other text is on;
// - text: the value as stored (trailing blanks removed, cut at a NUL, at most 255 bytes).

#include <QString>
#include <QStringView>
#include <optional>
#include <span>

namespace lexarion {

class AppState;

inline constexpr qint32 MaxColorNumber = 16777215;

// 0 below 0, 16777215 above it, else `value` (a value that is not a number gives 0).
qint32 ClampColor(double value);

// The skin name used when the user's settings file names none.
inline constexpr QStringView DefaultSkinName = u"WindowsXP\\";

// AddBackslash(program folder) + "Skins/" + the skin name with a trailing separator. A name
// written with backslashes (as stored by older settings files) has them turned into "/". The
// folders are found whatever their letter case.
QString SkinFolderPath(const AppState& app, const QString& skinName);
// The skin named by the user's "SkinFolder" setting (default DefaultSkinName).
QString ActiveSkinName(const AppState& app);
QString ActiveSkinFolderPath(const AppState& app);

// `folderPath` + `fileName`, the file found whatever its letter case. `folderPath` ends with "/".
QString SkinFilePath(const QString& folderPath, const QString& fileName);
// The skin's parameter file.
QString SkinParameterFile(const QString& folderPath);

enum class SkinValueKind { Text, Color, Number, Code, Flag };

// The 33 keys of the parameter file, in the order in which the file lists them.
enum class SkinKey {
    GeneralDescription,
    WindowBackColor,
    WindowForeColor,
    WindowTitleForeColor,
    WindowTitleFocusForeColor,
    WindowTitleFontName,
    WindowTitleFontSize,
    WindowTitleFontBold,
    WindowTitleFontItalic,
    WindowTitleAlignment,
    WindowRoundRng,
    ButtonForeColor,
    ButtonFocusForeColor,
    CheckBoxForeColor,
    CheckBoxFocusForeColor,
    OptionBoxForeColor,
    OptionBoxFocusForeColor,
    TextBoxForeColor,
    TextBoxBorderColor,
    TextBoxBackColor,
    TextBoxFocusForeColor,
    TextBoxFocusBorderColor,
    TextBoxFocusBackColor,
    FrameBorderColor,
    TabPageForeColor,
    TabPageFocusForeColor,
    ListBoxBackColor,
    ListBoxBorderColor,
    ListBoxFocusBorderColor,
    ListBoxItemForeColor,
    ListBoxSelectedItemBackColor,
    ListBoxSelectedItemBorderColor,
    ListBoxSelectedItemForeColor,
};
inline constexpr int SkinKeyCount = 33;

struct SkinKeyInfo {
    SkinKey id;
    QStringView section;
    QStringView key;
    SkinValueKind kind;
    // The default the program's readers use. Empty for the two keys whose default is not a
    // fixed text: "Description" (the settings dialog shows its own text) and "TitleFontName"
    // (the window frame's own font).
    QStringView readerDefault;
};

const SkinKeyInfo& SkinKeyInfoOf(SkinKey key);
std::span<const SkinKeyInfo> AllSkinKeys();

// The text of one key as stored in the parameter file of `folderPath`, or `defaultText`.
QString ReadSkinValue(const QString& folderPath, QStringView section, QStringView key,
                      const QString& defaultText);
// The same with the key's reader default.
QString ReadSkinValue(const QString& folderPath, SkinKey key);

// Conversions of a value's text.
qint32 SkinColorFromText(QStringView text);
bool SkinFlagFromText(QStringView text);
// Rounded to an integer; nothing when outside 0 to 255.
std::optional<int> SkinCodeFromText(QStringView text);
// Absolute value rounded to an integer; nothing when it does not fit 0 to 32767.
std::optional<int> SkinRoundingFromText(QStringView text);
// Font size in points with its fraction; nothing when not above 0 or above MaxFontPoints.
inline constexpr double MaxFontPoints = 2160;
std::optional<double> SkinFontSizeFromText(QStringView text);

// Readers of one key with its reader default.
qint32 ReadSkinColor(const QString& folderPath, SkinKey key);
bool ReadSkinFlag(const QString& folderPath, SkinKey key);
std::optional<int> ReadSkinCode(const QString& folderPath, SkinKey key);
std::optional<int> ReadSkinRounding(const QString& folderPath, SkinKey key);
std::optional<double> ReadSkinFontSize(const QString& folderPath, SkinKey key);
// A text key; `defaultText` stands in for the keys whose default is given at the read site.
QString ReadSkinText(const QString& folderPath, SkinKey key, const QString& defaultText = {});

} // namespace lexarion
