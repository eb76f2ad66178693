// The whole shell over a fixture program folder: ending the program (a kill, the end of the
// session) while a window is shown modally closes that window first and then runs the normal
// shutdown, without pulling windows away from the handler that opened it; the speech engine
// of the owner window.

#include "app/ui/controlform.h"
#include "app/ui/iconform.h"
#include "app/ui/loginform.h"
#include "app/ui/shell.h"
#include "app/ui/tipondayform.h"
#include "core/appstate.h"
#include "core/settings.h"
#include "memorize/ui/mustrememberform.h"
#include "memorize/ui/mustremembersettingform.h"
#include "platform/trayicon.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/textboxxp.h"
#include "support/recordingpresenter.h"
#include "support/recordingspeech.h"
#include "support/userfixture.h"
#include "tools/ui/findwordform.h"

#include <QApplication>
#include <QLineEdit>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QtTest>

using namespace lexarion;
using lexarion::testing::RecordingSpeech;
using lexarion::testing::UserFixture;

namespace {

// Bob's program folder with a word list of two words.
struct ShellFixture : UserFixture {
    ShellFixture() {
        folder.Write("Dicts/cet-4.wsl", lexarion::testing::Gb("abandon#放弃\r\nability#能力\r\n"));
        folder.Write("users/Bob/config.ini", "[TipOnDaySetting]\r\nShowOnStart=0\r\n");
    }
    RecordingSpeech* speech = nullptr; // the owner window's, once loaded
    Shell shell{app, Services()};
    QSignalSpy finished{&shell, &Shell::Finished};

    // Logs Bob in; the start-up runs once the splash has waited.
    void LogIn() {
        shell.Start();
        LoginForm* login = shell.Login();
        QVERIFY(login);
        login->UserTextBox()->SetText(QStringLiteral("Bob"));
        QTest::mouseClick(login->LoginButton(), Qt::LeftButton);
    }

    // Calls Terminate as soon as a modal window of type T is shown; true once it was.
    template <typename T> void TerminateWhenShown(bool& shown) {
        auto* poll = new QTimer(&shell);
        QObject::connect(poll, &QTimer::timeout, &shell, [this, poll, &shown] {
            if (qobject_cast<T*>(QApplication::activeModalWidget())) {
                shown = true;
                poll->stop();
                shell.Terminate();
            }
        });
        poll->start(20);
    }

    // No tray, no browser, no fonts; a speech engine that records.
    ShellServices Services() {
        ShellServices services;
        services.makeSpeech = [this] {
            auto engine = std::make_unique<RecordingSpeech>();
            speech = engine.get();
            return engine;
        };
        return services;
    }

    QString GlobalSettings() const { return QString::fromLatin1(folder.Read("config.ini")); }
};

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void endingWithTheAboutBoxOpenClosesItAndShutsDown();
    void endingDuringTheTipAtStartUpClosesItAsTheUserWould();
    void endingDuringAStartUpMessageFinishesTheStartUpFirst();
    void theOwnerWindowSpeaksWithTheUsersVoiceAndSpeed();
    void theLookupOpensFromTheConsoleAndTheTrayAndClosesAtTheEnd();
    void theMinuteTimerCountsTowardsTheTest();
    void theMustRememberTestFromStartUpToShutdown();
};

void ShellTest::endingWithTheAboutBoxOpenClosesItAndShutsDown() {
    ShellFixture f;
    f.LogIn();
    QTRY_VERIFY_WITH_TIMEOUT(f.shell.Console() && f.shell.Console()->isVisible(), 5000);
    QPointer<ControlForm> console = f.shell.Console();
    bool shown = false;
    f.TerminateWhenShown<QDialog>(shown);
    // The about box is modal: this returns once it has closed.
    f.shell.Run(Command::About, CommandOrigin::Console);
    QVERIFY(shown);
    QVERIFY2(console, "the console was released under the about box's handler");
    QTRY_COMPARE(f.finished.count(), 1);
    QCOMPARE(f.finished.at(0).at(0).toInt(), 0);
    QVERIFY(f.GlobalSettings().contains(QStringLiteral("LastUser=Bob")));
    QTRY_VERIFY(console.isNull());
    QVERIFY(!f.app.dialogShowing);
}

void ShellTest::endingDuringTheTipAtStartUpClosesItAsTheUserWould() {
    ShellFixture f;
    f.folder.Write("users/Bob/config.ini", "[TipOnDaySetting]\r\nShowOnStart=1\r\nTipIndex=0\r\n");
    f.folder.Write("Tips/01.txt", "first\r\n");
    f.folder.Write("Tips/02.txt", "second\r\n");
    bool shown = false;
    f.TerminateWhenShown<TipOnDayForm>(shown);
    f.LogIn();
    QTRY_VERIFY_WITH_TIMEOUT(shown, 5000);
    QTRY_COMPARE(f.finished.count(), 1);
    QCOMPARE(f.finished.at(0).at(0).toInt(), 0);
    QVERIFY(f.GlobalSettings().contains(QStringLiteral("LastUser=Bob")));
    // The tip window stored what it shows, as closing it by hand does.
    QVERIFY(QString::fromLatin1(f.folder.Read("users/Bob/config.ini"))
                .contains(QStringLiteral("TipIndex=1")));
}

void ShellTest::endingDuringAStartUpMessageFinishesTheStartUpFirst() {
    ShellFixture f;
    f.folder.Write("users/Bob/config.ini", "[General]\r\nDictionaryFile=gre.wsl\r\n");
    bool shown = false;
    f.TerminateWhenShown<QMessageBox>(shown);
    f.LogIn();
    QTRY_VERIFY_WITH_TIMEOUT(shown, 5000);
    QTRY_COMPARE(f.finished.count(), 1);
    QCOMPARE(f.finished.at(0).at(0).toInt(), 0);
    // The start-up went on with the default list, and the shutdown saved as at any end.
    QVERIFY(f.app.loadedWordListPath.endsWith(QStringLiteral("Dicts/cet-4.wsl")));
    QVERIFY(f.GlobalSettings().contains(QStringLiteral("LastUser=Bob")));
    QVERIFY(f.folder.Exists("users/Bob/remind.txt"));
}

void ShellTest::theOwnerWindowSpeaksWithTheUsersVoiceAndSpeed() {
    ShellFixture f;
    f.folder.Write("users/Bob/config.ini", "[General]\r\nSpeakMode=2\r\nSpeakSpeed=220.7\r\n"
                                           "[TipOnDaySetting]\r\nShowOnStart=0\r\n");
    f.LogIn();
    QTRY_VERIFY_WITH_TIMEOUT(f.shell.Console() && f.shell.Console()->isVisible(), 5000);
    QVERIFY(f.speech);
    QCOMPARE(f.app.speech, f.speech);
    QCOMPARE(f.speech->mode, 2);
    QCOMPARE(f.speech->speed, 220);

    // "自动朗读单词(&R)" switched on stores the setting; switched off while speaking, it stops
    // the speech as well.
    QAction* speak = f.shell.Icon()->Item(QStringLiteral("RememberFormSpeakMenu"));
    QVERIFY(!speak->isChecked());
    f.speech->speaking = true;
    speak->trigger();
    QVERIFY(QString::fromLatin1(f.folder.Read("users/Bob/config.ini")).contains("EnableSpeak=1"));
    QVERIFY(f.speech->calls.isEmpty());
    speak->trigger();
    QVERIFY(QString::fromLatin1(f.folder.Read("users/Bob/config.ini")).contains("EnableSpeak=0"));
    QCOMPARE(f.speech->calls, QStringList({"Stop"}));
    speak->trigger();
    speak->trigger(); // not speaking now: nothing to stop
    QCOMPARE(f.speech->calls, QStringList({"Stop"}));

    // After the shutdown nothing speaks through the released window.
    f.shell.Terminate();
    QTRY_COMPARE(f.finished.count(), 1);
    QVERIFY(!f.app.speech);
}

void ShellTest::theLookupOpensFromTheConsoleAndTheTrayAndClosesAtTheEnd() {
    ShellFixture f;
    f.folder.Write("Dicts/All.wsl", lexarion::testing::Gb("apple#n. 苹果\r\n"));
    f.folder.Write("Dicts/All_cn.idx", "");
    f.LogIn();
    QTRY_VERIFY_WITH_TIMEOUT(f.shell.Console() && f.shell.Console()->isVisible(), 5000);
    QVERIFY(!f.shell.Window(ShellWindow::FindWordForm));

    f.shell.Run(Command::FindWord, CommandOrigin::Console);
    QPointer<FindWordForm> first =
        qobject_cast<FindWordForm*>(f.shell.Window(ShellWindow::FindWordForm));
    QVERIFY(first && first->isVisible());
    QCOMPARE(first->windowTitle(), QStringLiteral("单词速查"));
    // Opening again while it is open shows the same window.
    f.shell.Run(Command::FindWord, CommandOrigin::Menu);
    QCOMPARE(f.shell.Window(ShellWindow::FindWordForm), static_cast<QWidget*>(first.data()));

    // "发音" reads the keyword through the owner window's engine.
    QTest::keyClicks(first->KeyWordText()->ControlXP(), "apple");
    f.speech->calls.clear();
    QTest::mouseClick(first->ReadWordButton(), Qt::LeftButton);
    QVERIFY(f.speech->calls.contains(QStringLiteral("Speak apple")));

    // Closed, it goes; the next opening is a new window.
    first->close();
    QTRY_VERIFY(!first);
    QVERIFY(!f.shell.Window(ShellWindow::FindWordForm));
    f.shell.Run(Command::FindWord, CommandOrigin::Menu);
    QPointer<FindWordForm> second =
        qobject_cast<FindWordForm*>(f.shell.Window(ShellWindow::FindWordForm));
    QVERIFY(second && second->isVisible());
    QCOMPARE(second->KeyWordText()->Text(), QString());

    // The shutdown closes it and releases its lists.
    f.shell.Terminate();
    QTRY_COMPARE(f.finished.count(), 1);
    QVERIFY(!second);
}

MustRememberForm* TestOf(const Shell& shell) {
    return qobject_cast<MustRememberForm*>(shell.Window(ShellWindow::MustRememberForm));
}

MustRememberSettingForm* SettingsOf(const Shell& shell) {
    return qobject_cast<MustRememberSettingForm*>(
        shell.Window(ShellWindow::MustRememberSettingForm));
}

void ShellTest::theMinuteTimerCountsTowardsTheTest() {
    UserFixture f;
    WriteSetting(f.app, u"MustRememberSetting"_qs, u"EnableMustRemember"_qs, u"1"_qs);
    WriteSetting(f.app, u"MustRememberSetting"_qs, u"ShowInterval"_qs, u"2"_qs);
    IconForm icon(f.app, nullptr, nullptr, {}, {});
    QCOMPARE(icon.Timer1().interval(), 60000);
    QVERIFY(icon.Timer1().isActive());
    QSignalSpy due(&icon, &IconForm::MustRememberDue);
    auto ticks = [&](int count, bool dialog) -> QList<int> {
        QList<int> shownAt;
        for (int tick = 1; tick <= count; ++tick) {
            f.app.dialogShowing = dialog;
            const qsizetype before = due.size();
            if (!QMetaObject::invokeMethod(&icon.Timer1(), "timeout"))
                return {-1};
            if (due.size() > before)
                shownAt << tick;
        }
        return shownAt;
    };
    QCOMPARE(ticks(6, false), (QList<int>{2, 4, 6}));
    // While a program dialog shows, the minutes do not count.
    QCOMPARE(ticks(5, true), QList<int>());
    QCOMPARE(ticks(2, false), (QList<int>{2}));
    f.app.dialogShowing = false;
}

void ShellTest::theMustRememberTestFromStartUpToShutdown() {
    ShellFixture f;
    lexarion::testing::RecordingPresenter messages(f.app);
    f.folder.Write("users/Bob/config.ini", "[TipOnDaySetting]\r\nShowOnStart=0\r\n"
                                           "[MustRememberSetting]\r\nEnableMustRemember=1\r\n"
                                           "ShowInterval=1\r\n");
    f.LogIn();
    QTRY_VERIFY_WITH_TIMEOUT(f.shell.Console() && f.shell.Console()->isVisible(), 5000);
    // Start-up opened the test, owned by the hidden owner window.
    QPointer<MustRememberForm> test = TestOf(f.shell);
    QVERIFY(test && test->isVisible());
    QCOMPARE(test->parentWidget(), f.shell.Icon());
    QCOMPARE(test->WordLabel()->text(), u"abandon"_qs);
    QVERIFY(!f.app.dialogShowing);

    // A due test while one is open only brings it forward.
    QVERIFY(QMetaObject::invokeMethod(&f.shell.Icon()->Timer1(), "timeout"));
    QCOMPARE(TestOf(f.shell), test.data());
    QCOMPARE(test->WordLabel()->text(), u"abandon"_qs);
    QCOMPARE(f.app.currentWordIndex, 1);

    // Console button 1 opens the settings; the tray item finds it open and brings it forward.
    f.shell.Run(Command::MustRememberSettings, CommandOrigin::Console);
    QPointer<MustRememberSettingForm> settings = SettingsOf(f.shell);
    QVERIFY(settings && settings->isVisible());
    QCOMPARE(settings->parentWidget(), f.shell.Icon());
    QVERIFY(!f.app.dialogShowing);
    f.shell.Run(Command::MustRememberSettings, CommandOrigin::Menu);
    QCOMPARE(SettingsOf(f.shell), settings.data());
    // Cancel with the feature on shows the test: the open one.
    QTest::mouseClick(settings->CancelButton(), Qt::LeftButton);
    QTRY_VERIFY(!settings);
    QCOMPARE(TestOf(f.shell), test.data());

    // While a program dialog shows, the tray item does nothing.
    f.app.dialogShowing = true;
    f.shell.Run(Command::MustRememberSettings, CommandOrigin::Menu);
    QVERIFY(!SettingsOf(f.shell));
    f.app.dialogShowing = false;

    // The shutdown closes the test although its word has not been typed, without asking, and
    // the settings dialog it closes brings up no new test.
    f.shell.Run(Command::MustRememberSettings, CommandOrigin::Menu);
    settings = SettingsOf(f.shell);
    QVERIFY(settings);
    const qint32 position = f.app.currentWordIndex;
    f.shell.Terminate();
    QTRY_COMPARE(f.finished.count(), 1);
    QTRY_VERIFY(!test);
    QTRY_VERIFY(!settings);
    QVERIFY(!TestOf(f.shell));
    QCOMPARE(f.app.currentWordIndex, position);
    QVERIFY(messages.shown.empty());
}

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
