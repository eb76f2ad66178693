#include "skin/clickstates.h"

namespace lexarion {

void PushButtonStates::Layout() {
    cell_ = enabled_ ? ButtonCell::Normal : ButtonCell::Disabled;
    caption_ = CaptionLook::Normal;
}

void PushButtonStates::SetEnabled(bool enabled) {
    enabled_ = enabled;
    cell_ = enabled ? ButtonCell::Normal : ButtonCell::Disabled;
    if (!enabled) {
        pressed_ = false;
        inside_ = false;
        spaceHeld_ = false;
    }
}

ClickEvents PushButtonStates::Press() {
    if (!enabled_)
        return {};
    cell_ = ButtonCell::Pressed;
    pressed_ = true;
    return {};
}

ClickEvents PushButtonStates::Move(bool inside) {
    ClickEvents events;
    if (!enabled_ || inside == inside_)
        return events;
    if (pressed_) {
        if (inside) {
            cell_ = ButtonCell::Pressed;
            caption_ = CaptionLook::Highlighted;
        } else {
            cell_ = focused_ ? ButtonCell::MouseOver : ButtonCell::Normal;
            caption_ = focused_ ? CaptionLook::Highlighted : CaptionLook::Normal;
        }
    } else if (inside) {
        cell_ = ButtonCell::MouseOver;
        caption_ = CaptionLook::Highlighted;
        events.mouseOver = true;
    } else {
        cell_ = ButtonCell::Normal;
        caption_ = CaptionLook::Normal;
        events.mouseOut = true;
    }
    inside_ = inside;
    return events;
}

ClickEvents PushButtonStates::Release(bool inside) {
    ClickEvents events;
    if (!enabled_ || !pressed_)
        return events;
    cell_ = ButtonCell::Normal;
    caption_ = CaptionLook::Normal;
    pressed_ = false;
    inside_ = false;
    events.click = inside;
    return events;
}

void PushButtonStates::SpaceDown() {
    if (!enabled_)
        return;
    cell_ = ButtonCell::Pressed;
    pressed_ = true;
    spaceHeld_ = true;
}

ClickEvents PushButtonStates::SpaceUp() {
    ClickEvents events;
    if (!enabled_ || !spaceHeld_)
        return events;
    cell_ = ButtonCell::Normal;
    pressed_ = false;
    spaceHeld_ = false;
    events.click = true;
    return events;
}

void PushButtonStates::FocusIn() {
    focused_ = true;
}

void PushButtonStates::FocusOut() {
    focused_ = false;
    spaceHeld_ = false;
    if (enabled_)
        cell_ = ButtonCell::Normal;
}

void ToggleStates::Layout() {
    caption_ = CaptionLook::Normal;
    ShowStateCell();
}

bool ToggleStates::SetValue(bool value) {
    if (kind_ == ToggleKind::OptionButton && value == value_)
        return false;
    const bool changed = value != value_;
    value_ = value;
    ShowStateCell();
    return changed;
}

void ToggleStates::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled) {
        pressed_ = false;
        inside_ = false;
    }
    if (kind_ == ToggleKind::OptionButton && enabled)
        ShowNormal();
    else
        ShowStateCell();
}

ClickEvents ToggleStates::Press() {
    if (!enabled_)
        return {};
    ShowNormal();
    pressed_ = true;
    return {};
}

ClickEvents ToggleStates::Move(bool inside) {
    ClickEvents events;
    if (!enabled_ || inside == inside_)
        return events;
    if (inside)
        ShowHighlighted();
    else
        ShowNormal();
    if (!pressed_) {
        events.mouseOver = inside;
        events.mouseOut = !inside;
    }
    inside_ = inside;
    return events;
}

ClickEvents ToggleStates::Release(bool inside) {
    ClickEvents events;
    if (!enabled_ || !pressed_)
        return events;
    if (inside) {
        events.valueChanged = Toggle();
        ShowHighlighted();
        events.click = true;
    }
    pressed_ = false;
    inside_ = false;
    return events;
}

ClickEvents ToggleStates::TypeSpace() {
    ClickEvents events;
    if (!enabled_)
        return events;
    events.valueChanged = Toggle();
    events.click = true;
    return events;
}

void ToggleStates::FocusIn() {
    focused_ = true;
    ShowNormal();
}

void ToggleStates::FocusOut() {
    focused_ = false;
    ShowNormal();
}

void ToggleStates::ShowNormal() {
    if (!enabled_)
        return;
    cell_ = value_ ? MarkCell::Checked : MarkCell::Unchecked;
    caption_ = CaptionLook::Normal;
}

void ToggleStates::ShowHighlighted() {
    if (!enabled_)
        return;
    cell_ = value_ ? MarkCell::CheckedHover : MarkCell::UncheckedHover;
    caption_ = CaptionLook::Highlighted;
}

void ToggleStates::ShowStateCell() {
    if (enabled_)
        cell_ = value_ ? MarkCell::Checked : MarkCell::Unchecked;
    else
        cell_ = value_ ? MarkCell::CheckedDisabled : MarkCell::UncheckedDisabled;
}

bool ToggleStates::Toggle() {
    return SetValue(kind_ == ToggleKind::CheckBox ? !value_ : true);
}

} // namespace lexarion
