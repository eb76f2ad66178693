#include "skin/ui/clickablexp.h"

#include "skin/twips.h"
#include "skin/ui/formcontrols.h"
#include "skin/ui/picturebox.h"
#include "skin/ui/skincolor.h"
#include "skin/ui/skinpicture.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace lexarion {

ClickableXP::ClickableXP(const QString& caption, const SkinStrip& strip, QWidget* parent)
    : QWidget(parent), skin_(strip), strip_(strip.cellCount), picture_(new PictureBox(this)),
      caption_(new QLabel(caption, this)) {
    SetCaptionLabel(caption_);
    strip_.SetPicture(BuiltInPicture(skin_.fileName));
    for (QWidget* piece : {static_cast<QWidget*>(picture_), static_cast<QWidget*>(caption_)}) {
        MarkSkinPiece(piece);
        piece->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    caption_->setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    SetCaptionColor(foreColor_);
}

void ClickableXP::LoadSkin(const QString& folderPath) {
    LoadSkinPicture(strip_, SkinFilePath(folderPath, skin_.fileName));
    foreColor_ = ReadSkinColor(folderPath, skin_.foreColor);
    focusForeColor_ = ReadSkinColor(folderPath, skin_.focusForeColor);
    Layout();
    ShowLook(true);
}

int ClickableXP::ShownCell() const {
    return picture_->Cell();
}

QRect ClickableXP::PictureGeometry() const {
    return picture_->geometry();
}

QRect ClickableXP::CaptionGeometry() const {
    return caption_->geometry();
}

void ClickableXP::ShowLook(bool recut) {
    const int cell = MachineCell();
    if (recut || picture_->Cell() != cell)
        picture_->ShowCell(strip_, cell);
    SetCaptionColor(MachineCaption() == CaptionLook::Highlighted ? focusForeColor_ : foreColor_);
    std::optional<QRect> frame;
    if (MachineFocused())
        frame = FocusRectangle();
    if (frame != focusFrame_) {
        focusFrame_ = frame;
        if (FocusOnPicture())
            picture_->SetFocusFrame(frame);
        else
            update();
    }
}

void ClickableXP::Raise(const ClickEvents& events) {
    if (events.valueChanged)
        ValueChangedByUser();
    if (events.click)
        emit Click();
    if (events.mouseOver)
        emit MouseOver();
    if (events.mouseOut)
        emit MouseOut();
}

TwipsSize ClickableXP::CellTwips() const {
    return {strip_.CellWidth(), strip_.CellHeight()};
}

TwipsSize ClickableXP::ControlTwips() const {
    return {static_cast<double>(PixelsToTwips(width())),
            static_cast<double>(PixelsToTwips(height()))};
}

TwipsSize ClickableXP::CaptionTextTwips() const {
    const QSize size = caption_->sizeHint();
    return {static_cast<double>(PixelsToTwips(size.width())),
            static_cast<double>(PixelsToTwips(size.height()))};
}

void ClickableXP::SetCaptionColor(qint32 color) {
    if (color == captionColor_)
        return;
    captionColor_ = color;
    // A disabled caption is greyed, whatever the skin's colours.
    QPalette palette = caption_->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, ColorFromNumber(color));
    palette.setColor(QPalette::Disabled, QPalette::WindowText,
                     QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
    caption_->setPalette(palette);
}

void ClickableXP::paintEvent(QPaintEvent*) {
    if (!focusFrame_ || FocusOnPicture())
        return;
    QPainter painter(this);
    DrawFocusRectangle(painter, *focusFrame_);
}

void ClickableXP::resizeEvent(QResizeEvent*) {
    Layout();
    ShowLook();
}

void ClickableXP::showEvent(QShowEvent*) {
    if (laidOut_)
        return;
    laidOut_ = true;
    Layout();
    ShowLook();
}

void ClickableXP::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        EnabledChanged(isEnabled());
        ShowLook();
    }
    QWidget::changeEvent(event);
}

void ClickableXP::focusInEvent(QFocusEvent* event) {
    FocusChanged(true);
    ShowLook();
    QWidget::focusInEvent(event);
}

void ClickableXP::focusOutEvent(QFocusEvent* event) {
    FocusChanged(false);
    ShowLook();
    QWidget::focusOutEvent(event);
}

bool ClickableXP::IsInside(const QPointF& point) const {
    return point.x() >= 0 && point.x() <= width() && point.y() >= 0 && point.y() <= height();
}

void ClickableXP::mousePressEvent(QMouseEvent* event) {
    const ClickEvents events = Press();
    ShowLook();
    Raise(events);
    event->accept();
}

void ClickableXP::mouseMoveEvent(QMouseEvent* event) {
    const ClickEvents events = Move(IsInside(event->position()));
    ShowLook();
    Raise(events);
}

void ClickableXP::mouseReleaseEvent(QMouseEvent* event) {
    const ClickEvents events = Release(IsInside(event->position()));
    ShowLook();
    Raise(events);
    event->accept();
}

void ClickableXP::enterEvent(QEnterEvent* event) {
    const ClickEvents events = Move(IsInside(event->position()));
    ShowLook();
    Raise(events);
}

void ClickableXP::leaveEvent(QEvent*) {
    const ClickEvents events = Move(false);
    ShowLook();
    Raise(events);
}

} // namespace lexarion
