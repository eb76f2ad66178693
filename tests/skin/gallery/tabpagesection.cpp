// The tab pages. The pages of a window form one group (selecting one deselects the others), so
// the page shows one group: the selected page with its panel, its controls and the focus on
// its face, a page with the pointer over its face, a page as it normally is, and a disabled
// page (which looks as it normally does).

#include "gallery/gallerypage.h"
#include "gallery/gallerysections.h"
#include "gallery/looks.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/checkboxxp.h"
#include "skin/ui/picturebox.h"
#include "skin/ui/sliderxp.h"
#include "skin/ui/tablepagexp.h"

#include <QLabel>

namespace lexarion::gallery {

void AddTabPageSection(GalleryPage& page) {
    page.AddHeading(QString::fromUtf8("选项卡页"));
    auto* dialog = new QWidget(page.Canvas());
    dialog->resize(330, 150);
    const QStringList captions{QString::fromUtf8("常规"), QString::fromUtf8("计划"),
                               QString::fromUtf8("朗读"), QString::fromUtf8("高级")};
    QList<TablePageXP*> pages;
    for (int i = 0; i < captions.size(); ++i) {
        auto* tab = new TablePageXP(dialog);
        tab->setGeometry(0, 0, 330, 150);
        tab->SetPanelIndex(qint16(i));
        tab->SetCaption(captions[i]);
        pages.append(tab);
    }
    auto* speak = new CheckBoxXP(pages[0]);
    speak->setGeometry(16, 34, 140, 20);
    speak->SetCaption(QString::fromUtf8("自动朗读新单词"));
    speak->SetValue(true);
    auto* speedCaption = new QLabel(QString::fromUtf8("播放速度"), pages[0]);
    speedCaption->setGeometry(16, 66, 70, 20);
    auto* speed = new SliderXP(pages[0]);
    speed->setGeometry(84, 62, 150, 28);
    speed->SetMax(10);
    auto* apply = new ButtonXP(pages[0]);
    apply->move(16, 104);
    apply->SetCaption(QString::fromUtf8("应用"));
    // On a page that is not selected: hidden with its page.
    auto* hidden = new ButtonXP(pages[2]);
    hidden->move(16, 34);
    hidden->SetCaption(QString::fromUtf8("试听"));
    pages[0]->SetValue(true);
    pages[3]->SetEnabled(false);

    QWidget* holder = HoldInLook(dialog, [pages, speed] {
        speed->SetValue(6);
        SendFocusIn(pages[0]->Face());
        PictureBox* face = pages[1]->Face();
        SendMove(face, face->rect().center());
    });
    page.AddRow(
        QStringLiteral("TablePageXP"),
        {{holder, QString::fromUtf8("常规：已选、焦点　计划：悬停　朗读：正常　高级：禁用")}});
}

} // namespace lexarion::gallery
