#include "views/GraphPaging.h"

#include "platform/LocaleFormats.h"
#include "store/Diary.h"

#include <utility>

namespace tarvel {

namespace {

// The dates of the first and the last record; today for both when the diary is empty.
std::pair<QDate, QDate> DataDates(const Diary& diary, const QDate& today)
{
    const RecordStore& store = diary.Records;
    if (store.IsEmpty())
        return {today, today};
    return {DateFromDayNumber(store.Item(1).DayNumber),
            DateFromDayNumber(store.Item(store.Count()).DayNumber)};
}

} // namespace

QDate StepLabelledDay(const QDate& day, PagingDirection direction, int trendMonths)
{
    const bool forward = direction == PagingDirection::Forward;
    int y = day.year();
    int m = day.month();
    int d = day.day();
    if (trendMonths == 3) {
        if (forward) {
            m += d == 16 ? 1 : 0;
            d = d == 16 ? 1 : 16;
        } else {
            m -= d == 1 ? 1 : 0;
            d = d == 1 ? 16 : 1;
        }
    } else if (forward) {
        if (d == 26) {
            ++m;
            d = 1;
        } else {
            d += 5;
        }
    } else if (d == 1) {
        --m;
        d = 26;
    } else {
        d -= 5;
    }
    if (m == 13) {
        m = 1;
        ++y;
    } else if (m == 0) {
        m = 12;
        --y;
    }
    return QDate(y, m, d);
}

bool StepGraphPeriod(GraphPeriod& period, PagingDirection direction, int trendMonths, const Diary& diary,
                     const QDate& today)
{
    if (!period.PeriodStart.isValid())
        return false;
    const QDate newStart = StepLabelledDay(period.PeriodStart, direction, trendMonths);
    if (!newStart.isValid())
        return false;
    const QDate newEnd = PeriodEndFor(newStart, trendMonths);
    const auto [first, last] = DataDates(diary, today);
    const bool forward = direction == PagingDirection::Forward;
    if ((forward && newStart > last) || (!forward && newEnd < first))
        return false;
    period.PeriodStart = newStart;
    period.PeriodEnd = newEnd;
    return true;
}

void ResetGraphPeriod(GraphPeriod& period, int trendMonths, const Diary& diary, const QDate& today)
{
    const bool hasData = !diary.Records.IsEmpty();
    const QDate base = hasData && period.PeriodEnd.isValid() ? period.PeriodEnd : today;
    period.PeriodStart = PeriodStartFor(base, trendMonths);
    period.PeriodEnd = PeriodEndFor(period.PeriodStart, trendMonths);
    const QDate last = DataDates(diary, today).second;
    if (hasData && period.PeriodStart > last) {
        period.PeriodStart = PeriodStartFor(last, trendMonths);
        period.PeriodEnd = PeriodEndFor(period.PeriodStart, trendMonths);
    }
}

GraphPaging GraphPagingState(const GraphPeriod& period, const Diary& diary, const QDate& today)
{
    const auto [first, last] = DataDates(diary, today);
    const QDate& start = period.PeriodStart;
    const QDate& end = period.PeriodEnd;
    GraphPaging paging;
    if (!start.isValid() || !end.isValid())
        return paging;
    paging.previous = !(start.day() == 1 && start <= first && first <= end && first.month() == end.month());
    paging.next = !(end.day() == DaysInMonth(start.year(), start.month()) && start <= last && last <= end);
    return paging;
}

} // namespace tarvel
