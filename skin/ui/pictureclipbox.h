#pragma once

// A picture cut into a grid of equal cells: the store from which a skinned control takes the
// one cell that shows its current state. Cells are addressed by (row, column), both from 1,
// row 1 at the top and column 1 at the left. Every skin strip has one row and a fixed number of
// columns, set when the owning control is made and never changed by loading a skin.

#include <QPixmap>
#include <QSize>

namespace lexarion {

class PictureClipBox {
public:
    explicit PictureClipBox(int cols = 1, int rows = 1);

    // The whole picture, possibly empty. Setting one keeps Cols and Rows and recomputes the
    // cell size, so a bitmap drawn wider than before gives wider cells.
    const QPixmap& Picture() const { return picture_; }
    void SetPicture(const QPixmap& picture);

    // At least 1; a value below 1 (or beyond a 16-bit count) is ignored and changes nothing.
    int Cols() const { return cols_; }
    void SetCols(int cols);
    int Rows() const { return rows_; }
    void SetRows(int rows);

    // The picture's width (height) divided by Cols (Rows), in twips; 0 without a picture.
    float CellWidth() const { return cellWidth_; }
    float CellHeight() const { return cellHeight_; }
    // One cell's size in whole pixels.
    QSize CellSize() const;

    // A new picture holding exactly cell (row, col), copied without scaling; an empty picture
    // when the strip has no picture, the cell size is not positive, or the cell is outside the
    // grid.
    QPixmap GraphicCell(int row, int col) const;

private:
    void UpdateCellSize();

    QPixmap picture_;
    int cols_ = 1;
    int rows_ = 1;
    float cellWidth_ = 0;
    float cellHeight_ = 0;
};

} // namespace lexarion
