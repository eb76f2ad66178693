#pragma once

// The general settings as logic: what the settings dialog lists and reads when it opens, and
// the steps its OK runs. The dialog holds the values in its controls; this reads and writes
// them.

#include <QString>
#include <QStringList>
#include <functional>

namespace lexarion {

class AppState;
class SpeechEngine;

inline constexpr QStringView NoSkinDescription = u"无相关描述";
inline constexpr QStringView NoWordListDescription = u"此词库无说明文字";
inline constexpr QStringView MyDictDescription = u"我的生词本";
inline constexpr QStringView AllWordsDescription = u"词库大全";
inline constexpr QStringView PlanNotice =
    u"在开启计划前，请检查以下设置是否已设置好,学习计划将会按照以下设置安排计划.";
inline constexpr QStringView ResetPlanQuestion =
    u"计划进度复位后将重新安排学习计划，真的要把计划进度复位吗？";
inline constexpr QStringView LoadNewListQuestion = u"你刚才已选择了新的词库,是否加载新的词库?";
inline constexpr QStringView LoadNewListTitle = u"是否加载新的词库";

inline constexpr int MinSpeakSpeed = 30;
inline constexpr int MaxSpeakSpeed = 510;

// The sub-folders of Skins/, by name.
QStringList SkinNames(const AppState& app);
// The "*.wsl" files of Dicts/ by name, then "MyDict.wsl" (the user's new-word book).
QStringList WordListNames(const AppState& app);

// [General] "Description" of the skin's parameter file, or NoSkinDescription.
QString SkinDescription(const AppState& app, const QString& skin);
// The skin's "PreView.bmp", empty when it has none.
QString SkinPreviewPath(const AppState& app, const QString& skin);
// What the dialog says of a word list: the new-word book and the full dictionary by name, any
// other list by the comment of its first line, else NoWordListDescription.
QString WordListDescription(const AppState& app, const QString& name);

// How many groups of `groupSize` words `wordCount` words make (the last may be short).
qint32 GroupCount(qint64 wordCount, qint64 groupSize);

// The values the dialog edits, as stored under [General].
struct GeneralSettings {
    QString skinFolder;
    QString dictionaryFile;
    qint32 speakSpeed = 170;
    qint32 speakMode = 1;
    bool showAsGroup = false;
    qint32 groupSize = 1;
    qint32 group = 1;
    qint32 lastPlanGroup = 0;
    bool runPlan = false;
};

GeneralSettings ReadGeneralSettings(const AppState& app);

// The word list the name stands for: the user's new-word book for "MyDict.wsl", else Dicts/.
QString WordListPath(const AppState& app, const QString& name);

// The OK of the dialog after the skin, as independent steps:
// - the word list: a list other than the stored one is loaded only when `confirmNewList`
//   agrees, and then Group and GroupSize start again at 1; otherwise Group and GroupSize are
//   written as chosen;
// - SpeakSpeed and SpeakMode, also handed to `speech` (stopped first when it speaks);
// - ShowAsGroup, LastPlanGroup and RunPlan.
// Returns whether another list was loaded.
bool SaveGeneralSettings(AppState& app, const GeneralSettings& chosen,
                         const std::function<bool()>& confirmNewList, SpeechEngine* speech);

} // namespace lexarion
