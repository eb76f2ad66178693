#include "app/ui/welcomeform.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QScreen>

namespace lexarion {

WelcomeForm::WelcomeForm(const QString& picturePath, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::SplashScreen), picture_(picturePath) {
    setObjectName(QStringLiteral("WelcomeForm"));
    setWindowTitle(QStringLiteral("Lexarion"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QSize size = picture_.isNull() ? QSize(289, 289) : picture_.size();
    setFixedSize(size);
    setMask(QRegion(0, 0, size.width(), size.height(), QRegion::Ellipse));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    timer1_.setInterval(2000);
    timer1_.setSingleShot(true);
    connect(&timer1_, &QTimer::timeout, this, &WelcomeForm::TimeUp);
}

void WelcomeForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!timer1_.isActive())
        timer1_.start();
}

void WelcomeForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (picture_.isNull())
        p.fillRect(rect(), QColor(0x1f, 0x5f, 0xc8));
    else
        p.drawPixmap(0, 0, picture_);
}

} // namespace lexarion
