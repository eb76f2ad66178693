#pragma once

// The letter spacing of the credit screen's animated lines: it shrinks by one pixel a frame
// from the start, overshoots to -4, then springs back to the final spacing, slowing down as it
// goes (each value is held for one frame more than the one before).

#include <QString>
#include <array>
#include <vector>

namespace lexarion {

class TextSpacingAnimation {
public:
    TextSpacingAnimation(int startSpacing, int finalSpacing)
        : spacing_(startSpacing), final_(finalSpacing) {}

    // Advances to the next frame and returns the spacing to draw it with; false once the last
    // frame has been drawn.
    bool NextFrame(int& spacing);

private:
    int spacing_;
    int final_;
    int step_ = -1;
    int hold_ = 0;
    bool springing_ = false;
    bool done_ = false;
};

// Every frame's spacing of one line, in order.
std::vector<int> SpacingSequence(int startSpacing, int finalSpacing);

// The three credit lines: text, font size, bold, top-left point, spacings and colour
// (a colour number, or -1 for the system's window-text colour).
struct CreditLine {
    QString text;
    int fontSize;
    bool bold;
    int left;
    int top;
    int startSpacing;
    int finalSpacing;
    long color;
};
inline constexpr long WindowTextColor = -1;
const std::array<CreditLine, 3>& CreditLines();

} // namespace lexarion
