#pragma once

// Opening an address or a file with the desktop's default handler.

#include <QString>

namespace lexarion {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // An address with a scheme ("https://...", "file:///..."); false when no handler took it.
    virtual bool Open(const QString& address) = 0;
};

} // namespace lexarion
