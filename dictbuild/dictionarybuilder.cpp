#include "dictbuild/dictionarybuilder.h"

#include "dictbuild/chineseterms.h"
#include "dictbuild/phonetic.h"
#include "dictbuild/senses.h"
#include "dictbuild/spelling.h"
#include "dictbuild/textclean.h"
#include "tools/lookupfile.h"
#include "wordlist/wordcompare.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace lexarion::dictbuild {

namespace {

struct Candidate {
    const SourceEntry* row;
    QString word;
    qint32 rank;
};

// Within a group of equal headwords, the row whose spelling and senses come first.
bool Preferred(const Candidate& a, const Candidate& b) {
    if (a.rank != b.rank)
        return a.rank < b.rank;
    if ((a.row->tags != 0) != (b.row->tags != 0))
        return a.row->tags != 0;
    const bool aLower = a.word == a.word.toLower();
    const bool bLower = b.word == b.word.toLower();
    if (aLower != bLower)
        return aLower;
    return a.word < b.word;
}

struct Posting {
    qint32 entry;
    float cost;
};

bool IsPhraseWordCharacter(QChar c) {
    return (c >= u'a' && c <= u'z') || c == u'\'' || c == u'-';
}

// The words of a phrase, or none when it is not written as plain lower-case words.
QList<QStringView> PhraseWords(QStringView headword) {
    QList<QStringView> words;
    for (QStringView w : headword.split(u' ')) {
        if (w.isEmpty() || !(w.front() >= u'a' && w.front() <= u'z'))
            return {};
        for (QChar c : w) {
            if (!IsPhraseWordCharacter(c))
                return {};
        }
        words.append(w);
    }
    return words;
}

bool IsAllCapitals(QStringView word) {
    int letters = 0;
    for (QChar c : word) {
        if (c.isLower())
            return false;
        letters += c.isUpper();
    }
    return letters >= 2;
}

// A line under a subject tag ("[医] 苹果", "n. [计] 累加器") or a web line.
bool IsSubjectLine(QStringView line) {
    if (line.startsWith(WebSenseMarker))
        return true;
    return LeadingTagLength(SplitPartOfSpeech(line).rest) > 0;
}

// The rank by which a word is weighed: its own, else one for a word in the exam lists or marked
// by Collins or Oxford, else one for any other word with a pronunciation, else the rank of a
// bare row.
double WeighingRank(const LookupEntry& e) {
    if (e.rank != LookupEntry::NoRank)
        return double(std::max(e.rank, 1));
    if (e.tags != 0 || e.collins > 0 || e.oxford)
        return 30000.0;
    if (!e.pronunciation.isEmpty())
        return 200000.0;
    return 1000000.0;
}

// The pairs of Chinese characters in a row of `text`.
QSet<QString> ChinesePairs(QStringView text) {
    QSet<QString> pairs;
    for (qsizetype k = 0; k + 1 < text.size(); ++k) {
        if (IsChineseCharacter(text[k].unicode()) && IsChineseCharacter(text[k + 1].unicode()))
            pairs.insert(text.sliced(k, 2).toString());
    }
    return pairs;
}

// A word in its own right: in the exam lists, marked by Collins or Oxford, or among the
// EverydayWords::CommonRank most frequent ("left", "saw", "better").
bool IsCommonWord(const LookupEntry& e) {
    return e.rank <= EverydayWords::CommonRank || e.tags != 0 || e.collins > 0 || e.oxford;
}

// `e` is a misspelling of `o` ("inportant", "important"), or `o` written with hyphens
// ("beau-ti-ful").
bool IsSpellingSlip(const LookupEntry& e, const LookupEntry& o) {
    // Slips keep the first letter and nearly the length; most pairs end here.
    if (e.word.isEmpty() || o.word.isEmpty() ||
        e.word.front().toLower() != o.word.front().toLower() ||
        std::abs(e.word.size() - o.word.size()) > 3)
        return false;
    if (e.Unchecked() && !o.Unchecked())
        return NearSpelling(e.word, o.word);
    return o.rank != LookupEntry::NoRank && !WordsEqual(e.word, o.word) &&
           SpellingSkeleton(e.word) == SpellingSkeleton(o.word);
}

// The English words a translation line names ("v. 吃（eat的过去式）", "abbr. computer 计算机").
QStringList NamedWords(QStringView line) {
    QStringList words;
    if (std::none_of(line.begin(), line.end(), [](QChar c) { return IsAsciiLetter(c); }))
        return words;
    const QStringView rest = SplitPartOfSpeech(line).rest;
    qsizetype i = 0;
    while (i < rest.size()) {
        if (!IsAsciiLetter(rest[i])) {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < rest.size() && (IsAsciiLetter(rest[j]) || rest[j] == u'-'))
            ++j;
        if (j - i >= 2)
            words.append(rest.sliced(i, j - i).toString());
        i = j;
    }
    return words;
}

// A line marked as a preposition, adverb, conjunction, article or pronoun: the words that make
// phrasal verbs ("put off", "give away") and fixed expressions.
bool HasParticleLine(const SourceEntry& row) {
    for (const QString& line : TranslationLines(row.translation)) {
        const QStringView marker = SplitPartOfSpeech(line).marker;
        for (QStringView m : {u"prep.", u"adv.", u"ad.", u"conj.", u"art.", u"pron."}) {
            if (marker.contains(m))
                return true;
        }
    }
    return false;
}

} // namespace

QString CleanHeadword(QStringView word) {
    for (QChar c : word) {
        if (c == u'#' || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return {};
    }
    QString cleaned = CleanField(word);
    if (cleaned.startsWith(u';'))
        return {};
    return cleaned;
}

qint32 FrequencyRank(const SourceEntry& row) {
    if (row.frq > 0)
        return row.frq;
    if (row.bnc > 0)
        return row.bnc;
    return LookupEntry::NoRank;
}

EverydayWords EverydayWords::FromRows(const std::vector<SourceEntry>& rows) {
    EverydayWords words;
    for (const SourceEntry& row : rows) {
        const QString word = row.word.trimmed().toLower();
        if (word.isEmpty() || word.contains(u' '))
            continue;
        const qint32 rank = FrequencyRank(row);
        if (rank <= GrammaticalRank || (rank <= ParticleRank && HasParticleLine(row)))
            words.grammatical.insert(word);
        if (rank > CommonRank && row.tags == 0 && row.collins == 0 && !row.oxford)
            continue;
        const qint32 kept = rank <= CommonRank ? rank : LookupEntry::NoRank;
        auto it = words.common.find(word);
        if (it == words.common.end())
            words.common.insert(word, kept);
        else
            it.value() = std::min(it.value(), kept);
    }
    return words;
}

bool EverydayWords::IsEverydayPhrase(QStringView headword) const {
    const QList<QStringView> words = PhraseWords(headword);
    if (words.size() < 2 || words.size() > 4)
        return false;
    bool grammaticalWord = false;
    for (QStringView w : words) {
        const QString word = w.toString();
        if (!common.contains(word))
            return false;
        grammaticalWord = grammaticalWord || grammatical.contains(word);
    }
    return grammaticalWord;
}

qint32 EverydayWords::PhraseRank(QStringView headword) const {
    qint32 rarest = 0;
    for (QStringView w : headword.split(u' ')) {
        const qint32 rank = common.value(w.toString().toLower(), LookupEntry::NoRank);
        rarest = std::max(rarest, rank == LookupEntry::NoRank ? CommonRank : rank);
    }
    return PhraseRankBase + rarest * PhraseRankFactor;
}

bool IsLookupRow(const SourceEntry& row, const QString& headword, const EverydayWords& everyday) {
    if (headword.isEmpty() || !ContainsChinese(row.translation))
        return false;
    if (!headword.contains(u' '))
        return true;
    if (row.frq > 0 || row.bnc > 0 || row.tags != 0 || row.collins > 0 || row.oxford)
        return true;
    if (!everyday.IsEverydayPhrase(headword))
        return false;
    for (const QString& line : TranslationLines(row.translation)) {
        if (!IsSubjectLine(line) && ContainsChinese(line))
            return true;
    }
    return false;
}

std::vector<LookupEntry> BuildLookupEntries(const std::vector<SourceEntry>& rows) {
    const EverydayWords everyday = EverydayWords::FromRows(rows);
    std::vector<Candidate> candidates;
    candidates.reserve(rows.size());
    for (const SourceEntry& row : rows) {
        QString word = CleanHeadword(row.word);
        if (IsLookupRow(row, word, everyday))
            candidates.push_back({&row, std::move(word), FrequencyRank(row)});
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        const int c = CompareWords(a.word, b.word);
        return c != 0 ? c < 0 : Preferred(a, b);
    });

    std::vector<LookupEntry> entries;
    entries.reserve(candidates.size());
    for (size_t i = 0; i < candidates.size();) {
        size_t end = i + 1;
        while (end < candidates.size() && WordsEqual(candidates[i].word, candidates[end].word))
            ++end;
        LookupEntry entry;
        const SourceEntry& preferred = *candidates[i].row;
        entry.word = candidates[i].word;
        if (IsAllCapitals(entry.word) && preferred.lowerCaseForms)
            entry.word = entry.word.toLower();
        entry.lemma = preferred.lemma;
        entry.definitionCounts = preferred.definitionCounts;
        for (size_t k = i; k < end; ++k) {
            const SourceEntry& row = *candidates[k].row;
            for (const QString& line : TranslationLines(row.translation)) {
                if (!entry.lines.contains(line))
                    entry.lines.append(line);
            }
            if (entry.pronunciation.isEmpty())
                entry.pronunciation = PronunciationField(row.phonetic);
            entry.tags |= row.tags;
            entry.rank = std::min(entry.rank, candidates[k].rank);
            entry.collins = std::max(entry.collins, row.collins);
            entry.oxford = entry.oxford || row.oxford;
        }
        if (entry.rank == LookupEntry::NoRank && entry.tags == 0 && entry.collins == 0 &&
            !entry.oxford && entry.word.contains(u' '))
            entry.rank = everyday.PhraseRank(entry.word);
        if (!entry.lines.isEmpty())
            entries.push_back(std::move(entry));
        i = end;
    }
    return entries;
}

QStringList LookupDictionaryLines(const std::vector<LookupEntry>& entries) {
    QStringList lines;
    lines.reserve(qsizetype(entries.size()));
    for (const LookupEntry& e : entries) {
        QString line = e.word + u'#' + FullExplanation(e.lines);
        if (!e.pronunciation.isEmpty())
            line += u'#' + e.pronunciation;
        lines.append(std::move(line));
    }
    return lines;
}

float IndexCost(const LookupEntry& entry, int line, int sense, bool subject) {
    return float(std::log2(WeighingRank(entry)) + SenseWeight * sense + LineWeight * line +
                 (subject ? SubjectLineCost : 0.0));
}

namespace {

// The position of the entry whose headword equals `word` under CompareWords, -1 if none: the
// entries are in that order.
qint32 HeadwordPosition(const std::vector<LookupEntry>& entries, QStringView word) {
    const auto it = std::lower_bound(
        entries.begin(), entries.end(), word,
        [](const LookupEntry& e, QStringView w) { return CompareWords(e.word, w) < 0; });
    return it != entries.end() && WordsEqual(it->word, word) ? qint32(it - entries.begin()) : -1;
}

// `list` is in ascending entry order.
bool Lists(const std::vector<Posting>& list, qint32 entry) {
    const auto it = std::lower_bound(list.begin(), list.end(), entry,
                                     [](const Posting& p, qint32 e) { return p.entry < e; });
    return it != list.end() && it->entry == entry;
}

} // namespace

QStringList ChineseIndexLines(const std::vector<LookupEntry>& entries, int maxWords,
                              qint64* termCount) {
    QHash<QString, std::vector<Posting>> postings;
    postings.reserve(qsizetype(entries.size()) * 2);
    // The words each entry's lines name, and its base form, as entry positions.
    std::vector<std::vector<qint32>> named(entries.size());
    std::vector<qint32> baseForm(entries.size(), -1);
    for (size_t i = 0; i < entries.size(); ++i) {
        const LookupEntry& e = entries[i];
        if (e.word.contains(u','))
            continue; // the index separates its words with ","
        if (!e.lemma.isEmpty() && !WordsEqual(e.lemma, e.word))
            baseForm[i] = HeadwordPosition(entries, e.lemma);
        const QStringList lines = MainSenseLines(e);
        for (qsizetype l = 0; l < lines.size(); ++l) {
            const QString& line = lines[l];
            for (const QString& w : NamedWords(line)) {
                const qint32 at = HeadwordPosition(entries, w);
                if (at >= 0 && at != qint32(i) &&
                    std::find(named[i].begin(), named[i].end(), at) == named[i].end())
                    named[i].push_back(at);
            }
            const bool subject = IsSubjectLine(line);
            for (const IndexTerm& term : IndexTerms(line)) {
                const float cost = IndexCost(e, int(l), term.sense, subject);
                std::vector<Posting>& list = postings[term.text];
                if (!list.empty() && list.back().entry == qint32(i)) {
                    list.back().cost = std::min(list.back().cost, cost);
                    continue;
                }
                list.push_back({qint32(i), cost});
            }
        }
    }
    // A common word is also listed under the head of its main sense: the sense without its
    // first or last character, when that is a term of the index ("钱" for "金钱").
    QHash<QString, std::vector<Posting>> heads;
    for (size_t i = 0; i < entries.size(); ++i) {
        const LookupEntry& e = entries[i];
        if (e.rank > HeadTermRank || e.word.contains(u',') || e.word.contains(u' '))
            continue;
        const QStringList lines = MainSenseLines(e);
        if (lines.isEmpty() || IsSubjectLine(lines.front()))
            continue;
        for (const IndexTerm& term : IndexTerms(lines.front())) {
            if (term.sense >= 2 || term.text.size() < 2 || term.text.size() > 3)
                continue;
            for (const QString& head : {term.text.sliced(1), term.text.chopped(1)}) {
                auto it = postings.find(head);
                if (it == postings.end() || Lists(it.value(), qint32(i)))
                    continue;
                std::vector<Posting>& added = heads[head];
                const float cost = IndexCost(e, 0, term.sense, false) + float(HeadTermCost);
                if (!added.empty() && added.back().entry == qint32(i))
                    added.back().cost = std::min(added.back().cost, cost);
                else
                    added.push_back({qint32(i), cost});
            }
        }
    }
    for (auto it = heads.begin(); it != heads.end(); ++it) {
        std::vector<Posting>& list = postings[it.key()];
        list.insert(list.end(), it.value().begin(), it.value().end());
        std::sort(list.begin(), list.end(),
                  [](const Posting& a, const Posting& b) { return a.entry < b.entry; });
    }
    heads.clear();

    struct KeyLine {
        QString key;
        std::vector<qint32> words;
    };
    std::vector<KeyLine> keyed;
    keyed.reserve(size_t(postings.size()));
    auto before = [](const Posting& a, const Posting& b) {
        if (a.cost != b.cost)
            return a.cost < b.cost;
        return a.entry < b.entry;
    };
    std::vector<Posting> ranked;
    for (auto it = postings.begin(); it != postings.end(); ++it) {
        std::vector<Posting>& list = it.value();
        // Inflected forms are left out before ranking when their base form is listed too, or
        // is in the dictionary while the form is no common word of its own ("noshed").
        ranked.clear();
        for (const Posting& p : list) {
            const qint32 base = baseForm[size_t(p.entry)];
            if (base >= 0 && (Lists(list, base) || !IsCommonWord(entries[size_t(p.entry)])))
                continue;
            Posting q = p;
            if (base >= 0)
                q.cost += float(InflectedFormCost);
            ranked.push_back(q);
        }
        const size_t candidates = std::min(ranked.size(), size_t(maxWords) * 3);
        std::partial_sort(ranked.begin(), ranked.begin() + qsizetype(candidates), ranked.end(),
                          before);
        KeyLine k{EncodeChineseKey(it.key()), {}};
        k.words.reserve(size_t(maxWords));
        for (size_t j = 0; j < candidates && k.words.size() < size_t(maxWords); ++j) {
            const qint32 w = ranked[j].entry;
            const LookupEntry& e = entries[size_t(w)];
            const std::vector<qint32>& names = named[size_t(w)];
            if (std::any_of(names.begin(), names.end(),
                            [&list](qint32 n) { return Lists(list, n); }))
                continue; // its sense points to another word listed here
            if (e.rank == LookupEntry::NoRank &&
                std::any_of(ranked.begin(), ranked.begin() + qsizetype(j), [&](const Posting& p) {
                    return IsSpellingSlip(e, entries[size_t(p.entry)]);
                }))
                continue; // a misspelling or a variant writing of a word listed before it
            k.words.push_back(w);
        }
        keyed.push_back(std::move(k));
    }
    postings.clear();
    std::sort(keyed.begin(), keyed.end(),
              [](const KeyLine& a, const KeyLine& b) { return a.key < b.key; });

    QStringList lines;
    lines.reserve(qsizetype(keyed.size()));
    for (size_t i = 0; i < keyed.size();) {
        // Two terms with one key (it cannot happen with GB18030, but the file must stay valid).
        std::vector<qint32> words = keyed[i].words;
        size_t end = i + 1;
        for (; end < keyed.size() && keyed[end].key == keyed[i].key; ++end) {
            for (qint32 w : keyed[end].words) {
                if (words.size() < size_t(maxWords) &&
                    std::find(words.begin(), words.end(), w) == words.end())
                    words.push_back(w);
            }
        }
        if (words.empty()) {
            i = end;
            continue;
        }
        QString line = keyed[i].key + u'#';
        for (size_t j = 0; j < words.size(); ++j) {
            if (j > 0)
                line += QStringLiteral(", ");
            line += entries[size_t(words[j])].word;
        }
        lines.append(std::move(line));
        i = end;
    }
    if (termCount)
        *termCount = qint64(lines.size());
    return lines;
}

const std::vector<StudyList>& StudyLists() {
    static const std::vector<StudyList> lists = {
        {TagCet4, "cet-4.wsl", "大学英语四级词汇（CET-4）"},
        {TagCet6, "cet-6.wsl", "大学英语六级词汇（CET-6）"},
        {TagZhongkao, "zhongkao.wsl", "中考英语词汇"},
        {TagGaokao, "gaokao.wsl", "高考英语词汇"},
        {TagKaoyan, "kaoyan.wsl", "考研英语词汇"},
        {TagToefl, "toefl.wsl", "托福（TOEFL）词汇"},
        {TagIelts, "ielts.wsl", "雅思（IELTS）词汇"},
        {TagGre, "gre.wsl", "GRE 词汇"},
    };
    return lists;
}

QStringList MainSenseLines(const LookupEntry& entry) {
    QStringList lines = entry.lines;
    if (lines.size() < 2)
        return lines;
    auto classOf = [](const QString& line) {
        const QStringView marker = SplitPartOfSpeech(line).marker;
        qsizetype end = 0;
        while (end < marker.size() && IsAsciiLetter(marker[end]))
            ++end;
        return ClassOfMarker(marker.first(end));
    };
    // The source lists the noun first whatever the word's main use; other orders are its own.
    const WordClass first = classOf(lines.front());
    if (first != NounClass)
        return lines;
    const int firstCount = entry.definitionCounts[size_t(first)];
    if (firstCount == 0)
        return lines; // the definitions say nothing about the first part ("burn": nouns only)
    // A verb made from the noun names it ("carpet": 地毯, 铺以地毯); the noun stays first.
    const QSet<QString> nounPairs = ChinesePairs(ChineseTerms(lines.front()).value(0));
    bool verbFromNoun = false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (classOf(lines[i]) == VerbClass) {
            verbFromNoun = ChinesePairs(ChineseTerms(lines[i]).value(0)).intersects(nounPairs);
            break; // the first verb line is the main verb sense
        }
    }
    qsizetype best = -1;
    int bestCount = 2 * firstCount;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const WordClass c = classOf(lines[i]);
        if (c == NoWordClass || c == first || IsSubjectLine(lines[i]) ||
            (c == VerbClass && verbFromNoun))
            continue;
        if (entry.definitionCounts[size_t(c)] > bestCount) {
            best = i;
            bestCount = entry.definitionCounts[size_t(c)];
        }
    }
    if (best > 0)
        lines.move(best, 0);
    return lines;
}

std::vector<quint8> StudyListTags(const std::vector<LookupEntry>& entries) {
    std::vector<quint8> tags(entries.size());
    auto suspect = [](const LookupEntry& e) { return e.tags != 0 && e.Unchecked(); };
    // Slips after the first two letters only: the words that could be meant are looked for among
    // those that begin like a suspect.
    QSet<QString> beginnings;
    for (const LookupEntry& e : entries) {
        if (suspect(e))
            beginnings.insert(SpellingSkeleton(e.word).left(2));
    }
    QHash<QString, std::vector<qint32>> byVariant;
    for (size_t i = 0; i < entries.size(); ++i) {
        const LookupEntry& e = entries[i];
        tags[i] = e.tags;
        if (e.Unchecked() || !IsCommonWord(e) ||
            !beginnings.contains(SpellingSkeleton(e.word).left(2)))
            continue;
        for (const QString& v : SpellingVariants(e.word))
            byVariant[v].push_back(qint32(i));
    }
    auto pairs = [](const LookupEntry& e) {
        QSet<QString> all;
        for (const QString& line : e.lines) {
            for (const QString& t : ChineseTerms(line))
                all.unite(ChinesePairs(t));
        }
        return all;
    };
    for (size_t i = 0; i < entries.size(); ++i) {
        const LookupEntry& e = entries[i];
        if (!suspect(e))
            continue;
        std::vector<qint32> near;
        for (const QString& v : SpellingVariants(e.word)) {
            for (qint32 n : byVariant.value(v)) {
                if (std::find(near.begin(), near.end(), n) == near.end())
                    near.push_back(n);
            }
        }
        // The word of the same list first ("up-to-date" rather than "up to date"), then the
        // more frequent.
        std::sort(near.begin(), near.end(), [&entries, &e](qint32 a, qint32 b) {
            const bool aListed = (entries[size_t(a)].tags & e.tags) != 0;
            const bool bListed = (entries[size_t(b)].tags & e.tags) != 0;
            if (aListed != bListed)
                return aListed;
            return entries[size_t(a)].rank < entries[size_t(b)].rank;
        });
        const QSet<QString> own = pairs(e);
        for (qint32 n : near) {
            const LookupEntry& meant = entries[size_t(n)];
            if (NearSpelling(e.word, meant.word) && pairs(meant).intersects(own)) {
                tags[size_t(n)] |= e.tags;
                tags[i] = 0;
                break;
            }
        }
    }
    return tags;
}

QStringList StudyListLines(const std::vector<LookupEntry>& entries, quint8 tag,
                           const std::vector<quint8>& studyTags) {
    QStringList lines;
    for (size_t i = 0; i < entries.size() && i < studyTags.size(); ++i) {
        if ((studyTags[i] & tag) == 0)
            continue;
        const LookupEntry& e = entries[i];
        QString line = e.word + u'#' + ShortExplanation(MainSenseLines(e));
        if (!e.pronunciation.isEmpty())
            line += u'#' + e.pronunciation;
        lines.append(std::move(line));
    }
    return lines;
}

} // namespace lexarion::dictbuild
