#include "app/controlformlogic.h"
#include "app/iconformlogic.h"
#include "core/appstate.h"
#include "support/tempprogramfolder.h"

#include <functional>
#include <gtest/gtest.h>

namespace lexarion {
namespace {

using testing::Gb;
using testing::TempProgramFolder;

struct TrayCase {
    int message;
    bool shown, menuEnabled, dialog, consoleVisible;
    TrayAction action;
};

TEST(TrayEvents, AnswerOnlyTheirTwoMessagesUnderTheirConditions) {
    const TrayCase cases[] = {
        {515, true, true, false, false, TrayAction::ShowConsole},
        {515, true, true, false, true, TrayAction::Ignore},
        {517, true, true, false, true, TrayAction::PopUpMainMenu},
        {517, true, true, false, false, TrayAction::PopUpMainMenu},
        {517, true, true, true, false, TrayAction::Ignore}, // the about box is open
        {515, true, true, true, false, TrayAction::Ignore},
        {517, false, true, false, false, TrayAction::Ignore},
        {517, true, false, false, false, TrayAction::Ignore}, // a settings dialog is loading
        {512, true, true, false, false, TrayAction::Ignore},
        {513, true, true, false, false, TrayAction::Ignore},
        {514, true, true, false, false, TrayAction::Ignore},
        {516, true, true, false, false, TrayAction::Ignore},
    };
    for (const TrayCase& c : cases)
        EXPECT_EQ(TrayEventAction(c.message, c.shown, c.menuEnabled, c.dialog, c.consoleVisible),
                  c.action)
            << c.message << c.shown << c.menuEnabled << c.dialog << c.consoleVisible;
}

TEST(Menus, CarryEveryItemInOrderWithTheSubmenus) {
    QStringList main;
    for (const TrayMenuItem& item : MainMenuItems())
        main << item.caption;
    EXPECT_EQ(main, (QStringList{"Lexarion控制台(&C)...", "-", "单词记忆(&W)...",
                                 "不得不记单词设置(&M)...", "单词速查(&F)...", "每日英语(&T)...",
                                 "提醒功能设置(&R)...", "通用设置(&S)...", "-", "帮助(&H)...",
                                 "关于本软件(&A)...", "访问软件主页(&H)...", "-", "退出(&E)"}));
    const QList<TrayMenuItem>& remember = RememberFormMainMenuItems();
    ASSERT_EQ(remember.size(), 24);
    EXPECT_EQ(remember[9].caption, QString::fromUtf8("读入进度(&L)"));
    ASSERT_EQ(remember[9].children.size(), 5);
    EXPECT_EQ(remember[9].children[4].caption, QString::fromUtf8("上一次的进度"));
    EXPECT_EQ(remember[10].children.size(), 3);
    EXPECT_EQ(remember[15].name, u"RememberFormDirectionMenu");
    EXPECT_EQ(remember[15].children[2].caption, QString::fromUtf8("随机(&R)"));
    EXPECT_EQ(remember.back().caption, QString::fromUtf8("关闭(&E)"));
}

struct RememberMenuFixture : ::testing::Test {
    TempProgramFolder folder;
    AppState app{folder.Path()};
    RememberMenuFixture() {
        app.currentUser = QStringLiteral("Ann");
        folder.MakeFolder("users/Ann");
    }
    void Words(int n) {
        for (int i = 0; i < n; ++i)
            app.wordList.Append(QStringLiteral("w%1#x").arg(i));
    }
    void Settings(const char* text) { folder.Write("users/Ann/config.ini", Gb(text)); }
};

// Every item a user can choose gives a command, and the console's buttons give the same
// commands as the tray menu's items of the same caption.
TEST(Menus, EveryChoosableItemGivesACommandAndTheConsoleAgreesWithTheTray) {
    std::function<void(const QList<TrayMenuItem>&)> check = [&](const QList<TrayMenuItem>& items) {
        for (const TrayMenuItem& item : items) {
            const bool choosable = item.caption != u"-" && item.children.isEmpty();
            EXPECT_EQ(item.command != Command::None, choosable) << item.name.toStdString();
            check(item.children);
        }
    };
    check(MainMenuItems());
    check(RememberFormMainMenuItems());

    const QList<TrayMenuItem>& tray = MainMenuItems();
    const auto trayCommand = [&](const char* caption) {
        for (const TrayMenuItem& item : tray)
            if (item.caption == QString::fromUtf8(caption))
                return item.command;
        return Command::None;
    };
    const std::pair<int, const char*> sameAsTray[] = {
        {0, "单词记忆(&W)..."}, {1, "不得不记单词设置(&M)..."}, {2, "单词速查(&F)..."},
        {3, "每日英语(&T)..."}, {4, "提醒功能设置(&R)..."},     {5, "通用设置(&S)..."},
        {6, "帮助(&H)..."},     {7, "关于本软件(&A)..."},       {8, "访问软件主页(&H)..."},
        {9, "退出(&E)"},
    };
    for (const auto& [button, caption] : sameAsTray)
        EXPECT_EQ(ConsoleButtonCommand(button), trayCommand(caption)) << button;
    EXPECT_EQ(ConsoleButtonCommand(ConsoleButtonCount), Command::None);
}

TEST_F(RememberMenuFixture, FreshUser) {
    const RememberMenuState state = ReadRememberMenuState(app);
    EXPECT_EQ(state.progressSlotCaptions,
              (std::array<QString, 3>{"cet-4.wsl[1]", "cet-4.wsl[1]", "cet-4.wsl[1]"}));
    EXPECT_EQ(state.directionChecked, (std::array<bool, 3>{true, false, false}));
    EXPECT_FALSE(state.speakChecked);
    EXPECT_TRUE(state.fullScreenChecked);
    EXPECT_FALSE(state.preGroupEnabled);
    EXPECT_FALSE(state.nextGroupEnabled);
    EXPECT_TRUE(state.addToMyDictEnabled);
    EXPECT_FALSE(state.deleteFromMyDictEnabled);
    // "Direction" 0 is written back as it was read.
    EXPECT_TRUE(folder.Read("users/Ann/config.ini").contains("Direction=0"));
}

struct GroupCase {
    const char* settings;
    int words;
    bool pre, next;
};

TEST_F(RememberMenuFixture, GroupItemsFollowTheGroupAndTheListSize) {
    const GroupCase cases[] = {
        {"[General]\r\nShowAsGroup=1\r\nGroupSize=50\r\nGroup=3\r\n", 120, true, false},
        {"[General]\r\nShowAsGroup=1\r\nGroupSize=50\r\nGroup=2\r\n", 120, true, true},
        {"[General]\r\nShowAsGroup=1\r\nGroupSize=50\r\nGroup=1\r\n", 100, false, true},
        {"[General]\r\nShowAsGroup=1\r\nGroupSize=50\r\nGroup=2\r\n", 100, true, false},
        {"[General]\r\nShowAsGroup=0\r\nGroupSize=50\r\nGroup=2\r\n", 120, false, false},
        {"[General]\r\nShowAsGroup=1\r\nGroupSize=0\r\nGroup=2\r\n", 120, true, false},
    };
    for (const GroupCase& c : cases) {
        app.wordList = LineList();
        Words(c.words);
        Settings(c.settings);
        const RememberMenuState state = ReadRememberMenuState(app);
        EXPECT_EQ(state.preGroupEnabled, c.pre) << c.settings;
        EXPECT_EQ(state.nextGroupEnabled, c.next) << c.settings;
    }
}

TEST_F(RememberMenuFixture, SettingsShowInChecksCaptionsAndMyDictItems) {
    Settings("[General]\r\nDictionaryFile=mydict.wsl\r\n[RememberSetting]\r\nDirection=2\r\n"
             "EnableSpeak=1\r\nFullScreen=0\r\nSaveDictionaryFile1=gre.wsl\r\nSaveLoad1=120\r\n");
    const RememberMenuState state = ReadRememberMenuState(app);
    EXPECT_EQ(state.directionChecked, (std::array<bool, 3>{false, false, true}));
    EXPECT_TRUE(state.speakChecked);
    EXPECT_FALSE(state.fullScreenChecked);
    EXPECT_EQ(state.progressSlotCaptions[1], u"gre.wsl[120]");
    EXPECT_FALSE(state.addToMyDictEnabled);
    EXPECT_TRUE(state.deleteFromMyDictEnabled);

    Settings("[RememberSetting]\r\nDirection=7\r\n");
    EXPECT_EQ(ReadRememberMenuState(app).directionChecked,
              (std::array<bool, 3>{false, false, false}));
    EXPECT_TRUE(folder.Read("users/Ann/config.ini").contains("Direction=7"));
}

TEST_F(RememberMenuFixture, ChoosingAnOrderAndSpeakingAreStored) {
    ChooseDirection(app, 1);
    StoreSpeakSetting(app, true);
    EXPECT_EQ(ReadRememberMenuState(app).directionChecked,
              (std::array<bool, 3>{false, true, false}));
    EXPECT_TRUE(ReadRememberMenuState(app).speakChecked);
    StoreSpeakSetting(app, false);
    EXPECT_FALSE(ReadRememberMenuState(app).speakChecked);
}

TEST(ConsoleButtons, TabWalksTheButtonsAndWraps) {
    ConsoleButtons buttons;
    std::vector<int> highlighted;
    for (int i = 0; i < 10; ++i) {
        buttons.Tab();
        for (int b = 0; b < ConsoleButtonCount; ++b)
            if (buttons.Look(b) == ButtonLook::Hover)
                highlighted.push_back(b);
    }
    EXPECT_EQ(highlighted, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0}));
}

TEST(ConsoleButtons, PressedLookStaysWhileDraggingAndLooksChangeOnlyWhenDifferent) {
    ConsoleButtons buttons;
    buttons.MoveOverButton(2);
    const int changes = buttons.LookChanges();
    buttons.MoveOverButton(2);
    EXPECT_EQ(buttons.LookChanges(), changes);

    buttons.PressButton(2);
    buttons.MoveOverButton(5); // dragging over another button
    EXPECT_EQ(buttons.Look(2), ButtonLook::Pressed);
    EXPECT_EQ(buttons.Look(5), ButtonLook::Normal);
    buttons.Release(); // released outside: no click, the look stays until the next move
    EXPECT_EQ(buttons.Look(2), ButtonLook::Pressed);
    buttons.MoveOverBackground();
    EXPECT_EQ(buttons.Look(2), ButtonLook::Normal);
}

TEST(ConsoleButtons, ClicksAndSpaceRunOnlyWithoutAProgramWindow) {
    ConsoleButtons buttons;
    buttons.PressButton(3);
    EXPECT_FALSE(buttons.Click(true));
    EXPECT_FALSE(buttons.Pressed());
    buttons.PressButton(3);
    EXPECT_TRUE(buttons.Click(false));

    buttons.Tab();
    buttons.SpaceDown();
    EXPECT_TRUE(buttons.Pressed());
    EXPECT_EQ(buttons.Look(1), ButtonLook::Pressed);
    EXPECT_TRUE(buttons.SpaceUp(false));
    EXPECT_FALSE(buttons.Pressed());
}

TEST(ConsoleButtons, TooltipsQuoteTheFunction) {
    EXPECT_EQ(ConsoleButtonTooltip(0), QString::fromUtf8("点击进入\"单词记忆\""));
    EXPECT_EQ(ConsoleButtonTooltip(8), QString::fromUtf8("点击进入\"本软件的主页\""));
    EXPECT_EQ(ConsoleButtonTooltip(9), QString::fromUtf8("点击退出"));
}

TEST(VersionLabel, ElevenPlainClicksThenCtrlRightOpensTheCredits) {
    const KeyModifiers none;
    const KeyModifiers ctrl{false, true, false};
    ConsoleButtons buttons;
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(buttons.VersionMouseDown(MouseButton::Left, none), VersionClickResult::Counted);
    EXPECT_EQ(buttons.VersionMouseDown(MouseButton::Left, none), VersionClickResult::TurnRed);
    EXPECT_EQ(buttons.VersionMouseDown(MouseButton::Left, none), VersionClickResult::TurnRed);
    EXPECT_EQ(buttons.VersionMouseDown(MouseButton::Right, ctrl),
              VersionClickResult::OpenTextEffect);
    EXPECT_EQ(buttons.VersionClicks(), 0);

    // A click with a shift key or another button on the way starts the count again.
    for (int i = 0; i < 5; ++i)
        buttons.VersionMouseDown(MouseButton::Left, none);
    buttons.VersionMouseDown(MouseButton::Left, KeyModifiers{true, false, false});
    EXPECT_EQ(buttons.VersionClicks(), 0);
    buttons.VersionMouseDown(MouseButton::Right, ctrl);
    EXPECT_EQ(buttons.VersionClicks(), 0);
    const KeyModifiers ctrlAlt{false, true, true};
    for (int i = 0; i < 11; ++i)
        buttons.VersionMouseDown(MouseButton::Left, none);
    EXPECT_EQ(buttons.VersionMouseDown(MouseButton::Right, ctrlAlt), VersionClickResult::TurnRed);
}

} // namespace
} // namespace lexarion
