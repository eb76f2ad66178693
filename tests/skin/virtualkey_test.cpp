#include "platform/virtualkey.h"

#include <gtest/gtest.h>
#include <tuple>

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

TEST(VirtualKeys, ShiftMask) {
    EXPECT_EQ(ShiftMaskFromModifiers(Qt::NoModifier), 0);
    EXPECT_EQ(ShiftMaskFromModifiers(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(ShiftMaskFromModifiers(Qt::ControlModifier | Qt::KeypadModifier), 2);
}

} // namespace
} // namespace lexarion
