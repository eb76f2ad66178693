// The skinned text box and group frame as a user drives them: typing, key handlers that swallow
// or change characters, committed input-method text, the pointer and the focus.

#include "skin/twips.h"
#include "skin/ui/formcontrols.h"
#include "skin/ui/framexp.h"
#include "skin/ui/textboxxp.h"
#include "skinfixture.h"

#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace lexarion;
using namespace lexarion::testing;

namespace {

QByteArray TextBoxConfig() {
    return QByteArrayLiteral("[TextBox]\r\nForeColor=1\r\nBorderColor=2\r\nBackColor=3\r\n"
                             "FocusForeColor=4\r\nFocusBorderColor=5\r\nFocusBackColor=6\r\n"
                             "[Frame]\r\nBorderColor=&HFF\r\n");
}

// Commits `text` to `box` the way an input method does once a word is chosen.
void CommitInput(QLineEdit* box, const QString& text) {
    QInputMethodEvent preedit(QStringLiteral("dan'ci"), {});
    QApplication::sendEvent(box, &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

struct Colors {
    qint32 border;
    qint32 fore;
    qint32 back;
    friend bool operator==(const Colors&, const Colors&) = default;
};

Colors Shown(const TextBoxXP& box) {
    return {box.ShownBorderColor(), box.ShownForeColor(), box.ShownBackColor()};
}

} // namespace

Q_DECLARE_METATYPE(Colors)

class TextBoxTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder_ = std::make_unique<TempProgramFolder>();
        host_ = ShowHost();
        QVERIFY(host_);
        box_ = new TextBoxXP(host_.get());
        box_->setGeometry(20, 20, 200, 24);
        other_ = new TextBoxXP(host_.get());
        other_->setGeometry(20, 100, 200, 24);
        box_->show();
        other_->show();
        box_->LoadSkin(WriteSkin(*folder_, "Fixture", {{"config.ini", TextBoxConfig()}}));
        other_->setFocus();
    }
    void cleanup() {
        CloseHost(host_);
        folder_.reset();
    }

    void changeCounts_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("assigned");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("changes");
        QTest::addRow("one character typed") << "" << QString() << "a" << 1;
        QTest::addRow("three typed") << "" << QString() << "abc" << 3;
        QTest::addRow("new text assigned") << "old"
                                           << "new"
                                           << "" << 2;
        QTest::addRow("same text assigned") << "same"
                                            << "same"
                                            << "" << 1;
    }
    void changeCounts() {
        QFETCH(QString, start);
        QFETCH(QString, assigned);
        QFETCH(QString, typed);
        box_->SetText(start);
        box_->setFocus();
        QSignalSpy change(box_, &TextBoxXP::Change);
        if (!assigned.isNull())
            box_->SetText(assigned);
        QTest::keyClicks(box_->ControlXP(), typed);
        QTEST(int(change.count()), "changes");
        QCOMPARE(box_->Text(), assigned.isNull() ? start + typed : assigned);
    }

    void keyPressHandlers_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addRow("no handler") << 0 << 0 << "abc"
                                    << "abc";
        QTest::addRow("x swallowed") << int('x') << 0 << "axbx"
                                     << "ab";
        QTest::addRow("a made b") << int('a') << int('b') << "aca"
                                  << "bcb";
        QTest::addRow("lower made upper") << int('q') << int('Q') << "qq"
                                          << "QQ";
        QTest::addRow("z made Chinese") << int('z') << int(U'字') << "az"
                                        << "a字";
        QTest::addRow("y made backspace") << int('y') << 8 << "aby"
                                          << "a";
        QTest::addRow("backspace swallowed") << 8 << 0 << "ab\b"
                                             << "ab";
    }
    void keyPressHandlers() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, typed);
        QList<int> seen;
        connect(box_, &TextBoxXP::KeyPress, this, [&](int& keyAscii) {
            seen.append(keyAscii);
            if (from != 0 && keyAscii == from)
                keyAscii = to;
        });
        box_->setFocus();
        for (const QChar character : typed) {
            if (character == u'\b')
                QTest::keyClick(box_->ControlXP(), Qt::Key_Backspace);
            else
                QTest::keyClicks(box_->ControlXP(), QString(character));
        }
        QTEST(box_->Text(), "text");
        QCOMPARE(seen.size(), typed.size());
    }

    void keyPressSeesEnterNotArrows() {
        QList<int> seen;
        connect(box_, &TextBoxXP::KeyPress, this, [&](int& keyAscii) { seen.append(keyAscii); });
        box_->setFocus();
        QTest::keyClick(box_->ControlXP(), Qt::Key_Return);
        QTest::keyClick(box_->ControlXP(), Qt::Key_Left);
        QTest::keyClick(box_->ControlXP(), Qt::Key_Delete);
        QCOMPARE(seen, QList<int>{13});
    }

    void inputMethodText_data() {
        QTest::addColumn<int>("swallow");
        QTest::addColumn<QString>("text");
        QTest::addRow("committed") << 0 << QStringLiteral("单词");
        QTest::addRow("one character swallowed") << int(U'词') << QStringLiteral("单");
    }
    void inputMethodText() {
        QFETCH(int, swallow);
        QList<int> seen;
        connect(box_, &TextBoxXP::KeyPress, this, [&](int& keyAscii) {
            seen.append(keyAscii);
            if (keyAscii == swallow)
                keyAscii = 0;
        });
        QSignalSpy change(box_, &TextBoxXP::Change);
        box_->setFocus();
        QVERIFY(box_->ControlXP()->testAttribute(Qt::WA_InputMethodEnabled));
        CommitInput(box_->ControlXP(), QStringLiteral("单词"));
        QTEST(box_->Text(), "text");
        QCOMPARE(seen, (QList<int>{int(U'单'), int(U'词')}));
        QCOMPARE(change.count(), 1);
    }

    void keyDownAndUp() {
        QList<std::pair<int, int>> downs;
        QList<std::pair<int, int>> ups;
        connect(box_, &TextBoxXP::KeyDown, this, [&](int& keyCode, int& shift) {
            downs.append({keyCode, shift});
            if (keyCode == 0x25) // the left arrow is taken by the handler
                keyCode = 0;
        });
        connect(box_, &TextBoxXP::KeyUp, this, [&](int& keyCode, int& shift) {
            ups.append({keyCode, shift});
        });
        box_->setFocus();
        box_->SetText(QStringLiteral("abc"));
        QTest::keyClick(box_->ControlXP(), Qt::Key_F1, Qt::ControlModifier);
        QTest::keyClick(box_->ControlXP(), Qt::Key_Left);
        QCOMPARE(box_->SelStart(), 3);
        QTest::keyClick(box_->ControlXP(), Qt::Key_Home);
        QCOMPARE(box_->SelStart(), 0);
        // Ctrl goes down first and reports itself.
        QCOMPARE(downs, (QList<std::pair<int, int>>{{17, 2}, {112, 2}, {0x25, 0}, {0x24, 0}}));
        QCOMPARE(ups.value(0), std::make_pair(112, 2));
    }

    void colours_data() {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<Colors>("colors");
        QTest::addColumn<int>("overs");
        QTest::addColumn<int>("outs");
        // i / o the pointer onto the box / away, f / F focus to the box / away, c a click on
        // the box, r a resize.
        QTest::addRow("normal") << "" << Colors{2, 1, 3} << 0 << 0;
        QTest::addRow("pointer over") << "i" << Colors{5, 1, 3} << 1 << 0;
        QTest::addRow("pointer over and away") << "io" << Colors{2, 1, 3} << 1 << 1;
        QTest::addRow("focused") << "f" << Colors{5, 4, 6} << 0 << 0;
        QTest::addRow("focused, pointer away") << "fio" << Colors{5, 4, 6} << 1 << 1;
        QTest::addRow("focus lost") << "fF" << Colors{2, 1, 3} << 0 << 0;
        QTest::addRow("clicked, moved on") << "ici" << Colors{5, 4, 6} << 2 << 0;
        QTest::addRow("focused, resized") << "fr" << Colors{2, 1, 3} << 0 << 0;
        QTest::addRow("resized, focus lost") << "frF" << Colors{2, 1, 3} << 0 << 0;
    }
    void colours() {
        QFETCH(QString, inputs);
        QSignalSpy over(box_, &TextBoxXP::MouseOver);
        QSignalSpy out(box_, &TextBoxXP::MouseOut);
        QLineEdit* inner = box_->ControlXP();
        int next = 0;
        for (const QChar input : inputs) {
            switch (input.unicode()) {
            case 'i':
                QTest::mouseMove(inner, QPoint(20 + next, 8));
                next = 1 - next;
                break;
            case 'o':
                QTest::mouseMove(host_.get(), QPoint(300 + next, 250));
                next = 1 - next;
                break;
            case 'f':
                box_->setFocus();
                break;
            case 'F':
                other_->setFocus();
                break;
            case 'c':
                QTest::mouseClick(inner, Qt::LeftButton, {}, QPoint(20 + next, 8));
                break;
            case 'r':
                box_->resize(210, 26);
                break;
            }
        }
        QTEST(Shown(*box_), "colors");
        QTEST(int(over.count()), "overs");
        QTEST(int(out.count()), "outs");
        // The border is painted in the colour shown.
        const QImage image = box_->grab().toImage();
        QCOMPARE(image.pixelColor(0, 10), ColorFromNumberForTest(box_->ShownBorderColor()));
    }

    void innerBoxPlace() {
        // 200 x 24 pixels are 3000 x 360 twips: the inner box is 2975 x 335 at (10, 10).
        QCOMPARE(box_->ControlXP()->geometry(), QRect(TwipsToPixels(10), TwipsToPixels(10),
                                                      TwipsToPixels(2975), TwipsToPixels(335)));
        QCOMPARE(box_->ControlXP()->geometry(), QRect(1, 1, 198, 22));
        // Narrower than the margins: the inner box stays where it was.
        box_->resize(1, 1);
        QCOMPARE(box_->ControlXP()->geometry(), QRect(1, 1, 198, 22));
    }

    void properties() {
        box_->setFocus();
        box_->SetMaxLength(3);
        QTest::keyClicks(box_->ControlXP(), QStringLiteral("abcde"));
        QCOMPARE(box_->Text(), QStringLiteral("abc"));
        QCOMPARE(box_->MaxLength(), 3);
        box_->SetMaxLength(0);
        QCOMPARE(box_->MaxLength(), 0);
        box_->SetSelStart(1);
        box_->SetSelLength(5);
        QCOMPARE(box_->SelStart(), 1);
        QCOMPARE(box_->SelLength(), 2);
        box_->SetLocked(true);
        QTest::keyClicks(box_->ControlXP(), QStringLiteral("xy"));
        QCOMPARE(box_->Text(), QStringLiteral("abc"));
        box_->SetEnabled(false);
        QVERIFY(!box_->Enabled());
        QCOMPARE(box_->ControlXP()->palette().color(QPalette::Disabled, QPalette::Base),
                 ColorFromNumberForTest(box_->ShownBackColor()));
        box_->SetToolTipText(QStringLiteral("输入单词"));
        QCOMPARE(box_->ControlXP()->toolTip(), QStringLiteral("输入单词"));
    }

    void skinDefaults() {
        // A skin folder without "config.ini" gives the readers' defaults.
        box_->LoadSkin(WriteSkin(*folder_, "Empty", {}));
        QCOMPARE(box_->ForeColor(), 0);
        QCOMPARE(box_->BorderColor(), 13158600);
        QCOMPARE(box_->BackColor(), 14737632);
        QCOMPARE(box_->FocusForeColor(), 15820564);
        QCOMPARE(box_->FocusBorderColor(), 15820564);
        QCOMPARE(box_->FocusBackColor(), 16770760);
    }

    void frameCaption() {
        auto* frame = new FrameXP(host_.get());
        frame->setGeometry(10, 150, 200, 120);
        frame->SetCaption(QStringLiteral("朗读设置"));
        frame->show();
        const QRect caption = frame->CaptionGeometry();
        QVERIFY(caption.width() > 0);
        // Centred across 3000 twips, 100 twips down.
        QCOMPARE(caption.left(), TwipsToPixels((3000.0 - PixelsToTwips(caption.width())) / 2));
        QCOMPARE(caption.top(), 7);
        // A larger font widens the caption, which stays centred.
        QFont larger = frame->Fonts();
        larger.setPointSize(larger.pointSize() * 2);
        frame->SetFonts(larger);
        const QRect wider = frame->CaptionGeometry();
        QVERIFY(wider.width() > caption.width());
        QCOMPARE(wider.left(), TwipsToPixels((3000.0 - PixelsToTwips(wider.width())) / 2));
        frame->SetCaption(QString());
        QCOMPARE(frame->CaptionGeometry().width(), 0);
        SetFormForeColor(host_.get(), 65280);
        frame->LoadSkin(WriteSkin(*folder_, "Fixture", {{"config.ini", TextBoxConfig()}}));
        QCOMPARE(frame->BorderColor(), 255);
        QCOMPARE(WidgetForeColor(frame->findChild<QLabel*>()), 65280);
        QCOMPARE(frame->grab().toImage().pixelColor(0, 60), QColor(Qt::red));
        frame->SetShowBorder(false);
        QCOMPARE(frame->grab().toImage().pixelColor(0, 60),
                 host_->palette().color(QPalette::Window));
    }

    void frameBorderColorClamped_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint32>("color");
        QTest::addRow("below black") << -5.0 << 0;
        QTest::addRow("above white") << 20000000.0 << 16777215;
        QTest::addRow("red") << 255.0 << 255;
    }
    void frameBorderColorClamped() {
        FrameXP frame;
        QFETCH(double, value);
        frame.SetBorderColor(value);
        QTEST(frame.BorderColor(), "color");
    }

private:
    static QColor ColorFromNumberForTest(qint32 color) {
        return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    }

    std::unique_ptr<TempProgramFolder> folder_;
    std::unique_ptr<QWidget> host_;
    TextBoxXP* box_ = nullptr;
    TextBoxXP* other_ = nullptr;
};

QTEST_MAIN(TextBoxTest)
#include "textboxxp_test.moc"
