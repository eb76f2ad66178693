#pragma once

// Text cleaning for the word-list format, where "#" separates the fields and a line ends at CR or
// LF: a field written by the converter never holds "#", a TAB or any other control character.

#include <QString>
#include <QStringView>

namespace lexarion::dictbuild {

// `text` with "#" replaced by the full-width "＃", every TAB, line break, control character and
// other white space turned into a plain space, runs of spaces made one, and both ends trimmed.
QString CleanField(QStringView text);

// True for a CJK ideograph (the unified blocks, their extensions and the compatibility block).
bool IsChineseCharacter(char32_t codePoint);
// The closing bracket of an opening one ("(" ")", "（" "）", "[" "]", "【" "】", "〔" "〕",
// "［" "］"), or a null character when `c` opens nothing.
QChar ClosingBracket(QChar c);
bool IsClosingBracket(QChar c);

inline bool IsAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// True when `text` holds at least one Chinese character.
bool ContainsChinese(QStringView text);

} // namespace lexarion::dictbuild
