#include "app/startup.h"
#include "core/appstate.h"
#include "support/tempprogramfolder.h"
#include "tools/reminders.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace lexarion {
namespace {

using testing::Gb;
using testing::TempProgramFolder;

// Records every window step and every message, each with the state of `dialogShowing` at
// that moment, in one log, so both the order and the flag rules can be checked.
class Recorder : public StartupWindows, public ShutdownWindows, public MessagePresenter {
public:
    explicit Recorder(AppState& app) : app_(app) { app.SetMessagePresenter(this); }

    QStringList log;
    // Run by a window step, to play a background timer's window opening meanwhile.
    std::function<void(const QString&)> during;

    void HideSplash(bool stopTimer) override {
        Note(stopTimer ? "HideSplash+timer" : "HideSplash");
    }
    void LoadIconForm() override { Note("LoadIconForm"); }
    void ShowTipOfDayModal() override { Note("Tip"); }
    void ShowMustRemember() override { Note("MustRemember"); }
    void ShowConsole() override { Note("Console"); }
    void CloseSplash() override { Note("CloseSplash"); }

    void UnhookConsole() override { Note("UnhookConsole"); }
    void SafeUnload(ShellWindow window) override {
        static const char* const names[] = {"RememberSettingForm", "RememberForm",
                                            "MustRememberForm", "FindWordForm", "TipOnDayForm"};
        Note(QStringLiteral("SafeUnload ") + QString::fromLatin1(names[int(window)]));
    }
    void UnloadOtherWindows() override { Note("UnloadOtherWindows"); }
    void CloseIconForm() override { Note("CloseIconForm"); }
    void ReleaseLookupLists() override { Note("ReleaseLookupLists"); }

    void ShowMessage(const QString& text, const QString& title, MessageIcon icon) override {
        Note(QStringLiteral("Message %1 %2 %3").arg(text, title).arg(int(icon)));
    }

private:
    void Note(const QString& what) {
        log << what + (app_.dialogShowing ? QStringLiteral(" [D]") : QString());
        if (during)
            during(what);
    }
    AppState& app_;
};

struct StartupFixture : ::testing::Test {
    TempProgramFolder folder;
    AppState app{folder.Path()};
    Recorder windows{app};

    StartupFixture() {
        app.currentUser = QStringLiteral("Ann");
        folder.MakeFolder("users/Ann");
        folder.Write("Dicts/cet-4.wsl", Gb("abandon#放弃\r\nability#能力\r\n"));
    }
    void Settings(const char* text) { folder.Write("users/Ann/config.ini", Gb(text)); }
};

const QString info = QString::number(int(MessageIcon::Information));
const QString error = QString::number(int(MessageIcon::Error));

TEST_F(StartupFixture, PlainStartLoadsInOrderWithTheFlagClear) {
    app.dialogShowing = true; // left over from the splash: cleared before the owner window loads
    EXPECT_EQ(RunStartup(app, windows), StartupResult::Running);
    EXPECT_EQ(windows.log,
              (QStringList{"HideSplash+timer [D]", "LoadIconForm", "Console", "CloseSplash"}));
    EXPECT_EQ(app.wordList.Count(), 2);
    EXPECT_TRUE(folder.Exists("users/Ann/remind.txt"));
}

TEST_F(StartupFixture, TipThenMustRememberBeforeTheConsole) {
    Settings(
        "[TipOnDaySetting]\r\nShowOnStart=1\r\n[MustRememberSetting]\r\nEnableMustRemember=1\r\n");
    RunStartup(app, windows);
    EXPECT_EQ(windows.log, (QStringList{"HideSplash+timer", "LoadIconForm", "Tip [D]",
                                        "MustRemember [D]", "Console", "CloseSplash"}));
    EXPECT_FALSE(app.dialogShowing);
}

TEST_F(StartupFixture, MustRememberNeedsExactlyOne) {
    Settings("[MustRememberSetting]\r\nEnableMustRemember=1.0\r\n");
    RunStartup(app, windows);
    EXPECT_FALSE(windows.log.contains("MustRemember [D]"));
}

TEST_F(StartupFixture, ABackgroundWindowOpenSkipsTheTipAndTheTest) {
    Settings(
        "[TipOnDaySetting]\r\nShowOnStart=1\r\n[MustRememberSetting]\r\nEnableMustRemember=1\r\n");
    windows.during = [this](const QString& what) {
        if (what == u"LoadIconForm")
            app.dialogShowing = true; // a timer of the owner window opened a window
    };
    RunStartup(app, windows);
    EXPECT_EQ(windows.log,
              (QStringList{"HideSplash+timer", "LoadIconForm", "Console [D]", "CloseSplash [D]"}));
}

TEST_F(StartupFixture, MissingListFallsBackToTheDefaultAndKeepsTheSetting) {
    Settings("[General]\r\nDictionaryFile=gre.wsl\r\n");
    EXPECT_EQ(RunStartup(app, windows), StartupResult::Running);
    EXPECT_EQ(windows.log,
              (QStringList{"HideSplash+timer", "LoadIconForm",
                           "Message 指定的词库不存在,将加载默认词库! 错误 " + info + " [D]",
                           "Console", "CloseSplash"}));
    EXPECT_EQ(app.wordList.Count(), 2);
    EXPECT_TRUE(folder.Read("users/Ann/config.ini").contains("DictionaryFile=gre.wsl"));
    EXPECT_FALSE(folder.Exists("Dicts/gre.wsl"));
}

TEST_F(StartupFixture, MissingListWhileAWindowIsOpenFallsBackSilently) {
    Settings("[General]\r\nDictionaryFile=gre.wsl\r\n");
    windows.during = [this](const QString& what) {
        if (what == u"LoadIconForm")
            app.dialogShowing = true;
    };
    RunStartup(app, windows);
    EXPECT_EQ(app.wordList.Count(), 2);
    for (const QString& line : windows.log)
        EXPECT_FALSE(line.startsWith(u"Message")) << line.toStdString();
}

TEST_F(StartupFixture, NewWordBookIsTakenFromTheUsersFolderInAnyCase) {
    Settings("[General]\r\nDictionaryFile=mydict.WSL\r\n");
    folder.Write("users/Ann/MyDict.wsl", Gb("zeal#热情\r\n"));
    RunStartup(app, windows);
    ASSERT_EQ(app.wordList.Count(), 1);
    EXPECT_EQ(app.wordList.Item(1), QString::fromUtf8("zeal#热情"));
    EXPECT_EQ(WordListPathForName(app, "Other.wsl"), folder.File("Dicts/Other.wsl"));
}

TEST_F(StartupFixture, MissingDefaultListRunsOnAnEmptyListAfterOneMessageNamingIt) {
    struct Case {
        const char* setting;
        QStringList missing;
    };
    const QString cet4 = QDir::toNativeSeparators(folder.File("Dicts/cet-4.wsl"));
    for (const Case& c :
         {Case{"", {cet4}}, Case{"[General]\r\nDictionaryFile=gre.wsl\r\n",
                                 {QDir::toNativeSeparators(folder.File("Dicts/gre.wsl")), cet4}}}) {
        Settings(c.setting);
        QFile::remove(folder.File("Dicts/cet-4.wsl"));
        windows.log.clear();
        EXPECT_EQ(RunStartup(app, windows), StartupResult::Running);
        EXPECT_EQ(windows.log, (QStringList{"HideSplash+timer", "LoadIconForm",
                                            "Message 词库不存在:\n" + c.missing.join(u'\n') +
                                                "\n将使用空词库! 错误 " + info + " [D]",
                                            "Console", "CloseSplash"}));
        EXPECT_TRUE(app.wordList.IsEmpty());
        EXPECT_EQ(folder.Read("Dicts/cet-4.wsl"), ""); // created: the next start loads it
        EXPECT_TRUE(folder.Exists("users/Ann/remind.txt"));
    }
}

TEST_F(StartupFixture, MissingDefaultListAndNoDictsFolderStillRuns) {
    QDir(folder.File("Dicts")).removeRecursively();
    EXPECT_EQ(RunStartup(app, windows), StartupResult::Running);
    EXPECT_TRUE(app.wordList.IsEmpty());
    EXPECT_TRUE(windows.log.contains("Console"));
}

TEST_F(StartupFixture, AFolderInPlaceOfTheDefaultListIsLeftAloneAndTheListIsEmpty) {
    QFile::remove(folder.File("Dicts/cet-4.wsl"));
    folder.MakeFolder("Dicts/cet-4.wsl/kept");
    EXPECT_EQ(RunStartup(app, windows), StartupResult::Running);
    EXPECT_TRUE(app.wordList.IsEmpty());
    EXPECT_TRUE(folder.Exists("Dicts/cet-4.wsl/kept"));
}

TEST_F(StartupFixture, UnreadableRemindersEndTheProgram) {
    folder.MakeFolder("users/Ann/remind.txt"); // a folder where the file should be
    EXPECT_EQ(RunStartup(app, windows), StartupResult::Failed);
    EXPECT_EQ(windows.log.mid(2),
              (QStringList{"HideSplash [D]", "Message 加载提醒功能时出错!\n" +
                                                 folder.File("users/Ann/remind.txt") + " 错误 " +
                                                 error + " [D]"}));
}

TEST_F(StartupFixture, ShutdownClosesWindowsThenSavesInOrder) {
    folder.Write("users/Ann/remind.txt", "20040105\t0930\tcall\r\nbad line\r\n");
    Settings("[General]\r\nDictionaryFile=MyDict.wsl\r\n");
    folder.Write("users/Ann/MyDict.wsl", Gb("zeal#热情\r\n"));
    ASSERT_EQ(RunStartup(app, windows), StartupResult::Running);
    app.wordList.Append(QString::fromUtf8("zest#热心"));
    app.reminderList.Append("20050101\t0800\tnew");
    windows.log.clear();

    RunShutdown(app, windows);
    EXPECT_EQ(windows.log,
              (QStringList{"UnhookConsole", "SafeUnload RememberSettingForm",
                           "SafeUnload RememberForm", "SafeUnload MustRememberForm",
                           "SafeUnload FindWordForm", "SafeUnload TipOnDayForm",
                           "UnloadOtherWindows", "CloseIconForm", "ReleaseLookupLists"}));
    EXPECT_EQ(folder.Read("users/Ann/remind.txt"),
              "20040105\t0930\tcall\r\n20050101\t0800\tnew\r\n");
    EXPECT_EQ(folder.Read("config.ini"), "[General]\r\nLastUser=Ann\r\n");
    EXPECT_EQ(folder.Read("users/Ann/MyDict.wsl"), Gb("zeal#热情\r\nzest#热心\r\n"));
    EXPECT_TRUE(app.wordList.IsEmpty());
}

TEST_F(StartupFixture, ShutdownReplacesOnlyLastUserInTheGlobalFile) {
    folder.Write("config.ini", "; kept\r\n[General]\r\nLastUser=Old\r\nOther=x\r\n");
    app.currentUser = QStringLiteral("ANN");
    RunShutdown(app, windows);
    EXPECT_EQ(folder.Read("config.ini"), "; kept\r\n[General]\r\nLastUser=ANN\r\nOther=x\r\n");
}

TEST(ClearCollection, EmptiesTheListWithOrWithoutRelease) {
    for (const bool release : {false, true}) {
        LineList list;
        list.Append("a");
        list.Append("b");
        ClearCollection(list, release);
        EXPECT_TRUE(list.IsEmpty());
        list.Append("c");
        EXPECT_EQ(list.Count(), 1);
    }
}

} // namespace
} // namespace lexarion
