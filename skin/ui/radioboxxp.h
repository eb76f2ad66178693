#pragma once

// The skinned option button: a round mark from "RadioBox.bmp" and a caption in the colours of
// section "OptionBox". The option buttons that share a container form a group: selecting one
// clears the others of that container. A click or a typed space selects the button (a
// selected one stays selected) and raises Click.

#include "skin/ui/togglexp.h"

namespace lexarion {

class RadioBoxXP : public ToggleXP {
    Q_OBJECT
public:
    explicit RadioBoxXP(QWidget* parent = nullptr);

    // True first clears every other option button of the same container; setting a value the
    // button already has changes nothing. No event is raised.
    void SetValue(bool value) override;

protected:
    TwipsRect MarkRect() const override;
    void MarkPlaced() override;
    double FocusInset() const override { return OptionFocusInset; }
    void ValueChangedByUser() override;

private:
    void ClearOthersOfGroup();
};

} // namespace lexarion
