#pragma once

// The source's phonetic spelling turned into IPA. The source mixes an older ASCII-based notation
// with IPA: "'" stands for the primary stress mark, "," (and ".") for the secondary
// one, ":" for the length mark, the Cyrillic "ә" for ə, "є" or the Greek "ε" for ɛ, "^" for ɡ and
// a run of backslashes for ɜ; where a spelling uses no IPA letter at all, "j" after ə or a is ʊ
// and ɒ before ":" or "i" is ɔ. Only the first of several alternatives (separated by ";", ". ",
// or a "." between two stressed spellings) is kept.

#include <QString>
#include <QStringView>

namespace lexarion::dictbuild {

// The IPA form without slashes, or an empty text when the source gives nothing usable.
QString PhoneticToIpa(QStringView phonetic);

// The pronunciation field of a word-list line: the IPA form between slashes ("/əˈbændən/"), or
// an empty text when there is none.
QString PronunciationField(QStringView phonetic);

} // namespace lexarion::dictbuild
