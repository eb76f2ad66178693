#pragma once

// The Windows key codes and shift states in which the skinned controls report keys (KeyDown
// carries them), from Qt's key numbers.

#include <Qt>
#include <QtGlobal>

namespace lexarion {

// Key codes: letters 65-90, digits 48-57, and the movement keys; 0 for a key the controls do
// not name.
int WindowsKeyCode(int qtKey);

// Shift state bits: 1 Shift, 2 Ctrl, 4 Alt.
enum ShiftBit : int { ShiftBitShift = 1, ShiftBitCtrl = 2, ShiftBitAlt = 4 };
int WindowsShiftState(Qt::KeyboardModifiers modifiers);

} // namespace lexarion
