#pragma once

// The look state machines of the clickable skinned controls: the push button (ButtonXP) and
// the check box and option button (CheckBoxXP, RadioBoxXP). They know nothing of windows: the
// controls feed them the mouse, the keyboard and the focus, then show the cell and caption
// colour the machine holds and raise the events it reports.
//
// "Inside" is the pointer over the control. The controls learn of the pointer leaving from the
// windowing system's leave notification, or, while a button is held, from moves outside the
// control (the press keeps sending moves to it); both are fed as Move(false).

namespace lexarion {

// Which of the two caption colours of the skin the caption shows.
enum class CaptionLook { Normal, Highlighted };

// The events one input raises, in the order Click, MouseOver, MouseOut (at most one is set).
struct ClickEvents {
    bool click = false;
    bool mouseOver = false;
    bool mouseOut = false;
    // The check box or option button changed its Value (an option button must then clear the
    // others of its group).
    bool valueChanged = false;
};

// The cells of "Button.bmp".
enum class ButtonCell { Normal = 1, Pressed = 2, MouseOver = 3, Disabled = 4 };
inline constexpr int ButtonCellCount = 4;

class PushButtonStates {
public:
    ButtonCell Cell() const { return cell_; }
    CaptionLook Caption() const { return caption_; }
    bool Pressed() const { return pressed_; }
    bool Inside() const { return inside_; }
    bool Focused() const { return focused_; }
    bool Enabled() const { return enabled_; }

    // After a layout: the normal or the disabled cell, the normal caption colour.
    void Layout();
    void SetEnabled(bool enabled);

    ClickEvents Press();
    ClickEvents Move(bool inside);
    ClickEvents Release(bool inside);
    // The space bar going down (also when it repeats) and coming up. Only a release that
    // follows a press of the space bar on this button clicks it.
    void SpaceDown();
    ClickEvents SpaceUp();
    void FocusIn();
    void FocusOut();

private:
    ButtonCell cell_ = ButtonCell::Normal;
    CaptionLook caption_ = CaptionLook::Normal;
    bool pressed_ = false;
    bool inside_ = false;
    bool focused_ = false;
    bool enabled_ = true;
    bool spaceHeld_ = false;
};

// The cells of "CheckBox.bmp" and "RadioBox.bmp" (checked reads selected for the option
// button).
enum class MarkCell {
    Unchecked = 1,
    Checked = 2,
    UncheckedHover = 3,
    CheckedHover = 4,
    UncheckedDisabled = 5,
    CheckedDisabled = 6,
};
inline constexpr int MarkCellCount = 6;

enum class ToggleKind { CheckBox, OptionButton };

class ToggleStates {
public:
    explicit ToggleStates(ToggleKind kind) : kind_(kind) {}

    ToggleKind Kind() const { return kind_; }
    MarkCell Cell() const { return cell_; }
    CaptionLook Caption() const { return caption_; }
    bool Value() const { return value_; }
    bool Pressed() const { return pressed_; }
    bool Inside() const { return inside_; }
    bool Focused() const { return focused_; }
    bool Enabled() const { return enabled_; }

    // After a layout: the normal caption colour and the cell of the present state.
    void Layout();
    // Stores the value and shows the normal or disabled cell for it (the caption keeps its
    // colour). An option button given the value it already has changes nothing. True when the
    // value changed.
    bool SetValue(bool value);
    void SetEnabled(bool enabled);

    ClickEvents Press();
    ClickEvents Move(bool inside);
    ClickEvents Release(bool inside);
    // A space typed while the control has the focus.
    ClickEvents TypeSpace();
    void FocusIn();
    void FocusOut();

private:
    // Cell 1 or 2 by Value and the normal caption colour; only while enabled.
    void ShowNormal();
    // Cell 3 or 4 by Value and the highlighted caption colour; only while enabled.
    void ShowHighlighted();
    // Cell 1 or 2 (enabled) or 5 or 6 (disabled) by Value.
    void ShowStateCell();
    // Value inverted (check box) or set (option button) by a click or the space bar.
    bool Toggle();

    ToggleKind kind_;
    MarkCell cell_ = MarkCell::Unchecked;
    CaptionLook caption_ = CaptionLook::Normal;
    bool value_ = false;
    bool pressed_ = false;
    bool inside_ = false;
    bool focused_ = false;
    bool enabled_ = true;
};

} // namespace lexarion
