#pragma once

// The picture area of a skinned control: shows one picture (usually a cell of a strip) at its
// natural size or stretched to the area, and optionally the dotted focus rectangle. The scaled
// picture is cached, so painting only draws it; a control changes the picture when its state
// changes, not on every paint.

#include <QPixmap>
#include <QRect>
#include <QWidget>
#include <optional>

namespace lexarion {

class PictureClipBox;

// Draws the dotted rectangle that marks the keyboard focus, with one-pixel dots, inside `rect`.
void DrawFocusRectangle(QPainter& painter, const QRect& rect);

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Shows `picture`; Cell() reads 0 afterwards.
    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }
    // Shows cell (1, `cell`) of `strip` (nothing when the strip cannot give that cell) and
    // remembers the number.
    void ShowCell(const PictureClipBox& strip, int cell);
    // The strip cell shown last, 0 when the picture was set directly.
    int Cell() const { return cell_; }

    // Stretched: the picture fills the whole area; else it is drawn once at the top-left
    // corner at its natural size.
    void SetStretch(bool stretch);
    bool Stretch() const { return stretch_; }

    // The focus rectangle in the area's pixel coordinates; nothing hides it.
    void SetFocusFrame(std::optional<QRect> frame);
    std::optional<QRect> FocusFrame() const { return focusFrame_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateScaled();

    QPixmap picture_;
    QPixmap scaled_;
    int cell_ = 0;
    bool stretch_ = false;
    std::optional<QRect> focusFrame_;
};

} // namespace lexarion
