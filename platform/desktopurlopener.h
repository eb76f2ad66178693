#pragma once

// Opening addresses with the desktop's handlers (QDesktopServices).

#include "platform/urlopener.h"

namespace lexarion {

// The desktop's handlers (QDesktopServices).
class DesktopUrlOpener : public UrlOpener {
public:
    bool Open(const QString& address) override;
};

} // namespace lexarion
