#include "platform/virtualkey.h"

#include <array>
#include <utility>

namespace lexarion {

namespace {

constexpr int VkNumpad0 = 0x60;
constexpr int VkF1 = 0x70;
constexpr int FunctionKeyCount = 24;
// The keypad's operators, from "*" (0x6A) to "/" (0x6F), and the separator among them.
constexpr int VkMultiply = 0x6A;
constexpr int VkDivide = 0x6F;
constexpr int VkSeparator = 0x6C;

// The X key syms of the ranges the codes share with them.
constexpr quint32 XkKp0 = 0xFFB0;
constexpr quint32 XkKpMultiply = 0xFFAA;
constexpr quint32 XkF1 = 0xFFBE;
constexpr quint32 XkLowerA = 0x61;

// One row per named key: its Qt key, its virtual-key code and the X key sym of the same key
// (0 where a second Qt key only reports a code another row names already).
struct NamedKey {
    int qtKey;
    int virtualKey;
    quint32 keySym;
};

constexpr std::array<NamedKey, 37> NamedKeys{{
    {Qt::Key_Backspace, 0x08, 0xFF08}, {Qt::Key_Tab, 0x09, 0xFF09},
    {Qt::Key_Backtab, 0x09, 0},        {Qt::Key_Clear, 0x0C, 0xFF0B},
    {Qt::Key_Return, 0x0D, 0xFF0D},    {Qt::Key_Enter, 0x0D, 0},
    {Qt::Key_Shift, 0x10, 0xFFE1},     {Qt::Key_Control, 0x11, 0xFFE3},
    {Qt::Key_Alt, 0x12, 0xFFE9},       {Qt::Key_Pause, 0x13, 0xFF13},
    {Qt::Key_CapsLock, 0x14, 0xFFE5},  {Qt::Key_Escape, 0x1B, 0xFF1B},
    {Qt::Key_Space, 0x20, 0x0020},     {Qt::Key_PageUp, 0x21, 0xFF55},
    {Qt::Key_PageDown, 0x22, 0xFF56},  {Qt::Key_End, 0x23, 0xFF57},
    {Qt::Key_Home, 0x24, 0xFF50},      {Qt::Key_Left, 0x25, 0xFF51},
    {Qt::Key_Up, 0x26, 0xFF52},        {Qt::Key_Right, 0x27, 0xFF53},
    {Qt::Key_Down, 0x28, 0xFF54},      {Qt::Key_Print, 0x2C, 0xFF61},
    {Qt::Key_Insert, 0x2D, 0xFF63},    {Qt::Key_Delete, 0x2E, 0xFFFF},
    {Qt::Key_Meta, 0x5B, 0xFFEB},      {Qt::Key_Menu, 0x5D, 0xFF67},
    {Qt::Key_NumLock, 0x90, 0xFF7F},   {Qt::Key_ScrollLock, 0x91, 0xFF14},
    {Qt::Key_Semicolon, 0xBA, 0x003B}, {Qt::Key_Equal, 0xBB, 0x003D},
    {Qt::Key_Comma, 0xBC, 0x002C},     {Qt::Key_Minus, 0xBD, 0x002D},
    {Qt::Key_Period, 0xBE, 0x002E},    {Qt::Key_Slash, 0xBF, 0x002F},
    {Qt::Key_QuoteLeft, 0xC0, 0x0060}, {Qt::Key_BracketLeft, 0xDB, 0x005B},
    {Qt::Key_Backslash, 0xDC, 0x005C},
}};

// Symbols typed with Shift, and the remaining unshifted ones, by the key they are on.
constexpr std::array<std::pair<int, int>, 23> SymbolKeys{{
    {Qt::Key_BracketRight, 0xDD}, {Qt::Key_Apostrophe, 0xDE},
    {Qt::Key_Exclam, '1'},        {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},       {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},     {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},     {Qt::Key_ParenRight, '0'},
    {Qt::Key_Underscore, 0xBD},   {Qt::Key_Plus, 0xBB},
    {Qt::Key_BraceLeft, 0xDB},    {Qt::Key_BraceRight, 0xDD},
    {Qt::Key_Bar, 0xDC},          {Qt::Key_Colon, 0xBA},
    {Qt::Key_QuoteDbl, 0xDE},     {Qt::Key_Less, 0xBC},
    {Qt::Key_Greater, 0xBE},      {Qt::Key_Question, 0xBF},
    {Qt::Key_AsciiTilde, 0xC0},
}};

// The key syms of the two keys whose codes only the symbol table names.
constexpr std::array<std::pair<int, quint32>, 2> SymbolKeySyms{{{0xDD, 0x005D}, {0xDE, 0x0027}}};

// The keypad's own codes for its digits and operators.
int KeypadKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return VkNumpad0 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk:
        return 0x6A;
    case Qt::Key_Plus:
        return 0x6B;
    case Qt::Key_Comma:
        return VkSeparator;
    case Qt::Key_Minus:
        return 0x6D;
    case Qt::Key_Period:
        return 0x6E;
    case Qt::Key_Slash:
        return 0x6F;
    default:
        return 0;
    }
}

} // namespace

int VirtualKeyFromQtKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (const int keypad = KeypadKey(qtKey); keypad != 0)
            return keypad;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // Qt and Windows share the ASCII codes of letters and digits
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + FunctionKeyCount)
        return VkF1 + (qtKey - Qt::Key_F1);
    for (const NamedKey& key : NamedKeys) {
        if (key.qtKey == qtKey)
            return key.virtualKey;
    }
    for (const auto& [qt, vk] : SymbolKeys) {
        if (qt == qtKey)
            return vk;
    }
    return 0;
}

quint32 KeySymFromVirtualKey(int virtualKey) {
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return XkLowerA + quint32(virtualKey - 'A'); // a grab names the key by its plain symbol
    if (virtualKey >= '0' && virtualKey <= '9')
        return quint32(virtualKey);
    if (virtualKey >= VkNumpad0 && virtualKey <= VkNumpad0 + 9)
        return XkKp0 + quint32(virtualKey - VkNumpad0);
    if (virtualKey >= VkMultiply && virtualKey <= VkDivide)
        return XkKpMultiply + quint32(virtualKey - VkMultiply);
    if (virtualKey >= VkF1 && virtualKey < VkF1 + FunctionKeyCount)
        return XkF1 + quint32(virtualKey - VkF1);
    for (const NamedKey& key : NamedKeys) {
        if (key.virtualKey == virtualKey && key.keySym != 0)
            return key.keySym;
    }
    for (const auto& [code, keySym] : SymbolKeySyms) {
        if (code == virtualKey)
            return keySym;
    }
    return 0;
}

int ShiftMaskFromModifiers(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        mask |= ShiftMaskShift;
    if (modifiers.testFlag(Qt::ControlModifier))
        mask |= ShiftMaskCtrl;
    if (modifiers.testFlag(Qt::AltModifier))
        mask |= ShiftMaskAlt;
    return mask;
}

} // namespace lexarion
