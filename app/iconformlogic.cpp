#include "app/iconformlogic.h"

#include "core/settings.h"
#include "memorize/progressslots.h"
#include "platform/numbertext.h"
#include "wordlist/mydict.h"

namespace lexarion {

namespace {

TrayMenuItem Item(const char* name, const char* caption, Command command) {
    return {QString::fromLatin1(name), QString::fromUtf8(caption), command, {}};
}
TrayMenuItem Separator(const char* name) {
    return {QString::fromLatin1(name), QStringLiteral("-"), Command::None, {}};
}
TrayMenuItem Submenu(const char* name, const char* caption, QList<TrayMenuItem> children) {
    return {QString::fromLatin1(name), QString::fromUtf8(caption), Command::None,
            std::move(children)};
}

qint32 SettingAsInt32(const AppState& app, const SettingKey& key) {
    return TextToInt32(ReadSetting(app, key)).value_or(0);
}

} // namespace

const QList<TrayMenuItem>& MainMenuItems() {
    static const QList<TrayMenuItem> items = {
        Item("ControlMenu", "Lexarion控制台(&C)...", Command::ShowConsole),
        Separator("BlankMenu1"),
        Item("RememberMenu", "单词记忆(&W)...", Command::OpenRememberForm),
        Item("MustRemeberSettingMenu", "不得不记单词设置(&M)...", Command::MustRememberSettings),
        Item("FindWordMenu", "单词速查(&F)...", Command::FindWord),
        Item("TipsMenu", "每日英语(&T)...", Command::TipOfDay),
        Item("RemindMenu", "提醒功能设置(&R)...", Command::RemindSettings),
        Item("GeneralSettingMenu", "通用设置(&S)...", Command::GeneralSettings),
        Separator("BlankMenu2"),
        Item("HelpMenu", "帮助(&H)...", Command::Help),
        Item("AboutMenu", "关于本软件(&A)...", Command::About),
        Item("GoSoftWebSiteMenu", "访问软件主页(&H)...", Command::HomePage),
        Separator("BlankMenu3"),
        Item("ExitMenu", "退出(&E)", Command::Exit),
    };
    return items;
}

const QList<TrayMenuItem>& RememberFormMainMenuItems() {
    static const QList<TrayMenuItem> items = {
        Item("RememberFormPlayMenu", "循环播放(&P)", Command::PlayPause),
        Item("RememberFormSpeakMenu", "自动朗读单词(&R)", Command::Speak),
        Item("RememberFormReadAgainMenu", "再读一次(&G)", Command::ReadAgain),
        Separator("RememberFormSpare7Menu"),
        Item("RememberFormPreWordMenu", "上一个单词(&U)", Command::PreviousWord),
        Item("RememberFormNextWordMenu", "下一个单词(&D)", Command::NextWord),
        Item("RememberFormPreGroupMenu", "上一组单词(&P)", Command::PreviousGroup),
        Item("RememberFormNextGroupMenu", "下一组单词(&N)", Command::NextGroup),
        Separator("RememberFormSpare6Menu"),
        Submenu("RememberFormReadLoadMenu", "读入进度(&L)",
                {Item("RememberFormReadLoadSubMenu0", "进度 &0", Command::LoadProgress0),
                 Item("RememberFormReadLoadSubMenu1", "进度 &1", Command::LoadProgress1),
                 Item("RememberFormReadLoadSubMenu2", "进度 &2", Command::LoadProgress2),
                 Separator("RememberFormSpare5Menu"),
                 Item("RememberFormReadLastLoadMenu", "上一次的进度", Command::LoadLastProgress)}),
        Submenu("SaveLoadMenu", "保存进度(&S)",
                {Item("RememberFormSaveLoadSubMenu0", "进度 &0", Command::SaveProgress0),
                 Item("RememberFormSaveLoadSubMenu1", "进度 &1", Command::SaveProgress1),
                 Item("RememberFormSaveLoadSubMenu2", "进度 &2", Command::SaveProgress2)}),
        Separator("RememberFormSpare4Menu"),
        Item("RememberFormAddToMyDictMenu", "加入生词本(&U)", Command::AddToMyDict),
        Item("RememberFormDeleteFromMyDictMenu", "从生词本中删除(&D)", Command::DeleteFromMyDict),
        Separator("RememberFormSpare1Menu"),
        Submenu("RememberFormDirectionMenu", "显示顺序(&D)",
                {Item("RememberFormDirectionSubMenu0", "顺序(&A)", Command::OrderForward),
                 Item("RememberFormDirectionSubMenu1", "逆序(&D)", Command::OrderReverse),
                 Item("RememberFormDirectionSubMenu2", "随机(&R)", Command::OrderRandom)}),
        Item("RememberFormFullScreenMenu", "全屏(&F)", Command::FullScreen),
        Item("RememberFormSetingMenu", "设置(&S)...", Command::RememberSettings),
        Separator("RememberFormSpare2Menu"),
        Item("RememberFormHelpMenu", "帮助(&H)...", Command::Help),
        Item("RememberFormAboutMenu", "关于本软件(&A)...", Command::About),
        Item("RememberFormGoSoftWebSiteMenu", "访问软件主页(&H)...", Command::HomePage),
        Separator("RememberFormSpare3Menu"),
        Item("RememberFormExitMenu", "关闭(&E)", Command::CloseRememberForm),
    };
    return items;
}

TrayAction TrayEventAction(int message, bool trayIconShown, bool mainMenuEnabled,
                           bool dialogShowing, bool consoleVisible) {
    if (!trayIconShown || !mainMenuEnabled || dialogShowing)
        return TrayAction::Ignore;
    if (message == TrayLeftDoubleClick)
        return consoleVisible ? TrayAction::Ignore : TrayAction::ShowConsole;
    if (message == TrayRightButtonUp)
        return TrayAction::PopUpMainMenu;
    return TrayAction::Ignore;
}

RememberMenuState ReadRememberMenuState(const AppState& app) {
    RememberMenuState state;
    const qint16 direction = TextToInt16(ReadSetting(app, setting::Direction)).value_or(0);
    for (int i = 0; i < 3; ++i) {
        state.directionChecked[size_t(i)] = i == direction;
        if (i == direction)
            ChooseDirection(app, i);
    }
    // The menu shows speaking and groups off for a fresh user, though stepping takes both as
    // on until they are first written.
    state.speakChecked =
        NumberValue(ReadSetting(app, setting::EnableSpeak, QStringLiteral("0"))) != 0;
    if (NumberValue(ReadSetting(app, setting::ShowAsGroup, QStringLiteral("0"))) == 1) {
        const qint64 size = SettingAsInt32(app, setting::GroupSize);
        const qint64 group = SettingAsInt32(app, setting::Group);
        const qint64 count = app.wordList.Count();
        state.preGroupEnabled = group > 1;
        // A size of 0 or less can come only from a hand-edited file; it gives no groups at all
        // rather than a division by zero.
        const qint64 groups = size > 0 ? (count + size - 1) / size : 0;
        state.nextGroupEnabled = groups > group;
    }
    for (int n = 0; n < ProgressSlotCount; ++n)
        state.progressSlotCaptions[size_t(n)] = ProgressSlotCaption(app, n);
    // Full screen until the display settings dialog stores otherwise.
    state.fullScreenChecked =
        NumberValue(ReadSetting(app, setting::FullScreen, QStringLiteral("1"))) != 0;
    const bool myDict = IsMyDictLoaded(app);
    state.addToMyDictEnabled = !myDict;
    state.deleteFromMyDictEnabled = myDict;
    return state;
}

void ChooseDirection(const AppState& app, int index) {
    WriteSetting(app, setting::Direction, QString::number(index));
}

void StoreSpeakSetting(const AppState& app, bool nowChecked) {
    WriteSetting(app, setting::EnableSpeak, nowChecked ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace lexarion
