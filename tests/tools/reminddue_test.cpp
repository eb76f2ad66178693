#include "core/appstate.h"
#include "support/userfixture.h"
#include "tools/reminddue.h"

#include <gtest/gtest.h>

using namespace lexarion;

namespace {

struct Fixture : lexarion::testing::UserFixture {
    void SetNow(const char* isoDateTime) {
        const QDateTime now = QDateTime::fromString(QString::fromLatin1(isoDateTime), Qt::ISODate);
        app.SetClock([now] { return now; });
    }
    void Records(std::initializer_list<const char*> lines) {
        for (const char* line : lines)
            app.reminderList.Append(QString::fromUtf8(line));
    }
};

} // namespace

TEST(ReminderCheck, FindsADueRecordOnlyWhileNoProgramWindowHoldsTheScreen) {
    Fixture f;
    f.SetNow("2004-01-05T09:30:00");
    f.Records({"20040105\t0931\tnot yet", "20991231\t0000\tlater"});
    EXPECT_FALSE(ReminderCheckFindsDue(f.app));
    f.Records({"20040104\t0930\tdue"});
    EXPECT_TRUE(ReminderCheckFindsDue(f.app));
    f.app.dialogShowing = true;
    EXPECT_FALSE(ReminderCheckFindsDue(f.app));
}

TEST(DueRemindersList, HoldsTheDueRecordsInListOrderAndPagesThroughThem) {
    Fixture f;
    f.SetNow("2004-01-05T09:30:00");
    f.Records({"20040105\t0930\t交作业", "20040105\t0931\t还没到", "20040101\t0000\t看书"});
    DueReminders due;
    due.Load(f.app);
    ASSERT_EQ(due.Count(), 2);
    EXPECT_EQ(due.CurrentDue(), 1);
    EXPECT_EQ(due.CurrentText(), u"时间: 2004年01月05日 09:30\r\n\r\n事情: 交作业"_qs);
    EXPECT_FALSE(due.Previous());
    EXPECT_TRUE(due.Next());
    EXPECT_EQ(due.CurrentText(), u"时间: 2004年01月01日 00:00\r\n\r\n事情: 看书"_qs);
    EXPECT_FALSE(due.Next());
    EXPECT_EQ(due.CurrentDue(), 2);
    EXPECT_TRUE(due.Previous());
    EXPECT_EQ(due.CurrentDue(), 1);
}

TEST(DueRemindersList, EmptyWhenNothingIsDueAnyMore) {
    // The clock passed midnight between the check and the load: yesterday's 23:59 is not due
    // today at 00:00.
    Fixture f;
    f.SetNow("2004-01-06T00:00:00");
    f.Records({"20040105\t2359\t午夜前"});
    DueReminders due;
    due.Load(f.app);
    EXPECT_TRUE(due.IsEmpty());
    EXPECT_EQ(due.CurrentText(), QString());
    EXPECT_FALSE(due.Next());
    EXPECT_FALSE(due.Previous());
}

TEST(PurgeDue, RemovesWhatIsDueAtTheCloseAndWritesTheFileAtOnce) {
    Fixture f;
    f.SetNow("2004-01-05T09:30:00");
    f.Records({"20040105\t0930\tA", "20040106\t0800\tB", "20040101\t0900\tC", "20040105\t0931\tD"});
    // A minute later D has fallen due as well.
    f.SetNow("2004-01-05T09:31:00");
    EXPECT_TRUE(PurgeDueReminders(f.app));
    EXPECT_EQ(f.app.reminderList.Lines(), QStringList{u"20040106\t0800\tB"_qs});
    EXPECT_EQ(f.folder.Read("users/Alice/remind.txt"), QByteArray("20040106\t0800\tB\r\n"));
}
