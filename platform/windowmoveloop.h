#pragma once

// The window manager's own move and size loops, started from a mouse press on a window that
// draws its frame itself. Each returns false where the window manager offers no such loop (the
// caller then follows the mouse itself).

#include <Qt>

class QWidget;

namespace lexarion {

bool StartSystemMove(QWidget* window);
bool StartSystemResize(QWidget* window, Qt::Edges edges);

} // namespace lexarion
