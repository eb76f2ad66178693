#pragma once

// The skinned group frame: an outline round a group of controls, in the colour of the skin's
// [Frame] "BorderColor", with its caption centred across the top just inside the outline. The
// controls placed in it are its children; option buttons in one frame form one group.

#include "skin/skinnedcontrol.h"
#include "skin/ui/captionedxp.h"

#include <QWidget>

class QLabel;

namespace lexarion {

class FrameXP : public QWidget, public SkinnedControl, public CaptionedXP {
    Q_OBJECT
public:
    explicit FrameXP(QWidget* parent = nullptr);

    bool ShowBorder() const { return showBorder_; }
    void SetShowBorder(bool show);
    qint32 BorderColor() const { return borderColor_; }
    // Clamped to a colour number.
    void SetBorderColor(double color);

    void LoadSkin(const QString& folderPath) override;

    // The caption label's place, in pixels of the frame.
    QRect CaptionGeometry() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Layout();
    // Centres the caption on the top border.
    void LayOutCaption() override;

    QLabel* caption_;
    qint32 borderColor_ = 0;
    bool showBorder_ = true;
};

} // namespace lexarion
