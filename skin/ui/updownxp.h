#pragma once

// The skinned up-down spinner: two arrow buttons stepping an integer value by 1, with
// auto-repeat while held. Change is raised only when the value really changes.

#include "skin/autorepeat.h"
#include "skin/skinnedcontrol.h"
#include "skin/ui/pictureclipbox.h"

#include <QPixmap>
#include <QWidget>

namespace lexarion {

class UpDownXP : public QWidget, public SkinnedControl {
    Q_OBJECT
public:
    // The cells of "UpDown.bmp".
    enum class ArrowCell { Up = 1, UpPressed = 2, Down = 3, DownPressed = 4 };

    explicit UpDownXP(QWidget* parent = nullptr);

    qint32 Max() const { return max_; }
    qint32 Min() const { return min_; }
    qint32 Value() const { return value_; }
    void SetMax(qint32 max) { max_ = max; }
    void SetMin(qint32 min) { min_ = min; }
    // Clamped into Min to Max; Change when the result differs.
    void SetValue(qint64 value);
    // A disabled spinner ignores the mouse; its look stays.
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }

    void LoadSkin(const QString& folderPath) override;
    bool TabStopFollowsPage() const override { return true; }

    QRect UpArrowRect() const;
    QRect DownArrowRect() const;
    ArrowCell UpCell() const { return upCell_; }
    ArrowCell DownCell() const { return downCell_; }
    const AutoRepeat& Repeat() const { return repeat_; }

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Layout();
    void ShowCells(ArrowCell up, ArrowCell down);

    PictureClipBox arrows_{4};
    QPixmap upPicture_;
    QPixmap downPicture_;
    ArrowCell upCell_ = ArrowCell::Up;
    ArrowCell downCell_ = ArrowCell::Down;
    AutoRepeat repeat_;
    qint32 max_ = 10;
    qint32 min_ = 0;
    qint32 value_ = 0;
};

} // namespace lexarion
