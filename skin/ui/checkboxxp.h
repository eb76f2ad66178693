#pragma once

// The skinned check box: a mark from "CheckBox.bmp" and a caption in the colours of section
// "CheckBox". A click or a typed space inverts Value and raises Click.

#include "skin/ui/togglexp.h"

namespace lexarion {

class CheckBoxXP : public ToggleXP {
    Q_OBJECT
public:
    explicit CheckBoxXP(QWidget* parent = nullptr);

protected:
    TwipsRect MarkRect() const override;
    double FocusInset() const override { return CheckFocusInset; }
};

} // namespace lexarion
