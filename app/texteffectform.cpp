#include "app/texteffectform.h"

#include "app/texteffect.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPointer>
#include <QThread>

namespace lexarion {

TextEffectForm::TextEffectForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TextEffectForm"));
    setWindowTitle(QStringLiteral("Cool Text"));
    setFixedSize(420, 120);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    activated_ = false;
    // Opened from the console, it comes up in the middle of it.
    if (parent != nullptr)
        move(parent->window()->geometry().center() - rect().center());
}

bool TextEffectForm::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate && !activated_) {
        activated_ = true;
        if (running_)
            running_ = false;
        else
            Animate();
    }
    return handled;
}

void TextEffectForm::closeEvent(QCloseEvent* event) {
    running_ = false;
    QWidget::closeEvent(event);
}

void TextEffectForm::Animate() {
    canvas_ = QPixmap(size());
    canvas_.fill(Qt::white);
    update();
    // The window may be closed and released from inside the frame loop.
    QPointer<TextEffectForm> self(this);
    running_ = true;
    QFont font(QStringLiteral("宋体"));
    font.setBold(true);
    for (const CreditLine& line : CreditLines()) {
        if (!self || !running_)
            break;
        font.setPointSize(line.fontSize);
        font.setBold(line.bold);
        AnimateText(line, font);
    }
    if (self)
        running_ = false;
}

void TextEffectForm::AnimateText(const CreditLine& line, const QFont& lineFont) {
    QPointer<TextEffectForm> self(this);
    const QColor color = line.color == WindowTextColor
                             ? palette().color(QPalette::WindowText)
                             : QColor(int(line.color & 0xff), int((line.color >> 8) & 0xff),
                                      int((line.color >> 16) & 0xff));
    QRect previous(line.left, line.top, 0, 0);
    TextSpacingAnimation animation(line.startSpacing, line.finalSpacing);
    int spacing = 0;
    while (self && running_ && animation.NextFrame(spacing)) {
        QElapsedTimer clock;
        clock.start();
        QFont font = lineFont;
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        {
            QPainter p(&canvas_);
            p.fillRect(previous, Qt::white);
            p.setFont(font);
            p.setPen(color);
            QRect r =
                p.boundingRect(QRect(line.left, line.top, 0, 0), Qt::TextSingleLine, line.text);
            r.setRight(std::min(r.right() + 4, width() - 1));
            p.setClipRect(r);
            p.drawText(r, Qt::TextSingleLine, line.text);
            previous = r;
        }
        drawn_.append(spacing);
        emit FrameDrawn(spacing);
        update();
        do {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (!self)
                return;
            if (clock.elapsed() < 19)
                QThread::msleep(1);
        } while (clock.elapsed() < 20);
    }
}

void TextEffectForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!canvas_.isNull())
        p.drawPixmap(0, 0, canvas_);
}

} // namespace lexarion
