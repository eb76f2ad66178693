#pragma once

// Reading numbers from text, the one implementation every setting, skin key and record uses.
//
// NumberValue reads the leading number of a text: blanks, tabs and line feeds anywhere are
// ignored; then an optional sign, decimal digits with an optional decimal point and an optional
// exponent ("E" or "e", also "D"/"d", with its own sign), or after "&H" / "&O" hexadecimal /
// octal digits (read as an unsigned value, so "&HFF" is 255). Reading stops at the first
// character that cannot continue the number; a text without a number reads 0.
//
// The conversions "as a 16-bit / 32-bit integer" accept only a text that is a number as a whole
// (surrounding blanks allowed), round halves to the even neighbour and fail, instead of
// inventing a value, on non-numeric text and on values outside the type's range.

#include <QStringView>
#include <optional>

namespace lexarion {

double NumberValue(QStringView text);

// Nearest integer, halves to the even neighbour (2.5 → 2, 3.5 → 4, -2.5 → -2).
double RoundHalfEven(double value);
// Rounded down (-1.5 → -2).
double Truncate(double value);

// `value` rounded half-even, when it fits the type.
std::optional<qint32> RoundToInt32(double value);
std::optional<qint16> RoundToInt16(double value);

// True when the whole text (less surrounding blanks) is one number in the syntax above.
bool IsNumericText(QStringView text);

std::optional<qint32> TextToInt32(QStringView text);
std::optional<qint16> TextToInt16(QStringView text);

} // namespace lexarion
