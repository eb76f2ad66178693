#include "skin/ui/updownxp.h"

#include "skin/scrollrange.h"
#include "skin/twips.h"
#include "skin/ui/formcontrols.h"
#include "skin/ui/skinpicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace lexarion {

namespace {

const QString ArrowFile = QStringLiteral("UpDown.bmp");

} // namespace

UpDownXP::UpDownXP(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    arrows_.SetPicture(BuiltInPicture(ArrowFile));
    connect(&repeat_, &AutoRepeat::Step, this,
            [this](int direction) { SetValue(qint64(value_) + direction); });
    Layout();
}

void UpDownXP::SetValue(qint64 value) {
    const qint32 clamped = ClampToRange(value, min_, max_);
    if (clamped == value_)
        return;
    value_ = clamped;
    emit Change();
}

void UpDownXP::LoadSkin(const QString& folderPath) {
    LoadSkinPicture(arrows_, folderPath + ArrowFile);
    Layout();
}

void UpDownXP::Layout() {
    SetWidgetBackColor(this, ContainerBackColor(this));
    const int width = arrows_.CellSize().width();
    if (width > 0 && this->width() != width)
        resize(width, height());
    ShowCells(ArrowCell::Up, ArrowCell::Down);
}

QRect UpDownXP::UpArrowRect() const {
    return TwipsToPixels(0, 0, arrows_.CellWidth(), arrows_.CellHeight());
}

QRect UpDownXP::DownArrowRect() const {
    const double top = PixelsToTwips(height()) - arrows_.CellHeight();
    return TwipsToPixels(0, top, arrows_.CellWidth(), arrows_.CellHeight());
}

void UpDownXP::ShowCells(ArrowCell up, ArrowCell down) {
    upCell_ = up;
    downCell_ = down;
    upPicture_ = arrows_.GraphicCell(1, int(up));
    downPicture_ = arrows_.GraphicCell(1, int(down));
    update();
}

void UpDownXP::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(UpArrowRect().topLeft(), upPicture_);
    painter.drawPixmap(DownArrowRect().topLeft(), downPicture_);
}

void UpDownXP::resizeEvent(QResizeEvent*) {
    Layout();
}

void UpDownXP::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (UpArrowRect().contains(point)) {
        ShowCells(ArrowCell::UpPressed, downCell_);
        SetValue(qint64(value_) + 1);
        repeat_.Start(+1);
    } else if (DownArrowRect().contains(point)) {
        ShowCells(upCell_, ArrowCell::DownPressed);
        SetValue(qint64(value_) - 1);
        repeat_.Start(-1);
    }
}

void UpDownXP::mouseReleaseEvent(QMouseEvent*) {
    repeat_.Stop();
    ShowCells(ArrowCell::Up, ArrowCell::Down);
}

} // namespace lexarion
