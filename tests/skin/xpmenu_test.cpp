#include "skin/ui/skincolor.h"
#include "skin/ui/xpmenu.h"
#include "support/savegrab.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using namespace lexarion;
using lexarion::testing::SaveGrab;

namespace {

// A window with a menu bar ("文件", a grip) and a pop-up menu of its own, like the tray menu.
struct MenuWindow {
    MenuWindow() {
        form.setFont(QFont(QStringLiteral("WenQuanYi Micro Hei"), 9));
        form.resize(300, 200);
        bar = new QMenuBar(&form);
        QMenu* file = bar->addMenu(QStringLiteral("文件(&F)"));
        file->addAction(QStringLiteral("打开"));
        grip = bar->addAction(QStringLiteral("="));
        popup = new QMenu(&form);
        play = popup->addAction(QStringLiteral("开始播放(&S)\tCtrl+P"));
        loop = popup->addAction(QStringLiteral("循环播放(&P)"));
        loop->setCheckable(true);
        loop->setChecked(true);
        separator = popup->addAction(QString());
        disabled = popup->addAction(QStringLiteral("单词查询(&L)"));
        disabled->setEnabled(false);
        quit = popup->addAction(QStringLiteral("退出(&X)"));
    }

    QWidget form;
    QMenuBar* bar;
    QMenu* popup;
    QAction* grip;
    QAction* play;
    QAction* loop;
    QAction* separator;
    QAction* disabled;
    QAction* quit;
};

int TextWidth(const QWidget& form, const QString& text) {
    return QFontMetrics(form.font()).horizontalAdvance(text);
}

} // namespace

class XPMenuTest : public QObject {
    Q_OBJECT
private slots:
    void installTwiceIsRefused();
    void itemsAreMeasuredByTheirCaption();
    void itemsAreDrawnInTheFixedColours();
    void reinstallingTakesNewCaptions();
    void itemsWorkWithKeysAndEitherButton_data();
    void itemsWorkWithKeysAndEitherButton();
    void uninstallGivesTheMenusBack();
};

void XPMenuTest::installTwiceIsRefused() {
    MenuWindow window;
    const int slotsBefore = RegisteredMenuItems().SlotCount();
    QVERIFY(InstallXPMenu(&window.form));
    QVERIFY(IsXPMenuInstalled(&window.form));
    // 2 menu-bar items, 1 item below "文件", 5 pop-up items.
    const quintptr owner = reinterpret_cast<quintptr>(&window.form);
    QCOMPARE(RegisteredMenuItems().EntryCount(owner), 8);
    QVERIFY(!InstallXPMenu(&window.form));
    QCOMPARE(RegisteredMenuItems().SlotCount(), slotsBefore + 8);
    QVERIFY(window.separator->isSeparator());
    QCOMPARE(RegisteredMenuItems().Find(MenuIdOf(window.grip), owner)->Depth, 0);
    QCOMPARE(RegisteredMenuItems().Find(MenuIdOf(window.play), owner)->Depth, 1);
    UninstallXPMenu(&window.form);
    QVERIFY(!IsXPMenuInstalled(&window.form));
    QCOMPARE(RegisteredMenuItems().EntryCount(owner), 0);
    QVERIFY(InstallXPMenu(&window.form));
    // Slots are not reused: every installation appends.
    QCOMPARE(RegisteredMenuItems().SlotCount(), slotsBefore + 16);
    UninstallXPMenu(&window.form);
}

void XPMenuTest::itemsAreMeasuredByTheirCaption() {
    MenuWindow window;
    QVERIFY(InstallXPMenu(&window.form));
    window.form.show();
    window.popup->popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(window.popup));
    QCOMPARE(window.popup->actionGeometry(window.play).height(), 20);
    QCOMPARE(window.popup->actionGeometry(window.separator).height(), 6);
    QCOMPARE(window.popup->actionGeometry(window.quit).height(), 20);
    // The menu is as wide as its widest item: caption + two blanks for the TAB + 26.
    const int widest = TextWidth(window.form, window.play->text() + QStringLiteral("  ")) + 26;
    QCOMPARE(window.popup->actionGeometry(window.play).width(), widest);
    // Menu-bar items: text + 2; the grip wide enough to show its lines.
    QCOMPARE(window.bar->actionGeometry(window.grip).width(), MenuBarGripWidth);
    QCOMPARE(window.bar->actionGeometry(window.bar->actions().first()).width(),
             TextWidth(window.form, QStringLiteral("文件(&F)")) + 2);
    QCOMPARE(window.bar->actionGeometry(window.grip).height(), 20);
    window.popup->hide();
    UninstallXPMenu(&window.form);
}

void XPMenuTest::itemsAreDrawnInTheFixedColours() {
    MenuWindow window;
    QVERIFY(InstallXPMenu(&window.form));
    window.form.show();
    window.popup->popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(window.popup));
    QTest::mouseMove(window.popup, window.popup->actionGeometry(window.quit).center());
    QTRY_COMPARE(window.popup->activeAction(), window.quit);
    const QImage image = window.popup->grab().toImage();
    SaveGrab(window.popup, QStringLiteral("menu-popup.png"));

    const QRect play = window.popup->actionGeometry(window.play);
    QCOMPARE(image.pixelColor(play.left() + 2, play.top() + 1), ColorFromNumber(MenuStripColor));
    QCOMPARE(image.pixelColor(play.right() - 2, play.top() + 1), ColorFromNumber(MenuBackColor));
    const QRect quit = window.popup->actionGeometry(window.quit);
    QCOMPARE(image.pixelColor(quit.left() + 10, quit.top() + 1),
             ColorFromNumber(MenuHighlightColor));
    QCOMPARE(image.pixelColor(quit.topLeft()), QColor(Qt::black));
    const QRect separator = window.popup->actionGeometry(window.separator);
    const int middle = separator.top() + 3;
    QCOMPARE(image.pixelColor(separator.left() + 30, middle), ColorFromNumber(MenuLineColor));
    QCOMPARE(image.pixelColor(separator.left() + 22, middle), ColorFromNumber(MenuBackColor));
    // The check mark's first polyline runs through (L + 8, B - 6).
    const QRect loop = window.popup->actionGeometry(window.loop);
    QCOMPARE(image.pixelColor(loop.left() + 8, loop.top() + loop.height() - 6),
             ColorFromNumber(MenuCheckColor));
    // Disabled text is grey: its darkest pixel is the disabled colour.
    const QRect disabled = window.popup->actionGeometry(window.disabled);
    int darkest = 255;
    for (int x = disabled.left() + 24; x < disabled.right(); ++x) {
        for (int y = disabled.top() + 2; y < disabled.bottom() - 1; ++y)
            darkest = qMin(darkest, image.pixelColor(x, y).red());
    }
    QCOMPARE(darkest, 160);
    // The accelerator ends 4 pixels inside the right edge.
    int rightmost = -1;
    for (int x = play.right(); x > play.center().x() && rightmost < 0; --x) {
        for (int y = play.top() + 2; y < play.bottom() - 1; ++y) {
            if (image.pixelColor(x, y).lightness() < 100) {
                rightmost = x;
                break;
            }
        }
    }
    QVERIFY2(rightmost <= play.right() - 4 && rightmost >= play.right() - 8,
             qPrintable(QString::number(play.right() - rightmost)));
    window.popup->hide();
    UninstallXPMenu(&window.form);
}

void XPMenuTest::reinstallingTakesNewCaptions() {
    MenuWindow window;
    QVERIFY(InstallXPMenu(&window.form));
    window.quit->setText(QStringLiteral("退出程序并保存全部设置然后关闭所有窗口(&X)"));
    UninstallXPMenu(&window.form);
    QVERIFY(InstallXPMenu(&window.form));
    window.form.show();
    window.popup->popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(window.popup));
    QCOMPARE(window.popup->actionGeometry(window.quit).width(),
             TextWidth(window.form, window.quit->text()) + 26);
    SaveGrab(window.popup, QStringLiteral("menu-recaptioned.png"));
    window.popup->hide();
    UninstallXPMenu(&window.form);
}

void XPMenuTest::itemsWorkWithKeysAndEitherButton_data() {
    QTest::addColumn<int>("way");
    QTest::addRow("left button") << 0;
    QTest::addRow("right button") << 1;
    QTest::addRow("keyboard") << 2;
}

void XPMenuTest::itemsWorkWithKeysAndEitherButton() {
    QFETCH(int, way);
    MenuWindow window;
    QVERIFY(InstallXPMenu(&window.form));
    window.form.show();
    QSignalSpy triggered(window.quit, &QAction::triggered);
    window.popup->popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(window.popup));
    const QPoint at = window.popup->actionGeometry(window.quit).center();
    if (way == 2) {
        QTest::keyClick(window.popup, Qt::Key_Up); // from the top it wraps to the last item
        QTRY_COMPARE(window.popup->activeAction(), window.quit);
        QTest::keyClick(window.popup, Qt::Key_Return);
    } else {
        const Qt::MouseButton button = way == 0 ? Qt::LeftButton : Qt::RightButton;
        QTest::mouseMove(window.popup, at);
        QTest::mousePress(window.popup, button, {}, at);
        QTest::mouseRelease(window.popup, button, {}, at);
    }
    QTRY_COMPARE(triggered.count(), 1);
    UninstallXPMenu(&window.form);
}

void XPMenuTest::uninstallGivesTheMenusBack() {
    MenuWindow window;
    QStyle* before = window.popup->style();
    QVERIFY(InstallXPMenu(&window.form));
    QVERIFY(window.popup->style() != before);
    UninstallXPMenu(&window.form);
    QCOMPARE(window.popup->style(), before);
}

QTEST_MAIN(XPMenuTest)
#include "xpmenu_test.moc"
