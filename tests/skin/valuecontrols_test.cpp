#include "skin/twips.h"
#include "skin/ui/picturebox.h"
#include "skin/ui/sliderxp.h"
#include "skin/ui/updownxp.h"
#include "support/savegrab.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using namespace lexarion;
using lexarion::testing::SaveGrab;

class ValueControlsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void sliderClampsAndRaisesOnEveryAssignment();
    void sliderRangeChangesWaitForTheNextAssignment();
    void sliderThumbPositionAndShape();
    void sliderTrackClicks();
    void sliderThumbDrag();
    void sliderKeys_data();
    void sliderKeys();
    void sliderHoverAndFocusLooks();
    void upDownStepsAndStopsAtTheLimits();
    void upDownAutoRepeat();
    void upDownDisabledIgnoresTheMouse();

private:
    QWidget* form_ = nullptr;
    SliderXP* slider_ = nullptr;
    UpDownXP* upDown_ = nullptr;
};

void ValueControlsTest::init() {
    form_ = new QWidget;
    form_->resize(400, 200);
    slider_ = new SliderXP(form_);
    slider_->setGeometry(10, 10, 200, 30);
    upDown_ = new UpDownXP(form_);
    upDown_->setGeometry(250, 10, 15, 20);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
}

void ValueControlsTest::cleanup() {
    delete form_;
    form_ = nullptr;
}

void ValueControlsTest::sliderClampsAndRaisesOnEveryAssignment() {
    slider_->SetMax(510);
    slider_->SetMin(30);
    QSignalSpy changes(slider_, &SliderXP::Change);
    slider_->SetValue(600);
    QCOMPARE(slider_->Value(), 510);
    slider_->SetValue(170);
    slider_->SetValue(170);
    QCOMPARE(changes.count(), 3);
    slider_->SetValue(-4);
    QCOMPARE(slider_->Value(), 30);
    // A layout assigns Value to itself.
    slider_->resize(220, 30);
    QCOMPARE(changes.count(), 5);
}

void ValueControlsTest::sliderRangeChangesWaitForTheNextAssignment() {
    slider_->SetMax(100);
    slider_->SetValue(80);
    slider_->SetMax(50);
    QCOMPARE(slider_->Value(), 80);
    slider_->SetValue(slider_->Value());
    QCOMPARE(slider_->Value(), 50);
    // Max below Min: the value clamps, but the thumb stays where it was.
    const QPoint before = slider_->Thumb()->pos();
    slider_->SetMin(60);
    slider_->SetValue(55);
    QCOMPARE(slider_->Thumb()->pos(), before);
}

void ValueControlsTest::sliderThumbPositionAndShape() {
    PictureBox* thumb = slider_->Thumb();
    QCOMPARE(thumb->size(), QSize(11, 19));
    slider_->SetMax(0);
    slider_->SetMin(0);
    slider_->SetValue(0);
    QCOMPARE(thumb->x(), 0); // Max = Min keeps it at the left end
    slider_->SetMax(100);
    slider_->SetValue(50);
    const int freeTwips = PixelsToTwips(200) - PixelsToTwips(11);
    QCOMPARE(thumb->x(), TwipsToPixels(freeTwips * 50 / 100));
    QCOMPARE(thumb->y(), TwipsToPixels((PixelsToTwips(30) - PixelsToTwips(19)) / 2.0));
    slider_->SetValue(100);
    QCOMPARE(thumb->geometry().right(), 199);
    // The pentagon: the point at the top middle, the corners below 80 twips.
    const QRegion mask = thumb->mask();
    QVERIFY(mask.contains(QPoint(5, 1)));
    QVERIFY(!mask.contains(QPoint(0, 0)));
    QVERIFY(!mask.contains(QPoint(10, 1)));
    QVERIFY(mask.contains(QPoint(0, 6)));
    QVERIFY(mask.contains(QPoint(10, 18)));
    // The track: 100 twips in from either end, centred.
    QCOMPARE(slider_->TrackRect().left(), TwipsToPixels(100));
    QCOMPARE(slider_->TrackRect().width(), TwipsToPixels(PixelsToTwips(200) - 200));
}

void ValueControlsTest::sliderTrackClicks() {
    slider_->SetMax(100);
    slider_->SetLargeChange(10);
    slider_->SetValue(50);
    const int thumbLeft = slider_->Thumb()->x();
    QTest::mouseClick(slider_, Qt::LeftButton, {}, QPoint(thumbLeft - 20, 15));
    QCOMPARE(slider_->Value(), 40);
    QTest::mouseClick(slider_, Qt::LeftButton, {},
                      QPoint(slider_->Thumb()->geometry().right() + 5, 15));
    QCOMPARE(slider_->Value(), 50);
    // Beyond the track's right end nothing happens.
    QTest::mouseClick(slider_, Qt::LeftButton, {}, QPoint(198, 15));
    QCOMPARE(slider_->Value(), 50);
}

void ValueControlsTest::sliderThumbDrag() {
    slider_->SetMax(100);
    slider_->SetValue(20);
    PictureBox* thumb = slider_->Thumb();
    const QPoint at(5, 10);
    QTest::mousePress(thumb, Qt::LeftButton, {}, at);
    QCOMPARE(slider_->ThumbState(), SliderXP::ThumbCell::Normal);
    const int span = PixelsToTwips(slider_->TrackRect().width()) - PixelsToTwips(11);
    const int pixels = 30;
    QTest::mouseMove(thumb, at + QPoint(pixels, 0));
    QCOMPARE(slider_->Value(), 20 + qRound(PixelsToTwips(pixels) * 100.0 / span));
    QTest::mouseMove(thumb, at + QPoint(-500, 0));
    QCOMPARE(slider_->Value(), 0);
    QTest::mouseRelease(thumb, Qt::LeftButton, {}, at + QPoint(-500, 0));
}

void ValueControlsTest::sliderKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("want");
    QTest::addRow("left") << int(Qt::Key_Left) << 49;
    QTest::addRow("right") << int(Qt::Key_Right) << 51;
    QTest::addRow("page up") << int(Qt::Key_PageUp) << 40;
    QTest::addRow("page down") << int(Qt::Key_PageDown) << 60;
    QTest::addRow("home") << int(Qt::Key_Home) << 5;
    QTest::addRow("end") << int(Qt::Key_End) << 95;
}

void ValueControlsTest::sliderKeys() {
    QFETCH(int, key);
    QFETCH(int, want);
    slider_->SetMax(95);
    slider_->SetMin(5);
    slider_->SetLargeChange(10);
    slider_->SetValue(50);
    slider_->setFocus();
    QTest::keyClick(slider_, Qt::Key(key));
    QCOMPARE(slider_->Value(), want);
}

void ValueControlsTest::sliderHoverAndFocusLooks() {
    QSignalSpy over(slider_, &SliderXP::MouseOver);
    QSignalSpy out(slider_, &SliderXP::MouseOut);
    PictureBox* thumb = slider_->Thumb();
    QTest::mouseMove(thumb, QPoint(5, 10));
    QCOMPARE(over.count(), 1);
    QCOMPARE(slider_->ThumbState(), SliderXP::ThumbCell::Highlighted);
    QTest::mouseMove(slider_, QPoint(150, 3));
    QTRY_COMPARE(out.count(), 1);
    QCOMPARE(slider_->ThumbState(), SliderXP::ThumbCell::Normal);

    slider_->clearFocus(); // the window gave it the focus when shown
    slider_->setFocus();
    QCOMPARE(slider_->ThumbState(), SliderXP::ThumbCell::Highlighted);
    const QImage focused = slider_->grab().toImage();
    SaveGrab(slider_, QStringLiteral("slider-focused.png"));
    // The dotted focus rectangle, 10 twips (one pixel) inside the edge.
    const auto dotsOnTop = [](const QImage& image) {
        int dots = 0;
        for (int x = 0; x < image.width(); ++x)
            dots += image.pixelColor(x, 1) == QColor(Qt::black) ? 1 : 0;
        return dots;
    };
    QVERIFY(dotsOnTop(focused) > 50);
    slider_->clearFocus();
    QCOMPARE(slider_->ThumbState(), SliderXP::ThumbCell::Normal);
    QCOMPARE(dotsOnTop(slider_->grab().toImage()), 0);
}

void ValueControlsTest::upDownStepsAndStopsAtTheLimits() {
    QCOMPARE(upDown_->width(), 15);
    QCOMPARE(upDown_->UpArrowRect(), QRect(0, 0, 15, 7));
    QCOMPARE(upDown_->DownArrowRect(), QRect(0, 13, 15, 7));
    QSignalSpy changes(upDown_, &UpDownXP::Change);
    upDown_->SetMax(2);
    QTest::mouseClick(upDown_, Qt::LeftButton, {}, upDown_->UpArrowRect().center());
    QTest::mouseClick(upDown_, Qt::LeftButton, {}, upDown_->UpArrowRect().center());
    QTest::mouseClick(upDown_, Qt::LeftButton, {}, upDown_->UpArrowRect().center());
    QCOMPARE(upDown_->Value(), 2);
    QCOMPARE(changes.count(), 2);
    QTest::mouseClick(upDown_, Qt::LeftButton, {}, upDown_->DownArrowRect().center());
    QCOMPARE(upDown_->Value(), 1);
    upDown_->SetValue(1);
    QCOMPARE(changes.count(), 3);
    upDown_->SetValue(-50);
    QCOMPARE(upDown_->Value(), 0);
}

void ValueControlsTest::upDownAutoRepeat() {
    upDown_->SetMax(1000);
    QElapsedTimer clock;
    QList<qint64> times;
    connect(upDown_, &UpDownXP::Change, this, [&] { times.append(clock.elapsed()); });
    clock.start();
    QTest::mousePress(upDown_, Qt::LeftButton, {}, upDown_->UpArrowRect().center());
    QCOMPARE(times.size(), 1);
    QCOMPARE(upDown_->UpCell(), UpDownXP::ArrowCell::UpPressed);
    QCOMPARE(upDown_->Repeat().Interval(), 500);
    QTest::qWait(400);
    QCOMPARE(times.size(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(times.size(), 2, 1000);
    QVERIFY2(times[1] >= 490, qPrintable(QString::number(times[1])));
    QCOMPARE(upDown_->Repeat().Interval(), 100);
    QTRY_VERIFY_WITH_TIMEOUT(times.size() >= 5, 2000);
    QTest::mouseRelease(upDown_, Qt::LeftButton, {}, upDown_->UpArrowRect().center());
    for (int i = 2; i < times.size(); ++i)
        QVERIFY(times[i] - times[i - 1] >= 95);
    const int steps = int(times.size());
    QTest::qWait(250);
    QCOMPARE(int(times.size()), steps);
    QCOMPARE(upDown_->Value(), steps);
    QCOMPARE(upDown_->UpCell(), UpDownXP::ArrowCell::Up);
}

void ValueControlsTest::upDownDisabledIgnoresTheMouse() {
    upDown_->SetEnabled(false);
    QTest::mouseClick(upDown_, Qt::LeftButton, {}, upDown_->UpArrowRect().center());
    QCOMPARE(upDown_->Value(), 0);
    QCOMPARE(upDown_->UpCell(), UpDownXP::ArrowCell::Up);
    upDown_->SetEnabled(true);
    QTest::mouseClick(upDown_, Qt::LeftButton, {}, upDown_->UpArrowRect().center());
    QCOMPARE(upDown_->Value(), 1);
}

QTEST_MAIN(ValueControlsTest)
#include "valuecontrols_test.moc"
