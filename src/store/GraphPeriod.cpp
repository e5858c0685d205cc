#include "store/GraphPeriod.h"

#include <algorithm>
#include <iterator>

namespace tarvel {

namespace {
// Year and month moved by a number of months, wrapping past December and before January.
QDate MonthShifted(int year, int month, int day, int months)
{
    int index = year * 12 + (month - 1) + months;
    const int y = index / 12;
    const int m = index % 12 + 1;
    return QDate(y, m, day);
}
} // namespace

bool IsGraphSpan(int trendMonths)
{
    return std::find(std::begin(kGraphSpans), std::end(kGraphSpans), trendMonths) != std::end(kGraphSpans);
}

int DaysInMonth(int year, int month)
{
    return QDate(year, month, 1).daysInMonth();
}

QDate PeriodStartFor(const QDate& date, int trendMonths)
{
    if (!date.isValid())
        return QDate();
    const bool months = trendMonths == 3 || trendMonths == 6 || trendMonths == 12;
    return MonthShifted(date.year(), date.month(), 1, months ? 1 - trendMonths : 0);
}

QDate PeriodEndFor(const QDate& start, int trendMonths)
{
    if (!start.isValid())
        return QDate();
    const int y = start.year();
    const int m = start.month();
    const int d = start.day();
    // Six months and a year: up to the day before the same day that many months later.
    if (trendMonths == 6 || trendMonths == 12)
        return start.addMonths(trendMonths).addDays(-1);
    if (trendMonths == 3) {
        if (d == 1) {
            const QDate first = MonthShifted(y, m, 1, 2);
            return QDate(first.year(), first.month(), first.daysInMonth());
        }
        return MonthShifted(y, m, 15, 3);
    }
    if (d == 1)
        return QDate(y, m, DaysInMonth(y, m));
    // Day d - 1 of the next month; periods start on the 1st, 6th, ... 26th, so the day exists.
    const QDate next = MonthShifted(y, m, 1, 1);
    return QDate(next.year(), next.month(), std::min(d - 1, next.daysInMonth()));
}

} // namespace tarvel
