#include "gallery/gallerysections.h"

namespace lexarion::gallery {

QList<GallerySection> GallerySections() {
    return {
        {QString::fromUtf8("窗口框架"), AddFrameSection},
        {QString::fromUtf8("按钮、文本框"), AddControlsSection},
        {QString::fromUtf8("选项卡页"), AddTabPageSection},
        {QString::fromUtf8("列表框、滚动条"), AddListSection},
        {QString::fromUtf8("滑块、微调按钮"), AddValueSection},
        {QString::fromUtf8("菜单"), AddMenuSection},
    };
}

} // namespace lexarion::gallery
