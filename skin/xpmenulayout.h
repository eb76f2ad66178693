#pragma once

// The measures, colours and marks of the program's flat menus, without a window: how large an
// item is, where its text and accelerator go, the separator and grip lines, the check mark,
// and the list of items registered for each window whose menus are drawn this way.
//
// Item rectangles are given as left, top, right, bottom with right and bottom just outside the
// item, in pixels.

#include <QLine>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

namespace lexarion {

// Fixed colours (colour numbers, red + 256 * green + 65536 * blue).
enum MenuColor : qint32 {
    MenuHighlightColor = 13741485, // 173, 173, 209: the item under the mouse
    MenuStripColor = 14737632,     // 224, 224, 224: the left strip; menu-bar items
    MenuBackColor = 16250871,      // 247, 247, 247: sub-menu items right of the strip
    MenuLineColor = 13092807,      // 199, 199, 199: separators and grips
    MenuCheckColor = 12615808,     // 128, 128, 192
    MenuTextColor = 0,
    MenuDisabledTextColor = 10526880, // 160, 160, 160
};

inline constexpr int MenuStripWidth = 20;
inline constexpr int MenuItemHeight = 20;
inline constexpr int MenuSeparatorHeight = 6;
inline constexpr int MenuItemExtraWidth = 26; // strip, gaps and room for the accelerator
inline constexpr int MenuBarItemExtraWidth = 2;
// Wide enough to hold the grip's lines (5 to 10 pixels from its left edge) with 5 pixels on
// either side; a narrower item would clip them away.
inline constexpr int MenuBarGripWidth = 15;
// A menu-bar item with this caption is a grip.
inline constexpr QStringView MenuGripCaption = u"=";

struct MenuItemRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Depth 0 for items of a window's menu bar, 1 for their sub-items, and so on.
// A sub-menu item without text is a separator; a menu-bar item whose text is blank or "=".
bool IsMenuSeparator(const QString& caption, int depth);

// The width and height of an item, `textWidth` measuring a text on the window's font: a
// caption with a TAB is measured with two blanks added; sub-menu items are text + 26 wide and
// 20 high (a separator 6); menu-bar items text + 2 wide (a grip 2) and 20 high.
QSize MeasureMenuItem(const QString& caption, int depth,
                      const std::function<int(const QString&)>& textWidth);

// A caption split at its first TAB.
struct MenuCaptionParts {
    QString label;
    QString accelerator;
};
MenuCaptionParts SplitMenuCaption(const QString& caption);

// Where the label goes: from (L + 24, T + 3) for sub-menu items, (L + 6, T + 3) for menu-bar
// items, 6 pixels a code-page byte wide and 12 high; the text is centred vertically in it and
// not clipped.
QRect MenuLabelRect(const MenuItemRect& item, int depth, qsizetype labelBytes);
// The accelerator ends 4 pixels inside the right edge.
QRect MenuAcceleratorRect(const MenuItemRect& item, int acceleratorWidth);

// The line of a separator, at the rounded middle, from L + 24 to R - 4.
QLine MenuSeparatorLine(const MenuItemRect& item);
// The short lines of a grip: (L + 5, y) to (L + 10, y) for y = T + 2, T + 4, ... up to B.
QList<QLine> MenuGripLines(const MenuItemRect& item);
// The two polylines of the check mark, three points each.
QList<QList<QPoint>> MenuCheckMark(const MenuItemRect& item);

// The items registered for drawing, in registration order, across every installed window.
// Removing a window's items leaves empty slots; new items are always appended.
class XPMenuList {
public:
    struct Entry {
        qint32 MenuId = 0;
        int Depth = 0;
        quintptr ParentMenu = 0;
        quintptr OwnerWindow = 0;
    };

    // Registers an item: an entry with the same id and owner is initialised again, else one
    // is appended.
    void RegisterMenuItem(quintptr parentMenu, qint32 menuId, quintptr ownerWindow, int depth);
    // Empties every slot of `ownerWindow`.
    void RemoveOwner(quintptr ownerWindow);
    // The first entry with this id and owner.
    std::optional<Entry> Find(qint32 menuId, quintptr ownerWindow) const;
    int SlotCount() const { return int(slots_.size()); }
    int EntryCount(quintptr ownerWindow) const;

private:
    QList<std::optional<Entry>> slots_;
};

} // namespace lexarion
