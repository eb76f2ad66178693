// Renders the list box, the scroll bar, the menus, the slider and the up-down spinner in each
// skin that comes with the program, in their telling states, and checks that each picture
// shows the skin's colours. With LEXARION_GRAB_FOLDER set the pictures are saved there.

#include "skin/listboxxp.h"
#include "skin/skincolor.h"
#include "skin/sliderxp.h"
#include "skin/tablepagexp.h"
#include "skin/updownxp.h"
#include "skin/vscrollbarxp.h"
#include "skin/xpmenu.h"

#include <QAction>
#include <QMenu>
#include <QTest>

using namespace lexarion;

class ControlsRenderTest : public QObject {
    Q_OBJECT
private slots:
    void renderInEachSkin_data();
    void renderInEachSkin();
    void openMenu();
};

void ControlsRenderTest::renderInEachSkin_data() {
    QTest::addColumn<QString>("skin");
    QTest::addRow("WindowsXP") << QStringLiteral("WindowsXP");
    QTest::addRow("Jade") << QStringLiteral("Jade");
}

void ControlsRenderTest::renderInEachSkin() {
    QFETCH(QString, skin);
    const QString folder = QStringLiteral(LEXARION_SKIN_SOURCE_DIR "/") + skin + u'/';
    QWidget form;
    form.setFont(QFont(QStringLiteral("WenQuanYi Micro Hei"), 9));
    form.resize(420, 260);
    auto* list = new ListBoxXP(&form);
    list->setGeometry(10, 10, 220, 240);
    auto* slider = new SliderXP(&form);
    slider->setGeometry(250, 20, 150, 30);
    auto* upDown = new UpDownXP(&form);
    upDown->setGeometry(250, 70, 15, 22);
    QList<TablePageXP*> pages;
    for (int i = 0; i < 2; ++i) {
        auto* page = new TablePageXP(&form);
        page->setGeometry(250, 110, 160, 140);
        page->SetPanelIndex(qint16(i));
        page->SetCaption(i == 0 ? QStringLiteral("常规") : QStringLiteral("计划"));
        pages.append(page);
    }
    auto* onPage = new UpDownXP(pages[1]);
    onPage->setGeometry(20, 40, 15, 22);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (auto* control :
         std::initializer_list<SkinnedControl*>{list, slider, upDown, pages[0], pages[1], onPage})
        control->LoadSkin(folder);
    pages[1]->SetValue(true);

    for (int i = 0; i < 500; ++i)
        list->AddListItem(QStringLiteral("第 %1 个单词 word%1").arg(i));
    list->RefreshListBox();
    list->SetListIndex(240);
    list->setFocus();
    slider->SetMax(100);
    slider->SetValue(35);
    const QImage image = form.grab().toImage();
    const QString grabs = qEnvironmentVariable("LEXARION_GRAB_FOLDER");
    if (!grabs.isEmpty())
        image.save(grabs + QStringLiteral("/controls-%1.png").arg(skin));

    QCOMPARE(list->TopIndex(), 240);
    const QPoint selected = list->mapTo(&form, list->RowRect(0).center());
    QCOMPARE(image.pixelColor(selected), ColorFromNumber(list->SkinColors().SelectedItemBackColor));
    // The focused list's outline.
    QCOMPARE(image.pixelColor(list->mapTo(&form, QPoint(0, list->height() / 2))),
             ColorFromNumber(list->SkinColors().FocusBorderColor));
    // The thumb has moved down the scroll bar.
    QVERIFY(list->ScrollBar()->ThumbRect().top() > list->ScrollBar()->UpArrowRect().bottom() + 10);
}

void ControlsRenderTest::openMenu() {
    QWidget form;
    form.setFont(QFont(QStringLiteral("WenQuanYi Micro Hei"), 9));
    auto* menu = new QMenu(&form);
    menu->addAction(QStringLiteral("显示单词窗口(&W)\tCtrl+W"));
    QAction* loop = menu->addAction(QStringLiteral("循环播放(&P)"));
    loop->setCheckable(true);
    loop->setChecked(true);
    menu->addAction(QString());
    menu->addAction(QStringLiteral("单词查询(&L)"))->setEnabled(false);
    QMenu* sub = menu->addMenu(QStringLiteral("播放顺序(&O)"));
    sub->addAction(QStringLiteral("顺序"));
    menu->addAction(QStringLiteral("退出(&X)"));
    QVERIFY(InstallXPMenu(&form));
    form.show();
    menu->popup(QPoint(0, 0));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::mouseMove(menu, menu->actionGeometry(loop).center());
    QTRY_COMPARE(menu->activeAction(), loop);
    const QString grabs = qEnvironmentVariable("LEXARION_GRAB_FOLDER");
    if (!grabs.isEmpty())
        menu->grab().save(grabs + QStringLiteral("/menu-open.png"));
    QCOMPARE(
        menu->grab().toImage().pixelColor(menu->actionGeometry(loop).topLeft() + QPoint(30, 2)),
        ColorFromNumber(MenuHighlightColor));
    menu->hide();
    UninstallXPMenu(&form);
}

QTEST_MAIN(ControlsRenderTest)
#include "controlsrender_test.moc"
