// The code page codec both ways: any bytes decode, the decoded text survives a round trip, and
// cutting to a byte budget never exceeds it nor splits a character.

#include "fuzzsupport.h"
#include "platform/textcodec.h"

#include <cstdint>

using namespace lexarion;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const QString text = DecodeAnsi(bytes);
    const QByteArray encoded = EncodeAnsi(text);
    FUZZ_CHECK(DecodeAnsi(encoded) == text);
    FUZZ_CHECK(AnsiByteLength(text) == encoded.size());
    if (IsAscii(bytes))
        FUZZ_CHECK(encoded == bytes);

    const TextEncoding encoding = DetectEncoding(bytes);
    // A byte-order mark alone decides for UTF-8; without one the bytes must be UTF-8 throughout.
    if (encoding == TextEncoding::Utf8)
        FUZZ_CHECK(IsValidUtf8(bytes) && !IsAscii(bytes));
    const QString read = DecodeText(bytes, encoding);
    FUZZ_CHECK(DecodeText(EncodeText(read, encoding), encoding) == read);

    // The input as UTF-16 text, lone surrogates and all.
    const QString utf16(reinterpret_cast<const QChar*>(data), qsizetype(size / 2));
    const QByteArray gb = EncodeAnsi(utf16);
    FUZZ_CHECK(AnsiByteLength(utf16) == gb.size());
    const qsizetype budget = size > 0 ? data[0] : 0;
    const QString cut = TruncateToAnsiBytes(utf16, budget);
    FUZZ_CHECK(utf16.startsWith(cut));
    FUZZ_CHECK(AnsiByteLength(cut) <= budget);
    if (cut.size() < utf16.size()) {
        // The next whole character would not have fitted.
        const qsizetype next =
            cut.size() + (utf16[cut.size()].isHighSurrogate() && cut.size() + 1 < utf16.size() &&
                                  utf16[cut.size() + 1].isLowSurrogate()
                              ? 2
                              : 1);
        FUZZ_CHECK(AnsiByteLength(QStringView(utf16).left(next)) > budget);
    }
    return 0;
}
