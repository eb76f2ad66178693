#include "skin/ui/xpmenu.h"

#include "platform/textcodec.h"
#include "skin/ui/skincolor.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace lexarion {

namespace {

constexpr char MenuIdProperty[] = "lexarionMenuId";
constexpr int MenuPanelWidth = 1;
constexpr int SubMenuArrowSize = 8;
constexpr int SubMenuArrowRightGap = 4;

// The list is one for the whole program, as item identifiers are.
XPMenuList& ItemList() {
    static XPMenuList list;
    return list;
}

qint32 NextMenuId() {
    static qint32 next = 0;
    return ++next;
}

quintptr Handle(const QObject* object) {
    return reinterpret_cast<quintptr>(object);
}

// The text an item shows: its caption, and after a TAB its shortcut when it has one.
QString ItemText(const QAction* action) {
    QString text = action->text();
    if (!text.contains(u'\t') && !action->shortcut().isEmpty())
        text += u'\t' + action->shortcut().toString(QKeySequence::NativeText);
    return text;
}

class XPMenuStyle : public QProxyStyle {
public:
    explicit XPMenuStyle(QWidget* form) : form_(form) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
        case PM_MenuPanelWidth:
            return MenuPanelWidth;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuBarPanelWidth:
        case PM_MenuBarItemSpacing:
        case PM_MenuBarHMargin:
        case PM_MenuBarVMargin:
        case PM_MenuDesktopFrameWidth:
            return 0;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        // A disabled item is highlighted under the mouse too, still in grey text.
        if (hint == SH_Menu_AllowActiveAndDisabled)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (item == nullptr || (type != CT_MenuItem && type != CT_MenuBarItem))
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        const std::optional<XPMenuList::Entry> entry = EntryForText(widget, *item);
        if (!entry)
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        // The owner window's font measures; the width rule is the same on any font.
        const QFontMetrics windowMetrics(form_ ? form_->font() : widget->font());
        QSize measured = MeasureMenuItem(item->text, entry->Depth, [&](const QString& text) {
            return windowMetrics.horizontalAdvance(text);
        });
        // QMenu adds the widest accelerator to its items on its own; taking it off here keeps
        // the items exactly as wide as the widest measured one.
        // (An item left without width would be dropped from the menu.)
        if (type == CT_MenuItem)
            measured.setWidth(qMax(1, measured.width() - WidestAccelerator(widget)));
        return measured;
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_FrameMenu || element == PE_PanelMenu) {
            painter->fillRect(option->rect, ColorFromNumber(MenuBackColor));
            painter->setPen(ColorFromNumber(MenuLineColor));
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (item != nullptr && (element == CE_MenuItem || element == CE_MenuBarItem)) {
            if (const auto entry = EntryAt(widget, item->rect.center())) {
                DrawMenu(*item, entry->Depth, painter);
                return;
            }
        }
        if (element == CE_MenuBarEmptyArea) {
            painter->fillRect(option->rect, ColorFromNumber(MenuStripColor));
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

private:
    static int WidestAccelerator(const QWidget* menu) {
        int widest = 0;
        for (const QAction* action : menu->actions()) {
            const MenuCaptionParts parts = SplitMenuCaption(ItemText(action));
            if (!parts.accelerator.isEmpty())
                widest = qMax(widest, menu->fontMetrics().horizontalAdvance(parts.accelerator));
        }
        return widest;
    }

    std::optional<XPMenuList::Entry> EntryOf(const QAction* action) const {
        if (action == nullptr || !form_)
            return std::nullopt;
        const QVariant id = action->property(MenuIdProperty);
        if (!id.isValid())
            return std::nullopt;
        return ItemList().Find(id.toInt(), Handle(form_));
    }

    std::optional<XPMenuList::Entry> EntryAt(const QWidget* widget, QPoint point) const {
        if (const auto* menu = qobject_cast<const QMenu*>(widget))
            return EntryOf(menu->actionAt(point));
        if (const auto* bar = qobject_cast<const QMenuBar*>(widget))
            return EntryOf(bar->actionAt(point));
        return std::nullopt;
    }

    // While measuring the menu gives the item's text only; its registered action is the first
    // one with that text and kind.
    std::optional<XPMenuList::Entry> EntryForText(const QWidget* widget,
                                                  const QStyleOptionMenuItem& item) const {
        if (widget == nullptr)
            return std::nullopt;
        const bool separator = item.menuItemType == QStyleOptionMenuItem::Separator;
        for (const QAction* action : widget->actions()) {
            if (action->isSeparator() != separator || (!separator && ItemText(action) != item.text))
                continue;
            if (auto entry = EntryOf(action))
                return entry;
        }
        return std::nullopt;
    }

    void DrawMenu(const QStyleOptionMenuItem& item, int depth, QPainter* painter) const {
        const QRect& r = item.rect;
        const MenuItemRect rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
        const bool highlighted = item.state & (State_Selected | State_MouseOver);
        const bool disabled = !(item.state & State_Enabled);
        const bool separator = item.menuItemType == QStyleOptionMenuItem::Separator;
        const QString caption = separator ? QString() : item.text;

        painter->save();
        if (highlighted && !separator) {
            painter->setPen(Qt::black);
            painter->setBrush(ColorFromNumber(MenuHighlightColor));
            painter->drawRect(r.adjusted(0, 0, -1, -1));
        } else {
            painter->fillRect(r, item.palette.color(QPalette::Window));
            painter->fillRect(QRect(r.left(), r.top(), MenuStripWidth, r.height()),
                              ColorFromNumber(MenuStripColor));
            painter->fillRect(
                QRect(r.left() + MenuStripWidth, r.top(), r.width() - MenuStripWidth, r.height()),
                ColorFromNumber(depth > 0 ? MenuBackColor : MenuStripColor));
        }
        if (depth > 0) {
            if (!caption.isEmpty())
                DrawCaption(painter, item, rect, depth, disabled);
            else {
                painter->setPen(ColorFromNumber(MenuLineColor));
                painter->drawLine(MenuSeparatorLine(rect));
            }
            if (item.checked) {
                painter->setPen(ColorFromNumber(MenuCheckColor));
                for (const QList<QPoint>& line : MenuCheckMark(rect))
                    painter->drawPolyline(line.data(), int(line.size()));
            }
            if (item.menuItemType == QStyleOptionMenuItem::SubMenu) {
                QStyleOption arrow(item);
                arrow.rect = QRect(rect.right - SubMenuArrowRightGap - SubMenuArrowSize,
                                   r.top() + (r.height() - SubMenuArrowSize) / 2, SubMenuArrowSize,
                                   SubMenuArrowSize);
                QProxyStyle::drawPrimitive(PE_IndicatorArrowRight, &arrow, painter, nullptr);
            }
        } else if (caption != MenuGripCaption) {
            DrawCaption(painter, item, rect, depth, disabled);
        } else {
            painter->setPen(ColorFromNumber(MenuLineColor));
            painter->drawLines(MenuGripLines(rect));
        }
        painter->restore();
    }

    void DrawCaption(QPainter* painter, const QStyleOptionMenuItem& item, const MenuItemRect& rect,
                     int depth, bool disabled) const {
        const MenuCaptionParts parts = SplitMenuCaption(item.text);
        painter->setFont(item.font);
        painter->setPen(ColorFromNumber(disabled ? MenuDisabledTextColor : MenuTextColor));
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip |
                          Qt::TextShowMnemonic;
        painter->drawText(MenuLabelRect(rect, depth, AnsiByteLength(parts.label)), flags,
                          parts.label);
        if (depth > 0 && !parts.accelerator.isEmpty()) {
            const int width = QFontMetrics(item.font).horizontalAdvance(parts.accelerator);
            painter->drawText(MenuAcceleratorRect(rect, width), flags, parts.accelerator);
        }
    }

    QPointer<QWidget> form_;
};

// What an installed window keeps: its menu style and the styles its menus had before.
class XPMenuInstallation : public QObject {
public:
    explicit XPMenuInstallation(QWidget* form) : QObject(form), style_(new XPMenuStyle(form)) {
        style_->setParent(this);
    }

    void Take(QWidget* menu) {
        if (menu->style() == style_)
            return;
        // A menu without a style of its own goes back to the program's.
        previous_.append({menu, menu->testAttribute(Qt::WA_SetStyle) ? menu->style() : nullptr});
        menu->setStyle(style_);
    }

    void GiveBack() {
        for (const auto& [menu, style] : previous_) {
            if (menu)
                menu->setStyle(style);
        }
        previous_.clear();
    }

private:
    XPMenuStyle* style_;
    QList<std::pair<QPointer<QWidget>, QStyle*>> previous_;
};

void ConvertMenuItems(QWidget* menu, QWidget* form, int depth, XPMenuInstallation& installation) {
    if (menu == nullptr)
        return;
    installation.Take(menu);
    for (QAction* action : menu->actions()) {
        if (IsMenuSeparator(action->text(), depth) && depth > 0)
            action->setSeparator(true);
        ItemList().RegisterMenuItem(Handle(menu), MenuIdOf(action), Handle(form), depth);
        ConvertMenuItems(action->menu(), form, depth + 1, installation);
    }
}

} // namespace

qint32 MenuIdOf(QAction* action) {
    QVariant id = action->property(MenuIdProperty);
    if (!id.isValid()) {
        id = NextMenuId();
        action->setProperty(MenuIdProperty, id);
    }
    return id.toInt();
}

const XPMenuList& RegisteredMenuItems() {
    return ItemList();
}

bool IsXPMenuInstalled(const QWidget* form) {
    return form != nullptr && form->property(XPMenuWndProp).toULongLong() != 0;
}

bool InstallXPMenu(QWidget* form) {
    if (form == nullptr || IsXPMenuInstalled(form))
        return false;
    auto* installation = new XPMenuInstallation(form);
    for (QMenuBar* bar : form->findChildren<QMenuBar*>(Qt::FindDirectChildrenOnly))
        ConvertMenuItems(bar, form, 0, *installation);
    for (QMenu* menu : form->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        ConvertMenuItems(menu, form, 1, *installation);
    form->setProperty(XPMenuWndProp, qulonglong(Handle(installation)));
    return true;
}

void UninstallXPMenu(QWidget* form) {
    if (form == nullptr)
        return;
    ItemList().RemoveOwner(Handle(form));
    if (!IsXPMenuInstalled(form))
        return;
    auto* installation = reinterpret_cast<XPMenuInstallation*>(
        quintptr(form->property(XPMenuWndProp).toULongLong()));
    installation->GiveBack();
    installation->deleteLater();
    form->setProperty(XPMenuWndProp, qulonglong(0));
}

} // namespace lexarion
