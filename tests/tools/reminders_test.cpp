#include "core/appstate.h"
#include "support/tempprogramfolder.h"
#include "support/userfixture.h"
#include "tools/reminders.h"

#include <QDateTime>
#include <gtest/gtest.h>

using namespace lexarion;
using lexarion::testing::Gb;

namespace {

struct Fixture : lexarion::testing::UserFixture {
    void SetNow(const QString& isoDateTime) {
        const QDateTime now = QDateTime::fromString(isoDateTime, Qt::ISODate);
        app.SetClock([now] { return now; });
    }
};

ReminderList ListOf(std::initializer_list<const char*> lines) {
    ReminderList list;
    for (const char* line : lines)
        list.Append(QString::fromUtf8(line));
    return list;
}

} // namespace

TEST(ReminderFields, SplitsAtTabsAndKeepsExtraFieldsInTheLine) {
    const QString line = "20040105\t0930\t交作业\textra";
    EXPECT_EQ(ReminderDate(line), "20040105");
    EXPECT_EQ(ReminderTime(line), "0930");
    EXPECT_EQ(ReminderText(line), "交作业");
    EXPECT_EQ(ReminderText("20040105\t0930"), "");
    EXPECT_EQ(ReminderTime("20040105"), "");
}

TEST(ReminderFields, MakeReminderLineKeepsARecordOnOneLineOfThreeFields) {
    EXPECT_EQ(MakeReminderLine("20040105", "0930", "看书"), "20040105\t0930\t看书");
    EXPECT_EQ(MakeReminderLine("20040105", "0930", "a\tb\r\nc"), "20040105\t0930\ta b  c");
    EXPECT_EQ(MakeReminderLine("20040105", "0930", ""), "20040105\t0930\t");
}

TEST(ReminderFormat, DatesCarryAsACalendarDoes) {
    struct Case {
        int year, month, day;
        const char* expected;
    };
    const Case cases[] = {
        {2004, 1, 5, "20040105"},   {2004, 13, 1, "20050101"}, {2004, 3, 0, "20040229"},
        {2004, 2, 31, "20040302"},  {2004, 0, 15, "20031215"}, {2003, 3, 0, "20030228"},
        {1900, 2, 29, "19000301"},  {2000, 2, 29, "20000229"}, {2004, 12, 32, "20050101"},
        {2004, -11, 1, "20030101"}, {5, 6, 7, "00050607"},     {99999, 1, 1, "99991231"},
        {-5, 1, 1, "00000101"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatReminderDate(c.year, c.month, c.day), c.expected)
            << c.year << "-" << c.month << "-" << c.day;
}

TEST(ReminderFormat, TimesCarryMinutesIntoHoursAndKeepTheTimeOfDay) {
    struct Case {
        int hour, minute;
        const char* expected;
    };
    const Case cases[] = {
        {9, 30, "0930"},  {9, 60, "1000"}, {9, -1, "0859"}, {0, -1, "2359"},
        {23, 60, "0000"}, {25, 5, "0105"}, {0, 0, "0000"},  {-1, 0, "2300"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatReminderTime(c.hour, c.minute), c.expected) << c.hour << ":" << c.minute;
}

TEST(ReminderFormat, DisplayText) {
    EXPECT_EQ(ReminderDisplayText("20040105", "0930"), "2004年01月05日 09:30");
}

TEST(ReminderDue, DateAndTimeAreComparedIndependently) {
    const QString nowDate = "20040105", nowTime = "1000";
    EXPECT_TRUE(IsReminderDue("20040105\t1000\tx", nowDate, nowTime));
    EXPECT_TRUE(IsReminderDue("20040104\t0900\tx", nowDate, nowTime));
    EXPECT_FALSE(IsReminderDue("20040104\t2300\tx", nowDate, nowTime));
    EXPECT_TRUE(IsReminderDue("20040104\t2300\tx", nowDate, "2300"));
    EXPECT_FALSE(IsReminderDue("20040106\t0000\tx", nowDate, nowTime));
    EXPECT_FALSE(IsReminderDue("20040105\t1001\tx", nowDate, nowTime));
}

TEST(ReminderFile, LoadKeepsValidRecordsInFileOrderAndSkipsTheRest) {
    Fixture f;
    f.folder.Write("users/Alice/remind.txt", Gb("20040105\t0930\t交作业\r\n"
                                                "\r\n"
                                                "2004015\t0930\t七位日期\r\n"
                                                "20040105\t0930\r\n"
                                                "2004010a\t0930\t字母\r\n"
                                                "+2004010\t0930\t符号\r\n"
                                                "20040105\t930\t三位时间\r\n"
                                                "20030101\t2359\t\r\n"
                                                "20050101\t0000\t第四栏\tmore\r\n"));
    ASSERT_TRUE(LoadReminders(f.app));
    EXPECT_EQ(f.app.reminderList.Lines(), QStringList({"20040105\t0930\t交作业", "20030101\t2359\t",
                                                       "20050101\t0000\t第四栏\tmore"}));
}

TEST(ReminderFile, LoadCreatesAMissingFileAndEmptiesTheList) {
    Fixture f;
    f.app.reminderList.Append("20040105\t0930\told");
    ASSERT_TRUE(LoadReminders(f.app));
    EXPECT_EQ(f.app.reminderList.Count(), 0);
    EXPECT_TRUE(f.folder.Exists("users/Alice/remind.txt"));
}

TEST(ReminderFile, LoadFailsWhenTheFileCannotBeMade) {
    Fixture f;
    f.app.currentUser = "Nobody"; // no users/Nobody folder
    EXPECT_FALSE(LoadReminders(f.app));
}

TEST(ReminderFile, SaveWritesEveryRecordWithCrLfAndKeepsAUtf8File) {
    Fixture f;
    f.folder.Write("users/Alice/remind.txt", "20040105\t0930\t交作业\n");
    ASSERT_TRUE(LoadReminders(f.app));
    f.app.reminderList.Append(MakeReminderLine("20040106", "0800", "背单词"));
    ASSERT_TRUE(SaveReminders(f.app));
    EXPECT_EQ(f.folder.Read("users/Alice/remind.txt"),
              QByteArray("20040105\t0930\t交作业\r\n20040106\t0800\t背单词\r\n"));
}

TEST(ReminderFile, SaveOfANewFileIsGb18030AndRoundTrips) {
    Fixture f;
    ASSERT_TRUE(LoadReminders(f.app));
    f.app.reminderList.Append(MakeReminderLine("20040106", "0800", "背单词"));
    ASSERT_TRUE(SaveReminders(f.app));
    EXPECT_EQ(f.folder.Read("users/Alice/remind.txt"), Gb("20040106\t0800\t背单词\r\n"));
    ASSERT_TRUE(LoadReminders(f.app));
    EXPECT_EQ(f.app.reminderList.Lines(), QStringList({"20040106\t0800\t背单词"}));
}

TEST(ReminderList, UpdateReplacesInPlaceAndRefusesOutOfRange) {
    ReminderList list = ListOf({"20040101\t0100\ta", "20040102\t0200\tb", "20040103\t0300\tc"});
    EXPECT_TRUE(UpdateReminder(list, 1, "20050505", "0505", "new"));
    EXPECT_EQ(list.Lines(),
              QStringList({"20040101\t0100\ta", "20050505\t0505\tnew", "20040103\t0300\tc"}));
    EXPECT_TRUE(UpdateReminder(list, 2, "20060606", "0606", "last"));
    EXPECT_EQ(list.Item(3), "20060606\t0606\tlast");
    EXPECT_FALSE(UpdateReminder(list, 3, "20070707", "0707", "x"));
    EXPECT_FALSE(UpdateReminder(list, -1, "20070707", "0707", "x"));
    EXPECT_EQ(list.Count(), 3);

    ReminderList empty;
    EXPECT_FALSE(UpdateReminder(empty, 0, "20070707", "0707", "x"));
    EXPECT_EQ(empty.Count(), 0);
}

TEST(ReminderList, PurgeRemovesExactlyTheDueRecordsKeepingOrder) {
    ReminderList list = ListOf({
        "20040105\t0900\tdue1",
        "20040105\t0900\tdue2",
        "20040106\t0800\tlater date",
        "20040104\t2300\tyesterday late",
        "20040101\t0000\tdue3",
        "20040105\t1001\tlater time",
        "20040105\t1000\tdue4",
    });
    RemoveDueReminders(list, "20040105", "1000");
    EXPECT_EQ(list.Lines(),
              QStringList({"20040106\t0800\tlater date", "20040104\t2300\tyesterday late",
                           "20040105\t1001\tlater time"}));
}

TEST(ReminderList, PurgeUsesTheProgramClockWithoutSeconds) {
    Fixture f;
    f.SetNow("2004-01-05T10:00:59");
    f.app.reminderList = ListOf({"20040105\t1000\tnow", "20040105\t1001\tnext minute"});
    EXPECT_EQ(CurrentReminderDate(f.app), "20040105");
    EXPECT_EQ(CurrentReminderTime(f.app), "1000");
    RemoveDueReminders(f.app);
    EXPECT_EQ(f.app.reminderList.Lines(), QStringList({"20040105\t1001\tnext minute"}));
}
