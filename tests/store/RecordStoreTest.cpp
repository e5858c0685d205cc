#include "store/RecordStore.h"
#include "store/Diary.h"

#include <gtest/gtest.h>

using namespace tarvel;

namespace {

DayRecord Day(qint64 dayNumber, const char* memo = "")
{
    DayRecord r;
    r.Date = QString::number(dayNumber);
    r.DayNumber = dayNumber;
    r.Slot[0].Memo = QString::fromLatin1(memo);
    return r;
}

std::vector<qint64> Days(const RecordStore& store)
{
    std::vector<qint64> days;
    for (const DayRecord& r : store.Records())
        days.push_back(r.DayNumber);
    return days;
}

TEST(RecordStore, AddPlacesEachDayAtItsDateAndTellsThePosition)
{
    RecordStore store;
    EXPECT_EQ(store.Add(Day(100)), 1);
    EXPECT_EQ(store.Add(Day(300)), 2);
    EXPECT_EQ(store.Add(Day(200)), 2); // between the two
    EXPECT_EQ(store.Add(Day(50)), 1);  // before every other day
    EXPECT_EQ(store.Add(Day(-5)), 1);  // days before 1899-12-30 sort first
    EXPECT_EQ(Days(store), (std::vector<qint64>{-5, 50, 100, 200, 300}));
    EXPECT_EQ(store.Count(), 5);
}

TEST(RecordStore, FindItemGivesTheFirstOfEqualDaysOrNothing)
{
    RecordStore store;
    store.Add(Day(10, "a"));
    store.Add(Day(20, "first"));
    store.Add(Day(20, "second")); // a hand-made file can hold a day twice: both stay, in file order
    store.Add(Day(30));
    EXPECT_EQ(store.FindItem(20), 2);
    EXPECT_EQ(store.Item(2).Slot[0].Memo, QStringLiteral("first"));
    EXPECT_EQ(store.Item(3).Slot[0].Memo, QStringLiteral("second"));
    EXPECT_EQ(store.FindItem(10), 1);
    EXPECT_EQ(store.FindItem(30), 4);
    for (qint64 missing : {0, 9, 11, 25, 31, -1})
        EXPECT_EQ(store.FindItem(missing), 0) << missing;
    EXPECT_EQ(RecordStore().FindItem(10), 0);
}

TEST(RecordStore, AssignSortsAndKeepsTheOrderOfEqualDays)
{
    RecordStore store;
    store.Assign({Day(30), Day(10, "x"), Day(20), Day(10, "y")});
    EXPECT_EQ(Days(store), (std::vector<qint64>{10, 10, 20, 30}));
    EXPECT_EQ(store.Item(1).Slot[0].Memo, QStringLiteral("x"));
    EXPECT_EQ(store.Item(2).Slot[0].Memo, QStringLiteral("y"));
}

TEST(RecordStore, RemoveMovesLaterRecordsUpAndIgnoresBadPositions)
{
    RecordStore store;
    store.Assign({Day(1), Day(2), Day(3)});
    store.Remove(2);
    EXPECT_EQ(Days(store), (std::vector<qint64>{1, 3}));
    store.Remove(0);
    store.Remove(3);
    EXPECT_EQ(store.Count(), 2);
    store.Remove(1);
    store.Remove(1);
    EXPECT_TRUE(store.IsEmpty());
}

TEST(RecordStore, PositionsBeyondSixteenBits)
{
    std::vector<DayRecord> days;
    for (qint64 d = 0; d < 70000; ++d)
        days.push_back(Day(d * 2));
    RecordStore store;
    store.Assign(std::move(days));
    EXPECT_EQ(store.Count(), 70000);
    EXPECT_EQ(store.FindItem(2 * 65535), 65536);
    EXPECT_EQ(store.Item(65536).DayNumber, 2 * 65535);
    EXPECT_EQ(store.FindItem(2 * 69999), 70000);
    EXPECT_EQ(store.FindItem(2 * 40000 + 1), 0);
    EXPECT_EQ(store.Add(Day(2 * 50000 + 1)), 50002);
}

TEST(Diary, ResetEmptiesTheDiaryButKeepsItsFile)
{
    Diary diary;
    diary.SetAppFolder(QStringLiteral("/data/"));
    EXPECT_EQ(diary.BackupPath, QStringLiteral("/data/TV_Backup"));
    EXPECT_TRUE(diary.IsUnnamed());
    diary.Records.Add(Day(5));
    diary.Owner = {QStringLiteral("Sample"), QStringLiteral("170"), 1};
    diary.NewEntryIndex = 2;
    diary.CurrentIndex = 2;
    diary.ListFirst = diary.ListLast = 2;
    diary.DataChanged = true;
    diary.Reset();
    EXPECT_TRUE(diary.Records.IsEmpty());
    EXPECT_EQ(diary.Owner, Profile());
    EXPECT_EQ(diary.NewEntryIndex, 1);
    EXPECT_EQ(diary.CurrentIndex, 1);
    EXPECT_EQ(diary.ListFirst, 1);
    EXPECT_EQ(diary.ListLast, 1);
    EXPECT_FALSE(diary.DataChanged);
}

} // namespace
