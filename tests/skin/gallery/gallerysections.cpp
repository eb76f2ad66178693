#include "gallery/gallerysections.h"

namespace lexarion::gallery {

QList<GallerySection> GallerySections() {
    return {
        {QString::fromUtf8("窗口框架"), AddFrameSection},
        {QString::fromUtf8("按钮、文本框"), AddControlsSection},
    };
}

} // namespace lexarion::gallery
