#include "skin/twips.h"
#include "skin/ui/listboxxp.h"
#include "skin/ui/skincolor.h"
#include "skin/ui/vscrollbarxp.h"
#include "support/savegrab.h"
#include "support/tempprogramfolder.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using namespace lexarion;
using lexarion::testing::SaveGrab;

namespace {

QColor PixelAt(QWidget* widget, QPoint point) {
    return widget->grab().toImage().pixelColor(point);
}

} // namespace

class ListBoxXPTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void heightSnapsToWholeRows_data();
    void heightSnapsToWholeRows();
    void scrollRangeFollowsTheCount_data();
    void scrollRangeFollowsTheCount();
    void rowsAreDrawnInTheSkinColours();
    void selectingBelowTheRowsScrollsItToTheTop();
    void clickAndDragSelect();
    void doubleClickAnywhere();
    void lettersSearchAndWrap();
    void movementKeys_data();
    void movementKeys();
    void focusChangesTheOutline();
    void addingNeverDrawsAndRedrawsDrawOnlyVisibleRows();
    void captionsWithTabLineUp();
    void scrollBarArrowsAndTrack();
    void scrollBarThumbDrag();
    void scrollBarDragBeyondSixteenBits();
    void arrowAutoRepeatsAfter500ThenEvery100();
    void scrollBarReportsKeysAndFocus();

private:
    void Fill(int count, const QString& prefix = QStringLiteral("item"));

    QWidget* form_ = nullptr;
    ListBoxXP* list_ = nullptr;
};

void ListBoxXPTest::init() {
    form_ = new QWidget;
    form_->resize(400, 400);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    form_->setFont(font);
    list_ = new ListBoxXP(form_);
    list_->setGeometry(10, 10, 200, 300);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
}

void ListBoxXPTest::cleanup() {
    delete form_;
    form_ = nullptr;
}

void ListBoxXPTest::Fill(int count, const QString& prefix) {
    for (int i = 0; i < count; ++i)
        list_->AddListItem(QStringLiteral("%1 %2").arg(prefix).arg(i));
}

void ListBoxXPTest::heightSnapsToWholeRows_data() {
    QTest::addColumn<int>("fontPixels");
    QTest::addColumn<int>("requested");
    // (height in twips) / (item height in twips), rounded down; then rows * item height + 90.
    for (int pixels : {12, 16, 24}) {
        for (int height : {40, 133, 301})
            QTest::addRow("font %d, height %d", pixels, height) << pixels << height;
    }
}

void ListBoxXPTest::heightSnapsToWholeRows() {
    QFETCH(int, fontPixels);
    QFETCH(int, requested);
    QFont font = list_->Fonts();
    font.setPixelSize(fontPixels);
    list_->SetFonts(font);
    const int itemHeight = PixelsToTwips(QFontMetrics(font).height()) + 100;
    QCOMPARE(list_->ItemHeight(), itemHeight);
    list_->resize(200, requested);
    const int rows = PixelsToTwips(requested) / itemHeight;
    QCOMPARE(list_->VisibleRows(), rows);
    QCOMPARE(list_->height(), TwipsToPixels(rows * itemHeight + 90));
    // The scroll bar stands 40 twips from the right edge, 15 from the top and bottom.
    const QRect bar = list_->ScrollBar()->geometry();
    QCOMPARE(bar.left(), TwipsToPixels(PixelsToTwips(200) - PixelsToTwips(bar.width()) - 40));
    QCOMPARE(bar.top(), 1);
    QCOMPARE(bar.height(), TwipsToPixels(PixelsToTwips(list_->height()) - 30));
}

void ListBoxXPTest::scrollRangeFollowsTheCount_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("wantMax");
    const int rows = 10;
    QTest::addRow("fewer than the rows") << 4 << 0;
    QTest::addRow("exactly the rows") << rows << 0;
    QTest::addRow("more than the rows") << 100 << 100 - rows;
}

void ListBoxXPTest::scrollRangeFollowsTheCount() {
    QFETCH(int, count);
    QFETCH(int, wantMax);
    list_->resize(200, TwipsToPixels(10 * list_->ItemHeight() + 90));
    QCOMPARE(list_->VisibleRows(), 10);
    Fill(count);
    list_->RefreshListBox();
    QCOMPARE(list_->ScrollBar()->Min(), 0);
    QCOMPARE(list_->ScrollBar()->Max(), wantMax);
}

void ListBoxXPTest::rowsAreDrawnInTheSkinColours() {
    testing::TempProgramFolder folder;
    folder.Write(QStringLiteral("Skins/Test/config.ini"),
                 "[ListBox]\r\nBackColor=16777215\r\nSelectedItemBackColor=255\r\n"
                 "SelectedItemBorderColor=65280\r\n");
    list_->LoadSkin(folder.File(QStringLiteral("Skins/Test/")));
    Fill(3);
    list_->RefreshListBox();
    QCOMPARE(list_->ListIndex(), 0);
    const QPoint inRow1 = list_->RowRect(1).center() + QPoint(list_->RowRect(1).width() / 3, 0);
    for (int row = 0; row < 3; ++row) {
        const QPoint inRow =
            list_->RowRect(row).center() + QPoint(list_->RowRect(row).width() / 3, 0);
        QCOMPARE(PixelAt(list_, inRow), QColor(Qt::white));
    }
    list_->SetListIndex(1);
    QCOMPARE(PixelAt(list_, inRow1), QColor(Qt::red));
    QCOMPARE(PixelAt(list_, list_->RowRect(1).topLeft()), QColor(Qt::green));
    SaveGrab(list_, QStringLiteral("listbox-selected.png"));
}

void ListBoxXPTest::selectingBelowTheRowsScrollsItToTheTop() {
    list_->resize(200, TwipsToPixels(10 * list_->ItemHeight() + 90));
    Fill(100);
    list_->RefreshListBox();
    QSignalSpy selected(list_, &ListBoxXP::ItemSelected);
    list_->SetListIndex(15);
    QCOMPARE(list_->TopIndex(), 15);
    QCOMPARE(list_->ScrollBar()->Value(), 15);
    list_->SetListIndex(15);
    QCOMPARE(selected.count(), 2);
    // A scroll bar change moves the rows.
    list_->ScrollBar()->SetValue(40);
    QCOMPARE(list_->TopIndex(), 40);
    QCOMPARE(list_->ListIndex(), 15);
}

void ListBoxXPTest::clickAndDragSelect() {
    Fill(30);
    list_->RefreshListBox();
    QSignalSpy selected(list_, &ListBoxXP::ItemSelected);
    const QPoint row2 = list_->RowRect(2).center();
    QTest::mouseClick(list_, Qt::LeftButton, {}, row2);
    QCOMPARE(list_->ListIndex(), 2);
    QVERIFY(list_->ScrollBar()->hasFocus());

    QTest::mousePress(list_, Qt::LeftButton, {}, list_->RowRect(3).center());
    QTest::mouseMove(list_, list_->RowRect(5).center());
    QCOMPARE(list_->ListIndex(), 5);
    QTest::mouseRelease(list_, Qt::LeftButton, {}, list_->RowRect(5).center());
    QTest::mouseMove(list_, list_->RowRect(7).center());
    QCOMPARE(list_->ListIndex(), 5);
    QCOMPARE(selected.count(), 3);
    QVERIFY(list_->IsItemSelected(5));
    QVERIFY(!list_->IsItemSelected(2) && !list_->IsItemSelected(3));
}

void ListBoxXPTest::doubleClickAnywhere() {
    Fill(2);
    list_->RefreshListBox();
    QSignalSpy doubleClicks(list_, &ListBoxXP::DblClick);
    QTest::mouseDClick(list_, Qt::LeftButton, {}, list_->RowRect(1).center());
    QTest::mouseDClick(list_, Qt::LeftButton, {}, QPoint(20, list_->height() - 10));
    QCOMPARE(doubleClicks.count(), 2);
}

void ListBoxXPTest::lettersSearchAndWrap() {
    for (const char* word : {"apple", "Banana", "cherry", "blueberry", "date"})
        list_->AddListItem(QString::fromUtf8(word));
    list_->RefreshListBox();
    list_->setFocus();
    QVERIFY(list_->ScrollBar()->hasFocus());
    list_->SetListIndex(0);
    QTest::keyClick(list_->ScrollBar(), Qt::Key_B);
    QCOMPARE(list_->ListIndex(), 1);
    QTest::keyClick(list_->ScrollBar(), Qt::Key_B);
    QCOMPARE(list_->ListIndex(), 3);
    QTest::keyClick(list_->ScrollBar(), Qt::Key_B); // none below: wraps to the top
    QCOMPARE(list_->ListIndex(), 1);
    QTest::keyClick(list_->ScrollBar(), Qt::Key_X);
    QCOMPARE(list_->ListIndex(), 1);
}

void ListBoxXPTest::movementKeys_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("want");
    QTest::addRow("down") << 4 << int(Qt::Key_Down) << 5;
    QTest::addRow("up") << 4 << int(Qt::Key_Up) << 3;
    QTest::addRow("page down") << 0 << int(Qt::Key_PageDown) << 10;
    // Selecting 45 scrolls it to the top, which the scroll bar's maximum 40 brings back to 40.
    QTest::addRow("page up") << 45 << int(Qt::Key_PageUp) << 30;
    QTest::addRow("end") << 3 << int(Qt::Key_End) << 49;
    QTest::addRow("home") << 30 << int(Qt::Key_Home) << 0;
}

void ListBoxXPTest::movementKeys() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, want);
    list_->resize(200, TwipsToPixels(10 * list_->ItemHeight() + 90));
    Fill(50);
    list_->RefreshListBox();
    list_->SetListIndex(start);
    list_->setFocus();
    QTest::keyClick(list_->ScrollBar(), Qt::Key(key));
    QCOMPARE(list_->ListIndex(), want);
}

void ListBoxXPTest::focusChangesTheOutline() {
    auto* other = new QWidget(form_);
    other->setFocusPolicy(Qt::StrongFocus);
    other->setGeometry(250, 10, 20, 20);
    other->show();
    Fill(3);
    list_->RefreshListBox();
    other->setFocus();
    QCOMPARE(list_->OutlineColor(), list_->SkinColors().BorderColor);
    list_->setFocus();
    QCOMPARE(list_->OutlineColor(), list_->SkinColors().FocusBorderColor);
    QCOMPARE(PixelAt(list_, QPoint(0, list_->height() / 2)), ColorFromNumber(255));
    // Gaining the focus draws the ListIndex row selected.
    QVERIFY(PixelAt(list_, list_->RowRect(0).center()) ==
            ColorFromNumber(list_->SkinColors().SelectedItemBackColor));
    other->setFocus();
    QCOMPARE(list_->OutlineColor(), list_->SkinColors().BorderColor);
}

void ListBoxXPTest::addingNeverDrawsAndRedrawsDrawOnlyVisibleRows() {
    list_->resize(200, TwipsToPixels(10 * list_->ItemHeight() + 90));
    const qint64 before = list_->RowsDrawn();
    QElapsedTimer clock;
    clock.start();
    Fill(50000);
    QCOMPARE(list_->RowsDrawn(), before);
    list_->RefreshListBox();
    QCOMPARE(list_->RowsDrawn() - before, 10);
    list_->SetListIndex(3);
    list_->SetListIndex(4);
    QCOMPARE(list_->RowsDrawn() - before, 14); // two rows for each selection
    list_->SetTopIndex(40000);
    QCOMPARE(list_->RowsDrawn() - before, 24);
    QCOMPARE(list_->ScrollBar()->Value(), 40000);
    qInfo("50000 items added and shown in %lld ms", clock.elapsed());
}

void ListBoxXPTest::captionsWithTabLineUp() {
    list_->resize(260, 200);
    list_->AddListItem(QStringLiteral("2004年1月5日 9:30\t交作业"));
    list_->AddListItem(QStringLiteral("2004年12月25日 21:05\t给家里打电话"));
    list_->AddListItem(QStringLiteral("没有制表符的一行"));
    list_->RefreshListBox();
    list_->SetListIndex(1);
    // The text after the TAB starts at one column: find the first dark pixel of each row right
    // of the widest date.
    const QImage image = list_->grab().toImage();
    const int column =
        TwipsToPixels(80) +
        QFontMetrics(list_->Fonts()).horizontalAdvance(QStringLiteral("2004年12月25日 21:05"));
    QList<int> starts;
    for (int row = 0; row < 2; ++row) {
        const QRect rect = list_->RowRect(row);
        int start = -1;
        for (int x = column + 1; x < rect.right() && start < 0; ++x) {
            for (int y = rect.top() + 2; y < rect.bottom() - 1; ++y) {
                if (image.pixelColor(x, y).lightness() < 128) {
                    start = x;
                    break;
                }
            }
        }
        starts.append(start);
    }
    QVERIFY(starts[0] > column);
    QCOMPARE(starts[0], starts[1]);
    SaveGrab(list_, QStringLiteral("listbox-tabs.png"));
}

void ListBoxXPTest::scrollBarArrowsAndTrack() {
    VScrollBarXP* bar = list_->ScrollBar();
    bar->SetMax(100);
    bar->SetLargeChange(10);
    QSignalSpy changes(bar, &VScrollBarXP::Change);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->DownArrowRect().center());
    QCOMPARE(bar->Value(), 1);
    QCOMPARE(bar->DownCell(), VScrollBarXP::ArrowCell::Down);
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      QPoint(bar->width() / 2, bar->ThumbRect().bottom() + 5));
    QCOMPARE(bar->Value(), 11);
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      QPoint(bar->width() / 2, bar->ThumbRect().top() - 3));
    QCOMPARE(bar->Value(), 1);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->UpArrowRect().center());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->UpArrowRect().center()); // at Min already
    QCOMPARE(bar->Value(), 0);
    QCOMPARE(changes.count(), 4);
    // The thumb sits below the up arrow at Min and above the down arrow at Max.
    QCOMPARE(bar->ThumbRect().top(), bar->UpArrowRect().bottom() + 1);
    bar->SetValue(100);
    QCOMPARE(bar->ThumbRect().bottom(), bar->DownArrowRect().top() - 1);
}

void ListBoxXPTest::scrollBarThumbDrag() {
    VScrollBarXP* bar = list_->ScrollBar();
    bar->SetMax(50);
    bar->SetValue(10);
    const QRect thumb = bar->ThumbRect();
    const int freeTrack =
        PixelsToTwips(bar->height() - thumb.height() - 2 * bar->UpArrowRect().height());
    QPoint at = thumb.center();
    QTest::mousePress(bar, Qt::LeftButton, {}, at);
    QCOMPARE(bar->ThumbState(), VScrollBarXP::ThumbCell::Pressed);
    const int pixels = 20;
    QTest::mouseMove(bar, at + QPoint(0, pixels));
    const int want = 10 + qRound(double(PixelsToTwips(pixels)) * 50 / freeTrack);
    QCOMPARE(bar->Value(), want);
    QTest::mouseMove(bar, QPoint(at.x(), bar->height() + 200));
    QCOMPARE(bar->Value(), 50);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(at.x(), bar->height() + 200));
    QCOMPARE(bar->ThumbState(), VScrollBarXP::ThumbCell::Normal);
}

void ListBoxXPTest::scrollBarDragBeyondSixteenBits() {
    list_->resize(200, TwipsToPixels(10 * list_->ItemHeight() + 90));
    Fill(70000);
    list_->RefreshListBox();
    VScrollBarXP* bar = list_->ScrollBar();
    QCOMPARE(bar->Max(), 69990);
    const QPoint at = bar->ThumbRect().center();
    QTest::mousePress(bar, Qt::LeftButton, {}, at);
    QTest::mouseMove(bar, QPoint(at.x(), bar->height() / 2));
    QVERIFY(bar->Value() > 30000 && bar->Value() < 40000);
    QCOMPARE(list_->TopIndex(), bar->Value());
    QTest::mouseMove(bar, QPoint(at.x(), bar->height() * 2));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(at.x(), bar->height() * 2));
    QCOMPARE(list_->TopIndex(), 69990);
    QCOMPARE(list_->GetListItemCaption(list_->TopIndex()), QStringLiteral("item 69990"));
}

void ListBoxXPTest::arrowAutoRepeatsAfter500ThenEvery100() {
    VScrollBarXP* bar = list_->ScrollBar();
    bar->SetMax(1000);
    QElapsedTimer clock;
    QList<qint64> times;
    connect(bar, &VScrollBarXP::Change, this, [&] { times.append(clock.elapsed()); });
    clock.start();
    QTest::mousePress(bar, Qt::LeftButton, {}, bar->DownArrowRect().center());
    QCOMPARE(times.size(), 1); // at once
    QCOMPARE(bar->DownCell(), VScrollBarXP::ArrowCell::DownPressed);
    QCOMPARE(bar->Repeat().Interval(), 500);
    QTest::qWait(400);
    QCOMPARE(times.size(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(times.size(), 2, 1000);
    QVERIFY2(times[1] >= 490, qPrintable(QString::number(times[1])));
    QCOMPARE(bar->Repeat().Interval(), 100);
    QTRY_VERIFY_WITH_TIMEOUT(times.size() >= 6, 2000);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, bar->DownArrowRect().center());
    const int steps = int(times.size());
    for (int i = 2; i < steps; ++i)
        QVERIFY2(times[i] - times[i - 1] >= 95,
                 qPrintable(QString::number(times[i] - times[i - 1])));
    QTest::qWait(250);
    QCOMPARE(int(times.size()), steps);
    QCOMPARE(bar->Value(), steps);
    QCOMPARE(bar->DownCell(), VScrollBarXP::ArrowCell::Down);
}

void ListBoxXPTest::scrollBarReportsKeysAndFocus() {
    VScrollBarXP* bar = list_->ScrollBar();
    QSignalSpy keys(bar, &VScrollBarXP::KeyDown);
    QSignalSpy enter(bar, &VScrollBarXP::EnterFocus);
    QSignalSpy exit(bar, &VScrollBarXP::ExitFocus);
    bar->clearFocus();
    exit.clear();
    bar->setFocus();
    QCOMPARE(enter.count(), 1);
    QTest::keyClick(bar, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(bar, Qt::Key_Q);
    // Shift itself goes down first.
    QCOMPARE(keys.count(), 3);
    QCOMPARE(keys[0][0].toInt(), 16);
    QCOMPARE(keys[1][0].toInt(), 40);
    QCOMPARE(keys[1][1].toInt(), 1);
    QCOMPARE(keys[2][0].toInt(), 81);
    QCOMPARE(bar->Value(), 0); // keys do not move the bar itself
    bar->clearFocus();
    QCOMPARE(exit.count(), 1);
}

QTEST_MAIN(ListBoxXPTest)
#include "listboxxp_test.moc"
