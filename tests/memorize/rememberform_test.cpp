// The word window on the offscreen platform over a real program folder: how it opens, the
// full-screen switch and the stored rectangle, the smallest size, the two layouts with texts
// kept inside the window, the background styles, the frame pieces, dragging, the menu, the keys
// and what closing stores.

#include "core/appstate.h"
#include "core/settings.h"
#include "memorize/ui/rememberform.h"
#include "memorize/ui/wordstyle.h"
#include "support/recordingspeech.h"
#include "support/userfixture.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

using namespace lexarion;
using lexarion::testing::RecordingSpeech;
using lexarion::testing::UserFixture;

namespace {

struct FakeOwner : RememberFormOwner {
    bool checked = false;
    int menusShown = 0;
    bool speakingStarted = true;
    void RememberFormCheckMainMenu() override {}
    bool IsPlayChecked() const override { return checked; }
    void SetPlayChecked(bool on) override { checked = on; }
    void ShowMemorizationMenu(QPoint) override { ++menusShown; }
    void ResetSpeakingStarted() override { speakingStarted = false; }
};

struct Fixture : UserFixture {
    RecordingSpeech speech;
    FakeOwner owner;

    Fixture() {
        app.speech = &speech;
        app.wordList.Append(QStringLiteral("apple#苹果#ˈæpl"));
        app.wordList.Append(QStringLiteral("banana#香蕉"));
        app.loadedWordListPath = folder.File("Dicts/cet-4.wsl");
        WriteSetting(app, "General", "ShowAsGroup", "0");
    }
    void Set(const char* key, const QString& value) {
        WriteSetting(app, "RememberSetting", key, value);
    }
    QString Get(const char* key) { return ReadSetting(app, "RememberSetting", key, "(missing)"); }
    // Windowed at (100, 200), 400 x 300 pixels.
    void Windowed() {
        Set("FullScreen", "0");
        Set("WinLeft", "1500");
        Set("WinTop", "3000");
        Set("WinWidth", "6000");
        Set("WinHeight", "4500");
    }
};

QRect Inner(const RememberForm& form) {
    const int l = form.Border(BorderPiece::Left)->width();
    const int t = form.Border(BorderPiece::Top)->height();
    const int r = form.Border(BorderPiece::Right)->width();
    const int b = form.Border(BorderPiece::Bottom)->height();
    return form.rect().adjusted(l, t, -r, -b);
}

void ExpectLabelsInside(const RememberForm& form) {
    const QRect inner = Inner(form).adjusted(-1, -1, 1, 1);
    for (WordLabelKind kind :
         {WordLabelKind::Word, WordLabelKind::Pronounce, WordLabelKind::Explanation}) {
        const QWidget* label = form.Label(kind);
        if (label->isVisible() && !label->size().isEmpty())
            QVERIFY2(inner.contains(label->geometry()),
                     qPrintable(label->objectName() + QStringLiteral(" outside")));
    }
}

} // namespace

class RememberFormTest : public QObject {
    Q_OBJECT
private slots:
    void aFreshUserGetsAFullScreenWindowInTheDefaultLook();
    void theWindowedModeUsesTheStoredRectangleAndIsTopmost();
    void switchingModesStoresTheChoice();
    void theWindowSnapsToItsSmallestSize();
    void splitAndOneLineLayouts();
    void longTextsStayInsideTheSmallestWindow();
    void theBackgroundIsComposedByStyle_data();
    void theBackgroundIsComposedByStyle();
    void thePictureFileIsComposedOnResizeAndNoFileRemains();
    void theFramePiecesLineTheEdgesAndSizeTheWindow();
    void theBackgroundDragsTheFloatingWindowOnly();
    void theMenuOpensFromTheMouseAndTheKey();
    void autoPlayStartsPlayingAndTheTimerShowsTheFirstWord();
    void altF4ClosesAndStoresPositionAndRectangle();
    void theDisplaySettingsReachTheOpenWindow();
};

void RememberFormTest::aFreshUserGetsAFullScreenWindowInTheDefaultLook() {
    Fixture f;
    RememberForm form(f.app, f.owner);
    QCOMPARE(form.geometry(), QGuiApplication::primaryScreen()->geometry());
    QVERIFY(form.IsFullScreenMode());
    QVERIFY(!(form.windowFlags() & Qt::WindowStaysOnTopHint));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (int i = 0; i < BorderPieceCount; ++i)
        QVERIFY(!form.Border(BorderPiece(i))->isVisible());
    QCOMPARE(form.WordFont().pointSize(), 72);
    QVERIFY(form.WordFont().bold() && form.WordFont().italic());
    QCOMPARE(form.ExplanationFont().pointSizeF(), 36.0);
    QCOMPARE(form.WordColor(), QColor(Qt::white));
    QCOMPARE(form.ExplanationColor(), QColor(Qt::white));
    QCOMPARE(form.BackColor(), SystemColor(1));
    // Paused: the load's word stays until a command.
    QVERIFY(!f.owner.checked);
    QVERIFY(!form.Playback().Timer1().isActive());
    QCOMPARE(form.Playback().Word.text, QStringLiteral("Lexarion"));
    const QImage shot = form.grab().toImage();
    QCOMPARE(shot.pixelColor(3, 3), SystemColor(1));
}

void RememberFormTest::theWindowedModeUsesTheStoredRectangleAndIsTopmost() {
    Fixture f;
    f.Windowed();
    RememberForm form(f.app, f.owner);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.geometry(), QRect(100, 200, 400, 300));
    QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
    for (int i = 0; i < BorderPieceCount; ++i)
        QVERIFY(form.Border(BorderPiece(i))->isVisible());
}

void RememberFormTest::switchingModesStoresTheChoice() {
    Fixture f;
    f.Windowed();
    RememberForm form(f.app, f.owner);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.SetFullScreen(true);
    QCOMPARE(f.Get("FullScreen"), QStringLiteral("1"));
    QCOMPARE(form.geometry(), QGuiApplication::primaryScreen()->geometry());
    QVERIFY(!(form.windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(form.isVisible());
    QVERIFY(!form.Border(BorderPiece::Left)->isVisible());
    // Full screen leaves the stored rectangle alone.
    QCOMPARE(f.Get("WinWidth"), QStringLiteral("6000"));
    form.SetFullScreen(false);
    QCOMPARE(f.Get("FullScreen"), QStringLiteral("0"));
    QTRY_COMPARE(form.geometry(), QRect(100, 200, 400, 300));
    QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(form.isVisible());
    QVERIFY(form.Border(BorderPiece::BottomRight)->isVisible());
}

void RememberFormTest::theWindowSnapsToItsSmallestSize() {
    Fixture f;
    f.Windowed();
    RememberForm form(f.app, f.owner);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.resize(800 / 15, 300 / 15);
    QTRY_COMPARE(form.size(), QSize(67, 27));
    // The stored rectangle follows the size: at least 1000 x 400 twips.
    QCOMPARE(f.Get("WinWidth"), QStringLiteral("1005"));
    QCOMPARE(f.Get("WinHeight"), QStringLiteral("405"));
}

void RememberFormTest::splitAndOneLineLayouts() {
    Fixture f;
    f.Windowed();
    f.Set("WinWidth", "12000");
    f.Set("WinHeight", "7500");
    f.Set("WordFontSize", "24");
    f.Set("ExplanationFontSize", "16");
    RememberForm form(f.app, f.owner);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.NextWord();
    form.NextWord(); // banana: no pronunciation
    QWidget* word = form.Label(WordLabelKind::Word);
    QWidget* explanation = form.Label(WordLabelKind::Explanation);
    QCOMPARE(form.Playback().Word.text, QStringLiteral("banana"));
    QVERIFY(explanation->isVisible());
    // Split: centred, one explanation height below the word.
    QVERIFY(qAbs(word->geometry().center().x() - form.width() / 2) <= 1);
    const WordLayout& layout = form.Layout();
    QCOMPARE(layout.explanation.top(), layout.word.bottom() + layout.explanation.height());
    QVERIFY(word->geometry().contains(layout.word.toRect()));
    ExpectLabelsInside(form);

    f.Set("SplitDisplay", "0");
    form.RefreshLayout();
    // One line: from the left border, the explanation 200 twips right of the word.
    QCOMPARE(layout.word.left(), form.Border(BorderPiece::Left)->width() + LabelGapPixels);
    QCOMPARE(layout.explanation.left(), layout.word.right() + 2 * LabelGapPixels);
    QVERIFY(qAbs(word->geometry().center().y() - form.height() / 2) <= 1);
    ExpectLabelsInside(form);
}

void RememberFormTest::longTextsStayInsideTheSmallestWindow() {
    Fixture f;
    f.Windowed();
    f.app.wordList = {};
    f.app.wordList.Append(QStringLiteral("incomprehensibilities#") + QString(60, QChar(0x8BCD)) +
                          QStringLiteral("#ˌɪnkɒmprɪˌhensəˈbɪlətiz"));
    for (const char* split : {"1", "0"}) {
        f.Set("SplitDisplay", QString::fromLatin1(split));
        f.Set("WinWidth", "1000");
        f.Set("WinHeight", "400");
        RememberForm form(f.app, f.owner);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.NextWord();
        QCOMPARE(form.size(), RememberForm::MinimumWindowSize());
        QVERIFY(form.Layout().scale < 1);
        ExpectLabelsInside(form);
        form.resize(1000, 300);
        QTRY_COMPARE(form.width(), 1000);
        ExpectLabelsInside(form);
    }
}

void RememberFormTest::theBackgroundIsComposedByStyle_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QList<QPoint>>("red");
    QTest::addColumn<QList<QPoint>>("back");
    // Tiles at 0, 100 and 200 across a 250-wide surface; the last cut by the edge.
    QTest::newRow("tile") << 0 << QSize(100, 100)
                          << QList<QPoint>{{5, 5}, {105, 5}, {205, 105}, {249, 149}}
                          << QList<QPoint>{{95, 5}, {195, 5}, {245, 95}};
    // Larger than the surface: drawn at negative offsets, cut on all sides.
    QTest::newRow("centre") << 1 << QSize(300, 200) << QList<QPoint>{{0, 0}, {249, 149}}
                            << QList<QPoint>{};
    QTest::newRow("centre small") << 1 << QSize(50, 50) << QList<QPoint>{{125, 75}}
                                  << QList<QPoint>{{5, 5}, {95, 75}};
    QTest::newRow("stretch") << 2 << QSize(10, 10) << QList<QPoint>{{0, 0}, {249, 149}}
                             << QList<QPoint>{};
    QTest::newRow("unknown") << 7 << QSize(10, 10) << QList<QPoint>{}
                             << QList<QPoint>{{0, 0}, {125, 75}};
}

void RememberFormTest::theBackgroundIsComposedByStyle() {
    QFETCH(int, style);
    QFETCH(QSize, picture);
    QFETCH(QList<QPoint>, red);
    QFETCH(QList<QPoint>, back);
    // A red picture with a 4-pixel blue rim on its right and bottom, so tiles can be told apart.
    QImage image(picture, QImage::Format_RGB32);
    image.fill(Qt::red);
    if (picture.width() == 100)
        for (int i = 0; i < 100; ++i)
            for (int k = 90; k < 100; ++k) {
                image.setPixelColor(k, i, Qt::blue);
                image.setPixelColor(i, k, Qt::blue);
            }
    const QImage surface = ComposeBackground(image, QSize(250, 150), style, Qt::green);
    QCOMPARE(surface.size(), QSize(250, 150));
    for (const QPoint& p : red)
        QCOMPARE(surface.pixelColor(p), QColor(Qt::red));
    for (const QPoint& p : back)
        QVERIFY(surface.pixelColor(p) != QColor(Qt::red));
}

void RememberFormTest::thePictureFileIsComposedOnResizeAndNoFileRemains() {
    Fixture f;
    f.Windowed();
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(QColor(200, 0, 0));
    const QString path = f.folder.File("back.png");
    QVERIFY(image.save(path));
    f.Set("BackPicture", "1");
    f.Set("BackPicturePath", path);
    f.Set("BackPictureStyle", "1");
    const QStringList before = QDir(f.folder.Path()).entryList(QDir::Files);
    RememberForm form(f.app, f.owner);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.ComposedBackground().size(), QSize(400, 300));
    QCOMPARE(form.ComposedBackground().pixelColor(200, 150), QColor(200, 0, 0));
    QCOMPARE(form.ComposedBackground().pixelColor(20, 20), SystemColor(1));
    form.resize(500, 320);
    QTRY_COMPARE(form.ComposedBackground().size(), QSize(500, 320));
    QCOMPARE(QDir(f.folder.Path()).entryList(QDir::Files), before);
    QVERIFY(!QFileInfo::exists(QDir::current().filePath("backpic.bmp")));

    // Removed: the colour alone; a missing file later leaves what was drawn.
    form.RemoveBackPicture();
    form.SetBackColor(QColor(0, 0, 90));
    QVERIFY(form.ComposedBackground().isNull());
    QCOMPARE(form.grab().toImage().pixelColor(12, 12), QColor(0, 0, 90));
    form.SetBackPicture(2);
    QVERIFY(QFile::remove(path));
    form.resize(450, 320);
    QTRY_COMPARE(form.width(), 450);
    QCOMPARE(form.ComposedBackground().size(), QSize(500, 320));
    QVERIFY(!form.LoadBackPicture(path));
    QVERIFY(!form.BackPic().isNull());
}

void RememberFormTest::theFramePiecesLineTheEdgesAndSizeTheWindow() {
    Fixture f;
    f.Windowed();
    RememberForm form(f.app, f.owner);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto geometryOf = [&](BorderPiece p) { return form.Border(p)->geometry(); };
    QCOMPARE(geometryOf(BorderPiece::TopLeft).topLeft(), QPoint(0, 0));
    QCOMPARE(geometryOf(BorderPiece::TopRight).topRight(), QPoint(399, 0));
    QCOMPARE(geometryOf(BorderPiece::BottomRight).bottomRight(), QPoint(399, 299));
    QCOMPARE(geometryOf(BorderPiece::BottomLeft).bottomLeft(), QPoint(0, 299));
    QCOMPARE(geometryOf(BorderPiece::Top).left(), geometryOf(BorderPiece::TopLeft).right() + 1);
    QCOMPARE(geometryOf(BorderPiece::Top).right() + 1, geometryOf(BorderPiece::TopRight).left());
    QCOMPARE(geometryOf(BorderPiece::Left).bottom() + 1, geometryOf(BorderPiece::BottomLeft).top());
    QCOMPARE(geometryOf(BorderPiece::Bottom).bottom(), 299);
    QCOMPARE(geometryOf(BorderPiece::Right).right(), 399);

    // Where the window manager offers no size loop, the window follows the mouse.
    QWidget* corner = form.Border(BorderPiece::BottomRight);
    QTest::mousePress(corner, Qt::LeftButton, {}, QPoint(2, 2));
    QMouseEvent move(QEvent::MouseMove, QPointF(42, 32), corner->mapToGlobal(QPointF(42, 32)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(corner, &move);
    QTest::mouseRelease(corner, Qt::LeftButton, {}, QPoint(42, 32));
    QTRY_COMPARE(form.size(), QSize(440, 330));
    QCOMPARE(f.Get("WinWidth"), QStringLiteral("6600"));
    QCOMPARE(geometryOf(BorderPiece::BottomRight).bottomRight(), QPoint(439, 329));
}

void RememberFormTest::theBackgroundDragsTheFloatingWindowOnly() {
    for (const bool fullScreen : {false, true}) {
        Fixture f;
        f.Windowed();
        f.Set("FullScreen", fullScreen ? "1" : "0");
        RememberForm form(f.app, f.owner);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QRect before = form.geometry();
        QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(50, 50));
        QMouseEvent move(QEvent::MouseMove, QPointF(80, 70), form.mapToGlobal(QPointF(80, 70)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&form, &move);
        QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(80, 70));
        if (fullScreen)
            QCOMPARE(form.geometry(), before);
        else
            QTRY_COMPARE(form.pos(), before.topLeft() + QPoint(30, 20));
        QCOMPARE(f.owner.menusShown, 0);
    }
}

void RememberFormTest::theMenuOpensFromTheMouseAndTheKey() {
    for (const bool fullScreen : {false, true}) {
        Fixture f;
        f.Windowed();
        f.Set("FullScreen", fullScreen ? "1" : "0");
        RememberForm form(f.app, f.owner);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.NextWord();
        QTest::mouseClick(&form, Qt::RightButton, {}, QPoint(30, 30));
        QCOMPARE(f.owner.menusShown, 1);
        // On a label: the labels let the mouse through to the window.
        QWidget* word = form.Label(WordLabelKind::Word);
        QVERIFY(word->testAttribute(Qt::WA_TransparentForMouseEvents));
        QTest::mouseClick(&form, Qt::RightButton, {}, word->geometry().center());
        QCOMPARE(f.owner.menusShown, 2);
        QTest::keyClick(&form, Qt::Key_Menu);
        QCOMPARE(f.owner.menusShown, 3);
        QTest::keyClick(&form, Qt::Key_A);
        QCOMPARE(f.owner.menusShown, 3);
        QVERIFY(form.isVisible());
    }
}

void RememberFormTest::autoPlayStartsPlayingAndTheTimerShowsTheFirstWord() {
    Fixture f;
    f.Windowed();
    f.Set("AutoPlay", "1");
    f.Set("WordInterval", "1");
    RememberForm form(f.app, f.owner);
    QVERIFY(f.owner.checked);
    QVERIFY(form.Playback().Timer1().isActive());
    QCOMPARE(form.Playback().Timer1().interval(), 1000);
    QCOMPARE(form.Playback().Explanation.text, QStringLiteral("正在读取单词库..."));
    QCOMPARE(f.app.currentWordIndex, 0); // nothing steps before the window is shown
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_COMPARE_WITH_TIMEOUT(form.Playback().Word.text, QStringLiteral("apple"), 3000);
    QCOMPARE(form.Playback().Pronounce.text, QStringLiteral("ˈæpl"));
    QTRY_COMPARE(f.speech.calls.value(0), QStringLiteral("Speak APPLE"));
}

void RememberFormTest::altF4ClosesAndStoresPositionAndRectangle() {
    Fixture f;
    f.Windowed();
    WriteSetting(f.app, "General", "DictionaryFile", "toefl.wsl");
    auto* form = new RememberForm(f.app, f.owner);
    QPointer<RememberForm> alive = form;
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    form->NextWord();
    form->move(120, 210);
    f.speech.speaking = true;
    QTest::keyClick(form, Qt::Key_F4, Qt::AltModifier);
    QTRY_VERIFY(!alive);
    QCOMPARE(f.Get("SaveLast"), QStringLiteral("1"));
    QCOMPARE(f.Get("SaveLastDictionaryFile"), QStringLiteral("toefl.wsl"));
    QCOMPARE(f.Get("WinLeft"), QStringLiteral("1800"));
    QCOMPARE(f.Get("WinTop"), QStringLiteral("3150"));
    QCOMPARE(f.Get("WinWidth"), QStringLiteral("6000"));
    QVERIFY(!f.owner.speakingStarted);
    QCOMPARE(f.speech.calls.last(), QStringLiteral("Stop"));
}

void RememberFormTest::theDisplaySettingsReachTheOpenWindow() {
    Fixture f;
    f.Windowed();
    RememberForm form(f.app, f.owner);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.NextWord();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(20);
    form.SetWordFont(font);
    form.SetWordColor(QColor(10, 20, 30));
    QCOMPARE(form.WordFont().pointSize(), 20);
    QCOMPARE(form.WordFont().family(), QStringLiteral("DejaVu Sans"));
    form.SetWordInterval(7000);
    QCOMPARE(form.Playback().Timer1().interval(), 7000);
    const QImage shot = form.grab().toImage();
    // The word is drawn in its colour somewhere inside its label.
    const QRect word = form.Label(WordLabelKind::Word)->geometry();
    bool found = false;
    for (int y = word.top(); y <= word.bottom() && !found; ++y)
        for (int x = word.left(); x <= word.right() && !found; ++x)
            found = shot.pixelColor(x, y) == QColor(10, 20, 30);
    QVERIFY(found);
    ExpectLabelsInside(form);
}

QTEST_MAIN(RememberFormTest)
#include "rememberform_test.moc"
