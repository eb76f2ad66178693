#pragma once

// The skinned single-line text box: an inner edit box without a border of its own inside a
// one-pixel outline. The outline and the inner box's colours follow the skin's section
// "TextBox": the focus colours while the inner box has the keyboard focus, the focus border
// while the pointer is over it.
//
// Text, selection, maximum length, the read-only and enabled states, the tooltip and the font
// live in the inner box; the properties read and write them there.
//
// The key events pass their values by reference and must be connected directly (the default
// for a receiver on the user-interface thread):
// - KeyDown(keyCode, shift) and KeyUp(keyCode, shift) carry the Windows virtual-key code and
//   the modifier mask (1 Shift, 2 Ctrl, 4 Alt, see platform/virtualkey.h). A KeyDown handler
//   that sets keyCode to 0 stops the box's own action for a key that types nothing (the
//   arrows, Delete, Home...); a key that types a character goes on to KeyPress.
// - KeyPress(keyAscii) carries each typed character as its Unicode code point (13 Enter, 8
//   Backspace, 27 Escape, the ASCII code for the ASCII characters). A handler that sets it to
//   0 swallows the character; one that sets another code types that character instead.
// Text from an input method (Chinese, for one) arrives committed as a whole, without key
// events: each committed character is passed through KeyPress in turn, and the box receives
// the characters that were not swallowed, changed where a handler changed them. The text being
// composed is shown untouched.

#include "skin/skinnedcontrol.h"
#include "skin/skinparameters.h"
#include "skin/textboxstates.h"

#include <QWidget>

class QLineEdit;

namespace lexarion {

class TextBoxEdit;

class TextBoxXP : public QWidget, public SkinnedControl {
    Q_OBJECT
public:
    explicit TextBoxXP(QWidget* parent = nullptr);

    QString Text() const;
    // Sets the inner box's text and raises Change (the inner box's own change notification
    // raises it once more when the text is a different one).
    void SetText(const QString& text);
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    // 0 means no limit.
    int MaxLength() const;
    void SetMaxLength(int length);
    bool Locked() const;
    void SetLocked(bool locked);
    // The inner box's enabled state; the colours stay as they are.
    bool Enabled() const;
    void SetEnabled(bool enabled);
    QString ToolTipText() const;
    void SetToolTipText(const QString& text);
    QFont Fonts() const;
    void SetFonts(const QFont& font);

    // Reads the six colours of section "TextBox", then lays the box out.
    void LoadSkin(const QString& folderPath) override;
    bool TabStopFollowsPage() const override { return true; }

    qint32 ForeColor() const { return foreColor_; }
    qint32 BorderColor() const { return borderColor_; }
    qint32 BackColor() const { return backColor_; }
    qint32 FocusForeColor() const { return focusForeColor_; }
    qint32 FocusBorderColor() const { return focusBorderColor_; }
    qint32 FocusBackColor() const { return focusBackColor_; }
    // The colours shown now.
    qint32 ShownBorderColor() const;
    qint32 ShownForeColor() const;
    qint32 ShownBackColor() const;

    // The inner edit box, a piece of this control.
    QLineEdit* ControlXP() const;

signals:
    void MouseOver();
    void MouseOut();
    void Change();
    void KeyDown(int& keyCode, int& shift);
    void KeyUp(int& keyCode, int& shift);
    void KeyPress(int& keyAscii);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TextBoxEdit;

    void Layout();
    void ShowLook();
    void Hover(bool inside);

    TextBoxEdit* edit_;
    TextBoxStates states_;
    qint32 foreColor_ = 0;
    qint32 borderColor_ = 0;
    qint32 backColor_ = MaxColorNumber;
    qint32 focusForeColor_ = 0;
    qint32 focusBorderColor_ = 0;
    qint32 focusBackColor_ = MaxColorNumber;
};

} // namespace lexarion
