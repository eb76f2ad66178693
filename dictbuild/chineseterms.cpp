#include "dictbuild/chineseterms.h"

#include "dictbuild/ecdictsource.h"
#include "dictbuild/senses.h"
#include "dictbuild/textclean.h"

#include <array>

namespace lexarion::dictbuild {

namespace {

// `line` without its bracketed and parenthesised parts (nested ones too). An opener that is never
// closed is dropped by itself, so that the text after it is kept.
QString RemoveBracketed(QStringView line) {
    QString out;
    out.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar closer = ClosingBracket(line[i]);
        if (closer.isNull()) {
            out += line[i];
            continue;
        }
        std::vector<QChar> expected{closer};
        qsizetype j = i + 1;
        while (j < line.size() && !expected.empty()) {
            const QChar c = ClosingBracket(line[j]);
            if (!c.isNull())
                expected.push_back(c);
            else if (line[j] == expected.back())
                expected.pop_back();
            ++j;
        }
        if (expected.empty()) {
            i = j - 1;
            out += u' '; // "使(马,鹰等)戴头罩" stays one piece; spaces are removed later
        }
    }
    return out;
}

bool IsSeparator(QChar c) {
    return c == u',' || c == u'，' || c == u';' || c == u'；' || c == u'、' || c == u'/';
}

bool IsEdgePunctuation(QChar c) {
    static constexpr std::u16string_view marks =
        u" .。:：!！?？\"'“”‘’《》<>〈〉「」『』=＝~～-—_*·+";
    return marks.find(c.unicode()) != std::u16string_view::npos;
}

bool IsInflectionNote(QStringView term) {
    bool ascii = false;
    for (QChar c : term)
        ascii = ascii || (c.unicode() < 0x80 && c.isLetter());
    if (!ascii)
        return false;
    static constexpr std::array<QStringView, 8> notes = {u"过去式", u"过去分词",     u"现在分词",
                                                         u"复数",   u"第三人称单数", u"比较级",
                                                         u"最高级", u"变体"};
    for (QStringView note : notes) {
        if (term.contains(note))
            return true;
    }
    return false;
}

// Spaces next to a Chinese character are dropped ("学位 连领帽" is one term); other runs of spaces
// become one.
QString TidySpaces(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u' ') {
            out += text[i];
            continue;
        }
        qsizetype j = i;
        while (j < text.size() && text[j] == u' ')
            ++j;
        const bool chineseBefore = !out.isEmpty() && IsChineseCharacter(out.back().unicode());
        const bool chineseAfter = j < text.size() && IsChineseCharacter(text[j].unicode());
        if (!out.isEmpty() && j < text.size() && !chineseBefore && !chineseAfter)
            out += u' ';
        i = j - 1;
    }
    return out;
}

} // namespace

QStringList ChineseTerms(QStringView line) {
    QStringList terms;
    const QString text = RemoveBracketed(line);
    qsizetype start = 0;
    auto add = [&](qsizetype end) {
        QStringView piece = SplitPartOfSpeech(QStringView(text).sliced(start, end - start)).rest;
        while (!piece.isEmpty() && IsEdgePunctuation(piece.front()))
            piece = piece.sliced(1);
        while (!piece.isEmpty() && IsEdgePunctuation(piece.back()))
            piece.chop(1);
        if (piece.isEmpty() || !ContainsChinese(piece))
            return;
        if (piece.contains(u'…') || piece.contains(u"..."))
            return; // "给…加罩": a pattern, not something typed into the lookup
        const QString term = TidySpaces(piece);
        if (term.size() > MaxTermLength || IsInflectionNote(term) || terms.contains(term))
            return;
        terms.append(term);
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsSeparator(text[i])) {
            add(i);
            start = i + 1;
        }
    }
    add(text.size());
    return terms;
}

std::vector<IndexTerm> IndexTerms(QStringView line) {
    QStringView body = line;
    if (body.startsWith(WebSenseMarker))
        body = body.sliced(WebSenseMarker.size());
    const QStringView marker = SplitPartOfSpeech(body).marker;
    bool adjective = false;
    bool adverb = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= marker.size(); ++i) {
        if (i < marker.size() && (marker[i].isLetter() || marker[i] == u'-'))
            continue;
        if (i > start) {
            const WordClass c = ClassOfMarker(marker.sliced(start, i - start));
            adjective = adjective || c == AdjectiveClass;
            adverb = adverb || c == AdverbClass;
        }
        start = i + 1;
    }
    const QStringList terms = ChineseTerms(line);
    std::vector<IndexTerm> out;
    out.reserve(size_t(terms.size()) + 2);
    for (qsizetype i = 0; i < terms.size(); ++i) {
        const QString& term = terms[i];
        out.push_back({term, int(i)});
        const bool bareAdjective =
            term.endsWith(u'的') && (adjective || (marker.isEmpty() && term.size() >= 3));
        const bool bareAdverb = adverb && term.endsWith(u'地');
        if (term.size() < 2 || (!bareAdjective && !bareAdverb))
            continue;
        QString bare = term.chopped(1);
        if (ContainsChinese(bare) && !terms.contains(bare))
            out.push_back({std::move(bare), int(i)});
    }
    return out;
}

} // namespace lexarion::dictbuild
