#include "skin/controllayout.h"

#include <gtest/gtest.h>

namespace lexarion {
namespace {

// The built-in strips: "Button.bmp" 260 x 25 pixels in 4 cells, "CheckBox.bmp" and
// "RadioBox.bmp" 78 x 13 in 6 cells, at 15 twips a pixel.
constexpr TwipsSize ButtonCell{975, 375};
constexpr TwipsSize MarkCell{195, 195};

TEST(ControlLayout, PushButtonIsOneCellWithItsMargin) {
    const TwipsSize face = ButtonFaceSize(ButtonCell);
    EXPECT_EQ(face, (TwipsSize{985, 385}));
    EXPECT_EQ((TwipsRect{0, 0, face.width, face.height}.ToPixels()), QRect(0, 0, 66, 26));
    EXPECT_EQ(ButtonFocusRect(face), (TwipsRect{60, 60, 865, 265}));
    // Edges 60 and 925 twips across, 60 and 325 down.
    EXPECT_EQ(EdgesToPixels(ButtonFocusRect(face)), QRect(QPoint(4, 4), QPoint(61, 21)));
    EXPECT_EQ(ButtonCaptionRect(face, {600, 240}), (TwipsRect{192.5, 72.5, 600, 240}));
}

TEST(ControlLayout, CheckBoxMarkCaptionAndFocus) {
    const TwipsSize control{1500, 300};
    const TwipsRect mark = CheckMarkRect(MarkCell, control);
    EXPECT_EQ(mark, (TwipsRect{0, 52.5, 195, 195}));
    const TwipsRect caption = ToggleCaptionRect(mark, control, 240);
    EXPECT_EQ(caption, (TwipsRect{295, 52.5, 1205, 240}));
    EXPECT_EQ(ToggleFocusRect(caption.left, control, CheckFocusInset),
              (TwipsRect{285, 10, 1205, 280}));
    EXPECT_EQ(EdgesToPixels(ToggleFocusRect(caption.left, control, CheckFocusInset)),
              QRect(QPoint(19, 1), QPoint(98, 18)));
}

TEST(ControlLayout, OptionButtonMarkIsTallerAndRound) {
    const TwipsSize control{1500, 300};
    const TwipsRect mark = OptionMarkRect(MarkCell, control);
    EXPECT_EQ(mark, (TwipsRect{0, 47.5, 195, 205}));
    EXPECT_EQ(mark.ToPixels(), QRect(0, 3, 13, 14));
    EXPECT_EQ(OptionMarkEllipse({mark.width, mark.height}), (TwipsRect{0, 0, 205, 205}));
    const TwipsRect caption = ToggleCaptionRect(mark, control, 240);
    EXPECT_EQ(caption.left, 295);
    EXPECT_EQ(caption.top, 47.5);
    EXPECT_EQ(ToggleFocusRect(caption.left, control, OptionFocusInset),
              (TwipsRect{265, 30, 1205, 240}));
}

TEST(ControlLayout, TextBoxInnerBox) {
    EXPECT_EQ(TextBoxInnerRect({100, 300}), (TwipsRect{10, 10, 75, 275}));
    EXPECT_EQ(TextBoxInnerRect({1500, 300}).ToPixels(), QRect(1, 1, 98, 18));
}

TEST(ControlLayout, FrameCaptionCentredBelowTheTop) {
    EXPECT_EQ(FrameCaptionRect(2000, {600, 180}), (TwipsRect{700, 100, 600, 180}));
    EXPECT_EQ(FrameCaptionRect(2000, {0, 0}).left, 1000);
}

} // namespace
} // namespace lexarion
