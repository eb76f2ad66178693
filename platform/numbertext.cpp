#include "platform/numbertext.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace lexarion {

namespace {

bool IsIgnorable(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool IsDigitIn(char16_t c, int base) {
    if (base == 16)
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    if (base == 8)
        return c >= u'0' && c <= u'7';
    return c >= u'0' && c <= u'9';
}

int DigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return c - u'A' + 10;
}

struct Parsed {
    double value = 0;
    bool found = false;   // a number was read
    bool complete = true; // nothing but ignorable characters followed it
};

// `skipBlanksInside` is the leading-number rule (blanks ignored anywhere); the whole-text
// conversions allow blanks only around the number.
Parsed Parse(QStringView text, bool skipBlanksInside) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skip = [&] {
        while (i < n && IsIgnorable(text[i]))
            ++i;
    };
    auto peek = [&]() -> char16_t {
        if (skipBlanksInside)
            skip();
        return i < n ? text[i].unicode() : 0;
    };

    Parsed result;
    skip();
    if (peek() == u'&' && i + 1 < n) {
        const char16_t radixChar = QChar(text[i + 1]).toUpper().unicode();
        const int base = radixChar == u'H' ? 16 : radixChar == u'O' ? 8 : 0;
        if (base != 0) {
            i += 2;
            double value = 0;
            while (IsDigitIn(peek(), base)) {
                value = value * base + DigitValue(text[i].unicode());
                result.found = true;
                ++i;
            }
            result.value = value;
            skip();
            result.complete = i == n;
            return result;
        }
    }

    std::string clean;
    if (peek() == u'+' || peek() == u'-') {
        if (text[i] == u'-')
            clean += '-';
        ++i;
    }
    bool digits = false;
    while (IsDigitIn(peek(), 10)) {
        clean += char(text[i].unicode());
        digits = true;
        ++i;
    }
    if (peek() == u'.') {
        ++i;
        clean += '.';
        while (IsDigitIn(peek(), 10)) {
            clean += char(text[i].unicode());
            digits = true;
            ++i;
        }
    }
    if (digits) {
        const char16_t e = peek();
        if (e == u'e' || e == u'E' || e == u'd' || e == u'D') {
            const qsizetype save = i;
            ++i;
            std::string exponent = "e";
            if (peek() == u'+' || peek() == u'-') {
                if (text[i] == u'-')
                    exponent += '-';
                ++i;
            }
            bool expDigits = false;
            while (IsDigitIn(peek(), 10)) {
                exponent += char(text[i].unicode());
                expDigits = true;
                ++i;
            }
            if (expDigits)
                clean += exponent;
            else
                i = save;
        }
    }
    if (!digits) {
        result.complete = false;
        return result;
    }
    if (clean == "-" || clean.empty())
        return result;
    double value = 0;
    const char* first = clean.data();
    if (*first == '-')
        ++first;
    const auto [ptr, ec] = std::from_chars(first, clean.data() + clean.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too large for a double: infinite; too small: zero.
        const bool huge = clean.find("e-") == std::string::npos;
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    (void)ptr;
    result.value = clean.front() == '-' ? -value : value;
    result.found = true;
    skip();
    result.complete = i == n;
    return result;
}

} // namespace

double NumberValue(QStringView text) {
    return Parse(text, true).value;
}

double RoundHalfEven(double value) {
    if (!std::isfinite(value))
        return value;
    // The default floating-point rounding mode rounds halves to even.
    return std::nearbyint(value);
}

double Truncate(double value) {
    return std::floor(value);
}

std::optional<qint32> RoundToInt32(double value) {
    const double r = RoundHalfEven(value);
    if (!std::isfinite(r) || r < std::numeric_limits<qint32>::min() ||
        r > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(r);
}

std::optional<qint16> RoundToInt16(double value) {
    const double r = RoundHalfEven(value);
    if (!std::isfinite(r) || r < std::numeric_limits<qint16>::min() ||
        r > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(r);
}

bool IsNumericText(QStringView text) {
    const Parsed p = Parse(text, false);
    return p.found && p.complete;
}

std::optional<qint32> TextToInt32(QStringView text) {
    const Parsed p = Parse(text, false);
    if (!p.found || !p.complete)
        return std::nullopt;
    return RoundToInt32(p.value);
}

std::optional<qint16> TextToInt16(QStringView text) {
    const Parsed p = Parse(text, false);
    if (!p.found || !p.complete)
        return std::nullopt;
    return RoundToInt16(p.value);
}

} // namespace lexarion
