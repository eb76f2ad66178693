#include "platform/applicationfontregistrar.h"

#include <QFontDatabase>

namespace lexarion {

bool ApplicationFontRegistrar::Register(const QString& path) {
    return QFontDatabase::addApplicationFont(path) >= 0;
}

} // namespace lexarion
