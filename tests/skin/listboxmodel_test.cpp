#include "skin/listboxmodel.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lexarion {
namespace {

// Records what the model asks the window to do.
class RecordingView : public ListBoxModel::View {
public:
    void DrawRow(int index, bool selected) override {
        log.push_back((selected ? "sel " : "row ") + std::to_string(index));
    }
    void Redraw() override { log.push_back("redraw"); }
    void SetScrollValue(int value) override { log.push_back("scroll " + std::to_string(value)); }
    void RaiseItemSelected() override { ++itemSelected; }

    std::vector<std::string> log;
    int itemSelected = 0;
};

class ListBoxModelTest : public ::testing::Test {
protected:
    void Fill(const std::vector<const char*>& captions) {
        for (const char* caption : captions)
            model.AddListItem(QString::fromUtf8(caption));
    }
    void FillNumbered(int count) {
        for (int i = 0; i < count; ++i)
            model.AddListItem(QStringLiteral("item %1").arg(i));
    }
    int SelectedCount() const {
        int count = 0;
        for (int i = 0; i < model.ListCount(); ++i)
            count += model.IsItemSelected(i) ? 1 : 0;
        return count;
    }

    RecordingView view;
    ListBoxModel model{view};
};

TEST_F(ListBoxModelTest, AddingDrawsNothingAndSelectsNothing) {
    Fill({"one", "two", "three"});
    EXPECT_EQ(model.ListCount(), 3);
    EXPECT_EQ(model.ListIndex(), 0);
    EXPECT_EQ(SelectedCount(), 0);
    EXPECT_TRUE(view.log.empty());
    EXPECT_EQ(model.GetListItemCaption(2), "three");
    EXPECT_EQ(model.GetListItemCaption(3), "");
    EXPECT_EQ(model.GetListItemCaption(-1), "");
}

TEST_F(ListBoxModelTest, AfterPlacesTheNewItem) {
    Fill({"b", "d"});
    model.AddListItem("a", {}, 0);
    model.AddListItem("c", QStringLiteral("key"), 2);
    model.AddListItem("e", {}, 99);
    std::vector<QString> captions;
    for (int i = 0; i < model.ListCount(); ++i)
        captions.push_back(model.GetListItemCaption(i));
    EXPECT_EQ(captions, (std::vector<QString>{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(model.GetListItemKey(2), "key");
}

TEST_F(ListBoxModelTest, SelectingRedrawsTwoRowsAndRaisesEveryTime) {
    FillNumbered(30);
    model.SetVisibleRows(10);
    model.SetListIndex(3);
    view.log.clear();
    model.SetListIndex(5);
    EXPECT_EQ(view.log, (std::vector<std::string>{"row 3", "sel 5"}));
    EXPECT_EQ(view.itemSelected, 2);
    model.SetListIndex(5); // the same item again
    EXPECT_EQ(view.itemSelected, 3);
    EXPECT_EQ(SelectedCount(), 1);
    model.SetListIndex(30);
    model.SetListIndex(-1);
    EXPECT_EQ(model.ListIndex(), 5);
    EXPECT_EQ(view.itemSelected, 3);
}

TEST_F(ListBoxModelTest, SelectionBelowTheRowsBecomesTheTopRow) {
    FillNumbered(100);
    model.SetVisibleRows(10);
    model.SetListIndex(15);
    EXPECT_EQ(model.TopIndex(), 15);
    // Item 0 counts as the old selection (ListIndex starts at 0) and is drawn normal first.
    EXPECT_EQ(view.log, (std::vector<std::string>{"row 0", "redraw", "scroll 15", "sel 15"}));
    // Selecting the top row or one above it makes it the top row too.
    model.SetListIndex(12);
    EXPECT_EQ(model.TopIndex(), 12);
    model.SetListIndex(21);
    EXPECT_EQ(model.TopIndex(), 12);
}

struct RemoveCase {
    const char* name;
    int selected;
    int removed;
    std::vector<const char*> remaining;
    int raised; // ItemSelected raised by the removal
};

class ListBoxRemoveTest : public ListBoxModelTest,
                          public ::testing::WithParamInterface<RemoveCase> {};

TEST_P(ListBoxRemoveTest, FirstItemEndsUpSelected) {
    const RemoveCase& c = GetParam();
    Fill({"a", "b", "c", "d"});
    model.SetVisibleRows(10);
    model.SetListIndex(c.selected);
    const int before = view.itemSelected;
    model.RemoveListItem(c.removed);
    std::vector<QString> captions;
    for (int i = 0; i < model.ListCount(); ++i)
        captions.push_back(model.GetListItemCaption(i));
    std::vector<QString> want(c.remaining.begin(), c.remaining.end());
    EXPECT_EQ(captions, want);
    EXPECT_EQ(view.itemSelected - before, c.raised);
    if (c.raised > 0) {
        EXPECT_EQ(model.ListIndex(), 0);
        EXPECT_TRUE(model.IsItemSelected(0));
        EXPECT_EQ(SelectedCount(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ListBoxRemoveTest,
    ::testing::Values(RemoveCase{"FirstWhileLaterSelected", 2, 0, {"b", "c", "d"}, 1},
                      RemoveCase{"FirstWhileFirstSelected", 0, 0, {"b", "c", "d"}, 1},
                      RemoveCase{"Middle", 3, 2, {"a", "b", "d"}, 1},
                      RemoveCase{"TheSelectedOne", 3, 3, {"a", "b", "c"}, 1},
                      RemoveCase{"OutOfRange", 1, 4, {"a", "b", "c", "d"}, 0},
                      RemoveCase{"Negative", 1, -1, {"a", "b", "c", "d"}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ListBoxModelTest, RemovingTheLastItemLeavesAnEmptyList) {
    Fill({"only"});
    model.SetListIndex(0);
    const int before = view.itemSelected;
    model.RemoveListItem(0);
    EXPECT_EQ(model.ListCount(), 0);
    EXPECT_EQ(model.ListIndex(), 0);
    EXPECT_EQ(view.itemSelected, before);
}

TEST_F(ListBoxModelTest, FindStringComparesTheStartWithoutCase) {
    Fill({"Apple", "banana", "Berry", "apricot"});
    EXPECT_EQ(model.FindString(0, "b"), 1);
    EXPECT_EQ(model.FindString(2, "B"), 2);
    EXPECT_EQ(model.FindString(3, "b"), -1); // no wrap-around
    EXPECT_EQ(model.FindString(0, "APR"), 3);
    EXPECT_EQ(model.FindString(0, ""), 0);
    EXPECT_EQ(model.FindString(0, "cherry"), -1);
    EXPECT_EQ(model.FindString(-5, "apple"), 0);
}

TEST_F(ListBoxModelTest, ClearResetsAndRefills) {
    FillNumbered(50);
    model.SetVisibleRows(10);
    model.SetListIndex(30);
    model.ClearListBox();
    view.log.clear();
    EXPECT_EQ(model.ListCount(), 0);
    EXPECT_EQ(model.TopIndex(), 0);
    EXPECT_EQ(model.ListIndex(), 0);
    EXPECT_TRUE(view.log.empty());
    Fill({"new"});
    EXPECT_EQ(model.GetListItemCaption(0), "new");
    EXPECT_FALSE(model.IsItemSelected(0));
}

TEST_F(ListBoxModelTest, SetListCaptionRedrawsItsRow) {
    Fill({"a", "b"});
    model.SetListIndex(1);
    view.log.clear();
    model.SetListCaption(1, "B");
    model.SetListCaption(0, "A");
    model.SetListCaption(2, "none");
    EXPECT_EQ(view.log, (std::vector<std::string>{"sel 1", "row 0"}));
    EXPECT_EQ(model.GetListItemCaption(1), "B");
}

struct KeyCase {
    const char* name;
    int start;
    int keyCode;
    int want;
};

class ListBoxKeyTest : public ListBoxModelTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ListBoxKeyTest, KeysMoveTheSelection) {
    const KeyCase& c = GetParam();
    // Twenty-five items; 0 "apple", 1 "Banana", 2 "cherry", 3 "blueberry", 4.. "item n".
    Fill({"apple", "Banana", "cherry", "blueberry"});
    for (int i = 4; i < 25; ++i)
        model.AddListItem(QStringLiteral("item %1").arg(i));
    model.SetVisibleRows(10);
    model.SetListIndex(c.start);
    model.KeyDown(c.keyCode);
    EXPECT_EQ(model.ListIndex(), c.want);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ListBoxKeyTest,
    ::testing::Values(
        KeyCase{"LetterFindsNextBelow", 1, 'B', 3}, KeyCase{"LetterWrapsToTheTop", 3, 'B', 1},
        KeyCase{"LetterWithoutMatch", 2, 'Z', 2}, KeyCase{"LetterOnlyMatchIsCurrent", 2, 'C', 2},
        KeyCase{"Up", 5, int(ListKey::Up), 4}, KeyCase{"UpAtTheTop", 0, int(ListKey::Up), 0},
        KeyCase{"Down", 5, int(ListKey::Down), 6},
        KeyCase{"DownAtTheEnd", 24, int(ListKey::Down), 24},
        KeyCase{"PageDown", 0, int(ListKey::PageDown), 10},
        KeyCase{"PageDownPastTheEnd", 20, int(ListKey::PageDown), 24},
        KeyCase{"PageUpBelowZero", 5, int(ListKey::PageUp), 0},
        KeyCase{"PageUp", 20, int(ListKey::PageUp), 10}, KeyCase{"Home", 12, int(ListKey::Home), 0},
        KeyCase{"End", 3, int(ListKey::End), 24}, KeyCase{"OtherKey", 3, 112, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ListBoxModelTest, HitTestCountsRowsFromTheTopIndex) {
    FillNumbered(100);
    model.SetVisibleRows(10);
    model.SetTopIndex(40);
    EXPECT_EQ(model.HitTest(100, 0, 3000, 300), 40);
    EXPECT_EQ(model.HitTest(100, 650, 3000, 300), 42);
    EXPECT_EQ(model.HitTest(100, 3100, 3000, 300), 50); // the row below the last visible one
    EXPECT_EQ(model.HitTest(100, 3400, 3000, 300), -1);
    EXPECT_EQ(model.HitTest(-1, 100, 3000, 300), -1);
    EXPECT_EQ(model.HitTest(3001, 100, 3000, 300), -1);
}

TEST_F(ListBoxModelTest, TopIndexOutOfRangeIsIgnored) {
    FillNumbered(5);
    model.SetTopIndex(5);
    model.SetTopIndex(-1);
    model.SetTopIndex(0);
    EXPECT_TRUE(view.log.empty());
    model.SetTopIndex(4);
    EXPECT_EQ(model.TopIndex(), 4);
}

} // namespace
} // namespace lexarion
