#pragma once

#include "views/GraphGeometry.h"

#include <QDate>

#include <vector>

namespace tarvel {

// How the graphs thin their marks for periods longer than three months, where a day is only a few
// pixels wide: month grid lines and month labels instead of day ones, fewer labels the narrower a
// month is, and no day markers once two days' markers would overlap.

// The longest period drawn with day columns of whole twips, day grid lines and day labels (three
// months from the 16th of July are 92 days).
inline constexpr int kLongestDayPeriod = 92;

bool IsLongPeriod(const DayColumns& cols);

// Whether the weighings get their round markers: always up to kLongestDayPeriod days, beyond that
// while a day's column is at least as wide as a marker.
bool ShowsDayMarkers(const DayColumns& cols, int markerRadius);

// Every how many months a label stands so that labels of labelWidth (twips) do not crowd, on a plot
// where a month is monthWidth twips wide: 1, 2, 3, 6 or 12 months, then whole multiples of a year.
int MonthLabelStep(double monthWidth, double labelWidth);

// The 1st of every month from the period's start (or the next 1st) to its end, each with its
// distance in days from the start.
struct MonthMark {
    QDate day;
    int offset;
};
std::vector<MonthMark> MonthMarks(const QDate& start, const QDate& end);

} // namespace tarvel
