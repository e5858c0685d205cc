#include "entry/TrendSummary.h"

#include "platform/LocaleFormats.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace tarvel;

namespace {

// The last weighed day is 2026-12-01. 72.5 kg at -0.5 kg/week reaches 68 kg in 4.5 / 0.5 weeks,
// 63 days: 2027-02-02; 60 kg at +0.5 kg/week reaches 61 kg in 14 days: 2026-12-15.
TEST(TrendSummary, TrendRateAndGoal)
{
    const std::optional<double> none;
    const struct {
        const char* locale;
        std::optional<double> trend, rate, goal;
        const char* text;
    } cases[] = {
        {"ja_JP", 72.5, -0.5, none, "Trend 72.5 kg, -0.5 kg/week"},
        {"ja_JP", 72.5, -0.5, 68.0, "Trend 72.5 kg, -0.5 kg/week\nGoal 68.0 kg: about 2027/2/2"},
        {"de_DE", 72.5, -0.5, 68.0, "Trend 72,5 kg, -0,5 kg/week\nGoal 68,0 kg: about 2.2.2027"},
        {"ja_JP", 60.0, 0.5, 61.0, "Trend 60.0 kg, +0.5 kg/week\nGoal 61.0 kg: about 2026/12/15"},
        {"ja_JP", 72.5, 0.2, 68.0,
         "Trend 72.5 kg, +0.2 kg/week\nGoal 68.0 kg: the trend is moving away from it"},
        {"ja_JP", 72.5, -0.001, 68.0,
         "Trend 72.5 kg, 0.0 kg/week\nGoal 68.0 kg: the trend is not moving toward it"},
        {"ja_JP", 72.5, none, 68.0, "Trend 72.5 kg\nGoal 68.0 kg: the trend is not moving toward it"},
        {"ja_JP", 68.04, 0.3, 68.0, "Trend 68.0 kg, +0.3 kg/week\nGoal 68.0 kg: reached"},
        {"ja_JP", none, none, 68.0, ""},
    };
    for (const auto& c : cases) {
        const LocaleFormats formats = LocaleFormats::ProbeLocale(QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(TrendSummaryText(QDate(2026, 12, 1), c.trend, c.rate, c.goal, formats),
                  QString::fromUtf8(c.text));
    }
}

} // namespace
