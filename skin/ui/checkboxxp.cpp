#include "skin/ui/checkboxxp.h"

namespace lexarion {

CheckBoxXP::CheckBoxXP(QWidget* parent)
    : ToggleXP(ToggleKind::CheckBox, QStringLiteral("CheckBoxXP"),
               {QStringLiteral("CheckBox.bmp"), MarkCellCount, SkinKey::CheckBoxForeColor,
                SkinKey::CheckBoxFocusForeColor},
               parent) {
    Layout();
    ShowLook(true);
}

TwipsRect CheckBoxXP::MarkRect() const {
    return CheckMarkRect(CellTwips(), ControlTwips());
}

} // namespace lexarion
