#include "platform/virtualkey.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace lexarion {
namespace {

class VirtualKeys : public ::testing::TestWithParam<std::tuple<int, Qt::KeyboardModifiers, int>> {};

TEST_P(VirtualKeys, MapsQtKeys) {
    const auto [qtKey, modifiers, virtualKey] = GetParam();
    EXPECT_EQ(VirtualKeyFromQtKey(qtKey, modifiers), virtualKey);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, VirtualKeys,
    ::testing::Values(std::tuple{int(Qt::Key_A), Qt::KeyboardModifiers(), 65},
                      std::tuple{int(Qt::Key_7), Qt::KeyboardModifiers(), 55},
                      std::tuple{int(Qt::Key_7), Qt::KeyboardModifiers(Qt::KeypadModifier), 103},
                      std::tuple{int(Qt::Key_F1), Qt::KeyboardModifiers(), 112},
                      std::tuple{int(Qt::Key_F12), Qt::KeyboardModifiers(), 123},
                      std::tuple{int(Qt::Key_Return), Qt::KeyboardModifiers(), 13},
                      std::tuple{int(Qt::Key_Left), Qt::KeyboardModifiers(), 37},
                      std::tuple{int(Qt::Key_Delete), Qt::KeyboardModifiers(), 46},
                      std::tuple{int(Qt::Key_Exclam), Qt::KeyboardModifiers(), 49},
                      std::tuple{int(Qt::Key_Question), Qt::KeyboardModifiers(), 191},
                      std::tuple{int(Qt::Key_unknown), Qt::KeyboardModifiers(), 0}));

TEST(VirtualKeys, KeypadSeparator) {
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Comma, Qt::KeypadModifier), 108);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Comma), 188);
}

TEST(VirtualKeys, KeySyms) {
    const std::vector<std::pair<int, quint32>> rows{
        {65, 0x61},    {90, 0x7A},    {48, 0x30},    {57, 0x39},    {96, 0xFFB0},
        {105, 0xFFB9}, {106, 0xFFAA}, {108, 0xFFAC}, {111, 0xFFAF}, {112, 0xFFBE},
        {123, 0xFFC9}, {33, 0xFF55},  {34, 0xFF56},  {35, 0xFF57},  {36, 0xFF50},
        {37, 0xFF51},  {40, 0xFF54},  {9, 0xFF09},   {13, 0xFF0D},  {46, 0xFFFF},
        {221, 0x5D},   {222, 0x27},   {0, 0},        {0xE5, 0},     {255, 0},
    };
    for (const auto& [virtualKey, keySym] : rows)
        EXPECT_EQ(KeySymFromVirtualKey(virtualKey), keySym) << virtualKey;
    // Every code a Qt key reports has its key sym.
    for (int qtKey : {int(Qt::Key_Backtab), int(Qt::Key_Enter), int(Qt::Key_Exclam)})
        EXPECT_NE(KeySymFromVirtualKey(VirtualKeyFromQtKey(qtKey)), 0u) << qtKey;
}

TEST(VirtualKeys, ShiftMask) {
    EXPECT_EQ(ShiftMaskFromModifiers(Qt::NoModifier), 0);
    EXPECT_EQ(ShiftMaskFromModifiers(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(ShiftMaskFromModifiers(Qt::ControlModifier | Qt::KeypadModifier), 2);
}

} // namespace
} // namespace lexarion
