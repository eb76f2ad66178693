// Renders the push button, check box, option button, text box and group frame of every skin
// that comes with the program, in their normal, pointer-over, pressed, focused and disabled
// looks, driven by real events, into one picture per skin ("skin-controls-<skin>.png" in the
// test folder) for a person to look at; and checks what a person would see first: every caption
// fits its control.

#include "skin/applyskin.h"
#include "skin/buttonxp.h"
#include "skin/checkboxxp.h"
#include "skin/framexp.h"
#include "skin/radioboxxp.h"
#include "skin/textboxxp.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <functional>

using namespace lexarion;

namespace {

enum class Look { Normal, Over, Pressed, Focused, Disabled };
constexpr Look Looks[] = {Look::Normal, Look::Over, Look::Pressed, Look::Focused, Look::Disabled};
const char* LookName(Look look) {
    switch (look) {
    case Look::Normal:
        return "normal";
    case Look::Over:
        return "over";
    case Look::Pressed:
        return "pressed";
    case Look::Focused:
        return "focused";
    case Look::Disabled:
        return "disabled";
    }
    return "";
}

constexpr QSize CellSize(150, 56);

// One control on a small form of its own, skinned and put in `look` by mouse and keyboard.
QImage RenderLook(const QString& skinFolder, const std::function<QWidget*(QWidget*)>& make,
                  Look look) {
    QWidget form;
    form.resize(CellSize);
    QWidget* control = make(&form);
    control->move(8, 8);
    QWidget* other = new QLineEdit(&form);
    other->setGeometry(CellSize.width() - 2, 0, 1, 1);
    ApplySkinFolder(&form, skinFolder);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return {};
    QTest::mouseMove(&form, QPoint(CellSize.width() - 1, CellSize.height() - 1));
    other->setFocus();
    QWidget* target = control;
    if (auto* box = qobject_cast<TextBoxXP*>(control))
        target = box->ControlXP();
    const QPoint inside(12, target->height() / 2);
    switch (look) {
    case Look::Normal:
        break;
    case Look::Over:
        QTest::mouseMove(target, inside);
        break;
    case Look::Pressed:
        QTest::mouseMove(target, inside);
        QTest::mousePress(target, Qt::LeftButton, {}, inside);
        break;
    case Look::Focused:
        control->setFocus();
        break;
    case Look::Disabled:
        if (auto* box = qobject_cast<TextBoxXP*>(control))
            box->SetEnabled(false);
        else
            control->setEnabled(false);
        break;
    }
    QImage image = form.grab().toImage();
    if (look == Look::Pressed)
        QTest::mouseRelease(target, Qt::LeftButton, {}, inside);
    QTest::mouseMove(&form, QPoint(CellSize.width() - 1, CellSize.height() - 1));
    return image;
}

struct Row {
    const char* name;
    std::function<QWidget*(QWidget*)> make;
};

QList<Row> Rows() {
    return {
        {"ButtonXP",
         [](QWidget* form) {
             auto* button = new ButtonXP(form);
             button->SetCaption(QStringLiteral("确定(&O)").remove(u'&'));
             return button;
         }},
        {"CheckBoxXP",
         [](QWidget* form) {
             auto* check = new CheckBoxXP(form);
             check->resize(130, 20);
             check->SetCaption(QStringLiteral("朗读单词"));
             check->SetValue(true);
             return check;
         }},
        {"RadioBoxXP",
         [](QWidget* form) {
             auto* radio = new RadioBoxXP(form);
             radio->resize(130, 20);
             radio->SetCaption(QStringLiteral("随机顺序"));
             return radio;
         }},
        {"TextBoxXP",
         [](QWidget* form) {
             auto* box = new TextBoxXP(form);
             box->resize(130, 22);
             box->SetText(QStringLiteral("abandon 放弃"));
             return box;
         }},
        {"FrameXP",
         [](QWidget* form) {
             auto* frame = new FrameXP(form);
             frame->resize(130, 40);
             frame->SetCaption(QStringLiteral("显示设置"));
             return frame;
         }},
    };
}

} // namespace

class ControlSheetTest : public QObject {
    Q_OBJECT

private slots:
    void renderSkins_data() {
        QTest::addColumn<QString>("skin");
        QTest::addRow("WindowsXP") << QStringLiteral("WindowsXP");
        QTest::addRow("Jade") << QStringLiteral("Jade");
    }
    void renderSkins() {
        QFETCH(QString, skin);
        const QString folder = QStringLiteral(LEXARION_SKIN_SOURCE) + u'/' + skin + u'/';
        QVERIFY(QDir(folder).exists());
        const QList<Row> rows = Rows();
        constexpr int labelWidth = 90;
        constexpr int headerHeight = 20;
        QImage sheet(labelWidth + CellSize.width() * int(std::size(Looks)),
                     headerHeight + CellSize.height() * int(rows.size()), QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        for (int column = 0; column < int(std::size(Looks)); ++column)
            painter.drawText(
                QRect(labelWidth + column * CellSize.width(), 0, CellSize.width(), headerHeight),
                Qt::AlignCenter, LookName(Looks[column]));
        for (int row = 0; row < rows.size(); ++row) {
            const int top = headerHeight + row * CellSize.height();
            painter.drawText(QRect(4, top, labelWidth, CellSize.height()), Qt::AlignVCenter,
                             rows[row].name);
            for (int column = 0; column < int(std::size(Looks)); ++column) {
                const QImage look = RenderLook(folder, rows[row].make, Looks[column]);
                QVERIFY(!look.isNull());
                painter.drawImage(labelWidth + column * CellSize.width(), top, look);
            }
        }
        painter.end();
        const QString out = QDir(QStringLiteral(LEXARION_TEST_OUTPUT))
                                .filePath(QStringLiteral("skin-controls-%1.png").arg(skin));
        QVERIFY(sheet.save(out));
        // Twice as large, pixel for pixel, to look at the cells and dotted lines.
        QVERIFY(sheet.scaled(sheet.size() * 2)
                    .save(QString(out).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"))));
    }

    void captionsFit_data() {
        QTest::addColumn<QString>("caption");
        QTest::addRow("two characters") << QStringLiteral("确定");
        QTest::addRow("four characters") << QStringLiteral("取消");
        QTest::addRow("latin") << QStringLiteral("OK");
    }
    void captionsFit() {
        QFETCH(QString, caption);
        QWidget form;
        auto* button = new ButtonXP(&form);
        button->SetCaption(caption);
        auto* check = new CheckBoxXP(&form);
        check->setGeometry(0, 40, 130, 20);
        check->SetCaption(caption);
        form.show();
        for (ClickableXP* control :
             {static_cast<ClickableXP*>(button), static_cast<ClickableXP*>(check)}) {
            const QRect place = control->CaptionGeometry();
            QVERIFY(control->rect().contains(place));
            const QSize text = control->findChild<QLabel*>()->sizeHint();
            QVERIFY(place.width() >= text.width());
            QVERIFY(place.height() >= text.height());
        }
    }
};

QTEST_MAIN(ControlSheetTest)
#include "controlsheet_test.moc"
