#pragma once

// The skinned vertical scroll bar: an up arrow at the top, a down arrow at the bottom, a thumb
// between them on a stretched track. Arrows step by 1 with auto-repeat, clicks on the track
// step by LargeChange, the thumb is dragged. Keys are only reported (KeyDown); the list box
// inside which it sits takes its keys and its focus this way.

#include "skin/autorepeat.h"
#include "skin/scrollrange.h"
#include "skin/skinnedcontrol.h"
#include "skin/ui/pictureclipbox.h"

#include <QPixmap>
#include <QWidget>

namespace lexarion {

class VScrollBarXP : public QWidget, public SkinnedControl {
    Q_OBJECT
public:
    // The cells of "VScrollBar_UpDown.bmp" and "VScrollBar_Mid.bmp".
    enum class ArrowCell { Up = 1, UpPressed = 2, Down = 3, DownPressed = 4 };
    enum class ThumbCell { Normal = 1, Pressed = 2 };
    // The part of the bar under a point.
    enum class Part { None, UpArrow, DownArrow, Thumb, TrackAbove, TrackBelow };

    explicit VScrollBarXP(QWidget* parent = nullptr);

    qint32 Max() const { return range_.Max(); }
    qint32 Min() const { return range_.Min(); }
    qint32 Value() const { return range_.Value(); }
    qint32 LargeChange() const { return range_.LargeChange(); }
    void SetMax(qint32 max);
    void SetMin(qint32 min);
    void SetValue(qint64 value);
    void SetLargeChange(qint32 largeChange) { range_.SetLargeChange(largeChange); }

    void LoadSkin(const QString& folderPath) override;
    bool TabStopFollowsPage() const override { return true; }

    // Geometry in pixels, for drawing and for tests.
    QRect UpArrowRect() const;
    QRect DownArrowRect() const;
    QRect ThumbRect() const;
    Part PartAt(QPoint point) const;
    ArrowCell UpCell() const { return upCell_; }
    ArrowCell DownCell() const { return downCell_; }
    ThumbCell ThumbState() const { return thumbCell_; }
    const AutoRepeat& Repeat() const { return repeat_; }

signals:
    void Change();
    void KeyDown(int keyCode, int shift);
    void EnterFocus();
    void ExitFocus();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Layout();
    void ShowArrowCells(ArrowCell up, ArrowCell down);
    void ShowThumbCell(ThumbCell cell);
    void StepBy(qint64 delta);
    void ValueChanged();
    // In twips.
    double ArrowHeight() const { return arrows_.CellHeight(); }
    double ThumbTop() const;
    double FreeTrack() const;

    PictureClipBox arrows_{4};
    PictureClipBox thumb_{2};
    QPixmap track_;
    QPixmap trackScaled_;
    QPixmap upPicture_;
    QPixmap downPicture_;
    QPixmap thumbPicture_;
    ArrowCell upCell_ = ArrowCell::Up;
    ArrowCell downCell_ = ArrowCell::Down;
    ThumbCell thumbCell_ = ThumbCell::Normal;

    ScrollRange range_;
    AutoRepeat repeat_;
    Part pressed_ = Part::None;
    double dragOffset_ = 0; // twips from the thumb's top where it was pressed
};

} // namespace lexarion
