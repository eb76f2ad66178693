#include "skin/ui/sliderxp.h"

#include "platform/virtualkey.h"
#include "skin/scrollrange.h"
#include "skin/twips.h"
#include "skin/ui/formcontrols.h"
#include "skin/ui/picturebox.h"
#include "skin/ui/skinpicture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QRegion>

namespace lexarion {

namespace {

const QString ThumbFile = QStringLiteral("Slider_Mid.bmp");
const QString TrackFile = QStringLiteral("Slider_Back.bmp");

// In twips.
constexpr int TrackMargin = 100;   // the track leaves this much at either end
constexpr int ThumbTipHeight = 80; // the pointed top of the thumb
constexpr int FocusInset = 10;

enum class SliderKey { PageUp = 33, PageDown = 34, End = 35, Home = 36, Left = 37, Right = 39 };

} // namespace

SliderXP::SliderXP(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    thumbStrip_.SetPicture(BuiltInPicture(ThumbFile));
    track_ = BuiltInPicture(TrackFile);
    thumb_ = new PictureBox(this);
    MarkSkinPiece(thumb_);
    thumb_->setMouseTracking(true);
    thumb_->installEventFilter(this);
    Layout();
}

void SliderXP::SetValue(qint64 value) {
    value_ = ClampToRange(value, min_, max_);
    PlaceThumb();
    emit Change();
}

void SliderXP::LoadSkin(const QString& folderPath) {
    LoadSkinPicture(thumbStrip_, folderPath + ThumbFile);
    LoadSkinPicture(track_, folderPath + TrackFile);
    Layout();
}

QRect SliderXP::TrackRect() const {
    const double width = PixelsToTwips(this->width()) - 2 * TrackMargin;
    const double height = PixelsToTwips(track_.height());
    const double top = (PixelsToTwips(this->height()) - height) / 2;
    return TwipsToPixels(TrackMargin, top, qMax(0.0, width), height);
}

void SliderXP::Layout() {
    SetWidgetBackColor(this, ContainerBackColor(this));
    const QRect track = TrackRect();
    trackScaled_ = track_.isNull() || track.width() < 1 || track.height() < 1
                       ? QPixmap()
                       : track_.scaled(track.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QSize cell = thumbStrip_.CellSize();
    thumb_->resize(cell);
    ShowThumbCell(ThumbCell::Normal);
    // A pentagon pointing up: a triangle on top of a rectangle.
    const int tip = TwipsToPixels(ThumbTipHeight);
    const QPolygon triangle(
        {QPoint(cell.width() / 2, 0), QPoint(0, tip), QPoint(cell.width(), tip)});
    thumb_->setMask(QRegion(triangle) | QRegion(0, tip, cell.width(), cell.height() - tip));
    SetValue(value_);
}

void SliderXP::PlaceThumb() {
    if (max_ < min_)
        return;
    const double freeWidth = PixelsToTwips(width()) - thumbStrip_.CellWidth();
    const double left = double(ThumbOffset(qint64(freeWidth), value_, min_, max_));
    const double top = (PixelsToTwips(height()) - thumbStrip_.CellHeight()) / 2;
    thumb_->move(TwipsToPixels(left, top));
}

void SliderXP::ShowThumbCell(ThumbCell cell) {
    thumbCell_ = cell;
    thumb_->ShowCell(thumbStrip_, int(cell));
    update();
}

void SliderXP::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!trackScaled_.isNull())
        painter.drawPixmap(TrackRect().topLeft(), trackScaled_);
    if (focus_) {
        const int inset = TwipsToPixels(FocusInset);
        DrawFocusRectangle(painter, rect().adjusted(inset, inset, -inset, -inset));
    }
}

void SliderXP::resizeEvent(QResizeEvent*) {
    Layout();
}

void SliderXP::showEvent(QShowEvent*) {
    Layout();
}

void SliderXP::mousePressEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    const QRect thumb = thumb_->geometry();
    if (x < thumb.left() && x > 0)
        SetValue(qint64(value_) - largeChange_);
    else if (x > thumb.right() && x < TrackRect().right())
        SetValue(qint64(value_) + largeChange_);
}

void SliderXP::keyPressEvent(QKeyEvent* event) {
    switch (static_cast<SliderKey>(VirtualKeyFromQtKey(event->key()))) {
    case SliderKey::Left:
        SetValue(qint64(value_) - 1);
        break;
    case SliderKey::Right:
        SetValue(qint64(value_) + 1);
        break;
    case SliderKey::PageUp:
        SetValue(qint64(value_) - largeChange_);
        break;
    case SliderKey::PageDown:
        SetValue(qint64(value_) + largeChange_);
        break;
    case SliderKey::Home:
        SetValue(min_);
        break;
    case SliderKey::End:
        SetValue(max_);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void SliderXP::focusInEvent(QFocusEvent*) {
    focus_ = true;
    ShowThumbCell(ThumbCell::Highlighted);
}

void SliderXP::focusOutEvent(QFocusEvent*) {
    focus_ = false;
    ShowThumbCell(ThumbCell::Normal);
}

bool SliderXP::eventFilter(QObject* watched, QEvent* event) {
    if (watched == thumb_)
        ThumbMouse(event);
    return QWidget::eventFilter(watched, event);
}

void SliderXP::ThumbMouse(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        setFocus(Qt::MouseFocusReason);
        dragOffset_ = PixelsToTwips(mouse->position().toPoint().x());
        dragging_ = true;
        ShowThumbCell(ThumbCell::Normal);
        break;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint point = mouse->position().toPoint();
        if (dragging_) {
            const double span = PixelsToTwips(TrackRect().width()) - thumbStrip_.CellWidth();
            const double inside = PixelsToTwips(point.x());
            if (const auto value =
                    DraggedValue(value_, min_, max_, qint64(inside - dragOffset_), qint64(span)))
                SetValue(*value);
        } else if (thumb_->rect().contains(point) && !hover_) {
            hover_ = true;
            ShowThumbCell(ThumbCell::Highlighted);
            emit MouseOver();
        }
        break;
    }
    case QEvent::Leave:
        if (hover_ && !dragging_) {
            hover_ = false;
            ShowThumbCell(ThumbCell::Normal);
            emit MouseOut();
        }
        break;
    case QEvent::MouseButtonRelease:
        dragging_ = false;
        hover_ = false;
        break;
    default:
        break;
    }
}

} // namespace lexarion
