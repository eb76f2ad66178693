#include "skin/ui/framexp.h"

#include "skin/controllayout.h"
#include "skin/skinparameters.h"
#include "skin/twips.h"
#include "skin/ui/formcontrols.h"
#include "skin/ui/skincolor.h"

#include <QLabel>
#include <QPainter>

namespace lexarion {

FrameXP::FrameXP(QWidget* parent)
    : QWidget(parent), caption_(new QLabel(QStringLiteral("FrameXP"), this)) {
    MarkSkinPiece(caption_);
    caption_->setTextFormat(Qt::PlainText);
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetCaptionLabel(caption_);
    LayOutCaption();
}

void FrameXP::SetShowBorder(bool show) {
    showBorder_ = show;
    update();
}

void FrameXP::SetBorderColor(double color) {
    borderColor_ = ClampColor(color);
    update();
}

void FrameXP::LoadSkin(const QString& folderPath) {
    SetBorderColor(ReadSkinColor(folderPath, SkinKey::FrameBorderColor));
    // A skin chosen while the frame is shown also brings the form's new text colour.
    Layout();
}

QRect FrameXP::CaptionGeometry() const {
    return caption_->geometry();
}

void FrameXP::LayOutCaption() {
    caption_->adjustSize();
    const QSize label = caption_->size();
    const TwipsRect place = FrameCaptionRect(PixelsToTwips(width()),
                                             {static_cast<double>(PixelsToTwips(label.width())),
                                              static_cast<double>(PixelsToTwips(label.height()))});
    caption_->move(TwipsToPixels(place.left, place.top));
}

void FrameXP::Layout() {
    LayOutCaption();
    SetWidgetBackColor(this, ContainerBackColor(this));
    SetWidgetForeColor(caption_, ContainerForeColor(this));
}

void FrameXP::paintEvent(QPaintEvent*) {
    if (!showBorder_)
        return;
    QPainter painter(this);
    painter.setPen(ColorFromNumber(borderColor_));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FrameXP::resizeEvent(QResizeEvent*) {
    Layout();
}

void FrameXP::showEvent(QShowEvent*) {
    Layout();
}

} // namespace lexarion
