#include "gallery/gallerypage.h"

#include "skin/twips.h"
#include "skin/ui/applyskin.h"
#include "skin/ui/formxp.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace lexarion::gallery {

namespace {

// The program's icon stands in as a small painted book.
QIcon BookIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(30, 60, 120));
    painter.setBrush(QColor(250, 200, 60));
    painter.drawRoundedRect(QRectF(2.5, 1.5, 11, 13), 1.5, 1.5);
    painter.setPen(QPen(QColor(30, 60, 120), 1.5));
    painter.drawLine(QPointF(5.5, 5), QPointF(10.5, 5));
    painter.drawLine(QPointF(5.5, 8), QPointF(10.5, 8));
    return QIcon(pixmap);
}

} // namespace

GalleryPage::GalleryPage(const QString& skinName, const QString& skinFolder)
    : skinFolder_(skinFolder), form_(std::make_unique<QWidget>()) {
    form_->setWindowTitle(QString::fromUtf8("皮肤控件一览 — %1").arg(skinName));
    form_->setWindowIcon(BookIcon());
    frame_ = new FormXP(form_.get());
    canvas_ = new QWidget(form_.get());
    grid_ = new QGridLayout(canvas_);
    grid_->setContentsMargins(12, 10, 12, 12);
    grid_->setHorizontalSpacing(16);
    grid_->setVerticalSpacing(8);
}

GalleryPage::~GalleryPage() = default;

void GalleryPage::AddHeading(const QString& text) {
    auto* heading = new QLabel(text, canvas_);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    heading->setFont(font);
    grid_->addWidget(heading, row_++, 0, 1, 2);
}

void GalleryPage::AddRow(const QString& caption, const QList<Specimen>& specimens) {
    grid_->addWidget(new QLabel(caption, canvas_), row_, 0, Qt::AlignLeft | Qt::AlignVCenter);
    auto* strip = new QWidget(canvas_);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(14);
    for (const Specimen& specimen : specimens) {
        auto* cell = new QVBoxLayout;
        cell->setSpacing(3);
        specimen.widget->setParent(strip);
        cell->addWidget(specimen.widget, 0, Qt::AlignHCenter | Qt::AlignBottom);
        auto* label = new QLabel(specimen.caption, strip);
        label->setAlignment(Qt::AlignHCenter);
        cell->addWidget(label, 0, Qt::AlignHCenter);
        row->addLayout(cell);
    }
    row->addStretch(1);
    grid_->addWidget(strip, row_++, 1);
}

void GalleryPage::Finish() {
    grid_->setRowStretch(row_, 1);
    grid_->setColumnStretch(1, 1);
    ApplySkinFolder(form_.get(), skinFolder_);
    for (const auto& step : afterSkin_)
        step();

    // The window is as large as its content inside the frame.
    const QSize content = canvas_->sizeHint();
    const int left = TwipsToPixels(frame_->ClientLeft());
    const int top = TwipsToPixels(frame_->ClientTop());
    const int sides = TwipsToPixels(PixelsToTwips(form_->width()) - frame_->ClientWidth());
    const int bottom = TwipsToPixels(PixelsToTwips(form_->height()) - frame_->ClientHeight()) - top;
    form_->resize(content.width() + sides, content.height() + top + bottom);
    canvas_->setGeometry(left, top, content.width(), content.height());
    form_->show();
}

QImage GalleryPage::Picture() const {
    QImage image = form_->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QRegion mask = form_->mask();
    if (!mask.isEmpty()) {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.setClipRegion(QRegion(image.rect()).subtracted(mask));
        painter.fillRect(image.rect(), Qt::transparent);
    }
    return image;
}

} // namespace lexarion::gallery
