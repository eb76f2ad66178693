#include "skin/ui/windowhooks.h"

#include "skin/skinnedcontrol.h"
#include "skin/ui/formcontrols.h"

#include <QWidget>

namespace lexarion {

QEvent::Type HotKeyEvent::EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void NotifyFormActivation(QWidget* window, bool active) {
    if (window == nullptr)
        return;
    for (QWidget* control : FormControls(window)) {
        if (auto* frame = dynamic_cast<SkinnedFrame*>(control)) {
            frame->DrawActivateForm(active);
            return;
        }
    }
}

bool WindowHooks::HookWindow(QWidget* window) {
    if (window == nullptr || IndexOf(window) >= 0)
        return false;
    hookedWindows_.append(window);
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, [this](QObject* gone) {
        hookedWindows_.removeIf(
            [gone](const QPointer<QWidget>& w) { return w == gone || w.isNull(); });
    });
    return true;
}

void WindowHooks::UnhookWindow(QWidget* window) {
    const qsizetype index = IndexOf(window);
    if (index < 0)
        return;
    window->removeEventFilter(this);
    disconnect(window, &QObject::destroyed, this, nullptr);
    hookedWindows_.removeAt(index);
}

bool WindowHooks::IsHooked(const QWidget* window) const {
    return IndexOf(window) >= 0;
}

QList<QWidget*> WindowHooks::HookedWindows() const {
    QList<QWidget*> windows;
    for (const QPointer<QWidget>& window : hookedWindows_) {
        if (!window.isNull())
            windows.append(window.data());
    }
    return windows;
}

qsizetype WindowHooks::IndexOf(const QWidget* window) const {
    if (window == nullptr)
        return -1;
    for (qsizetype i = 0; i < hookedWindows_.size(); ++i) {
        if (hookedWindows_[i].data() == window)
            return i;
    }
    return -1;
}

bool WindowHooks::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QWidget*>(watched);
    if (window == nullptr)
        return false;
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate) {
        NotifyFormActivation(window, event->type() == QEvent::WindowActivate);
        return false;
    }
    if (event->type() == HotKeyEvent::EventType()) {
        if (hotKeyHandler_)
            hotKeyHandler_(static_cast<HotKeyEvent*>(event)->Id());
        return true;
    }
    return false;
}

} // namespace lexarion
