#include "skineditor/skinfile.h"

#include "core/settings.h"
#include "platform/privateprofile.h"

#include <QFileInfo>
#include <QStringLiteral>

namespace lexarion {

namespace {

using K = SkinKey;

constexpr std::array<SkinKey, SwatchCount> SwatchKeys{
    K::ButtonFocusForeColor,
    K::ButtonForeColor,
    K::CheckBoxFocusForeColor,
    K::CheckBoxForeColor,
    K::ListBoxBackColor,
    K::ListBoxFocusBorderColor,
    K::ListBoxBorderColor,
    K::ListBoxItemForeColor,
    K::ListBoxSelectedItemBackColor,
    K::ListBoxSelectedItemBorderColor,
    K::ListBoxSelectedItemForeColor,
    K::OptionBoxFocusForeColor,
    K::OptionBoxForeColor,
    K::TabPageFocusForeColor,
    K::TabPageForeColor,
    K::TextBoxFocusBorderColor,
    K::TextBoxBorderColor,
    K::TextBoxFocusBackColor,
    K::TextBoxForeColor,
    K::TextBoxFocusForeColor,
    K::TextBoxBackColor,
    K::WindowForeColor,
    K::WindowBackColor,
    K::WindowTitleForeColor,
    K::WindowTitleFocusForeColor,
    K::FrameBorderColor,
};

QString Read(SkinKey key, const QString& defaultValue, const QString& file) {
    const SkinKeyInfo& info = SkinKeyInfoOf(key);
    return ReadIniValue(info.section.toString(), info.key.toString(), defaultValue, file);
}

bool Write(SkinKey key, const QString& value, const QString& file) {
    const SkinKeyInfo& info = SkinKeyInfoOf(key);
    return WriteIniValue(info.section.toString(), info.key.toString(), value, file);
}

// A whole number read from a key and clamped like a colour, then limited to a list's length.
int ListPosition(SkinKey key, const QString& defaultValue, const QString& file, int count) {
    return std::min(SkinColorFromText(Read(key, defaultValue, file)), count - 1);
}

} // namespace

QString ReadIniValue(const QString& section, const QString& key, const QString& defaultValue,
                     const QString& file) {
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return {};
    return ReadSettingFile(section, key, defaultValue, file);
}

bool WriteIniValue(const QString& section, const QString& key, const QString& value,
                   const QString& file) {
    // A missing file is created by the write itself, so a failed write leaves nothing behind.
    if (file.isEmpty())
        return false;
    return WritePrivateProfileString(section, key, value, file);
}

SkinKey SwatchKey(Swatch swatch) {
    return SwatchKeys[static_cast<std::size_t>(swatch)];
}

SkinFields LoadSkinFile(const QString& file, const QString& windowFontName) {
    const QString black = QStringLiteral("0");
    SkinFields fields;
    fields.description = Read(K::GeneralDescription, QString(), file);
    for (int i = 0; i < SwatchCount; ++i)
        fields.colors[i] = SkinColorFromText(Read(SwatchKeys[i], black, file));

    TitleFont& font = fields.titleFont;
    font.name = Read(K::WindowTitleFontName, windowFontName, file);
    if (font.name.isEmpty()) // a file that vanished reads empty: keep a face that exists
        font.name = windowFontName;
    // A size that is no font size (0, negative, text) takes the default instead.
    font.size =
        SkinFontSizeFromText(Read(K::WindowTitleFontSize, QStringLiteral("14"), file)).value_or(14);
    // A missing or empty flag means on.
    font.bold = SkinFlagFromText(Read(K::WindowTitleFontBold, QString(), file));
    font.italic = SkinFlagFromText(Read(K::WindowTitleFontItalic, QString(), file));

    fields.alignment = ListPosition(K::WindowTitleAlignment, black, file, TitleAlignmentCount);
    fields.rounding =
        ListPosition(K::WindowRoundRng, QString::number(DefaultRounding), file, RoundingCount);
    return fields;
}

bool WriteSkinFields(const QString& file, const SkinFields& fields) {
    bool written = Write(K::GeneralDescription, fields.description, file);
    const auto write = [&](SkinKey key, const QString& value) {
        written = Write(key, value, file) && written;
    };
    for (int i = 0; i < SwatchCount; ++i) {
        if (SwatchKeys[i] != K::FrameBorderColor)
            write(SwatchKeys[i], QString::number(fields.colors[i]));
    }
    write(K::WindowRoundRng, QString::number(fields.rounding));
    write(K::WindowTitleAlignment, QString::number(fields.alignment));
    write(K::WindowTitleFontName, fields.titleFont.name);
    write(K::WindowTitleFontSize, FontSizeText(fields.titleFont.size));
    write(K::WindowTitleFontBold,
          fields.titleFont.bold ? QStringLiteral("1") : QStringLiteral("0"));
    write(K::WindowTitleFontItalic,
          fields.titleFont.italic ? QStringLiteral("1") : QStringLiteral("0"));
    write(K::FrameBorderColor, QString::number(fields.Color(Swatch::FrameBorderColor)));
    return written;
}

QString FontSizeText(double size) {
    QString text = QString::number(size, 'f', 4);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QString TitleFontCaption(const TitleFont& font) {
    return font.name + u' ' + FontSizeText(font.size);
}

} // namespace lexarion
