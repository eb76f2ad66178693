#pragma once

// The look of the skinned text box (TextBoxXP): which of its two colour sets the border and the
// inner box show, driven by the keyboard focus of the inner box and the pointer over it.
// Hovering changes only the border; the text and background colours follow the focus alone.

namespace lexarion {

enum class TextBoxLook { Normal, Highlighted };

struct HoverEvents {
    bool mouseOver = false;
    bool mouseOut = false;
};

class TextBoxStates {
public:
    TextBoxLook Border() const { return border_; }
    // The text and background colours of the inner box.
    TextBoxLook Colors() const { return colors_; }
    bool Focused() const { return focused_; }
    bool Hovered() const { return hovered_; }

    // After a layout everything shows the normal look, even while the box has the focus; the
    // flags stay as they are.
    void Layout();
    void FocusIn();
    void FocusOut();
    // The pointer moved over the inner box (inside) or away from it.
    HoverEvents Move(bool inside);
    // A mouse button came up over the inner box: the next move inside counts as entering.
    void Release();

private:
    TextBoxLook border_ = TextBoxLook::Normal;
    TextBoxLook colors_ = TextBoxLook::Normal;
    bool focused_ = false;
    bool hovered_ = false;
};

} // namespace lexarion
