// The word window in the running shell: opened from the console and the tray menu, commanded
// by every item of the memorization menu, paced by the owner window's speech notifications, and
// closed by its menu and by the program's end.

#include "app/ui/controlform.h"
#include "app/ui/iconform.h"
#include "app/ui/loginform.h"
#include "app/ui/shell.h"
#include "core/appstate.h"
#include "core/settings.h"
#include "memorize/ui/rememberform.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/textboxxp.h"
#include "support/recordingspeech.h"
#include "support/userfixture.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

using namespace lexarion;
using lexarion::testing::Gb;
using lexarion::testing::RecordingSpeech;
using lexarion::testing::UserFixture;

namespace {

struct WordShell : UserFixture {
    RecordingSpeech* speech = nullptr;
    Shell shell{app, Services()};
    QSignalSpy finished{&shell, &Shell::Finished};

    WordShell() {
        folder.Write("Dicts/cet-4.wsl", Gb("one#一\r\ntwo#二\r\nthree#三\r\nfour#四\r\n"));
        folder.Write("Dicts/toefl.wsl", Gb("alpha#甲\r\nbeta#乙\r\n"));
        folder.Write("users/Bob/config.ini",
                     "[TipOnDaySetting]\r\nShowOnStart=0\r\n[General]\r\nShowAsGroup=0\r\n"
                     "[RememberSetting]\r\nFullScreen=0\r\nWinWidth=9000\r\nWinHeight=4500\r\n");
    }
    ShellServices Services() {
        ShellServices services;
        services.makeSpeech = [this] {
            auto engine = std::make_unique<RecordingSpeech>();
            speech = engine.get();
            return engine;
        };
        return services;
    }
    bool LogIn() {
        shell.Start();
        shell.Login()->UserTextBox()->SetText(QStringLiteral("Bob"));
        QTest::mouseClick(shell.Login()->LoginButton(), Qt::LeftButton);
        return QTest::qWaitFor([this] { return shell.Console() && shell.Console()->isVisible(); },
                               5000);
    }
    QAction* Item(const char* name) { return shell.Icon()->Item(QString::fromLatin1(name)); }
    QString Setting(const char* section, const char* key) {
        return ReadSetting(app, section, key, QString());
    }
    void Set(const char* section, const char* key, const char* value) {
        WriteSetting(app, section, key, value);
    }
};

} // namespace

class WordWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theConsoleAndTheTrayOpenOneWindow();
    void theMenuCommandsTheWindow();
    void theSpeechNotificationsPaceTheWords();
    void theProgressSlotsSaveAndLoad();
    void closedByItsMenuAndByTheProgramsEnd();
};

void WordWindowTest::theConsoleAndTheTrayOpenOneWindow() {
    WordShell f;
    QVERIFY(f.LogIn());
    QVERIFY(!f.shell.WordWindow());
    f.shell.Run(Command::OpenRememberForm, CommandOrigin::Console);
    QPointer<RememberForm> form = f.shell.WordWindow();
    QVERIFY(form);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QCOMPARE(f.shell.Icon()->WordWindow(), form.data());
    f.shell.Run(Command::OpenRememberForm);
    QCOMPARE(f.shell.WordWindow(), form.data());
    QVERIFY(form->isVisible());
}

void WordWindowTest::theMenuCommandsTheWindow() {
    WordShell f;
    QVERIFY(f.LogIn());
    f.shell.Run(Command::OpenRememberForm, CommandOrigin::Console);
    RememberForm* form = f.shell.WordWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));

    // Play: the item's own toggle and the command's inversion make one change.
    QVERIFY(!f.Item("RememberFormPlayMenu")->isChecked());
    f.Item("RememberFormPlayMenu")->trigger();
    QVERIFY(f.Item("RememberFormPlayMenu")->isChecked());
    QVERIFY(form->Playback().Timer1().isActive());
    QCOMPARE(f.app.currentWordIndex, 1);
    f.Item("RememberFormPlayMenu")->trigger();
    QVERIFY(!f.Item("RememberFormPlayMenu")->isChecked());
    QVERIFY(!form->Playback().Timer1().isActive());

    f.Item("RememberFormNextWordMenu")->trigger();
    f.Item("RememberFormNextWordMenu")->trigger();
    QCOMPARE(form->Playback().Word.text, QStringLiteral("three"));
    f.Item("RememberFormPreWordMenu")->trigger();
    QCOMPARE(form->Playback().Word.text, QStringLiteral("two"));
    f.speech->calls.clear();
    f.Item("RememberFormReadAgainMenu")->trigger();
    QCOMPARE(f.speech->calls, QStringList({"Speak TWO"}));

    f.Item("RememberFormDirectionSubMenu1")->trigger();
    f.Item("RememberFormNextWordMenu")->trigger();
    QCOMPARE(form->Playback().Word.text, QStringLiteral("one"));

    f.Item("RememberFormAddToMyDictMenu")->trigger();
    QVERIFY(f.folder.Read("users/Bob/MyDict.wsl").contains("one#"));

    f.shell.Icon()->RememberFormCheckMainMenu();
    QVERIFY(!f.Item("RememberFormFullScreenMenu")->isChecked());
    f.Item("RememberFormFullScreenMenu")->trigger();
    QCOMPARE(form->geometry(), QGuiApplication::primaryScreen()->geometry());
    QCOMPARE(f.Setting("RememberSetting", "FullScreen"), QStringLiteral("1"));
    f.Item("RememberFormFullScreenMenu")->trigger();
    QTRY_COMPARE(form->size(), QSize(600, 300));
    QCOMPARE(f.Setting("RememberSetting", "FullScreen"), QStringLiteral("0"));

    // The group items: grouping on, groups of two.
    f.Set("General", "ShowAsGroup", "1");
    f.Set("General", "GroupSize", "2");
    f.Set("General", "Group", "1");
    f.shell.Icon()->RememberFormCheckMainMenu(); // as before the menu pops up
    f.Item("RememberFormNextGroupMenu")->trigger();
    f.shell.Icon()->RememberFormCheckMainMenu();
    QCOMPARE(f.Setting("General", "Group"), QStringLiteral("2"));
    f.Item("RememberFormPreGroupMenu")->trigger();
    QCOMPARE(f.Setting("General", "Group"), QStringLiteral("1"));
}

void WordWindowTest::theSpeechNotificationsPaceTheWords() {
    WordShell f;
    QVERIFY(f.LogIn());
    f.Set("RememberSetting", "DelayExplanation", "1");
    f.Set("RememberSetting", "EnableSpeak", "1");
    f.shell.Run(Command::OpenRememberForm, CommandOrigin::Console);
    RememberForm* form = f.shell.WordWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    f.Item("RememberFormPlayMenu")->trigger();
    QVERIFY(!form->Label(WordLabelKind::Explanation)->isVisible());
    QTRY_COMPARE(f.speech->calls.value(0), QStringLiteral("Speak ONE"));
    emit f.speech->SpeakingStarted();
    QVERIFY(f.shell.Icon()->RememberFormSpeakingStarted);
    QVERIFY(!form->Playback().Timer1().isActive());
    emit f.speech->SpeakingFinished();
    QVERIFY(!f.shell.Icon()->RememberFormSpeakingStarted);
    QVERIFY(form->Label(WordLabelKind::Explanation)->isVisible());
    QVERIFY(form->Playback().Timer1().isActive());
}

void WordWindowTest::theProgressSlotsSaveAndLoad() {
    WordShell f;
    QVERIFY(f.LogIn());
    f.shell.Run(Command::OpenRememberForm, CommandOrigin::Console);
    RememberForm* form = f.shell.WordWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    f.Item("RememberFormNextWordMenu")->trigger();
    f.Item("RememberFormNextWordMenu")->trigger();
    f.Item("RememberFormSaveLoadSubMenu1")->trigger();
    QCOMPARE(f.Item("RememberFormSaveLoadSubMenu1")->text(), QStringLiteral("cet-4.wsl[2]"));
    QCOMPARE(f.Item("RememberFormReadLoadSubMenu1")->text(), QStringLiteral("cet-4.wsl[2]"));

    f.Set("RememberSetting", "SaveDictionaryFile0", "toefl.wsl");
    f.Set("RememberSetting", "SaveLoad0", "1");
    f.Item("RememberFormReadLoadSubMenu0")->trigger();
    QCOMPARE(f.app.wordList.Count(), 2);
    f.Item("RememberFormNextWordMenu")->trigger();
    QCOMPARE(form->Playback().Word.text, QStringLiteral("beta"));

    f.Item("RememberFormReadLoadSubMenu1")->trigger();
    QCOMPARE(f.app.wordList.Count(), 4);
    f.Item("RememberFormNextWordMenu")->trigger();
    QCOMPARE(form->Playback().Word.text, QStringLiteral("three"));
}

void WordWindowTest::closedByItsMenuAndByTheProgramsEnd() {
    WordShell f;
    QVERIFY(f.LogIn());
    f.shell.Run(Command::OpenRememberForm, CommandOrigin::Console);
    QPointer<RememberForm> form = f.shell.WordWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    f.Item("RememberFormNextWordMenu")->trigger();
    f.Item("RememberFormExitMenu")->trigger();
    QTRY_VERIFY(!form);
    QCOMPARE(f.Setting("RememberSetting", "SaveLast"), QStringLiteral("1"));
    QVERIFY(!f.shell.Icon()->WordWindow());

    // "上一次的进度" goes back to where the window was closed.
    f.app.currentWordIndex = 3;
    f.Item("RememberFormReadLastLoadMenu")->trigger();
    QCOMPARE(f.app.currentWordIndex, 1);

    f.shell.Run(Command::OpenRememberForm);
    form = f.shell.WordWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    f.Item("RememberFormNextWordMenu")->trigger();
    f.Item("RememberFormNextWordMenu")->trigger();
    f.shell.Terminate();
    QTRY_COMPARE(f.finished.count(), 1);
    QTRY_VERIFY(!form); // released once back in the event loop
    QCOMPARE(f.Setting("RememberSetting", "SaveLast"), QStringLiteral("3"));
    QCOMPARE(f.Setting("RememberSetting", "WinWidth"), QStringLiteral("9000"));
}

QTEST_MAIN(WordWindowTest)
#include "wordwindow_test.moc"
