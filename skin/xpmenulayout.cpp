#include "skin/xpmenulayout.h"

#include "platform/numbertext.h"
#include "platform/textcodec.h"

namespace lexarion {

namespace {

constexpr int SubLabelLeft = 24;
constexpr int BarLabelLeft = 6;
constexpr int LabelTop = 3;
constexpr int LabelBottom = 15;
constexpr int LabelPixelsPerByte = 6;
constexpr int AcceleratorRightGap = 4;
constexpr int SeparatorLeft = 24;
constexpr int SeparatorRightGap = 4;
constexpr int GripLeft = 5;
constexpr int GripRight = 10;
constexpr int GripTop = 2;
constexpr int GripStep = 2;
const QString TabExtra = QStringLiteral("  ");

} // namespace

bool IsMenuSeparator(const QString& caption, int depth) {
    if (depth != 0)
        return caption.isEmpty();
    return caption.trimmed().isEmpty() || caption == MenuGripCaption;
}

QSize MeasureMenuItem(const QString& caption, int depth,
                      const std::function<int(const QString&)>& textWidth) {
    QString text = caption;
    if (text.contains(u'\t'))
        text += TabExtra;
    const int width = textWidth(text);
    if (depth > 0)
        return QSize(width + MenuItemExtraWidth,
                     caption.isEmpty() ? MenuSeparatorHeight : MenuItemHeight);
    return QSize(caption == MenuGripCaption ? MenuBarGripWidth : width + MenuBarItemExtraWidth,
                 MenuItemHeight);
}

MenuCaptionParts SplitMenuCaption(const QString& caption) {
    const qsizetype tab = caption.indexOf(u'\t');
    if (tab < 0)
        return {caption, {}};
    return {caption.left(tab), caption.mid(tab + 1)};
}

QRect MenuLabelRect(const MenuItemRect& item, int depth, qsizetype labelBytes) {
    const int left = item.left + (depth > 0 ? SubLabelLeft : BarLabelLeft);
    const int width = int(qMin<qsizetype>(labelBytes * LabelPixelsPerByte, 1 << 20));
    return QRect(left, item.top + LabelTop, width, LabelBottom - LabelTop);
}

QRect MenuAcceleratorRect(const MenuItemRect& item, int acceleratorWidth) {
    return QRect(item.right - acceleratorWidth - AcceleratorRightGap, item.top + LabelTop,
                 acceleratorWidth, LabelBottom - LabelTop);
}

QLine MenuSeparatorLine(const MenuItemRect& item) {
    const int y = int(RoundHalfEven(item.top + (item.bottom - item.top) / 2.0));
    return QLine(item.left + SeparatorLeft, y, item.right - SeparatorRightGap, y);
}

QList<QLine> MenuGripLines(const MenuItemRect& item) {
    QList<QLine> lines;
    for (int y = item.top + GripTop; y <= item.bottom; y += GripStep)
        lines.append(QLine(item.left + GripLeft, y, item.left + GripRight, y));
    return lines;
}

QList<QList<QPoint>> MenuCheckMark(const MenuItemRect& item) {
    const int L = item.left, T = item.top, B = item.bottom;
    const int middle = int(RoundHalfEven((B - T) / 2.0 + T - 1));
    return {
        {QPoint(L + 3, middle), QPoint(L + 8, B - 6), QPoint(L + 18, T + 5)},
        {QPoint(L + 4, middle), QPoint(L + 9, B - 6), QPoint(L + 18, T + 4)},
    };
}

void XPMenuList::RegisterMenuItem(quintptr parentMenu, qint32 menuId, quintptr ownerWindow,
                                  int depth) {
    const Entry entry{menuId, depth, parentMenu, ownerWindow};
    for (std::optional<Entry>& slot : slots_) {
        if (slot && slot->MenuId == menuId && slot->OwnerWindow == ownerWindow) {
            slot = entry;
            return;
        }
    }
    slots_.append(entry);
}

void XPMenuList::RemoveOwner(quintptr ownerWindow) {
    for (std::optional<Entry>& slot : slots_) {
        if (slot && slot->OwnerWindow == ownerWindow)
            slot.reset();
    }
}

std::optional<XPMenuList::Entry> XPMenuList::Find(qint32 menuId, quintptr ownerWindow) const {
    for (const std::optional<Entry>& slot : slots_) {
        if (slot && slot->MenuId == menuId && slot->OwnerWindow == ownerWindow)
            return slot;
    }
    return std::nullopt;
}

int XPMenuList::EntryCount(quintptr ownerWindow) const {
    int count = 0;
    for (const std::optional<Entry>& slot : slots_)
        count += slot && slot->OwnerWindow == ownerWindow ? 1 : 0;
    return count;
}

} // namespace lexarion
