#include "core/appstate.h"
#include "core/settings.h"
#include "support/tempprogramfolder.h"
#include "support/userfixture.h"

#include <gtest/gtest.h>

using namespace lexarion;
using lexarion::testing::Gb;
using lexarion::testing::TempProgramFolder;

namespace {

using Fixture = lexarion::testing::UserFixture;

} // namespace

TEST(Settings, PathHelpers) {
    QString path = "/opt/lexarion";
    EXPECT_EQ(AddBackslash(path), "/opt/lexarion/");
    EXPECT_EQ(path, "/opt/lexarion/"); // changed in place
    EXPECT_EQ(AddBackslash(path), "/opt/lexarion/");
    QString empty;
    EXPECT_EQ(AddBackslash(empty), "/");

    EXPECT_EQ(TrimAtNull(QString::fromUtf16(u"abc\0def", 7)), "abc");
    EXPECT_EQ(TrimAtNull("no zero"), "no zero");
    EXPECT_EQ(TrimAtNull(QString()), QString());
}

TEST(Settings, AFreshUserReadsEveryDefault) {
    Fixture f;
    EXPECT_FALSE(f.folder.Exists("users/Alice/config.ini"));
    EXPECT_EQ(ReadSetting(f.app, "General", "DictionaryFile", "cet-4.wsl"), "cet-4.wsl");
    // The same missing key reads differently at two sites until it is written.
    EXPECT_EQ(ReadSetting(f.app, "TipOnDaySetting", "ShowOnStart", "0"), "0");
    EXPECT_EQ(ReadSetting(f.app, "TipOnDaySetting", "ShowOnStart", "1"), "1");
    EXPECT_FALSE(f.folder.Exists("users/Alice/config.ini")); // reading creates nothing
}

TEST(Settings, TheCatalogueReadsItsAgreedDefaultAndWritesWhereTheTextualKeyReads) {
    Fixture f;
    EXPECT_EQ(ReadSetting(f.app, setting::DictionaryFile), "cet-4.wsl");
    EXPECT_EQ(ReadSetting(f.app, setting::WordFontName), QString::fromUtf8("宋体"));
    EXPECT_EQ(ReadSetting(f.app, setting::BackColor), "&H80000001&");
    EXPECT_EQ(ReadSetting(f.app, setting::SaveLoad, 2), "1");
    EXPECT_EQ(ReadSetting(f.app, setting::HotKey, 7), "");
    // A key whose readers differ takes the reader's own.
    EXPECT_EQ(ReadSetting(f.app, setting::ShowOnStart, "0"), "0");

    WriteSetting(f.app, setting::SaveLoad, 2, "120");
    WriteSetting(f.app, setting::TestShowWord, "0");
    EXPECT_EQ(ReadSetting(f.app, "RememberSetting", "SaveLoad2", "1"), "120");
    EXPECT_EQ(ReadSetting(f.app, "MustRememberSetting", "ShowWord", "1"), "0");
    EXPECT_EQ(ReadSetting(f.app, "RememberSetting", "ShowWord", "1"), "1"); // another section
}

TEST(Settings, EmptyFileArgumentNamesTheUserSettingsFile) {
    Fixture f;
    QString file;
    ReadSetting(f.app, "General", "Group", "1", file);
    EXPECT_EQ(file, f.folder.File("users/Alice/config.ini"));

    QString other;
    WriteSetting(f.app, "General", "Group", "5", other);
    EXPECT_EQ(other, f.folder.File("users/Alice/config.ini"));
    EXPECT_EQ(f.folder.Read("users/Alice/config.ini"), QByteArray("[General]\r\nGroup=5\r\n"));

    // An explicit file is used as given.
    QString skin = f.folder.File("Skins/X/config.ini");
    f.folder.Write("Skins/X/config.ini", "[Window]\r\nBackColor=255\r\n");
    EXPECT_EQ(ReadSetting(f.app, "Window", "BackColor", "0", skin), "255");
}

TEST(Settings, ReadsBackWhatWasWrittenWithoutCaching) {
    Fixture f;
    WriteSetting(f.app, "General", "SkinFolder", QString::fromUtf8("蓝色\\"));
    EXPECT_EQ(ReadSetting(f.app, "General", "SkinFolder", "WindowsXP\\"),
              QString::fromUtf8("蓝色\\"));
    // Another program edits the file: the next read sees it.
    f.folder.Write("users/Alice/config.ini", Gb("[General]\r\nSkinFolder=绿色  \r\nEmpty=\r\n"));
    EXPECT_EQ(ReadSetting(f.app, "General", "SkinFolder", ""), QString::fromUtf8("绿色"));
    // Present with an empty value: the caller's default, not an empty text.
    EXPECT_EQ(ReadSetting(f.app, "General", "Empty", "dflt"), "dflt");
}

TEST(Settings, ValuesOver255BytesReadBackShortened) {
    Fixture f;
    const QString chinese(130, QChar(0x6C49)); // 汉, 260 bytes
    WriteSetting(f.app, "General", "Long", chinese);
    EXPECT_EQ(ReadSetting(f.app, "General", "Long", ""), chinese.left(127));
    WriteSetting(f.app, "General", "Long", QString(300, u'x'));
    EXPECT_EQ(ReadSetting(f.app, "General", "Long", "").size(), 255);
}

TEST(Settings, FindsTheUserFolderWhateverItsCase) {
    TempProgramFolder folder;
    AppState app(folder.Path());
    folder.Write("users/BOB/Config.ini", "[General]\r\nGroup=9\r\n");
    app.currentUser = "bob";
    EXPECT_EQ(ReadSetting(app, "General", "Group", "1"), "9");
    WriteSetting(app, "General", "Group", "10");
    EXPECT_EQ(folder.Read("users/BOB/Config.ini"), QByteArray("[General]\r\nGroup=10\r\n"));
    EXPECT_FALSE(folder.Exists("users/bob"));
}

TEST(Settings, WritesToAMissingUserFolderAreDropped) {
    TempProgramFolder folder;
    AppState app(folder.Path());
    app.currentUser = "nobody";
    WriteSetting(app, "General", "Group", "2");
    EXPECT_FALSE(folder.Exists("users/nobody/config.ini"));
    EXPECT_EQ(ReadSetting(app, "General", "Group", "1"), "1");
}

TEST(Settings, ProgramMessagesSetDialogShowingWhileOpen) {
    struct Recorder : MessagePresenter {
        AppState* app = nullptr;
        bool showingDuring = false;
        QString text, title;
        MessageIcon icon = MessageIcon::Question;
        void ShowMessage(const QString& t, const QString& ti, MessageIcon i) override {
            showingDuring = app->dialogShowing;
            text = t;
            title = ti;
            icon = i;
        }
    } recorder;
    Fixture f;
    recorder.app = &f.app;
    f.app.SetMessagePresenter(&recorder);
    for (bool before : {false, true}) {
        f.app.dialogShowing = before;
        ShowProgramMessage(f.app, "t", "信息", MessageIcon::Information);
        EXPECT_TRUE(recorder.showingDuring);
        EXPECT_EQ(f.app.dialogShowing, before); // restored, not cleared
    }
}
