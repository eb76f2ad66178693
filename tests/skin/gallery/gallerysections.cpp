#include "gallery/gallerysections.h"

namespace lexarion::gallery {

QList<GallerySection> GallerySections() {
    return {
        {QString::fromUtf8("窗口框架"), AddFrameSection},
    };
}

} // namespace lexarion::gallery
