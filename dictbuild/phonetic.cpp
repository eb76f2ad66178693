#include "dictbuild/phonetic.h"

#include "dictbuild/textclean.h"

#include <algorithm>

namespace lexarion::dictbuild {

namespace {

constexpr char16_t PrimaryStress = 0x02C8;      // ˈ
constexpr char16_t SecondaryStress = 0x02CC;    // ˌ
constexpr char16_t LengthMark = 0x02D0;         // ː
constexpr char16_t Schwa = 0x0259;              // ə
constexpr char16_t OpenE = 0x025B;              // ɛ
constexpr char16_t ScriptG = 0x0261;            // ɡ
constexpr char16_t OpenReversedE = 0x025C;      // ɜ
constexpr char16_t NearCloseBackVowel = 0x028A; // ʊ
constexpr char16_t OpenBackRounded = 0x0252;    // ɒ
constexpr char16_t OpenMidBackRounded = 0x0254; // ɔ

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
    case 0xFF08: // （
        return u'(';
    case 0xFF09: // ）
        return u')';
    case u'/':
    case u'[':
    case u']':
    case u'?':
    case u'@':
    case u'#':
    case 0xFF03: // ＃, what CleanField leaves of a "#"
        return 0;
    default:
        return c;
    }
}

bool HasPrimaryStress(QStringView text) {
    return text.contains(u'\'') || text.contains(QChar(PrimaryStress));
}

// The length of the first of several spellings: they are separated by ";" or "；", by ". ", or
// by a "." between two stressed spellings ("ә'bju:s.ә'bju:z"); any other "." is a secondary
// stress ("әk.selә'reiʃәn").
qsizetype FirstAlternativeLength(QStringView source) {
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        if (c == u';' || c == u'；')
            return i;
        if (c != u'.')
            continue;
        if (i + 1 < source.size() && source[i + 1] == u' ')
            return i;
        if (HasPrimaryStress(source.first(i)) && HasPrimaryStress(source.sliced(i + 1)))
            return i;
    }
    return source.size();
}

} // namespace

QString PhoneticToIpa(QStringView phonetic) {
    QString source = CleanField(phonetic);
    if (ContainsChinese(source))
        return {}; // notes such as "英 [...] 美 [...]" are not a pronunciation
    source.truncate(FirstAlternativeLength(source));
    // The older notation never uses these IPA letters; in it "j" after ə or a stands for ʊ
    // ("nәj" for nəʊ, "haj" for haʊ), and ɒ also stands for ɔ ("bɒi" for bɔɪ).
    const bool olderNotation = std::none_of(source.cbegin(), source.cend(), [](QChar c) {
        return c == u'ɪ' || c == QChar(NearCloseBackVowel) || c == QChar(PrimaryStress) ||
               c == QChar(SecondaryStress) || c == QChar(LengthMark);
    });

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
        if (c == u'.') {
            // What is left of the dots after the alternatives are cut marks secondary stress.
            if (i + 1 < source.size())
                out += QChar(SecondaryStress);
            continue;
        }
        if (c == u' ') {
            if (!out.isEmpty() && out.back() != u' ')
                out += u' ';
            continue;
        }
        char16_t mapped = MapCharacter(c);
        if (mapped == u'j' && olderNotation && !out.isEmpty() &&
            (out.back() == QChar(Schwa) || out.back() == u'a'))
            mapped = NearCloseBackVowel;
        if (mapped == OpenBackRounded && i + 1 < source.size() &&
            (source[i + 1] == u':' || (olderNotation && source[i + 1] == u'i')))
            mapped = OpenMidBackRounded; // ɔː: English has no long ɒ
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
