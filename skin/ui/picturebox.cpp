#include "skin/ui/picturebox.h"

#include "skin/ui/pictureclipbox.h"

#include <QPainter>

namespace lexarion {

void DrawFocusRectangle(QPainter& painter, const QRect& rect) {
    if (rect.width() < 1 || rect.height() < 1)
        return;
    painter.save();
    QPen pen(Qt::black);
    pen.setCosmetic(true);
    pen.setWidth(1);
    pen.setDashPattern({1.0, 1.0});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    cell_ = 0;
    UpdateScaled();
}

void PictureBox::ShowCell(const PictureClipBox& strip, int cell) {
    picture_ = strip.GraphicCell(1, cell);
    cell_ = cell;
    UpdateScaled();
}

void PictureBox::SetStretch(bool stretch) {
    if (stretch_ == stretch)
        return;
    stretch_ = stretch;
    UpdateScaled();
}

void PictureBox::SetFocusFrame(std::optional<QRect> frame) {
    if (focusFrame_ == frame)
        return;
    focusFrame_ = frame;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!scaled_.isNull())
        painter.drawPixmap(0, 0, scaled_);
    if (focusFrame_)
        DrawFocusRectangle(painter, *focusFrame_);
}

void PictureBox::resizeEvent(QResizeEvent*) {
    if (stretch_)
        UpdateScaled();
}

void PictureBox::UpdateScaled() {
    if (picture_.isNull() || !stretch_ || size() == picture_.size() || width() < 1 ||
        height() < 1) {
        scaled_ = stretch_ && (width() < 1 || height() < 1) ? QPixmap() : picture_;
    } else {
        scaled_ = picture_.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    update();
}

} // namespace lexarion
