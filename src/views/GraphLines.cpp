#include "views/GraphLines.h"

#include "platform/LocaleFormats.h"
#include "store/Diary.h"
#include "store/Settings.h"
#include "store/Trend.h"
#include "views/GraphCanvas.h"
#include "views/GraphTicks.h"

#include <algorithm>

namespace tarvel {

namespace {

const QColor kBlack(0, 0, 0);
const QColor kGreen(0, 255, 0);

// Cuts a segment at the plot's top and bottom. A segment wholly above or below the plot is moved
// off the picture.
void ClipSegment(QPoint& a, QPoint& b, const GraphGeometry& g)
{
    const int top = g.PlotTop;
    const int bottom = g.PlotBottom;
    const auto inside = [&](int y) { return top <= y && y <= bottom; };
    if (inside(a.y()) && inside(b.y()))
        return;
    if (a.y() < top && b.y() < top) {
        a.setY(-50);
        b.setY(-50);
        return;
    }
    if (a.y() > bottom && b.y() > bottom) {
        a.setY(g.GraphHeight + g.GraphUnit);
        b.setY(g.GraphHeight + g.GraphUnit);
        return;
    }
    const auto limit = [&](int y) { return y < top ? top : bottom; };
    if (a.x() == b.x()) { // a vertical segment keeps its x (the slope would divide by zero)
        a.setY(inside(a.y()) ? a.y() : limit(a.y()));
        b.setY(inside(b.y()) ? b.y() : limit(b.y()));
        return;
    }
    const double slope = static_cast<double>(b.y() - a.y()) / (b.x() - a.x());
    const int intercept = RoundTwips(a.y() - slope * a.x());
    for (QPoint* end : {&a, &b}) {
        if (inside(end->y()))
            continue;
        const int y = limit(end->y());
        *end = QPoint(RoundTwips((y - intercept) / slope), y);
    }
}

// One end of a lead line: a record's list position and a point.
struct Edge {
    int position = 0;
    int x = 0;
    int y = 0;
};

} // namespace

void drawMeasurements(GraphCanvas& c, const GraphGeometry& g, const GraphSpan& s, const GraphSources& src,
                      const DayColumns& cols, SlotValue valueOfSlot, const std::function<int(double)>& toY)
{
    const RecordStore& store = src.diary.records();
    // The value of a slot; none when the record does not exist.
    const auto valueOf = [&](int position, int slot) -> std::optional<double> {
        if (position < 1 || position > store.Count())
            return std::nullopt;
        return valueOfSlot(store.Item(position).slot[static_cast<std::size_t>(slot)]);
    };
    // The y of the nearest record from position on, walking by step, that has a value: from its
    // preferred slot, or its other one when that has none.
    const auto neighbourY = [&](int position, int step, int preferred) -> std::optional<int> {
        for (; position >= 1 && position <= store.Count(); position += step) {
            std::optional<double> value = valueOf(position, preferred);
            if (!value)
                value = valueOf(position, 1 - preferred);
            if (value)
                return toY(*value);
        }
        return std::nullopt;
    };

    std::vector<std::optional<QPoint>> points(static_cast<std::size_t>(2 * (cols.dayCount + 1)));
    Edge first; // the first point
    Edge last;  // the last point
    bool firstFound = false;
    std::optional<QPoint> prev;
    std::vector<QLine> segments;
    segments.reserve(points.size());

    for (int k = 1; k <= cols.dayCount; ++k) {
        const int position = store.FindItem(DayNumber(src.period.PeriodStart.addDays(k - 1)));
        if (position == 0)
            continue;
        for (int slot = 0; slot < 2; ++slot) {
            const auto value = valueOf(position, slot);
            if (!value)
                continue;
            const QPoint point(RoundTwips(s.left + cols.dayWidth * (k - 1) +
                                          cols.dayWidth / 14.0 * (4 * (slot + 1) + 2 * slot)),
                               toY(*value));
            QPoint from = prev.value_or(QPoint());
            QPoint to = point;
            if (prev) {
                ClipSegment(from, to, g);
                segments.emplace_back(from, to);
            } else if (to.y() < g.PlotTop) {
                to.setY(-50);
            } else if (to.y() > g.PlotBottom) {
                to.setY(g.GraphHeight + g.GraphUnit);
            }
            if (!firstFound && to.y() > 0) {
                firstFound = true;
                first = {position, to.x(), to.y()};
            }
            last = {position, to.x(), to.y()};
            prev = point;
            points[static_cast<std::size_t>(2 * k + slot)] = point;
        }
    }

    // Without markers the days are too narrow for a heavy line: it would merge into a band.
    const int radius = RoundTwips(g.GraphUnit / 5.0 * 3);
    const bool markers = ShowsDayMarkers(cols, radius);
    c.Pen(markers ? 2 : 1);
    c.Polyline(segments, kBlack);
    // Lead lines from the plot's sides, at the height of the nearest weighing outside the period (the
    // later one of the day before, the earlier one of the day after), to the first and last point.
    const auto inPlot = [&](int y) { return std::clamp(y, g.PlotTop, g.PlotBottom); };
    c.Pen(1, Qt::DotLine);
    if (const auto y = first.x >= 1 ? neighbourY(first.position - 1, -1, 1) : std::nullopt)
        c.Line(s.left, inPlot(*y), first.x, inPlot(first.y), kBlack);
    if (const auto y = last.x >= 1 ? neighbourY(last.position + 1, 1, 0) : std::nullopt)
        c.Line(last.x, inPlot(last.y), s.right, inPlot(*y), kBlack);

    c.Pen(1);
    c.Smooth(true);
    for (const auto& point : points) {
        if (point && markers && g.PlotTop <= point->y() && point->y() <= g.PlotBottom)
            c.Circle(radius, *point, kBlack, kGreen);
    }
    c.Smooth(false);
}

void drawGoalLine(GraphCanvas& c, const GraphGeometry& g, const GraphSpan& s, const GraphSources& src,
                  const std::function<int(double)>& toY)
{
    if (!src.settings.GoalWeight)
        return;
    const int y = toY(*src.settings.GoalWeight);
    if (y < g.PlotTop || y > g.PlotBottom)
        return;
    c.Pen(2, Qt::DashLine);
    c.Line(s.left, y, s.right, y, src.lines.goal);
    c.Pen(1);
}

// Only the period's points are visited: a paging step costs the same in a diary of any length.
void drawTrendLine(GraphCanvas& c, const GraphGeometry& g, const GraphSpan& s, const GraphSources& src,
                   const DayColumns& cols, const std::function<int(double)>& toY)
{
    if (src.trend == nullptr || cols.dayCount == 0)
        return;
    const std::vector<TrendPoint>& points = src.trend->Points();
    const qint64 firstDay = DayNumber(src.period.PeriodStart);
    std::size_t from = src.trend->FirstPointFrom(firstDay);
    std::size_t to = src.trend->FirstPointFrom(firstDay + cols.dayCount);
    from -= from > 0 ? 1 : 0;
    to += to < points.size() ? 1 : 0;
    if (to - from < 2)
        return;
    const auto xOf = [&](qint64 day) {
        return s.left + cols.dayWidth * (static_cast<double>(day - firstDay) + 0.5);
    };
    // Runs of joined points; a segment cut at the plot's top or bottom starts a new run.
    std::vector<std::vector<QPoint>> runs;
    for (std::size_t i = from + 1; i < to; ++i) {
        if (points[i].startsRun) // no line across a gap the trend does not bridge
            continue;
        QPointF a(xOf(points[i - 1].dayNumber), toY(points[i - 1].trend));
        QPointF b(xOf(points[i].dayNumber), toY(points[i].trend));
        if (b.x() <= s.left || a.x() >= s.right)
            continue;
        const double slope = (b.y() - a.y()) / (b.x() - a.x());
        if (a.x() < s.left)
            a = QPointF(s.left, a.y() + slope * (s.left - a.x()));
        if (b.x() > s.right)
            b = QPointF(s.right, b.y() - slope * (b.x() - s.right));
        QPoint pa(RoundTwips(a.x()), RoundTwips(a.y()));
        QPoint pb(RoundTwips(b.x()), RoundTwips(b.y()));
        ClipSegment(pa, pb, g);
        if (runs.empty() || runs.back().back() != pa)
            runs.push_back({pa});
        runs.back().push_back(pb);
    }
    c.Pen(3);
    c.JoinedLines(runs, src.lines.trend);
    c.Pen(1);
}

} // namespace tarvel
