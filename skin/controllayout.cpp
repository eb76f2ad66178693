#include "skin/controllayout.h"

#include "skin/twips.h"

namespace lexarion {

namespace {

constexpr double FaceMargin = 10;
constexpr double ButtonFocusInset = 60;
constexpr double OptionMarkExtra = 10;
constexpr double TextBoxInnerOffset = 10;
constexpr double TextBoxInnerShrink = 25;
constexpr double FrameCaptionTop = 100;

} // namespace

QRect EdgesToPixels(const TwipsRect& rect) {
    const QPoint topLeft = TwipsToPixels(rect.left, rect.top);
    const QPoint bottomRight = TwipsToPixels(rect.Right(), rect.Bottom());
    return QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
}

TwipsSize ButtonFaceSize(TwipsSize cell) {
    return {cell.width + FaceMargin, cell.height + FaceMargin};
}

TwipsRect ButtonCaptionRect(TwipsSize face, TwipsSize caption) {
    return {(face.width - caption.width) / 2, (face.height - caption.height) / 2, caption.width,
            caption.height};
}

TwipsRect ButtonFocusRect(TwipsSize face) {
    return {ButtonFocusInset, ButtonFocusInset, face.width - 2 * ButtonFocusInset,
            face.height - 2 * ButtonFocusInset};
}

TwipsRect CheckMarkRect(TwipsSize cell, TwipsSize control) {
    return {0, (control.height - cell.height) / 2, cell.width, cell.height};
}

TwipsRect OptionMarkRect(TwipsSize cell, TwipsSize control) {
    const double height = cell.height + OptionMarkExtra;
    return {0, (control.height - height) / 2, cell.width, height};
}

TwipsRect OptionMarkEllipse(TwipsSize mark) {
    return {0, 0, mark.width + OptionMarkExtra, mark.height};
}

TwipsRect ToggleCaptionRect(const TwipsRect& mark, TwipsSize control, double captionHeight) {
    const double left = mark.Right() + MarkCaptionGap;
    return {left, mark.top, control.width - left, captionHeight};
}

TwipsRect ToggleFocusRect(double captionLeft, TwipsSize control, double inset) {
    const double left = captionLeft - inset;
    return {left, inset, control.width - inset - left, control.height - 2 * inset};
}

TwipsRect TextBoxInnerRect(TwipsSize control) {
    return {TextBoxInnerOffset, TextBoxInnerOffset, control.width - TextBoxInnerShrink,
            control.height - TextBoxInnerShrink};
}

TwipsRect FrameCaptionRect(double borderWidth, TwipsSize caption) {
    return {(borderWidth - caption.width) / 2, FrameCaptionTop, caption.width, caption.height};
}

} // namespace lexarion
