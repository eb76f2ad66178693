#include "skin/formframe.h"

#include <gtest/gtest.h>

using namespace lexarion;
using P = FramePiece;
using C = TitleButtonCell;
using S = FormWindowState;

namespace {

// The default skin's cells, in twips, on a frame of 400 x 300 pixels.
FrameMetrics DefaultMetrics(int alignment = 0) {
    FrameMetrics m;
    m.innerWidth = 6000;
    m.innerHeight = 4500;
    m.SetCell(P::LeftTop, {90, 450});
    m.SetCell(P::Top, {300, 450});
    m.SetCell(P::RightTop, {90, 450});
    m.SetCell(P::Left, {60, 300});
    m.SetCell(P::Right, {60, 300});
    m.SetCell(P::Bottom, {300, 60});
    m.SetCell(P::LeftBottom, {120, 120});
    m.SetCell(P::RightBottom, {120, 120});
    for (P button : {P::CloseButton, P::MaxButton, P::NormalButton, P::MinButton})
        m.SetCell(button, {315, 315});
    m.titleText = {1200, 270};
    m.alignment = alignment;
    return m;
}

} // namespace

namespace lexarion {
void PrintTo(const TwipsRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << ")";
}
} // namespace lexarion

TEST(FrameLayout, PiecesOfTheDefaultSkin) {
    const FrameLayout layout = LayOutFrame(DefaultMetrics());
    const std::pair<P, TwipsRect> expected[] = {
        {P::LeftTop, {0, 0, 90, 450}},
        {P::Top, {90, 0, 5820, 450}},
        {P::RightTop, {5910, 0, 90, 450}},
        {P::CloseButton, {5585, 67.5, 315, 315}},
        {P::MaxButton, {5220, 67.5, 315, 315}},
        {P::NormalButton, {5220, 67.5, 315, 315}},
        {P::MinButton, {4855, 67.5, 315, 315}},
        {P::Icon, {100, 105, 240, 240}},
        {P::Title, {390, 90, 1200, 270}},
        {P::LeftBottom, {0, 4380, 120, 120}},
        {P::RightBottom, {5880, 4380, 120, 120}},
        {P::Bottom, {120, 4440, 5880, 60}},
        {P::Left, {0, 450, 60, 3930}},
        {P::Right, {5940, 450, 60, 3930}},
    };
    for (const auto& [piece, rect] : expected)
        EXPECT_EQ(layout.Piece(piece), rect) << "piece " << int(piece);
    EXPECT_EQ(layout.client, (TwipsRect{60, 450, 5880, 3990}));
    EXPECT_TRUE(layout.titleVisible);
    // Converted in one place: the close button sits at 372, 4 pixels, 21 x 21.
    EXPECT_EQ(layout.Piece(P::CloseButton).ToPixels(), QRect(372, 4, 21, 21));
}

TEST(FrameLayout, TitleAlignments) {
    struct Case {
        int alignment;
        double left;
        bool visible;
    };
    for (const Case c :
         {Case{0, 390, true}, Case{1, 4855 - 1200 - 50, true}, Case{2, (6000 - 1200) / 2, true},
          Case{3, 0, false}, Case{255, 0, false}}) {
        const FrameLayout layout = LayOutFrame(DefaultMetrics(c.alignment));
        EXPECT_EQ(layout.titleVisible, c.visible) << c.alignment;
        if (c.visible) {
            EXPECT_EQ(layout.Piece(P::Title).left, c.left) << c.alignment;
        }
        EXPECT_EQ(layout.Piece(P::Title).top, 90) << c.alignment;
    }
}

TEST(FrameLayout, MinimizeButtonTakesTheMaximizeCellSize) {
    FrameMetrics m = DefaultMetrics();
    m.SetCell(P::MaxButton, {400, 300});
    m.SetCell(P::MinButton, {200, 200});
    const FrameLayout layout = LayOutFrame(m);
    EXPECT_EQ(layout.Piece(P::MaxButton), (TwipsRect{5135, 67.5, 400, 300}));
    EXPECT_EQ(layout.Piece(P::MinButton), (TwipsRect{5135 - 200 - 50, 67.5, 400, 300}))
        << "placed by its own width, sized as the maximize button";
}

struct ButtonsCase {
    const char* name;
    bool maxButton;
    bool minButton;
    S state;
    bool active;
    TitleButtonLook max;
    TitleButtonLook normal;
    TitleButtonLook min;
};

void PrintTo(const ButtonsCase& c, std::ostream* os) {
    *os << c.name;
}

class TitleButtons : public ::testing::TestWithParam<ButtonsCase> {};

TEST_P(TitleButtons, VisibilityEnablingAndCells) {
    const ButtonsCase& c = GetParam();
    const TitleButtonsLook look =
        ResolveTitleButtons(c.maxButton, c.minButton, c.state, c.active, TitleButtonsLook{});
    EXPECT_EQ(look.close, (TitleButtonLook{true, true, c.active ? C::Normal : C::Inactive}));
    EXPECT_EQ(look.max, c.max);
    EXPECT_EQ(look.normal, c.normal);
    EXPECT_EQ(look.min, c.min);
}

// visible, enabled, cell
INSTANTIATE_TEST_SUITE_P(Rules, TitleButtons,
                         ::testing::Values(ButtonsCase{"both on",
                                                       true,
                                                       true,
                                                       S::Normal,
                                                       true,
                                                       {true, true, C::Normal},
                                                       {false, true, C::Normal},
                                                       {true, true, C::Normal}},
                                           ButtonsCase{"both on maximized",
                                                       true,
                                                       true,
                                                       S::Maximized,
                                                       true,
                                                       {false, true, C::Normal},
                                                       {true, true, C::Normal},
                                                       {true, true, C::Normal}},
                                           ButtonsCase{"max off min on",
                                                       false,
                                                       true,
                                                       S::Normal,
                                                       true,
                                                       {true, false, C::Disabled},
                                                       {false, true, C::Disabled},
                                                       {true, true, C::Normal}},
                                           ButtonsCase{"max on min off maximized",
                                                       true,
                                                       false,
                                                       S::Maximized,
                                                       true,
                                                       {false, true, C::Normal},
                                                       {true, true, C::Normal},
                                                       {true, false, C::Disabled}},
                                           ButtonsCase{"both off",
                                                       false,
                                                       false,
                                                       S::Normal,
                                                       true,
                                                       {false, false, C::Disabled},
                                                       {false, true, C::Disabled},
                                                       {false, false, C::Disabled}},
                                           ButtonsCase{"inactive",
                                                       true,
                                                       true,
                                                       S::Normal,
                                                       false,
                                                       {true, true, C::Inactive},
                                                       {false, true, C::Inactive},
                                                       {true, true, C::Inactive}},
                                           ButtonsCase{"inactive, disabled too",
                                                       false,
                                                       true,
                                                       S::Normal,
                                                       false,
                                                       {true, false, C::Inactive},
                                                       {false, true, C::Inactive},
                                                       {true, true, C::Inactive}}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

TEST(TitleButtons, AMinimizedWindowKeepsWhatItShowed) {
    const TitleButtonsLook maximized =
        ResolveTitleButtons(true, true, S::Maximized, true, TitleButtonsLook{});
    const TitleButtonsLook minimized =
        ResolveTitleButtons(false, false, S::Minimized, true, maximized);
    EXPECT_FALSE(minimized.max.visible);
    EXPECT_TRUE(minimized.normal.visible);
    EXPECT_TRUE(minimized.min.visible);
    EXPECT_EQ(minimized.min.cell, C::Disabled);
}

TEST(TitleButtonTracker, FollowsTheMouse) {
    TitleButtonTracker t;
    EXPECT_EQ(t.Move(true, true), C::Hover);
    EXPECT_EQ(t.Move(true, true), std::nullopt); // already hovering
    EXPECT_EQ(t.Move(false, true), C::Normal);
    EXPECT_EQ(t.Move(false, true), std::nullopt);
    // No hover look on an inactive window, and back to the inactive cell when leaving.
    EXPECT_EQ(t.Move(true, false), std::nullopt);
    EXPECT_EQ(t.Move(false, false), C::Inactive);
    // Pressed: pressed inside, normal outside, until released.
    EXPECT_EQ(t.Press(), C::Pressed);
    EXPECT_EQ(t.Move(false, true), C::Normal);
    EXPECT_EQ(t.Move(true, true), C::Pressed);
    EXPECT_EQ(t.Release(), C::Normal);
    EXPECT_FALSE(t.Pressed());
    EXPECT_FALSE(t.Hovering());
}

TEST(WindowState, DoubleClickOnTheTitle) {
    EXPECT_EQ(TitleDoubleClickState(true, S::Normal), S::Maximized);
    EXPECT_EQ(TitleDoubleClickState(true, S::Maximized), S::Normal);
    EXPECT_EQ(TitleDoubleClickState(true, S::Minimized), std::nullopt);
    EXPECT_EQ(TitleDoubleClickState(false, S::Normal), std::nullopt);
}

TEST(WindowState, MaximizedRectangleAndDragging) {
    EXPECT_EQ(MaximizedWindowRect({0, 450, 12000, 8550}), (TwipsRect{0, 450, 12050, 8550}));
    const QRect start(100, 100, 400, 300);
    const QSize minimum(50, 40);
    EXPECT_EQ(DraggedWindowGeometry(start, {30, -20}, {}, minimum), QRect(130, 80, 400, 300));
    EXPECT_EQ(DraggedWindowGeometry(start, {30, 20}, Qt::RightEdge | Qt::BottomEdge, minimum),
              QRect(100, 100, 430, 320));
    EXPECT_EQ(DraggedWindowGeometry(start, {30, 20}, Qt::LeftEdge, minimum),
              QRect(130, 100, 370, 300));
    EXPECT_EQ(DraggedWindowGeometry(start, {-900, -900}, Qt::RightEdge | Qt::BottomEdge, minimum),
              QRect(100, 100, 50, 40));
}
