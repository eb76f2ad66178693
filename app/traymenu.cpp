#include "app/traymenu.h"

#include "core/settings.h"
#include "platform/numbertext.h"
#include "wordlist/mydict.h"

namespace lexarion {

namespace {

TrayMenuItem Item(const char* name, const char* caption, QList<TrayMenuItem> children = {}) {
    return {QString::fromLatin1(name), QString::fromUtf8(caption), std::move(children)};
}

qint32 SettingAsInt32(const AppState& app, const char* section, const char* key,
                      const char* defaultValue) {
    return TextToInt32(ReadSetting(app, QString::fromLatin1(section), QString::fromLatin1(key),
                                   QString::fromLatin1(defaultValue)))
        .value_or(0);
}

bool SettingIsOn(const AppState& app, const char* section, const char* key,
                 const char* defaultValue) {
    return NumberValue(ReadSetting(app, QString::fromLatin1(section), QString::fromLatin1(key),
                                   QString::fromLatin1(defaultValue))) != 0;
}

} // namespace

const QList<TrayMenuItem>& MainMenuItems() {
    static const QList<TrayMenuItem> items = {
        Item("ControlMenu", "Lexarion控制台(&C)..."),
        Item("BlankMenu1", "-"),
        Item("RememberMenu", "单词记忆(&W)..."),
        Item("MustRemeberSettingMenu", "不得不记单词设置(&M)..."),
        Item("FindWordMenu", "单词速查(&F)..."),
        Item("TipsMenu", "每日英语(&T)..."),
        Item("RemindMenu", "提醒功能设置(&R)..."),
        Item("GeneralSettingMenu", "通用设置(&S)..."),
        Item("BlankMenu2", "-"),
        Item("HelpMenu", "帮助(&H)..."),
        Item("AboutMenu", "关于本软件(&A)..."),
        Item("GoSoftWebSiteMenu", "访问软件主页(&H)..."),
        Item("BlankMenu3", "-"),
        Item("ExitMenu", "退出(&E)"),
    };
    return items;
}

const QList<TrayMenuItem>& RememberFormMainMenuItems() {
    static const QList<TrayMenuItem> items = {
        Item("RememberFormPlayMenu", "循环播放(&P)"),
        Item("RememberFormSpeakMenu", "自动朗读单词(&R)"),
        Item("RememberFormReadAgainMenu", "再读一次(&G)"),
        Item("RememberFormSpare7Menu", "-"),
        Item("RememberFormPreWordMenu", "上一个单词(&U)"),
        Item("RememberFormNextWordMenu", "下一个单词(&D)"),
        Item("RememberFormPreGroupMenu", "上一组单词(&P)"),
        Item("RememberFormNextGroupMenu", "下一组单词(&N)"),
        Item("RememberFormSpare6Menu", "-"),
        Item("RememberFormReadLoadMenu", "读入进度(&L)",
             {Item("RememberFormReadLoadSubMenu0", "进度 &0"),
              Item("RememberFormReadLoadSubMenu1", "进度 &1"),
              Item("RememberFormReadLoadSubMenu2", "进度 &2"), Item("RememberFormSpare5Menu", "-"),
              Item("RememberFormReadLastLoadMenu", "上一次的进度")}),
        Item("SaveLoadMenu", "保存进度(&S)",
             {Item("RememberFormSaveLoadSubMenu0", "进度 &0"),
              Item("RememberFormSaveLoadSubMenu1", "进度 &1"),
              Item("RememberFormSaveLoadSubMenu2", "进度 &2")}),
        Item("RememberFormSpare4Menu", "-"),
        Item("RememberFormAddToMyDictMenu", "加入生词本(&U)"),
        Item("RememberFormDeleteFromMyDictMenu", "从生词本中删除(&D)"),
        Item("RememberFormSpare1Menu", "-"),
        Item("RememberFormDirectionMenu", "显示顺序(&D)",
             {Item("RememberFormDirectionSubMenu0", "顺序(&A)"),
              Item("RememberFormDirectionSubMenu1", "逆序(&D)"),
              Item("RememberFormDirectionSubMenu2", "随机(&R)")}),
        Item("RememberFormFullScreenMenu", "全屏(&F)"),
        Item("RememberFormSetingMenu", "设置(&S)..."),
        Item("RememberFormSpare2Menu", "-"),
        Item("RememberFormHelpMenu", "帮助(&H)..."),
        Item("RememberFormAboutMenu", "关于本软件(&A)..."),
        Item("RememberFormGoSoftWebSiteMenu", "访问软件主页(&H)..."),
        Item("RememberFormSpare3Menu", "-"),
        Item("RememberFormExitMenu", "关闭(&E)"),
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
    const qint16 direction =
        TextToInt16(ReadSetting(app, QStringLiteral("RememberSetting"), QStringLiteral("Direction"),
                                QStringLiteral("0")))
            .value_or(0);
    for (int i = 0; i < 3; ++i) {
        state.directionChecked[size_t(i)] = i == direction;
        if (i == direction)
            ChooseDirection(app, i);
    }
    state.speakChecked = SettingIsOn(app, "RememberSetting", "EnableSpeak", "0");
    if (NumberValue(ReadSetting(app, QStringLiteral("General"), QStringLiteral("ShowAsGroup"),
                                QStringLiteral("0"))) == 1) {
        const qint64 size = SettingAsInt32(app, "General", "GroupSize", "1");
        const qint64 group = SettingAsInt32(app, "General", "Group", "1");
        const qint64 count = app.wordList.Count();
        state.preGroupEnabled = group > 1;
        // A size of 0 or less can come only from a hand-edited file; it gives no groups at all
        // rather than a division by zero.
        const qint64 groups = size > 0 ? (count + size - 1) / size : 0;
        state.nextGroupEnabled = groups > group;
    }
    for (int n = 0; n < 3; ++n) {
        const QString slot = QString::number(n);
        const QString file =
            ReadSetting(app, QStringLiteral("RememberSetting"),
                        QStringLiteral("SaveDictionaryFile") + slot, QStringLiteral("cet-4.wsl"));
        const qint32 position =
            TextToInt32(ReadSetting(app, QStringLiteral("RememberSetting"),
                                    QStringLiteral("SaveLoad") + slot, QStringLiteral("1")))
                .value_or(0);
        state.progressSlotCaptions[size_t(n)] = file + u'[' + QString::number(position) + u']';
    }
    state.fullScreenChecked = SettingIsOn(app, "RememberSetting", "FullScreen", "1");
    const bool myDict = IsMyDictLoaded(app);
    state.addToMyDictEnabled = !myDict;
    state.deleteFromMyDictEnabled = myDict;
    return state;
}

void ChooseDirection(const AppState& app, int index) {
    WriteSetting(app, QStringLiteral("RememberSetting"), QStringLiteral("Direction"),
                 QString::number(index));
}

void StoreSpeakSetting(const AppState& app, bool nowChecked) {
    WriteSetting(app, QStringLiteral("RememberSetting"), QStringLiteral("EnableSpeak"),
                 nowChecked ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace lexarion
