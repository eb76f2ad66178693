#pragma once

// The control families of the skin gallery. Each family has one function that places its
// controls, in every state, on a gallery page; adding a family is one function and one line in
// GallerySections().

#include <QList>
#include <QString>

namespace lexarion::gallery {

class GalleryPage;

struct GallerySection {
    QString heading;
    void (*add)(GalleryPage& page);
};

QList<GallerySection> GallerySections();

// The families.
void AddFrameSection(GalleryPage& page);
void AddControlsSection(GalleryPage& page);
void AddTabPageSection(GalleryPage& page);
void AddListSection(GalleryPage& page);
void AddValueSection(GalleryPage& page);
void AddMenuSection(GalleryPage& page);

} // namespace lexarion::gallery
