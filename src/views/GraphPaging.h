#pragma once

#include "platform/PagingDirection.h"
#include "store/GraphPeriod.h"

#include <QDate>

namespace tarvel {

class Diary;

// The labelled days of a span, on which periods start and the date labels stand: the 1st and the
// 16th of each month for three months (trendMonths 3), the 1st, 6th, ... 26th for one month. The
// next or previous one; invalid for a one-month step from a day that is not labelled and would
// leave its month.
QDate StepLabelledDay(const QDate& day, PagingDirection direction, int trendMonths);

// Moves the period half a month (three-month span), five days (one-month span), a month (six
// months) or a quarter (a year) back or forward; the whole diary does not page. Refuses, leaving the period
// as it was and returning false, a step forward past the last record or back before the first (both are today
// when the diary is empty).
bool StepGraphPeriod(GraphPeriod& period, PagingDirection direction, int trendMonths, const Diary& diary,
                     const QDate& today);

// How many steps a page (Page Up / Page Down) takes: about one span.
int StepsPerPage(int trendMonths);

// The period that holds a date, the date first brought within the first and last record (today for
// an empty diary); for the whole diary, the first to the last record.
GraphPeriod GraphPeriodHolding(const QDate& date, int trendMonths, const Diary& diary, const QDate& today);

// Chooses the period anew after the span changed: the period of its old end (of today for an
// empty diary), or of the last record when that period would start after it. The whole diary
// spans the first to the last record.
void ResetGraphPeriod(GraphPeriod& period, int trendMonths, const Diary& diary, const QDate& today);

// Whether the paging buttons are offered. One and three months: previous is off when the period is
// the calendar month of the first record, next when it is that of the last (a hint; the step
// decides). The longer spans offer exactly the steps StepGraphPeriod takes.
struct GraphPaging {
    bool previous = true;
    bool next = true;
};
GraphPaging GraphPagingState(const GraphPeriod& period, int trendMonths, const Diary& diary,
                             const QDate& today);

} // namespace tarvel
