#pragma once

// The skinned group frame: an outline round a group of controls, in the colour of the skin's
// [Frame] "BorderColor", with its caption centred across the top just inside the outline. The
// controls placed in it are its children; option buttons in one frame form one group.

#include "skin/skinnedcontrol.h"

#include <QWidget>

class QLabel;

namespace lexarion {

class FrameXP : public QWidget, public SkinnedControl {
    Q_OBJECT
public:
    explicit FrameXP(QWidget* parent = nullptr);

    QString Caption() const;
    // Sets the caption and centres it again.
    void SetCaption(const QString& caption);
    // The caption's font; the caption is centred again at the next caption or layout.
    QFont Fonts() const;
    void SetFonts(const QFont& font);
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
    void CentreCaption();

    QLabel* caption_;
    qint32 borderColor_ = 0;
    bool showBorder_ = true;
};

} // namespace lexarion
