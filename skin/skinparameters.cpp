#include "skin/skinparameters.h"

#include "core/settings.h"
#include "platform/numbertext.h"
#include "platform/textfile.h"

#include <array>
#include <cmath>

namespace lexarion {

namespace {

using K = SkinKey;
using V = SkinValueKind;

constexpr std::array<SkinKeyInfo, SkinKeyCount> Keys{{
    {K::GeneralDescription, u"General", u"Description", V::Text, u""},
    {K::WindowBackColor, u"Window", u"BackColor", V::Color, u"14215404"},
    {K::WindowForeColor, u"Window", u"ForeColor", V::Color, u"0"},
    {K::WindowTitleForeColor, u"Window", u"TitleForeColor", V::Color, u"16777215"},
    {K::WindowTitleFocusForeColor, u"Window", u"TitleFocusForeColor", V::Color, u"16777215"},
    {K::WindowTitleFontName, u"Window", u"TitleFontName", V::Text, u""},
    {K::WindowTitleFontSize, u"Window", u"TitleFontSize", V::Number, u"14"},
    {K::WindowTitleFontBold, u"Window", u"TitleFontBold", V::Flag, u"1"},
    {K::WindowTitleFontItalic, u"Window", u"TitleFontItalic", V::Flag, u"1"},
    {K::WindowTitleAlignment, u"Window", u"TitleAlignment", V::Code, u"0"},
    {K::WindowRoundRng, u"Window", u"RoundRng", V::Number, u"16"},
    {K::ButtonForeColor, u"Button", u"ForeColor", V::Color, u"0"},
    {K::ButtonFocusForeColor, u"Button", u"FocusForeColor", V::Color, u"0"},
    {K::CheckBoxForeColor, u"CheckBox", u"ForeColor", V::Color, u"0"},
    {K::CheckBoxFocusForeColor, u"CheckBox", u"FocusForeColor", V::Color, u"0"},
    {K::OptionBoxForeColor, u"OptionBox", u"ForeColor", V::Color, u"0"},
    {K::OptionBoxFocusForeColor, u"OptionBox", u"FocusForeColor", V::Color, u"0"},
    {K::TextBoxForeColor, u"TextBox", u"ForeColor", V::Color, u"0"},
    {K::TextBoxBorderColor, u"TextBox", u"BorderColor", V::Color, u"13158600"},
    {K::TextBoxBackColor, u"TextBox", u"BackColor", V::Color, u"14737632"},
    {K::TextBoxFocusForeColor, u"TextBox", u"FocusForeColor", V::Color, u"15820564"},
    {K::TextBoxFocusBorderColor, u"TextBox", u"FocusBorderColor", V::Color, u"15820564"},
    {K::TextBoxFocusBackColor, u"TextBox", u"FocusBackColor", V::Color, u"16770760"},
    {K::FrameBorderColor, u"Frame", u"BorderColor", V::Color, u"0"},
    {K::TabPageForeColor, u"TabPage", u"ForeColor", V::Color, u"0"},
    {K::TabPageFocusForeColor, u"TabPage", u"FocusForeColor", V::Color, u"16711680"},
    {K::ListBoxBackColor, u"ListBox", u"BackColor", V::Color, u"16777215"},
    {K::ListBoxBorderColor, u"ListBox", u"BorderColor", V::Color, u"0"},
    {K::ListBoxFocusBorderColor, u"ListBox", u"FocusBorderColor", V::Color, u"255"},
    {K::ListBoxItemForeColor, u"ListBox", u"ItemForeColor", V::Color, u"0"},
    {K::ListBoxSelectedItemBackColor, u"ListBox", u"SelectedItemBackColor", V::Color, u"15651521"},
    {K::ListBoxSelectedItemBorderColor, u"ListBox", u"SelectedItemBorderColor", V::Color,
     u"12937777"},
    {K::ListBoxSelectedItemForeColor, u"ListBox", u"SelectedItemForeColor", V::Color, u"0"},
}};

constexpr bool TableInEnumOrder() {
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        if (static_cast<std::size_t>(Keys[i].id) != i)
            return false;
    }
    return true;
}
static_assert(TableInEnumOrder(), "the key table must follow the order of SkinKey");

} // namespace

qint32 ClampColor(double value) {
    if (std::isnan(value) || value < 0)
        return 0;
    if (value > MaxColorNumber)
        return MaxColorNumber;
    return static_cast<qint32>(value);
}

QString SkinFolderPath(const AppState& app, const QString& skinName) {
    QString name = skinName;
    name.replace(u'\\', u'/');
    return ProgramFilePath(app, QStringLiteral("Skins/") + AddBackslash(name));
}

QString ActiveSkinName(const AppState& app) {
    // Loading a skin takes the folder with its separator; the settings dialog's list reads
    // the same key with the bare name.
    return ReadSetting(app, setting::SkinFolder, DefaultSkinName.toString());
}

QString ActiveSkinFolderPath(const AppState& app) {
    return SkinFolderPath(app, ActiveSkinName(app));
}

QString SkinFilePath(const QString& folderPath, const QString& fileName) {
    return ResolveCaseInsensitive(folderPath, fileName);
}

QString SkinParameterFile(const QString& folderPath) {
    return SkinFilePath(folderPath, QStringLiteral("config.ini"));
}

const SkinKeyInfo& SkinKeyInfoOf(SkinKey key) {
    return Keys[static_cast<std::size_t>(key)];
}

std::span<const SkinKeyInfo> AllSkinKeys() {
    return Keys;
}

QString ReadSkinValue(const QString& folderPath, QStringView section, QStringView key,
                      const QString& defaultText) {
    return ReadSettingFile(section.toString(), key.toString(), defaultText,
                           SkinParameterFile(folderPath));
}

QString ReadSkinValue(const QString& folderPath, SkinKey key) {
    const SkinKeyInfo& info = SkinKeyInfoOf(key);
    return ReadSkinValue(folderPath, info.section, info.key, info.readerDefault.toString());
}

qint32 SkinColorFromText(QStringView text) {
    return ClampColor(RoundHalfEven(NumberValue(text)));
}

bool SkinFlagFromText(QStringView text) {
    return text != u"0";
}

std::optional<int> SkinCodeFromText(QStringView text) {
    const double code = RoundHalfEven(NumberValue(text));
    if (!(code >= 0 && code <= 255))
        return std::nullopt;
    return static_cast<int>(code);
}

std::optional<int> SkinRoundingFromText(QStringView text) {
    const double rounding = RoundHalfEven(std::fabs(NumberValue(text)));
    if (!(rounding <= 32767))
        return std::nullopt;
    return static_cast<int>(rounding);
}

std::optional<double> SkinFontSizeFromText(QStringView text) {
    const double size = NumberValue(text);
    if (!(size > 0 && size <= MaxFontPoints))
        return std::nullopt;
    return size;
}

qint32 ReadSkinColor(const QString& folderPath, SkinKey key) {
    return SkinColorFromText(ReadSkinValue(folderPath, key));
}

bool ReadSkinFlag(const QString& folderPath, SkinKey key) {
    return SkinFlagFromText(ReadSkinValue(folderPath, key));
}

std::optional<int> ReadSkinCode(const QString& folderPath, SkinKey key) {
    return SkinCodeFromText(ReadSkinValue(folderPath, key));
}

std::optional<int> ReadSkinRounding(const QString& folderPath, SkinKey key) {
    return SkinRoundingFromText(ReadSkinValue(folderPath, key));
}

std::optional<double> ReadSkinFontSize(const QString& folderPath, SkinKey key) {
    return SkinFontSizeFromText(ReadSkinValue(folderPath, key));
}

QString ReadSkinText(const QString& folderPath, SkinKey key, const QString& defaultText) {
    const SkinKeyInfo& info = SkinKeyInfoOf(key);
    const QString fallback =
        info.readerDefault.isEmpty() ? defaultText : info.readerDefault.toString();
    return ReadSkinValue(folderPath, info.section, info.key, fallback);
}

} // namespace lexarion
