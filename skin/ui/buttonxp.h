#pragma once

// The skinned push button: one cell of "Button.bmp" as its face, with the caption centred on
// it. The button is always exactly as large as one cell (plus a small margin), whatever size
// it is given; its corners are rounded off. The caption colours come from section "Button".

#include "skin/ui/clickablexp.h"

namespace lexarion {

class ButtonXP : public ClickableWithStates<PushButtonStates> {
    Q_OBJECT
public:
    explicit ButtonXP(QWidget* parent = nullptr);

    ButtonCell Cell() const { return states_.Cell(); }

signals:
    // Every key typed on the button, with the code of its character (the Unicode code point;
    // the same as the ANSI code for the ASCII characters, 13 for Enter).
    void KeyPress(int keyAscii);

protected:
    void Layout() override;
    QRect FocusRectangle() const override;
    bool FocusOnPicture() const override { return true; }
    void LayOutCaption() override;

    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    TwipsSize FaceTwips() const;
    void CentreCaption();
};

} // namespace lexarion
