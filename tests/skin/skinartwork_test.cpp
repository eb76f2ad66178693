// The artwork of the skins that come with the program, as the controls show it.

#include "skin/ui/pictureclipbox.h"
#include "skin/ui/radioboxxp.h"
#include "skin/ui/skinpicture.h"
#include "skinfixture.h"

#include <QTest>

using namespace lexarion;
using namespace lexarion::testing;

class SkinArtworkTest : public QObject {
    Q_OBJECT
private slots:
    void optionMarksAreWhole_data();
    void optionMarksAreWhole();
};

void SkinArtworkTest::optionMarksAreWhole_data() {
    QTest::addColumn<QString>("skin");
    QTest::addColumn<bool>("value");
    QTest::addColumn<bool>("over");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("cell");
    for (const char* skin : {"WindowsXP", "Jade"}) {
        QTest::addRow("%s off", skin) << skin << false << false << true << 1;
        QTest::addRow("%s on", skin) << skin << true << false << true << 2;
        QTest::addRow("%s off, pointer over", skin) << skin << false << true << true << 3;
        QTest::addRow("%s on, pointer over", skin) << skin << true << true << true << 4;
        QTest::addRow("%s off, disabled", skin) << skin << false << false << false << 5;
        QTest::addRow("%s on, disabled", skin) << skin << true << false << false << 6;
    }
}

// The option button clips its mark to an ellipse a little larger than the cell and not centred
// on it; every pixel the cell paints must still show.
void SkinArtworkTest::optionMarksAreWhole() {
    QFETCH(QString, skin);
    QFETCH(bool, value);
    QFETCH(bool, over);
    QFETCH(bool, enabled);
    QFETCH(int, cell);
    const QString folder = QStringLiteral(LEXARION_SKIN_SOURCE_DIR "/") + skin + u'/';
    auto host = ShowHost();
    QVERIFY(host);
    auto* option = new RadioBoxXP(host.get());
    option->setGeometry(10, 10, 120, 20);
    option->SetCaption(QStringLiteral("顺序播放"));
    option->show();
    option->LoadSkin(folder);
    option->SetValue(value);
    option->SetEnabled(enabled);
    if (over)
        QTest::mouseMove(option, option->CaptionGeometry().center());
    QCOMPARE(option->ShownCell(), cell);

    PictureClipBox strip(6);
    LoadSkinPicture(strip, folder + QStringLiteral("RadioBox.bmp"));
    const QImage want = strip.GraphicCell(1, cell).toImage();
    const QImage shown = option->grab().toImage();
    const QPoint origin = option->PictureGeometry().topLeft();
    const QColor back = want.pixelColor(0, 0);
    QStringList cut;
    for (int y = 0; y < want.height(); ++y) {
        for (int x = 0; x < want.width(); ++x) {
            if (want.pixelColor(x, y) != back &&
                shown.pixelColor(origin + QPoint(x, y)) != want.pixelColor(x, y))
                cut.append(QStringLiteral("(%1, %2)").arg(x).arg(y));
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("cut: ") + cut.join(u' ')));
    CloseHost(host);
}

QTEST_MAIN(SkinArtworkTest)
#include "skinartwork_test.moc"
