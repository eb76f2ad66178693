#include "skin/ui/listboxxp.h"

#include "skin/skinparameters.h"
#include "skin/twips.h"
#include "skin/ui/formcontrols.h"
#include "skin/ui/skincolor.h"
#include "skin/ui/vscrollbarxp.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <climits>

namespace lexarion {

namespace {

// Measures of the list, in twips.
constexpr int ItemHeightExtra = 100; // added to the font's text height
constexpr int HeightExtra = 90;      // added to the rows' height when the height snaps
constexpr int ScrollBarRightGap = 40;
constexpr int ScrollBarTop = 15;
constexpr int RowLeft = 30;
constexpr int RowRightGap = 15; // between a row and the scroll bar
constexpr int RowTop = 30;
constexpr int RowBottom = 15; // below the next row's top
constexpr int CaptionLeft = 80;
constexpr int CaptionTop = 65;

// The gap between the text before a TAB and the column of the text after it.
const QString TabGap = QStringLiteral("    ");

} // namespace

ListBoxXP::ListBoxXP(QWidget* parent) : QWidget(parent) {
    scrollBar_ = new VScrollBarXP(this);
    scrollBar_->setObjectName(QStringLiteral("VScrollBarXP1"));
    MarkSkinPiece(scrollBar_);
    scrollBar_->SetMax(1);
    scrollBar_->SetLargeChange(10);
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(scrollBar_);
    setAttribute(Qt::WA_OpaquePaintEvent);

    connect(scrollBar_, &VScrollBarXP::Change, this,
            [this] { model_.SetTopIndex(scrollBar_->Value()); });
    connect(scrollBar_, &VScrollBarXP::KeyDown, this,
            [this](int keyCode, int) { model_.KeyDown(keyCode); });
    connect(scrollBar_, &VScrollBarXP::EnterFocus, this,
            [this] { SetOutline(colors_.FocusBorderColor); });
    connect(scrollBar_, &VScrollBarXP::ExitFocus, this,
            [this] { SetOutline(colors_.BorderColor); });

    outlineColor_ = colors_.BorderColor;
    UpdateItemHeight();
}

ListBoxXP::~ListBoxXP() = default;

void ListBoxXP::SetFonts(const QFont& font) {
    setFont(font);
    UpdateItemHeight();
}

void ListBoxXP::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        UpdateItemHeight();
    QWidget::changeEvent(event);
}

void ListBoxXP::UpdateItemHeight() {
    const int height = PixelsToTwips(QFontMetrics(font()).height()) + ItemHeightExtra;
    if (height == itemHeight_)
        return;
    itemHeight_ = height;
    tabColumn_ = -1;
    Layout();
}

void ListBoxXP::LoadSkin(const QString& folderPath) {
    colors_.BackColor = ReadSkinColor(folderPath, SkinKey::ListBoxBackColor);
    colors_.BorderColor = ReadSkinColor(folderPath, SkinKey::ListBoxBorderColor);
    colors_.FocusBorderColor = ReadSkinColor(folderPath, SkinKey::ListBoxFocusBorderColor);
    colors_.ItemForeColor = ReadSkinColor(folderPath, SkinKey::ListBoxItemForeColor);
    colors_.SelectedItemBackColor =
        ReadSkinColor(folderPath, SkinKey::ListBoxSelectedItemBackColor);
    colors_.SelectedItemBorderColor =
        ReadSkinColor(folderPath, SkinKey::ListBoxSelectedItemBorderColor);
    colors_.SelectedItemForeColor =
        ReadSkinColor(folderPath, SkinKey::ListBoxSelectedItemForeColor);
    outlineColor_ = scrollBar_->hasFocus() ? colors_.FocusBorderColor : colors_.BorderColor;
    Redraw();
    scrollBar_->LoadSkin(folderPath);
    Layout();
}

void ListBoxXP::resizeEvent(QResizeEvent*) {
    Layout();
}

void ListBoxXP::Layout() {
    if (itemHeight_ <= 0)
        return;
    // The height snaps to whole rows; the rows are counted again from the snapped height,
    // which keeps the count, as the extra is less than one row.
    qint64 rows = qint64(PixelsToTwips(height())) / itemHeight_;
    const int snapped = HeightForRows(rows);
    if (snapped != height())
        resize(width(), snapped);
    const qint64 heightTwips = PixelsToTwips(height());
    rows = heightTwips / itemHeight_;
    model_.SetVisibleRows(static_cast<int>(qMin<qint64>(rows, INT_MAX)));
    const double widthTwips = PixelsToTwips(width());
    const double barWidth = PixelsToTwips(scrollBar_->width());
    scrollBar_->setGeometry(TwipsToPixels(widthTwips - barWidth - ScrollBarRightGap, ScrollBarTop,
                                          barWidth, double(heightTwips) - 2 * ScrollBarTop));
    if (canvas_.size() != size())
        canvas_ = QPixmap(size());
    PaintRows();
}

int ListBoxXP::HeightForRows(qint64 rows) const {
    return TwipsToPixels(double(rows) * itemHeight_ + HeightExtra);
}

QRect ListBoxXP::RowRect(int row) const {
    const double rowTop = double(itemHeight_) * row;
    const double right = PixelsToTwips(scrollBar_->x()) - RowRightGap;
    return QRect(TwipsToPixels(RowLeft, rowTop + RowTop),
                 TwipsToPixels(right, rowTop + itemHeight_ + RowBottom));
}

int ListBoxXP::TabColumn() {
    if (tabColumn_ >= 0)
        return tabColumn_;
    const QFontMetrics metrics(font());
    int widest = 0;
    for (int i = 0; i < model_.ListCount(); ++i) {
        const QString caption = model_.GetListItemCaption(i);
        const qsizetype tab = caption.indexOf(u'\t');
        if (tab >= 0)
            widest = qMax(widest, metrics.horizontalAdvance(caption.left(tab)));
    }
    tabColumn_ = widest + metrics.horizontalAdvance(TabGap);
    return tabColumn_;
}

void ListBoxXP::PaintRow(QPainter& painter, int index, bool selected) {
    const int row = index - model_.TopIndex();
    if (row < 0 || row >= model_.VisibleRows() || canvas_.isNull())
        return;
    ++rowsDrawn_;
    const QRect rect = RowRect(row);
    const bool hasItem = index < model_.ListCount();
    const qint32 fill = hasItem && selected ? colors_.SelectedItemBackColor : colors_.BackColor;
    const qint32 outline =
        hasItem && selected ? colors_.SelectedItemBorderColor : colors_.BackColor;
    painter.fillRect(rect, ColorFromNumber(fill));
    painter.setPen(ColorFromNumber(outline));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    if (!hasItem)
        return;

    const QString caption = model_.GetListItemCaption(index);
    painter.setPen(
        ColorFromNumber(selected ? colors_.SelectedItemForeColor : colors_.ItemForeColor));
    painter.setFont(font());
    const QPoint origin = TwipsToPixels(CaptionLeft, double(itemHeight_) * row + CaptionTop);
    const int lineHeight = QFontMetrics(font()).height();
    painter.save();
    painter.setClipRect(rect);
    const qsizetype tab = caption.indexOf(u'\t');
    const QString label = tab < 0 ? caption : caption.left(tab);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    painter.drawText(QRect(origin.x(), origin.y(), rect.right() - origin.x(), lineHeight), flags,
                     label);
    if (tab >= 0) {
        // Text after the TAB starts at one column shared by every item, so that the parts
        // line up as a table; further TABs count as blanks.
        QString rest = caption.mid(tab + 1);
        rest.replace(u'\t', u' ');
        const int column = origin.x() + TabColumn();
        painter.drawText(QRect(column, origin.y(), qMax(0, rect.right() - column), lineHeight),
                         flags, rest);
    }
    painter.restore();
}

void ListBoxXP::DrawRow(int index, bool selected) {
    if (canvas_.isNull())
        return;
    {
        QPainter painter(&canvas_);
        PaintRow(painter, index, selected);
    }
    const int row = index - model_.TopIndex();
    if (row >= 0 && row < model_.VisibleRows())
        update(RowRect(row));
}

void ListBoxXP::PaintRows() {
    if (canvas_.isNull())
        return;
    canvas_.fill(ColorFromNumber(colors_.BackColor));
    QPainter painter(&canvas_);
    const int top = model_.TopIndex();
    for (int row = 0; row < model_.VisibleRows(); ++row) {
        const qint64 index = qint64(top) + row;
        if (index > INT_MAX)
            break;
        PaintRow(painter, int(index), model_.IsItemSelected(index));
    }
    update();
}

void ListBoxXP::Redraw() {
    PaintRows();
    scrollBar_->SetMin(0);
    // Both are counts, so the difference always fits; a negative one is raised to Min.
    scrollBar_->SetMax(model_.ListCount() - model_.VisibleRows());
    scrollBar_->SetValue(scrollBar_->Value());
}

void ListBoxXP::SetScrollValue(int value) {
    scrollBar_->SetValue(value);
}

void ListBoxXP::AddListItem(const QString& caption, const QString& key, qint64 after) {
    model_.AddListItem(caption, key, after);
    if (caption.contains(u'\t'))
        tabColumn_ = -1;
}

void ListBoxXP::ClearListBox() {
    model_.ClearListBox();
    tabColumn_ = -1;
}

void ListBoxXP::SetListCaption(qint64 index, const QString& caption) {
    if (caption.contains(u'\t') || model_.GetListItemCaption(index).contains(u'\t'))
        tabColumn_ = -1;
    model_.SetListCaption(index, caption);
}

void ListBoxXP::SetOutline(qint32 color) {
    outlineColor_ = color;
    update();
    if (model_.ListCount() > 0)
        DrawRow(model_.ListIndex(), true);
}

void ListBoxXP::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawPixmap(event->rect(), canvas_, event->rect());
    painter.setPen(ColorFromNumber(outlineColor_));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

int ListBoxXP::HitAt(QPoint point) const {
    return model_.HitTest(PixelsToTwips(point.x()), PixelsToTwips(point.y()),
                          PixelsToTwips(width()), itemHeight_);
}

void ListBoxXP::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    scrollBar_->setFocus(Qt::MouseFocusReason);
    const int hit = HitAt(event->position().toPoint());
    if (hit >= 0)
        model_.SetListIndex(hit);
    dragging_ = true;
}

void ListBoxXP::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_)
        return;
    const int hit = HitAt(event->position().toPoint());
    if (hit >= 0 && hit != model_.ListIndex())
        model_.SetListIndex(hit);
}

void ListBoxXP::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        dragging_ = false;
}

void ListBoxXP::mouseDoubleClickEvent(QMouseEvent*) {
    emit DblClick();
}

} // namespace lexarion
