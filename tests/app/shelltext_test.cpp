#include "app/shellservices.h"
#include "app/texteffectformlogic.h"
#include "app/tipondayformlogic.h"
#include "core/appstate.h"
#include "platform/fontinstall.h"
#include "platform/urlopener.h"
#include "support/recordingpresenter.h"
#include "support/tempprogramfolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace lexarion {
namespace {

using testing::Gb;
using testing::RecordingPresenter;
using testing::TempProgramFolder;

struct TipsFixture : ::testing::Test {
    TempProgramFolder folder;
    AppState app{folder.Path()};
    TipsFixture() {
        app.currentUser = QStringLiteral("Ann");
        folder.MakeFolder("users/Ann");
        folder.MakeFolder("Tips");
    }
    void ThreeTips() {
        folder.Write("Tips/b.txt", Gb("second\r\n第二"));
        folder.Write("Tips/A.txt", Gb("first\r\n"));
        folder.Write("Tips/c", Gb("third\n"));
    }
};

TEST(WrapTipIndex, WrapsBothWaysAndLeavesNoTipsOutOfRange) {
    const struct {
        qint32 index, count, expected;
    } cases[] = {{0, 3, 0}, {2, 3, 2}, {3, 3, 0}, {-1, 3, 2}, {99, 3, 0}, {0, 0, 0}, {-1, 0, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(WrapTipIndex(c.index, c.count), c.expected) << c.index << "/" << c.count;
}

TEST_F(TipsFixture, FreshUserStartsAtTheThirdAndWrapsBothWays) {
    ThreeTips();
    TipBrowser tips(app);
    EXPECT_EQ(tips.Show(), u"third\r\n");
    EXPECT_EQ(tips.Index(), 2);
    EXPECT_EQ(tips.Forward(), u"first\r\n");
    EXPECT_EQ(tips.Back(), u"third\r\n");
    EXPECT_EQ(tips.Back(), QString::fromUtf8("second\r\n第二\r\n"));
}

TEST_F(TipsFixture, EachOpeningShowsTheTipAfterTheLastAndStoresTheCheckBox) {
    ThreeTips();
    {
        TipBrowser tips(app);
        EXPECT_TRUE(tips.ShowOnStartChecked()); // a fresh user's box starts ticked
        tips.Show();
        tips.Forward(); // index 0
        tips.Store(false);
    }
    TipBrowser again(app);
    EXPECT_FALSE(again.ShowOnStartChecked());
    EXPECT_EQ(again.Show(), QString::fromUtf8("second\r\n第二\r\n"));
    EXPECT_TRUE(folder.Read("users/Ann/config.ini").contains("TipIndex=0"));
}

TEST_F(TipsFixture, NoTipsShowNothingWhateverTheButtons) {
    for (const bool folderPresent : {true, false}) {
        if (!folderPresent)
            QDir(folder.File("Tips")).removeRecursively();
        TipBrowser tips(app);
        EXPECT_FALSE(tips.Show());
        EXPECT_FALSE(tips.Forward());
        EXPECT_FALSE(tips.Back());
    }
}

TEST_F(TipsFixture, AnUnreadableTipShowsTheErrorText) {
    EXPECT_EQ(ReadTipFile(folder.File("Tips/missing")), TipReadErrorText.toString());
    EXPECT_EQ(ReadTipFile(folder.File("Tips")), TipReadErrorText.toString());
}

TEST(TextEffect, SpacingShrinksOvershootsAndSpringsBack) {
    std::vector<int> lineOne;
    for (int s = 127; s >= -4; --s)
        lineOne.push_back(s);
    std::vector<int> lineThree = lineOne;
    lineOne.insert(lineOne.end(), {-3, -2, -2, -1, -1});
    lineThree.insert(lineThree.end(), {-3, -2, -2, -1, -1, -1, 0, 0});
    EXPECT_EQ(SpacingSequence(128, -1), lineOne);
    EXPECT_EQ(SpacingSequence(128, 0), lineThree);
    EXPECT_EQ(SpacingSequence(-2, -1), (std::vector<int>{-3, -4, -3, -2, -2, -1, -1}));
}

TEST(TextEffect, CreditLinesUseTheirOwnFinalSpacings) {
    const auto& lines = CreditLines();
    EXPECT_TRUE(lines[0].text.startsWith(u"Lexarion"));
    EXPECT_TRUE(lines[0].text.endsWith(u"     "));
    EXPECT_EQ(lines[0].color, 102 + 256 * 153 + 65536 * 255);
    EXPECT_EQ(lines[1].color, 4154879);
    EXPECT_EQ(lines[2].finalSpacing, 0);
    EXPECT_EQ(lines[2].color, WindowTextColor);
}

class RecordingOpener : public UrlOpener {
public:
    bool accept = true;
    QStringList opened;
    bool Open(const QString& address) override {
        opened << address;
        return accept;
    }
};

TEST(OpenInBrowser, ReportsARefusedAddressOnceAndRestoresTheFlag) {
    for (const bool wasShowing : {false, true}) {
        AppState app("/nonexistent");
        RecordingPresenter presenter(app);
        RecordingOpener opener;
        opener.accept = false;
        app.dialogShowing = wasShowing;
        OpenInBrowser(app, "nothing://at-all", opener);
        ASSERT_EQ(presenter.shown.size(), 1);
        EXPECT_EQ(presenter.shown[0].text, QString::fromUtf8("打开浏览器时遇到错误。"));
        EXPECT_EQ(presenter.shown[0].title, QString::fromUtf8("错误"));
        EXPECT_EQ(presenter.shown[0].icon, MessageIcon::Error);
        // The flag is set while the message shows.
        EXPECT_TRUE(presenter.shown[0].dialogShowing);
        EXPECT_EQ(app.dialogShowing, wasShowing);
        opener.accept = true;
        OpenInBrowser(app, "https://lexarion.example.org/", opener);
        EXPECT_EQ(presenter.shown.size(), 1);
    }
}

class RecordingRegistrar : public FontRegistrar {
public:
    QStringList registered;
    bool Register(const QString& path) override {
        registered << path;
        return true;
    }
};

TEST(PhoneticFont, CopiedOnceNeverReplacedAndRegisteredAtEachStart) {
    TempProgramFolder folder;
    folder.Write("Ksphonet.ttf", "program copy");
    AppState app(folder.Path());
    const QString fonts = folder.File("home/fonts");
    RecordingRegistrar registrar;
    EXPECT_TRUE(InstallPhoneticFont(app, registrar, fonts));
    EXPECT_EQ(folder.Read("home/fonts/Ksphonet.ttf"), "program copy");
    folder.Write("home/fonts/Ksphonet.ttf", "installed earlier");
    EXPECT_TRUE(InstallPhoneticFont(app, registrar, fonts));
    EXPECT_EQ(folder.Read("home/fonts/Ksphonet.ttf"), "installed earlier");
    EXPECT_EQ(registrar.registered,
              (QStringList{fonts + "/Ksphonet.ttf", fonts + "/Ksphonet.ttf"}));
    EXPECT_FALSE(folder.Exists("home/fonts/Ksphonet.ttf.part"));
}

TEST(PhoneticFont, WithoutAnyCopyNothingIsRegistered) {
    TempProgramFolder folder;
    AppState app(folder.Path());
    RecordingRegistrar registrar;
    EXPECT_FALSE(InstallPhoneticFont(app, registrar, folder.File("fonts")));
    EXPECT_TRUE(registrar.registered.isEmpty());
}

TEST(PhoneticFont, TheFontFolderFollowsXdgDataHome) {
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/tmp/lexdata");
    EXPECT_EQ(GetFontsFolder(), u"/tmp/lexdata/fonts");
    qputenv("XDG_DATA_HOME", "relative/path");
    EXPECT_TRUE(GetFontsFolder().endsWith(u"/.local/share/fonts"));
    if (saved.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", saved);
}

} // namespace
} // namespace lexarion
