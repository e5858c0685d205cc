#pragma once

#include "store/GraphPeriod.h"
#include "views/GraphBackdrop.h"
#include "views/GraphGeometry.h"

#include <QColor>

class QPainter;

namespace tarvel {

class Diary;
class Trend;
struct Settings;
class LocaleFormats;

// The weight axis, in kg or, for users of pounds and stones, in lb: WeightRange is half the visible
// span (0.5, 1, 2, 3, 4 or 5 units); WeightCenter the whole units of the period's first weight, found
// anew by every weight drawing.
struct WeightScale {
    double WeightRange = 2.0;
    double WeightCenter = 0.0;
};

// After a diary is read, created or closed: ±2 kg around 0.
void ResetWeightScale(WeightScale& scale);

// The half span after one zoom step: In narrows (5, 4, 3, 2, 1, 0.5), Out widens; the ends leave
// it as it is.
enum class Zoom { In, Out };
double ZoomedWeightRange(double weightRange, Zoom zoom);

// The colours of the weight graph's trend and goal lines; the colour scheme chooses them.
struct TrendLineColours {
    QColor trend{176, 24, 96};
    QColor goal{40, 96, 176};

    bool operator==(const TrendLineColours&) const = default;
};

// What a drawing reads.
struct GraphSources {
    const Diary& diary;
    const GraphPeriod& period;
    const Settings& settings; // TrendMonths, the BMI scale and the goal weight
    const LocaleFormats& formats;
    const Trend* trend = nullptr; // the weight graph draws the trend line when it has one
    TrendLineColours lines{};
};

// Draw one graph completely on the painter's device, in the painter's current font; dpi converts
// twips to the painter's coordinates (the device's logical DPI: 96 for a plain screen image, the
// resolution for a printer). The weight drawing updates the scale's WeightCenter and draws the goal
// weight as a dashed line and the trend as a line over the daily markers. With a backdrop,
// the unchanging part is copied from it when it can be.
void DrawWeightGraph(QPainter& painter, double dpi, const GraphGeometry& geometry,
                     const GraphSources& sources, WeightScale& scale, GraphLabels* labels = nullptr,
                     GraphBackdrop* backdrop = nullptr);
void DrawBmiGraph(QPainter& painter, double dpi, const GraphGeometry& geometry, const GraphSources& sources,
                  GraphLabels* labels = nullptr, GraphBackdrop* backdrop = nullptr);

} // namespace tarvel
