#pragma once

// Windows virtual-key codes and modifier masks, the form in which the program's key events
// report keys (KeyDown / KeyUp of the skinned text box) and in which hot keys are stored. Qt's
// key codes are turned into them here, and they into X key syms, with the keys of a US keyboard: a
// shifted symbol reports the key it is on ("!" is the "1" key), a key on the keypad its keypad
// code.

#include <Qt>

namespace lexarion {

// The mask bits of the modifier keys.
enum ShiftMask : int { ShiftMaskShift = 1, ShiftMaskCtrl = 2, ShiftMaskAlt = 4 };

// The virtual-key code (1 to 254) of a Qt key, 0 for a key that has none.
int VirtualKeyFromQtKey(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The X key sym of the key a virtual-key code names (letters by their lower-case symbol, the
// keypad's keys by their Num Lock symbols), 0 for a code without a key here. This is how the
// stored hot keys reach the X server.
quint32 KeySymFromVirtualKey(int virtualKey);
// The mask of the Shift, Ctrl and Alt keys held.
int ShiftMaskFromModifiers(Qt::KeyboardModifiers modifiers);

} // namespace lexarion
