#include "dictbuild/spelling.h"

#include <algorithm>
#include <vector>

namespace lexarion::dictbuild {

QString SpellingSkeleton(QStringView word) {
    QString out;
    out.reserve(word.size());
    for (QChar c : word) {
        if (c == u' ' || c == u'-' || c == u'\'' || c == u'.')
            continue;
        out += c.toLower();
    }
    return out;
}

QStringList SpellingVariants(QStringView word) {
    const QString skeleton = SpellingSkeleton(word);
    QStringList variants{skeleton};
    for (qsizetype i = 0; i < skeleton.size(); ++i) {
        QString v = skeleton;
        v.remove(i, 1);
        if (!variants.contains(v))
            variants.append(std::move(v));
    }
    return variants;
}

bool NearSpelling(QStringView a, QStringView b) {
    if (a.compare(b, Qt::CaseInsensitive) == 0)
        return false;
    const QString s = SpellingSkeleton(a);
    const QString t = SpellingSkeleton(b);
    if (std::abs(s.size() - t.size()) > 1)
        return false;
    // Optimal string alignment distance, three rows.
    const qsizetype n = t.size();
    std::vector<qsizetype> before(size_t(n + 1)), previous(size_t(n + 1)), current(size_t(n + 1));
    for (qsizetype j = 0; j <= n; ++j)
        previous[size_t(j)] = j;
    for (qsizetype i = 1; i <= s.size(); ++i) {
        current[0] = i;
        for (qsizetype j = 1; j <= n; ++j) {
            const qsizetype cost = s[i - 1] == t[j - 1] ? 0 : 1;
            qsizetype d = std::min({previous[size_t(j)] + 1, current[size_t(j - 1)] + 1,
                                    previous[size_t(j - 1)] + cost});
            if (i > 1 && j > 1 && s[i - 1] == t[j - 2] && s[i - 2] == t[j - 1])
                d = std::min(d, before[size_t(j - 2)] + 1);
            current[size_t(j)] = d;
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[size_t(n)] <= 1;
}

} // namespace lexarion::dictbuild
