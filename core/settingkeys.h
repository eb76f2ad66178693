#pragma once

// Every setting of the program, named once: its section, its key and the default its readers
// agree on. A key whose readers give different defaults on purpose (a fresh user sees each
// site's own until the value is first written) has none here; each read of it passes its own
// and says why.

#include <QStringView>

namespace lexarion {

struct SettingKey {
    QStringView section;
    QStringView key;
    QStringView defaultValue;
    // The readers differ on purpose: every read passes its own default.
    bool sitesDiffer = false;
};

// A key of a numbered family ("HotKey0" to "HotKey7", "SaveLoad0" to "SaveLoad2"): the prefix,
// to which the number is appended.
struct NumberedSettingKey {
    QStringView section;
    QStringView prefix;
    QStringView defaultValue;
};

namespace setting {

inline constexpr QStringView General = u"General";
inline constexpr QStringView RememberSetting = u"RememberSetting";
inline constexpr QStringView MustRememberSetting = u"MustRememberSetting";
inline constexpr QStringView TipOnDaySetting = u"TipOnDaySetting";

// The global settings file.
inline constexpr SettingKey LastUser{General, u"LastUser", u"Default"};

// The user's settings file, "General".
// "" on the general settings dialog's OK only.
inline constexpr SettingKey DictionaryFile{General, u"DictionaryFile", u"cet-4.wsl"};
// "1" for the group range; "0" for the menu refresh and the general settings dialog.
inline constexpr SettingKey ShowAsGroup{General, u"ShowAsGroup", {}, true};
inline constexpr SettingKey GroupSize{General, u"GroupSize", u"1"};
inline constexpr SettingKey Group{General, u"Group", u"1"};
inline constexpr SettingKey RunPlan{General, u"RunPlan", u"0"};
inline constexpr SettingKey LastPlanGroup{General, u"LastPlanGroup", u"0"};
// Today's date, computed at the read.
inline constexpr SettingKey LastPlanDate{General, u"LastPlanDate", {}, true};
// "WindowsXP\" for loading a skin; "WindowsXP" for the general settings dialog's list.
inline constexpr SettingKey SkinFolder{General, u"SkinFolder", {}, true};
inline constexpr SettingKey SpeakMode{General, u"SpeakMode", u"1"};
inline constexpr SettingKey SpeakSpeed{General, u"SpeakSpeed", u"170"};

// The user's settings file, "RememberSetting": the word window.
inline constexpr SettingKey Direction{RememberSetting, u"Direction", u"0"};
inline constexpr SettingKey ShowWord{RememberSetting, u"ShowWord", u"1"};
// "1" for stepping and the display settings dialog; "0" at the end of speech.
inline constexpr SettingKey ShowExplanation{RememberSetting, u"ShowExplanation", {}, true};
inline constexpr SettingKey ShowPronounce{RememberSetting, u"ShowPronounce", u"1"};
inline constexpr SettingKey DelayExplanation{RememberSetting, u"DelayExplanation", u"0"};
inline constexpr SettingKey AutoPlay{RememberSetting, u"AutoPlay", u"0"};
inline constexpr SettingKey WordInterval{RememberSetting, u"WordInterval", u"3"};
// White: the display settings dialog shows the colour the word window draws.
inline constexpr SettingKey WordForeColor{RememberSetting, u"WordForeColor", u"16777215"};
inline constexpr SettingKey ExplanationForeColor{RememberSetting, u"ExplanationForeColor",
                                                 u"16777215"};
inline constexpr SettingKey BackColor{RememberSetting, u"BackColor", u"&H80000001&"};
inline constexpr SettingKey BackPicture{RememberSetting, u"BackPicture", u"0"};
inline constexpr SettingKey BackPicturePath{RememberSetting, u"BackPicturePath", u"default.bmp"};
inline constexpr SettingKey BackPictureStyle{RememberSetting, u"BackPictureStyle", u"0"};
// "1" for stepping and the display settings dialog; "0" for the menu refresh.
inline constexpr SettingKey EnableSpeak{RememberSetting, u"EnableSpeak", {}, true};
// "0" for the speech text; "1" for the display settings dialog.
inline constexpr SettingKey SpeakLetter{RememberSetting, u"SpeakLetter", {}, true};
inline constexpr SettingKey HotKeyEnabled{RememberSetting, u"HotKeyEnabled", u"1"};
inline constexpr NumberedSettingKey HotKey{RememberSetting, u"HotKey", u""};
// "1" everywhere but the display settings dialog's Apply, which compares with "0".
inline constexpr SettingKey FullScreen{RememberSetting, u"FullScreen", {}, true};
inline constexpr SettingKey SplitDisplay{RememberSetting, u"SplitDisplay", u"1"};
inline constexpr SettingKey WinLeft{RememberSetting, u"WinLeft", u"0"};
inline constexpr SettingKey WinTop{RememberSetting, u"WinTop", u"0"};
inline constexpr SettingKey WinWidth{RememberSetting, u"WinWidth", u"500"};
inline constexpr SettingKey WinHeight{RememberSetting, u"WinHeight", u"500"};
inline constexpr SettingKey WordFontName{RememberSetting, u"WordFontName", u"宋体"};
inline constexpr SettingKey WordFontSize{RememberSetting, u"WordFontSize", u"72"};
inline constexpr SettingKey WordFontBold{RememberSetting, u"WordFontBold", u"1"};
inline constexpr SettingKey WordFontItalic{RememberSetting, u"WordFontItalic", u"1"};
inline constexpr SettingKey ExplanationFontName{RememberSetting, u"ExplanationFontName", u"宋体"};
inline constexpr SettingKey ExplanationFontSize{RememberSetting, u"ExplanationFontSize", u"36"};
inline constexpr SettingKey ExplanationFontBold{RememberSetting, u"ExplanationFontBold", u"1"};
inline constexpr SettingKey ExplanationFontItalic{RememberSetting, u"ExplanationFontItalic", u"1"};
inline constexpr NumberedSettingKey SaveDictionaryFile{RememberSetting, u"SaveDictionaryFile",
                                                       u"cet-4.wsl"};
inline constexpr NumberedSettingKey SaveLoad{RememberSetting, u"SaveLoad", u"1"};
// Written when the word window closes; never read with a default of their own.
inline constexpr SettingKey SaveLastDictionaryFile{RememberSetting, u"SaveLastDictionaryFile",
                                                   u"cet-4.wsl"};
inline constexpr SettingKey SaveLast{RememberSetting, u"SaveLast", u"1"};

// The user's settings file, "MustRememberSetting": the typing test.
// "0" at start-up, for the minute timer and the dialog's close; "True" for the dialog's load.
inline constexpr SettingKey EnableMustRemember{
    MustRememberSetting, u"EnableMustRemember", {}, true};
inline constexpr SettingKey TestShowWord{MustRememberSetting, u"ShowWord", u"1"};
inline constexpr SettingKey TestShowExplanation{MustRememberSetting, u"ShowExplanation", u"1"};
inline constexpr SettingKey TestShowPronounce{MustRememberSetting, u"ShowPronounce", u"1"};
// "3" for the minute timer; "5" for the settings dialog's load.
inline constexpr SettingKey ShowInterval{MustRememberSetting, u"ShowInterval", {}, true};
inline constexpr SettingKey RepeatTimes{MustRememberSetting, u"RepeatTimes", u"3"};

// The user's settings file, "TipOnDaySetting".
// "0" at start-up; "1" for the tip window's check box.
inline constexpr SettingKey ShowOnStart{TipOnDaySetting, u"ShowOnStart", {}, true};
inline constexpr SettingKey TipIndex{TipOnDaySetting, u"TipIndex", u"1"};

} // namespace setting

} // namespace lexarion
