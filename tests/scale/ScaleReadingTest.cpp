#include "scale/ScaleReading.h"
#include "scale/BluetoothRead.h"
#include "scale/ScaleStatus.h"
#include "store/Diary.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvel;

// Rounded half up to 10 g; the line of `tarvel-scale read` with and without the scale's own time.
TEST(ScaleReading, RoundingAndReadLine)
{
    const QDateTime received(QDate(2026, 12, 7), QTime(8, 1, 2));
    const QDateTime own(QDate(2024, 5, 6), QTime(7, 30, 15));
    const struct {
        GattReading reading;
        const char* line;
    } rows[] = {
        {{Mass{72404}, own, 1, {}, {}, 185}, "2024-05-06 07:30:15\t72.40 kg\tuser 1\tfat 18.5 %"},
        {{Mass{72935}, {}, {}, {}, {}, {}}, "2026-12-07 08:01:02 (received)\t72.94 kg"}, // 160.80 lb
        {{Mass{2005}, {}, 0, {}, {}, 0}, "2026-12-07 08:01:02 (received)\t2.01 kg\tuser 0\tfat 0.0 %"},
        {{{}, own, 1, {}, {}, 185}, ""},
    };
    for (const auto& row : rows) {
        const std::optional<ScaleWeighing> weighing = ToWeighing(row.reading);
        EXPECT_EQ(weighing ? ReadLine(*weighing, received).toStdString() : "", row.line);
    }
    EXPECT_TRUE(TakesUser(3, -1) && TakesUser(std::nullopt, 2) && TakesUser(2, 2) && !TakesUser(3, 2));
}

// Today's reading goes to the page; another day's into its empty slot (a new day when none is
// stored), the same weight already there is ignored, another weight in a used slot is held.
TEST(ScaleReading, PlacedByItsOwnTime)
{
    Diary diary;
    DayRecord stored{QDate(2024, 5, 6), {}};
    stored.slot[0].weight = Mass{72400};
    diary.storeDay(stored);
    const QDate today(2026, 12, 7);
    const struct {
        QDateTime weighed;
        qint64 grams;
        Placement placement;
        int position, slot;
    } rows[] = {
        {{today, QTime(11, 59, 59)}, 70000, Placement::Page, 0, 0},
        {{today, QTime(12, 0)}, 70000, Placement::Page, 0, 1},
        {{QDate(2024, 5, 6), QTime(19, 0)}, 72400, Placement::IntoStoredDay, 1, 1},
        {{QDate(2024, 5, 6), QTime(8, 0)}, 72400, Placement::AlreadyStored, 1, 0},
        {{QDate(2024, 5, 6), QTime(8, 0)}, 72410, Placement::Held, 1, 0},
        {{QDate(2024, 5, 7), QTime(8, 0)}, 72400, Placement::IntoStoredDay, 0, 0},
    };
    for (const auto& row : rows) {
        const PlaceDecision d = PlaceWeighing(diary, today, row.weighed, Mass{row.grams});
        EXPECT_EQ(std::tuple(d.placement, d.position, d.slot),
                  std::tuple(row.placement, row.position, row.slot))
            << row.weighed.toString(Qt::ISODate).toStdString();
    }
    const Weighing w = StoredWeighing({today, QTime(7, 5, 59)}, Mass{72400}, 170.0);
    EXPECT_EQ(std::tuple(w.time, w.bmiTenths), std::tuple(std::optional(QTime(7, 5)), std::optional(251)));
}

// The status line's other states are seen in the window test; here the scale not yet named.
TEST(ScaleReading, StatusLineAndReadArguments)
{
    EXPECT_EQ(BluetoothStatusText(BluetoothScaleState::Waiting, QString(), u"C0:FF:EE:00:12:34"_s, {}),
              u"Scale: C0:FF:EE:00:12:34 asleep, waiting"_s);
    const struct {
        QStringList arguments;
        const char* parsed; // address|count|timeout, or "bad"
    } rows[] = {
        {{u"--bluetooth"_s}, "|1|60"},
        {{u"--bluetooth"_s, u"c0:ff:ee:00:12:34"_s, u"--count"_s, u"3"_s, u"--timeout"_s, u"5"_s},
         "C0:FF:EE:00:12:34|3|5"},
        {{u"c0:ff:ee:00:12:34"_s}, "bad"},
        {{u"--bluetooth"_s, u"C0:FF"_s}, "bad"},
        {{u"--bluetooth"_s, u"--timeout"_s, u"x"_s}, "bad"},
    };
    for (const auto& row : rows) {
        QString error;
        const std::optional<ReadOptions> o = ParseReadArguments(row.arguments, &error);
        EXPECT_EQ(o ? u"%1|%2|%3"_s.arg(o->address).arg(o->count).arg(o->timeoutSeconds).toStdString()
                    : "bad",
                  row.parsed);
        EXPECT_EQ(o.has_value(), error.isEmpty());
    }
}
