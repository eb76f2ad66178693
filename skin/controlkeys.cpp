#include "skin/controlkeys.h"

namespace lexarion {

namespace {

struct KeyPair {
    int qt;
    int windows;
};

constexpr KeyPair MovementKeys[] = {
    {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},   {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},   {Qt::Key_Up, 38},       {Qt::Key_Right, 39}, {Qt::Key_Down, 40},
    {Qt::Key_Space, 32},  {Qt::Key_Return, 13},   {Qt::Key_Enter, 13}, {Qt::Key_Escape, 27},
    {Qt::Key_Delete, 46}, {Qt::Key_Backspace, 8}, {Qt::Key_Shift, 16}, {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
};

} // namespace

int WindowsKeyCode(int qtKey) {
    // Qt numbers letters and digits by their upper-case character, as Windows does.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    for (const KeyPair& pair : MovementKeys) {
        if (pair.qt == qtKey)
            return pair.windows;
    }
    return 0;
}

int WindowsShiftState(Qt::KeyboardModifiers modifiers) {
    int state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= ShiftBitShift;
    if (modifiers & Qt::ControlModifier)
        state |= ShiftBitCtrl;
    if (modifiers & Qt::AltModifier)
        state |= ShiftBitAlt;
    return state;
}

} // namespace lexarion
