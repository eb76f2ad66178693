#pragma once

// The Chinese terms of a translation line, as the Chinese index lists them: the pieces between
// the separators ",", "，", ";", "；", "、" and "/", once part-of-speech markers, bracketed notes
// ("[网络]", "【植物】") and parenthesised parts ("(声音)", "（布质）") are removed; a term must
// hold a Chinese character.

#include <QStringList>
#include <QStringView>

namespace lexarion::dictbuild {

// The longest term kept, in characters; longer pieces are descriptions nobody types.
inline constexpr int MaxTermLength = 16;

// The terms of one cleaned translation line, in order, each once.
QStringList ChineseTerms(QStringView line);

} // namespace lexarion::dictbuild
