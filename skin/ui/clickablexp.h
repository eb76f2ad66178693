#pragma once

// What the push button, the check box and the option button share: a picture area showing one
// cell of the control's strip, a caption label, the two caption colours of the skin, and the
// translation of the mouse, the focus and the enabled state into the inputs of the control's
// look state machine (skin/clickstates.h).
//
// The picture area and the caption are pieces of the control and let the mouse through, so a
// press on the caption is a press on the control at the same point.

#include "skin/clickstates.h"
#include "skin/controllayout.h"
#include "skin/skinnedcontrol.h"
#include "skin/skinparameters.h"
#include "skin/ui/captionedxp.h"
#include "skin/ui/pictureclipbox.h"

#include <QRect>
#include <QWidget>
#include <optional>

class QLabel;

namespace lexarion {

class PictureBox;

class ClickableXP : public QWidget, public SkinnedControl, public CaptionedXP {
    Q_OBJECT
public:
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }

    // Loads the control's strip from the skin folder and the caption colours of its section
    // ("ForeColor" normal, "FocusForeColor" under the mouse), then lays the control out.
    void LoadSkin(const QString& folderPath) override;
    bool TabStopFollowsPage() const override { return true; }

    // What the control shows: the strip cell (from 1), the caption colour number, and the focus
    // rectangle in the control's pixel coordinates while it has the focus.
    int ShownCell() const;
    qint32 CaptionColor() const { return captionColor_; }
    std::optional<QRect> FocusFrame() const { return focusFrame_; }
    // The pieces' places, in the control's pixel coordinates.
    QRect PictureGeometry() const;
    QRect CaptionGeometry() const;

signals:
    void Click();
    void MouseOver();
    void MouseOut();

protected:
    struct SkinStrip {
        QString fileName;
        int cellCount;
        SkinKey foreColor;
        SkinKey focusForeColor;
    };
    ClickableXP(const QString& caption, const SkinStrip& strip, QWidget* parent);

    // Places the pieces from the strip's cell size and the control's size.
    virtual void Layout() = 0;
    virtual ClickEvents Press() = 0;
    virtual ClickEvents Move(bool inside) = 0;
    virtual ClickEvents Release(bool inside) = 0;
    virtual void FocusChanged(bool focused) = 0;
    virtual void EnabledChanged(bool enabled) = 0;
    // The state machine's cell, caption look and focus, shown by ShowLook.
    virtual int MachineCell() const = 0;
    virtual CaptionLook MachineCaption() const = 0;
    virtual bool MachineFocused() const = 0;
    // The focus rectangle in pixels of the control, drawn while it has the focus: on the
    // picture area when it covers the whole control (the push button's face), else on the
    // control's own surface.
    virtual QRect FocusRectangle() const = 0;
    virtual bool FocusOnPicture() const { return false; }
    // Called before Click when a click changed the check box's or option button's Value.
    virtual void ValueChangedByUser() {}

    // Shows the machine's cell (cut from the strip only when it changes, or always when
    // `recut`), the caption colour and the focus rectangle.
    void ShowLook(bool recut = false);
    void Raise(const ClickEvents& events);

    // Sizes in twips.
    TwipsSize CellTwips() const;
    TwipsSize ControlTwips() const;
    TwipsSize CaptionTextTwips() const;

    PictureBox& Picture() { return *picture_; }
    QLabel& CaptionLabel() { return *caption_; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // 0 <= x <= width and 0 <= y <= height.
    bool IsInside(const QPointF& point) const;
    void SetCaptionColor(qint32 color);

    SkinStrip skin_;
    PictureClipBox strip_;
    PictureBox* picture_;
    QLabel* caption_;
    qint32 foreColor_ = 0;
    qint32 focusForeColor_ = 0;
    qint32 captionColor_ = -1;
    std::optional<QRect> focusFrame_;
    bool laidOut_ = false;
};

// A clickable control driven by one of the look state machines of skin/clickstates.h.
template <class States> class ClickableWithStates : public ClickableXP {
protected:
    ClickableWithStates(States states, const QString& caption, const SkinStrip& strip,
                        QWidget* parent)
        : ClickableXP(caption, strip, parent), states_(states) {}

    ClickEvents Press() override { return states_.Press(); }
    ClickEvents Move(bool inside) override { return states_.Move(inside); }
    ClickEvents Release(bool inside) override { return states_.Release(inside); }
    void FocusChanged(bool focused) override {
        if (focused)
            states_.FocusIn();
        else
            states_.FocusOut();
    }
    void EnabledChanged(bool enabled) override { states_.SetEnabled(enabled); }
    int MachineCell() const override { return static_cast<int>(states_.Cell()); }
    CaptionLook MachineCaption() const override { return states_.Caption(); }
    bool MachineFocused() const override { return states_.Focused(); }

    States states_;
};

} // namespace lexarion
