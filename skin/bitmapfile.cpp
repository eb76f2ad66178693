#include "skin/bitmapfile.h"

#include <cstdint>
#include <cstdlib>

namespace lexarion {

namespace {

std::uint32_t Le(QByteArrayView bytes, qsizetype at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | std::uint8_t(bytes[at + i]);
    return value;
}

} // namespace

bool IsBitmapCutShort(QByteArrayView bytes) {
    if (!bytes.startsWith("BM"))
        return false;
    constexpr qsizetype FileHeader = 14;
    if (bytes.size() < FileHeader + 4)
        return true;
    const std::uint32_t pixelsAt = Le(bytes, 10, 4);
    const std::uint32_t infoSize = Le(bytes, 14, 4);
    std::int64_t width = 0, height = 0, bitsPerPixel = 0;
    if (infoSize == 12) { // the old core header
        if (bytes.size() < FileHeader + 12)
            return true;
        width = Le(bytes, 18, 2);
        height = Le(bytes, 20, 2);
        bitsPerPixel = Le(bytes, 24, 2);
    } else if (infoSize >= 40) {
        if (bytes.size() < FileHeader + 40)
            return true;
        width = std::int32_t(Le(bytes, 18, 4));
        height = std::abs(std::int64_t(std::int32_t(Le(bytes, 22, 4)))); // negative: top-down
        bitsPerPixel = Le(bytes, 28, 2);
        const std::uint32_t compression = Le(bytes, 30, 4);
        if (compression != 0 && compression != 3 && compression != 6) // plain or bit fields
            return false;
    } else {
        return false; // a header this program does not know: the decoder judges
    }
    if (width <= 0 || bitsPerPixel <= 0)
        return false;
    const std::int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return std::int64_t(bytes.size()) < std::int64_t(pixelsAt) + rowBytes * height;
}

} // namespace lexarion
