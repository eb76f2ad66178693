#pragma once

// The system-wide hot keys of the desktop: key grabs on the X server's root window through xcb.

#include "platform/hotkeys.h"

#include <memory>

namespace lexarion {

// The hot keys of the X server the application is connected to, or, when the application does
// not run on X11, the refusing kind. Needs the QGuiApplication to exist.
std::unique_ptr<HotKeys> CreateSystemHotKeys(HotKeys::Delivery delivery);

} // namespace lexarion
