#pragma once

// What the check box and the option button share: a mark at the left showing one cell of a
// six-cell strip by Value, enabled state and the pointer, a caption to its right, the focus
// rectangle round the caption, and a space typed on the control acting as a click.

#include "skin/ui/clickablexp.h"

namespace lexarion {

class ToggleXP : public ClickableWithStates<ToggleStates> {
    Q_OBJECT
public:
    bool Value() const { return states_.Value(); }
    virtual void SetValue(bool value);

    MarkCell Cell() const { return states_.Cell(); }

protected:
    ToggleXP(ToggleKind kind, const QString& caption, const SkinStrip& strip, QWidget* parent);

    // The mark's place in twips, from the cell size and the control's size.
    virtual TwipsRect MarkRect() const = 0;
    // Called once the mark is placed (the option button rounds it off).
    virtual void MarkPlaced() {}
    virtual double FocusInset() const = 0;
    // Stores the value in the state machine and shows it.
    void StoreValue(bool value);

    void Layout() override;
    QRect FocusRectangle() const override;
    void LayOutCaption() override;

    void keyPressEvent(QKeyEvent* event) override;

private:
    void PlaceCaption();
};

} // namespace lexarion
