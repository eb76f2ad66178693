#pragma once

// The rows of ECDICT's ecdict.csv (columns word, phonetic, definition, translation, pos, collins,
// oxford, tag, bnc, frq, exchange, detail, audio; found by the header's names).

#include <QByteArrayView>
#include <QString>
#include <array>
#include <vector>

namespace lexarion::dictbuild {

// The exam tags of the source's "tag" column, one bit each.
enum ExamTag : quint8 {
    TagZhongkao = 1 << 0, // zk
    TagGaokao = 1 << 1,   // gk
    TagCet4 = 1 << 2,     // cet4
    TagCet6 = 1 << 3,     // cet6
    TagKaoyan = 1 << 4,   // ky
    TagToefl = 1 << 5,    // toefl
    TagIelts = 1 << 6,    // ielts
    TagGre = 1 << 7,      // gre
};

// The bits of the space-separated tag names in `tags`; unknown names are ignored.
quint8 ParseExamTags(QByteArrayView tags);

struct SourceEntry {
    QString word;        // as in the source, untrimmed
    QString phonetic;    // the source's phonetic spelling (not yet IPA)
    QString translation; // Chinese senses, lines separated by the two characters "\" and "n"
    quint8 tags = 0;
    qint32 collins = 0;  // Collins stars, 0 to 5
    bool oxford = false; // in the Oxford 3000
    qint32 bnc = 0;      // British National Corpus rank, 0 when none
    qint32 frq = 0;      // contemporary corpus rank, 0 when none
    // The base form ("0:" of the exchange column) when the row is an inflected form.
    QString lemma;
    // The row's verb or comparison forms in the exchange column are written in lower case, so
    // the word is an ordinary one even when the headword is written in capitals ("CORE").
    bool lowerCaseForms = false;
    // How many English definitions the row gives for each word class, in the order of
    // WordClass: how the source tells a word's main use from its rare ones.
    std::array<quint8, 4> definitionCounts{};
};

// The word classes of the English definitions and of the translation's part-of-speech markers.
enum WordClass { NounClass, VerbClass, AdjectiveClass, AdverbClass, NoWordClass };

struct SourceTable {
    std::vector<SourceEntry> entries; // the rows that have a translation, in source order
    qint64 rows = 0;                  // all data rows read
};

// The word class of an English definition's mark ("n", "v", "a", "s", "r") or of a translation
// marker ("n.", "vt.", "adj.", "adv."); NoWordClass for any other.
WordClass ClassOfMarker(QStringView marker);

// Reads the exchange column ("p:cored/d:cored/0:core/1:d"): the base form and whether the verb or
// comparison forms are in lower case.
void ParseExchange(QByteArrayView exchange, SourceEntry& entry);

// Counts the English definitions (lines "n. …", "v …") of the definition column per word class,
// and takes the base form from a definition that only names it ("imp. & p. p. of Kernel") when
// the exchange column gave none.
void CountDefinitions(QByteArrayView definition, SourceEntry& entry);

// Reads the whole CSV. False (with `error` set) when the header lacks the word or translation
// column; rows with fewer fields than the header are read with the missing fields empty.
bool ReadEcdictCsv(QByteArrayView csv, SourceTable& table, QString* error);

} // namespace lexarion::dictbuild
