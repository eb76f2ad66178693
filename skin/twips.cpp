#include "skin/twips.h"

#include "platform/numbertext.h"

#include <cmath>
#include <limits>

namespace lexarion {

int TwipsToPixels(double twips) {
    const double pixels = RoundHalfEven(twips / TwipsPerPixel);
    // Far outside any screen; kept representable instead of overflowing.
    constexpr double limit = std::numeric_limits<int>::max() / 2;
    if (std::isnan(pixels))
        return 0;
    if (pixels > limit)
        return static_cast<int>(limit);
    if (pixels < -limit)
        return static_cast<int>(-limit);
    return static_cast<int>(pixels);
}

QRect TwipsToPixels(double left, double top, double width, double height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

QPoint TwipsToPixels(double x, double y) {
    return QPoint(TwipsToPixels(x), TwipsToPixels(y));
}

QSize TwipsSizeToPixels(double width, double height) {
    return QSize(TwipsToPixels(width), TwipsToPixels(height));
}

} // namespace lexarion
