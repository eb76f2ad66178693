#include "skin/textboxstates.h"

namespace lexarion {

void TextBoxStates::Layout() {
    border_ = TextBoxLook::Normal;
    colors_ = TextBoxLook::Normal;
}

void TextBoxStates::FocusIn() {
    border_ = TextBoxLook::Highlighted;
    colors_ = TextBoxLook::Highlighted;
    focused_ = true;
}

void TextBoxStates::FocusOut() {
    border_ = TextBoxLook::Normal;
    colors_ = TextBoxLook::Normal;
    focused_ = false;
}

HoverEvents TextBoxStates::Move(bool inside) {
    HoverEvents events;
    if (inside) {
        if (!hovered_) {
            border_ = TextBoxLook::Highlighted;
            events.mouseOver = true;
        }
        hovered_ = true;
    } else if (hovered_) {
        // A focused box keeps its focus border.
        if (!focused_)
            border_ = TextBoxLook::Normal;
        events.mouseOut = true;
        hovered_ = false;
    }
    return events;
}

void TextBoxStates::Release() {
    hovered_ = false;
}

} // namespace lexarion
