// The smoothed trend of a diary and its weekly rate.

#include "store/Trend.h"
#include "platform/LocaleFormats.h"
#include "store/Diary.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace tarvel;

namespace {

DayRecord Day(int day, const char* morning, const char* night)
{
    DayRecord r;
    r.DayNumber = DayNumber(QDate(2024, 3, day));
    r.Slot[0].Weight = QString::fromLatin1(morning);
    r.Slot[1].Weight = QString::fromLatin1(night);
    r.Slot[0].Memo = QStringLiteral("memo");
    return r;
}

// Weights written with the locale's decimal comma. By hand, keep = 0.9^gap:
//   1 Mar  80,00 (night 82 ignored)    80
//   2 Mar  night only 81,00, gap 1      80 + 0.1 * (81 - 80)               = 80.1
//   3 Mar  a memo, no weighing          (none)
//   5 Mar  78,00, gap 3, 1 - 0.729      80.1 + 0.271 * (78 - 80.1)          = 79.5309
//   6 Mar  morning "0" (no weighing), night 79,00, gap 1
//                                       79.5309 + 0.1 * (79 - 79.5309)      = 79.47781
// Storing 80,00 on 6 Mar then gives    79.5309 + 0.1 * (80 - 79.5309)      = 79.57781
TEST(Trend, SmoothsWeighedDaysAcrossGapsAndFollowsEveryChange)
{
    const LocaleFormats formats = LocaleFormats::ProbeLocale(QLocale(QStringLiteral("de_DE")));
    Diary diary;
    for (const DayRecord& day : {Day(1, "80,00", "82,00"), Day(2, "", "81,00"), Day(3, "", ""),
                                 Day(5, "78,00", ""), Day(6, "0", "79,00")})
        diary.StoreDay(day);
    const Trend trend(diary.Records, formats);
    const double expected[][3] = {{1, 80, 80}, {2, 81, 80.1}, {5, 78, 79.5309}, {6, 79, 79.47781}};
    ASSERT_EQ(trend.Points().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const TrendPoint& p = trend.Points()[i];
        EXPECT_EQ(p.dayNumber, DayNumber(QDate(2024, 3, static_cast<int>(expected[i][0]))));
        EXPECT_DOUBLE_EQ(p.weight, expected[i][1]);
        EXPECT_NEAR(p.trend, expected[i][2], 1e-9);
    }
    EXPECT_EQ(trend.TrendAt(3), std::nullopt);
    EXPECT_NEAR(trend.TrendAt(4).value_or(0), 79.5309, 1e-9);

    diary.StoreDay(Day(6, "80,00", ""));
    EXPECT_NEAR(trend.CurrentTrend().value_or(0), 79.57781, 1e-9);
    diary.RemoveDay(1);
    EXPECT_NEAR(trend.Points().front().trend, 81, 1e-9);
}

// The change per week over the last 28 days, against the trend as it stood 28 days before the
// last weighed day (the last weighed day on or before it), or the first day in a shorter diary.
TEST(Trend, WeeklyRateOverTheLastFourWeeks)
{
    const struct {
        std::vector<TrendPoint> points; // day, weight (unused), trend
        std::optional<double> rate;
    } cases[] = {
        {{{0, 0, 70}, {28, 0, 69}}, -0.25},             // -1 kg in 4 weeks
        {{{0, 0, 90}, {10, 0, 71}, {40, 0, 69}}, -0.5}, // from day 12: day 10 stands, -2 kg in 4 weeks
        {{{5, 0, 70}, {19, 0, 71}}, 0.5},               // two weeks only: +1 kg in 2 weeks
        {{{5, 0, 70}}, std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<double> rate = WeeklyRateOf(c.points);
        ASSERT_EQ(rate.has_value(), c.rate.has_value());
        EXPECT_NEAR(rate.value_or(0), c.rate.value_or(0), 1e-12);
    }
}

} // namespace
