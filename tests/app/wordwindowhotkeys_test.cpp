// The word window's hot keys and its display settings in the running shell: the stored
// combinations registered from the window's load to its close and off while the settings
// dialog is open, a pressed key running its slot's command, and the dialog opened from the
// memorization menu applying to the open window.

#include "app/ui/controlform.h"
#include "app/ui/iconform.h"
#include "app/ui/loginform.h"
#include "app/ui/shell.h"
#include "core/appstate.h"
#include "core/settings.h"
#include "memorize/ui/rememberform.h"
#include "memorize/ui/remembersettingform.h"
#include "memorize/ui/scankeybox.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/radioboxxp.h"
#include "skin/ui/sliderxp.h"
#include "skin/ui/textboxxp.h"
#include "support/recordinghotkeys.h"
#include "support/recordingspeech.h"
#include "support/userfixture.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

using namespace lexarion;
using lexarion::testing::Gb;
using lexarion::testing::RecordingHotKeys;
using lexarion::testing::RecordingSpeech;
using lexarion::testing::UserFixture;

namespace {

constexpr int Ctrl = 2;
constexpr int Alt = 4;
constexpr int F1 = 112;
constexpr int F2 = 113;
constexpr int Right = 39;

struct HotKeyShell : UserFixture {
    RecordingHotKeys* keys = nullptr;
    Shell shell{app, Services()};

    HotKeyShell() {
        folder.Write("Dicts/cet-4.wsl", Gb("one#一\r\ntwo#二\r\nthree#三\r\n"));
        // Ctrl+F1 plays and pauses, Ctrl+F2 reads again (held by another program), Right
        // steps to the next word.
        folder.Write("users/Bob/config.ini",
                     "[TipOnDaySetting]\r\nShowOnStart=0\r\n[General]\r\nShowAsGroup=0\r\n"
                     "[RememberSetting]\r\nFullScreen=0\r\nWinWidth=9000\r\nWinHeight=4500\r\n"
                     "HotKey0=624\r\nHotKey1=625\r\nHotKey5=39\r\n");
    }
    ShellServices Services() {
        ShellServices services;
        services.makeSpeech = [] { return std::make_unique<RecordingSpeech>(); };
        services.makeHotKeys = [this](HotKeys::Delivery delivery) {
            auto made = std::make_unique<RecordingHotKeys>(std::move(delivery));
            made->refused.insert({Ctrl, F2});
            keys = made.get();
            return made;
        };
        return services;
    }
    RememberForm* OpenWordWindow() {
        shell.Start();
        shell.Login()->UserTextBox()->SetText(QStringLiteral("Bob"));
        QTest::mouseClick(shell.Login()->LoginButton(), Qt::LeftButton);
        if (!QTest::qWaitFor([this] { return shell.Console() && shell.Console()->isVisible(); },
                             5000))
            return nullptr;
        shell.Run(Command::OpenRememberForm, CommandOrigin::Console);
        RememberForm* form = shell.WordWindow();
        return form && QTest::qWaitForWindowExposed(form) ? form : nullptr;
    }
    RememberSettingForm* OpenSettings() {
        shell.Icon()->Item(QStringLiteral("RememberFormSetingMenu"))->trigger();
        return qobject_cast<RememberSettingForm*>(shell.Window(ShellWindow::RememberSettingForm));
    }
    QAction* Item(const char* name) { return shell.Icon()->Item(QString::fromLatin1(name)); }
};

} // namespace

class WordWindowHotKeysTest : public QObject {
    Q_OBJECT
private slots:
    void registeredWhileTheWindowIsOpenAndOffWhileItsSettingsAre();
    void theSettingsApplyToTheOpenWindow();
    void closingTheWindowTakesItsSettingsAlong();
};

void WordWindowHotKeysTest::registeredWhileTheWindowIsOpenAndOffWhileItsSettingsAre() {
    HotKeyShell f;
    QPointer<RememberForm> form = f.OpenWordWindow();
    QVERIFY(form);
    // The refused combination is left out; the others are registered with slot + 1.
    using Registration = std::tuple<QObject*, int, int, int>;
    QCOMPARE(f.keys->registered,
             (std::vector<Registration>{{form, 1, Ctrl, F1}, {form, 6, 0, Right}}));
    QVERIFY(f.shell.Hooks().IsHooked(form));

    QVERIFY(f.keys->Press(0, Right));
    QCOMPARE(form->Playback().Word.text, QStringLiteral("one"));
    QVERIFY(!form->Playback().Timer1().isActive());
    QVERIFY(f.keys->Press(Ctrl, F1));
    QVERIFY(f.Item("RememberFormPlayMenu")->isChecked());
    QVERIFY(form->Playback().Timer1().isActive());
    QCOMPARE(form->Playback().Word.text, QStringLiteral("two")); // playing steps at once
    QVERIFY(f.keys->Press(Ctrl, F1));
    QVERIFY(!f.Item("RememberFormPlayMenu")->isChecked());
    QVERIFY(!form->Playback().Timer1().isActive());

    // The settings dialog: over the word window, the keys off and the tray menu closed.
    QPointer<RememberSettingForm> settings = f.OpenSettings();
    QVERIFY(settings);
    QCOMPARE(settings->parentWidget(), form.data());
    QVERIFY(settings->isVisible());
    QVERIFY(!f.app.dialogShowing);
    QCOMPARE(f.keys->HeldCount(), size_t(0));
    QVERIFY(!f.shell.Hooks().IsHooked(form));
    QVERIFY(!f.shell.Icon()->MainMenu()->isEnabled());
    QVERIFY(!f.keys->Press(0, Right));
    QCOMPARE(settings->HotKeyBox(0)->findChild<TextBoxXP*>()->Text(), QStringLiteral("Ctrl + F1"));
    // The menu item brings the open dialog forward rather than a second one.
    QCOMPARE(f.OpenSettings(), settings.data());

    QTest::mouseClick(settings->CancelButton(), Qt::LeftButton);
    QTRY_VERIFY(!settings);
    QCOMPARE(f.keys->HeldCount(), size_t(2));
    QVERIFY(f.shell.Hooks().IsHooked(form));
    QVERIFY(f.shell.Icon()->MainMenu()->isEnabled());
    QVERIFY(f.keys->Press(0, Right));
    QCOMPARE(form->Playback().Word.text, QStringLiteral("three"));

    // The close request gives every key back.
    f.Item("RememberFormExitMenu")->trigger();
    QCOMPARE(f.keys->HeldCount(), size_t(0));
    QVERIFY(!f.shell.Hooks().IsHooked(form));
    QTRY_VERIFY(!form);
}

void WordWindowHotKeysTest::theSettingsApplyToTheOpenWindow() {
    HotKeyShell f;
    QPointer<RememberForm> form = f.OpenWordWindow();
    QVERIFY(form);
    RememberSettingForm* settings = f.OpenSettings();
    QVERIFY(settings);
    settings->IntervalSlider()->SetValue(45);
    settings->WordColorSwatch()->SetColorNumber(255);
    settings->DirectionOption(2)->SetValue(true);
    settings->HotKeyBox(0)->SetScanShift(Alt);
    settings->HotKeyBox(0)->SetScanKeyCode('A');
    QTest::mouseClick(settings->ApplyButton(), Qt::LeftButton);

    QCOMPARE(form->Playback().Timer1().interval(), 45000);
    QCOMPARE(form->WordColor(), QColor(Qt::red));
    QVERIFY(f.Item("RememberFormDirectionSubMenu2")->isChecked());
    QVERIFY(!f.Item("RememberFormDirectionSubMenu0")->isChecked());
    QCOMPARE(ReadSetting(f.app, "RememberSetting", "HotKey0", QString()), QStringLiteral("1089"));
    // Still off until the dialog closes; then the new combination is the one registered.
    QCOMPARE(f.keys->HeldCount(), size_t(0));
    QTest::mouseClick(settings->OKButton(), Qt::LeftButton);
    QTRY_VERIFY(!f.shell.Window(ShellWindow::RememberSettingForm));
    QVERIFY(f.keys->Press(Alt, 'A'));
    QVERIFY(form->Playback().Timer1().isActive());
    QCOMPARE(form->Playback().Timer1().interval(), 45000);
    QVERIFY(!f.keys->Press(Ctrl, F1));
}

void WordWindowHotKeysTest::closingTheWindowTakesItsSettingsAlong() {
    HotKeyShell f;
    QPointer<RememberForm> form = f.OpenWordWindow();
    QVERIFY(form);
    QPointer<RememberSettingForm> settings = f.OpenSettings();
    QVERIFY(settings);
    form->close();
    QTRY_VERIFY(!form);
    QTRY_VERIFY(!settings);
    // No key is registered for a window that has gone, and the tray menu is open again.
    QCOMPARE(f.keys->HeldCount(), size_t(0));
    QVERIFY(f.shell.Icon()->MainMenu()->isEnabled());
    // Without a word window the menu item opens nothing.
    QVERIFY(!f.OpenSettings());
}

QTEST_MAIN(WordWindowHotKeysTest)
#include "wordwindowhotkeys_test.moc"
