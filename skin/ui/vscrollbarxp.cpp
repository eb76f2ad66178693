#include "skin/ui/vscrollbarxp.h"

#include "platform/virtualkey.h"
#include "skin/twips.h"
#include "skin/ui/formcontrols.h"
#include "skin/ui/skinpicture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace lexarion {

namespace {

const QString ThumbFile = QStringLiteral("VScrollBar_Mid.bmp");
const QString ArrowFile = QStringLiteral("VScrollBar_UpDown.bmp");
const QString TrackFile = QStringLiteral("VScrollBar_Track.bmp");

} // namespace

VScrollBarXP::VScrollBarXP(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    arrows_.SetPicture(BuiltInPicture(ArrowFile));
    thumb_.SetPicture(BuiltInPicture(ThumbFile));
    track_ = BuiltInPicture(TrackFile);
    connect(&repeat_, &AutoRepeat::Step, this, [this](int direction) { StepBy(direction); });
    Layout();
}

void VScrollBarXP::SetMax(qint32 max) {
    if (range_.SetMax(max))
        ValueChanged();
    else
        update();
}

void VScrollBarXP::SetMin(qint32 min) {
    if (range_.SetMin(min))
        ValueChanged();
    else
        update();
}

void VScrollBarXP::SetValue(qint64 value) {
    if (range_.SetValue(value))
        ValueChanged();
}

void VScrollBarXP::ValueChanged() {
    update();
    emit Change();
}

void VScrollBarXP::StepBy(qint64 delta) {
    SetValue(qint64(Value()) + delta);
}

void VScrollBarXP::LoadSkin(const QString& folderPath) {
    LoadSkinPicture(thumb_, folderPath + ThumbFile);
    LoadSkinPicture(arrows_, folderPath + ArrowFile);
    Layout();
}

void VScrollBarXP::Layout() {
    SetWidgetBackColor(this, ContainerBackColor(this));
    const int width = arrows_.CellSize().width();
    if (width > 0)
        setFixedWidth(width);
    ShowArrowCells(ArrowCell::Up, ArrowCell::Down);
    ShowThumbCell(ThumbCell::Normal);
    trackScaled_ = track_.isNull() || this->width() < 1 || height() < 1
                       ? QPixmap()
                       : track_.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    update();
}

void VScrollBarXP::ShowArrowCells(ArrowCell up, ArrowCell down) {
    upCell_ = up;
    downCell_ = down;
    upPicture_ = arrows_.GraphicCell(1, int(up));
    downPicture_ = arrows_.GraphicCell(1, int(down));
    update();
}

void VScrollBarXP::ShowThumbCell(ThumbCell cell) {
    thumbCell_ = cell;
    thumbPicture_ = thumb_.GraphicCell(1, int(cell));
    update();
}

double VScrollBarXP::FreeTrack() const {
    return PixelsToTwips(height()) - thumb_.CellHeight() - 2 * ArrowHeight();
}

double VScrollBarXP::ThumbTop() const {
    return ArrowHeight() + ThumbOffset(qint64(FreeTrack()), Value(), Min(), Max());
}

QRect VScrollBarXP::UpArrowRect() const {
    return TwipsToPixels(0, 0, arrows_.CellWidth(), ArrowHeight());
}

QRect VScrollBarXP::DownArrowRect() const {
    const double top = PixelsToTwips(height()) - ArrowHeight();
    return TwipsToPixels(0, top, arrows_.CellWidth(), ArrowHeight());
}

QRect VScrollBarXP::ThumbRect() const {
    const double left = (PixelsToTwips(width()) - thumb_.CellWidth()) / 2;
    return TwipsToPixels(left, ThumbTop(), thumb_.CellWidth(), thumb_.CellHeight());
}

VScrollBarXP::Part VScrollBarXP::PartAt(QPoint point) const {
    if (!rect().contains(point))
        return Part::None;
    if (UpArrowRect().contains(point))
        return Part::UpArrow;
    if (DownArrowRect().contains(point))
        return Part::DownArrow;
    const QRect thumb = ThumbRect();
    if (point.y() >= thumb.top() && point.y() <= thumb.bottom())
        return Part::Thumb;
    return point.y() < thumb.top() ? Part::TrackAbove : Part::TrackBelow;
}

void VScrollBarXP::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!trackScaled_.isNull())
        painter.drawPixmap(0, 0, trackScaled_);
    painter.drawPixmap(ThumbRect().topLeft(), thumbPicture_);
    painter.drawPixmap(UpArrowRect().topLeft(), upPicture_);
    painter.drawPixmap(DownArrowRect().topLeft(), downPicture_);
}

void VScrollBarXP::resizeEvent(QResizeEvent*) {
    Layout();
}

void VScrollBarXP::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ParentChange)
        SetWidgetBackColor(this, ContainerBackColor(this));
    QWidget::changeEvent(event);
}

void VScrollBarXP::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = PartAt(event->position().toPoint());
    switch (pressed_) {
    case Part::UpArrow:
        ShowArrowCells(ArrowCell::UpPressed, downCell_);
        StepBy(-1);
        repeat_.Start(-1);
        break;
    case Part::DownArrow:
        ShowArrowCells(upCell_, ArrowCell::DownPressed);
        StepBy(+1);
        repeat_.Start(+1);
        break;
    case Part::TrackAbove:
        StepBy(-qint64(LargeChange()));
        break;
    case Part::TrackBelow:
        StepBy(LargeChange());
        break;
    case Part::Thumb:
        ShowThumbCell(ThumbCell::Pressed);
        dragOffset_ = PixelsToTwips(event->position().toPoint().y()) - ThumbTop();
        break;
    case Part::None:
        break;
    }
}

void VScrollBarXP::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_ != Part::Thumb)
        return;
    const double inside = PixelsToTwips(event->position().toPoint().y()) - ThumbTop();
    if (const auto value =
            DraggedValue(Value(), Min(), Max(), qint64(inside - dragOffset_), qint64(FreeTrack())))
        SetValue(*value);
}

void VScrollBarXP::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    switch (pressed_) {
    case Part::UpArrow:
    case Part::DownArrow:
        repeat_.Stop();
        ShowArrowCells(ArrowCell::Up, ArrowCell::Down);
        break;
    case Part::Thumb:
        ShowThumbCell(ThumbCell::Normal);
        break;
    default:
        break;
    }
    pressed_ = Part::None;
}

void VScrollBarXP::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(VirtualKeyFromQtKey(event->key()), ShiftMaskFromModifiers(event->modifiers()));
}

void VScrollBarXP::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    emit EnterFocus();
}

void VScrollBarXP::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    emit ExitFocus();
}

} // namespace lexarion
