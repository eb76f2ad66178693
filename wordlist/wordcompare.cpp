#include "wordlist/wordcompare.h"

#include <QChar>

namespace lexarion {

namespace {

// Reads the code point at `i` and advances past it.
char32_t NextCodePoint(QStringView s, qsizetype& i) {
    const char16_t u = s[i].unicode();
    if (QChar::isHighSurrogate(u) && i + 1 < s.size() &&
        QChar::isLowSurrogate(s[i + 1].unicode())) {
        const char32_t cp = QChar::surrogateToUcs4(u, s[i + 1].unicode());
        i += 2;
        return cp;
    }
    ++i;
    return u;
}

char32_t Fold(char32_t cp) {
    if (cp < 0x80)
        return (cp >= 'A' && cp <= 'Z') ? cp + 32 : cp;
    return QChar::toCaseFolded(cp);
}

// Compares the first min(len) code points; `prefixOnly` stops when `b` runs out.
int CompareFolded(QStringView a, QStringView b, bool* bExhausted) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t x = Fold(NextCodePoint(a, i));
        const char32_t y = Fold(NextCodePoint(b, j));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (bExhausted)
        *bExhausted = j >= b.size();
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

inline unsigned char FoldAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? c + 32 : c;
}

} // namespace

int CompareWords(QStringView a, QStringView b) {
    return CompareFolded(a, b, nullptr);
}

bool StartsWithWord(QStringView text, QStringView prefix) {
    bool prefixExhausted = false;
    const int c = CompareFolded(text, prefix, &prefixExhausted);
    return c == 0 || (c > 0 && prefixExhausted);
}

int CompareAsciiWords(QByteArrayView a, QByteArrayView b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned char x = FoldAscii(uchar(a[i]));
        const unsigned char y = FoldAscii(uchar(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace lexarion
