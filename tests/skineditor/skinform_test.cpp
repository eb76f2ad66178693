// Hueforge's window on the offscreen platform, its dialogs replaced by a recorder: the pages and
// their fields, loading, editing, saving, the question on quit, and a saved colour reaching
// Lexarion's skinned windows.

#include "platform/qttranslation.h"
#include "recordingdialogs.h"
#include "skin/ui/applyskin.h"
#include "skin/ui/formcontrols.h"
#include "skin/ui/formxp.h"
#include "skineditor/ui/colorswatch.h"
#include "skineditor/ui/skinform.h"
#include "support/tempprogramfolder.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace lexarion;
using lexarion::testing::Gb;
using lexarion::testing::RecordingDialogs;
using lexarion::testing::TempProgramFolder;

namespace {

QStringList LabelsOf(QWidget* page) {
    QStringList texts;
    for (QLabel* label : page->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

} // namespace

class SkinFormTest : public QObject {
    Q_OBJECT
private slots:
    void pagesAndButtons();
    void loadShowsTheFile();
    void editsThroughTheWindow();
    void quitAsksAboutUnsavedEdits();
    void aSavedColourReachesLexarion();
    void everyPageShowsItsFieldsWhole();
    void qtDialogsSpeakChinese();
};

void SkinFormTest::pagesAndButtons() {
    RecordingDialogs dialogs;
    SkinForm form(dialogs);
    QCOMPARE(form.windowTitle(), QStringLiteral("皮肤参数设置"));
    const QStringList titles{"常规",       "按钮", "复选框",   "列表框", "单选框",
                             "文本输入框", "窗口", "分页表格", "外框"};
    QCOMPARE(form.Pages()->count(), titles.size());
    const QString in = QStringLiteral("鼠标移入时前景颜色:"),
                  out = QStringLiteral("鼠标移出时前景颜色:");
    const QList<QStringList> labels{
        {"皮肤简介:"},
        {in, out},
        {in, out},
        {"背景颜色:", "鼠标移入时边框颜色:", "鼠标移出时边框颜色:", "未选定项目前景颜色:",
         "已选定项目背景颜色:", "已选定项目边框颜色:", "已选定项目前景颜色:"},
        {in, out},
        {"鼠标移入时边框颜色:", "鼠标移出时边框颜色:", "鼠标移入时背景颜色:", "鼠标移出时背景颜色:",
         in, out},
        {"前景颜色:", "背景颜色:", "标题栏文字对齐方式:", "标题栏字体:", "标题栏非焦点前景颜色:",
         "标题栏焦点前景颜色:", "窗口导角(如取16):"},
        {in, out},
        {"边框颜色:"},
    };
    for (int i = 0; i < titles.size(); ++i) {
        QCOMPARE(form.Pages()->tabText(i), titles[i]);
        QCOMPARE(LabelsOf(form.Pages()->widget(i)), labels[i]);
    }
    QCOMPARE(form.findChildren<ColorSwatch*>().size(), 26);
    QCOMPARE(form.VersionLabel()->text(), QStringLiteral("V1.9"));
    QCOMPARE(form.LoadButton()->text(), QStringLiteral("加载设置文件"));
    QCOMPARE(form.SaveButton()->text(), QStringLiteral("保存"));
    QCOMPARE(form.AboutButton()->text(), QStringLiteral("说明"));
    QCOMPARE(form.QuitButton()->text(), QStringLiteral("退出"));

    QComboBox* alignment = form.AlignmentList();
    QCOMPARE(alignment->count(), 4);
    QCOMPARE(alignment->itemText(3), QStringLiteral("隐藏"));
    QCOMPARE(alignment->currentText(), QStringLiteral("左对齐"));
    QCOMPARE(form.RoundingList()->count(), 100);
    QCOMPARE(form.RoundingList()->currentText(), QStringLiteral("16"));
    const QFont font = QApplication::font();
    QCOMPARE(form.FontButton()->text(), font.family() + u' ' + FontSizeText(font.pointSizeF()));
}

void SkinFormTest::loadShowsTheFile() {
    TempProgramFolder folder;
    folder.Write("Skins/Jade/config.ini",
                 Gb("[General]\r\nDescription=翠绿\r\n[Window]\r\nBackColor=255\r\n"
                    "TitleFontName=Serif\r\nTitleFontSize=10.5\r\nTitleAlignment=7\r\n"
                    "RoundRng=150\r\n[Frame]\r\nBorderColor=65280\r\n"));
    const QString file = folder.File("Skins/Jade/config.ini");
    RecordingDialogs dialogs;
    SkinForm form(dialogs);
    dialogs.openChoices.push_back(file);
    QTest::mouseClick(form.LoadButton(), Qt::LeftButton);
    QCOMPARE(form.windowTitle(), file + QStringLiteral(" - [皮肤参数设置]"));
    QCOMPARE(form.DescriptionText()->text(), QStringLiteral("翠绿"));
    QCOMPARE(form.SwatchOf(Swatch::WindowBackColor)->Color(), 255);
    QCOMPARE(form.SwatchOf(Swatch::FrameBorderColor)->Color(), 65280);
    QCOMPARE(form.SwatchOf(Swatch::ListBoxBackColor)->Color(), 0);
    QCOMPARE(form.AlignmentList()->currentText(), QStringLiteral("隐藏"));
    QCOMPARE(form.RoundingList()->currentText(), QStringLiteral("99"));
    QCOMPARE(form.FontButton()->text(), QStringLiteral("Serif 10.5"));
    QVERIFY(!form.Editor().Modified());
}

void SkinFormTest::editsThroughTheWindow() {
    TempProgramFolder folder;
    folder.Write("config.ini", "[Window]\r\nRoundRng=40\r\n");
    RecordingDialogs dialogs;
    SkinForm form(dialogs);
    form.show();
    dialogs.openChoices.push_back(folder.File("config.ini"));
    QTest::mouseClick(form.LoadButton(), Qt::LeftButton);

    // A cancelled colour chooser changes nothing; a confirmed one colours the swatch.
    ColorSwatch* swatch = form.SwatchOf(Swatch::ButtonForeColor);
    form.Pages()->setCurrentIndex(1);
    QTest::mouseClick(swatch, Qt::LeftButton);
    QVERIFY(!form.Editor().Modified());
    dialogs.colors.push_back(16711680);
    QTest::mouseClick(swatch, Qt::LeftButton);
    QCOMPARE(swatch->Color(), 16711680);
    QVERIFY(form.Editor().Modified());

    form.Pages()->setCurrentIndex(0);
    QTest::keyClicks(form.DescriptionText(), "Blue");
    QCOMPARE(form.Editor().Fields().description, QStringLiteral("Blue"));

    form.Pages()->setCurrentIndex(6);
    QTest::keyClick(form.RoundingList(), Qt::Key_Down);
    QCOMPARE(form.Editor().Fields().rounding, 41);

    dialogs.fonts.push_back(TitleFont{"Serif", 12, true, true});
    QTest::mouseClick(form.FontButton(), Qt::LeftButton);
    QCOMPARE(form.FontButton()->text(), QStringLiteral("Serif 12"));
    QVERIFY(form.FontButton()->font().italic());

    QTest::mouseClick(form.SaveButton(), Qt::LeftButton);
    QVERIFY(!form.Editor().Modified());
    const QByteArray saved = folder.Read("config.ini");
    QVERIFY(saved.contains("[Button]\r\nFocusForeColor=0\r\nForeColor=16711680\r\n"));
    QVERIFY(saved.contains("Description=Blue\r\n"));
    QVERIFY(saved.contains("RoundRng=41\r\n"));
    QVERIFY(saved.contains("TitleFontName=Serif\r\nTitleFontSize=12\r\n"));
}

void SkinFormTest::quitAsksAboutUnsavedEdits() {
    RecordingDialogs dialogs;
    SkinForm form(dialogs);
    form.show();
    QTest::keyClicks(form.DescriptionText(), "x");
    dialogs.answers.push_back(SaveAnswer::Cancel);
    QTest::mouseClick(form.QuitButton(), Qt::LeftButton);
    QCOMPARE(dialogs.shown, QStringList{"question"});
    QVERIFY(form.isVisible());
    QCOMPARE(form.DescriptionText()->text(), QStringLiteral("x"));

    dialogs.answers.push_back(SaveAnswer::No);
    QTest::mouseClick(form.QuitButton(), Qt::LeftButton);
    QVERIFY(!form.isVisible());
}

void SkinFormTest::aSavedColourReachesLexarion() {
    TempProgramFolder folder;
    folder.Write("Skins/Test/config.ini", "[Window]\r\nBackColor=14215404\r\n");
    RecordingDialogs dialogs;
    SkinForm editor(dialogs);
    dialogs.openChoices.push_back(folder.File("Skins/Test/config.ini"));
    QTest::mouseClick(editor.LoadButton(), Qt::LeftButton);
    dialogs.colors = {255, 65280};
    QTest::mouseClick(editor.SwatchOf(Swatch::WindowBackColor), Qt::LeftButton);
    QTest::mouseClick(editor.SwatchOf(Swatch::WindowForeColor), Qt::LeftButton);
    QTest::mouseClick(editor.SaveButton(), Qt::LeftButton);

    QWidget form;
    auto* frame = new FormXP(&form);
    auto* label = new QLabel("text", &form);
    ApplySkinFolder(&form, folder.File("Skins/Test/"));
    QCOMPARE(FormBackColor(&form), 255);
    QCOMPARE(frame->BackColor(), 255);
    QCOMPARE(WidgetForeColor(label), 65280);
}

// Every label and field lies wholly inside its page and gets the room it asks for. With
// HUEFORGE_SHOTS set to a folder, each page is also written there as a picture.
void SkinFormTest::everyPageShowsItsFieldsWhole() {
    RecordingDialogs dialogs;
    SkinForm form(dialogs);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QString shots = qEnvironmentVariable("HUEFORGE_SHOTS");
    QTabBar* titles = form.Pages()->tabBar();
    QVERIFY(titles->width() >= titles->sizeHint().width());
    QVERIFY(titles->tabRect(titles->count() - 1).right() < titles->width());
    for (int i = 0; i < form.Pages()->count(); ++i) {
        form.Pages()->setCurrentIndex(i);
        QWidget* page = form.Pages()->widget(i);
        QCoreApplication::processEvents();
        for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QString what = form.Pages()->tabText(i) + u'/' + child->metaObject()->className();
            QVERIFY2(page->rect().contains(child->geometry()), qPrintable(what));
            QVERIFY2(child->width() >= child->minimumSizeHint().width(), qPrintable(what));
            if (qobject_cast<QLabel*>(child))
                QVERIFY2(child->width() >= child->sizeHint().width(), qPrintable(what));
        }
        if (!shots.isEmpty())
            form.grab().save(QDir(shots).filePath(QStringLiteral("page%1.png").arg(i)));
    }
    for (QPushButton* button :
         {form.LoadButton(), form.SaveButton(), form.AboutButton(), form.QuitButton()})
        QVERIFY(button->width() >= button->sizeHint().width());
}

// The buttons of the question and the labels of the file chooser come from Qt's translation.
void SkinFormTest::qtDialogsSpeakChinese() {
    QVERIFY(InstallQtChineseTranslation());
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("是(&Y)"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Files of type:"),
             QStringLiteral("文件类型："));
}

QTEST_MAIN(SkinFormTest)
#include "skinform_test.moc"
