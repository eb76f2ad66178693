#pragma once

// System-wide hot keys: a key combination registered for a window reaches that window whichever
// program has the keyboard focus. Combinations are given as the program stores them: a Windows
// virtual-key code and the modifier mask of platform/virtualkey.h (1 Shift, 2 Ctrl, 4 Alt).
// A registration the system refuses (another program holds the combination, the key does not
// exist here, or the platform has no system-wide keys at all) fails quietly with false.

#include <QObject>
#include <functional>

namespace lexarion {

class HotKeys {
public:
    // Called on the user-interface thread with the window and the id of a pressed hot key.
    using Delivery = std::function<void(QObject* window, int id)>;

    virtual ~HotKeys() = default;
    // Registers the combination as hot key `id` of `window`; false when it is refused. Each
    // (window, id) pair is registered at most once at a time.
    virtual bool RegisterHotKey(QObject* window, int id, int modifierMask, int virtualKey) = 0;
    // Releases hot key `id` of `window`; false when it was not registered.
    virtual bool UnregisterHotKey(QObject* window, int id) = 0;
};

// Hot keys on a platform that has none: every registration is refused.
class RefusingHotKeys : public HotKeys {
public:
    bool RegisterHotKey(QObject*, int, int, int) override { return false; }
    bool UnregisterHotKey(QObject*, int) override { return false; }
};

} // namespace lexarion
