#include "views/GraphGeometry.h"

#include "store/GraphPeriod.h"
#include "views/GraphTicks.h"

#include <algorithm>
#include <cmath>

namespace tarvel {

namespace {

int DayAt(const GraphGeometry& g, const GraphPeriod& period, const GraphSpan& s, double x, double y)
{
    const DayColumns cols = PeriodColumns(period, s.width);
    if (y < g.PlotTop || y > g.PlotBottom)
        return -1;
    if (cols.dayCount == 0 || cols.dayWidth <= 0 || x < s.left)
        return -1;
    // The column under x, or the one before when x lies on its left border.
    const double k = std::max(1.0, std::ceil((x - s.left) / cols.dayWidth));
    return k <= cols.dayCount ? static_cast<int>(k) : -1;
}

} // namespace

int PixelsToTwips(double pixels, double dpi)
{
    return RoundTwips(pixels * kTwipsPerInch / dpi);
}

GraphGeometry ComputeGraphGeometry(int mainWindowWidth, QSize weightGraph, QSize bmiGraph)
{
    GraphGeometry g;
    g.GraphUnit = RoundTwips(mainWindowWidth / 120.0);
    g.WeightGraphWidth = weightGraph.width();
    g.WeightPlotWidth = RoundTwips(g.WeightGraphWidth / 56.0 * 48);
    g.WeightPlotLeft = RoundTwips(g.WeightPlotWidth / 7.0 - g.GraphUnit);
    g.WeightPlotRight = g.WeightPlotLeft + g.WeightPlotWidth;
    g.BmiGraphWidth = bmiGraph.width();
    g.BmiPlotWidth = RoundTwips(g.BmiGraphWidth / 56.0 * 48);
    g.BmiPlotLeft = RoundTwips(g.BmiPlotWidth / 7.0 - g.GraphUnit);
    g.BmiPlotRight = g.BmiPlotLeft + g.BmiPlotWidth;
    g.GraphHeight = weightGraph.height();
    g.PlotHeight = RoundTwips(g.GraphHeight / 20.0 * 17);
    g.PlotTop = RoundTwips(g.GraphHeight / 20.0);
    g.PlotBottom = g.PlotTop + g.PlotHeight;
    return g;
}

GraphSpan WeightSpan(const GraphGeometry& g)
{
    return {g.WeightGraphWidth, g.WeightPlotLeft, g.WeightPlotWidth, g.WeightPlotRight};
}

GraphSpan BmiSpan(const GraphGeometry& g)
{
    return {g.BmiGraphWidth, g.BmiPlotLeft, g.BmiPlotWidth, g.BmiPlotRight};
}

DayColumns PeriodColumns(const GraphPeriod& period, int plotWidth)
{
    if (!period.PeriodStart.isValid() || !period.PeriodEnd.isValid() || period.PeriodEnd < period.PeriodStart)
        return {};
    const int count = static_cast<int>(period.PeriodStart.daysTo(period.PeriodEnd) + 1);
    const double width = static_cast<double>(plotWidth) / count;
    return {count, count > kLongestDayPeriod ? width : RoundTwips(width)};
}

int WeightDayAt(const GraphGeometry& g, const GraphPeriod& period, double x, double y)
{
    return DayAt(g, period, WeightSpan(g), x, y);
}

int BmiDayAt(const GraphGeometry& g, const GraphPeriod& period, double x, double y)
{
    return DayAt(g, period, BmiSpan(g), x, y);
}

} // namespace tarvel
