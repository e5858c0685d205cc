#pragma once

#include <QDate>

namespace tarvel {

// The period both trend graphs show, both days included. The diary reader sets it from the dates it
// reads; the graph views page it.
struct GraphPeriod {
    QDate PeriodStart;
    QDate PeriodEnd;
};

// Period rules for a span of trendMonths (3 for three months; any other value is one month).
// The first day of the period that holds the date: the 1st of its month, or of two months before.
QDate PeriodStartFor(const QDate& date, int trendMonths);
// The last day of the period that starts on the given day.
QDate PeriodEndFor(const QDate& start, int trendMonths);
int DaysInMonth(int year, int month);

} // namespace tarvel
