#pragma once

// Where the word window puts its three labels. Two layouts: split (each label on a line of its
// own, the block centred across and a third of the free height above it) and one line (word,
// pronunciation and explanation side by side from the left border, each centred in height).
//
// A label is as large as its text. A text too large for the window is first wrapped (only the
// explanation wraps: at the window's width when split, at what the line leaves it otherwise)
// and then, while anything still sticks out, all three are drawn smaller together, so nothing
// is ever cut off by the window's edges or hidden under its border pieces.

#include <QRectF>
#include <QSizeF>
#include <functional>
#include <limits>

namespace lexarion {

// The gap between the labels of the one-line layout and before the first of them: 100 twips.
inline constexpr double LabelGapPixels = 100.0 / 15.0;

enum class WordLabelKind { Word, Pronounce, Explanation };

// The size of a label's text drawn at `scale` times its font size, wrapped at `maxWidth`
// (infinite: not wrapped). An empty text measures 0 x 0.
using LabelMeasure = std::function<QSizeF(WordLabelKind kind, double scale, double maxWidth)>;

struct WordLayoutInput {
    QSizeF inner;              // the window's drawing area
    double leftBorder = 0;     // width of LeftBorder
    double rightBorder = 0;    // width of RightBorder
    double topBorder = 0;      // height of TopBorder
    double bottomBorder = 0;   // height of BottomBorder
    bool split = true;         // "SplitDisplay"
    bool hasPronounce = false; // the pronunciation text, trimmed, is not empty
    bool hasExplanation = false;
};

struct WordLayout {
    double scale = 1;
    // Each label's place and size; the explanation is wrapped at `explanationWrap`.
    QRectF word;
    QRectF pronounce;
    QRectF explanation;
    double explanationWrap = std::numeric_limits<double>::infinity();
};

// The labels placed by the rules of the two layouts, at the largest scale (1 or less) at which
// every label with text lies inside the area within the borders.
WordLayout LayOutWords(const WordLayoutInput& input, const LabelMeasure& measure);

// The placement alone, for label sizes already known.
void PlaceLabels(const WordLayoutInput& input, WordLayout& layout);

} // namespace lexarion
