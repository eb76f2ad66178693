#pragma once

// Where the console's picture buttons and version label sit on its 550 × 410 background, in
// pixels. Shared by the console window and the painter of the background, so the painted
// grooves and the buttons always meet.

#include <QRect>
#include <array>

namespace lexarion {

inline constexpr int ConsoleBackWidth = 550;
inline constexpr int ConsoleBackHeight = 410;

// Buttons 0 to 5 are 160 × 40, two columns of three; 6 to 9 are 100 × 40, one column. Both
// panels start at the same height.
inline QRect ConsoleButtonRect(int index) {
    if (index < 6)
        return QRect(34 + (index % 2) * 180, 138 + (index / 2) * 62, 160, 40);
    return QRect(416, 138 + (index - 6) * 50, 100, 40);
}

inline QRect ConsoleVersionRect() {
    return QRect(34, 370, 80, 20);
}

} // namespace lexarion
