#pragma once

// Generated data for the benchmarks: random English words and Chinese text, the sorted word
// column of a lookup dictionary and the lines of its Chinese index.

#include "platform/textcodec.h"
#include "tools/lookupfile.h"
#include "wordlist/wordcompare.h"

#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>
#include <utility>
#include <vector>

namespace lexarion::bench {

inline QString RandomLetters(QRandomGenerator& rng, int min, int max) {
    const int n = int(rng.bounded(min, max + 1));
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(u'a' + rng.bounded(26));
    return s;
}

// Common Chinese characters of the GB2312 level-1 block (B0A1 to D7F9).
inline QString RandomChinese(QRandomGenerator& rng, int min, int max) {
    const int n = int(rng.bounded(min, max + 1));
    QByteArray gb;
    for (int i = 0; i < n; ++i) {
        gb.append(char(0xB0 + rng.bounded(0xD7 - 0xB0)));
        gb.append(char(0xA1 + rng.bounded(0xFE - 0xA1)));
    }
    return DecodeAnsi(gb);
}

// `count` different random words of `min` to `max` letters in the dictionary's order.
inline QStringList SortedWords(QRandomGenerator& rng, int count, int min, int max) {
    QStringList words;
    const auto less = [](const QString& a, const QString& b) { return CompareWords(a, b) < 0; };
    const auto same = [](const QString& a, const QString& b) { return CompareWords(a, b) == 0; };
    while (words.size() < count) {
        while (words.size() < count + count / 20)
            words.append(RandomLetters(rng, min, max));
        std::sort(words.begin(), words.end(), less);
        words.erase(std::unique(words.begin(), words.end(), same), words.end());
    }
    // Evenly spread picks keep the order.
    QStringList kept;
    kept.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        kept.append(words[i * words.size() / count]);
    return kept;
}

// `count` lines of a Chinese index, sorted by key: a random term of 2 to 4 characters and a list
// of `maxWords` words or fewer from `words`. Every 97th term is also put into `terms`.
inline QStringList IndexLines(QRandomGenerator& rng, int count, const QStringList& words,
                              int maxWords, QStringList* terms = nullptr) {
    std::vector<std::pair<QString, QString>> entries;
    while (entries.size() < size_t(count)) {
        while (entries.size() < size_t(count) + 10'000) {
            const QString term = RandomChinese(rng, 2, 4);
            QStringList list;
            const int n = int(rng.bounded(1, maxWords + 1));
            for (int j = 0; j < n; ++j)
                list.append(words[rng.bounded(words.size())]);
            entries.emplace_back(EncodeChineseKey(term), list.join(u", "));
            if (terms && entries.size() % 97 == 0)
                terms->append(term);
        }
        std::sort(entries.begin(), entries.end());
        entries.erase(std::unique(entries.begin(), entries.end(),
                                  [](const auto& a, const auto& b) { return a.first == b.first; }),
                      entries.end());
    }
    entries.resize(count);
    QStringList lines;
    lines.reserve(count);
    for (const auto& [key, list] : entries)
        lines.append(key + u'#' + list);
    return lines;
}

} // namespace lexarion::bench
