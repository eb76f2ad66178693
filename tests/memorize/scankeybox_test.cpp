// The hot-key capture box, with real key events in its inner text box.

#include "memorize/ui/scankeybox.h"
#include "platform/xcbhotkeys.h"
#include "skin/ui/textboxxp.h"

#include <QLineEdit>
#include <QTest>

using namespace lexarion;

class ScanKeyBoxTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        window_ = std::make_unique<QWidget>();
        box_ = new ScanKeyBox(window_.get());
        box_->setGeometry(10, 10, 120, 24);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        box_->setFocus();
    }
    void cleanup() { window_.reset(); }

    void startsEmpty() {
        QCOMPARE(box_->Box()->Text(), QStringLiteral("无"));
        QCOMPARE(box_->ScanKeyCode(), 0);
        QCOMPARE(box_->ScanShift(), 0);
        QCOMPARE(box_->Box()->geometry(), box_->rect());
    }

    void pressedCombination_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shift");
        QTest::addRow("Ctrl+F1") << int(Qt::Key_F1) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                 << "Ctrl + F1" << 112 << 2;
        QTest::addRow("Ctrl+Shift+F5")
            << int(Qt::Key_F5) << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier)
            << "Shift + Ctrl + F5" << 116 << 3;
        QTest::addRow("Alt+A") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::AltModifier)
                               << "Alt + A" << 65 << 4;
        QTest::addRow("Left") << int(Qt::Key_Left) << Qt::KeyboardModifiers() << "Left" << 37 << 0;
        QTest::addRow("keypad 7") << int(Qt::Key_7) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << "Num 7" << 103 << 0;
        QTest::addRow("keypad separator")
            << int(Qt::Key_Comma) << Qt::KeyboardModifiers(Qt::KeypadModifier) << "Num " << 108
            << 0;
        QTest::addRow("Ctrl alone")
            << int(Qt::Key_Control) << Qt::KeyboardModifiers(Qt::ControlModifier) << "无" << 0 << 0;
        QTest::addRow("Shift+Space")
            << int(Qt::Key_Space) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "无" << 0 << 0;
        QTest::addRow("Escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << "无" << 0 << 0;
    }
    void pressedCombination() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, shown);
        QFETCH(int, code);
        QFETCH(int, shift);
        QLineEdit* edit = box_->Box()->ControlXP();
        QTest::keyPress(edit, Qt::Key(key), modifiers);
        QCOMPARE(box_->ScanKeyCode(), code);
        QCOMPARE(box_->ScanShift(), shift);
        QTest::keyRelease(edit, Qt::Key(key), modifiers);
        QCOMPARE(box_->Box()->Text(), shown);
        QCOMPARE(box_->ScanKeyCode(), code);
        QCOMPARE(box_->ScanShift(), shift);
        // The whole text is selected after the key goes up.
        QCOMPARE(edit->selectedText(), shown);
    }

    void modifierHeldShowsNothingUntilReleased() {
        QLineEdit* edit = box_->Box()->ControlXP();
        QTest::keyPress(edit, Qt::Key_F2, Qt::ControlModifier);
        // A modifier pressed on its own afterwards clears the combination.
        QTest::keyPress(edit, Qt::Key_Shift, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(box_->Box()->Text(), QStringLiteral("无"));
        QCOMPARE(box_->ScanKeyCode(), 0);
        QCOMPARE(box_->ScanShift(), 0);
    }

    void typedCharactersAndEditingKeysAreDiscarded() {
        box_->SetScanShift(2);
        box_->SetScanKeyCode(112);
        QLineEdit* edit = box_->Box()->ControlXP();
        // Each key shows its own name; none of the characters gets typed in.
        QTest::keyClicks(edit, QStringLiteral("xyz"));
        QCOMPARE(box_->Box()->Text(), QStringLiteral("Z"));
        QTest::keyClicks(edit, QStringLiteral("!"));
        QCOMPARE(box_->Box()->Text(), QStringLiteral("1"));
        box_->SetScanShift(2);
        box_->SetScanKeyCode(112);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(box_->Box()->Text(), QStringLiteral("无"));
        // Committed input-method text does not get in either.
        QInputMethodEvent input;
        input.setCommitString(QStringLiteral("中文"));
        QCoreApplication::sendEvent(edit, &input);
        QVERIFY(!box_->Box()->Text().contains(QStringLiteral("中")));
    }

    void writingTheCodeShowsTheStoredCombination() {
        box_->SetScanShift(2);
        box_->SetScanKeyCode(112);
        QCOMPARE(box_->Box()->Text(), QStringLiteral("Ctrl + F1"));
        box_->SetScanShift(1);
        box_->SetScanKeyCode(65);
        QCOMPARE(box_->Box()->Text(), QStringLiteral("Shift + A"));
        // A mask without a key reads 0 and is forgotten.
        box_->SetScanShift(4);
        box_->SetScanKeyCode(0);
        QCOMPARE(box_->Box()->Text(), QStringLiteral("无"));
        QCOMPARE(box_->ScanShift(), 0);
        box_->SetScanKeyCode(65);
        QCOMPARE(box_->ScanShift(), 0);
    }

    void enabledAndFontReachTheInnerBox() {
        box_->SetEnabled(false);
        QVERIFY(!box_->Box()->Enabled());
        QVERIFY(!box_->Enabled());
        QFont font(QStringLiteral("DejaVu Sans"), 13);
        box_->SetFonts(font);
        QCOMPARE(box_->Box()->Fonts().pointSize(), 13);
    }

    // Without an X server there are no system-wide keys: every registration is refused.
    void noHotKeysWithoutX11() {
        std::unique_ptr<HotKeys> keys = CreateSystemHotKeys([](QObject*, int) {});
        QObject window;
        QVERIFY(!keys->RegisterHotKey(&window, 1, 2, 112));
        QVERIFY(!keys->UnregisterHotKey(&window, 1));
    }

private:
    std::unique_ptr<QWidget> window_;
    ScanKeyBox* box_ = nullptr;
};

QTEST_MAIN(ScanKeyBoxTest)
#include "scankeybox_test.moc"
