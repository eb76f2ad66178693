#pragma once

// The console's picture buttons and version label as a state machine: which button looks how,
// which button the keyboard works on, and when a command or the credit screen runs. The window
// forwards its mouse and key events here and draws the looks.

#include "core/command.h"

#include <QString>
#include <array>

namespace lexarion {

inline constexpr int ConsoleButtonCount = 10;

enum class ButtonLook { Normal, Hover, Pressed };

// The command of each button, from "单词记忆" to "退出".
Command ConsoleButtonCommand(int index);
// 点击进入"单词记忆" ... 点击退出, the tooltip of each button.
QString ConsoleButtonTooltip(int index);
// The label drawn on each button's picture.
QString ConsoleButtonLabel(int index);

enum class MouseButton { Left, Right, Middle };
struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool None() const { return !shift && !ctrl && !alt; }
};

enum class VersionClickResult {
    Counted,        // counted or reset; nothing to show
    OpenTextEffect, // the label turns white and the credit screen opens
    TurnRed,        // a wrong click after the sequence: the label turns red
};

class ConsoleButtons {
public:
    ButtonLook Look(int index) const { return looks_[size_t(index)]; }
    bool Pressed() const { return pressed_; }
    int FocusIndex() const { return focusIndex_; }
    int VersionClicks() const { return versionClicks_; }
    // How often a look has really changed, so repeated calls are seen not to redraw.
    int LookChanges() const { return lookChanges_; }

    void Reset();

    void MoveOverBackground();
    void MoveOverButton(int index);
    void PressButton(int index);
    void Release();
    // A click on button `index`: true when its command is to run (no program window open).
    bool Click(bool dialogShowing);

    // Keyboard. Tab moves the highlight; Space presses and releases the highlighted button
    // (true from SpaceUp when its command is to run); AltF4 tells whether to close.
    void Tab();
    void SpaceDown();
    bool SpaceUp(bool dialogShowing);

    VersionClickResult VersionMouseDown(MouseButton button, KeyModifiers modifiers);

private:
    void SetButtonLook(int index, ButtonLook look);

    std::array<ButtonLook, ConsoleButtonCount> looks_{};
    bool pressed_ = false;
    int focusIndex_ = 0;
    int versionClicks_ = 0;
    int lookChanges_ = 0;
};

} // namespace lexarion
