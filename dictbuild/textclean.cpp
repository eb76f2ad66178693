#include "dictbuild/textclean.h"

#include <QChar>

namespace lexarion::dictbuild {

namespace {

bool IsSpaceLike(char32_t c) {
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F))
        return true; // C0 and C1 controls, TAB, CR, LF
    if (c == 0xFEFF || c == 0x200B)
        return true; // byte-order mark and zero-width space inside the text
    return QChar::isSpace(c);
}

} // namespace

QString CleanField(QStringView text) {
    QString out;
    out.reserve(text.size());
    bool pendingSpace = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i].unicode(), text[i + 1].unicode());
            ++i;
        }
        if (IsSpaceLike(c)) {
            pendingSpace = !out.isEmpty();
            continue;
        }
        if (pendingSpace) {
            out += u' ';
            pendingSpace = false;
        }
        if (c == u'#')
            out += QChar(0xFF03); // full-width number sign
        else if (QChar::requiresSurrogates(c))
            out += QString::fromUcs4(&c, 1);
        else if (QChar::isSurrogate(c))
            continue; // a lone surrogate has no code page form
        else
            out += QChar(char16_t(c));
    }
    return out;
}

QChar ClosingBracket(QChar c) {
    switch (c.unicode()) {
    case u'(':
        return u')';
    case u'（':
        return u'）';
    case u'[':
        return u']';
    case u'【':
        return u'】';
    case u'〔':
        return u'〕';
    case u'［':
        return u'］';
    default:
        return QChar();
    }
}

bool IsClosingBracket(QChar c) {
    return c == u')' || c == u'）' || c == u']' || c == u'】' || c == u'〕' || c == u'］';
}

bool IsChineseCharacter(char32_t c) {
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3134F);
}

bool ContainsChinese(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(text[i].unicode(), text[i + 1].unicode());
        if (IsChineseCharacter(c))
            return true;
    }
    return false;
}

} // namespace lexarion::dictbuild
