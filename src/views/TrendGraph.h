#pragma once

#include "store/GraphPeriod.h"

#include <QDate>
#include <QImage>
#include <QPen>
#include <QPointF>
#include <QSize>
#include <QString>

#include <functional>
#include <map>
#include <tuple>
#include <vector>

class QPainter;

namespace tarvel {

struct Diary;
struct Settings;
class LocaleFormats;

// The trend graphs are laid out in twips (1/1440 inch), the unit in which their constants are
// given; only the drawing converts them to the device's pixels, with the device's logical DPI.
// Coordinates are plain ints: a wide window on a dense screen is more than 32,767 twips across.
inline constexpr int kTwipsPerInch = 1440;

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

// The weight axis: WeightRange is half the visible span in kg (0.5, 1, 2, 3, 4 or 5); WeightCenter
// the whole kilograms of the period's first weight, found anew by every weight drawing.
struct WeightScale {
    double WeightRange = 2.0;
    double WeightCenter = 0.0;
};

// After a diary is read, created or closed: ±2 kg around 0.
void ResetWeightScale(WeightScale& scale);

// The half span after one zoom step: direction 1 narrows (5, 4, 3, 2, 1, 0.5), 0 widens; the ends
// and any other direction leave it as it is.
double ZoomedWeightRange(double weightRange, int direction);

// What a drawing reads.
struct GraphSources {
    const Diary& diary;
    const GraphPeriod& period;
    const Settings& settings; // TrendMonths and the BMI scale
    const LocaleFormats& formats;
};

// A text drawn on a graph: its top-left corner in twips. Drawings hand them to a caller who asks.
struct GraphLabel {
    QString text;
    int x = 0;
    int y = 0;
};
using GraphLabels = std::vector<GraphLabel>;

// The part of a graph that paging leaves as it is: the background, the bands, the value grid, the
// axes and the fixed texts. A view keeps one per graph and hands it to every drawing; the part is
// then painted once into a picture and copied while only the period and the data change, which
// keeps a paging step far below the fastest repeat of a held button.
class GraphBackdrop {
public:
    using Painting = std::function<void(QPainter&, GraphLabels*)>;

    // Copies the picture painted for this key onto an image painter, painting it first when the
    // key, the image's size, resolution or the painter's font differ from the last time. Any other
    // device gets the painting itself. The texts painted are added to labels either way.
    void Paint(QPainter& painter, const QString& key, GraphLabels* labels, const Painting& painting);

    // A vertical line (from.x() == to.x()) of the pen onto an image painter: painted once for each
    // position within a device pixel and then copied, which is several times faster than dashing
    // it anew and gives the same pixels. False when the painter cannot take copies.
    bool StampVerticalLine(QPainter& painter, QPointF from, QPointF to, const QPen& pen);

private:
    struct Stamp {
        QImage image;
        int left = 0; // the image's first column, relative to the line's device column
        int top = 0;  // and its first row
    };
    using StampKey = std::tuple<double, double, double, double, int, QRgb, qreal, int>;

    QString m_key;
    QImage m_image;
    GraphLabels m_labels;
    std::map<StampKey, Stamp> m_stamps;
};

// Draw one graph completely on the painter's device, in the painter's current font; dpi converts
// twips to the painter's coordinates (the device's logical DPI: 96 for a plain screen image, the
// resolution for a printer). The weight drawing updates the scale's WeightCenter. With a backdrop,
// the unchanging part is copied from it when it can be.
void DrawWeightGraph(QPainter& painter, double dpi, const GraphGeometry& geometry,
                     const GraphSources& sources, WeightScale& scale, GraphLabels* labels = nullptr,
                     GraphBackdrop* backdrop = nullptr);
void DrawBmiGraph(QPainter& painter, double dpi, const GraphGeometry& geometry, const GraphSources& sources,
                  GraphLabels* labels = nullptr, GraphBackdrop* backdrop = nullptr);

// The day (1 ... day count) of the period column under a point in twips, or -1 outside the plot.
// A point on the border between two columns belongs to the earlier day.
int WeightDayAt(const GraphGeometry& geometry, const GraphPeriod& period, double x, double y);
int BmiDayAt(const GraphGeometry& geometry, const GraphPeriod& period, double x, double y);

// Moves the period half a month (three-month span) or five days (one-month span) back (direction
// 0) or forward (1). Refuses, leaving the period as it was and returning false, a step forward past
// the last record or back before the first (both are today when the diary is empty).
bool StepGraphPeriod(GraphPeriod& period, int direction, int trendMonths, const Diary& diary,
                     const QDate& today);

// Chooses the period anew after the span changed: the period of its old end (of today for an
// empty diary), or of the last record when that period would start after it.
void ResetGraphPeriod(GraphPeriod& period, int trendMonths, const Diary& diary, const QDate& today);

// Whether the paging buttons are offered: previous is off when the period is the calendar month
// of the first record, next when it is that of the last (a hint; the step decides).
struct GraphPaging {
    bool previous = true;
    bool next = true;
};
GraphPaging GraphPagingState(const GraphPeriod& period, const Diary& diary, const QDate& today);

} // namespace tarvel
