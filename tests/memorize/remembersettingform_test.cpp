// The display settings dialog over real settings files: what it shows when it opens, what Apply
// writes and asks of the word window, its choosers, and its look in both skins.

#include "core/settings.h"
#include "memorize/ui/remembersettingform.h"
#include "memorize/ui/remembersettinghost.h"
#include "memorize/ui/scankeybox.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/checkboxxp.h"
#include "skin/ui/formxp.h"
#include "skin/ui/framexp.h"
#include "skin/ui/picturebox.h"
#include "skin/ui/radioboxxp.h"
#include "skin/ui/sliderxp.h"
#include "skin/ui/tablepagexp.h"
#include "skin/ui/textboxxp.h"
#include "skin/ui/windowhooks.h"
#include "support/userfixture.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <deque>

using namespace lexarion;
using lexarion::testing::UserFixture;

namespace {

// The word window and the owner window's menus, recorded call by call.
class RecordingHost : public RememberSettingHost {
public:
    void Repaint() override { calls << QStringLiteral("Repaint"); }
    void SetWordFont(const QFont& font) override {
        calls << QStringLiteral("SetWordFont %1 %2").arg(font.family()).arg(font.pointSizeF());
    }
    void SetWordColor(const QColor& color) override {
        calls << QStringLiteral("SetWordColor ") + color.name();
    }
    void SetExplanationFont(const QFont& font) override {
        calls
            << QStringLiteral("SetExplanationFont %1 %2").arg(font.family()).arg(font.pointSizeF());
    }
    void SetExplanationColor(const QColor& color) override {
        calls << QStringLiteral("SetExplanationColor ") + color.name();
    }
    bool LoadBackPicture(const QString& path) override {
        calls << QStringLiteral("LoadBackPicture ") + QFileInfo(path).fileName();
        return true;
    }
    void SetBackPicture(int style) override {
        calls << QStringLiteral("SetBackPicture %1").arg(style);
    }
    void RemoveBackPicture() override { calls << QStringLiteral("RemoveBackPicture"); }
    void SetBackColor(const QColor& color) override {
        calls << QStringLiteral("SetBackColor ") + color.name();
    }
    void PrintWord() override { calls << QStringLiteral("PrintWord"); }
    void RefreshLayout() override { calls << QStringLiteral("RefreshLayout"); }
    void SetWordInterval(int milliseconds) override {
        calls << QStringLiteral("SetWordInterval %1").arg(milliseconds);
    }
    void SetFullScreen(bool on) override { calls << QStringLiteral("SetFullScreen %1").arg(on); }
    void RegAllHotKey() override { calls << QStringLiteral("RegAllHotKey"); }
    void UnRegAllHotKey() override { calls << QStringLiteral("UnRegAllHotKey"); }
    void SetTrayMenuEnabled(bool enabled) override {
        calls << QStringLiteral("SetTrayMenuEnabled %1").arg(enabled);
    }
    void CheckDirectionItems(int direction) override {
        calls << QStringLiteral("CheckDirectionItems %1").arg(direction);
    }

    QStringList calls;
};

// Choosers that answer from a queue: a value is the user's choice, nothing a cancel.
class QueuedChoosers : public SettingChoosers {
public:
    std::optional<QColor> ChooseColor(const QColor& initial, QWidget*) override {
        offeredColors.append(initial);
        // The background timers stay quiet while a chooser is open.
        guardedWhileOpen = guardedWhileOpen && app && app->dialogShowing;
        return Next(colors);
    }
    std::optional<QFont> ChooseFont(const QFont& initial, QWidget*) override {
        offeredFonts.append(initial);
        return Next(fonts);
    }
    std::optional<QString> ChoosePicture(const QString& folder, QWidget*) override {
        offeredFolders.append(folder);
        // An empty name is a cancel.
        const QString file = pictures.isEmpty() ? QString() : pictures.takeFirst();
        return file.isEmpty() ? std::nullopt : std::optional(file);
    }

    std::deque<std::optional<QColor>> colors;
    std::deque<std::optional<QFont>> fonts;
    QStringList pictures;
    QList<QColor> offeredColors;
    const AppState* app = nullptr;
    bool guardedWhileOpen = true;
    QList<QFont> offeredFonts;
    QStringList offeredFolders;

private:
    template <typename T> static std::optional<T> Next(std::deque<std::optional<T>>& queue) {
        if (queue.empty())
            return std::nullopt;
        std::optional<T> value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};

const QString Section = QStringLiteral("RememberSetting");

// The settings as "key=value" lines of section "RememberSetting".
void StoreSettings(const UserFixture& f, const QStringList& lines) {
    QByteArray text = "[General]\r\nSkinFolder=WindowsXP\r\n[RememberSetting]\r\n";
    for (const QString& line : lines)
        text += line.toUtf8() + "\r\n";
    f.folder.Write("users/Alice/config.ini", text);
}

QString Stored(const UserFixture& f, const char* key) {
    return ReadSetting(f.app, Section, QString::fromLatin1(key), QStringLiteral("<missing>"));
}

// The on/off states of the check boxes, in the order of the Part's table.
QString Checks(const RememberSettingForm& form) {
    QString states;
    for (const CheckBoxXP* box :
         {form.ShowWordCheck(), form.ShowExplanationCheck(), form.ShowPronounceCheck(),
          form.DelayExplanationCheck(), form.BackPictureCheck(), form.EnableSpeakCheck(),
          form.SpeakLetterCheck(), form.HotKeyEnabledCheck(), form.AutoPlayCheck(),
          form.FullScreenCheck(), form.SplitDisplayCheck()})
        states += box->Value() ? u'1' : u'0';
    return states;
}

// The selected option of three, or -1.
template <typename Form, typename Getter> int Selected(const Form& form, Getter option) {
    for (int i = 0; i < 3; ++i) {
        if ((form.*option)(i)->Value())
            return i;
    }
    return -1;
}

} // namespace

class RememberSettingFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        user_ = std::make_unique<UserFixture>();
        user_->folder.CopySkins(QStringLiteral(LEXARION_SKIN_SOURCE_DIR));
        host_ = RecordingHost{};
    }
    void cleanup() {
        delete form_;
        user_.reset();
    }

    void load_data() {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("checks");
        QTest::addColumn<QString>("colors");
        QTest::addColumn<QString>("wordFont");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QStringList>("hotKeys");

        const QStringList none(8, QStringLiteral("无"));
        // A fresh user sees the colours the word window draws: white words on the desktop.
        QTest::addRow("fresh user") << QStringList{} << 0 << "11100111011"
                                    << "#ffffff #ffffff #004e98"
                                    << "宋体 72" << 0 << 3 << none;
        QStringList keys = none;
        keys[0] = QStringLiteral("Ctrl + F1");
        keys[2] = QStringLiteral("Shift + A");
        keys[5] = QStringLiteral("Alt + A");
        keys[7] = QStringLiteral("Num ");
        QTest::addRow("stored values")
            << QStringList{"Direction=2",        "ShowWord=0",
                           "ShowPronounce=0",    "DelayExplanation=1",
                           "WordForeColor=255",  "ExplanationForeColor=65280",
                           "BackColor=16711680", "WordFontName=DejaVu Sans",
                           "WordFontSize=20.4",  "WordFontBold=0",
                           "BackPicture=1",      "BackPictureStyle=2",
                           "EnableSpeak=0",      "HotKeyEnabled=2",
                           "HotKey0=624",        "HotKey2=321",
                           "HotKey5=1089",       "HotKey7=108",
                           "HotKey3=0",          "HotKey4=x",
                           "AutoPlay=1",         "WordInterval=45",
                           "FullScreen=0",       "SplitDisplay=0"}
            << 2 << "01011011100"
            << "#ff0000 #00ff00 #0000ff"
            << "DejaVu Sans 20" << 2 << 45 << keys;
        QTest::addRow("values out of range")
            << QStringList{"Direction=3", "BackPictureStyle=-1", "WordInterval=2.5",
                           "BackColor=&H80000005&"}
            << -1 << "11100111011"
            << "#ffffff #ffffff #ffffff"
            << "宋体 72" << -1 << 2 << none;
    }
    void load() {
        QFETCH(QStringList, settings);
        QFETCH(int, direction);
        QFETCH(QString, checks);
        QFETCH(QString, colors);
        QFETCH(QString, wordFont);
        QFETCH(int, style);
        QFETCH(int, interval);
        QFETCH(QStringList, hotKeys);
        StoreSettings(*user_, settings);
        Open();
        QCOMPARE(form_->windowTitle(), QStringLiteral("Lexarion - [单词记忆设置]"));
        QCOMPARE(Selected(*form_, &RememberSettingForm::DirectionOption), direction);
        QCOMPARE(Checks(*form_), checks);
        QCOMPARE(QStringList({form_->WordColorSwatch()->Color().name(),
                              form_->ExplanationColorSwatch()->Color().name(),
                              form_->BackColorSwatch()->Color().name()})
                     .join(u' '),
                 colors);
        QCOMPARE(form_->WordFontButton()->Caption(), wordFont);
        QCOMPARE(Selected(*form_, &RememberSettingForm::PictureStyleOption), style);
        QCOMPARE(form_->IntervalSlider()->Value(), interval);
        QCOMPARE(form_->IntervalLabel()->text(), QString::number(interval));
        QStringList shown;
        for (int j = 0; j < 8; ++j)
            shown << form_->HotKeyBox(j)->Box()->Text();
        QCOMPARE(shown, hotKeys);
        // Opening closes the tray menu and takes the hot keys off; nothing else happens.
        QCOMPARE(host_.calls, QStringList({"SetTrayMenuEnabled 0", "UnRegAllHotKey"}));
    }

    void fontButtonCaptionShowsBoldAndItalic() {
        StoreSettings(*user_, {"ExplanationFontName=DejaVu Serif", "ExplanationFontSize=10.5",
                               "ExplanationFontBold=1", "ExplanationFontItalic=0"});
        Open();
        QCOMPARE(form_->ExplanationFontButton()->Caption(), QStringLiteral("DejaVu Serif 10.5"));
        QVERIFY(form_->ExplanationFontButton()->Fonts().bold());
        QVERIFY(!form_->ExplanationFontButton()->Fonts().italic());
        QVERIFY(form_->WordFontButton()->Fonts().italic());
    }

    // A fresh user pressing Apply keeps white words and the desktop colour.
    void applyUntouchedKeepsTheWordWindowsColours() {
        StoreSettings(*user_, {});
        Open();
        host_.calls.clear();
        form_->Apply();
        QCOMPARE(Stored(*user_, "WordForeColor"), QStringLiteral("16777215"));
        QCOMPARE(Stored(*user_, "ExplanationForeColor"), QStringLiteral("16777215"));
        QCOMPARE(ColorFromStored(Stored(*user_, "BackColor")), QColor(0x004e98));
        QCOMPARE(
            host_.calls,
            QStringList({"Repaint", "CheckDirectionItems 0", "SetWordFont 宋体 72",
                         "SetWordColor #ffffff", "SetExplanationFont 宋体 36",
                         "SetExplanationColor #ffffff", "RemoveBackPicture", "SetBackColor #004e98",
                         "PrintWord", "SetWordInterval 3000", "SetFullScreen 1", "RefreshLayout"}));
        const QStringList written{"Direction=0",        "ShowWord=1",
                                  "ShowExplanation=1",  "ShowPronounce=1",
                                  "DelayExplanation=0", "AutoPlay=0",
                                  "WordInterval=3",     "WordFontName=宋体",
                                  "WordFontSize=72",    "WordFontBold=1",
                                  "WordFontItalic=1",   "ExplanationFontSize=36",
                                  "BackPicture=0",      "BackPicturePath=default.bmp",
                                  "EnableSpeak=1",      "SpeakLetter=1",
                                  "HotKeyEnabled=1",    "HotKey0=0",
                                  "HotKey7=0",          "SplitDisplay=1"};
        for (const QString& pair : written) {
            const QString key = pair.section(u'=', 0, 0);
            QCOMPARE(ReadSetting(user_->app, Section, key, QStringLiteral("<missing>")),
                     pair.section(u'=', 1));
        }
        QVERIFY(form_->OKButton()->Enabled());
        QVERIFY(form_->CancelButton()->Enabled());
    }

    void applyWritesChangedControls() {
        StoreSettings(*user_, {"FullScreen=1", "HotKey1=624"});
        Open();
        form_->DirectionOption(1)->SetValue(true);
        form_->ShowPronounceCheck()->SetValue(false);
        form_->IntervalSlider()->SetValue(45);
        form_->FullScreenCheck()->SetValue(false);
        form_->SplitDisplayCheck()->SetValue(false);
        form_->HotKeyEnabledCheck()->SetValue(false);
        form_->HotKeyBox(0)->SetScanShift(4);
        form_->HotKeyBox(0)->SetScanKeyCode(65);
        form_->HotKeyBox(1)->SetScanKeyCode(0);
        QCOMPARE(form_->IntervalLabel()->text(), QStringLiteral("45"));
        host_.calls.clear();
        form_->Apply();
        QCOMPARE(Stored(*user_, "Direction"), QStringLiteral("1"));
        QCOMPARE(Stored(*user_, "ShowPronounce"), QStringLiteral("0"));
        QCOMPARE(Stored(*user_, "WordInterval"), QStringLiteral("45"));
        QCOMPARE(Stored(*user_, "SplitDisplay"), QStringLiteral("0"));
        QCOMPARE(Stored(*user_, "HotKeyEnabled"), QStringLiteral("0"));
        QCOMPARE(Stored(*user_, "HotKey0"), QStringLiteral("1089"));
        QCOMPARE(Stored(*user_, "HotKey1"), QStringLiteral("0"));
        QVERIFY(host_.calls.contains("CheckDirectionItems 1"));
        QVERIFY(host_.calls.contains("SetWordInterval 45000"));
        QVERIFY(host_.calls.contains("SetFullScreen 0"));
        // Hot keys come back only when the dialog closes.
        QVERIFY(!host_.calls.contains("RegAllHotKey"));
    }

    void fullScreenUnchangedIsLeftAlone() {
        StoreSettings(*user_, {"FullScreen=1"});
        Open();
        host_.calls.clear();
        form_->Apply();
        QVERIFY(!host_.calls.join(u',').contains(QStringLiteral("SetFullScreen")));
    }

    void backgroundPicture_data() {
        QTest::addColumn<bool>("use");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("style");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("storedStyle");
        QTest::addRow("picture, tile")
            << true << true << 0 << QStringList{"LoadBackPicture back.bmp", "SetBackPicture 0"}
            << "0";
        QTest::addRow("picture, stretch")
            << true << true << 2 << QStringList{"LoadBackPicture back.bmp", "SetBackPicture 2"}
            << "2";
        QTest::addRow("picture, no style")
            << true << true << -1 << QStringList{"LoadBackPicture back.bmp"} << "7";
        QTest::addRow("missing picture") << true << false << 1 << QStringList{} << "7";
        QTest::addRow("no picture")
            << false << true << 1 << QStringList{"RemoveBackPicture", "SetBackColor #ff0000"}
            << "7";
    }
    void backgroundPicture() {
        QFETCH(bool, use);
        QFETCH(bool, exists);
        QFETCH(int, style);
        QFETCH(QStringList, expected);
        QFETCH(QString, storedStyle);
        const QString path = user_->folder.File("back.bmp");
        if (exists) {
            QImage picture(8, 8, QImage::Format_RGB32);
            picture.fill(Qt::green);
            QVERIFY(picture.save(path, "BMP"));
        }
        StoreSettings(*user_, {"BackColor=255", "BackPictureStyle=7", "BackPicturePath=" + path,
                               QStringLiteral("BackPicture=%1").arg(use)});
        Open();
        if (style >= 0)
            form_->PictureStyleOption(style)->SetValue(true);
        host_.calls.clear();
        form_->Apply();
        QStringList background;
        for (const QString& call : host_.calls) {
            if (call.contains(QStringLiteral("Back")))
                background << call;
        }
        QCOMPARE(background, expected);
        QCOMPARE(Stored(*user_, "BackPicture"), use ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(Stored(*user_, "BackPictureStyle"), storedStyle);
        QCOMPARE(Stored(*user_, "BackPicturePath"), path);
    }

    void colourChoosers() {
        StoreSettings(*user_, {"BackPicturePath=pictures/sky.jpg", "BackPicture=1"});
        auto* choosers = Open();
        choosers->colors = {QColor(1, 2, 3), std::nullopt, std::nullopt, QColor(9, 8, 7)};
        QTest::mouseClick(form_->WordColorSwatch(), Qt::LeftButton);
        QCOMPARE(choosers->offeredColors.value(0), QColor(Qt::white));
        QCOMPARE(form_->WordColorSwatch()->Color(), QColor(1, 2, 3));
        // Cancelled: nothing changes.
        QTest::mouseClick(form_->ExplanationColorSwatch(), Qt::LeftButton);
        QCOMPARE(form_->ExplanationColorSwatch()->Color(), QColor(Qt::white));
        // A cancelled background colour keeps the picture...
        QTest::mouseClick(form_->BackColorSwatch(), Qt::LeftButton);
        QCOMPARE(form_->BackColorSwatch()->PicturePath(), QStringLiteral("pictures/sky.jpg"));
        QCOMPARE(form_->BackColorSwatch()->Color(), QColor(0x004e98));
        // ...a chosen one replaces it.
        QTest::mouseClick(form_->BackColorSwatch(), Qt::LeftButton);
        QCOMPARE(form_->BackColorSwatch()->PicturePath(), QStringLiteral("0"));
        form_->Apply();
        QCOMPARE(Stored(*user_, "WordForeColor"), QString::number(1 + 2 * 256 + 3 * 65536));
        QCOMPARE(Stored(*user_, "BackColor"), QString::number(9 + 8 * 256 + 7 * 65536));
        QCOMPARE(Stored(*user_, "BackPicturePath"), QStringLiteral("0"));
        QVERIFY(choosers->guardedWhileOpen);
        QVERIFY(!user_->app.dialogShowing);
    }

    void fontAndPictureChoosers() {
        StoreSettings(*user_, {"BackPicturePath=old.bmp"});
        auto* choosers = Open();
        QFont chosen(QStringLiteral("DejaVu Sans"));
        chosen.setPointSizeF(20);
        chosen.setBold(false);
        chosen.setItalic(true);
        chosen.setUnderline(true);
        choosers->fonts = {chosen, std::nullopt};
        choosers->pictures = {QString(), QStringLiteral("/tmp/new.jpg")};
        QTest::mouseClick(form_->WordFontButton(), Qt::LeftButton);
        QCOMPARE(choosers->offeredFonts.value(0).family(), QStringLiteral("宋体"));
        QCOMPARE(form_->WordFontButton()->Caption(), QStringLiteral("DejaVu Sans 20"));
        QVERIFY(!form_->WordFontButton()->Fonts().bold());
        QVERIFY(form_->WordFontButton()->Fonts().italic());
        // Face, size, bold and italic only.
        QVERIFY(!form_->WordColorSwatch()->SwatchFont().underline());
        QTest::mouseClick(form_->ExplanationFontButton(), Qt::LeftButton);
        QCOMPARE(form_->ExplanationFontButton()->Caption(), QStringLiteral("宋体 36"));

        QTest::mouseClick(form_->PictureButton(), Qt::LeftButton);
        QCOMPARE(choosers->offeredFolders.value(0), user_->folder.Path() + u'/');
        QCOMPARE(form_->BackColorSwatch()->PicturePath(), QStringLiteral("old.bmp"));
        QTest::mouseClick(form_->PictureButton(), Qt::LeftButton);
        QCOMPARE(form_->BackColorSwatch()->PicturePath(), QStringLiteral("/tmp/new.jpg"));

        host_.calls.clear();
        form_->Apply();
        QCOMPARE(Stored(*user_, "WordFontName"), QStringLiteral("DejaVu Sans"));
        QCOMPARE(Stored(*user_, "WordFontSize"), QStringLiteral("20"));
        QCOMPARE(Stored(*user_, "WordFontBold"), QStringLiteral("0"));
        QCOMPARE(Stored(*user_, "BackPicturePath"), QStringLiteral("/tmp/new.jpg"));
        QVERIFY(host_.calls.contains("SetWordFont DejaVu Sans 20"));
    }

    void okAppliesAndClosesCancelOnlyCloses_data() {
        QTest::addColumn<bool>("ok");
        QTest::addRow("OK") << true;
        QTest::addRow("Cancel") << false;
    }
    void okAppliesAndClosesCancelOnlyCloses() {
        QFETCH(bool, ok);
        StoreSettings(*user_, {"WordInterval=7"});
        WindowHooks hooks;
        Open(&hooks);
        QVERIFY(hooks.IsHooked(form_));
        form_->IntervalSlider()->SetValue(9);
        host_.calls.clear();
        QTest::mouseClick(ok ? form_->OKButton() : form_->CancelButton(), Qt::LeftButton);
        QTRY_VERIFY(form_.isNull());
        QCOMPARE(Stored(*user_, "WordInterval"), ok ? QStringLiteral("9") : QStringLiteral("7"));
        QCOMPARE(host_.calls.mid(host_.calls.size() - 2),
                 QStringList({"RegAllHotKey", "SetTrayMenuEnabled 1"}));
        QCOMPARE(host_.calls.count("RegAllHotKey"), 1);
        QVERIFY(hooks.HookedWindows().isEmpty());
    }

    // Every page in both skins, each control inside its page, none overlapping another.
    void pagesInBothSkins_data() {
        QTest::addColumn<QString>("skin");
        QTest::addRow("WindowsXP") << "WindowsXP";
        QTest::addRow("Jade") << "Jade";
    }
    void pagesInBothSkins() {
        QFETCH(QString, skin);
        StoreSettings(*user_, {"HotKey0=624", "HotKey5=1089"});
        QByteArray text = user_->folder.Read("users/Alice/config.ini");
        text.replace("SkinFolder=WindowsXP", "SkinFolder=" + skin.toUtf8());
        user_->folder.Write("users/Alice/config.ini", text);
        Open();
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_));
        for (int page = 0; page < 4; ++page) {
            QTest::mouseClick(static_cast<QWidget*>(form_->Page(page)->Face()), Qt::LeftButton);
            QTRY_VERIFY(form_->Page(page)->Value());
            // The chosen page lies on top of the others sharing its place.
            const QList<TablePageXP*> stacked =
                form_->Page(page)->parentWidget()->findChildren<TablePageXP*>(
                    QString(), Qt::FindDirectChildrenOnly);
            QCOMPARE(stacked.last(), form_->Page(page));
            const QString folder = qEnvironmentVariable("LEXARION_GRAB_FOLDER");
            if (!folder.isEmpty())
                form_->grab().save(
                    QStringLiteral("%1/settings-%2-%3.png").arg(folder, skin).arg(page));
            CheckLayout(form_->Page(page));
        }
    }

private:
    QueuedChoosers* Open(WindowHooks* hooks = nullptr) {
        auto choosers = std::make_unique<QueuedChoosers>();
        QueuedChoosers* raw = choosers.get();
        raw->app = &user_->app;
        form_ = new RememberSettingForm(user_->app, host_, hooks, nullptr, std::move(choosers));
        return raw;
    }

    // The controls of a page lie inside their containers and apart from their siblings.
    static void CheckLayout(QWidget* container) {
        const QList<QWidget*> children =
            container->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QList<QWidget*> placed;
        for (QWidget* child : children) {
            if (!child->isVisibleTo(container) || child->objectName().isEmpty() ||
                qobject_cast<TablePageXP*>(child))
                continue;
            QVERIFY2(container->rect().contains(child->geometry()),
                     qPrintable(child->objectName() + " leaves " + container->objectName()));
            for (QWidget* other : placed) {
                QVERIFY2(!other->geometry().intersects(child->geometry()),
                         qPrintable(child->objectName() + " overlaps " + other->objectName()));
            }
            placed << child;
            if (qobject_cast<FrameXP*>(child) || child->objectName() == u"PictureStyles")
                CheckLayout(child);
        }
    }

    static QColor ColorFromStored(const QString& text);

    std::unique_ptr<UserFixture> user_;
    RecordingHost host_;
    QPointer<RememberSettingForm> form_;
};

QColor RememberSettingFormTest::ColorFromStored(const QString& text) {
    ColorSwatchLabel swatch;
    swatch.SetColorNumber(qint64(text.toLongLong()));
    return swatch.Color();
}

QTEST_MAIN(RememberSettingFormTest)
#include "remembersettingform_test.moc"
