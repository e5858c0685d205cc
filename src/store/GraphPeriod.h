#pragma once

#include <QDate>

namespace tarvel {

// The period both trend graphs show, both days included. The diary reader sets it from the dates it
// reads; the graph views page it.
struct GraphPeriod {
    QDate PeriodStart;
    QDate PeriodEnd;
};

// The spans the graphs offer, in months; the whole diary is stored as 0 months.
inline constexpr int kWholeDiaryMonths = 0;
inline constexpr int kGraphSpans[] = {1, 3, 6, 12, kWholeDiaryMonths};
// Whether a stored number of months is one of the spans above.
bool IsGraphSpan(int trendMonths);

// Period rules for a span of trendMonths. 3, 6 and 12 end with the month of the date; any other
// value is one month (the whole diary's extent is chosen by the graph views, which know the diary).
// The first day of the period that holds the date: the 1st of its month, or of 2, 5 or 11 months
// before.
QDate PeriodStartFor(const QDate& date, int trendMonths);
// The last day of the period that starts on the given day.
QDate PeriodEndFor(const QDate& start, int trendMonths);
int DaysInMonth(int year, int month);

} // namespace tarvel
