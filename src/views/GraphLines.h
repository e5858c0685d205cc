#pragma once

#include "views/GraphGeometry.h"
#include "views/TrendGraph.h"

#include <functional>
#include <optional>

namespace tarvel {

class GraphCanvas;
struct Weighing;

// The lines a graph draws over its grid and labels; toY places a value on the plot.

// The value a slot plots: none for a slot that is no weighing.
using SlotValue = std::optional<double> (*)(const Weighing&);

// The measurements of the period: the clipped polyline, the dotted lead lines to the nearest
// weighings outside the period, and a green dot on every point inside the plot.
void drawMeasurements(GraphCanvas& c, const GraphGeometry& g, const GraphSpan& s, const GraphSources& src,
                      const DayColumns& cols, SlotValue valueOfSlot, const std::function<int(double)>& toY);

// The goal weight as a dashed line across the plot, when it lies within the plot.
void drawGoalLine(GraphCanvas& c, const GraphGeometry& g, const GraphSpan& s, const GraphSources& src,
                  const std::function<int(double)>& toY);

// The trend through the middle of every weighed day's column, led in from the last weighed day
// before the period and out to the first one after it, both cut at the plot's sides; broken where
// the trend starts anew after a long gap.
void drawTrendLine(GraphCanvas& c, const GraphGeometry& g, const GraphSpan& s, const GraphSources& src,
                   const DayColumns& cols, const std::function<int(double)>& toY);

} // namespace tarvel
