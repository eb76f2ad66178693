// The shell's windows in their skinned frames: each one frameless with its title drawn by the
// frame, hooked from its load to its unload, activation reaching the frame, the skin of the
// user; the console taking a new skin at once; the tray menus drawn as flat menus and drawn
// anew after each refresh.

#include "app/ui/aboutform.h"
#include "app/ui/controlform.h"
#include "app/ui/iconform.h"
#include "app/ui/loginform.h"
#include "app/ui/tipondayform.h"
#include "core/appstate.h"
#include "platform/trayicon.h"
#include "skin/twips.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/formxp.h"
#include "skin/ui/skinnedwindow.h"
#include "skin/ui/textboxxp.h"
#include "skin/ui/windowhooks.h"
#include "skin/ui/xpmenu.h"
#include "support/savegrab.h"
#include "support/userfixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QtTest>
#include <functional>
#include <memory>

using namespace lexarion;
using lexarion::testing::SaveGrab;
using lexarion::testing::UserFixture;
using P = FramePiece;

namespace {

void UseSkin(const UserFixture& f, const char* skin) {
    f.folder.Write("users/Alice/config.ini", QByteArray("[General]\r\nSkinFolder=") + skin +
                                                 "\r\n[TipOnDaySetting]\r\nShowOnStart=0\r\n");
}

SkinnedWindow* SkinOf(QWidget* form) {
    return form->findChild<SkinnedWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

QString TitleText(const FormXP* frame) {
    return static_cast<QLabel*>(frame->Piece(P::Title))->text();
}

// One window of the shell, made as the shell makes it.
using MakeWindow = std::function<QWidget*(AppState&, WindowHooks*)>;

MakeWindow MakeLogin() {
    return [](AppState& app, WindowHooks* hooks) { return new LoginForm(app, hooks); };
}
MakeWindow MakeConsole() {
    return [](AppState& app, WindowHooks* hooks) {
        auto* console = new ControlForm(
            app, hooks, [](Command) {}, [] { return false; });
        console->setAttribute(Qt::WA_DeleteOnClose);
        return console;
    };
}
MakeWindow MakeTip() {
    return [](AppState& app, WindowHooks* hooks) { return new TipOnDayForm(app, hooks); };
}
MakeWindow MakeAbout() {
    return [](AppState& app, WindowHooks* hooks) { return new AboutForm(app, hooks); };
}

// Alice with the installation's skins, using "WindowsXP".
struct SkinnedUser : UserFixture {
    SkinnedUser() {
        folder.CopySkins(QStringLiteral(LEXARION_SKIN_SOURCE_DIR));
        UseSkin(*this, "WindowsXP");
    }
};

// Her console, shown.
struct ConsoleFixture : SkinnedUser {
    ConsoleFixture() { console.show(); }
    WindowHooks hooks;
    ControlForm console{app, &hooks, [](Command) {}, [] { return false; }};
};

// The item of the owner window's menus called `name`.
QAction* ItemOf(const IconForm& icon, const char* name) {
    return icon.Item(QString::fromLatin1(name));
}

} // namespace

Q_DECLARE_METATYPE(MakeWindow)

class ShellWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void eachWindowIsFramedAndHookedFromLoadToUnload_data();
    void eachWindowIsFramedAndHookedFromLoadToUnload();
    void theLoginWindowIsMadeOfSkinnedControls();
    void loggingInUnhooksTheLoginWindow();
    void theConsoleFrameShowsItsTitleRoundThePicture();
    void activationReachesTheConsoleFrame();
    void aNewSkinChangesTheConsoleFrameAtOnce();
    void aConsolePictureOfTheWrongSizeIsNotUsed();
    void theButtonFramesFollowTheRoundedCorners();
    void theTrayMenusAreFlatMenusDrawnAnewAfterEachRefresh();
    void closingTheOwnerWindowRemovesTheFlatMenus();
};

void ShellWindowsTest::eachWindowIsFramedAndHookedFromLoadToUnload_data() {
    QTest::addColumn<MakeWindow>("make");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("minButton");
    QTest::newRow("login") << MakeLogin() << QStringLiteral("Lexarion用户登陆") << true;
    QTest::newRow("console") << MakeConsole() << QStringLiteral("Lexarion - [Alice]") << true;
    QTest::newRow("tip") << MakeTip() << QStringLiteral("Lexarion - [每日英语]") << false;
    QTest::newRow("about") << MakeAbout() << QStringLiteral("关于本软件") << false;
}

void ShellWindowsTest::eachWindowIsFramedAndHookedFromLoadToUnload() {
    QFETCH(MakeWindow, make);
    QFETCH(QString, title);
    QFETCH(bool, minButton);
    UserFixture f;
    WindowHooks hooks;
    QPointer<QWidget> form = make(f.app, &hooks);

    QCOMPARE(hooks.HookedWindows(), QList<QWidget*>{form.data()});
    QVERIFY(form->isWindow());
    QVERIFY(form->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form->windowTitle(), title);
    auto* frame = form->findChild<FormXP*>(QStringLiteral("FormXP1"));
    QVERIFY(frame);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QCOMPARE(TitleText(frame), title);
    QVERIFY(frame->Piece(P::Title)->isVisible());
    QCOMPARE(frame->geometry(), form->rect());
    // No window grows or is maximized; only those that can go to the task bar or the tray
    // have a minimize button.
    QVERIFY(!frame->MaxButton());
    QVERIFY(!frame->Resizeable());
    QCOMPARE(frame->MinButton(), minButton);
    QCOMPARE(form->minimumSize(), form->maximumSize());
    // The controls lie inside the frame, just below the title bar.
    QWidget* client = SkinOf(form)->Client();
    QCOMPARE(client->pos(),
             QPoint(TwipsToPixels(frame->ClientLeft()), TwipsToPixels(frame->ClientTop())));
    QCOMPARE(client->size(), TwipsSizeToPixels(frame->ClientWidth(), frame->ClientHeight()));
    SaveGrab(form,
             QStringLiteral("shell-%1.png").arg(QString::fromLatin1(QTest::currentDataTag())));

    // Closed by the frame's close button, the window is unloaded and unhooked.
    QWidget* close = frame->Piece(P::CloseButton);
    QTest::mousePress(close, Qt::LeftButton, {}, close->rect().center());
    QTest::mouseRelease(close, Qt::LeftButton, {}, close->rect().center());
    QTRY_VERIFY(form.isNull());
    QVERIFY(hooks.HookedWindows().isEmpty());
}

void ShellWindowsTest::theLoginWindowIsMadeOfSkinnedControls() {
    UserFixture f;
    WindowHooks hooks;
    LoginForm login(f.app, &hooks);
    login.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(login.UserTextBox()->objectName(), QStringLiteral("UserTextBox"));
    QCOMPARE(login.LoginButton()->Caption(), QStringLiteral("进入"));
    QCOMPARE(login.QuitButton()->Caption(), QStringLiteral("退出"));
    // Each control sits inside the frame's client area.
    const FormXP* frame = login.Skin().Frame();
    const QRect client(
        QPoint(TwipsToPixels(frame->ClientLeft()), TwipsToPixels(frame->ClientTop())),
        TwipsSizeToPixels(frame->ClientWidth(), frame->ClientHeight()));
    for (QWidget* control :
         QList<QWidget*>{login.UserTextBox(), login.LoginButton(), login.QuitButton()}) {
        const QRect onForm(control->mapTo(&login, QPoint(0, 0)), control->size());
        QVERIFY2(client.contains(onForm), qPrintable(control->objectName()));
    }
}

void ShellWindowsTest::loggingInUnhooksTheLoginWindow() {
    UserFixture f;
    WindowHooks hooks;
    QPointer<LoginForm> login = new LoginForm(f.app, &hooks);
    login->show();
    QVERIFY(QTest::qWaitForWindowExposed(login));
    bool unhookedAtHandOver = false;
    connect(login, &LoginForm::LoggedIn, this,
            [&] { unhookedAtHandOver = !hooks.IsHooked(login) && login->isHidden(); });
    login->UserTextBox()->SetText(QStringLiteral("Bob"));
    QTest::mouseClick(login->LoginButton(), Qt::LeftButton);
    QVERIFY(unhookedAtHandOver);
    QTRY_VERIFY(login.isNull());
    QVERIFY(hooks.HookedWindows().isEmpty());
}

void ShellWindowsTest::theConsoleFrameShowsItsTitleRoundThePicture() {
    ConsoleFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.console));
    ControlForm& console = f.console;
    const FormXP* frame = console.Skin().Frame();
    QCOMPARE(TitleText(frame), QStringLiteral("Lexarion - [Alice]"));
    QVERIFY(frame->Piece(P::Title)->isVisible());
    QCOMPARE(frame->TitleAlignmentCode(), 0);
    // The picture at the frame's client origin; the window as wide as the picture with the
    // same border left and right, and 60 twips below the picture.
    QWidget* back = console.BackImage();
    QCOMPARE(back->size(), QSize(550, 410));
    QCOMPARE(back->pos(),
             QPoint(TwipsToPixels(frame->ClientLeft()), TwipsToPixels(frame->ClientTop())));
    QCOMPARE(console.size(),
             QSize(2 * back->x() + back->width(), back->y() + back->height() + TwipsToPixels(60)));
    // The minimize button works; the maximize button is there, greyed.
    QVERIFY(frame->Piece(P::MinButton)->isVisible() && frame->Piece(P::MinButton)->isEnabled());
    QVERIFY(frame->Piece(P::MaxButton)->isVisible() && !frame->Piece(P::MaxButton)->isEnabled());
}

void ShellWindowsTest::activationReachesTheConsoleFrame() {
    ConsoleFixture f;
    ControlForm& console = f.console;
    console.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&console));
    const FormXP* frame = console.Skin().Frame();
    QTRY_VERIFY(frame->IsActive());

    QWidget other;
    other.setGeometry(700, 500, 100, 100);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTRY_VERIFY(!frame->IsActive());
    QCOMPARE(frame->PieceCell(P::Top), 2);

    console.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&console));
    QTRY_VERIFY(frame->IsActive());
    QCOMPARE(frame->PieceCell(P::Top), 1);
}

void ShellWindowsTest::aNewSkinChangesTheConsoleFrameAtOnce() {
    ConsoleFixture f;
    ControlForm& console = f.console;
    QVERIFY(QTest::qWaitForWindowExposed(&console));
    const FormXP* frame = console.Skin().Frame();
    const QImage xpTop = frame->Piece(P::Top)->grab().toImage();
    const QSize xpSize = console.size();
    QCOMPARE(frame->RoundRng(), 16);
    SaveGrab(&console, QStringLiteral("shell-console-WindowsXP.png"));

    UseSkin(f, "Jade");
    console.Skin().ApplyUserSkin(f.app);
    QCOMPARE(frame->TitleAlignmentCode(), 2);
    QCOMPARE(frame->RoundRng(), 0);
    QVERIFY(!frame->TitleFont().bold());
    QVERIFY(frame->Piece(P::Top)->grab().toImage() != xpTop);
    // Centred now, the title text stays whole inside the title bar.
    auto* title = static_cast<QLabel*>(frame->Piece(P::Title));
    QVERIFY(std::abs(title->geometry().center().x() - console.width() / 2) <= 2);
    QVERIFY(title->width() >= QFontMetrics(title->font()).horizontalAdvance(title->text()));
    QVERIFY(title->geometry().bottom() < TwipsToPixels(frame->ClientTop()));
    QCOMPARE(console.size(), xpSize);
    QCOMPARE(console.BackImage()->pos(),
             QPoint(TwipsToPixels(frame->ClientLeft()), TwipsToPixels(frame->ClientTop())));
    // Jade brings console pictures of its own; a picture of the wrong size is not used.
    const QImage jadeBack(f.folder.File("Skins/Jade/Control_Back.bmp"));
    QVERIFY(!jadeBack.isNull());
    const QImage shown = console.BackImage()->grab().toImage();
    QCOMPARE(shown.pixelColor(10, 10), jadeBack.pixelColor(10, 10));
    QCOMPARE(shown.pixelColor(300, 395), jadeBack.pixelColor(300, 395));
    SaveGrab(&console, QStringLiteral("shell-console-Jade.png"));
}

void ShellWindowsTest::aConsolePictureOfTheWrongSizeIsNotUsed() {
    ConsoleFixture f;
    QImage small(20, 20, QImage::Format_RGB32);
    small.fill(Qt::red);
    QVERIFY(small.save(f.folder.File("Skins/Jade/Control_Button3.bmp")));
    UseSkin(f, "Jade");
    f.console.Skin().ApplyUserSkin(f.app);
    const QImage button = f.console.ButtonImage(3)->grab().toImage();
    QVERIFY(button.pixelColor(5, 5) != QColor(Qt::red));
    const QImage jadeButton(f.folder.File("Skins/Jade/Control_Button2.bmp"));
    QCOMPARE(f.console.ButtonImage(2)->grab().toImage().pixelColor(80, 20),
             jadeButton.pixelColor(80, 20));
}

void ShellWindowsTest::theButtonFramesFollowTheRoundedCorners() {
    ConsoleFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.console));
    QWidget* button = f.console.ButtonImage(1);
    const QImage normal = button->grab().toImage();
    // Tab highlights button 1 as the mouse would.
    QTest::keyClick(f.console.BackImage(), Qt::Key_Tab);
    const QImage hover = button->grab().toImage();
    QVERIFY(hover.pixelColor(80, 0) != normal.pixelColor(80, 0)); // the frame is drawn
    QCOMPARE(hover.pixelColor(0, 0), normal.pixelColor(0, 0));    // but not in the corners
    QCOMPARE(hover.pixelColor(159, 39), normal.pixelColor(159, 39));
    QTest::keyPress(f.console.BackImage(), Qt::Key_Space);
    const QImage pressed = button->grab().toImage();
    QVERIFY(pressed.pixelColor(80, 1) != normal.pixelColor(80, 1));
    QCOMPARE(pressed.pixelColor(0, 0), normal.pixelColor(0, 0));
    QCOMPARE(pressed.pixelColor(0, 39), normal.pixelColor(0, 39));
}

void ShellWindowsTest::theTrayMenusAreFlatMenusDrawnAnewAfterEachRefresh() {
    UserFixture f;
    IconForm icon(
        f.app, nullptr, nullptr, [](Command) {}, [] { return true; });
    QVERIFY(IsXPMenuInstalled(&icon));
    const auto registered = [&](QAction* item) {
        return RegisteredMenuItems().Find(MenuIdOf(item), quintptr(&icon)).has_value();
    };
    for (const char* name : {"ControlMenu", "ExitMenu", "RememberFormReadLoadSubMenu0",
                             "RememberFormDirectionSubMenu2"})
        QVERIFY2(registered(ItemOf(icon, name)), name);

    // The tray menu: the console can be seen, so its item is greyed, drawn in grey text.
    icon.RefreshMainMenu();
    QVERIFY(IsXPMenuInstalled(&icon));
    QVERIFY(!ItemOf(icon, "ControlMenu")->isEnabled());
    QMenu* tray = icon.MainMenu();
    tray->popup(QPoint(40, 40));
    QVERIFY(QTest::qWaitForWindowExposed(tray));
    const QImage trayImage = tray->grab().toImage();
    SaveGrab(tray, QStringLiteral("shell-tray-menu.png"));
    const QRect console = tray->actionGeometry(ItemOf(icon, "ControlMenu"));
    QCOMPARE(trayImage.pixelColor(console.left() + 10, console.center().y()),
             QColor(224, 224, 224));
    QCOMPARE(trayImage.pixelColor(console.left() + 22, console.top() + 1), QColor(247, 247, 247));
    tray->hide();

    // A progress slot with a longer file name: after the refresh the slot item is measured
    // and drawn with its new caption.
    QMenu* slotMenu = ItemOf(icon, "RememberFormReadLoadMenu")->menu();
    icon.RememberFormCheckMainMenu();
    QCOMPARE(ItemOf(icon, "RememberFormReadLoadSubMenu0")->text(), QStringLiteral("cet-4.wsl[1]"));
    const int narrow = slotMenu->sizeHint().width();
    f.folder.Write("users/Alice/config.ini",
                   "[RememberSetting]\r\nSaveDictionaryFile0=a-much-longer-list-name.wsl\r\n"
                   "SaveLoad0=120\r\n");
    icon.RememberFormCheckMainMenu();
    QVERIFY(IsXPMenuInstalled(&icon));
    QAction* slot = ItemOf(icon, "RememberFormReadLoadSubMenu0");
    QCOMPARE(slot->text(), QStringLiteral("a-much-longer-list-name.wsl[120]"));
    QVERIFY(registered(slot));
    QVERIFY(slotMenu->sizeHint().width() > narrow);
    QMenu* remember = icon.RememberFormMainMenu();
    remember->popup(QPoint(40, 40));
    QVERIFY(QTest::qWaitForWindowExposed(remember));
    SaveGrab(remember, QStringLiteral("shell-remember-menu.png"));
    remember->hide();
}

void ShellWindowsTest::closingTheOwnerWindowRemovesTheFlatMenus() {
    UserFixture f;
    IconForm icon(
        f.app, nullptr, nullptr, [](Command) {}, [] { return false; });
    QAction* exit = ItemOf(icon, "ExitMenu");
    icon.CloseForm();
    QVERIFY(!IsXPMenuInstalled(&icon));
    QVERIFY(!RegisteredMenuItems().Find(MenuIdOf(exit), quintptr(&icon)).has_value());
}

QTEST_MAIN(ShellWindowsTest)
#include "shellwindows_test.moc"
