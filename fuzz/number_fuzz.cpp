// Reading numbers from any text: no crash, and the whole-number readings agree with the value.

#include "fuzzsupport.h"
#include "platform/numbertext.h"
#include "platform/textcodec.h"

#include <cmath>
#include <cstdint>

using namespace lexarion;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = DecodeText(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), TextEncoding::Utf8);
    const double value = NumberValue(text);
    IsNumericText(text);
    RoundHalfEven(value);
    Truncate(value);
    if (const std::optional<qint32> rounded = RoundToInt32(value))
        FUZZ_CHECK(std::fabs(double(*rounded) - value) <= 0.5);
    if (const std::optional<qint16> rounded = RoundToInt16(value))
        FUZZ_CHECK(std::fabs(double(*rounded) - value) <= 0.5);
    if (const std::optional<qint32> whole = TextToInt32(text)) {
        FUZZ_CHECK(IsNumericText(text));
        FUZZ_CHECK(double(*whole) == RoundHalfEven(value));
    }
    if (TextToInt16(text))
        FUZZ_CHECK(TextToInt32(text) == TextToInt16(text));
    return 0;
}
