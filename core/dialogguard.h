#pragma once

// The one way the program marks its own modal windows and message boxes: `dialogShowing` is set
// while a guard lives and put back to what it was before when the guard goes, also on an early
// return, so the background timers and the commands that would open a second such window stay
// quiet exactly as long as one is open.

#include "core/appstate.h"

namespace lexarion {

class DialogGuard {
public:
    explicit DialogGuard(AppState& app) : app_(app), earlier_(app.dialogShowing) {
        app_.dialogShowing = true;
    }
    ~DialogGuard() { app_.dialogShowing = earlier_; }
    DialogGuard(const DialogGuard&) = delete;
    DialogGuard& operator=(const DialogGuard&) = delete;

private:
    AppState& app_;
    bool earlier_;
};

// Runs `open` under a guard unless a program window already holds the screen; false when it did
// nothing. A modal window keeps the flag set while it is open, a modeless one only while it
// opens.
template <typename Open> bool RunGuarded(AppState& app, Open&& open) {
    if (app.dialogShowing)
        return false;
    DialogGuard guard(app);
    open();
    return true;
}

} // namespace lexarion
