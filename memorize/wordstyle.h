#pragma once

// The fonts, colours and background picture of the word window as the user's settings keep
// them ("RememberSetting"). Shared with the display settings dialog.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace lexarion {

class AppState;

// The face the pronunciation label asks for; an IPA-capable face stands in when it is missing.
inline constexpr QStringView PronounceFontFace = u"Kingsoft Phonetic Plain";

enum class BackPictureStyle { Tile = 0, Centre = 1, Stretch = 2 };

// Face, size, bold and italic from "WordFont…" ("宋体", 72 points rounded, bold, italic) and
// "ExplanationFont…" ("宋体", 36 points with the fraction kept, bold, italic).
void LoadWordFont(const AppState& app, QFont& font);
void LoadExplanationFont(const AppState& app, QFont& font);
// Writes the font's face, its size in points (fraction kept, e.g. 10.5) and "1"/"0" for bold
// and italic.
void SaveWordFont(const AppState& app, const QFont& font);
void SaveExplanationFont(const AppState& app, const QFont& font);
// Copies bold, character set, italic, face, size, strike-through, underline and weight.
void CopyFont(QFont& target, const QFont& source);

// A stored colour: the decimal colour number (red + 256 * green + 65536 * blue), or with the top
// bit set a system colour named by its low byte, as in "&H80000001&" (the desktop colour).
QColor ColorFromSettingText(QStringView text);
QColor ReadColorSetting(const AppState& app, const QString& key, const QString& defaultValue);
// The colours of the classic system colour numbers (0 scroll bar, 1 desktop, 5 window, ...).
QColor SystemColor(int index);

// The background of a window of `size`: `back` with `picture` drawn on it tiled from the top
// left, once in the middle (cut on all sides when larger), or stretched over the whole size.
// Any other style leaves the plain colour.
QImage ComposeBackground(const QImage& picture, QSize size, int style, const QColor& back);

} // namespace lexarion
