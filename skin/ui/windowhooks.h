#pragma once

// Hooking the skinned forms: each form is hooked when it loads and unhooked when it unloads.
// A hooked window's activation changes reach the first window frame on it (DrawActivateForm),
// and hot-key notifications delivered to it go to the hot-key handler instead of the window.

#include <QEvent>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace lexarion {

// A system-wide hot key pressed: sent to a hooked window, with the key's identifier (0 to 255).
class HotKeyEvent : public QEvent {
public:
    explicit HotKeyEvent(int id) : QEvent(EventType()), id_(id) {}
    static QEvent::Type EventType();
    int Id() const { return id_; }

private:
    int id_;
};

// Finds the first window frame among the controls of `window` and switches it to the active
// or inactive look; a window without a frame is left alone.
void NotifyFormActivation(QWidget* window, bool active);

// The hooked windows: at most one entry per window, in the order they were hooked. A window
// that is destroyed leaves the list.
class WindowHooks : public QObject {
    Q_OBJECT
public:
    // Hooks `window` unless it is hooked already; true when it was added.
    bool HookWindow(QWidget* window);
    // Unhooks `window`; a window never hooked is left alone.
    void UnhookWindow(QWidget* window);

    bool IsHooked(const QWidget* window) const;
    // The hooked windows, in the order they were hooked.
    QList<QWidget*> HookedWindows() const;

    // Called with the identifier of every hot key delivered to a hooked window.
    void SetHotKeyHandler(std::function<void(int id)> handler) {
        hotKeyHandler_ = std::move(handler);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    qsizetype IndexOf(const QWidget* window) const;

    QList<QPointer<QWidget>> hookedWindows_;
    std::function<void(int)> hotKeyHandler_;
};

} // namespace lexarion
