// ApplySkin on a real form: the form's colours, the frame taking them before its skin, the
// label tag rule, and the skin named by the user's settings.

#include "core/appstate.h"
#include "skin/ui/applyskin.h"
#include "skin/ui/formcontrols.h"
#include "skin/ui/formxp.h"
#include "support/tempprogramfolder.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace lexarion;
using lexarion::testing::TempProgramFolder;

class ApplySkinTest : public QObject {
    Q_OBJECT
private slots:
    void formColours_data();
    void formColours();
    void labelsWithATagKeepTheirColour();
    void theSkinOfTheUserSettings();
};

void ApplySkinTest::formColours_data() {
    QTest::addColumn<QByteArray>("config"); // the skin's config.ini, or nothing for no file
    QTest::addColumn<int>("back");
    QTest::addColumn<int>("fore");
    QTest::addRow("no parameter file") << QByteArray() << 14215404 << 0;
    QTest::addRow("hexadecimal red")
        << QByteArray("[Window]\r\nBackColor=&HFF\r\nForeColor=65280\r\n") << 255 << 65280;
    QTest::addRow("negative") << QByteArray("[Window]\r\nBackColor=-5\r\n") << 0 << 0;
    QTest::addRow("too large") << QByteArray("[Window]\r\nBackColor=99999999\r\n") << 16777215 << 0;
    QTest::addRow("empty value") << QByteArray("[Window]\r\nBackColor=\r\n") << 14215404 << 0;
    QTest::addRow("not a number") << QByteArray("[window]\r\nbackcolor=blue\r\n") << 0 << 0;
}

void ApplySkinTest::formColours() {
    QFETCH(QByteArray, config);
    QFETCH(int, back);
    QFETCH(int, fore);
    TempProgramFolder folder;
    folder.MakeFolder("Skins/Test");
    if (!config.isEmpty())
        folder.Write("Skins/Test/config.ini", config);
    QWidget form;
    auto* frame = new FormXP(&form);
    ApplySkinFolder(&form, folder.File("Skins/Test/"));
    QCOMPARE(FormBackColor(&form), back);
    QCOMPARE(FormForeColor(&form), fore);
    QCOMPARE(frame->BackColor(), back);
    QCOMPARE(frame->ForeColor(), fore);
}

void ApplySkinTest::labelsWithATagKeepTheirColour() {
    TempProgramFolder folder;
    folder.Write("Skins/Blue/config.ini", "[Window]\r\nForeColor=16711680\r\n");
    QWidget form;
    new FormXP(&form);
    auto* plain = new QLabel("plain", &form);
    auto* tagged = new QLabel("tagged", &form);
    SetControlTag(tagged, "keep");
    SetWidgetForeColor(tagged, 255);
    auto* inner = new QWidget(&form);
    auto* nested = new QLabel("nested", inner);
    auto* button = new QPushButton("other", &form);
    const QColor buttonText = button->palette().color(QPalette::ButtonText);

    ApplySkinFolder(&form, folder.File("Skins/Blue/"));
    QCOMPARE(WidgetForeColor(plain), 16711680);
    QCOMPARE(WidgetForeColor(nested), 16711680);
    QCOMPARE(WidgetForeColor(tagged), 255);
    QCOMPARE(button->palette().color(QPalette::ButtonText), buttonText);

    // A tagged label that never had a colour of its own keeps the one it showed.
    auto* taggedLater = new QLabel("later", &form);
    SetControlTag(taggedLater, "x");
    folder.Write("Skins/Green/config.ini", "[Window]\r\nForeColor=65280\r\n");
    ApplySkinFolder(&form, folder.File("Skins/Green/"));
    QCOMPARE(WidgetForeColor(plain), 65280);
    QCOMPARE(WidgetForeColor(taggedLater), 16711680);
    QCOMPARE(WidgetForeColor(tagged), 255);
}

void ApplySkinTest::theSkinOfTheUserSettings() {
    TempProgramFolder folder;
    AppState app(folder.Path());
    app.currentUser = "Alice";
    folder.Write("users/Alice/config.ini", "[General]\r\nSkinFolder=Jade\r\n");
    folder.Write("Skins/Jade/config.ini", "[Window]\r\nBackColor=123456\r\nRoundRng=0\r\n");
    folder.Write("Skins/WindowsXP/config.ini", "[Window]\r\nBackColor=654321\r\n");
    QWidget form;
    auto* frame = new FormXP(&form);
    ApplySkin(&form, app);
    QCOMPARE(FormBackColor(&form), 123456);
    QCOMPARE(frame->RoundRng(), 0);

    // Nothing stored: "WindowsXP\".
    folder.Write("users/Alice/config.ini", "");
    ApplySkin(&form, app);
    QCOMPARE(FormBackColor(&form), 654321);
    QCOMPARE(frame->RoundRng(), 16);
}

QTEST_MAIN(ApplySkinTest)
#include "applyskin_test.moc"
