#include "skin/xpmenulayout.h"

#include <gtest/gtest.h>

namespace lexarion {
namespace {

// Seven pixels a character, so widths can be worked out by hand.
int SevenPerCharacter(const QString& text) {
    return 7 * int(text.size());
}

struct MeasureCase {
    const char* name;
    const char16_t* caption;
    int depth;
    int width;
    int height;
};

class MeasureMenuItemTest : public ::testing::TestWithParam<MeasureCase> {};

TEST_P(MeasureMenuItemTest, MeasuresAsTheItemIsDrawn) {
    const MeasureCase& c = GetParam();
    const QSize size = MeasureMenuItem(QString::fromUtf16(c.caption), c.depth, SevenPerCharacter);
    EXPECT_EQ(size, QSize(c.width, c.height));
}

INSTANTIATE_TEST_SUITE_P(
    Items, MeasureMenuItemTest,
    ::testing::Values(MeasureCase{"SubItem", u"开始播放", 1, 4 * 7 + 26, 20},
                      // "退出\tAlt+X" is 8 characters, and two blanks are added for the TAB.
                      MeasureCase{"SubItemWithTab", u"退出\tAlt+X", 1, 10 * 7 + 26, 20},
                      MeasureCase{"Separator", u"", 1, 26, 6},
                      MeasureCase{"DeeperSeparator", u"", 3, 26, 6},
                      MeasureCase{"MenuBarItem", u"文件(&F)", 0, 6 * 7 + 2, 20},
                      MeasureCase{"MenuBarGrip", u"=", 0, 15, 20},
                      MeasureCase{"MenuBarWithTab", u"a\tb", 0, 5 * 7 + 2, 20}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MenuSeparatorTest, DependsOnDepth) {
    EXPECT_TRUE(IsMenuSeparator("", 1));
    EXPECT_FALSE(IsMenuSeparator(" ", 1));
    EXPECT_FALSE(IsMenuSeparator("=", 2));
    EXPECT_TRUE(IsMenuSeparator("", 0));
    EXPECT_TRUE(IsMenuSeparator("   ", 0));
    EXPECT_TRUE(IsMenuSeparator("=", 0));
    EXPECT_FALSE(IsMenuSeparator("==", 0));
}

TEST(MenuDrawingTest, LabelAcceleratorAndLines) {
    const MenuItemRect item{0, 40, 150, 60};
    EXPECT_EQ(MenuLabelRect(item, 1, 4), QRect(24, 43, 24, 12));
    EXPECT_EQ(MenuLabelRect(item, 0, 4), QRect(6, 43, 24, 12));
    EXPECT_EQ(MenuAcceleratorRect(item, 30), QRect(116, 43, 30, 12));
    EXPECT_EQ(SplitMenuCaption("退出\tAlt+X").label, "退出");
    EXPECT_EQ(SplitMenuCaption("退出\tAlt+X").accelerator, "Alt+X");
    EXPECT_EQ(SplitMenuCaption("a\tb\tc").accelerator, "b\tc");

    // A separator 6 high: the middle of 40..46 is 43.
    EXPECT_EQ(MenuSeparatorLine({0, 40, 150, 46}), QLine(24, 43, 146, 43));
    // The middle of 41..46 is 43.5, which rounds to the even 44.
    EXPECT_EQ(MenuSeparatorLine({0, 41, 150, 46}).y1(), 44);

    const QList<QLine> grip = MenuGripLines({0, 0, 15, 20});
    ASSERT_EQ(grip.size(), 10); // y = 2, 4, ..., 20
    EXPECT_EQ(grip.first(), QLine(5, 2, 10, 2));
    EXPECT_EQ(grip.last(), QLine(5, 20, 10, 20));
}

TEST(MenuDrawingTest, CheckMarkIsTwoPolylines) {
    // ym = (60 - 40) / 2 + 40 - 1 = 49.
    const QList<QList<QPoint>> mark = MenuCheckMark({10, 40, 150, 60});
    ASSERT_EQ(mark.size(), 2);
    EXPECT_EQ(mark[0], (QList<QPoint>{{13, 49}, {18, 54}, {28, 45}}));
    EXPECT_EQ(mark[1], (QList<QPoint>{{14, 49}, {19, 54}, {28, 44}}));
    // (B - T) / 2 + T - 1 = 49.5 rounds to the even 50 for an item 21 high.
    EXPECT_EQ(MenuCheckMark({0, 40, 150, 61})[0][0].y(), 50);
}

TEST(XPMenuListTest, SlotsAreNeverReused) {
    XPMenuList list;
    list.RegisterMenuItem(1, 10, 100, 0);
    list.RegisterMenuItem(1, 11, 100, 1);
    list.RegisterMenuItem(1, 10, 100, 2); // the same item again
    list.RegisterMenuItem(2, 10, 200, 1); // the same id on another window
    EXPECT_EQ(list.SlotCount(), 3);
    EXPECT_EQ(list.Find(10, 100)->Depth, 2);
    list.RemoveOwner(100);
    EXPECT_FALSE(list.Find(10, 100).has_value());
    EXPECT_EQ(list.Find(10, 200)->Depth, 1);
    list.RegisterMenuItem(1, 10, 100, 0);
    EXPECT_EQ(list.SlotCount(), 4);
    EXPECT_EQ(list.EntryCount(100), 1);
}

} // namespace
} // namespace lexarion
