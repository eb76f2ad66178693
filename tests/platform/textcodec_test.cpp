#include "platform/textcodec.h"

#include <gtest/gtest.h>

using namespace lexarion;

namespace {

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

} // namespace

TEST(TextCodec, RoundTripsChineseThroughGb18030) {
    const QString text = QString::fromUtf8("放弃 abandon；电脑 ə ˈ €");
    const QByteArray gb = EncodeAnsi(text);
    EXPECT_EQ(DecodeAnsi(gb), text);
    // 放 is D0 B0... in GBK: two bytes, a letter one byte.
    EXPECT_EQ(EncodeAnsi(u"放"), Bytes({0xB7, 0xC5}));
    EXPECT_EQ(EncodeAnsi(u"a"), QByteArray("a"));
}

TEST(TextCodec, FourByteCharactersRoundTrip) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // outside the two-byte range
    const QByteArray gb = EncodeAnsi(emoji);
    EXPECT_EQ(gb.size(), 4);
    EXPECT_EQ(DecodeAnsi(gb), emoji);
    EXPECT_EQ(AnsiByteLength(emoji), 4);
}

// Found by fuzzing: FE 76 is a two-byte code for an ideograph outside the basic plane, so its
// surrogate pair counts two bytes, not four, in lengths and cuts.
TEST(TextCodec, APairWithATwoByteCodeCountsTwoBytes) {
    const QString text = u"d"_qs + DecodeAnsi("\xFE\x76") + u"v"_qs;
    const QByteArray gb = EncodeAnsi(text);
    EXPECT_EQ(gb, QByteArray("d\xFE\x76v"));
    EXPECT_EQ(AnsiByteLength(text), gb.size());
    EXPECT_EQ(TruncateToAnsiBytes(text, 3), text.first(text.size() - 1));
    EXPECT_EQ(TruncateToAnsiBytes(text, 2), u"d"_qs);
}

TEST(TextCodec, InvalidBytesAreReplacedAndDecodingGoesOn) {
    // A lone lead byte in the middle, then valid text.
    const QByteArray bytes = Bytes({'a', 0x81, '#', 0xB7, 0xC5, 'z'});
    const QString decoded = DecodeAnsi(bytes);
    EXPECT_TRUE(decoded.startsWith(u'a'));
    EXPECT_TRUE(decoded.endsWith(QString::fromUtf8("放z")));
    EXPECT_TRUE(decoded.contains(QChar(0xFFFD)));
    // Truncated in the middle of a double-byte character at the very end.
    const QString cut = DecodeAnsi(Bytes({'o', 'k', 0xB7}));
    EXPECT_EQ(cut, QString::fromUtf8("ok\xEF\xBF\xBD"));
    // NUL bytes stay characters.
    EXPECT_EQ(DecodeAnsi(QByteArray("a\0b", 3)).size(), 3);
}

TEST(TextCodec, DetectsEncodings) {
    struct Case {
        QByteArray bytes;
        TextEncoding expected;
    };
    const Case cases[] = {
        {QByteArray(), TextEncoding::Gb18030},
        {QByteArray("plain ascii#x"), TextEncoding::Gb18030},
        {QByteArray("\xEF\xBB\xBF"
                    "abc"),
         TextEncoding::Utf8Bom},
        {QString::fromUtf8("放弃#x").toUtf8(), TextEncoding::Utf8},
        {EncodeAnsi(QString::fromUtf8("放弃#x")), TextEncoding::Gb18030},
        {QByteArray("\xC0\xAF"), TextEncoding::Gb18030},     // overlong: not UTF-8
        {QByteArray("\xED\xA0\x80"), TextEncoding::Gb18030}, // surrogate: not UTF-8
        {QByteArray("ok\xE6\x94"), TextEncoding::Gb18030},   // truncated UTF-8
    };
    for (const Case& c : cases)
        EXPECT_EQ(DetectEncoding(c.bytes), c.expected) << c.bytes.toHex().constData();
}

TEST(TextCodec, TruncatesOnCharacterBoundaries) {
    const QString text = QString::fromUtf8("ab放弃c");
    EXPECT_EQ(TruncateToAnsiBytes(text, 3), u"ab"_qs);
    EXPECT_EQ(TruncateToAnsiBytes(text, 4), QString::fromUtf8("ab放"));
    EXPECT_EQ(TruncateToAnsiBytes(text, 100), text);
    EXPECT_EQ(TruncateToAnsiBytes(text, 0), QString());
    EXPECT_EQ(AnsiByteLength(text), 7);
}
