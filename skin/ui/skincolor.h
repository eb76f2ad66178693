#pragma once

// Windows colour numbers (red + 256 * green + 65536 * blue), as the skins store them, and the
// Qt colours the controls paint with.

#include <QColor>

namespace lexarion {

QColor ColorFromNumber(qint32 color);
qint32 NumberFromColor(const QColor& color);

} // namespace lexarion
