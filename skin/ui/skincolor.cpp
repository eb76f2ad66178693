#include "skin/ui/skincolor.h"

#include "skin/skinparameters.h"

namespace lexarion {

QColor ColorFromNumber(qint32 color) {
    const qint32 clamped = ClampColor(color);
    return QColor(clamped & 0xFF, (clamped >> 8) & 0xFF, (clamped >> 16) & 0xFF);
}

qint32 NumberFromColor(const QColor& color) {
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

} // namespace lexarion
