#pragma once

// The program's message boxes as real windows.

#include "core/appstate.h"

namespace lexarion {

class QtMessagePresenter : public MessagePresenter {
public:
    void ShowMessage(const QString& text, const QString& title, MessageIcon icon) override;
};

} // namespace lexarion
