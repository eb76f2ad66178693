// The skin gallery: every skinned control in every state, on one skinned window per skin.
//
//     lexarion_skin_gallery [--skins <folder>] [--out <folder>]
//
// With --out, writes gallery-<skin>.png for each skin found below the skins folder and exits;
// without it, shows the pages.

#include "gallery/gallerypage.h"
#include "gallery/gallerysections.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>
#include <memory>
#include <vector>

using namespace lexarion::gallery;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({"skins", "The folder holding the skin folders.", "folder",
                      QStringLiteral(LEXARION_GALLERY_SKINS)});
    parser.addOption({"out", "Write a PNG of each page into this folder.", "folder"});
    parser.process(app);

    const QDir skins(parser.value("skins"));
    const QStringList names = skins.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    if (names.isEmpty()) {
        std::fprintf(stderr, "no skins below %s\n", qPrintable(skins.path()));
        return 1;
    }
    std::vector<std::unique_ptr<GalleryPage>> pages;
    int offset = 0;
    for (const QString& name : names) {
        auto page = std::make_unique<GalleryPage>(name, skins.filePath(name) + "/");
        for (const GallerySection& section : GallerySections())
            section.add(*page);
        page->Finish();
        page->Window()->move(20 + offset, 20 + offset);
        offset += 40;
        pages.push_back(std::move(page));
    }
    if (!parser.isSet("out"))
        return app.exec();

    QDir out(parser.value("out"));
    out.mkpath(".");
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const QString file = out.filePath(QString("gallery-%1.png").arg(names[int(i)]));
        if (!pages[i]->Picture().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
