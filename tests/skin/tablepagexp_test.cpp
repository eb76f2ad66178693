#include "skin/twips.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/checkboxxp.h"
#include "skin/ui/framexp.h"
#include "skin/ui/listboxxp.h"
#include "skin/ui/picturebox.h"
#include "skin/ui/radioboxxp.h"
#include "skin/ui/skincolor.h"
#include "skin/ui/skinpicture.h"
#include "skin/ui/sliderxp.h"
#include "skin/ui/tablepagexp.h"
#include "skin/ui/textboxxp.h"
#include "skin/ui/updownxp.h"
#include "skin/ui/vscrollbarxp.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace lexarion;

namespace {

// A control of each kind, by class name.
QWidget* NewControl(const QString& kind, QWidget* parent) {
    if (kind == u"ButtonXP")
        return new ButtonXP(parent);
    if (kind == u"CheckBoxXP")
        return new CheckBoxXP(parent);
    if (kind == u"RadioBoxXP")
        return new RadioBoxXP(parent);
    if (kind == u"TextBoxXP")
        return new TextBoxXP(parent);
    if (kind == u"ListBoxXP")
        return new ListBoxXP(parent);
    if (kind == u"VScrollBarXP")
        return new VScrollBarXP(parent);
    if (kind == u"SliderXP")
        return new SliderXP(parent);
    if (kind == u"UpDownXP")
        return new UpDownXP(parent);
    if (kind == u"FrameXP")
        return new FrameXP(parent);
    return nullptr;
}

// Whether the Tab key can bring the focus to `control` (to its focus proxy when it has one).
bool HasTabStop(const QWidget* control) {
    const QWidget* target = control->focusProxy() ? control->focusProxy() : control;
    return target->focusPolicy() & Qt::TabFocus;
}

} // namespace

// A window with three pages at one rectangle, a list on the first and the third page, and a
// slider-free list outside every page.
class TablePageXPTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void facesSitAtTheirSlots();
    void selectingAPageDeselectsTheOthers();
    void tabStopsFollowTheSelectedPage_data();
    void tabStopsFollowTheSelectedPage();
    void clicksOnTheFace_data();
    void clicksOnTheFace();
    void spaceSelectsWithoutClick();
    void hoverLooks();
    void shortPagesAndLongFaces();
    void panelIndexMovesTheFaceWithoutMargin();
    void pagesAreAligned();

private:
    QWidget* form_ = nullptr;
    QList<TablePageXP*> pages_;
    ListBoxXP* onFirst_ = nullptr;
    ListBoxXP* onThird_ = nullptr;
    ListBoxXP* outside_ = nullptr;
};

void TablePageXPTest::init() {
    form_ = new QWidget;
    form_->resize(400, 300);
    pages_.clear();
    for (int i = 0; i < 3; ++i) {
        auto* page = new TablePageXP(form_);
        page->setGeometry(10, 10, 300, 200);
        page->SetPanelIndex(qint16(i));
        page->SetCaption(QStringLiteral("页面%1").arg(i + 1));
        pages_.append(page);
    }
    onFirst_ = new ListBoxXP(pages_[0]);
    onFirst_->setGeometry(20, 40, 120, 100);
    onThird_ = new ListBoxXP(pages_[2]);
    onThird_->setGeometry(20, 40, 120, 100);
    outside_ = new ListBoxXP(form_);
    outside_->setGeometry(320, 10, 70, 100);
    pages_[0]->SetValue(true);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
}

void TablePageXPTest::cleanup() {
    delete form_;
    form_ = nullptr;
}

void TablePageXPTest::facesSitAtTheirSlots() {
    QCOMPARE(pages_[0]->Face()->width() * 15, 870);
    QCOMPARE(pages_[0]->FaceLeftTwips(), 10.0);
    QCOMPARE(pages_[1]->FaceLeftTwips(), 880.0);
    QCOMPARE(pages_[2]->FaceLeftTwips(), 1750.0);
    QCOMPARE(pages_[2]->Face()->x(), TwipsToPixels(1750));
    QCOMPARE(pages_[0]->EdgeTwips(TablePageXP::TopLeftEdge).width(), 10.0);
    QCOMPARE(pages_[0]->EdgeTwips(TablePageXP::TopRightEdge).left(), 880.0);
    QCOMPARE(pages_[0]->FaceState(), TablePageXP::FaceCell::Highlighted);
    QCOMPARE(pages_[1]->FaceState(), TablePageXP::FaceCell::Normal);
}

void TablePageXPTest::selectingAPageDeselectsTheOthers() {
    pages_[2]->SetValue(true);
    QVERIFY(!pages_[0]->Value());
    QVERIFY(!pages_[1]->Value());
    QVERIFY(pages_[2]->Value());
    // The others are cut to their faces; the selected one shows its panel.
    QCOMPARE(pages_[0]->mask(), QRegion(pages_[0]->Face()->geometry()));
    QVERIFY(pages_[2]->mask().contains(QPoint(150, 100)));
    QVERIFY(!pages_[0]->mask().contains(QPoint(150, 100)));
    const QImage image = form_->grab().toImage();
    if (const QString folder = qEnvironmentVariable("LEXARION_GRAB_FOLDER"); !folder.isEmpty())
        image.save(folder + QStringLiteral("/tablepages.png"));
}

void TablePageXPTest::tabStopsFollowTheSelectedPage_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("follows");
    for (const char* kind : {"ButtonXP", "CheckBoxXP", "RadioBoxXP", "TextBoxXP", "ListBoxXP",
                             "VScrollBarXP", "SliderXP", "UpDownXP"})
        QTest::addRow("%s", kind) << QString::fromLatin1(kind) << true;
    // A group frame takes no focus and keeps it that way on any page.
    QTest::addRow("FrameXP") << QStringLiteral("FrameXP") << false;
}

void TablePageXPTest::tabStopsFollowTheSelectedPage() {
    QFETCH(QString, kind);
    QFETCH(bool, follows);
    QWidget* onThird = NewControl(kind, pages_[2]);
    onThird->move(20, 40);
    QWidget* outside = NewControl(kind, form_);
    outside->move(320, 150);
    onThird->show();
    outside->show();

    pages_[0]->SetValue(true);
    QCOMPARE(EnclosingPage(onThird), pages_[2]);
    QCOMPARE(EnclosingPage(outside), nullptr);
    QVERIFY(!HasTabStop(onThird));
    QCOMPARE(HasTabStop(outside), follows);
    // Tab from the list outside every page never lands on the control of a page not selected.
    outside_->setFocus();
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(!onThird->isAncestorOf(QApplication::focusWidget()));
        QVERIFY(QApplication::focusWidget() != onThird);
    }

    pages_[2]->SetValue(true);
    QCOMPARE(HasTabStop(onThird), follows);
    QCOMPARE(HasTabStop(outside), follows);
    QVERIFY(!HasTabStop(onFirst_));
    QVERIFY(HasTabStop(onThird_));
    QVERIFY(HasTabStop(outside_));
}

void TablePageXPTest::clicksOnTheFace_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("releaseInside");
    QTest::addColumn<int>("wantClicks");
    QTest::addColumn<int>("wantSelected");
    QTest::addRow("another page") << 1 << true << 1 << 1;
    QTest::addRow("the selected page") << 0 << true << 1 << 0;
    QTest::addRow("released outside") << 2 << false << 0 << 0;
}

void TablePageXPTest::clicksOnTheFace() {
    QFETCH(int, page);
    QFETCH(bool, releaseInside);
    QFETCH(int, wantClicks);
    QFETCH(int, wantSelected);
    PictureBox* face = pages_[page]->Face();
    QSignalSpy clicks(pages_[page], &TablePageXP::Click);
    // On the caption, which counts as the face.
    const QPoint at = pages_[page]->CaptionLabel()->geometry().center();
    QTest::mousePress(face, Qt::LeftButton, {}, at);
    QCOMPARE(pages_[page]->FaceState(), TablePageXP::FaceCell::Highlighted);
    const QPoint release = releaseInside ? at : QPoint(at.x(), face->height() + 40);
    QTest::mouseMove(face, release);
    QTest::mouseRelease(face, Qt::LeftButton, {}, release);
    QCOMPARE(clicks.count(), wantClicks);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(pages_[i]->Value(), i == wantSelected);
    QCOMPARE(pages_[wantSelected]->FaceState(), TablePageXP::FaceCell::Highlighted);
}

void TablePageXPTest::spaceSelectsWithoutClick() {
    QSignalSpy clicks(pages_[1], &TablePageXP::Click);
    pages_[1]->Face()->setFocus();
    QVERIFY(pages_[1]->Face()->FocusFrame().has_value());
    QTest::keyClick(pages_[1]->Face(), Qt::Key_Space);
    QVERIFY(pages_[1]->Value());
    QVERIFY(!pages_[0]->Value());
    QCOMPARE(clicks.count(), 0);
    outside_->setFocus();
    QVERIFY(!pages_[1]->Face()->FocusFrame().has_value());
}

void TablePageXPTest::hoverLooks() {
    // Both caption colours are black until a skin is loaded.
    QCOMPARE(pages_[1]->FocusForeColor(), 0);
    pages_[1]->LoadSkin(BuiltInSkinFolder());
    QVERIFY(pages_[1]->FocusForeColor() != 0);
    QSignalSpy over(pages_[1], &TablePageXP::MouseOver);
    QSignalSpy out(pages_[1], &TablePageXP::MouseOut);
    PictureBox* face = pages_[1]->Face();
    QTest::mouseMove(face, QPoint(10, 5));
    QCOMPARE(over.count(), 1);
    QCOMPARE(pages_[1]->FaceState(), TablePageXP::FaceCell::Highlighted);
    QCOMPARE(pages_[1]->CaptionLabel()->palette().color(QPalette::WindowText),
             ColorFromNumber(pages_[1]->FocusForeColor()));
    QTest::mouseMove(form_, QPoint(380, 280));
    QTRY_COMPARE(out.count(), 1);
    QCOMPARE(pages_[1]->FaceState(), TablePageXP::FaceCell::Normal);
}

void TablePageXPTest::shortPagesAndLongFaces() {
    pages_[2]->setGeometry(10, 10, 120, 10);
    QCOMPARE(pages_[2]->EdgeTwips(TablePageXP::LeftEdge).height(), 1.0);
    QCOMPARE(pages_[2]->EdgeTwips(TablePageXP::RightEdge).height(), 1.0);
    QCOMPARE(pages_[2]->EdgeTwips(TablePageXP::TopRightEdge).width(), 1.0);
}

void TablePageXPTest::panelIndexMovesTheFaceWithoutMargin() {
    pages_[1]->SetPanelIndex(3);
    QCOMPARE(pages_[1]->FaceLeftTwips(), 3 * 870.0);
    QCOMPARE(pages_[1]->Face()->x(), TwipsToPixels(3 * 870));
    pages_[1]->resize(pages_[1]->width() + 1, pages_[1]->height());
    QCOMPARE(pages_[1]->FaceLeftTwips(), 3 * 870.0 + 10);
}

void TablePageXPTest::pagesAreAligned() {
    auto* form = new QWidget;
    auto* first = new TablePageXP(form);
    first->setGeometry(5, 5, 280, 190);
    auto* last = new TablePageXP(form);
    last->setGeometry(8, 9, 300, 200);
    last->SetPanelIndex(1);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QCOMPARE(first->geometry(), QRect(8, 9, 300, 200));
    delete form;
}

QTEST_MAIN(TablePageXPTest)
#include "tablepagexp_test.moc"
