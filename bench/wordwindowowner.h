#pragma once

// The word window's owner for the benchmarks: the play item and nothing else.

#include "memorize/ui/rememberform.h"

namespace lexarion::bench {

struct WordWindowOwner : RememberFormOwner {
    bool checked = false;
    void RememberFormCheckMainMenu() override {}
    bool IsPlayChecked() const override { return checked; }
    void SetPlayChecked(bool on) override { checked = on; }
    void ShowMemorizationMenu(QPoint) override {}
    void ResetSpeakingStarted() override {}
};

} // namespace lexarion::bench
