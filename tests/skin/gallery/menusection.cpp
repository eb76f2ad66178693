// The flat menus, which look the same in every skin: a small window with a menu bar (a grip
// and three menus), and its "播放" menu opened, with a TAB accelerator, a checked item, a
// separator, a disabled item, a sub-menu and the pointer over the first item. An opened menu
// is a window of its own, so it is shown as the picture taken of it while it was open.

#include "gallery/gallerypage.h"
#include "gallery/gallerysections.h"
#include "skin/ui/xpmenu.h"

#include <QAction>
#include <QDebug>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace lexarion::gallery {

namespace {

QPixmap OpenedMenuPicture(QMenu* menu, QAction* underPointer) {
    menu->popup(QPoint(0, 0));
    menu->setActiveAction(underPointer);
    const QPixmap picture = menu->grab();
    menu->hide();
    return picture;
}

} // namespace

void AddMenuSection(GalleryPage& page) {
    page.AddHeading(QString::fromUtf8("菜单"));
    auto* form = new QWidget(page.Canvas());
    form->setFixedSize(260, 20);
    auto* bar = new QMenuBar(form);
    bar->addAction(QStringLiteral("="));
    auto* play = new QMenu(QString::fromUtf8("播放(&P)"), form);
    QAction* show = play->addAction(QString::fromUtf8("显示单词窗口(&W)\tCtrl+W"));
    QAction* loop = play->addAction(QString::fromUtf8("循环播放(&L)"));
    loop->setCheckable(true);
    loop->setChecked(true);
    play->addAction(QString());
    play->addAction(QString::fromUtf8("单词查询(&Q)\tF3"))->setEnabled(false);
    QMenu* order = play->addMenu(QString::fromUtf8("播放顺序(&O)"));
    order->addAction(QString::fromUtf8("顺序"));
    order->addAction(QString::fromUtf8("随机"));
    play->addAction(QString());
    play->addAction(QString::fromUtf8("退出(&X)"));
    bar->addMenu(new QMenu(QString::fromUtf8("文件(&F)"), form));
    bar->addMenu(play);
    bar->addMenu(new QMenu(QString::fromUtf8("帮助(&H)"), form));
    bar->setGeometry(form->rect());
    InstallXPMenu(form);

    auto* opened = new QLabel(page.Canvas());
    opened->setPixmap(OpenedMenuPicture(play, show));
    opened->setFixedSize(opened->pixmap().size());
    page.AddRow(QStringLiteral("XPMenu"), {{form, QString::fromUtf8("菜单栏（左端为拖动条）")},
                                           {opened, QString::fromUtf8("打开的“播放”菜单")}});
}

} // namespace lexarion::gallery
