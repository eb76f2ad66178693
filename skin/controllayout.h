#pragma once

// Where the pieces of the skinned controls go, worked out in twips from the sizes of the cells
// and captions. The controls convert the results to pixels (skin/twips.h) and only place what
// these functions give, so the measures can be checked without a window.

#include "skin/twips.h"

#include <QRect>

namespace lexarion {

struct TwipsSize {
    double width = 0;
    double height = 0;
    friend bool operator==(const TwipsSize&, const TwipsSize&) = default;
};

// A rectangle to draw (a focus rectangle): each of the four edges converted one by one, so that
// the rectangle ends where its right and bottom edges in twips fall.
QRect EdgesToPixels(const TwipsRect& rect);

// Distance of the caption from the mark of a check box or option button.
inline constexpr double MarkCaptionGap = 100;

// Push button. The face is one cell plus 10 twips each way, at (0, 0); the control is exactly
// as large as the face.
TwipsSize ButtonFaceSize(TwipsSize cell);
// The caption centred on the face.
TwipsRect ButtonCaptionRect(TwipsSize face, TwipsSize caption);
// The focus rectangle, 60 twips inside each edge of the face.
TwipsRect ButtonFocusRect(TwipsSize face);

// Check box. The mark is one cell at the left edge, centred vertically in the control.
TwipsRect CheckMarkRect(TwipsSize cell, TwipsSize control);
// Option button. The mark is one cell wide and 10 twips higher than a cell, at the left edge,
// centred vertically.
TwipsRect OptionMarkRect(TwipsSize cell, TwipsSize control);
// The round clip of an option button's mark: the ellipse inscribed in this rectangle, in the
// mark's coordinates.
TwipsRect OptionMarkEllipse(TwipsSize mark);

// The caption of a check box or option button: 100 twips right of the mark, level with the
// mark's top, reaching the right edge of the control; `captionHeight` is the text's height.
TwipsRect ToggleCaptionRect(const TwipsRect& mark, TwipsSize control, double captionHeight);

// The focus rectangle of a check box (inset 10) and an option button (inset 30): from `inset`
// left of the caption to `inset` from the right edge, `inset` from the top and bottom.
inline constexpr double CheckFocusInset = 10;
inline constexpr double OptionFocusInset = 30;
TwipsRect ToggleFocusRect(double captionLeft, TwipsSize control, double inset);

// Text box: the inner edit box at (10, 10), 25 twips narrower and lower than the control.
TwipsRect TextBoxInnerRect(TwipsSize control);

// Group frame: the caption centred across the border, 100 twips below its top.
TwipsRect FrameCaptionRect(double borderWidth, TwipsSize caption);

} // namespace lexarion
