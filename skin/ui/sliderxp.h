#pragma once

// The skinned horizontal slider: a stretched track and a pentagon thumb pointing up, dragged,
// clicked beside, or moved with the keys. Every assignment of Value raises Change, also of the
// same value, and every layout assigns Value to itself.

#include "skin/skinnedcontrol.h"
#include "skin/ui/pictureclipbox.h"

#include <QPixmap>
#include <QWidget>

namespace lexarion {

class PictureBox;

class SliderXP : public QWidget, public SkinnedControl {
    Q_OBJECT
public:
    // The cells of "Slider_Mid.bmp".
    enum class ThumbCell { Normal = 1, Highlighted = 2 };

    explicit SliderXP(QWidget* parent = nullptr);

    qint32 Max() const { return max_; }
    qint32 Min() const { return min_; }
    qint32 Value() const { return value_; }
    qint32 LargeChange() const { return largeChange_; }
    // Stored as given; Value is clamped only when it is next assigned.
    void SetMax(qint32 max) { max_ = max; }
    void SetMin(qint32 min) { min_ = min; }
    void SetValue(qint64 value);
    void SetLargeChange(qint32 largeChange) { largeChange_ = largeChange; }

    void LoadSkin(const QString& folderPath) override;
    bool TabStopFollowsPage() const override { return true; }

    // For drawing and tests, in pixels.
    QRect TrackRect() const;
    PictureBox* Thumb() const { return thumb_; }
    ThumbCell ThumbState() const { return thumbCell_; }

signals:
    void Change();
    void MouseOver();
    void MouseOut();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Layout();
    void PlaceThumb();
    void ShowThumbCell(ThumbCell cell);
    void ThumbMouse(QEvent* event);

    PictureClipBox thumbStrip_{2};
    QPixmap track_;
    QPixmap trackScaled_;
    PictureBox* thumb_ = nullptr;
    ThumbCell thumbCell_ = ThumbCell::Normal;
    qint32 max_ = 1;
    qint32 min_ = 0;
    qint32 value_ = 0;
    qint32 largeChange_ = 10;
    bool focus_ = false;
    bool dragging_ = false;
    bool hover_ = false;
    double dragOffset_ = 0; // twips from the thumb's left where it was pressed
};

} // namespace lexarion
