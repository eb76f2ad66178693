#include "skineditor/ui/colorswatch.h"

#include "skin/ui/skincolor.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace lexarion {

ColorSwatch::ColorSwatch(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void ColorSwatch::SetColor(qint32 color) {
    if (color == color_)
        return;
    color_ = color;
    update();
}

QSize ColorSwatch::sizeHint() const {
    return {72, 22};
}

void ColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect face = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(face, ColorFromNumber(color_));
    // A sunken double edge, so that white and the window's grey still read as a swatch.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(face);
    painter.setPen(palette().color(isDown() ? QPalette::Shadow : QPalette::Light));
    painter.drawRect(face.adjusted(1, 1, -1, -1));
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = face.adjusted(3, 3, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace lexarion
