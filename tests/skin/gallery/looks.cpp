#include "gallery/looks.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QMouseEvent>

namespace lexarion::gallery {

namespace {

class LookHolder : public QWidget {
public:
    LookHolder(QWidget* specimen, std::function<void()> putInLook)
        : putInLook_(std::move(putInLook)) {
        specimen->setParent(this);
        specimen->move(0, 0);
        setFixedSize(specimen->size());
    }

protected:
    void showEvent(QShowEvent*) override {
        if (putInLook_)
            std::exchange(putInLook_, nullptr)();
    }

private:
    std::function<void()> putInLook_;
};

void SendMouse(QWidget* target, QEvent::Type type, QPointF at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, at, target->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

QWidget* HoldInLook(QWidget* specimen, std::function<void()> putInLook) {
    return new LookHolder(specimen, std::move(putInLook));
}

void SendEnter(QWidget* target, QPointF at) {
    QEnterEvent enter(at, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &enter);
}

void SendMove(QWidget* target, QPointF at) {
    SendMouse(target, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
}

void SendPress(QWidget* target, QPointF at) {
    SendMouse(target, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
}

void SendFocusIn(QWidget* target, Qt::FocusReason reason) {
    QFocusEvent focus(QEvent::FocusIn, reason);
    QApplication::sendEvent(target, &focus);
}

QString NormalCaption() {
    return QString::fromUtf8("正常");
}

QString OverCaption() {
    return QString::fromUtf8("悬停");
}

QString PressedCaption() {
    return QString::fromUtf8("按下");
}

QString FocusedCaption() {
    return QString::fromUtf8("焦点");
}

QString DisabledCaption() {
    return QString::fromUtf8("禁用");
}

} // namespace lexarion::gallery
