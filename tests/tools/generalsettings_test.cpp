#include "core/appstate.h"
#include "support/recordingspeech.h"
#include "support/userfixture.h"
#include "tools/generalsettings.h"
#include "wordlist/wordlist.h"

#include <gtest/gtest.h>

using namespace lexarion;
using lexarion::testing::Gb;

namespace {

struct Fixture : lexarion::testing::UserFixture {
    QByteArray Settings() const { return folder.Read("users/Alice/config.ini"); }
};

QByteArray Words(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += "word" + QByteArray::number(i) + "#" + Gb("词") + "\r\n";
    return bytes;
}

} // namespace

TEST(GeneralSettingsLists, SkinsAndWordListsByNameWithTheNewWordBookLast) {
    Fixture f;
    f.folder.MakeFolder("Skins/WindowsXP");
    f.folder.MakeFolder("Skins/Jade");
    f.folder.Write("Skins/readme.txt", "not a skin");
    f.folder.Write("Dicts/toefl.wsl", "");
    f.folder.Write("Dicts/cet-4.wsl", "");
    f.folder.Write("Dicts/All_cn.idx", "");
    EXPECT_EQ(SkinNames(f.app), (QStringList{"Jade", "WindowsXP"}));
    EXPECT_EQ(WordListNames(f.app), (QStringList{"cet-4.wsl", "toefl.wsl", "MyDict.wsl"}));
}

TEST(GeneralSettingsLists, DescriptionsAndPreviewWithTheirFallbacks) {
    Fixture f;
    f.folder.Write("Skins/Jade/config.ini", "[General]\r\nDescription=" + Gb("玉石") + "\r\n");
    f.folder.Write("Skins/Jade/PreView.bmp", "BM");
    f.folder.MakeFolder("Skins/Bare");
    EXPECT_EQ(SkinDescription(f.app, "Jade"), u"玉石"_qs);
    EXPECT_EQ(SkinDescription(f.app, "Bare"), NoSkinDescription.toString());
    EXPECT_FALSE(SkinPreviewPath(f.app, "Jade").isEmpty());
    EXPECT_TRUE(SkinPreviewPath(f.app, "Bare").isEmpty());

    f.folder.Write("Dicts/a.wsl", ";" + Gb("四级词汇") + "\r\nword#词\r\n");
    f.folder.Write("Dicts/b.wsl", ";\r\nword#词\r\n");
    f.folder.Write("Dicts/c.wsl", "word#词\r\n");
    f.folder.Write("Dicts/d.wsl", "");
    const struct {
        const char* name;
        QString expected;
    } cases[] = {
        {"a.wsl", u"四级词汇"_qs},
        {"b.wsl", QString()},
        {"c.wsl", NoWordListDescription.toString()},
        {"d.wsl", NoWordListDescription.toString()},
        {"missing.wsl", NoWordListDescription.toString()},
        {"mydict.WSL", MyDictDescription.toString()},
        {"All.wsl", AllWordsDescription.toString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WordListDescription(f.app, c.name), c.expected) << c.name;
}

TEST(GeneralSettingsGroups, GroupCountRoundsUp) {
    EXPECT_EQ(GroupCount(120, 50), 3);
    EXPECT_EQ(GroupCount(100, 50), 2);
    EXPECT_EQ(GroupCount(1, 1), 1);
    EXPECT_EQ(GroupCount(0, 1), 0);
    EXPECT_EQ(GroupCount(10, 0), 0);
}

TEST(GeneralSettingsSave, TheSameListWritesTheSlidersWithoutAsking) {
    Fixture f;
    f.folder.Write("users/Alice/config.ini", "[General]\r\nDictionaryFile=CET-4.wsl\r\n");
    GeneralSettings chosen;
    chosen.dictionaryFile = "cet-4.wsl";
    chosen.group = 3;
    chosen.groupSize = 50;
    bool asked = false;
    EXPECT_FALSE(SaveGeneralSettings(
        f.app, chosen, [&] { return asked = true; }, nullptr));
    EXPECT_FALSE(asked);
    const GeneralSettings stored = ReadGeneralSettings(f.app);
    EXPECT_EQ(stored.group, 3);
    EXPECT_EQ(stored.groupSize, 50);
}

TEST(GeneralSettingsSave, AnotherListIsLoadedOnlyOnYes) {
    for (const bool yes : {false, true}) {
        Fixture f;
        f.folder.Write("users/Alice/config.ini", "[General]\r\nDictionaryFile=cet-4.wsl\r\n");
        f.folder.Write("Dicts/toefl.wsl", Words(7));
        GeneralSettings chosen;
        chosen.dictionaryFile = "toefl.wsl";
        chosen.group = 2;
        chosen.groupSize = 40;
        chosen.speakSpeed = 200;
        chosen.speakMode = 2;
        chosen.showAsGroup = true;
        chosen.lastPlanGroup = 4;
        chosen.runPlan = true;
        lexarion::testing::RecordingSpeech speech;
        speech.speaking = true;
        EXPECT_EQ(SaveGeneralSettings(
                      f.app, chosen, [yes] { return yes; }, &speech),
                  yes);
        const GeneralSettings stored = ReadGeneralSettings(f.app);
        EXPECT_EQ(stored.dictionaryFile, yes ? "toefl.wsl" : "cet-4.wsl");
        EXPECT_EQ(stored.group, yes ? 1 : 2);
        EXPECT_EQ(stored.groupSize, yes ? 1 : 40);
        EXPECT_EQ(f.app.wordList.Count(), yes ? 7 : 0);
        EXPECT_EQ(stored.speakSpeed, 200);
        EXPECT_EQ(stored.speakMode, 2);
        EXPECT_TRUE(stored.showAsGroup);
        EXPECT_EQ(stored.lastPlanGroup, 4);
        EXPECT_TRUE(stored.runPlan);
        EXPECT_EQ(speech.calls, QStringList{"Stop"});
        EXPECT_EQ(speech.speed, 200);
        EXPECT_EQ(speech.mode, 2);
    }
}
