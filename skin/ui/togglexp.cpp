#include "skin/ui/togglexp.h"

#include "skin/twips.h"
#include "skin/ui/formcontrols.h"
#include "skin/ui/picturebox.h"

#include <QKeyEvent>
#include <QLabel>

namespace lexarion {

ToggleXP::ToggleXP(ToggleKind kind, const QString& caption, const SkinStrip& strip, QWidget* parent)
    : ClickableWithStates(ToggleStates(kind), caption, strip, parent) {
    CaptionLabel().setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ToggleXP::SetValue(bool value) {
    StoreValue(value);
}

void ToggleXP::StoreValue(bool value) {
    states_.SetValue(value);
    ShowLook();
}

void ToggleXP::Layout() {
    Picture().setGeometry(MarkRect().ToPixels());
    MarkPlaced();
    SetWidgetBackColor(this, FormBackColor(ControlForm(this)));
    states_.Layout();
    PlaceCaption();
}

void ToggleXP::PlaceCaption() {
    const TwipsRect caption =
        ToggleCaptionRect(MarkRect(), ControlTwips(), CaptionTextTwips().height);
    CaptionLabel().setGeometry(caption.ToPixels());
}

void ToggleXP::LayOutCaption() {
    PlaceCaption();
}

QRect ToggleXP::FocusRectangle() const {
    const double captionLeft = ToggleCaptionRect(MarkRect(), ControlTwips(), 0).left;
    return ToggleFocusRect(captionLeft, ControlTwips(), FocusInset()).EdgesToPixels();
}

void ToggleXP::keyPressEvent(QKeyEvent* event) {
    if (event->text() != QStringLiteral(" ")) {
        QWidget::keyPressEvent(event);
        return;
    }
    const ClickEvents events = states_.TypeSpace();
    ShowLook();
    Raise(events);
}

} // namespace lexarion
