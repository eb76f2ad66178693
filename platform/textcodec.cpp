#include "platform/textcodec.h"

#include <cerrno>
#include <iconv.h>
#include <mutex>

namespace lexarion {

namespace {

constexpr char16_t ReplacementCharacter = 0xFFFD;

bool HasUtf8Bom(QByteArrayView bytes) {
    return bytes.size() >= 3 && uchar(bytes[0]) == 0xEF && uchar(bytes[1]) == 0xBB &&
           uchar(bytes[2]) == 0xBF;
}

// One converter per direction; iconv descriptors are reset before each use. The program has
// one user-interface thread, but the lock keeps the codec safe for tools and tests that are not.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != iconv_t(-1))
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != iconv_t(-1); }
    iconv_t handle() const { return cd_; }
    std::mutex& lock() { return lock_; }

private:
    iconv_t cd_;
    std::mutex lock_;
};

Converter& GbToUtf16() {
    static Converter c("UTF-16LE", "GB18030");
    return c;
}

Converter& Utf16ToGb() {
    static Converter c("GB18030", "UTF-16LE");
    return c;
}

} // namespace

bool IsAscii(QByteArrayView bytes) {
    for (char c : bytes) {
        if (uchar(c) >= 0x80)
            return false;
    }
    return true;
}

bool IsValidUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const uchar c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int extra;
        char32_t value;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            value = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            value = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            value = c & 0x07;
        } else {
            return false;
        }
        if (end - p <= extra)
            return false;
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (p[i] & 0x3F);
        }
        if ((extra == 2 && value < 0x800) || (extra == 3 && value < 0x10000) ||
            (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
            return false;
        p += extra + 1;
    }
    return true;
}

TextEncoding DetectEncoding(QByteArrayView bytes) {
    if (HasUtf8Bom(bytes))
        return TextEncoding::Utf8Bom;
    if (!IsAscii(bytes) && IsValidUtf8(bytes))
        return TextEncoding::Utf8;
    return TextEncoding::Gb18030;
}

QString DecodeAnsi(QByteArrayView bytes) {
    if (IsAscii(bytes))
        return QString::fromLatin1(bytes.data(), bytes.size());

    Converter& conv = GbToUtf16();
    QString out;
    if (!conv.valid())
        return QString::fromLatin1(bytes.data(), bytes.size());
    std::lock_guard guard(conv.lock());
    iconv(conv.handle(), nullptr, nullptr, nullptr, nullptr);

    // GB18030 never takes more UTF-16 units than bytes.
    out.resize(bytes.size());
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = size_t(bytes.size());
    char* outStart = reinterpret_cast<char*>(out.data());
    char* outPtr = outStart;
    size_t outLeft = size_t(out.size()) * 2;
    while (inLeft > 0) {
        const size_t r = iconv(conv.handle(), &in, &inLeft, &outPtr, &outLeft);
        if (r != size_t(-1))
            break;
        if (errno == EILSEQ || errno == EINVAL) {
            // A bad or truncated sequence: one replacement character per bad byte, then go on.
            if (outLeft < 2)
                break;
            const char16_t rc = ReplacementCharacter;
            memcpy(outPtr, &rc, 2);
            outPtr += 2;
            outLeft -= 2;
            ++in;
            --inLeft;
            iconv(conv.handle(), nullptr, nullptr, nullptr, nullptr);
        } else {
            break;
        }
    }
    out.resize((outPtr - outStart) / 2);
    return out;
}

QByteArray EncodeAnsi(QStringView text) {
    bool ascii = true;
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return text.toLatin1();

    Converter& conv = Utf16ToGb();
    if (!conv.valid())
        return text.toUtf8();
    std::lock_guard guard(conv.lock());
    iconv(conv.handle(), nullptr, nullptr, nullptr, nullptr);

    QByteArray out;
    // At most four bytes per UTF-16 unit.
    out.resize(text.size() * 4);
    char* in = reinterpret_cast<char*>(const_cast<QChar*>(text.data()));
    size_t inLeft = size_t(text.size()) * 2;
    char* outPtr = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        const size_t r = iconv(conv.handle(), &in, &inLeft, &outPtr, &outLeft);
        if (r != size_t(-1))
            break;
        if ((errno == EILSEQ || errno == EINVAL) && outLeft > 0 && inLeft >= 2) {
            *outPtr++ = '?';
            --outLeft;
            in += 2;
            inLeft -= 2;
            iconv(conv.handle(), nullptr, nullptr, nullptr, nullptr);
        } else {
            break;
        }
    }
    out.resize(outPtr - out.data());
    return out;
}

QString DecodeText(QByteArrayView bytes, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8Bom:
        if (HasUtf8Bom(bytes))
            bytes = bytes.sliced(3);
        return QString::fromUtf8(bytes);
    case TextEncoding::Utf8:
        return QString::fromUtf8(bytes);
    case TextEncoding::Gb18030:
        break;
    }
    return DecodeAnsi(bytes);
}

QByteArray EncodeText(QStringView text, TextEncoding encoding) {
    if (encoding == TextEncoding::Gb18030)
        return EncodeAnsi(text);
    return text.toUtf8();
}

namespace {

// The character starting at `i`: its UTF-16 units (2 for a surrogate pair) and its bytes in the
// code page. A pair is asked of the encoder like any other character: most take four bytes, but
// a few ideographs outside the basic plane have two-byte codes.
struct AnsiCharacter {
    qsizetype units;
    qsizetype bytes;
};
AnsiCharacter AnsiCharacterAt(QStringView text, qsizetype i) {
    const char16_t u = text[i].unicode();
    if (u < 0x80)
        return {1, 1};
    const qsizetype units = QChar::isHighSurrogate(u) && i + 1 < text.size() &&
                                    QChar::isLowSurrogate(text[i + 1].unicode())
                                ? 2
                                : 1;
    return {units, EncodeAnsi(text.sliced(i, units)).size()};
}

} // namespace

qsizetype AnsiByteLength(QStringView text) {
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size();) {
        const AnsiCharacter c = AnsiCharacterAt(text, i);
        n += c.bytes;
        i += c.units;
    }
    return n;
}

QString TruncateToAnsiBytes(QStringView text, qsizetype maxBytes) {
    qsizetype used = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const AnsiCharacter c = AnsiCharacterAt(text, i);
        if (used + c.bytes > maxBytes)
            break;
        used += c.bytes;
        i += c.units;
    }
    return text.first(i).toString();
}

} // namespace lexarion
