#pragma once

// Geometry of the skinned controls is worked out in twips (1/1440 inch), the unit in which the
// controls' measures are defined, and turned into pixels only here: 15 twips make one logical
// pixel. Conversions to pixels round to the nearest whole pixel, halves to the even neighbour.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace lexarion {

inline constexpr int TwipsPerPixel = 15;

int TwipsToPixels(double twips);
constexpr int PixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

// A rectangle given as left, top, width and height in twips; each of the four is converted on
// its own, the way a control is moved and sized.
QRect TwipsToPixels(double left, double top, double width, double height);
QPoint TwipsToPixels(double x, double y);
QSize TwipsSizeToPixels(double width, double height);

// A control's place in its container, in twips.
struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
    QRect ToPixels() const { return TwipsToPixels(left, top, width, height); }
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

} // namespace lexarion
