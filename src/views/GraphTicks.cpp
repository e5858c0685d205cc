#include "views/GraphTicks.h"

namespace tarvel {

bool IsLongPeriod(const DayColumns& cols)
{
    return cols.dayCount > kLongestDayPeriod;
}

bool ShowsDayMarkers(const DayColumns& cols, int markerRadius)
{
    return !IsLongPeriod(cols) || cols.dayWidth >= 2.0 * markerRadius;
}

int MonthLabelStep(double monthWidth, double labelWidth)
{
    // A gap of a quarter label between neighbours.
    const double needed = 1.25 * labelWidth;
    for (const int step : {1, 2, 3, 6})
        if (step * monthWidth >= needed)
            return step;
    int years = 1;
    while (years * 12 * monthWidth < needed && years < 10000)
        ++years;
    return years * 12;
}

std::vector<MonthMark> MonthMarks(const QDate& start, const QDate& end)
{
    std::vector<MonthMark> marks;
    if (!start.isValid() || !end.isValid())
        return marks;
    QDate day(start.year(), start.month(), 1);
    if (day < start)
        day = day.addMonths(1);
    for (; day <= end; day = day.addMonths(1))
        marks.push_back({day, static_cast<int>(start.daysTo(day))});
    return marks;
}

} // namespace tarvel
