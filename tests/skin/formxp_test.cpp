// The window frame on a real window: cells shown under real mouse events, the title button
// rules, activation through the hooks, maximize and restore, moving and resizing, the window
// region, and skins that leave out pictures or hold values the frame cannot use.

#include "skin/ui/formxp.h"
#include "skin/ui/skinpicture.h"
#include "skin/ui/windowhooks.h"
#include "support/tempprogramfolder.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QtTest>
#include <memory>

using namespace lexarion;
using lexarion::testing::TempProgramFolder;
using P = FramePiece;
using C = TitleButtonCell;

namespace {

struct Window {
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    FormXP* frame = nullptr;

    explicit Window(QPoint pos = {60, 40}) {
        form->setWindowTitle(QString::fromUtf8("生词本 Lexarion"));
        form->setGeometry(QRect(pos, QSize(400, 300)));
        frame = new FormXP(form.get());
        frame->LoadSkin(BuiltInSkinFolder());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    QWidget* Piece(P piece) const { return frame->Piece(piece); }
    QPoint Centre(P piece) const { return Piece(piece)->rect().center(); }
    int Cell(P piece) const { return frame->PieceCell(piece); }
};

QByteArray BmpBytes(const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

} // namespace

class FormXPTest : public QObject {
    Q_OBJECT
private slots:
    void piecesAreWhereTheLayoutPutsThem();
    void titleButtonCellsFollowTheMouse_data();
    void titleButtonCellsFollowTheMouse();
    void pressingCloseAndReleasingOutsideKeepsTheWindow();
    void clickingCloseClosesTheWindow();
    void buttonVisibilityRules_data();
    void buttonVisibilityRules();
    void activationReachesTheFrameThroughTheHook();
    void hookListSemantics();
    void hotKeysGoToTheHandler();
    void maximizeAndRestore();
    void doubleClickOnTheTitle_data();
    void doubleClickOnTheTitle();
    void minimizeAndComeBack();
    void movingFromTheTitleBar();
    void resizingFromTheBorders_data();
    void resizingFromTheBorders();
    void roundedTopCorners_data();
    void roundedTopCorners();
    void skinWithOnlyAParameterFile();
    void valuesTheFrameCannotUseKeepThePreviousOnes();
    void aWiderSkinBitmapGivesWiderPieces();
    void mouseOnTheClientAreaInTwips();
};

void FormXPTest::piecesAreWhereTheLayoutPutsThem() {
    Window w;
    for (int i = 0; i < FramePieceCount; ++i) {
        const P piece = P(i);
        QRect expected = w.frame->PieceTwips(piece).ToPixels();
        expected.setWidth(std::max(0, expected.width()));
        QCOMPARE(w.Piece(piece)->geometry(), expected);
    }
    // 400 x 300 pixels with the default skin.
    QCOMPARE(w.Piece(P::CloseButton)->geometry(), QRect(372, 4, 21, 21));
    QCOMPARE(w.Piece(P::MaxButton)->geometry(), QRect(348, 4, 21, 21));
    QCOMPARE(w.Piece(P::MinButton)->geometry(), QRect(324, 4, 21, 21));
    QCOMPARE(w.Piece(P::Icon)->geometry(), QRect(7, 7, 16, 16));
    QCOMPARE(w.Piece(P::RightBottom)->geometry(), QRect(392, 292, 8, 8));
    QCOMPARE(w.frame->ClientLeft(), 60);
    QCOMPARE(w.frame->ClientTop(), 450);
    QCOMPARE(w.frame->ClientWidth(), 6000 - 120);
    QCOMPARE(w.frame->ClientHeight(), 4500 - 450 - 60);
    QCOMPARE(w.frame->geometry(), w.form->rect());
    // The frame lies beneath the form's other controls.
    auto* label = new QLabel("x", w.form.get());
    w.frame->DrawFormXP();
    QVERIFY(w.form->children().indexOf(w.frame) < w.form->children().indexOf(label));
    QCOMPARE(w.Piece(P::CloseButton)->toolTip(), QString::fromUtf8("关闭窗口"));
    QCOMPARE(w.Piece(P::MaxButton)->toolTip(), QString::fromUtf8("最大化窗口"));
    QCOMPARE(w.Piece(P::NormalButton)->toolTip(), QString::fromUtf8("还原窗口"));
    QCOMPARE(w.Piece(P::MinButton)->toolTip(), QString::fromUtf8("最小化窗口"));
}

void FormXPTest::titleButtonCellsFollowTheMouse_data() {
    QTest::addColumn<int>("button");
    QTest::addRow("close") << int(P::CloseButton);
    QTest::addRow("maximize") << int(P::MaxButton);
    QTest::addRow("minimize") << int(P::MinButton);
}

void FormXPTest::titleButtonCellsFollowTheMouse() {
    QFETCH(int, button);
    Window w;
    QWidget* b = w.Piece(P(button));
    QCOMPARE(w.Cell(P(button)), int(C::Normal));
    QTest::mouseMove(b, w.Centre(P(button)));
    QTRY_COMPARE(w.Cell(P(button)), int(C::Hover));
    QTest::mouseMove(w.Piece(P::Top), QPoint(20, 10));
    QTRY_COMPARE(w.Cell(P(button)), int(C::Normal));
    QTest::mouseMove(b, w.Centre(P(button)));
    QTest::mousePress(b, Qt::LeftButton, {}, w.Centre(P(button)));
    QCOMPARE(w.Cell(P(button)), int(C::Pressed));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(-40, 5));
    QCOMPARE(w.Cell(P(button)), int(C::Normal));
    QVERIFY(w.form->isVisible());
    QCOMPARE(w.frame->WindowState(), FormWindowState::Normal);
}

void FormXPTest::pressingCloseAndReleasingOutsideKeepsTheWindow() {
    Window w;
    QWidget* close = w.Piece(P::CloseButton);
    QTest::mousePress(close, Qt::LeftButton, {}, w.Centre(P::CloseButton));
    QCOMPARE(w.Cell(P::CloseButton), int(C::Pressed));
    QTest::mouseMove(close, QPoint(-30, 10));
    QCOMPARE(w.Cell(P::CloseButton), int(C::Normal));
    QTest::mouseMove(close, w.Centre(P::CloseButton));
    QCOMPARE(w.Cell(P::CloseButton), int(C::Pressed));
    QTest::mouseRelease(close, Qt::LeftButton, {}, QPoint(-30, 10));
    QCOMPARE(w.Cell(P::CloseButton), int(C::Normal));
    QVERIFY(w.form->isVisible());
}

void FormXPTest::clickingCloseClosesTheWindow() {
    Window w;
    QTest::mouseClick(w.Piece(P::CloseButton), Qt::LeftButton, {}, w.Centre(P::CloseButton));
    QVERIFY(!w.form->isVisible());
}

void FormXPTest::buttonVisibilityRules_data() {
    QTest::addColumn<bool>("maxButton");
    QTest::addColumn<bool>("minButton");
    QTest::addColumn<bool>("maximized");
    // What the maximize, restore and minimize buttons show: visible, enabled, cell.
    QTest::addColumn<QList<int>>("expected");
    QTest::addRow("both on") << true << true << false << QList<int>{1, 1, 1, 0, 1, 1, 1, 1, 1};
    QTest::addRow("max off, min on")
        << false << true << false << QList<int>{1, 0, 5, 0, 1, 5, 1, 1, 1};
    QTest::addRow("max on, min off, maximized")
        << true << false << true << QList<int>{0, 1, 1, 1, 1, 1, 1, 0, 5};
    QTest::addRow("both off") << false << false << false << QList<int>{0, 0, 5, 0, 1, 5, 0, 0, 5};
}

void FormXPTest::buttonVisibilityRules() {
    QFETCH(bool, maxButton);
    QFETCH(bool, minButton);
    QFETCH(bool, maximized);
    QFETCH(QList<int>, expected);
    Window w;
    w.frame->SetMaxButton(maxButton);
    w.frame->SetMinButton(minButton);
    if (maximized)
        w.frame->SetWindowState(FormWindowState::Maximized);
    QList<int> shown;
    for (P button : {P::MaxButton, P::NormalButton, P::MinButton}) {
        shown << w.Piece(button)->isVisible() << w.Piece(button)->isEnabled() << w.Cell(button);
    }
    QCOMPARE(shown, expected);
    QVERIFY(w.Piece(P::CloseButton)->isVisible());
}

void FormXPTest::activationReachesTheFrameThroughTheHook() {
    TempProgramFolder folder;
    folder.Write("Skins/Test/config.ini",
                 "[Window]\r\nTitleForeColor=255\r\nTitleFocusForeColor=16711680\r\n");
    WindowHooks hooks;
    Window w;
    w.frame->LoadSkin(folder.File("Skins/Test/"));
    QVERIFY(hooks.HookWindow(w.form.get()));
    w.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    QTRY_VERIFY(w.frame->IsActive());

    QWidget other;
    other.setGeometry(500, 400, 100, 100);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTRY_VERIFY(!w.frame->IsActive());
    for (P piece : {P::LeftTop, P::Top, P::RightTop, P::Left, P::Right, P::Bottom, P::LeftBottom,
                    P::RightBottom})
        QCOMPARE(w.Cell(piece), 2);
    for (P button : {P::CloseButton, P::MaxButton, P::NormalButton, P::MinButton})
        QCOMPARE(w.Cell(button), int(C::Inactive));
    const QColor red(255, 0, 0);
    QCOMPARE(w.Piece(P::Title)->palette().color(QPalette::WindowText), red);

    w.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    QTRY_VERIFY(w.frame->IsActive());
    QCOMPARE(w.Cell(P::Top), 1);
    QCOMPARE(w.Cell(P::CloseButton), int(C::Normal));
    QCOMPARE(w.Piece(P::Title)->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    // Unhooked, the window's activation no longer reaches the frame.
    hooks.UnhookWindow(w.form.get());
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(w.frame->IsActive());
}

void FormXPTest::hookListSemantics() {
    WindowHooks hooks;
    auto a = std::make_unique<QWidget>();
    QWidget b;
    QVERIFY(hooks.HookWindow(a.get()));
    QVERIFY(!hooks.HookWindow(a.get()));
    QVERIFY(hooks.HookWindow(&b));
    QCOMPARE(hooks.HookedWindows(), (QList<QWidget*>{a.get(), &b}));
    QWidget never;
    hooks.UnhookWindow(&never);
    QCOMPARE(hooks.HookedWindows().size(), 2);
    hooks.UnhookWindow(&b);
    QCOMPARE(hooks.HookedWindows(), QList<QWidget*>{a.get()});
    a.reset();
    QVERIFY(hooks.HookedWindows().isEmpty());
    // A window without a frame ignores activation.
    NotifyFormActivation(&b, false);
}

void FormXPTest::hotKeysGoToTheHandler() {
    WindowHooks hooks;
    QList<int> delivered;
    hooks.SetHotKeyHandler([&delivered](int id) { delivered << id; });
    QWidget hooked;
    QWidget plain;
    hooks.HookWindow(&hooked);
    HotKeyEvent first(3);
    QVERIFY(QCoreApplication::sendEvent(&hooked, &first)); // taken, not passed on
    HotKeyEvent second(7);
    QCoreApplication::sendEvent(&plain, &second);
    QCOMPARE(delivered, QList<int>{3});
}

void FormXPTest::maximizeAndRestore() {
    Window w;
    const QRect before = w.form->geometry();
    w.frame->SetResizeable(true);
    QTest::mouseClick(w.Piece(P::MaxButton), Qt::LeftButton, {}, w.Centre(P::MaxButton));
    QCOMPARE(w.frame->WindowState(), FormWindowState::Maximized);
    const QRect work = w.form->screen()->availableGeometry();
    // 50 twips wider than the work area.
    QCOMPARE(w.form->geometry(), QRect(work.topLeft(), QSize(work.width() + 3, work.height())));
    QVERIFY(!w.frame->Resizeable());
    QVERIFY(!w.Piece(P::MaxButton)->isVisible());
    QVERIFY(w.Piece(P::NormalButton)->isVisible());
    QCOMPARE(w.frame->geometry(), w.form->rect()); // the frame follows the window
    QCOMPARE(w.Piece(P::CloseButton)->x(), w.form->width() - 28);

    QTest::mouseClick(w.Piece(P::NormalButton), Qt::LeftButton, {}, w.Centre(P::NormalButton));
    QCOMPARE(w.frame->WindowState(), FormWindowState::Normal);
    QCOMPARE(w.form->geometry(), before);
    QVERIFY(w.frame->Resizeable());
    QVERIFY(w.Piece(P::MaxButton)->isVisible());
    QVERIFY(!w.Piece(P::NormalButton)->isVisible());

    // Without an earlier maximize, restoring keeps the window where it is.
    w.form->setGeometry(QRect(90, 80, 300, 200));
    w.frame->SetWindowState(FormWindowState::Normal);
    QCOMPARE(w.form->geometry(), QRect(90, 80, 300, 200));
    // Not resizeable before maximizing: not resizeable after restoring.
    w.frame->SetResizeable(false);
    w.frame->SetWindowState(FormWindowState::Maximized);
    w.frame->SetWindowState(FormWindowState::Maximized);
    w.frame->SetWindowState(FormWindowState::Normal);
    QCOMPARE(w.form->geometry(), QRect(90, 80, 300, 200));
    QVERIFY(!w.frame->Resizeable());
}

void FormXPTest::doubleClickOnTheTitle_data() {
    QTest::addColumn<bool>("maxButton");
    QTest::addRow("maximize button on") << true;
    QTest::addRow("maximize button off") << false;
}

void FormXPTest::doubleClickOnTheTitle() {
    QFETCH(bool, maxButton);
    Window w;
    w.frame->SetMaxButton(maxButton);
    const QRect before = w.form->geometry();
    QTest::mouseDClick(w.Piece(P::Top), Qt::LeftButton, {}, QPoint(40, 10));
    QCOMPARE(w.frame->WindowState(),
             maxButton ? FormWindowState::Maximized : FormWindowState::Normal);
    QTest::mouseDClick(w.Piece(P::Title), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(w.frame->WindowState(), FormWindowState::Normal);
    QCOMPARE(w.form->geometry(), before);
}

void FormXPTest::minimizeAndComeBack() {
    Window w;
    w.frame->SetWindowState(FormWindowState::Maximized);
    QTest::mouseClick(w.Piece(P::MinButton), Qt::LeftButton, {}, w.Centre(P::MinButton));
    QCOMPARE(w.frame->WindowState(), FormWindowState::Minimized);
    QTRY_VERIFY(w.form->isMinimized());
    w.form->showNormal();
    QTRY_COMPARE(w.frame->WindowState(), FormWindowState::Maximized);
    QVERIFY(w.Piece(P::NormalButton)->isVisible());
}

void FormXPTest::movingFromTheTitleBar() {
    Window w;
    const QPoint start = w.form->pos();
    QWidget* top = w.Piece(P::Top);
    QTest::mousePress(top, Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseMove(top, QPoint(70, 30));
    QTest::mouseRelease(top, Qt::LeftButton, {}, QPoint(70, 30));
    QCOMPARE(w.form->pos(), start + QPoint(30, 20));
    // A maximized window is not moved.
    w.frame->SetWindowState(FormWindowState::Maximized);
    const QPoint maximized = w.form->pos();
    QTest::mousePress(top, Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseMove(top, QPoint(70, 30));
    QTest::mouseRelease(top, Qt::LeftButton, {}, QPoint(70, 30));
    QCOMPARE(w.form->pos(), maximized);
}

void FormXPTest::resizingFromTheBorders_data() {
    QTest::addColumn<int>("piece");
    QTest::addColumn<bool>("resizeable");
    QTest::addColumn<QRect>("expected"); // the window starts at (60, 40), 400 x 300
    QTest::addRow("right") << int(P::Right) << true << QRect(60, 40, 420, 300);
    QTest::addRow("left") << int(P::Left) << true << QRect(80, 40, 380, 300);
    QTest::addRow("bottom") << int(P::Bottom) << true << QRect(60, 40, 400, 310);
    QTest::addRow("bottom-right") << int(P::RightBottom) << true << QRect(60, 40, 420, 310);
    QTest::addRow("bottom-left") << int(P::LeftBottom) << true << QRect(80, 40, 380, 310);
    QTest::addRow("not resizeable") << int(P::RightBottom) << false << QRect(60, 40, 400, 300);
}

void FormXPTest::resizingFromTheBorders() {
    QFETCH(int, piece);
    QFETCH(bool, resizeable);
    QFETCH(QRect, expected);
    Window w;
    w.frame->SetResizeable(resizeable);
    QWidget* border = w.Piece(P(piece));
    QCOMPARE(border->cursor().shape() != Qt::ArrowCursor, resizeable);
    const QPoint at(2, 2);
    QTest::mousePress(border, Qt::LeftButton, {}, at);
    QTest::mouseMove(border, at + QPoint(20, 10));
    QTest::mouseRelease(border, Qt::LeftButton, {}, at + QPoint(20, 10));
    QCOMPARE(w.form->geometry(), expected);
    QCOMPARE(w.Piece(P::RightBottom)->geometry().bottomRight(), w.form->rect().bottomRight());
}

void FormXPTest::roundedTopCorners_data() {
    QTest::addColumn<QByteArray>("rounding");
    QTest::addColumn<bool>("cornersCut");
    QTest::addRow("16") << QByteArray("16") << true;
    QTest::addRow("-8") << QByteArray("-8") << true;
    QTest::addRow("0") << QByteArray("0") << false;
}

void FormXPTest::roundedTopCorners() {
    QFETCH(QByteArray, rounding);
    QFETCH(bool, cornersCut);
    TempProgramFolder folder;
    folder.Write("Skins/Test/config.ini", "[Window]\r\nRoundRng=" + rounding + "\r\n");
    Window w;
    w.frame->LoadSkin(folder.File("Skins/Test/"));
    const QRegion mask = w.form->mask();
    QCOMPARE(mask.contains(QPoint(0, 0)), !cornersCut);
    QCOMPARE(mask.contains(QPoint(399, 0)), !cornersCut);
    QVERIFY(mask.contains(QPoint(8, 8)));
    QVERIFY(mask.contains(QPoint(200, 0)));
    QVERIFY(mask.contains(QPoint(0, 299))); // bottom corners stay square
    QVERIFY(mask.contains(QPoint(399, 299)));
}

void FormXPTest::skinWithOnlyAParameterFile() {
    TempProgramFolder folder;
    folder.Write("Skins/Test/config.ini",
                 "[Window]\r\nTitleAlignment=2.5\r\nRoundRng=-8\r\nTitleFontBold=0\r\n"
                 "TitleFontItalic=false\r\nTitleFontSize=10.5\r\nTitleFontName=DejaVu Sans\r\n");
    Window w;
    const QImage builtIn = w.Piece(P::Top)->grab().toImage();
    w.frame->LoadSkin(folder.File("Skins/Test/"));
    QCOMPARE(w.frame->TitleAlignmentCode(), 2);
    QCOMPARE(w.frame->RoundRng(), 8);
    QVERIFY(!w.frame->TitleFont().bold());
    QVERIFY(w.frame->TitleFont().italic());
    QCOMPARE(w.frame->TitleFont().pointSizeF(), 10.5);
    QCOMPARE(w.frame->TitleFont().family(), QString("DejaVu Sans"));
    // Centred, and every built-in picture kept.
    const QRect title = w.Piece(P::Title)->geometry();
    QVERIFY(qAbs(title.center().x() - 200) <= 1);
    QVERIFY(w.Piece(P::Title)->isVisible());
    QCOMPARE(w.Piece(P::Top)->grab().toImage(), builtIn);
    QCOMPARE(w.Piece(P::CloseButton)->size(), QSize(21, 21));

    // Alignment 3 hides the title; a later centred skin shows it again.
    folder.Write("Skins/Hidden/config.ini", "[Window]\r\nTitleAlignment=3\r\n");
    w.frame->LoadSkin(folder.File("Skins/Hidden/"));
    QVERIFY(!w.Piece(P::Title)->isVisible());
    w.frame->LoadSkin(folder.File("Skins/Test/"));
    QVERIFY(w.Piece(P::Title)->isVisible());
}

void FormXPTest::valuesTheFrameCannotUseKeepThePreviousOnes() {
    TempProgramFolder folder;
    folder.Write("Skins/Good/config.ini",
                 "[Window]\r\nTitleAlignment=1\r\nRoundRng=10\r\nTitleFontSize=12\r\n");
    folder.Write("Skins/Bad/config.ini",
                 "[Window]\r\nTitleAlignment=300\r\nRoundRng=40000\r\nTitleFontSize=0\r\n");
    Window w;
    w.frame->LoadSkin(folder.File("Skins/Good/"));
    w.frame->LoadSkin(folder.File("Skins/Bad/"));
    QCOMPARE(w.frame->TitleAlignmentCode(), 1);
    QCOMPARE(w.frame->RoundRng(), 10);
    QCOMPARE(w.frame->TitleFont().pointSizeF(), 12.0);
    folder.Write("Skins/Bad/config.ini", "[Window]\r\nTitleAlignment=-1\r\nTitleFontSize=-4\r\n");
    w.frame->LoadSkin(folder.File("Skins/Bad/"));
    QCOMPARE(w.frame->TitleAlignmentCode(), 1);
    QCOMPARE(w.frame->TitleFont().pointSizeF(), 12.0);
    // Right aligned: ending 50 twips left of the minimize button, even when it is hidden.
    w.frame->SetMaxButton(false);
    w.frame->SetMinButton(false);
    QVERIFY(!w.Piece(P::MinButton)->isVisible());
    const TwipsRect title = w.frame->PieceTwips(P::Title);
    QCOMPARE(title.Right(), w.frame->PieceTwips(P::MinButton).left - 50);
}

void FormXPTest::aWiderSkinBitmapGivesWiderPieces() {
    TempProgramFolder folder;
    folder.Write("Skins/Wide/Form_Close.bmp", BmpBytes(QSize(150, 24)));
    folder.Write("Skins/Wide/Form_LeftTop.bmp", QByteArray("broken"));
    Window w;
    w.frame->LoadSkin(folder.File("Skins/Wide/"));
    QCOMPARE(w.Piece(P::CloseButton)->geometry(), QRect(400 - 30 - 7, 3, 30, 24));
    QCOMPARE(w.Piece(P::LeftTop)->size(), QSize(6, 30)); // undecodable: the built-in one stays
}

void FormXPTest::mouseOnTheClientAreaInTwips() {
    Window w;
    QSignalSpy down(w.frame, &FormXP::MouseDown);
    QSignalSpy up(w.frame, &FormXP::MouseUp);
    QTest::mouseClick(w.frame, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 60));
    QCOMPARE(down.size(), 1);
    QCOMPARE(up.size(), 1);
    QCOMPARE(down[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(down[0][1].value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    QCOMPARE(down[0][2].toDouble(), 1500.0);
    QCOMPARE(down[0][3].toDouble(), 900.0);
}

QTEST_MAIN(FormXPTest)
#include "formxp_test.moc"
