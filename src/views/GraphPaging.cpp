#include "views/GraphPaging.h"

#include "platform/LocaleFormats.h"
#include "store/Diary.h"

#include <algorithm>
#include <utility>

namespace tarvel {

namespace {

// The dates of the first and the last record; today for both when the diary is empty.
std::pair<QDate, QDate> DataDates(const Diary& diary, const QDate& today)
{
    const RecordStore& store = diary.records();
    if (store.IsEmpty())
        return {today, today};
    return {store.Item(1).date, store.Item(store.Count()).date};
}

// Whether a span pages by whole months (six months by one, a year by a quarter) rather than by its
// labelled days; 0 for the spans that do not.
int MonthsPerStep(int trendMonths)
{
    return trendMonths == 6 ? 1 : trendMonths == 12 ? 3 : 0;
}

// The period a step would show, or an invalid one when the span has no step there.
GraphPeriod SteppedPeriod(const GraphPeriod& period, PagingDirection direction, int trendMonths)
{
    if (!period.PeriodStart.isValid() || trendMonths == kWholeDiaryMonths)
        return {};
    const bool forward = direction == PagingDirection::Forward;
    QDate newStart;
    if (const int months = MonthsPerStep(trendMonths))
        newStart = period.PeriodStart.addMonths(forward ? months : -months);
    else
        newStart = StepLabelledDay(period.PeriodStart, direction, trendMonths);
    if (!newStart.isValid())
        return {};
    return {newStart, PeriodEndFor(newStart, trendMonths)};
}

// Whether the data allows the stepped period (first and last as DataDates gives them).
bool StepAllowed(const GraphPeriod& stepped, PagingDirection direction, const QDate& first, const QDate& last)
{
    if (!stepped.PeriodStart.isValid())
        return false;
    return direction == PagingDirection::Forward ? stepped.PeriodStart <= last : stepped.PeriodEnd >= first;
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
    const GraphPeriod stepped = SteppedPeriod(period, direction, trendMonths);
    const auto [first, last] = DataDates(diary, today);
    if (!StepAllowed(stepped, direction, first, last))
        return false;
    period = stepped;
    return true;
}

int StepsPerPage(int trendMonths)
{
    return trendMonths == 12 ? 4 : 6;
}

GraphPeriod GraphPeriodHolding(const QDate& date, int trendMonths, const Diary& diary, const QDate& today)
{
    const auto [first, last] = DataDates(diary, today);
    if (trendMonths == kWholeDiaryMonths && !diary.records().IsEmpty())
        return {first, last};
    const QDate start = PeriodStartFor(std::clamp(date, first, last), trendMonths);
    return {start, PeriodEndFor(start, trendMonths)};
}

void ResetGraphPeriod(GraphPeriod& period, int trendMonths, const Diary& diary, const QDate& today)
{
    if (trendMonths == kWholeDiaryMonths) {
        period = GraphPeriodHolding(today, trendMonths, diary, today);
        return;
    }
    const bool hasData = !diary.records().IsEmpty();
    const QDate base = hasData && period.PeriodEnd.isValid() ? period.PeriodEnd : today;
    period.PeriodStart = PeriodStartFor(base, trendMonths);
    period.PeriodEnd = PeriodEndFor(period.PeriodStart, trendMonths);
    const QDate last = DataDates(diary, today).second;
    if (hasData && period.PeriodStart > last) {
        period.PeriodStart = PeriodStartFor(last, trendMonths);
        period.PeriodEnd = PeriodEndFor(period.PeriodStart, trendMonths);
    }
}

GraphPaging GraphPagingState(const GraphPeriod& period, int trendMonths, const Diary& diary,
                             const QDate& today)
{
    const auto [first, last] = DataDates(diary, today);
    const QDate& start = period.PeriodStart;
    const QDate& end = period.PeriodEnd;
    GraphPaging paging;
    if (!start.isValid() || !end.isValid())
        return paging;
    // The longer spans offer exactly the steps their paging takes.
    if (trendMonths != 1 && trendMonths != 3) {
        for (const PagingDirection direction : {PagingDirection::Back, PagingDirection::Forward}) {
            const bool allowed =
                StepAllowed(SteppedPeriod(period, direction, trendMonths), direction, first, last);
            (direction == PagingDirection::Back ? paging.previous : paging.next) = allowed;
        }
        return paging;
    }
    paging.previous = !(start.day() == 1 && start <= first && first <= end && first.month() == end.month());
    paging.next = !(end.day() == DaysInMonth(start.year(), start.month()) && start <= last && last <= end);
    return paging;
}

} // namespace tarvel
