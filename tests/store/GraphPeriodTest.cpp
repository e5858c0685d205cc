#include "store/GraphPeriod.h"

#include <gtest/gtest.h>

using namespace tarvel;

namespace {

TEST(GraphPeriod, StartsOnTheFirstOfTheMonthOrTwoMonthsBefore)
{
    EXPECT_EQ(PeriodStartFor(QDate(2024, 5, 20), 1), QDate(2024, 5, 1));
    EXPECT_EQ(PeriodStartFor(QDate(2024, 5, 1), 1), QDate(2024, 5, 1));
    EXPECT_EQ(PeriodStartFor(QDate(2024, 5, 20), 3), QDate(2024, 3, 1));
    EXPECT_EQ(PeriodStartFor(QDate(2024, 2, 10), 3), QDate(2023, 12, 1));
    EXPECT_EQ(PeriodStartFor(QDate(2024, 1, 31), 3), QDate(2023, 11, 1));
    EXPECT_EQ(PeriodStartFor(QDate(2024, 5, 20), 2), QDate(2024, 5, 1)); // only 3 is three months
}

TEST(GraphPeriod, EndsAfterOneOrThreeMonths)
{
    const struct {
        QDate start;
        int months;
        QDate end;
    } cases[] = {
        {QDate(2024, 3, 1), 1, QDate(2024, 3, 31)},   {QDate(2024, 2, 1), 1, QDate(2024, 2, 29)},
        {QDate(2023, 2, 1), 1, QDate(2023, 2, 28)},   {QDate(2024, 1, 26), 1, QDate(2024, 2, 25)},
        {QDate(2024, 12, 26), 1, QDate(2025, 1, 25)}, {QDate(2024, 12, 6), 1, QDate(2025, 1, 5)},
        {QDate(2024, 11, 1), 3, QDate(2025, 1, 31)},  {QDate(2024, 1, 16), 3, QDate(2024, 4, 15)},
        {QDate(2024, 11, 16), 3, QDate(2025, 2, 15)}, {QDate(2023, 12, 1), 3, QDate(2024, 2, 29)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PeriodEndFor(c.start, c.months), c.end) << c.start.toString(Qt::ISODate).toStdString();
}

TEST(GraphPeriod, DaysInMonth)
{
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2023, 2), 28);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2024, 4), 30);
    EXPECT_EQ(DaysInMonth(2024, 12), 31);
}

} // namespace
