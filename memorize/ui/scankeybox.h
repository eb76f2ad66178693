#pragma once

// The hot-key capture box: a skinned one-line text box that cannot be typed into. Pressing a
// key combination in it records the key (ScanKeyCode, a virtual-key code) and the modifiers
// held (ScanShift, 1 Shift, 2 Ctrl, 4 Alt) and shows them as "Shift + Ctrl + F5"; a key
// without a name, or a modifier alone, records nothing and shows "无".

#include "skin/skinnedcontrol.h"

#include <QWidget>

namespace lexarion {

class TextBoxXP;

class ScanKeyBox : public QWidget, public SkinnedControl {
    Q_OBJECT
public:
    explicit ScanKeyBox(QWidget* parent = nullptr);

    qint16 ScanKeyCode() const { return scanKeyCode_; }
    // Stores the code and shows the combination again.
    void SetScanKeyCode(qint16 keyCode);
    // The mask; 0, and the stored mask reset to 0, while no key is recorded.
    qint16 ScanShift() const;
    void SetScanShift(qint16 shift) { scanShift_ = shift; }
    bool Enabled() const;
    void SetEnabled(bool enabled);
    QFont Fonts() const;
    void SetFonts(const QFont& font);

    void LoadSkin(const QString& folderPath) override;
    bool TabStopFollowsPage() const override { return true; }

    // The inner text box, a piece of this control.
    TextBoxXP* Box() const { return box_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void KeyDown(int& keyCode, int& shift);
    void KeyUp();
    void ShowCombination();

    TextBoxXP* box_;
    qint16 scanKeyCode_ = 0;
    mutable qint16 scanShift_ = 0;
};

} // namespace lexarion
