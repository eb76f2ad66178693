#include "dictbuild/dictionarybuilder.h"

#include "dictbuild/chineseterms.h"
#include "dictbuild/phonetic.h"
#include "dictbuild/senses.h"
#include "dictbuild/textclean.h"
#include "tools/lookupfile.h"
#include "wordlist/wordcompare.h"

#include <QHash>
#include <algorithm>

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
    bool webOnly;
};

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

bool IsLookupRow(const SourceEntry& row, const QString& headword) {
    if (headword.isEmpty() || !ContainsChinese(row.translation))
        return false;
    if (!headword.contains(u' '))
        return true;
    return row.frq > 0 || row.bnc > 0 || row.tags != 0 || row.collins > 0 || row.oxford;
}

std::vector<LookupEntry> BuildLookupEntries(const std::vector<SourceEntry>& rows) {
    std::vector<Candidate> candidates;
    candidates.reserve(rows.size());
    for (const SourceEntry& row : rows) {
        QString word = CleanHeadword(row.word);
        if (IsLookupRow(row, word))
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
        entry.word = candidates[i].word;
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
        }
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

QStringList ChineseIndexLines(const std::vector<LookupEntry>& entries, int maxWords,
                              qint64* termCount) {
    QHash<QString, std::vector<Posting>> postings;
    postings.reserve(qsizetype(entries.size()) * 2);
    for (size_t i = 0; i < entries.size(); ++i) {
        const LookupEntry& e = entries[i];
        if (e.word.contains(u','))
            continue; // the index separates its words with ","
        for (const QString& line : e.lines) {
            const bool web = line.startsWith(WebSenseMarker);
            for (const QString& term : ChineseTerms(line)) {
                std::vector<Posting>& list = postings[term];
                if (!list.empty() && list.back().entry == qint32(i)) {
                    list.back().webOnly = list.back().webOnly && web;
                    continue;
                }
                list.push_back({qint32(i), web});
            }
        }
    }

    struct KeyLine {
        QString key;
        std::vector<qint32> words;
    };
    std::vector<KeyLine> keyed;
    keyed.reserve(size_t(postings.size()));
    auto before = [&entries](const Posting& a, const Posting& b) {
        if (a.webOnly != b.webOnly)
            return !a.webOnly;
        const qint32 ra = entries[size_t(a.entry)].rank;
        const qint32 rb = entries[size_t(b.entry)].rank;
        if (ra != rb)
            return ra < rb;
        return a.entry < b.entry;
    };
    for (auto it = postings.begin(); it != postings.end(); ++it) {
        std::vector<Posting>& list = it.value();
        const size_t n = std::min(list.size(), size_t(maxWords));
        std::partial_sort(list.begin(), list.begin() + qsizetype(n), list.end(), before);
        KeyLine k{EncodeChineseKey(it.key()), {}};
        k.words.reserve(n);
        for (size_t j = 0; j < n; ++j)
            k.words.push_back(list[j].entry);
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

QStringList StudyListLines(const std::vector<LookupEntry>& entries, quint8 tag) {
    QStringList lines;
    for (const LookupEntry& e : entries) {
        if ((e.tags & tag) == 0)
            continue;
        QString line = e.word + u'#' + ShortExplanation(e.lines);
        if (!e.pronunciation.isEmpty())
            line += u'#' + e.pronunciation;
        lines.append(std::move(line));
    }
    return lines;
}

} // namespace lexarion::dictbuild
