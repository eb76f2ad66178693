#include "skin/ui/pictureclipbox.h"

#include "skin/twips.h"

#include <cmath>
#include <limits>

namespace lexarion {

namespace {

bool IsCellCount(int count) {
    return count >= 1 && count <= std::numeric_limits<qint16>::max();
}

// The pixel edges of cell `index` (from 0) of `count` cells across `length` pixels, so that the
// cells of a picture whose size is not a multiple of the count still tile it.
std::pair<int, int> CellSpan(int length, int count, int index) {
    const double size = static_cast<double>(length) / count;
    const int start = static_cast<int>(std::lround(index * size));
    const int end = static_cast<int>(std::lround((index + 1) * size));
    return {start, end - start};
}

} // namespace

PictureClipBox::PictureClipBox(int cols, int rows) {
    SetCols(cols);
    SetRows(rows);
}

void PictureClipBox::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    UpdateCellSize();
}

void PictureClipBox::SetCols(int cols) {
    if (!IsCellCount(cols))
        return;
    cols_ = cols;
    UpdateCellSize();
}

void PictureClipBox::SetRows(int rows) {
    if (!IsCellCount(rows))
        return;
    rows_ = rows;
    UpdateCellSize();
}

QSize PictureClipBox::CellSize() const {
    if (picture_.isNull())
        return QSize(0, 0);
    return QSize(CellSpan(picture_.width(), cols_, 0).second,
                 CellSpan(picture_.height(), rows_, 0).second);
}

QPixmap PictureClipBox::GraphicCell(int row, int col) const {
    if (cellWidth_ <= 0 || cellHeight_ <= 0)
        return QPixmap();
    if (col < 1 || col > cols_ || row < 1 || row > rows_ || picture_.isNull())
        return QPixmap();
    const auto [x, width] = CellSpan(picture_.width(), cols_, col - 1);
    const auto [y, height] = CellSpan(picture_.height(), rows_, row - 1);
    if (width <= 0 || height <= 0)
        return QPixmap();
    return picture_.copy(x, y, width, height);
}

void PictureClipBox::UpdateCellSize() {
    if (picture_.isNull()) {
        cellWidth_ = 0;
        cellHeight_ = 0;
        return;
    }
    cellWidth_ = static_cast<float>(PixelsToTwips(picture_.width())) / cols_;
    cellHeight_ = static_cast<float>(PixelsToTwips(picture_.height())) / rows_;
}

} // namespace lexarion
