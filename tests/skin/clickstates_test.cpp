#include "skin/clickstates.h"
#include "skin/textboxstates.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <type_traits>

namespace lexarion {
namespace {

// A run of inputs, one letter each: i / o the pointer moves inside / outside, p press,
// r release inside, R release outside, d / u space down / up (push button) or s a typed
// space (check box, option button), f / F focus gained / lost, e / E enabled / disabled.
struct Counts {
    int clicks = 0;
    int overs = 0;
    int outs = 0;
    friend bool operator==(const Counts&, const Counts&) = default;
};

void Count(Counts& counts, const ClickEvents& events) {
    counts.clicks += events.click;
    counts.overs += events.mouseOver;
    counts.outs += events.mouseOut;
}

// Feeds `inputs` to a push button's or a toggle's machine and counts the events.
template <class States> Counts Feed(States& states, const std::string& inputs) {
    Counts counts;
    for (const char input : inputs) {
        switch (input) {
        case 'i':
            Count(counts, states.Move(true));
            break;
        case 'o':
            Count(counts, states.Move(false));
            break;
        case 'p':
            Count(counts, states.Press());
            break;
        case 'r':
            Count(counts, states.Release(true));
            break;
        case 'R':
            Count(counts, states.Release(false));
            break;
        case 'f':
            states.FocusIn();
            break;
        case 'F':
            states.FocusOut();
            break;
        case 'e':
            states.SetEnabled(true);
            break;
        case 'E':
            states.SetEnabled(false);
            break;
        default:
            if constexpr (std::is_same_v<States, PushButtonStates>) {
                if (input == 'd')
                    states.SpaceDown();
                else if (input == 'u')
                    Count(counts, states.SpaceUp());
            } else if (input == 's') {
                Count(counts, states.TypeSpace());
            }
        }
    }
    return counts;
}

struct ButtonRun {
    std::string inputs;
    ButtonCell cell;
    CaptionLook caption;
    Counts counts;
};

void PrintTo(const ButtonRun& run, std::ostream* os) {
    *os << '"' << run.inputs << '"';
}

class PushButtonRun : public ::testing::TestWithParam<ButtonRun> {};

TEST_P(PushButtonRun, ShowsCellAndRaisesEvents) {
    PushButtonStates states;
    const Counts counts = Feed(states, GetParam().inputs);
    EXPECT_EQ(states.Cell(), GetParam().cell);
    EXPECT_EQ(states.Caption(), GetParam().caption);
    EXPECT_EQ(counts, GetParam().counts);
}

constexpr auto N = CaptionLook::Normal;
constexpr auto H = CaptionLook::Highlighted;

INSTANTIATE_TEST_SUITE_P(
    Runs, PushButtonRun,
    ::testing::Values(
        ButtonRun{"", ButtonCell::Normal, N, {}},
        ButtonRun{"i", ButtonCell::MouseOver, H, {0, 1, 0}},
        ButtonRun{"io", ButtonCell::Normal, N, {0, 1, 1}},
        ButtonRun{"ip", ButtonCell::Pressed, H, {0, 1, 0}},
        ButtonRun{"ipr", ButtonCell::Normal, N, {1, 1, 0}},
        // Leaving while pressed raises no MouseOut, releasing outside no Click.
        ButtonRun{"ipo", ButtonCell::Normal, N, {0, 1, 0}},
        ButtonRun{"ipoR", ButtonCell::Normal, N, {0, 1, 0}},
        ButtonRun{"ipoir", ButtonCell::Normal, N, {1, 1, 0}},
        ButtonRun{"ifpo", ButtonCell::MouseOver, H, {0, 1, 0}},
        // After a click the next move inside enters again.
        ButtonRun{"ipri", ButtonCell::MouseOver, H, {1, 2, 0}},
        ButtonRun{"fd", ButtonCell::Pressed, N, {}}, ButtonRun{"fddd", ButtonCell::Pressed, N, {}},
        ButtonRun{"fdu", ButtonCell::Normal, N, {1, 0, 0}},
        ButtonRun{"fu", ButtonCell::Normal, N, {}}, ButtonRun{"fdFu", ButtonCell::Normal, N, {}},
        ButtonRun{"E", ButtonCell::Disabled, N, {}}, ButtonRun{"Eipr", ButtonCell::Disabled, N, {}},
        ButtonRun{"Ee", ButtonCell::Normal, N, {}}));

struct ToggleRun {
    ToggleKind kind;
    bool startValue;
    std::string inputs;
    bool value;
    MarkCell cell;
    CaptionLook caption;
    Counts counts;
};

void PrintTo(const ToggleRun& run, std::ostream* os) {
    *os << (run.kind == ToggleKind::CheckBox ? "check" : "option") << (run.startValue ? "+" : "-")
        << '"' << run.inputs << '"';
}

class ToggleStatesRun : public ::testing::TestWithParam<ToggleRun> {};

TEST_P(ToggleStatesRun, ShowsCellAndRaisesEvents) {
    ToggleStates states(GetParam().kind);
    states.SetValue(GetParam().startValue);
    const Counts counts = Feed(states, GetParam().inputs);
    EXPECT_EQ(states.Value(), GetParam().value);
    EXPECT_EQ(states.Cell(), GetParam().cell);
    EXPECT_EQ(states.Caption(), GetParam().caption);
    EXPECT_EQ(counts, GetParam().counts);
}

constexpr auto Check = ToggleKind::CheckBox;
constexpr auto Option = ToggleKind::OptionButton;

INSTANTIATE_TEST_SUITE_P(
    Runs, ToggleStatesRun,
    ::testing::Values(ToggleRun{Check, false, "i", false, MarkCell::UncheckedHover, H, {0, 1, 0}},
                      ToggleRun{Check, true, "i", true, MarkCell::CheckedHover, H, {0, 1, 0}},
                      ToggleRun{Check, false, "io", false, MarkCell::Unchecked, N, {0, 1, 1}},
                      ToggleRun{Check, false, "ip", false, MarkCell::Unchecked, N, {0, 1, 0}},
                      ToggleRun{Check, false, "ipr", true, MarkCell::CheckedHover, H, {1, 1, 0}},
                      ToggleRun{Check, true, "ipr", false, MarkCell::UncheckedHover, H, {1, 1, 0}},
                      ToggleRun{Check, false, "ipoR", false, MarkCell::Unchecked, N, {0, 1, 0}},
                      ToggleRun{Check, false, "ipoir", true, MarkCell::CheckedHover, H, {1, 1, 0}},
                      ToggleRun{Check, false, "s", true, MarkCell::Checked, N, {1, 0, 0}},
                      ToggleRun{Check, false, "ss", false, MarkCell::Unchecked, N, {2, 0, 0}},
                      ToggleRun{Check, false, "E", false, MarkCell::UncheckedDisabled, N, {}},
                      ToggleRun{Check, true, "E", true, MarkCell::CheckedDisabled, N, {}},
                      ToggleRun{Check, true, "Eipros", true, MarkCell::CheckedDisabled, N, {}},
                      ToggleRun{Check, false, "if", false, MarkCell::Unchecked, N, {0, 1, 0}},
                      ToggleRun{Option, false, "ipr", true, MarkCell::CheckedHover, H, {1, 1, 0}},
                      // A selected option button stays selected and still clicks.
                      ToggleRun{Option, true, "ipr", true, MarkCell::CheckedHover, H, {1, 1, 0}},
                      ToggleRun{Option, true, "s", true, MarkCell::Checked, N, {1, 0, 0}},
                      ToggleRun{Option, false, "Ee", false, MarkCell::Unchecked, N, {}}));

TEST(ToggleStates, ValueSetShowsItsCellAndKeepsTheCaptionColour) {
    ToggleStates states(ToggleKind::CheckBox);
    states.Move(true);
    EXPECT_TRUE(states.SetValue(true));
    EXPECT_EQ(states.Cell(), MarkCell::Checked);
    EXPECT_EQ(states.Caption(), CaptionLook::Highlighted);
    const ClickEvents click = [&] {
        states.Press();
        return states.Release(true);
    }();
    EXPECT_TRUE(click.valueChanged);
    EXPECT_TRUE(click.click);
}

TEST(TextBoxStates, HoverChangesTheBorderFocusTheColours) {
    TextBoxStates states;
    HoverEvents events = states.Move(true);
    EXPECT_TRUE(events.mouseOver);
    EXPECT_EQ(states.Border(), TextBoxLook::Highlighted);
    EXPECT_EQ(states.Colors(), TextBoxLook::Normal);
    EXPECT_FALSE(states.Move(true).mouseOver);
    states.FocusIn();
    events = states.Move(false);
    EXPECT_TRUE(events.mouseOut);
    // A focused box keeps its focus border.
    EXPECT_EQ(states.Border(), TextBoxLook::Highlighted);
    states.Layout();
    EXPECT_EQ(states.Border(), TextBoxLook::Normal);
    EXPECT_EQ(states.Colors(), TextBoxLook::Normal);
    EXPECT_TRUE(states.Focused());
    // A release clears the hover flag: the next move inside enters again, without a MouseOut.
    EXPECT_TRUE(states.Move(true).mouseOver);
    states.Release();
    events = states.Move(true);
    EXPECT_TRUE(events.mouseOver);
    EXPECT_FALSE(events.mouseOut);
}

} // namespace
} // namespace lexarion
