#include "core/settings.h"
#include "memorize/hotkeyslots.h"
#include "platform/hotkeys.h"
#include "support/recordinghotkeys.h"
#include "support/userfixture.h"

#include <QObject>
#include <gtest/gtest.h>
#include <set>
#include <tuple>
#include <vector>

namespace lexarion {
namespace {

TEST(HotKeyNames, KeyNameTable) {
    const std::vector<std::pair<int, QString>> rows{
        {33, "Page Up"}, {34, "Page Down"}, {35, "End"},    {36, "Home"},   {37, "Left"},
        {38, "Up"},      {39, "Right"},     {40, "Down"},   {48, "0"},      {57, "9"},
        {65, "A"},       {90, "Z"},         {96, "Num 0"},  {105, "Num 9"}, {106, "Num *"},
        {107, "Num +"},  {108, "Num "},     {109, "Num -"}, {110, "Num ."}, {111, "Num /"},
        {112, "F1"},     {120, "F9"},       {121, "F10"},   {123, "F12"},   {0, ""},
        {16, ""},        {17, ""},          {32, ""},       {41, ""},       {47, ""},
        {58, ""},        {64, ""},          {91, ""},       {124, ""},      {186, ""},
    };
    for (const auto& [code, name] : rows)
        EXPECT_EQ(KeyName(code), name) << code;
}

TEST(HotKeyNames, ModifiersAndJoining) {
    EXPECT_EQ(ModifierNames(0), "");
    EXPECT_EQ(ModifierNames(1), "Shift");
    EXPECT_EQ(ModifierNames(6), "Ctrl + Alt");
    EXPECT_EQ(ModifierNames(7), "Shift + Ctrl + Alt");
    EXPECT_EQ(ModifierNames(8), "");
    EXPECT_EQ(JoinKeyNames("Shift + Ctrl", "F5"), "Shift + Ctrl + F5");
    EXPECT_EQ(JoinKeyNames("", "F5"), "F5");
    EXPECT_EQ(JoinKeyNames("", ""), "无");
    // A modifier with a key that has no name keeps the joint.
    EXPECT_EQ(JoinKeyNames("Ctrl", ""), "Ctrl + ");
}

TEST(HotKeyValues, StoredValueArithmetic) {
    EXPECT_EQ(StoredHotKeyValue({112, 2}), 624); // Ctrl+F1
    EXPECT_EQ(StoredHotKeyValue({65, 1}), 321);  // Shift+A
    EXPECT_EQ(StoredHotKeyValue({65, 4}), 1089); // Alt+A
    EXPECT_EQ(StoredHotKeyValue({0, 0}), 0);
    const std::vector<std::pair<QString, std::optional<KeyCombination>>> rows{
        {"624", KeyCombination{112, 2}},
        {"321", KeyCombination{65, 1}},
        {"1089", KeyCombination{65, 4}},
        {"65", KeyCombination{65, 0}},
        {" 624 ", KeyCombination{112, 2}},
        {"623.6", KeyCombination{112, 2}},
        {"&H270", KeyCombination{112, 2}},
        {"", std::nullopt},
        {"0", std::nullopt},
        {"-624", std::nullopt},
        {"abc", std::nullopt},
        {"0.4", std::nullopt},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(ParseStoredHotKey(text), expected) << text.toStdString();
}

TEST(HotKeySlotTable, LabelsKeysAndCommands) {
    EXPECT_EQ(SlotLabel(0), "播放/暂停");
    EXPECT_EQ(SlotLabel(3), "删除生词");
    EXPECT_EQ(SlotLabel(7), "下一组");
    EXPECT_EQ(SlotCommand(0), HotKeyCommand::StartPlay);
    EXPECT_EQ(SlotCommand(6), HotKeyCommand::PreviousGroup);
}

class HotKeySlotsTest : public ::testing::Test {
protected:
    void Store(const QString& key, const QString& value) {
        WriteSetting(user_.app, "RememberSetting", key, value);
    }

    testing::UserFixture user_;
    testing::RecordingHotKeys system_;
    QObject window_;
    HotKeySlots slots_{user_.app, system_, &window_};
};

TEST_F(HotKeySlotsTest, RegistersEachStoredCombinationWithSlotPlusOne) {
    Store("HotKey0", "624");
    Store("HotKey2", "321");
    Store("HotKey5", "1089");
    Store("HotKey3", "0");
    Store("HotKey4", "-1");
    Store("HotKey6", "x");
    slots_.RegisterAll();
    const std::vector<std::tuple<QObject*, int, int, int>> expected{
        {&window_, 1, 2, 112}, {&window_, 3, 1, 65}, {&window_, 6, 4, 65}};
    EXPECT_EQ(system_.registered, expected);
    EXPECT_EQ(slots_.Id(0), 1);
    EXPECT_TRUE(slots_.Registered(2));
    EXPECT_EQ(slots_.Id(3), 0);
    EXPECT_FALSE(slots_.Registered(3));
    EXPECT_EQ(slots_.CommandOf(1), HotKeyCommand::StartPlay);
    EXPECT_EQ(slots_.CommandOf(6), HotKeyCommand::NextWord);
    // Unregistered slots have id 0, which never runs a command; nor does an id no slot has.
    EXPECT_EQ(slots_.CommandOf(0), std::nullopt);
    EXPECT_EQ(slots_.CommandOf(4), std::nullopt);
    // The id is taken as a byte.
    EXPECT_EQ(slots_.CommandOf(256 + 3), HotKeyCommand::AddToMyDict);
}

TEST_F(HotKeySlotsTest, EnabledOnlyWhenExactlyOne) {
    Store("HotKey0", "624");
    for (const char* value : {"2", "0", "yes", "1.5"}) {
        Store("HotKeyEnabled", value);
        slots_.RegisterAll();
        EXPECT_TRUE(system_.registered.empty()) << value;
    }
    Store("HotKeyEnabled", "1");
    slots_.RegisterAll();
    EXPECT_EQ(system_.registered.size(), 1u);
}

TEST_F(HotKeySlotsTest, MissingEnabledKeyMeansOn) {
    Store("HotKey7", "65");
    slots_.RegisterAll();
    EXPECT_EQ(system_.registered.size(), 1u);
    EXPECT_EQ(slots_.CommandOf(8), HotKeyCommand::NextGroup);
}

TEST_F(HotKeySlotsTest, RefusedCombinationStaysUnregisteredAndTheRestRegister) {
    Store("HotKey0", "624");
    Store("HotKey1", "625");
    Store("HotKey2", "626");
    system_.refused.insert({2, 113});
    slots_.RegisterAll();
    EXPECT_TRUE(slots_.Registered(0));
    EXPECT_FALSE(slots_.Registered(1));
    EXPECT_EQ(slots_.Id(1), 0);
    EXPECT_TRUE(slots_.Registered(2));
    EXPECT_EQ(slots_.CommandOf(2), std::nullopt);

    slots_.UnregisterAll();
    const std::vector<std::pair<QObject*, int>> released{{&window_, 1}, {&window_, 3}};
    EXPECT_EQ(system_.released, released);
    // Ids stay until the next registration; nothing is released twice.
    EXPECT_EQ(slots_.Id(2), 3);
    slots_.UnregisterAll();
    EXPECT_EQ(system_.released.size(), 2u);
}

TEST_F(HotKeySlotsTest, RegisteringAgainReadsTheNewValues) {
    Store("HotKey0", "624");
    slots_.RegisterAll();
    slots_.UnregisterAll();
    Store("HotKey0", "0");
    Store("HotKey1", "1089");
    slots_.RegisterAll();
    EXPECT_EQ(slots_.Id(0), 0);
    EXPECT_EQ(slots_.Id(1), 2);
    EXPECT_EQ(slots_.CommandOf(1), std::nullopt);
    EXPECT_EQ(slots_.CommandOf(2), HotKeyCommand::ReadAgain);
}

} // namespace
} // namespace lexarion
