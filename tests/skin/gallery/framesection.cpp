// The window frame: small skinned windows in the active and inactive look, with the title
// button rules, and the cells of every title button strip.

#include "gallery/gallerypage.h"
#include "gallery/gallerysections.h"
#include "skin/ui/formxp.h"
#include "skin/ui/picturebox.h"
#include "skin/ui/pictureclipbox.h"
#include "skin/ui/skinpicture.h"

namespace lexarion::gallery {

namespace {

QWidget* SmallWindow(GalleryPage& page, const QString& title, bool maxButton, bool minButton) {
    auto* form = new QWidget(page.Canvas());
    form->setWindowTitle(title);
    form->setWindowIcon(page.Window()->windowIcon());
    form->setFixedSize(280, 96);
    auto* frame = new FormXP(form);
    frame->SetMaxButton(maxButton);
    frame->SetMinButton(minButton);
    return form;
}

FormXP* FrameOf(QWidget* form) {
    return form->findChild<FormXP*>(QString(), Qt::FindDirectChildrenOnly);
}

// The cells of one strip of the skin, each in a picture area of its own.
QList<Specimen> StripCells(GalleryPage& page, const QString& file, int cells,
                           const QStringList& captions) {
    PictureClipBox strip(cells);
    strip.SetPicture(BuiltInPicture(file));
    LoadSkinPicture(strip, page.SkinFolder() + file);
    QList<Specimen> specimens;
    for (int cell = 1; cell <= cells; ++cell) {
        auto* picture = new PictureBox(page.Canvas());
        picture->ShowCell(strip, cell);
        picture->setFixedSize(strip.CellSize());
        specimens.append({picture, captions.value(cell - 1)});
    }
    return specimens;
}

} // namespace

void AddFrameSection(GalleryPage& page) {
    page.AddHeading(QString::fromUtf8("窗口框架"));

    QWidget* active = SmallWindow(page, QString::fromUtf8("活动窗口"), true, true);
    QWidget* inactive = SmallWindow(page, QString::fromUtf8("非活动窗口"), true, true);
    QWidget* noMax = SmallWindow(page, QString::fromUtf8("不可最大化"), false, true);
    QWidget* closeOnly = SmallWindow(page, QString::fromUtf8("仅关闭"), false, false);
    page.AddRow(QString::fromUtf8("窗口"),
                {{active, QString::fromUtf8("活动")}, {inactive, QString::fromUtf8("非活动")}});
    page.AddRow(QString::fromUtf8("标题按钮规则"),
                {{noMax, QString::fromUtf8("MaxButton 关")},
                 {closeOnly, QString::fromUtf8("MaxButton、MinButton 关")}});
    page.AfterSkin([inactive] { FrameOf(inactive)->DrawActivateForm(false); });

    const QStringList states{QString::fromUtf8("正常"), QString::fromUtf8("按下"),
                             QString::fromUtf8("悬停"), QString::fromUtf8("非活动"),
                             QString::fromUtf8("禁用")};
    page.AddRow(QString::fromUtf8("关闭按钮"), StripCells(page, "Form_Close.bmp", 5, states));
    page.AddRow(QString::fromUtf8("最大化按钮"), StripCells(page, "Form_Max.bmp", 5, states));
    page.AddRow(QString::fromUtf8("还原按钮"), StripCells(page, "Form_Normal.bmp", 5, states));
    page.AddRow(QString::fromUtf8("最小化按钮"), StripCells(page, "Form_Min.bmp", 5, states));
}

} // namespace lexarion::gallery
