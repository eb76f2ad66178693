#include "app/ui/texteffectform.h"

#include "app/texteffectformlogic.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPointer>
#include <QThread>
#include <QTimer>

namespace lexarion {

TextEffectForm::TextEffectForm(QWidget* owner) : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("TextEffectForm"));
    setWindowTitle(QStringLiteral("Cool Text"));
    setFixedSize(420, 120);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    activated_ = false;
    // Opened from the console, it comes up in the middle of it.
    if (owner != nullptr)
        move(owner->window()->geometry().center() - rect().center());
}

bool TextEffectForm::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate && !activated_) {
        activated_ = true;
        // The frames are drawn just after the activation has been delivered, not inside it:
        // the delivery walks a list of the program's windows, which a window released while
        // the animation runs (the console at the end of the program) would leave dangling.
        if (running_)
            running_ = false;
        else
            QTimer::singleShot(0, this, &TextEffectForm::Animate);
    }
    return handled;
}

void TextEffectForm::closeEvent(QCloseEvent* event) {
    running_ = false;
    QWidget::closeEvent(event);
    if (animating_)
        releaseWhenDone_ = true;
    else
        deleteLater();
}

void TextEffectForm::Animate() {
    if (!isVisible())
        return; // closed before it began
    canvas_ = QPixmap(size());
    canvas_.fill(Qt::white);
    update();
    // Deleting the window from inside the frame loop (other than by closing it, which waits
    // for the loop) would pull it away from its own activation.
    QPointer<TextEffectForm> self(this);
    animating_ = true;
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
    if (!self)
        return;
    running_ = false;
    animating_ = false;
    if (releaseWhenDone_)
        deleteLater(); // released once the activation has returned
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
