#pragma once

// The notifications of the tray icon, numbered like the mouse messages they stand for.

namespace lexarion {

inline constexpr int TrayLeftDoubleClick = 515; // a double click
inline constexpr int TrayRightButtonUp = 517;   // a context request (right button)

} // namespace lexarion
