#pragma once

// A look at a Windows bitmap file's headers, before it is decoded: the decoder takes a file cut
// short (an interrupted copy or download) and fills the missing rows with whatever was in memory.

#include <QByteArrayView>

namespace lexarion {

// True when `bytes` start like a bitmap file ("BM") but end before the pixel rows its headers
// declare, or inside the headers themselves. Compressed bitmaps, whose size the headers do not
// fix, and every other kind of file count as whole.
bool IsBitmapCutShort(QByteArrayView bytes);

} // namespace lexarion
