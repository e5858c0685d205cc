#pragma once

#include <QSize>

#include <cmath>

namespace tarvel {

struct GraphPeriod;

// The trend graphs are laid out in twips (1/1440 inch), the unit in which their constants are
// given; only the drawing converts them to the device's pixels, with the device's logical DPI.
// Coordinates are plain ints: a wide window on a dense screen is more than 32,767 twips across.
inline constexpr int kTwipsPerInch = 1440;

// Fractions become coordinates rounded to the nearest integer, halves to even.
inline int RoundTwips(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

int PixelsToTwips(double pixels, double dpi);

// The layout of both graphs, in twips, computed from the picture sizes before every drawing.
struct GraphGeometry {
    int GraphUnit = 0; // length of ticks, text offsets and marker size
    int WeightGraphWidth = 0;
    int WeightPlotWidth = 0;
    int WeightPlotLeft = 0;
    int WeightPlotRight = 0;
    int BmiGraphWidth = 0;
    int BmiPlotWidth = 0;
    int BmiPlotLeft = 0;
    int BmiPlotRight = 0;
    int GraphHeight = 0; // the weight graph's height, used for both graphs
    int PlotHeight = 0;
    int PlotTop = 0;
    int PlotBottom = 0;

    bool operator==(const GraphGeometry&) const = default;
};

// Fills the geometry from the main window's width and the two pictures' sizes, all in twips.
GraphGeometry ComputeGraphGeometry(int mainWindowWidth, QSize weightGraph, QSize bmiGraph);

// The horizontal extent of one graph.
struct GraphSpan {
    int graphWidth;
    int left;
    int width;
    int right;
};
GraphSpan WeightSpan(const GraphGeometry& g);
GraphSpan BmiSpan(const GraphGeometry& g);

// The period's day columns on a plot: DayCount and DayWidth; none for a period that is not set.
// Up to three months a column is whole twips wide; longer periods divide the plot exactly, since a
// day may then be less than a twip.
struct DayColumns {
    int dayCount = 0;
    double dayWidth = 0;
};
DayColumns PeriodColumns(const GraphPeriod& period, int plotWidth);

// The day (1 ... day count) of the period column under a point in twips, or -1 outside the plot.
// A point on the border between two columns belongs to the earlier day.
int WeightDayAt(const GraphGeometry& geometry, const GraphPeriod& period, double x, double y);
int BmiDayAt(const GraphGeometry& geometry, const GraphPeriod& period, double x, double y);

} // namespace tarvel
