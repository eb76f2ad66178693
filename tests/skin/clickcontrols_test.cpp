// The push button, check box and option button as a user drives them: real mouse and key
// events on the offscreen platform, against the built-in pictures and a fixture skin whose
// cells are plain colours.

#include "skin/ui/applyskin.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/checkboxxp.h"
#include "skin/ui/formcontrols.h"
#include "skin/ui/framexp.h"
#include "skin/ui/radioboxxp.h"
#include "skinfixture.h"

#include <QKeyEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace lexarion;
using namespace lexarion::testing;

namespace {

// Caption colours of the fixture skin.
constexpr qint32 ButtonFore = 255;
constexpr qint32 ButtonFocusFore = 65280;
constexpr qint32 CheckFore = 128;
constexpr qint32 CheckFocusFore = 32768;

QByteArray FixtureConfig() {
    return QByteArrayLiteral("[Button]\r\nForeColor=255\r\nFocusForeColor=65280\r\n"
                             "[CheckBox]\r\nForeColor=128\r\nFocusForeColor=32768\r\n"
                             "[OptionBox]\r\nForeColor=128\r\nFocusForeColor=32768\r\n");
}

// Events counted on one control.
struct Spies {
    explicit Spies(ClickableXP* control)
        : click(control, &ClickableXP::Click), over(control, &ClickableXP::MouseOver),
          out(control, &ClickableXP::MouseOut) {}
    QSignalSpy click;
    QSignalSpy over;
    QSignalSpy out;
};

// Drives `control` (placed in `host`) by a run of letters: i / o the pointer moves onto the
// control / away from it, p press, r release on the control, R release away from it, c a
// press and release on the caption text, f the focus, s a typed space.
void Drive(QWidget* host, ClickableXP* control, const QString& inputs) {
    // Two points on the control, taken in turn: a move to where the pointer already is is no
    // move.
    const QPoint inside[2] = {control->rect().center(), control->rect().center() + QPoint(1, 1)};
    int next = 0;
    const QPoint centre = inside[0];
    const QPoint away = control->mapFrom(host, QPoint(host->width() - 5, host->height() - 5));
    for (const QChar input : inputs) {
        switch (input.unicode()) {
        case 'i':
            QTest::mouseMove(control, inside[next]);
            next = 1 - next;
            break;
        case 'o':
            QTest::mouseMove(control, away);
            break;
        case 'p':
            QTest::mousePress(control, Qt::LeftButton, {}, centre);
            break;
        case 'r':
            QTest::mouseRelease(control, Qt::LeftButton, {}, centre);
            break;
        case 'R':
            QTest::mouseRelease(control, Qt::LeftButton, {}, away);
            break;
        case 'c':
            QTest::mouseClick(control, Qt::LeftButton, {}, control->CaptionGeometry().center());
            break;
        case 'f':
            control->setFocus();
            break;
        case 's':
            QTest::keyClick(control, Qt::Key_Space);
            break;
        }
    }
}

} // namespace

class ClickControlsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder_ = std::make_unique<TempProgramFolder>();
        host_ = ShowHost();
        QVERIFY(host_);
    }
    void cleanup() {
        CloseHost(host_);
        folder_.reset();
    }

    void buttonIsAlwaysOneCell() {
        auto* button = new ButtonXP(host_.get());
        button->resize(200, 100);
        QCOMPARE(button->size(), QSize(66, 26));
        const QString skin =
            WriteSkin(*folder_, "Fixture", {{"Button.bmp", FixtureStrip(4, QSize(30, 20))}});
        button->LoadSkin(skin);
        // 30 x 20 pixels, 10 twips more each way, make 31 x 21.
        QCOMPARE(button->size(), QSize(31, 21));
        button->resize(80, 80);
        QCOMPARE(button->size(), QSize(31, 21));
    }

    void buttonCells_data() {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<int>("cell");
        QTest::addColumn<qint32>("caption");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("overs");
        QTest::addColumn<int>("outs");
        QTest::addRow("untouched") << "" << 1 << ButtonFore << 0 << 0 << 0;
        QTest::addRow("pointer over") << "i" << 3 << ButtonFocusFore << 0 << 1 << 0;
        QTest::addRow("pointer over and away") << "io" << 1 << ButtonFore << 0 << 1 << 1;
        QTest::addRow("pressed") << "ip" << 2 << ButtonFocusFore << 0 << 1 << 0;
        QTest::addRow("clicked") << "ipr" << 1 << ButtonFore << 1 << 1 << 0;
        QTest::addRow("pressed, left") << "ipo" << 3 << ButtonFocusFore << 0 << 1 << 0;
        QTest::addRow("pressed, released away") << "ipoR" << 1 << ButtonFore << 0 << 1 << 0;
        QTest::addRow("pressed, back, released") << "ipoir" << 1 << ButtonFore << 1 << 1 << 0;
        QTest::addRow("clicked, moved on") << "ipri" << 3 << ButtonFocusFore << 1 << 2 << 0;
    }
    void buttonCells() {
        QFETCH(QString, inputs);
        QFETCH(int, cell);
        QFETCH(qint32, caption);
        auto* button = new ButtonXP(host_.get());
        button->move(20, 20);
        button->show();
        button->LoadSkin(WriteSkin(
            *folder_, "Fixture",
            {{"Button.bmp", FixtureStrip(4, QSize(30, 20))}, {"config.ini", FixtureConfig()}}));
        button->SetCaption(QString());
        Spies spies(button);
        Drive(host_.get(), button, inputs);
        QCOMPARE(button->ShownCell(), cell);
        QCOMPARE(button->CaptionColor(), caption);
        // What is painted is that cell.
        QCOMPARE(button->grab().toImage().pixelColor(2, 10), FixtureCellColor(cell));
        QTEST(int(spies.click.count()), "clicks");
        QTEST(int(spies.over.count()), "overs");
        QTEST(int(spies.out.count()), "outs");
    }

    void buttonSpaceBar() {
        auto* button = new ButtonXP(host_.get());
        button->show();
        button->setFocus();
        QSignalSpy click(button, &ButtonXP::Click);
        QTest::keyPress(button, Qt::Key_Space);
        // Holding the bar repeats the key.
        for (int repeat = 0; repeat < 3; ++repeat) {
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
            QApplication::sendEvent(button, &release);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
            QApplication::sendEvent(button, &press);
        }
        QCOMPARE(button->ShownCell(), int(ButtonCell::Pressed));
        QCOMPARE(click.count(), 0);
        QTest::keyRelease(button, Qt::Key_Space);
        QCOMPARE(button->ShownCell(), int(ButtonCell::Normal));
        QCOMPARE(click.count(), 1);
    }

    void buttonKeyPress() {
        auto* button = new ButtonXP(host_.get());
        button->show();
        button->setFocus();
        QSignalSpy keys(button, &ButtonXP::KeyPress);
        QTest::keyClick(button, Qt::Key_A);
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Left);
        QCOMPARE(keys.count(), 2);
        QCOMPARE(keys.at(0).at(0).toInt(), int('a'));
        QCOMPARE(keys.at(1).at(0).toInt(), 13);
    }

    void buttonFocusFrame() {
        auto* button = new ButtonXP(host_.get());
        button->show();
        QCOMPARE(button->FocusFrame(), std::nullopt);
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());
        // 60 twips inside the 66 x 26 face.
        QCOMPARE(button->FocusFrame(), QRect(QPoint(4, 4), QPoint(61, 21)));
        // The dotted line is painted over the face, on the frame's edge and not outside it.
        const QImage image = button->grab().toImage();
        auto dots = [&](int x) {
            int count = 0;
            for (int y = 5; y < 21; ++y)
                count += image.pixelColor(x, y) == QColor(Qt::black);
            return count;
        };
        QCOMPARE(dots(4), 8);
        QCOMPARE(dots(61), 8);
        QCOMPARE(dots(3), 0);
        host_->setFocus();
        QCOMPARE(button->FocusFrame(), std::nullopt);
    }

    void buttonDisabledInDesignAfterSkin() {
        auto* button = new ButtonXP(host_.get());
        button->SetEnabled(false);
        ApplySkinFolder(host_.get(), WriteSkin(*folder_, "Fixture", {{"config.ini", {}}}));
        QCOMPARE(button->ShownCell(), int(ButtonCell::Disabled));
        Drive(host_.get(), button, "ipr");
        QCOMPARE(button->ShownCell(), int(ButtonCell::Disabled));
        button->SetEnabled(true);
        QCOMPARE(button->ShownCell(), int(ButtonCell::Normal));
    }

    void buttonCaptionCentred() {
        auto* button = new ButtonXP(host_.get());
        button->SetCaption(QStringLiteral("确定"));
        const QRect caption = button->CaptionGeometry();
        QVERIFY(caption.width() > 0);
        QVERIFY(qAbs(caption.center().x() - button->rect().center().x()) <= 1);
        QVERIFY(qAbs(caption.center().y() - button->rect().center().y()) <= 1);
    }

    void toggleCells_data() {
        QTest::addColumn<bool>("option");
        QTest::addColumn<bool>("start");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<bool>("value");
        QTest::addColumn<int>("cell");
        QTest::addColumn<qint32>("caption");
        QTest::addColumn<int>("clicks");
        QTest::addRow("check: pointer over")
            << false << false << "i" << false << 3 << CheckFocusFore << 0;
        QTest::addRow("check: pointer away")
            << false << true << "io" << true << 2 << CheckFore << 0;
        QTest::addRow("check: pressed") << false << false << "ip" << false << 1 << CheckFore << 0;
        QTest::addRow("check: clicked")
            << false << false << "ipr" << true << 4 << CheckFocusFore << 1;
        QTest::addRow("check: clicked twice")
            << false << false << "iprpr" << false << 3 << CheckFocusFore << 2;
        QTest::addRow("check: released away")
            << false << false << "ipoR" << false << 1 << CheckFore << 0;
        QTest::addRow("check: caption clicked")
            << false << false << "c" << true << 4 << CheckFocusFore << 1;
        QTest::addRow("check: space") << false << false << "fs" << true << 2 << CheckFore << 1;
        QTest::addRow("option: clicked")
            << true << false << "ipr" << true << 4 << CheckFocusFore << 1;
        QTest::addRow("option: selected clicked")
            << true << true << "ipr" << true << 4 << CheckFocusFore << 1;
        QTest::addRow("option: space") << true << false << "fs" << true << 2 << CheckFore << 1;
        QTest::addRow("option: caption clicked")
            << true << false << "c" << true << 4 << CheckFocusFore << 1;
    }
    void toggleCells() {
        QFETCH(bool, option);
        QFETCH(bool, start);
        QFETCH(QString, inputs);
        QFETCH(int, cell);
        QFETCH(qint32, caption);
        ToggleXP* toggle = option ? static_cast<ToggleXP*>(new RadioBoxXP(host_.get()))
                                  : static_cast<ToggleXP*>(new CheckBoxXP(host_.get()));
        toggle->setGeometry(20, 20, 150, 24);
        toggle->show();
        toggle->LoadSkin(WriteSkin(*folder_, "Fixture",
                                   {{"CheckBox.bmp", FixtureStrip(6, QSize(12, 12))},
                                    {"RadioBox.bmp", FixtureStrip(6, QSize(12, 12))},
                                    {"config.ini", FixtureConfig()}}));
        toggle->SetValue(start);
        Spies spies(toggle);
        Drive(host_.get(), toggle, inputs);
        QTEST(toggle->Value(), "value");
        QCOMPARE(toggle->ShownCell(), cell);
        QCOMPARE(toggle->CaptionColor(), caption);
        const QPoint markCentre = toggle->PictureGeometry().center();
        QCOMPARE(toggle->grab().toImage().pixelColor(markCentre), FixtureCellColor(cell));
        QTEST(int(spies.click.count()), "clicks");
    }

    void toggleDisabled_data() {
        QTest::addColumn<bool>("option");
        QTest::addColumn<bool>("value");
        QTest::addColumn<int>("cell");
        QTest::addRow("check box") << false << false << 5;
        QTest::addRow("checked check box") << false << true << 6;
        QTest::addRow("option button") << true << false << 5;
        QTest::addRow("selected option button") << true << true << 6;
    }
    void toggleDisabled() {
        QFETCH(bool, option);
        QFETCH(bool, value);
        QFETCH(int, cell);
        ToggleXP* toggle = option ? static_cast<ToggleXP*>(new RadioBoxXP(host_.get()))
                                  : static_cast<ToggleXP*>(new CheckBoxXP(host_.get()));
        toggle->setGeometry(20, 20, 150, 24);
        toggle->show();
        toggle->SetValue(value);
        toggle->SetEnabled(false);
        Spies spies(toggle);
        Drive(host_.get(), toggle, "ipr");
        QCOMPARE(toggle->ShownCell(), cell);
        QCOMPARE(toggle->Value(), value);
        QCOMPARE(spies.click.count() + spies.over.count(), 0);
        toggle->SetEnabled(true);
        QCOMPARE(toggle->ShownCell(), cell - 4);
    }

    void toggleLayoutInPixels() {
        // 100 x 20 pixels are 1500 x 300 twips; the built-in marks are 13 x 13 pixels.
        CheckBoxXP check(host_.get());
        check.setGeometry(0, 0, 100, 20);
        check.show();
        QCOMPARE(check.PictureGeometry(), QRect(0, 4, 13, 13));
        QCOMPARE(check.CaptionGeometry().left(), 20);
        QCOMPARE(check.CaptionGeometry().top(), 4);
        QCOMPARE(check.CaptionGeometry().right(), 99);
        check.setFocus();
        QCOMPARE(check.FocusFrame(), QRect(QPoint(19, 1), QPoint(98, 18)));

        RadioBoxXP radio(host_.get());
        radio.setGeometry(0, 30, 100, 20);
        radio.show();
        QCOMPARE(radio.PictureGeometry(), QRect(0, 3, 13, 14));
        QCOMPARE(radio.CaptionGeometry().left(), 20);
        radio.setFocus();
        QCOMPARE(radio.FocusFrame(), QRect(QPoint(18, 2), QPoint(97, 17)));
    }

    void optionGroupsPerContainer() {
        auto* left = new FrameXP(host_.get());
        left->setGeometry(0, 0, 190, 200);
        auto* right = new FrameXP(host_.get());
        right->setGeometry(200, 0, 190, 200);
        QList<RadioBoxXP*> leftButtons;
        QList<RadioBoxXP*> rightButtons;
        for (int i = 0; i < 3; ++i) {
            leftButtons.append(new RadioBoxXP(left));
            leftButtons.back()->setGeometry(10, 30 + 30 * i, 150, 24);
        }
        for (int i = 0; i < 2; ++i) {
            rightButtons.append(new RadioBoxXP(right));
            rightButtons.back()->setGeometry(10, 30 + 30 * i, 150, 24);
        }
        auto values = [&] {
            QString text;
            for (auto* button : leftButtons + rightButtons)
                text += button->Value() ? u'1' : u'0';
            return text;
        };
        QSignalSpy click(leftButtons[1], &RadioBoxXP::Click);
        QTest::mouseClick(leftButtons[0], Qt::LeftButton);
        QTest::mouseClick(rightButtons[1], Qt::LeftButton);
        QCOMPARE(values(), QStringLiteral("10001"));
        QTest::mouseClick(leftButtons[1], Qt::LeftButton);
        QCOMPARE(values(), QStringLiteral("01001"));
        QCOMPARE(click.count(), 1);
        // Set by the program: the group follows, no Click.
        leftButtons[2]->SetValue(true);
        rightButtons[0]->SetValue(true);
        QCOMPARE(values(), QStringLiteral("00110"));
        QCOMPARE(click.count(), 1);
        leftButtons[2]->SetValue(false);
        QCOMPARE(values(), QStringLiteral("00010"));
        QCOMPARE(leftButtons[2]->ShownCell(), int(MarkCell::Unchecked));
    }

    void skinReachesEveryControl() {
        auto* button = new ButtonXP(host_.get());
        auto* check = new CheckBoxXP(host_.get());
        check->setGeometry(0, 40, 120, 20);
        SetFormBackColor(host_.get(), 0);
        ApplySkinFolder(host_.get(), WriteSkin(*folder_, "Fixture",
                                               {{"Button.bmp", FixtureStrip(4, QSize(30, 20))},
                                                {"config.ini", FixtureConfig()}}));
        QCOMPARE(button->size(), QSize(31, 21));
        QCOMPARE(button->CaptionColor(), ButtonFore);
        QCOMPARE(check->CaptionColor(), CheckFore);
        // The check box takes the form's background, the built-in mark stays.
        QCOMPARE(WidgetBackColor(check), FormBackColor(host_.get()));
        QCOMPARE(check->PictureGeometry().size(), QSize(13, 13));
    }

    void captionsFit_data() {
        QTest::addColumn<QString>("caption");
        QTest::addRow("two characters") << QStringLiteral("确定");
        QTest::addRow("four characters") << QStringLiteral("朗读单词");
        QTest::addRow("latin") << QStringLiteral("OK");
    }
    void captionsFit() {
        QFETCH(QString, caption);
        auto* button = new ButtonXP(host_.get());
        button->SetCaption(caption);
        auto* check = new CheckBoxXP(host_.get());
        check->setGeometry(0, 40, 130, 20);
        check->SetCaption(caption);
        button->show();
        check->show();
        for (ClickableXP* control :
             {static_cast<ClickableXP*>(button), static_cast<ClickableXP*>(check)}) {
            const QRect place = control->CaptionGeometry();
            QVERIFY(control->rect().contains(place));
            const QSize text = control->findChild<QLabel*>()->sizeHint();
            QVERIFY(place.width() >= text.width());
            QVERIFY(place.height() >= text.height());
        }
    }

private:
    std::unique_ptr<TempProgramFolder> folder_;
    std::unique_ptr<QWidget> host_;
};

QTEST_MAIN(ClickControlsTest)
#include "clickcontrols_test.moc"
