#include "platform/windowmoveloop.h"

#include <QWidget>
#include <QWindow>

namespace lexarion {

namespace {

QWindow* NativeWindow(QWidget* window) {
    if (window == nullptr)
        return nullptr;
    return window->window()->windowHandle();
}

} // namespace

bool StartSystemMove(QWidget* window) {
    QWindow* native = NativeWindow(window);
    return native != nullptr && native->startSystemMove();
}

bool StartSystemResize(QWidget* window, Qt::Edges edges) {
    QWindow* native = NativeWindow(window);
    return native != nullptr && native->startSystemResize(edges);
}

} // namespace lexarion
