#pragma once

// From the source rows to the lines of the shipped files: which rows the lookup dictionary keeps,
// their merging into one entry per headword, the order the program's binary search relies on,
// the Chinese index and the study lists.

#include "dictbuild/ecdictsource.h"

#include <QString>
#include <QStringList>
#include <limits>
#include <vector>

namespace lexarion::dictbuild {

// One headword of the lookup dictionary, after merging the rows that CompareWords finds equal.
struct LookupEntry {
    QString word;          // trimmed, single spaces
    QStringList lines;     // translation lines (TranslationLines), duplicates removed
    QString pronunciation; // "/…/" or empty
    quint8 tags = 0;       // every merged row's exam tags
    qint32 rank = NoRank;  // the best frequency rank of the merged rows

    static constexpr qint32 NoRank = std::numeric_limits<qint32>::max();
};

// The headword as written into a word list, or an empty text when the row cannot be one: a word
// with "#", a control character, or a leading ";" (which would make the line a comment).
QString CleanHeadword(QStringView word);

// True when the row belongs in the lookup dictionary: it has a Chinese translation, and either
// its headword is one word (no space) or it carries a frequency rank, an exam tag, a Collins star
// or an Oxford mark.
bool IsLookupRow(const SourceEntry& row, const QString& headword);

// The frequency rank of a row: the contemporary corpus rank, else the BNC rank, else NoRank.
qint32 FrequencyRank(const SourceEntry& row);

// The lookup entries, sorted ascending by CompareWords with equal headwords merged (the spelling
// of the most frequent row is kept; the others' lines are added after its own).
std::vector<LookupEntry> BuildLookupEntries(const std::vector<SourceEntry>& rows);

// The entry lines of All.wsl: word "#" explanation, and "#" pronunciation when there is one.
QStringList LookupDictionaryLines(const std::vector<LookupEntry>& entries);

// The lines of All_cn.idx: EncodeChineseKey(term) "#" words separated by ", ", sorted ascending
// by key. The words of a term are the headwords whose translation holds it, those with the term
// among their own senses before those that have it only among web senses, each group most
// frequent first, at most `maxWords`. Headwords with a "," cannot be listed and are left out.
QStringList ChineseIndexLines(const std::vector<LookupEntry>& entries, int maxWords = 20,
                              qint64* termCount = nullptr);

// The study lists, one per exam tag.
struct StudyList {
    quint8 tag;
    const char* fileName;
    const char* title; // UTF-8, the description line without ";" and the count
};
const std::vector<StudyList>& StudyLists();

// The entry lines of a study list: the entries with `tag`, in dictionary (alphabetical) order,
// with the short explanation and the pronunciation.
QStringList StudyListLines(const std::vector<LookupEntry>& entries, quint8 tag);

} // namespace lexarion::dictbuild
