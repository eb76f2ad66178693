#pragma once

// Spellings that differ by a slip: the source holds misspelt headwords ("inportant",
// "reservior", "uptodate") beside the words they were meant to be.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace lexarion::dictbuild {

// The letters of `word`, folded to lower case, without spaces, hyphens, apostrophes and dots:
// "up-to-date" and "uptodate" have the same skeleton.
QString SpellingSkeleton(QStringView word);

// The skeleton and every text made from it by leaving out one letter. Two words are near in
// spelling when their variants meet: one letter added, left out, changed or two swapped.
QStringList SpellingVariants(QStringView word);

// True when `a` and `b` are different words at most one slip apart (the optimal string
// alignment distance of their skeletons is at most 1).
bool NearSpelling(QStringView a, QStringView b);

} // namespace lexarion::dictbuild
