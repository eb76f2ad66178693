#pragma once

// Windows colour numbers (red + 256 * green + 65536 * blue), as the skins store them, and the
// Qt colours the controls paint with. Inline, so that Hueforge's swatches convert the same way
// without linking the skinned controls.

#include "skin/skinparameters.h"

#include <QColor>

namespace lexarion {

inline QColor ColorFromNumber(qint32 color) {
    const qint32 clamped = ClampColor(color);
    return QColor(clamped & 0xFF, (clamped >> 8) & 0xFF, (clamped >> 16) & 0xFF);
}

inline qint32 NumberFromColor(const QColor& color) {
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

} // namespace lexarion
