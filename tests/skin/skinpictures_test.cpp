// The picture cell strip, the built-in pictures and loading a skin's bitmap over them.

#include "skin/twips.h"
#include "skin/ui/pictureclipbox.h"
#include "skin/ui/skinpicture.h"
#include "support/tempprogramfolder.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace lexarion;
using lexarion::testing::TempProgramFolder;

namespace {

// A strip of `count` cells, each filled with its own grey level, so a cut cell tells which it is.
QPixmap NumberedStrip(int cellWidth, int height, int count) {
    QImage image(cellWidth * count, height, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int i = 0; i < count; ++i)
        painter.fillRect(i * cellWidth, 0, cellWidth, height, QColor(i * 40, i * 40, i * 40));
    painter.end();
    return QPixmap::fromImage(image);
}

int CellNumber(const QPixmap& cell) {
    return cell.toImage().pixelColor(0, 0).red() / 40 + 1;
}

QByteArray BmpBytes(const QSize& size, const QColor& color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

struct StripFile {
    const char* name;
    int width;
    int height;
    int cells;
};

// Every strip of the default skin, at the size and cell count the controls are made for.
constexpr StripFile DefaultStrips[] = {
    {"Form_LeftTop.bmp", 12, 30, 2},      {"Form_Top.bmp", 40, 30, 2},
    {"Form_RightTop.bmp", 12, 30, 2},     {"Form_Left.bmp", 8, 20, 2},
    {"Form_Right.bmp", 8, 20, 2},         {"Form_Bottom.bmp", 40, 4, 2},
    {"Form_LeftBottom.bmp", 16, 8, 2},    {"Form_RightBottom.bmp", 16, 8, 2},
    {"Form_Close.bmp", 105, 21, 5},       {"Form_Max.bmp", 105, 21, 5},
    {"Form_Normal.bmp", 105, 21, 5},      {"Form_Min.bmp", 105, 21, 5},
    {"Button.bmp", 260, 25, 4},           {"CheckBox.bmp", 78, 13, 6},
    {"RadioBox.bmp", 78, 13, 6},          {"TablePage_Title.bmp", 116, 18, 2},
    {"Slider_Mid.bmp", 22, 19, 2},        {"VScrollBar_Mid.bmp", 26, 24, 2},
    {"VScrollBar_UpDown.bmp", 60, 16, 4}, {"UpDown.bmp", 60, 7, 4},
};

} // namespace

class SkinPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void cellsOfAStrip();
    void cellCountsBelowOneAreIgnored();
    void aNewPictureKeepsTheGrid();
    void aStripWithoutPictureHasNoCells();
    void builtInPicturesHaveTheDefaultSizes_data();
    void builtInPicturesHaveTheDefaultSizes();
    void loadSkinPicture_data();
    void loadSkinPicture();
};

void SkinPicturesTest::cellsOfAStrip() {
    PictureClipBox strip(5);
    strip.SetPicture(NumberedStrip(21, 21, 5));
    QCOMPARE(strip.Cols(), 5);
    QCOMPARE(strip.Rows(), 1);
    QCOMPARE(strip.CellWidth(), 315.0f);
    QCOMPARE(strip.CellHeight(), 315.0f);
    for (int col = 1; col <= 5; ++col) {
        const QPixmap cell = strip.GraphicCell(1, col);
        QCOMPARE(cell.size(), QSize(21, 21));
        QCOMPARE(CellNumber(cell), col);
    }
    QVERIFY(strip.GraphicCell(1, 6).isNull());
    QVERIFY(strip.GraphicCell(1, 0).isNull());
    QVERIFY(strip.GraphicCell(2, 1).isNull());
    QVERIFY(strip.GraphicCell(0, 1).isNull());
}

void SkinPicturesTest::cellCountsBelowOneAreIgnored() {
    PictureClipBox strip(5);
    strip.SetPicture(NumberedStrip(21, 21, 5));
    for (int bad : {0, -3, 40000}) {
        strip.SetCols(bad);
        strip.SetRows(bad);
        QCOMPARE(strip.Cols(), 5);
        QCOMPARE(strip.Rows(), 1);
        QCOMPARE(strip.CellWidth(), 315.0f);
    }
    strip.SetRows(3);
    QCOMPARE(strip.CellHeight(), 105.0f);
    QCOMPARE(strip.GraphicCell(3, 1).size(), QSize(21, 7));
}

void SkinPicturesTest::aNewPictureKeepsTheGrid() {
    PictureClipBox strip(4);
    strip.SetPicture(NumberedStrip(65, 25, 4));
    strip.SetPicture(NumberedStrip(80, 30, 4)); // a skin drawn wider than the built-in one
    QCOMPARE(strip.Cols(), 4);
    QCOMPARE(strip.CellWidth(), 1200.0f);
    QCOMPARE(strip.GraphicCell(1, 4).size(), QSize(80, 30));
    QCOMPARE(CellNumber(strip.GraphicCell(1, 4)), 4);
}

void SkinPicturesTest::aStripWithoutPictureHasNoCells() {
    PictureClipBox strip(5);
    QCOMPARE(strip.CellWidth(), 0.0f);
    for (int col = 1; col <= 5; ++col)
        QVERIFY(strip.GraphicCell(1, col).isNull());
}

void SkinPicturesTest::builtInPicturesHaveTheDefaultSizes_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("cells");
    for (const StripFile& strip : DefaultStrips)
        QTest::addRow("%s", strip.name)
            << QString(strip.name) << QSize(strip.width, strip.height) << strip.cells;
}

void SkinPicturesTest::builtInPicturesHaveTheDefaultSizes() {
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(int, cells);
    const QPixmap picture = BuiltInPicture(file);
    QCOMPARE(picture.size(), size);
    PictureClipBox strip(cells);
    strip.SetPicture(picture);
    QCOMPARE(strip.GraphicCell(1, cells).size(), QSize(size.width() / cells, size.height()));
    // Neighbouring cells are drawn differently: each shows its own state.
    QVERIFY(strip.GraphicCell(1, 1).toImage() != strip.GraphicCell(1, 2).toImage());
}

void SkinPicturesTest::loadSkinPicture_data() {
    QTest::addColumn<QString>("stored");   // the file's name in the skin folder, empty for none
    QTest::addColumn<QByteArray>("bytes"); // its content
    QTest::addColumn<bool>("loaded");
    const QByteArray red = BmpBytes(QSize(50, 10), Qt::red);
    QTest::addRow("bitmap") << "Form_Top.bmp" << red << true;
    QTest::addRow("other letter case") << "FORM_TOP.BMP" << red << true;
    QTest::addRow("missing") << "" << QByteArray() << false;
    QTest::addRow("cannot be decoded") << "Form_Top.bmp" << QByteArray("not a picture") << false;
    QTest::addRow("empty file") << "Form_Top.bmp" << QByteArray() << false;
    // A download or copy cut short: the rows that are missing would be drawn as garbage.
    QTest::addRow("pixels cut short") << "Form_Top.bmp" << red.left(red.size() / 3) << false;
    QTest::addRow("last row cut short") << "Form_Top.bmp" << red.left(red.size() - 1) << false;
    QTest::addRow("header cut short") << "Form_Top.bmp" << red.left(30) << false;
    QTest::addRow("extra bytes after the pixels") << "Form_Top.bmp" << red + "trailing" << true;
}

void SkinPicturesTest::loadSkinPicture() {
    QFETCH(QString, stored);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loaded);
    TempProgramFolder folder;
    folder.MakeFolder("Skins/Test");
    if (!stored.isEmpty())
        folder.Write("Skins/Test/" + stored, bytes);

    PictureClipBox strip(2);
    strip.SetPicture(BuiltInPicture("Form_Top.bmp"));
    QCOMPARE(LoadSkinPicture(strip, folder.File("Skins/Test/Form_Top.bmp")), loaded);
    QCOMPARE(strip.Picture().size(), loaded ? QSize(50, 10) : QSize(40, 30));
    QCOMPARE(strip.CellWidth(), loaded ? 375.0f : 300.0f);
}

QTEST_MAIN(SkinPicturesTest)
#include "skinpictures_test.moc"
