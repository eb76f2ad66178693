#pragma once

// From the source rows to the lines of the shipped files: which rows the lookup dictionary keeps,
// their merging into one entry per headword, the order the program's binary search relies on,
// the Chinese index and the study lists.

#include "dictbuild/ecdictsource.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
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
    qint32 collins = 0;    // the most Collins stars of the merged rows
    bool oxford = false;
    QString lemma; // the base form when the headword is an inflected form
    std::array<quint8, 4> definitionCounts{}; // of the preferred row, by WordClass

    static constexpr qint32 NoRank = std::numeric_limits<qint32>::max();

    // Neither a frequency, a Collins star, an Oxford mark, a pronunciation, an English
    // definition nor a base form: a row nobody checked, where the source's misspellings are
    // ("inportant", "reservior").
    bool Unchecked() const {
        return rank == NoRank && collins == 0 && !oxford && pronunciation.isEmpty() &&
               lemma.isEmpty() && definitionCounts == std::array<quint8, 4>{};
    }
};

// The everyday words of the source, which decide the phrases the lookup dictionary keeps:
// `common` are the one-word headwords (folded to lower case) with a frequency rank up to
// CommonRank, an exam tag, a Collins star or an Oxford mark; `grammatical` are the most frequent
// ones (rank up to GrammaticalRank) and the frequent ones (rank up to ParticleRank) with a
// preposition, adverb, conjunction, article or pronoun sense: the particles and function words
// of which phrasal verbs and fixed expressions are made.
struct EverydayWords {
    static constexpr qint32 CommonRank = 20000;
    static constexpr qint32 GrammaticalRank = 150;
    static constexpr qint32 ParticleRank = 1000;
    static constexpr qint32 PhraseRankFactor = 16;
    static constexpr qint32 PhraseRankBase = 8000;
    QHash<QString, qint32> common; // word -> rank (NoRank when kept for a tag or a mark)
    QSet<QString> grammatical;

    static EverydayWords FromRows(const std::vector<SourceEntry>& rows);
    // True for a phrase of two to four everyday words, one of them grammatical ("give up",
    // "in front of", but not "floppy disk" or "dinitrosalicylic acid reagent").
    bool IsEverydayPhrase(QStringView headword) const;
    // The rank a phrase without its own is ranked by: after the words up to PhraseRankBase,
    // and among phrases by its rarest word ("give up" before "buy it").
    qint32 PhraseRank(QStringView headword) const;
};

// The headword as written into a word list, or an empty text when the row cannot be one: a word
// with "#", a control character, or a leading ";" (which would make the line a comment).
QString CleanHeadword(QStringView word);

// True when the row belongs in the lookup dictionary: it has a Chinese translation, and either
// its headword is one word (no space), or it carries a frequency rank, an exam tag, a Collins
// star or an Oxford mark, or it is an everyday phrase with an everyday (not only subject-tagged
// or web) sense.
bool IsLookupRow(const SourceEntry& row, const QString& headword, const EverydayWords& everyday);

// The frequency rank of a row: the contemporary corpus rank, else the BNC rank, else NoRank.
qint32 FrequencyRank(const SourceEntry& row);

// The lookup entries, sorted ascending by CompareWords with equal headwords merged (the spelling
// of the most frequent row is kept; the others' lines are added after its own). A headword in
// capitals whose inflected forms are in lower case ("CORE": cored, coring) is written in lower
// case. A phrase without a rank of its own takes EverydayWords::PhraseRank.
std::vector<LookupEntry> BuildLookupEntries(const std::vector<SourceEntry>& rows);

// The entry lines of All.wsl: word "#" explanation, and "#" pronunciation when there is one.
QStringList LookupDictionaryLines(const std::vector<LookupEntry>& entries);

// The lines of All_cn.idx: EncodeChineseKey(term) "#" words separated by ", ", sorted ascending
// by key. The words of a term are the headwords whose translation holds it (IndexTerms), and the
// common words whose main sense holds it as its head ("钱" in money's "金钱"); at most
// `maxWords`, ranked so that a common word whose main sense the term is comes first (see
// IndexCost). Left out: an inflected form whose base form is listed for the term too (or is in
// the dictionary while the form is no common word of its own), a word
// whose sense only points to another listed word ("ated": "eat的过去式"), a misspelling of a
// listed word ("inportant"), and headwords with a "," (the index separates its words with it).
QStringList ChineseIndexLines(const std::vector<LookupEntry>& entries, int maxWords = 20,
                              qint64* termCount = nullptr);

// The cost by which the index ranks a word under a term, lowest first: log2 of the word's
// frequency rank (a word without one weighed by its exam tags, marks and pronunciation), plus
// the term's position among the senses of its line and the line's position among the entry's
// lines (MainSenseLines order), plus a surcharge for a subject-tagged or web line.
inline constexpr double SenseWeight = 1.5;
inline constexpr double LineWeight = 1.0;
inline constexpr double SubjectLineCost = 4.0;
inline constexpr double InflectedFormCost = 2.0;
// A common word (rank up to HeadTermRank) listed under the head of its main sense pays this.
inline constexpr qint32 HeadTermRank = 5000;
inline constexpr double HeadTermCost = 4.0;
float IndexCost(const LookupEntry& entry, int line, int sense, bool subject);

// The study lists, one per exam tag.
struct StudyList {
    quint8 tag;
    const char* fileName;
    const char* title; // UTF-8, the description line without ";" and the count
};
const std::vector<StudyList>& StudyLists();

// The exam tags by which the study lists choose their entries, per entry: the entry's own, except
// that a misspelt headword passes its tags on to the word it misspells ("reservior" to
// "reservoir", "uptodate" to "up-to-date"). A misspelling is an unchecked entry one slip (after
// its first two letters) from a checked common word with which it shares two Chinese characters
// in a row.
std::vector<quint8> StudyListTags(const std::vector<LookupEntry>& entries);

// The entry lines of a study list: the entries whose `studyTags` hold `tag`, in dictionary
// (alphabetical) order, with the short explanation (MainSenseLines first) and the pronunciation.
QStringList StudyListLines(const std::vector<LookupEntry>& entries, quint8 tag,
                           const std::vector<quint8>& studyTags);

// The translation lines with the part of speech the source defines most often first, when the
// first line is a noun's and the English definitions give the noun and another part of speech
// more than twice as often ("convert": three verb senses, one noun sense), unless it is a verb
// whose first sense names the noun's ("carpet": 地毯, 铺以地毯); otherwise as they are. The
// definitions are a few senses only, so a part they do not name at all is not taken for a rare one.
QStringList MainSenseLines(const LookupEntry& entry);

} // namespace lexarion::dictbuild
