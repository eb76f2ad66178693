#include "platform/textcodec.h"
#include "wordlist/wordcompare.h"

#include <QString>
#include <gtest/gtest.h>

using namespace lexarion;

TEST(WordCompare, FoldsCaseAndOrdersByCodePoint) {
    struct Case {
        const char* a;
        const char* b;
        int sign;
    };
    const Case cases[] = {
        {"apple", "APPLE", 0}, {"Apple", "apply", -1}, {"app", "apple", -1},  {"", "a", -1},
        {"", "", 0},           {"a-b", "aa", -1},      {"zebra", "Zulu", -1}, {"É", "é", 0},
        {"e", "é", -1},        {"Ab", "aB", 0},        {"z", "[", 1}, // "[" sits between Z and a
        {"中", "中文", -1},
    };
    for (const Case& c : cases) {
        const int r = CompareWords(QString::fromUtf8(c.a), QString::fromUtf8(c.b));
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
        // The ASCII fast path agrees with the general comparison.
        const QByteArray a(c.a), b(c.b);
        if (IsAscii(a) && IsAscii(b)) {
            const int fast = CompareAsciiWords(a, b);
            EXPECT_EQ((fast > 0) - (fast < 0), c.sign) << c.a << " vs " << c.b;
        }
    }
}

TEST(WordCompare, PrefixTest) {
    EXPECT_TRUE(StartsWithWord(u"Abandon", u"aban"));
    EXPECT_TRUE(StartsWithWord(u"abandon", u""));
    EXPECT_TRUE(StartsWithWord(u"abandon", u"ABANDON"));
    EXPECT_FALSE(StartsWithWord(u"aban", u"abandon"));
    EXPECT_FALSE(StartsWithWord(u"abandon", u"abe"));
}
