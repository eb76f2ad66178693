#pragma once

// The one case-insensitive comparison of words. The lookup dictionary is sorted with it (by the
// dictionary builder) and searched with it, and every other place that compares words uses it.
//
// Definition: the two texts are compared code point by code point after simple Unicode case
// folding of each code point (so "Apple" equals "apple", and "É" equals "é"); when one text is
// a prefix of the other, the shorter sorts first. There are no locale-dependent weights:
// "a-b" sorts by the code of "-" (U+002D), before any letter. On pure ASCII this is the byte
// order with A-Z folded to a-z.

#include <QByteArrayView>
#include <QStringView>

namespace lexarion {

// < 0, 0 or > 0 as `a` sorts before, with or after `b`.
int CompareWords(QStringView a, QStringView b);
inline bool WordsEqual(QStringView a, QStringView b) {
    return CompareWords(a, b) == 0;
}
// True when `text` begins with `prefix` under the same folding.
bool StartsWithWord(QStringView text, QStringView prefix);

// The same comparison on two ASCII byte strings (the fast path of the dictionary search).
int CompareAsciiWords(QByteArrayView a, QByteArrayView b);

} // namespace lexarion
