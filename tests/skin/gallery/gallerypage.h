#pragma once

// One page of the skin gallery: a skinned window showing every skinned control in the states it
// can take, side by side, for one skin. Each control family adds its rows through a section
// function (gallerysections.h); the page applies the skin to everything once the sections are
// built and can write a picture of itself.

#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class QGridLayout;
class QVBoxLayout;

namespace lexarion {
class FormXP;
}

namespace lexarion::gallery {

// A control shown in the gallery with the caption under it ("正常", "按下"...).
struct Specimen {
    QWidget* widget;
    QString caption;
};

class GalleryPage {
public:
    // A page for the skin in `skinFolder` (a skin folder path ending with "/").
    GalleryPage(const QString& skinName, const QString& skinFolder);
    ~GalleryPage();

    const QString& SkinFolder() const { return skinFolder_; }
    // The parent for new specimens.
    QWidget* Canvas() const { return canvas_; }

    // A heading for a control family.
    void AddHeading(const QString& text);
    // One row: a caption at the left, the specimens side by side.
    void AddRow(const QString& caption, const QList<Specimen>& specimens);
    // Runs after the skin has been applied to the page (for states a skin would reset).
    void AfterSkin(std::function<void()> step) { afterSkin_.append(std::move(step)); }

    // Applies the skin, lays the page out and shows it.
    void Finish();
    QWidget* Window() const { return form_.get(); }
    // The page as seen on screen, the window region's cut corners transparent.
    QImage Picture() const;

private:
    QString skinFolder_;
    std::unique_ptr<QWidget> form_;
    FormXP* frame_ = nullptr;
    QWidget* canvas_ = nullptr;
    QGridLayout* grid_ = nullptr;
    int row_ = 0;
    QList<std::function<void()>> afterSkin_;
};

} // namespace lexarion::gallery
