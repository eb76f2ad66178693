#pragma once

// The Chinese terms of a translation line, as the Chinese index lists them: the pieces between
// the separators ",", "，", ";", "；", "、" and "/", once part-of-speech markers, bracketed notes
// ("[网络]", "【植物】") and parenthesised parts ("(声音)", "（布质）") are removed; a term must
// hold a Chinese character.

#include <QStringList>
#include <QStringView>
#include <vector>

namespace lexarion::dictbuild {

// The longest term kept, in characters; longer pieces are descriptions nobody types.
inline constexpr int MaxTermLength = 16;

// The terms of one cleaned translation line, in order, each once.
QStringList ChineseTerms(QStringView line);

// The terms under which the index lists a line's word, as a learner types them: each term of
// ChineseTerms, and after it, on an adjective's line, a term "…的" also as the bare term ("重要的"
// also as "重要"), on an adverb's line a term "…地" also as the bare term. A line without a
// part-of-speech marker gives the bare term only for "…的" of three characters or more, so that
// "目的" stays whole. `sense` is the position of the source term among the line's terms.
struct IndexTerm {
    QString text;
    int sense = 0;
};
std::vector<IndexTerm> IndexTerms(QStringView line);

} // namespace lexarion::dictbuild
