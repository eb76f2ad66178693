#pragma once

// The items and the selection of the skinned list box, without a window: which item is
// selected, which one is drawn in the first row, what a key or a click selects, and which rows
// must be drawn again after each change. The list box window implements View and only draws.
//
// Callers address items from 0; ListIndex starts at 0 (also while the list is empty), so a
// freshly filled list draws no row selected until ListIndex is set.

#include <QString>
#include <QtGlobal>
#include <vector>

namespace lexarion {

struct ListItemClass {
    QString ItemCaption;
    QString Key;
    bool ItemSelected = false;
};

// Windows key codes of the keys the list reacts to.
enum class ListKey : int {
    PageUp = 33,
    PageDown = 34,
    End = 35,
    Home = 36,
    Up = 38,
    Down = 40,
    LetterA = 65,
    LetterZ = 90,
};

class ListBoxModel {
public:
    // What the window does for the model.
    class View {
    public:
        virtual ~View() = default;
        // Draws the row of item `index` in the given style (nothing when the item is not in a
        // visible row).
        virtual void DrawRow(int index, bool selected) = 0;
        // Draws every visible row by its item's flag and sets the scroll bar's range (Min 0,
        // Max ListCount - VisibleRows) and re-clamps its value.
        virtual void Redraw() = 0;
        // Moves the scroll bar to `value`; its Change comes back as SetTopIndex.
        virtual void SetScrollValue(int value) = 0;
        virtual void RaiseItemSelected() = 0;
    };

    explicit ListBoxModel(View& view) : view_(view) {}

    int ListCount() const { return static_cast<int>(items_.size()); }
    int ListIndex() const { return listIndex_; }
    int TopIndex() const { return topIndex_; }
    int VisibleRows() const { return visibleRows_; }
    void SetVisibleRows(int rows) { visibleRows_ = rows < 0 ? 0 : rows; }

    // Ignored unless 0 <= index < ListCount. Clears the old item's flag (drawing its row
    // normal) when another item was selected, sets the new item's flag, scrolls it to the top
    // row when it lies at or above the first row or below the last visible one, draws it
    // selected and raises ItemSelected, also when it was selected already.
    void SetListIndex(qint64 index);
    // Ignored unless 0 <= index < ListCount and it differs; otherwise a full redraw and the
    // scroll bar follows.
    void SetTopIndex(qint64 index);

    // An unselected item: `after` < 0 appends, 0 inserts before the first item, n > 0 after
    // item number n (from 1); beyond the last item it appends. Nothing is drawn.
    void AddListItem(const QString& caption, const QString& key = {}, qint64 after = -1);
    // Ignored outside 0 to ListCount - 1. The first item ends up selected (ItemSelected raised
    // while the list is not empty), then a full redraw.
    void RemoveListItem(qint64 index);
    // Empty text outside 0 to ListCount - 1.
    QString GetListItemCaption(qint64 index) const;
    QString GetListItemKey(qint64 index) const;
    bool IsItemSelected(qint64 index) const;
    // Removes every item; TopIndex and ListIndex back to 0; nothing is drawn.
    void ClearListBox();
    // Changes one caption and draws its row again (selected style for the ListIndex item).
    void SetListCaption(qint64 index, const QString& caption);
    // The first index >= start whose caption begins with `text`, letter case ignored; -1 when
    // there is none. No wrap-around.
    int FindString(qint64 start, const QString& text) const;

    // A key went down (Windows key code): letters search forward from the item after the
    // selected one and wrap to the top; arrows, page keys, Home and End move the selection.
    void KeyDown(int keyCode);

    // The item under (x, y), both in twips from the list's top-left corner, for a list
    // `width` twips wide with rows `itemHeight` twips high: TopIndex + row, or -1 outside every
    // row. Rows below the last item give indexes that SetListIndex ignores.
    int HitTest(double x, double y, double width, double itemHeight) const;

private:
    bool IsValid(qint64 index) const { return index >= 0 && index < ListCount(); }

    View& view_;
    std::vector<ListItemClass> items_;
    int listIndex_ = 0;
    int topIndex_ = 0;
    int visibleRows_ = 0;
};

} // namespace lexarion
