#include "skin/ui/radioboxxp.h"

#include "skin/ui/formcontrols.h"
#include "skin/ui/picturebox.h"

namespace lexarion {

RadioBoxXP::RadioBoxXP(QWidget* parent)
    : ToggleXP(ToggleKind::OptionButton, QStringLiteral("RadioBoxXP"),
               {QStringLiteral("RadioBox.bmp"), MarkCellCount, SkinKey::OptionBoxForeColor,
                SkinKey::OptionBoxFocusForeColor},
               parent) {
    Layout();
    ShowLook(true);
}

TwipsRect RadioBoxXP::MarkRect() const {
    return OptionMarkRect(CellTwips(), ControlTwips());
}

void RadioBoxXP::MarkPlaced() {
    const TwipsRect mark = MarkRect();
    const QRect ellipse = OptionMarkEllipse({mark.width, mark.height}).ToPixels();
    Picture().setMask(QRegion(ellipse, QRegion::Ellipse));
}

void RadioBoxXP::SetValue(bool value) {
    if (value)
        ClearOthersOfGroup();
    StoreValue(value);
}

void RadioBoxXP::ValueChangedByUser() {
    if (Value())
        ClearOthersOfGroup();
}

void RadioBoxXP::ClearOthersOfGroup() {
    const QWidget* container = ControlContainer(this);
    for (QWidget* control : FormControls(ControlForm(this))) {
        auto* other = qobject_cast<RadioBoxXP*>(control);
        if (other != nullptr && other != this && ControlContainer(other) == container &&
            other->Value())
            other->SetValue(false);
    }
}

} // namespace lexarion
