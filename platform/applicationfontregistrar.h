#pragma once

// Registering fonts with the application's font database (QFontDatabase).

#include "platform/fontinstall.h"

namespace lexarion {

// Registration with the application's font database (QFontDatabase).
class ApplicationFontRegistrar : public FontRegistrar {
public:
    bool Register(const QString& path) override;
};

} // namespace lexarion
