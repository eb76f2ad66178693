#pragma once

// The Chinese senses of one source entry: its translation lines, the part-of-speech marker that
// begins a line ("vt.", "n. & adj."), the subject tags ("[医]", "[网络]"), and the two forms of
// explanation that the converter writes: the whole translation for the lookup dictionary and a
// short one, of everyday senses only, for the study lists.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace lexarion::dictbuild {

// The translation split into its lines (at the two characters "\" "n", "\" "r" "\" "n", and at
// real line breaks), each cleaned with CleanField and stripped of separators at its ends; empty
// lines are dropped.
QStringList TranslationLines(QStringView translation);

// The explanation of the lookup dictionary: the lines joined with "；", so that each part of
// speech stays recognisable ("vt. 放弃, 抛弃；n. 放任").
QString FullExplanation(const QStringList& lines);

// The part-of-speech marker at the start of a line and the text after it. The marker is a run of
// known abbreviations, each followed by "." and not by a letter, joined by "&", "/" or ","
// ("vt.", "vt. & vi.", "n./adj."); empty when the line does not start with one.
struct PartOfSpeechSplit {
    QStringView marker;
    QStringView rest; // trimmed of spaces
};
PartOfSpeechSplit SplitPartOfSpeech(QStringView line);

// Length of the bracketed note ("[医]", "【植物】", "〔后缀〕") at the start of `text`, 0 if none.
qsizetype LeadingTagLength(QStringView text);

// The web-sense marker that begins the source's lines of senses found on the web.
inline constexpr QStringView WebSenseMarker = u"[网络]";

// The explanation of a study list: the everyday senses only (no web senses, no subject-tagged
// senses, unless nothing else is left), of at most `maxParts` parts of speech and
// MaxSensesPerPart senses each (the source lists the common senses first), filled sense by sense
// in turn from each part while the whole stays within `maxLength` characters; the first sense is
// always kept (cut with "…" when even it is too long).
inline constexpr int MaxSensesPerPart = 4;
QString ShortExplanation(const QStringList& lines, int maxLength = 40, int maxParts = 3);

} // namespace lexarion::dictbuild
