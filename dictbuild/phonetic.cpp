#include "dictbuild/phonetic.h"

#include "dictbuild/textclean.h"

namespace lexarion::dictbuild {

namespace {

constexpr char16_t PrimaryStress = 0x02C8;   // ˈ
constexpr char16_t SecondaryStress = 0x02CC; // ˌ
constexpr char16_t LengthMark = 0x02D0;      // ː
constexpr char16_t Schwa = 0x0259;           // ə
constexpr char16_t OpenE = 0x025B;           // ɛ
constexpr char16_t ScriptG = 0x0261;         // ɡ
constexpr char16_t OpenReversedE = 0x025C;   // ɜ

// One character of the source notation, or 0 when it is dropped.
char16_t MapCharacter(char16_t c) {
    switch (c) {
    case u'\'':
    case 0x2019: // ’
    case 0x02CA: // ˊ
    case 0x00B4: // ´
    case 0x02B9: // ʹ
        return PrimaryStress;
    case u':':
        return LengthMark;
    case 0x04D9: // Cyrillic ә
    case 0x04D8: // Cyrillic Ә
    case 0x0275: // ɵ, written for ə in some entries
        return Schwa;
    case 0x0454: // Cyrillic є
    case 0x03B5: // Greek ε
        return OpenE;
    case u'^':
    case u'g':
        return ScriptG;
    case 0x2011: // non-breaking hyphen
        return u'-';
    case u'/':
    case u'[':
    case u']':
    case u'?':
    case u'@':
    case u'#':
        return 0;
    default:
        return c;
    }
}

bool IsWordStart(const QString& out) {
    return out.isEmpty() || out.back() == u' ';
}

} // namespace

QString PhoneticToIpa(QStringView phonetic) {
    QString source = CleanField(phonetic);
    if (ContainsChinese(source))
        return {}; // notes such as "英 [...] 美 [...]" are not a pronunciation
    const qsizetype alternative = source.indexOf(u';');
    if (alternative >= 0)
        source.truncate(alternative);

    QString out;
    out.reserve(source.size());
    for (qsizetype i = 0; i < source.size(); ++i) {
        const char16_t c = source[i].unicode();
        if (c == u'\\') {
            while (i + 1 < source.size() && source[i + 1] == u'\\')
                ++i;
            out += QChar(OpenReversedE);
            continue;
        }
        if (c == u',') {
            // A comma before a sound is the secondary stress; before a space, a hyphen or at
            // the end it separates two spellings.
            const bool separator = i + 1 >= source.size() || source[i + 1] == u' ' ||
                                   source[i + 1] == u'-' || source[i + 1] == u',';
            if (!separator) {
                out += QChar(SecondaryStress);
            } else {
                while (!out.isEmpty() && out.back() == u' ')
                    out.chop(1);
                if (!out.isEmpty() && out.back() != u',')
                    out += QStringLiteral(", ");
            }
            continue;
        }
        if (c == u'.' && IsWordStart(out)) {
            out += QChar(SecondaryStress);
            continue;
        }
        if (c == u' ') {
            if (!out.isEmpty() && out.back() != u' ')
                out += u' ';
            continue;
        }
        const char16_t mapped = MapCharacter(c);
        if (mapped != 0)
            out += QChar(mapped);
    }
    // Remove what the dropped characters left at the ends, and empty brackets.
    out.replace(QStringLiteral("()"), QString());
    while (!out.isEmpty() && (out.back() == u' ' || out.back() == u','))
        out.chop(1);
    while (!out.isEmpty() && (out.front() == u' ' || out.front() == u','))
        out.remove(0, 1);
    return out;
}

QString PronunciationField(QStringView phonetic) {
    const QString ipa = PhoneticToIpa(phonetic);
    return ipa.isEmpty() ? QString() : u'/' + ipa + u'/';
}

} // namespace lexarion::dictbuild
