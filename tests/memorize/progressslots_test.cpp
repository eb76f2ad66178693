// The progress slots over a real program folder: saving stores the list's name and the
// position, loading loads the list and restores the position and its group; the position kept
// at the window's closing loads the same way.

#include "core/appstate.h"
#include "core/settings.h"
#include "memorize/progressslots.h"
#include "support/userfixture.h"
#include "wordlist/mydict.h"
#include "wordlist/wordlist.h"

#include <gtest/gtest.h>

using namespace lexarion;
using lexarion::testing::Gb;
using lexarion::testing::UserFixture;

namespace {

class ProgressSlotsTest : public ::testing::Test {
protected:
    ProgressSlotsTest() {
        QByteArray words;
        for (int i = 1; i <= 130; ++i)
            words += "w" + QByteArray::number(i) + "#x\r\n";
        fixture.folder.Write("Dicts/cet-4.wsl", words);
        fixture.folder.Write("Dicts/toefl.wsl", Gb("alpha#甲\r\nbeta#乙\r\ngamma#丙\r\n"));
    }
    QString Get(const char* section, const char* key) {
        return ReadSetting(app, section, key, "(missing)");
    }

    UserFixture fixture;
    AppState& app = fixture.app;
};

TEST_F(ProgressSlotsTest, AFreshSlotReadsTheDefaultList) {
    for (int n = 0; n < ProgressSlotCount; ++n)
        EXPECT_EQ(ProgressSlotCaption(app, n), u"cet-4.wsl[1]");
}

TEST_F(ProgressSlotsTest, SavingStoresListAndPositionAndGivesTheCaption) {
    app.currentWordIndex = 120;
    EXPECT_EQ(SaveProgressSlot(app, 1), u"cet-4.wsl[120]");
    EXPECT_EQ(Get("RememberSetting", "SaveLoad1"), u"120");
    EXPECT_EQ(Get("RememberSetting", "SaveDictionaryFile1"), u"cet-4.wsl");
    EXPECT_EQ(ProgressSlotCaption(app, 1), u"cet-4.wsl[120]");
    EXPECT_EQ(ProgressSlotCaption(app, 0), u"cet-4.wsl[1]");
}

struct LoadCase {
    const char* file;
    const char* position;
    const char* groupSize;
    qint32 count;
    qint32 expectedIndex;
    const char* expectedGroup;
};

class LoadSlotTest : public ProgressSlotsTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadSlotTest, LoadsTheListAndTheGroupOfThePosition) {
    const LoadCase& c = GetParam();
    WriteSetting(app, "RememberSetting", "SaveDictionaryFile2", c.file);
    WriteSetting(app, "RememberSetting", "SaveLoad2", c.position);
    WriteSetting(app, "General", "GroupSize", c.groupSize);
    LoadProgressSlot(app, 2);
    EXPECT_EQ(Get("General", "DictionaryFile"), QString::fromLatin1(c.file));
    EXPECT_EQ(app.wordList.Count(), c.count);
    EXPECT_EQ(app.currentWordIndex, c.expectedIndex);
    EXPECT_EQ(Get("General", "Group"), QString::fromLatin1(c.expectedGroup));
}

INSTANTIATE_TEST_SUITE_P(Slots, LoadSlotTest,
                         ::testing::Values(LoadCase{"cet-4.wsl", "120", "50", 130, 120, "3"},
                                           LoadCase{"cet-4.wsl", "100", "50", 130, 100, "2"},
                                           LoadCase{"toefl.wsl", "2.9", "1", 3, 2, "2"},
                                           // a position kept before any word was shown
                                           LoadCase{"toefl.wsl", "0", "1", 3, 0, "1"},
                                           // a hand-edited group size of nothing
                                           LoadCase{"toefl.wsl", "3", "0", 3, 3, "3"}));

TEST_F(ProgressSlotsTest, TheNewWordBookIsWrittenBackAndLoadedFromTheUsersFolder) {
    fixture.folder.Write("users/Alice/MyDict.wsl", "old#1\r\n");
    WriteSetting(app, "General", "DictionaryFile", "MyDict.wsl");
    ASSERT_TRUE(LoadWordList(app, MyDictPath(app)));
    app.wordList.Append("new#2");
    WriteSetting(app, "RememberSetting", "SaveDictionaryFile0", "toefl.wsl");
    LoadProgressSlot(app, 0);
    EXPECT_TRUE(fixture.folder.Read("users/Alice/MyDict.wsl").contains("new#2"));
    EXPECT_EQ(app.wordList.Count(), 3);

    WriteSetting(app, "RememberSetting", "SaveDictionaryFile1", "mydict.WSL");
    LoadProgressSlot(app, 1);
    EXPECT_EQ(app.wordList.Count(), 2);
    EXPECT_EQ(app.wordList.Item(2), u"new#2");
}

TEST_F(ProgressSlotsTest, ThePositionKeptAtClosingLoadsAsTheLastProgress) {
    WriteSetting(app, "General", "DictionaryFile", "toefl.wsl");
    app.currentWordIndex = 3;
    SaveLastProgress(app);
    EXPECT_EQ(Get("RememberSetting", "SaveLastDictionaryFile"), u"toefl.wsl");
    EXPECT_EQ(Get("RememberSetting", "SaveLast"), u"3");

    WriteSetting(app, "General", "DictionaryFile", "cet-4.wsl");
    app.currentWordIndex = 77;
    LoadLastProgress(app);
    EXPECT_EQ(Get("General", "DictionaryFile"), u"toefl.wsl");
    EXPECT_EQ(app.wordList.Count(), 3);
    EXPECT_EQ(app.currentWordIndex, 3);
}

} // namespace
