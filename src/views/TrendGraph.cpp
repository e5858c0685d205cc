#include "views/TrendGraph.h"

#include "platform/LocaleFormats.h"
#include "store/DayWeight.h"
#include "store/Diary.h"
#include "store/Settings.h"
#include "views/GraphCanvas.h"
#include "views/GraphLines.h"
#include "views/GraphPaging.h"
#include "views/GraphTicks.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>

namespace tarvel {

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kGrey(192, 192, 192);
const std::array<QColor, 4> kWeightBands = {QColor(255, 234, 215), QColor(255, 255, 223),
                                            QColor(230, 242, 255), QColor(230, 242, 255)};
// BMI bands from the bottom up, with their upper edges (the last one reaches the plot's top).
const std::array<QColor, 4> kBmiBands = {QColor(230, 230, 230), QColor(157, 206, 255), QColor(255, 188, 117),
                                         QColor(255, 223, 223)};
const std::array<double, 3> kBmiEdges = {19.8, 24.2, 26.4};

void DrawBackground(GraphCanvas& c, const GraphGeometry& g, const GraphSpan& s)
{
    c.Fill(0, 0, s.graphWidth, g.GraphHeight, kWhite);
    c.Fill(s.left, g.PlotTop, s.right, g.PlotBottom, kWhite);
}

void DrawAxes(GraphCanvas& c, const GraphGeometry& g, const GraphSpan& s)
{
    c.Pen(2);
    c.Line(s.left, g.PlotTop, s.left, g.PlotBottom, kBlack);
    c.Line(s.left, g.PlotBottom, s.right, g.PlotBottom, kBlack);
    c.Pen(1);
}

// A label's text under a month grid: year and month in the locale's order, the year alone when
// labels stand a year or more apart.
QString MonthLabel(const LocaleFormats& formats, const QDate& day, int monthStep)
{
    if (monthStep >= 12)
        return QString::number(day.year());
    const bool yearFirst = formats.YearPos < formats.MonthPos;
    return formats.FormatDate(day, yearFirst ? QStringLiteral("yyyy/m") : QStringLiteral("m/yyyy"));
}

int MonthLabelStepFor(const GraphCanvas& c, const GraphGeometry& g, const DayColumns& cols,
                      const LocaleFormats& f)
{
    const QString widest = MonthLabel(f, QDate(2000, 12, 1), 1);
    return MonthLabelStep(cols.dayWidth * 30.44, c.TextWidth(widest) + g.GraphUnit);
}

// Periods longer than three months: a line on the 1st of every month while a month is wide enough
// to tell them apart, else only where the labels stand.
void DrawMonthGrid(GraphCanvas& c, const GraphGeometry& g, const GraphSpan& s, const GraphPeriod& period,
                   const DayColumns& cols, const LocaleFormats& formats,
                   const std::function<void(int)>& gridLine)
{
    const bool everyMonth = cols.dayWidth * 30.44 >= 2 * g.GraphUnit;
    const int step = everyMonth ? 1 : MonthLabelStepFor(c, g, cols, formats);
    gridLine(s.left);
    for (const MonthMark& mark : MonthMarks(period.PeriodStart, period.PeriodEnd)) {
        if ((mark.day.year() * 12 + mark.day.month() - 1) % step == 0)
            gridLine(RoundTwips(s.left + cols.dayWidth * mark.offset));
    }
}

// One line per day for a month; for three months 31 lines on the 1st, 4th, ..., 28th of each month.
void DrawVerticalGrid(GraphCanvas& c, const GraphGeometry& g, const GraphSpan& s, const GraphPeriod& period,
                      int trendMonths, const DayColumns& cols, const LocaleFormats& formats)
{
    if (cols.dayCount == 0)
        return;
    const auto gridLine = [&](int x) {
        c.Pen(1, Qt::DotLine);
        c.VerticalLine(x, g.PlotTop, g.PlotBottom, kBlack);
        c.Pen(1);
        c.VerticalLine(x, g.PlotBottom - g.GraphUnit, g.PlotBottom, kBlack);
    };
    if (IsLongPeriod(cols)) {
        DrawMonthGrid(c, g, s, period, cols, formats, gridLine);
        return;
    }
    const int dayWidth = RoundTwips(cols.dayWidth);
    int x = s.left;
    if (trendMonths == 3) {
        QDate d = period.PeriodStart;
        for (int line = 0; line < 31; ++line) {
            gridLine(x);
            const int step = d.day() == 28 ? d.daysInMonth() - 27 : 3;
            d = d.addDays(step);
            x += dayWidth * step;
        }
        return;
    }
    for (int line = 0; line <= cols.dayCount; ++line) {
        gridLine(x);
        x += dayWidth;
    }
}

// Month labels under a period longer than three months, thinned to the space a month has; one that
// would run past the plot's right edge is left out.
void DrawMonthLabels(GraphCanvas& c, const GraphGeometry& g, const GraphSpan& s, const GraphSources& src,
                     const DayColumns& cols)
{
    const int step = MonthLabelStepFor(c, g, cols, src.formats);
    for (const MonthMark& mark : MonthMarks(src.period.PeriodStart, src.period.PeriodEnd)) {
        if ((mark.day.year() * 12 + mark.day.month() - 1) % step != 0)
            continue;
        const QString text = MonthLabel(src.formats, mark.day, step);
        const int x = RoundTwips(s.left + cols.dayWidth * mark.offset);
        if (x + g.GraphUnit + c.TextWidth(text) > s.right)
            break;
        c.Pen(2);
        c.Line(x, g.PlotBottom, x, g.PlotBottom + 4 * g.GraphUnit, kBlack);
        c.Pen(1);
        c.Text(text, x + g.GraphUnit, g.PlotBottom + 2 * g.GraphUnit);
    }
}

// Up to six dated ticks under the time axis; the first label and the first of a new year carry the
// year. A label that would stand after the period or run past the plot's right edge is left out.
void DrawDateLabels(GraphCanvas& c, const GraphGeometry& g, const GraphSpan& s, const GraphSources& src,
                    const DayColumns& cols)
{
    if (cols.dayCount == 0)
        return;
    const LocaleFormats& formats = src.formats;
    if (IsLongPeriod(cols)) {
        DrawMonthLabels(c, g, s, src, cols);
        return;
    }
    QDate d = src.period.PeriodStart;
    int shownYear = 0;
    int offset = 0;
    for (int label = 0; label < 6; ++label) {
        QString text;
        if (d.year() == shownYear) {
            text = formats.FormatDate(d, formats.MonthDayFormat);
        } else {
            text = formats.FormatDate(d, formats.ShortDateFormat);
            shownYear = d.year();
        }
        const int x = RoundTwips(s.left + cols.dayWidth * offset);
        if (d > src.period.PeriodEnd || x + g.GraphUnit + c.TextWidth(text) > s.right)
            break;
        c.Pen(2);
        c.Line(x, g.PlotBottom, x, g.PlotBottom + 4 * g.GraphUnit, kBlack);
        c.Pen(1);
        c.Text(text, x + g.GraphUnit, g.PlotBottom + 2 * g.GraphUnit);
        // A short whole diary starts on any day: its labels stand a sixth of it apart.
        const int months = src.settings.TrendMonths;
        const QDate next = months == kWholeDiaryMonths ? d.addDays(std::max(1, cols.dayCount / 6))
                                                       : StepLabelledDay(d, PagingDirection::Forward, months);
        if (!next.isValid())
            break;
        offset += static_cast<int>(d.daysTo(next));
        d = next;
    }
}

// The axis title at the top left. Where the graph's font would run it into the top value label,
// which starts at half the plot's left, the title takes a smaller font that fits.
void DrawAxisTitle(GraphCanvas& c, QPainter& painter, const QString& title, const GraphGeometry& g,
                   const GraphSpan& s)
{
    const int room = RoundTwips(s.left / 2.0) - g.GraphUnit - g.GraphUnit / 2;
    painter.save();
    for (int attempt = 0; attempt < 4 && room > 0 && c.TextWidth(title) > room; ++attempt) {
        QFont font = painter.font();
        const double shrink = static_cast<double>(room) / c.TextWidth(title);
        if (font.pointSizeF() > 0)
            font.setPointSizeF(std::max(1.0, std::floor(font.pointSizeF() * shrink * 10) / 10));
        else
            font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * shrink)));
        painter.setFont(font);
    }
    c.Text(title, g.GraphUnit, g.PlotTop - g.GraphUnit);
    painter.restore();
}

// The unit of the weight axis: kilograms, or pounds (also for stones and pounds, whose steps are
// too coarse for an axis).
WeightUnit AxisUnit(const Settings& settings)
{
    return settings.Unit == WeightUnit::Kilograms ? WeightUnit::Kilograms : WeightUnit::Pounds;
}

// The weight of the period's first weighed day, in whole units of the axis; nothing when the period
// holds no weighing.
std::optional<double> FirstWholeWeight(const GraphSources& src, const DayColumns& cols)
{
    const qint64 firstDay = DayNumber(src.period.PeriodStart);
    for (const DayRecord& record :
         src.diary.records().RecordsBetween(firstDay, firstDay + cols.dayCount - 1)) {
        if (const auto kg = DayWeightOf(record))
            return std::floor(ValueInUnit(*kg, AxisUnit(src.settings)));
    }
    return std::nullopt;
}

// The axis over six months or more, when the weight wanders too far for one around the first
// day: centred on the middle of the period's weighings (and the goal) to the whole unit, and
// wide enough to hold them all. Nothing when the period holds no weighing.
struct FittedAxis {
    double centre = 0;
    double range = 0;
};

std::optional<FittedAxis> FitWeightAxis(const GraphSources& src, const DayColumns& cols)
{
    const qint64 firstDay = DayNumber(src.period.PeriodStart);
    const WeightUnit unit = AxisUnit(src.settings);
    const std::optional<double> goal =
        src.settings.GoalWeight ? std::optional(ValueInUnit(*src.settings.GoalWeight, unit)) : std::nullopt;
    std::optional<double> least = goal;
    std::optional<double> most = goal;
    bool weighed = false;
    for (const DayRecord& record :
         src.diary.records().RecordsBetween(firstDay, firstDay + cols.dayCount - 1)) {
        for (const std::optional<double>& kg : WeighingsOf(record)) {
            if (!kg)
                continue;
            const double value = ValueInUnit(*kg, unit);
            least = std::min(least.value_or(value), value);
            most = std::max(most.value_or(value), value);
            weighed = true;
        }
    }
    if (!weighed)
        return std::nullopt;
    const double centre = std::round((*least + *most) / 2);
    return FittedAxis{centre, std::ceil(std::max(*most - centre, centre - *least))};
}

// A value label: the number with up to two decimals, without trailing zeros or separator.
QString ValueText(double value, QChar decimalSep)
{
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.replace(QLatin1Char('.'), decimalSep);
}

// The backdrop's key: what its picture depends on besides the device and the font.
QString BackdropKey(const QString& scale, const GraphGeometry& g, double dpi)
{
    return scale + QStringLiteral(" %1 %2 %3 %4 %5 %6 %7 %8 %9")
                       .arg(dpi)
                       .arg(g.GraphUnit)
                       .arg(g.WeightGraphWidth)
                       .arg(g.WeightPlotWidth)
                       .arg(g.BmiGraphWidth)
                       .arg(g.BmiPlotWidth)
                       .arg(g.GraphHeight)
                       .arg(g.PlotHeight)
                       .arg(g.PlotTop);
}

void PaintBackdrop(QPainter& painter, GraphBackdrop* backdrop, const QString& key, GraphLabels* labels,
                   const GraphBackdrop::Painting& painting)
{
    if (backdrop)
        backdrop->Paint(painter, key, labels, painting);
    else
        painting(painter, labels);
}

} // namespace

void ResetWeightScale(WeightScale& scale)
{
    scale.WeightRange = 2.0;
    scale.WeightCenter = 0.0;
}

double ZoomedWeightRange(double weightRange, Zoom zoom)
{
    double span = 2 * weightRange;
    if (zoom == Zoom::In) {
        if (span < 4)
            span = span == 2 ? 1 : span;
        else
            span -= 2;
    } else {
        if (span > 8 || span < 2)
            span = span == 1 ? 2 : span;
        else
            span += 2;
    }
    return span / 2;
}

void DrawWeightGraph(QPainter& painter, double dpi, const GraphGeometry& g, const GraphSources& src,
                     WeightScale& scale, GraphLabels* labels, GraphBackdrop* backdrop)
{
    const GraphSpan s = WeightSpan(g);
    const DayColumns cols = PeriodColumns(src.period, s.width);
    const bool longSpan = src.settings.TrendMonths == kWholeDiaryMonths || src.settings.TrendMonths > 3;
    const std::optional<FittedAxis> fit = longSpan ? FitWeightAxis(src, cols) : std::nullopt;
    const double range = std::max({scale.WeightRange, 0.5, fit ? fit->range : 0.0});
    const double kgStep = g.PlotHeight / (2 * range); // one unit of the axis
    const WeightUnit unit = AxisUnit(src.settings);

    // Bands, value grid and axes depend on the layout and the zoom only.
    const auto backdropPainting = [&](QPainter& p, GraphLabels* texts) {
        GraphCanvas c(p, dpi, texts);
        DrawBackground(c, g, s);
        // Four equal bands from the top.
        int y = g.PlotTop;
        for (const QColor& band : kWeightBands) {
            const int next = RoundTwips(y + g.PlotHeight / 4.0);
            c.Fill(s.left, y, s.right, next, band);
            y = next;
        }
        // A black line per unit (kg or lb) from the top, grey lines every tenth.
        y = g.PlotTop;
        for (int kg = 0; kg < RoundTwips(2 * range); ++kg) {
            c.Pen(1);
            c.Line(s.left, y, s.left + g.GraphUnit, y, kBlack);
            c.Pen(1, Qt::DotLine);
            c.Line(s.left, y, s.right, y, kBlack);
            for (int j = 1; j <= 10; ++j) {
                const int yj = RoundTwips(y + kgStep / 10 * j);
                c.Line(s.left, yj, s.right, yj, kGrey);
            }
            y = RoundTwips(y + kgStep);
        }
        DrawAxes(c, g, s);
        DrawAxisTitle(c, p, QStringLiteral("[%1]").arg(UnitSymbol(unit)), g, s);
    };
    PaintBackdrop(painter, backdrop,
                  BackdropKey(QStringLiteral("weight %1 %2").arg(range).arg(UnitKey(unit)), g, dpi), labels,
                  backdropPainting);

    GraphCanvas c(painter, dpi, labels, backdrop);
    DrawVerticalGrid(c, g, s, src.period, src.settings.TrendMonths, cols, src.formats);
    if (src.diary.records().IsEmpty())
        return;

    if (fit)
        scale.WeightCenter = fit->centre;
    else if (const auto centre = FirstWholeWeight(src, cols))
        scale.WeightCenter = *centre;
    // Labels sit on whole units; at ±0.5 kg the centre is the half between two of them.
    const double mid = scale.WeightCenter + (range == 0.5 ? 0.5 : 0.0);
    const double topValue = std::floor(mid + range);
    const double bottomValue = std::floor(mid - range);
    double v = topValue;
    int y = g.PlotTop - g.GraphUnit;
    for (int label = 0; label < RoundTwips(2 * range + 1); ++label) {
        c.Text(ValueText(v, src.formats.DecimalSep), RoundTwips(s.left / 2.0), y);
        v -= (topValue - bottomValue) / (2 * range);
        y = RoundTwips(y + kgStep);
    }

    DrawDateLabels(c, g, s, src, cols);
    const std::function<int(double)> toY = [&](double kg) {
        return RoundTwips(g.PlotTop + (topValue - ValueInUnit(kg, unit)) * g.PlotHeight / (2 * range));
    };
    drawGoalLine(c, g, s, src, toY);
    drawMeasurements(c, g, s, src, cols, WeighingOf, toY);
    drawTrendLine(c, g, s, src, cols, toY);
}

void DrawBmiGraph(QPainter& painter, double dpi, const GraphGeometry& g, const GraphSources& src,
                  GraphLabels* labels, GraphBackdrop* backdrop)
{
    const GraphSpan s = BmiSpan(g);
    const DayColumns cols = PeriodColumns(src.period, s.width);
    const int scaleMax = src.settings.BmiScaleMax;
    const int scaleMin = src.settings.BmiScaleMin;
    const double scaleSpan = std::max(scaleMax - scaleMin, 1);

    // Bands, value grid, axes and value labels depend on the layout and the BMI scale only.
    const auto backdropPainting = [&](QPainter& p, GraphLabels* texts) {
        GraphCanvas c(p, dpi, texts);
        DrawBackground(c, g, s);
        // Bands from the bottom up, their edges at fixed BMI values (not limited to the plot).
        int y = g.PlotBottom;
        for (std::size_t band = 0; band < kBmiBands.size(); ++band) {
            const int next =
                band < kBmiEdges.size()
                    ? RoundTwips(g.PlotBottom - (kBmiEdges[band] - scaleMin) / scaleSpan * g.PlotHeight)
                    : g.PlotTop;
            c.Fill(s.left, y, s.right, next, kBmiBands[band]);
            y = next;
        }
        DrawAxes(c, g, s);
        y = g.PlotTop;
        for (int line = 0; line < 11; ++line) {
            c.Pen(1, Qt::DotLine);
            c.Line(s.left, y, s.right, y, kBlack);
            c.Pen(1);
            c.Line(s.left, y, s.left + g.GraphUnit, y, kBlack);
            y = RoundTwips(y + g.PlotHeight / 10.0);
        }
        DrawAxisTitle(c, p, QStringLiteral("BMI"), g, s);
        const int labelStep = RoundTwips(scaleSpan / 10);
        int v = scaleMax;
        y = g.PlotTop - g.GraphUnit;
        for (int label = 0; label < 11; ++label) {
            c.Text(QString::number(v), RoundTwips(s.left / 2.0), y);
            v -= labelStep;
            y = RoundTwips(y + g.PlotHeight / 10.0);
        }
    };
    PaintBackdrop(painter, backdrop,
                  BackdropKey(QStringLiteral("bmi %1 %2").arg(scaleMax).arg(scaleMin), g, dpi), labels,
                  backdropPainting);

    GraphCanvas c(painter, dpi, labels, backdrop);
    DrawVerticalGrid(c, g, s, src.period, src.settings.TrendMonths, cols, src.formats);
    if (!src.diary.records().IsEmpty())
        DrawDateLabels(c, g, s, src, cols);
    drawMeasurements(c, g, s, src, cols, BmiOf, [&](double bmi) {
        return RoundTwips(g.PlotTop + (scaleMax - bmi) * g.PlotHeight / scaleSpan);
    });
}

} // namespace tarvel
