// The windows of the reminders and the general settings over fixture program folders: the
// pop-up's paging and purge, the editor's carrying and enabled states, the settings dialog's
// load, OK and Cancel, and a new skin reaching every open skinned window.

#include "core/appstate.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/checkboxxp.h"
#include "skin/ui/formcontrols.h"
#include "skin/ui/framexp.h"
#include "skin/ui/listboxxp.h"
#include "skin/ui/sliderxp.h"
#include "skin/ui/textboxxp.h"
#include "skin/ui/updownxp.h"
#include "skin/ui/windowhooks.h"
#include "support/recordingspeech.h"
#include "support/userfixture.h"
#include "tools/generalsettings.h"
#include "tools/ui/remindform.h"
#include "tools/ui/remindsetingform.h"
#include "tools/ui/settingform.h"

#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

using namespace lexarion;
using lexarion::testing::Gb;
using lexarion::testing::UserFixture;

namespace {

struct Fixture : UserFixture {
    WindowHooks hooks;

    void SetNow(const char* isoDateTime) {
        const QDateTime now = QDateTime::fromString(QString::fromLatin1(isoDateTime), Qt::ISODate);
        app.SetClock([now] { return now; });
    }
    void Records(const QStringList& lines) {
        for (const QString& line : lines)
            app.reminderList.Append(line);
    }
    QString File(const char* relative) const {
        return QString::fromUtf8(folder.Read(QString::fromLatin1(relative)));
    }
    // The installation's skins in Skins/.
    void CopySkins() {
        const QString source = QStringLiteral(LEXARION_SKIN_SOURCE_DIR);
        for (const char* skin : {"WindowsXP", "Jade"}) {
            QDirIterator files(source + u'/' + QLatin1String(skin),
                               {QStringLiteral("*.bmp"), QStringLiteral("config.ini")});
            while (files.hasNext()) {
                QFile file(files.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                folder.Write(QStringLiteral("Skins/") + QLatin1String(skin) + u'/' +
                                 files.fileName(),
                             file.readAll());
            }
        }
    }
};

void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void SaveGrab(QWidget* widget, const QString& name) {
    const QString folder = qEnvironmentVariable("LEXARION_GRAB_FOLDER");
    if (!folder.isEmpty())
        widget->grab().save(folder + u'/' + name);
}

QByteArray Words(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += "word" + QByteArray::number(i) + "#" + Gb("词") + "\r\n";
    return bytes;
}

} // namespace

class ToolWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void popUpPagesThroughTheDueRecordsAndPurgesThemWhenClosed();
    void editorCarriesStepsPastALimit_data();
    void editorCarriesStepsPastALimit();
    void editorEnablesItsControlsExactlyWhileThereAreRecords();
    void editorWritesTypedTextThroughAndSavesWhenClosed();
    void settingsLoadShowsTheStoredValues();
    void settingsOkAsksBeforeLoadingAnotherList_data();
    void settingsOkAsksBeforeLoadingAnotherList();
    void settingsCancelWritesNothing();
    void newSkinReachesEveryOpenSkinnedWindow();
};

void ToolWindowsTest::popUpPagesThroughTheDueRecordsAndPurgesThemWhenClosed() {
    Fixture f;
    f.SetNow("2004-01-05T09:30:00");
    f.Records(
        {u"20040105\t0930\t交作业"_qs, u"20040105\t0931\t还没到"_qs, u"20040105\t0930\t开会"_qs});
    QPointer<RemindForm> form = new RemindForm(f.app, &f.hooks);
    form->BringForward();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QCOMPARE(form->windowTitle(), u"事情提醒"_qs);
    QVERIFY(f.hooks.IsHooked(form));
    QCOMPARE(form->RemindTextLabel()->text(), u"时间: 2004年01月05日 09:30\r\n\r\n事情: 交作业"_qs);
    SaveGrab(form, "remindform.png");
    Click(form->PreviousButton());
    QCOMPARE(form->Due().CurrentDue(), 1);
    Click(form->NextButton());
    QCOMPARE(form->RemindTextLabel()->text(), u"时间: 2004年01月05日 09:30\r\n\r\n事情: 开会"_qs);
    Click(form->NextButton());
    QCOMPARE(form->Due().CurrentDue(), 2);

    // One more minute: the purge at the close takes what is due then.
    f.Records({u"20040106\t0000\t明天"_qs});
    f.SetNow("2004-01-05T09:31:00");
    Click(form->CloseButton());
    QTRY_VERIFY(!form);
    QCOMPARE(f.app.reminderList.Lines(), QStringList{u"20040106\t0000\t明天"_qs});
    QCOMPARE(f.folder.Read("users/Alice/remind.txt"),
             QByteArray("20040106\t0000\t") + Gb("明天") + "\r\n");
}

void ToolWindowsTest::editorCarriesStepsPastALimit_data() {
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("upDown");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("expected");
    // year, month, day, hour, minute shown afterwards
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("minute 59 to 60")
        << "20040105\t0959\tX"
        << "RemindMinuteUpDown" << 60 << "20040105\t1000\tX" << QList<int>{2004, 1, 5, 10, 0};
    QTest::newRow("minute 0 to -1")
        << "20040105\t0900\tX"
        << "RemindMinuteUpDown" << -1 << "20040105\t0859\tX" << QList<int>{2004, 1, 5, 8, 59};
    QTest::newRow("day 32 of January")
        << "20040131\t0900\tX"
        << "RemindDayUpDown" << 32 << "20040201\t0900\tX" << QList<int>{2004, 2, 1, 9, 0};
    QTest::newRow("month 2 on the 31st")
        << "20040131\t0900\tX"
        << "RemindMonthUpDown" << 2 << "20040302\t0900\tX" << QList<int>{2004, 3, 2, 9, 0};
    QTest::newRow("month 13") << "20041215\t0900\tX"
                              << "RemindMonthUpDown" << 13 << "20050115\t0900\tX"
                              << QList<int>{2005, 1, 15, 9, 0};
    QTest::newRow("day 0 of March")
        << "20040301\t0900\tX"
        << "RemindDayUpDown" << 0 << "20040229\t0900\tX" << QList<int>{2004, 2, 29, 9, 0};
    // Out of the year spinner's range: stored, but the spinners are not refreshed.
    QTest::newRow("day 0 of January 2000")
        << "20000101\t0900\tX"
        << "RemindDayUpDown" << 0 << "19991231\t0900\tX" << QList<int>{2000, 1, 0, 9, 0};
}

void ToolWindowsTest::editorCarriesStepsPastALimit() {
    QFETCH(QString, record);
    QFETCH(QString, upDown);
    QFETCH(int, value);
    QFETCH(QString, expected);
    QFETCH(QList<int>, shown);
    Fixture f;
    f.Records({u"20991231\t2359\tfirst"_qs, record});
    RemindSetingForm form(f.app, &f.hooks);
    form.setAttribute(Qt::WA_DeleteOnClose, false);
    form.ListBoxXP1()->SetListIndex(1);
    form.findChild<UpDownXP*>(upDown)->SetValue(value);
    QCOMPARE(f.app.reminderList.Item(2), expected);
    QCOMPARE(f.app.reminderList.Item(1), u"20991231\t2359\tfirst"_qs);
    const QList<int> values{form.RemindYearUpDown()->Value(), form.RemindMonthUpDown()->Value(),
                            form.RemindDayUpDown()->Value(), form.RemindHourUpDown()->Value(),
                            form.RemindMinuteUpDown()->Value()};
    QCOMPARE(values, shown);
    if (shown[0] == expected.left(4).toInt()) {
        QCOMPARE(form.RemindDay()->text(), QString::number(shown[2]) + u"日"_qs);
        QCOMPARE(form.RemindMinute()->text(), QString::number(shown[4]) + u"分"_qs);
        QCOMPARE(form.ListBoxXP1()->GetListItemCaption(1),
                 ReminderDisplayText(expected.left(8), expected.mid(9, 4)) + u"\tX"_qs);
    }
}

void ToolWindowsTest::editorEnablesItsControlsExactlyWhileThereAreRecords() {
    Fixture f;
    f.SetNow("2004-01-05T09:30:00");
    RemindSetingForm form(f.app, &f.hooks);
    form.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(form.windowTitle(), u"Lexarion - [提醒设置]"_qs);
    QVERIFY(f.app.dialogShowing);
    QCOMPARE(form.NowTimeLabel()->text(), u"2004年01月05日 09:30"_qs);
    const auto states = [&] {
        QList<bool> s;
        for (UpDownXP* u :
             {form.RemindYearUpDown(), form.RemindMonthUpDown(), form.RemindDayUpDown(),
              form.RemindHourUpDown(), form.RemindMinuteUpDown()})
            s << u->Enabled();
        s << form.DeleteButton()->Enabled() << form.RemindTextBox()->Enabled()
          << !form.RemindTextBox()->Locked();
        return s;
    };
    const QList<bool> allOff(8, false);
    const QList<bool> allOn(8, true);
    QCOMPARE(states(), allOff);
    QCOMPARE(form.RemindTextBox()->Text(), EmptyReminderListPrompt.toString());

    Click(form.NewButton());
    QCOMPARE(states(), allOn);
    QCOMPARE(f.app.reminderList.Lines(),
             QStringList{u"20040105\t0930\t"_qs + NewReminderText.toString()});
    QCOMPARE(form.ListBoxXP1()->ListIndex(), 0);
    QCOMPARE(form.RemindTextBox()->Text(), NewReminderText.toString());
    QCOMPARE(form.RemindHourUpDown()->Value(), 9);
    QCOMPARE(form.RemindMinuteUpDown()->Value(), 30);

    Click(form.NewButton());
    QCOMPARE(form.ListBoxXP1()->ListIndex(), 1);
    Click(form.DeleteButton());
    QCOMPARE(f.app.reminderList.Count(), 1);
    QCOMPARE(states(), allOn);
    Click(form.DeleteButton());
    QCOMPARE(f.app.reminderList.Count(), 0);
    QCOMPARE(form.ListBoxXP1()->ListCount(), 0);
    QCOMPARE(states(), allOff);
    QCOMPARE(form.RemindTextBox()->Text(), EmptyReminderListPrompt.toString());
    QVERIFY(f.app.reminderList.IsEmpty()); // the prompt was not written as a record
}

void ToolWindowsTest::editorWritesTypedTextThroughAndSavesWhenClosed() {
    Fixture f;
    f.Records({u"20040105\t0930\t"_qs});
    QPointer<RemindSetingForm> form = new RemindSetingForm(f.app, &f.hooks);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QVERIFY(f.hooks.IsHooked(form));
    QLineEdit* edit = form->RemindTextBox()->ControlXP();
    edit->setFocus();
    QTest::keyClicks(edit, "abc");
    QCOMPARE(f.app.reminderList.Item(1), u"20040105\t0930\tabc"_qs);
    QCOMPARE(form->ListBoxXP1()->GetListItemCaption(0), u"2004年01月05日 09:30\tabc"_qs);
    QCOMPARE(edit->cursorPosition(), 3);
    SaveGrab(form, "remindsetingform.png");
    QVERIFY(f.app.dialogShowing);
    Click(form->CloseButton());
    QTRY_VERIFY(!form);
    QVERIFY(!f.app.dialogShowing);
    QCOMPARE(f.folder.Read("users/Alice/remind.txt"), QByteArray("20040105\t0930\tabc\r\n"));
}

namespace {

// Alice with both skins, 120 words loaded from cet-4.wsl and another list, toefl.wsl.
struct SettingsFixture : Fixture {
    lexarion::testing::RecordingSpeech speech;
    SettingsFixture() {
        CopySkins();
        folder.Write("Dicts/cet-4.wsl", ";" + Gb("四级") + "\r\n" + Words(120));
        folder.Write("Dicts/toefl.wsl", Words(30));
        folder.Write("users/Alice/config.ini",
                     "[General]\r\nSkinFolder=WindowsXP\r\nDictionaryFile=cet-4.wsl\r\n"
                     "GroupSize=50\r\nGroup=2\r\nLastPlanGroup=2\r\nSpeakMode=2\r\n"
                     "SpeakSpeed=600\r\nShowAsGroup=1\r\n");
        for (int i = 0; i < 120; ++i)
            app.wordList.Append(QStringLiteral("word%1#x").arg(i));
        app.speech = &speech;
    }
};

} // namespace

void ToolWindowsTest::settingsLoadShowsTheStoredValues() {
    SettingsFixture f;
    // A third skin without a preview or a description.
    f.folder.Write("Skins/Plain/config.ini", "[Window]\r\nBackColor=255\r\n");
    SettingForm form(f.app, &f.hooks);
    form.setAttribute(Qt::WA_DeleteOnClose, false);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), u"Lexarion - [通用设置]"_qs);
    QCOMPARE(form.SkinListBoxXP()->ListCount(), 3);
    QCOMPARE(form.SkinListBoxXP()->GetListItemCaption(form.SkinListBoxXP()->ListIndex()),
             u"WindowsXP"_qs);
    QVERIFY(form.PreViewImage()->isVisible());
    QCOMPARE(form.DictListBoxXP()->GetListItemCaption(2), u"MyDict.wsl"_qs);
    QCOMPARE(form.DictionaryLabel()->text(), u"四级"_qs);
    QCOMPARE(form.SpeedSlider()->Value(), 510);
    QCOMPARE(form.SpeedLabel()->text(), u"510"_qs);
    QCOMPARE(form.SpeakModeSlider()->Max(), 2);
    QCOMPARE(form.SpeakModeLabel()->text(), u"second"_qs);
    QCOMPARE(form.GroupFrame()->Caption(), u"当前词库共有 120 个单词"_qs);
    QVERIFY(form.GroupCheck()->Value());
    QCOMPARE(form.GroupSizeSlider()->Value(), 50);
    QCOMPARE(form.GroupSlider()->Max(), 3);
    QCOMPARE(form.GroupSlider()->Value(), 2);
    QCOMPARE(form.LastPlanGroupLabel()->text(), u"2/3"_qs);
    SaveGrab(&form, "settingform.png");

    form.SkinListBoxXP()->SetListIndex(1); // Plain
    QCOMPARE(form.DescriptionLabel()->text(), NoSkinDescription.toString());
    QVERIFY(!form.PreViewImage()->isVisible());

    form.GroupSizeSlider()->SetValue(20);
    QCOMPARE(form.GroupSlider()->Max(), 6);
    QCOMPARE(form.GroupSizeLabel()->text(), u"20"_qs);

    // 复位 asks first; No keeps the progress.
    QStringList asked;
    bool answer = false;
    bool noDefaults = true;
    form.SetQuestion([&](const QString& text, const QString&, bool noDefault) {
        asked << text;
        noDefaults = noDefaults && noDefault;
        return answer;
    });
    Click(form.ResetButton());
    QCOMPARE(form.LastPlanGroup(), 2);
    answer = true;
    Click(form.ResetButton());
    QCOMPARE(form.LastPlanGroup(), 0);
    QCOMPARE(form.LastPlanGroupLabel()->text(), u"0/6"_qs);
    QCOMPARE(asked, QStringList(2, ResetPlanQuestion.toString()));
    QVERIFY(noDefaults);
}

void ToolWindowsTest::settingsOkAsksBeforeLoadingAnotherList_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("No keeps the list") << false;
    QTest::newRow("Yes loads it and starts at group 1") << true;
}

void ToolWindowsTest::settingsOkAsksBeforeLoadingAnotherList() {
    QFETCH(bool, yes);
    SettingsFixture f;
    QPointer<SettingForm> form = new SettingForm(f.app, &f.hooks);
    QStringList titles;
    form->SetQuestion([&](const QString&, const QString& title, bool) {
        titles << title;
        return yes;
    });
    form->DictListBoxXP()->SetListIndex(1); // toefl.wsl
    form->GroupSizeSlider()->SetValue(40);
    form->GroupSlider()->SetValue(3);
    form->OKButton()->Click();
    QTRY_VERIFY(!form);
    QCOMPARE(titles, QStringList{LoadNewListTitle.toString()});
    const QString settings = f.File("users/Alice/config.ini");
    QVERIFY(settings.contains(yes ? "DictionaryFile=toefl.wsl" : "DictionaryFile=cet-4.wsl"));
    QVERIFY(settings.contains(yes ? "GroupSize=1\r\n" : "GroupSize=40\r\n"));
    QVERIFY(settings.contains(yes ? "Group=1\r\n" : "Group=3\r\n"));
    QCOMPARE(f.app.wordList.Count(), yes ? 30 : 120);
    QVERIFY(settings.contains("SpeakSpeed=510"));
    QCOMPARE(f.speech.speed, 510);
    QCOMPARE(f.speech.mode, 2);
}

void ToolWindowsTest::settingsCancelWritesNothing() {
    SettingsFixture f;
    const QByteArray before = f.folder.Read("users/Alice/config.ini");
    QPointer<SettingForm> form = new SettingForm(f.app, &f.hooks);
    form->SkinListBoxXP()->SetListIndex(0);
    form->SpeedSlider()->SetValue(100);
    Click(form->CancelButton());
    QTRY_VERIFY(!form);
    QCOMPARE(f.folder.Read("users/Alice/config.ini"), before);
}

void ToolWindowsTest::newSkinReachesEveryOpenSkinnedWindow() {
    SettingsFixture f;
    f.SetNow("2004-01-05T09:30:00");
    f.Records({u"20040105\t0930\tA"_qs});
    auto* popUp = new RemindForm(f.app, &f.hooks);
    popUp->BringForward();
    QVERIFY(QTest::qWaitForWindowExposed(popUp));
    const qint32 xpBack = FormBackColor(popUp);
    QPointer<SettingForm> form = new SettingForm(f.app, &f.hooks);
    form->SetQuestion([](const QString&, const QString&, bool) { return false; });
    form->show();
    form->SkinListBoxXP()->SetListIndex(0); // Jade
    form->OKButton()->Click();
    QTRY_VERIFY(!form);
    QVERIFY(f.File("users/Alice/config.ini").contains("SkinFolder=Jade"));
    QCOMPARE(FormBackColor(popUp), 15397872); // Jade's [Window] BackColor
    QVERIFY(FormBackColor(popUp) != xpBack);
    SaveGrab(popUp, "remindform-jade.png");
    delete popUp;
}

QTEST_MAIN(ToolWindowsTest)
#include "toolwindows_test.moc"
