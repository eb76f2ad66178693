#pragma once

// One line of a word list: the English word, "#", the Chinese explanation and optionally "#"
// and the pronunciation. Pieces after the third are ignored; each field is read trimmed of
// spaces, while the stored line stays exactly as read.

#include <QString>
#include <QStringView>

namespace lexarion {

// The first piece, or `defaultValue` when the line has no "#".
QString EntryWord(QStringView line, const QString& defaultValue);
// The second piece, or `defaultValue` when the line has no "#".
QString EntryExplanation(QStringView line, const QString& defaultValue);
// The third piece, or `defaultValue` when the line has fewer than two "#".
QString EntryPronounce(QStringView line, const QString& defaultValue);

// Spaces (only spaces) removed from both ends.
QStringView TrimSpaces(QStringView text);

} // namespace lexarion
