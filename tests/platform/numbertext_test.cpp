#include "platform/numbertext.h"

#include <QString>
#include <cmath>
#include <gtest/gtest.h>

using namespace lexarion;

TEST(NumberText, ReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"", 0},           {"abc", 0},
        {"12", 12},        {"  12  ", 12},
        {"12abc", 12},     {"1 2 3", 123},
        {"\t-4\n5", -45},  {"+7", 7},
        {"3.75", 3.75},    {".5", 0.5},
        {"2.", 2},         {"1e3", 1000},
        {"1.5E-2", 0.015}, {"2D2", 200},
        {"1e", 1},         {"1e+", 1},
        {"&HFF", 255},     {"&hff", 255},
        {"&O17", 15},      {"&H", 0},
        {"&HFFG", 255},    {"&H80000001&", 2147483649.0},
        {"-", 0},          {"--5", 0},
        {"10.5.5", 10.5},  {"16777215", 16777215},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(NumberValue(QString::fromUtf8(c.text)), c.expected) << c.text;
    EXPECT_TRUE(std::isinf(NumberValue(u"1e999")));
    EXPECT_EQ(NumberValue(u"1e-999"), 0.0);
}

TEST(NumberText, RoundsHalvesToEvenAndTruncatesDown) {
    const std::pair<double, double> rounding[] = {
        {0.5, 0},   {1.5, 2},   {2.5, 2}, {3.5, 4}, {-0.5, 0},
        {-1.5, -2}, {-2.5, -2}, {2.4, 2}, {2.6, 3},
    };
    for (auto [in, out] : rounding)
        EXPECT_EQ(RoundHalfEven(in), out) << in;
    EXPECT_EQ(Truncate(1.9), 1);
    EXPECT_EQ(Truncate(-1.5), -2);
}

TEST(NumberText, IntegerConversionsReportFailure) {
    struct Case {
        const char* text;
        std::optional<qint32> as32;
        std::optional<qint16> as16;
    };
    const Case cases[] = {
        {"12", 12, 12},
        {"  -7 ", -7, -7},
        {"2.5", 2, 2},
        {"3.5", 4, 4},
        {"&H10", 16, 16},
        {"1e3", 1000, 1000},
        {"32767", 32767, 32767},
        {"32768", 32768, std::nullopt},
        {"-32768", -32768, -32768},
        {"2147483647", 2147483647, std::nullopt},
        {"2147483648", std::nullopt, std::nullopt},
        {"1e300", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"abc", std::nullopt, std::nullopt},
        {"12abc", std::nullopt, std::nullopt},
        {"1 2", std::nullopt, std::nullopt},
        {"-", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextToInt32(QString::fromUtf8(c.text)), c.as32) << c.text;
        EXPECT_EQ(TextToInt16(QString::fromUtf8(c.text)), c.as16) << c.text;
    }
    EXPECT_TRUE(IsNumericText(u" 20040105 "));
    EXPECT_FALSE(IsNumericText(u"2004-01"));
    EXPECT_EQ(RoundToInt32(std::nan("")), std::nullopt);
}
