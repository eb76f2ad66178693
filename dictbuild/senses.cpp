#include "dictbuild/senses.h"

#include "dictbuild/textclean.h"

#include <array>

namespace lexarion::dictbuild {

namespace {

bool IsKnownPartOfSpeech(QStringView name) {
    static constexpr std::array<QStringView, 32> known = {
        u"n",    u"v",    u"vt",   u"vi",     u"a",      u"adj",   u"adv", u"ad",
        u"prep", u"conj", u"pron", u"int",    u"interj", u"num",   u"art", u"abbr",
        u"aux",  u"pl",   u"pref", u"suf",    u"suff",   u"comb",  u"un",  u"na",
        u"vbl",  u"phr",  u"det",  u"exclam", u"modal",  u"quant", u"pn",  u"link-v"};
    for (QStringView k : known) {
        if (name.compare(k, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool IsLineSeparator(QChar c) {
    return c == u'；' || c == u';' || c == u',' || c == u'，' || c == u'、' || c == u' ';
}

QStringView StripSeparators(QStringView text) {
    while (!text.isEmpty() && IsLineSeparator(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && IsLineSeparator(text.back()))
        text.chop(1);
    return text;
}

QStringView TrimSpaces(QStringView text) {
    while (!text.isEmpty() && text.front() == u' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

// The senses of a part: pieces between ",", "，", ";", "；" outside brackets, trimmed.
QStringList SplitSenses(QStringView text) {
    QStringList senses;
    int depth = 0;
    qsizetype start = 0;
    auto add = [&](qsizetype end) {
        const QStringView sense = TrimSpaces(text.sliced(start, end - start));
        if (!sense.isEmpty() && !senses.contains(sense))
            senses.append(sense.toString());
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!ClosingBracket(c).isNull())
            ++depth;
        else if (IsClosingBracket(c) && depth > 0)
            --depth;
        else if (depth == 0 && (c == u',' || c == u'，' || c == u';' || c == u'；')) {
            add(i);
            start = i + 1;
        }
    }
    add(text.size());
    return senses;
}

struct Part {
    QString marker;
    QStringList senses;       // untagged senses
    QStringList taggedSenses; // senses that begin with a subject tag
    bool web = false;
    bool tagged = false; // the whole part is under a subject tag ("[计] 累加器", "art. [计] ...")
};

Part ParsePart(QStringView line) {
    Part part;
    if (line.startsWith(WebSenseMarker)) {
        part.web = true;
        line = TrimSpaces(line.sliced(WebSenseMarker.size()));
    }
    const PartOfSpeechSplit split = SplitPartOfSpeech(line);
    part.marker = split.marker.toString();
    QStringView rest = split.rest;
    // A part wholly under a subject ("[计] 累加器, 加法器") keeps its tag with the marker, so
    // that it still shows when it is all there is.
    if (const qsizetype tag = LeadingTagLength(rest); tag > 0) {
        part.tagged = true;
        if (!part.marker.isEmpty())
            part.marker += u' ';
        part.marker += rest.first(tag);
        rest = TrimSpaces(rest.sliced(tag));
    }
    for (const QString& sense : SplitSenses(rest)) {
        if (LeadingTagLength(sense) > 0)
            part.taggedSenses.append(sense);
        else
            part.senses.append(sense);
    }
    return part;
}

QString Compose(const std::vector<const Part*>& parts,
                const std::vector<const QStringList*>& senses, const std::vector<int>& taken) {
    QString out;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (taken[i] == 0)
            continue;
        if (!out.isEmpty())
            out += u'；';
        if (!parts[i]->marker.isEmpty()) {
            out += parts[i]->marker;
            out += u' ';
        }
        for (int s = 0; s < taken[i]; ++s) {
            if (s > 0)
                out += QStringLiteral(", ");
            out += (*senses[i])[s];
        }
    }
    return out;
}

} // namespace

QStringList TranslationLines(QStringView translation) {
    QStringList lines;
    qsizetype start = 0;
    auto add = [&](qsizetype end) {
        const QString cleaned = CleanField(translation.sliced(start, end - start));
        const QStringView line = StripSeparators(cleaned);
        if (!line.isEmpty())
            lines.append(line.toString());
    };
    for (qsizetype i = 0; i < translation.size(); ++i) {
        const QChar c = translation[i];
        qsizetype breakLength = 0;
        if (c == u'\\' && i + 1 < translation.size() &&
            (translation[i + 1] == u'n' || translation[i + 1] == u'r')) {
            breakLength = 2;
            if (translation[i + 1] == u'r' && i + 3 < translation.size() &&
                translation[i + 2] == u'\\' && translation[i + 3] == u'n')
                breakLength = 4;
        } else if (c == u'\n' || c == u'\r') {
            breakLength = 1;
        }
        if (breakLength > 0) {
            add(i);
            i += breakLength - 1;
            start = i + 1;
        }
    }
    add(translation.size());
    return lines;
}

QString FullExplanation(const QStringList& lines) {
    return lines.join(u'；');
}

PartOfSpeechSplit SplitPartOfSpeech(QStringView line) {
    line = TrimSpaces(line);
    qsizetype markerEnd = 0; // just after the last accepted "."
    qsizetype i = 0;
    for (;;) {
        qsizetype j = i;
        while (j < line.size() && (IsAsciiLetter(line[j]) || line[j] == u'-'))
            ++j;
        if (j == i || j >= line.size() || line[j] != u'.' ||
            !IsKnownPartOfSpeech(line.sliced(i, j - i)))
            break;
        if (j + 1 < line.size() && IsAsciiLetter(line[j + 1]))
            break; // an abbreviation such as "a.m."
        markerEnd = j + 1;
        // Another marker may follow after "&", "/" or ",".
        qsizetype k = markerEnd;
        while (k < line.size() && line[k] == u' ')
            ++k;
        if (k < line.size() && (line[k] == u'&' || line[k] == u'/' || line[k] == u',')) {
            ++k;
            while (k < line.size() && line[k] == u' ')
                ++k;
        }
        i = k;
    }
    PartOfSpeechSplit split;
    split.marker = line.first(markerEnd);
    split.rest = TrimSpaces(line.sliced(markerEnd));
    return split;
}

qsizetype LeadingTagLength(QStringView text) {
    if (text.isEmpty() || text.front() == u'(' || text.front() == u'（')
        return 0; // parentheses hold a part of the sense, not a tag
    const QChar closer = ClosingBracket(text.front());
    if (closer.isNull())
        return 0;
    const qsizetype end = text.indexOf(closer, 1);
    return end < 0 ? 0 : end + 1;
}

QString ShortExplanation(const QStringList& lines, int maxLength, int maxParts) {
    std::vector<Part> all;
    all.reserve(size_t(lines.size()));
    for (const QString& line : lines)
        all.push_back(ParsePart(line));

    // Everyday parts first; failing those the subject-tagged ones; failing those the web senses.
    std::vector<const Part*> chosen;
    std::vector<const QStringList*> senses;
    bool anyMarker = false;
    for (const Part& p : all) {
        if (!p.web && !p.tagged && !p.senses.isEmpty())
            anyMarker = anyMarker || !p.marker.isEmpty();
    }
    for (const Part& p : all) {
        if (p.web || p.tagged || p.senses.isEmpty())
            continue;
        // A line without a marker after the first (an inflection note, a broken-off line) is
        // not a part of speech of its own.
        if (anyMarker && p.marker.isEmpty() && !chosen.empty())
            continue;
        chosen.push_back(&p);
        senses.push_back(&p.senses);
    }
    if (chosen.empty()) {
        for (const Part& p : all) {
            if (p.web)
                continue;
            if (!p.senses.isEmpty()) {
                chosen.push_back(&p);
                senses.push_back(&p.senses);
            } else if (!p.taggedSenses.isEmpty()) {
                chosen.push_back(&p);
                senses.push_back(&p.taggedSenses);
            }
        }
    }
    if (chosen.empty()) {
        for (const Part& p : all) {
            const QStringList* s = !p.senses.isEmpty() ? &p.senses : &p.taggedSenses;
            if (!s->isEmpty()) {
                chosen.push_back(&p);
                senses.push_back(s);
            }
        }
    }
    if (chosen.empty())
        return {};
    if (chosen.size() > size_t(maxParts)) {
        chosen.resize(size_t(maxParts));
        senses.resize(size_t(maxParts));
    }

    std::vector<int> taken(chosen.size(), 0);
    std::vector<bool> closed(chosen.size(), false);
    taken[0] = 1;
    QString text = Compose(chosen, senses, taken);
    if (text.size() > maxLength)
        return text.left(maxLength - 1) + u'…';
    // Round by round: the next sense of every part in turn, so that each part of speech gets
    // its first senses before any part gets more.
    for (int round = 0;; ++round) {
        bool pending = false;
        for (size_t i = 0; i < chosen.size(); ++i) {
            if (closed[i] || taken[i] >= senses[i]->size() || taken[i] >= MaxSensesPerPart)
                continue;
            pending = true;
            if (taken[i] != round)
                continue;
            ++taken[i];
            const QString longer = Compose(chosen, senses, taken);
            if (longer.size() > maxLength) {
                --taken[i];
                closed[i] = true;
                continue;
            }
            text = longer;
        }
        if (!pending)
            break;
    }
    return text;
}

} // namespace lexarion::dictbuild
