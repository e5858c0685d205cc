#include "views/TrendGraph.h"

#include "platform/LocaleFormats.h"
#include "store/Diary.h"
#include "store/Settings.h"
#include "views/ImageRaster.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <tuple>

namespace tarvel {

namespace {

// Fractions become coordinates rounded to the nearest integer, halves to even.
int Round(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kGrey(192, 192, 192);
const QColor kGreen(0, 255, 0);
const std::array<QColor, 4> kWeightBands = {QColor(255, 234, 215), QColor(255, 255, 223),
                                            QColor(230, 242, 255), QColor(230, 242, 255)};
// BMI bands from the bottom up, with their upper edges (the last one reaches the plot's top).
const std::array<QColor, 4> kBmiBands = {QColor(230, 230, 230), QColor(157, 206, 255), QColor(255, 188, 117),
                                         QColor(255, 223, 223)};
const std::array<double, 3> kBmiEdges = {19.8, 24.2, 26.4};

// The drawing operations of a graph, taking twips and drawing in the painter's coordinates. Pen
// widths are pixels of the painter's coordinates, whatever the scale.
class Canvas {
public:
    Canvas(QPainter& painter, double dpi, GraphLabels* labels, GraphBackdrop* stamps = nullptr)
        : m_painter(painter), m_scale(dpi / kTwipsPerInch), m_labels(labels), m_raster(ImageRaster::For(painter)),
          m_stamps(stamps)
    {
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setBrush(Qt::NoBrush);
    }

    void Pen(int width, Qt::PenStyle style = Qt::SolidLine)
    {
        m_width = width;
        m_style = style;
    }
    // The polyline and the markers are smoothed; the grid stays on whole pixels.
    void Smooth(bool on) { m_painter.setRenderHint(QPainter::Antialiasing, on); }

    void Line(QPoint from, QPoint to, const QColor& color, Qt::PenCapStyle cap = Qt::FlatCap)
    {
        m_painter.setPen(QPen(color, m_width, m_style, cap));
        m_painter.drawLine(At(from.x(), from.y()), At(to.x(), to.y()));
    }
    void Line(int x1, int y1, int x2, int y2, const QColor& color)
    {
        Line(QPoint(x1, y1), QPoint(x2, y2), color);
    }

    // A vertical line, copied from a stamp when the canvas has them.
    void VerticalLine(int x, int y1, int y2, const QColor& color)
    {
        const QPen pen(color, m_width, m_style, Qt::FlatCap);
        if (m_stamps == nullptr || !m_stamps->StampVerticalLine(m_painter, At(x, y1), At(x, y2), pen))
            Line(x, y1, x, y2, color);
    }

    // Smoothed segments of the current width: straight into an image when it can, else painted.
    void Polyline(const std::vector<QLine>& segments, const QColor& color)
    {
        if (m_raster) {
            std::vector<QLineF> lines;
            lines.reserve(segments.size());
            for (const QLine& line : segments)
                lines.emplace_back(At(line.x1(), line.y1()), At(line.x2(), line.y2()));
            m_raster->Segments(lines, m_width, color.rgb());
            return;
        }
        const bool smooth = m_painter.testRenderHint(QPainter::Antialiasing);
        Smooth(true);
        for (const QLine& line : segments)
            Line(line.p1(), line.p2(), color, Qt::RoundCap);
        Smooth(smooth);
    }

    void Fill(int x1, int y1, int x2, int y2, const QColor& color)
    {
        m_painter.fillRect(QRectF(At(x1, y1), At(x2, y2)).normalized(), color);
    }

    // A graph holds up to two markers a day: each is drawn once into a small image and then copied,
    // which is many times faster than painting a smoothed circle again and again.
    void Circle(int radius, QPoint centre, const QColor& outline, const QColor& fill)
    {
        const qreal ratio = m_painter.device()->devicePixelRatioF();
        const double r = radius * m_scale;
        const int side = static_cast<int>(std::ceil(2 * r + m_width + 2));
        const SpriteKey key{r, m_width, outline.rgba(), fill.rgba(), ratio,
                            m_painter.testRenderHint(QPainter::Antialiasing)};
        QImage& sprite = m_sprites[key];
        if (sprite.isNull()) {
            sprite = QImage(QSize(side, side) * ratio, QImage::Format_ARGB32_Premultiplied);
            sprite.setDevicePixelRatio(ratio);
            sprite.fill(Qt::transparent);
            QPainter p(&sprite);
            p.setRenderHints(m_painter.renderHints());
            p.setPen(QPen(outline, m_width));
            p.setBrush(fill);
            p.drawEllipse(QPointF(side / 2.0, side / 2.0), r, r);
        }
        const QPointF topLeft = At(centre.x(), centre.y()) - QPointF(side / 2.0, side / 2.0);
        if (m_raster)
            m_raster->Picture(sprite, topLeft);
        else
            m_painter.drawImage(topLeft, sprite);
    }

    // The text's top-left corner at the point.
    void Text(const QString& text, int x, int y)
    {
        if (m_labels)
            m_labels->push_back({text, x, y});
        m_painter.setPen(QPen(kBlack));
        m_painter.drawText(At(x, y) + QPointF(0, m_painter.fontMetrics().ascent()), text);
    }

private:
    QPointF At(double x, double y) const { return {x * m_scale, y * m_scale}; }

    QPainter& m_painter;
    double m_scale;
    GraphLabels* m_labels;
    std::optional<ImageRaster> m_raster;
    GraphBackdrop* m_stamps;
    using SpriteKey = std::tuple<double, int, QRgb, QRgb, qreal, bool>;
    std::map<SpriteKey, QImage> m_sprites;
    int m_width = 1;
    Qt::PenStyle m_style = Qt::SolidLine;
};

// The horizontal extent of one graph.
struct Span {
    int graphWidth;
    int left;
    int width;
    int right;
};

Span WeightSpan(const GraphGeometry& g)
{
    return {g.WeightGraphWidth, g.WeightPlotLeft, g.WeightPlotWidth, g.WeightPlotRight};
}

Span BmiSpan(const GraphGeometry& g)
{
    return {g.BmiGraphWidth, g.BmiPlotLeft, g.BmiPlotWidth, g.BmiPlotRight};
}

// DayCount and DayWidth of the period on a plot; no columns for a period that is not set.
struct Columns {
    int dayCount = 0;
    int dayWidth = 0;
};

Columns PeriodColumns(const GraphPeriod& period, int plotWidth)
{
    if (!period.PeriodStart.isValid() || !period.PeriodEnd.isValid() || period.PeriodEnd < period.PeriodStart)
        return {};
    const int count = static_cast<int>(period.PeriodStart.daysTo(period.PeriodEnd) + 1);
    return {count, Round(static_cast<double>(plotWidth) / count)};
}

int DayAt(const GraphGeometry& g, const GraphPeriod& period, int left, int width, double x, double y)
{
    const Columns cols = PeriodColumns(period, width);
    if (y < g.PlotTop || y > g.PlotBottom)
        return -1;
    for (int k = 1; k <= cols.dayCount; ++k) {
        if (left + (k - 1) * cols.dayWidth <= x && x <= left + k * cols.dayWidth)
            return k;
    }
    return -1;
}

void DrawBackground(Canvas& c, const GraphGeometry& g, const Span& s)
{
    c.Fill(0, 0, s.graphWidth, g.GraphHeight, kWhite);
    c.Fill(s.left, g.PlotTop, s.right, g.PlotBottom, kWhite);
}

void DrawAxes(Canvas& c, const GraphGeometry& g, const Span& s)
{
    c.Pen(2);
    c.Line(s.left, g.PlotTop, s.left, g.PlotBottom, kBlack);
    c.Line(s.left, g.PlotBottom, s.right, g.PlotBottom, kBlack);
    c.Pen(1);
}

// One line per day for a month; for three months 31 lines on the 1st, 4th, ..., 28th of each month.
void DrawVerticalGrid(Canvas& c, const GraphGeometry& g, const Span& s, const GraphPeriod& period,
                      int trendMonths, const Columns& cols)
{
    if (cols.dayCount == 0)
        return;
    const auto gridLine = [&](int x) {
        c.Pen(1, Qt::DotLine);
        c.VerticalLine(x, g.PlotTop, g.PlotBottom, kBlack);
        c.Pen(1);
        c.VerticalLine(x, g.PlotBottom - g.GraphUnit, g.PlotBottom, kBlack);
    };
    int x = s.left;
    if (trendMonths == 3) {
        QDate d = period.PeriodStart;
        for (int line = 0; line < 31; ++line) {
            gridLine(x);
            const int step = d.day() == 28 ? d.daysInMonth() - 27 : 3;
            d = d.addDays(step);
            x += cols.dayWidth * step;
        }
        return;
    }
    for (int line = 0; line <= cols.dayCount; ++line) {
        gridLine(x);
        x += cols.dayWidth;
    }
}

// Six dated ticks under the time axis; the first label and the first of a new year carry the year.
void DrawDateLabels(Canvas& c, const GraphGeometry& g, const Span& s, const GraphSources& src,
                    const Columns& cols)
{
    if (cols.dayCount == 0)
        return;
    const LocaleFormats& formats = src.formats;
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
        const int x = s.left + cols.dayWidth * offset;
        c.Pen(2);
        c.Line(x, g.PlotBottom, x, g.PlotBottom + 4 * g.GraphUnit, kBlack);
        c.Pen(1);
        c.Text(text, x + g.GraphUnit, g.PlotBottom + 2 * g.GraphUnit);
        int step = 5;
        if (src.settings.TrendMonths == 3)
            step = d.day() == 1 ? 15 : d.daysInMonth() - 15;
        else if (d.day() == 26)
            step = d.daysInMonth() - 25; // on to the 1st of the next month
        d = d.addDays(step);
        offset += step;
    }
}

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
    const int intercept = Round(a.y() - slope * a.x());
    for (QPoint* end : {&a, &b}) {
        if (inside(end->y()))
            continue;
        const int y = limit(end->y());
        *end = QPoint(Round((y - intercept) / slope), y);
    }
}

// One end of a lead line: a record's list position and a point.
struct Edge {
    int position = 0;
    int x = 0;
    int y = 0;
};

// The measurements of the period: the clipped polyline, the dotted lead lines to the neighbouring
// records outside the period, and a green dot on every point inside the plot. field selects the
// value plotted, toY places a value.
void DrawMeasurements(Canvas& c, const GraphGeometry& g, const Span& s, const GraphSources& src,
                      const Columns& cols, QString Measurement::*field, const std::function<int(double)>& toY)
{
    const RecordStore& store = src.diary.Records;
    // The value of a slot, none when it is empty, unreadable or the record does not exist.
    const auto valueOf = [&](int position, int slot) -> std::optional<double> {
        if (position < 1 || position > store.Count())
            return std::nullopt;
        const QString& text = store.Item(position).Slot[static_cast<std::size_t>(slot)].*field;
        if (text.isEmpty())
            return std::nullopt;
        return src.formats.ParseNumber(text);
    };
    // A neighbour's y from its preferred slot, or its other one when that is empty.
    const auto neighbourY = [&](int position, int preferred, int& y) {
        if (position < 1 || position > store.Count())
            return;
        const Measurement& first = store.Item(position).Slot[static_cast<std::size_t>(preferred)];
        const int slot = (first.*field).isEmpty() ? 1 - preferred : preferred;
        if (const auto value = valueOf(position, slot))
            y = toY(*value);
    };

    std::vector<std::optional<QPoint>> points(static_cast<std::size_t>(2 * (cols.dayCount + 1)));
    std::array<Edge, 4> edge{};
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
            const QPoint point(
                Round(s.left + cols.dayWidth * (k - 1) + cols.dayWidth / 14.0 * (4 * (slot + 1) + 2 * slot)),
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
                edge[1] = {position, to.x(), to.y()};
                edge[0].position = position - 1;
                edge[0].x = s.left;
                neighbourY(position - 1, 1, edge[0].y);
            }
            edge[2] = {position, to.x(), to.y()};
            edge[3].position = position + 1;
            edge[3].x = s.right;
            neighbourY(position + 1, 0, edge[3].y);
            prev = point;
            points[static_cast<std::size_t>(2 * k + slot)] = point;
        }
    }

    c.Pen(2);
    c.Polyline(segments, kBlack);
    for (Edge& e : edge)
        e.y = std::clamp(e.y, g.PlotTop, g.PlotBottom);
    c.Pen(1, Qt::DotLine);
    if (edge[1].x >= 1 && edge[1].position >= 2)
        c.Line(edge[0].x, edge[0].y, edge[1].x, edge[1].y, kBlack);
    if (edge[2].position < store.Count() && edge[2].x >= 1)
        c.Line(edge[2].x, edge[2].y, edge[3].x, edge[3].y, kBlack);

    c.Pen(1);
    c.Smooth(true);
    const int radius = Round(g.GraphUnit / 5.0 * 3);
    for (const auto& point : points) {
        if (point && g.PlotTop <= point->y() && point->y() <= g.PlotBottom)
            c.Circle(radius, *point, kBlack, kGreen);
    }
    c.Smooth(false);
}

// The weight of the period's first record, in whole kilograms (the night weight when the morning
// one is empty or below 1 kg); nothing when the period holds no record.
std::optional<double> FirstWholeWeight(const GraphSources& src, const Columns& cols)
{
    const RecordStore& store = src.diary.Records;
    for (int k = 1; k <= cols.dayCount; ++k) {
        const int position = store.FindItem(DayNumber(src.period.PeriodStart.addDays(k - 1)));
        if (position == 0)
            continue;
        double c = 0;
        const auto whole = [&](int slot) -> std::optional<double> {
            const QString& text = store.Item(position).Slot[static_cast<std::size_t>(slot)].Weight;
            const auto value = text.isEmpty() ? std::nullopt : src.formats.ParseNumber(text);
            return value ? std::optional<double>(std::floor(*value)) : std::nullopt;
        };
        if (const auto morning = whole(0))
            c = *morning;
        if (c < 1) {
            if (const auto night = whole(1))
                c = *night;
        }
        return c;
    }
    return std::nullopt;
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

int PixelsToTwips(double pixels, double dpi)
{
    return Round(pixels * kTwipsPerInch / dpi);
}

void GraphBackdrop::Paint(QPainter& painter, const QString& key, GraphLabels* labels, const Painting& painting)
{
    QPaintDevice* device = painter.device();
    if (device == nullptr || device->devType() != QInternal::Image || !painter.transform().isIdentity()) {
        painting(painter, labels);
        return;
    }
    const auto* image = static_cast<const QImage*>(device);
    const QString fullKey = key + QLatin1Char(' ') + painter.font().key();
    if (fullKey != m_key || m_image.size() != image->size() || m_image.format() != image->format() ||
        m_image.devicePixelRatio() != image->devicePixelRatio() ||
        m_image.dotsPerMeterX() != image->dotsPerMeterX() || m_image.dotsPerMeterY() != image->dotsPerMeterY()) {
        m_image = QImage(image->size(), image->format());
        m_image.setDevicePixelRatio(image->devicePixelRatio());
        m_image.setDotsPerMeterX(image->dotsPerMeterX());
        m_image.setDotsPerMeterY(image->dotsPerMeterY());
        m_labels.clear();
        QPainter p(&m_image);
        p.setFont(painter.font());
        painting(p, &m_labels);
        m_key = fullKey;
        m_stamps.clear();
    }
    painter.drawImage(QPointF(0, 0), m_image);
    if (labels)
        labels->insert(labels->end(), m_labels.begin(), m_labels.end());
}

bool GraphBackdrop::StampVerticalLine(QPainter& painter, QPointF from, QPointF to, const QPen& pen)
{
    std::optional<ImageRaster> raster = ImageRaster::For(painter);
    if (!raster || from.x() != to.x())
        return false;
    const qreal ratio = static_cast<const QImage*>(painter.device())->devicePixelRatio();
    const double x = from.x() * ratio;
    const int column = static_cast<int>(std::floor(x));
    const StampKey key{x - column,       from.y() * ratio,     to.y() * ratio,
                       pen.widthF(),     static_cast<int>(pen.style()), pen.color().rgba(),
                       ratio,            painter.testRenderHint(QPainter::Antialiasing)};
    if (m_stamps.size() > 1000)
        m_stamps.clear();
    Stamp& stamp = m_stamps[key];
    if (stamp.image.isNull()) {
        // Painted in a narrow picture moved by whole device pixels, so its pixels are the line's.
        const int margin = static_cast<int>(std::ceil(pen.widthF() * ratio)) + 2;
        const int top = static_cast<int>(std::floor(std::min(from.y(), to.y()) * ratio)) - margin;
        const int bottom = static_cast<int>(std::ceil(std::max(from.y(), to.y()) * ratio)) + margin;
        QImage picture(2 * margin + 1, bottom - top + 1, QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        {
            QPainter p(&picture);
            p.setRenderHints(painter.renderHints());
            p.translate(-(column - margin) / ratio, -top / ratio);
            p.setPen(pen);
            p.drawLine(from, to);
        }
        // Only the columns the line touched are kept.
        int first = picture.width();
        int last = -1;
        for (int y = 0; y < picture.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            for (int c = 0; c < picture.width(); ++c) {
                if (qAlpha(row[c]) != 0) {
                    first = std::min(first, c);
                    last = std::max(last, c);
                }
            }
        }
        stamp.left = first - margin;
        stamp.top = top;
        stamp.image = last < first ? QImage(1, 1, QImage::Format_ARGB32_Premultiplied)
                                   : picture.copy(first, 0, last - first + 1, picture.height());
        if (last < first)
            stamp.image.fill(Qt::transparent);
        stamp.image.setDevicePixelRatio(ratio);
    }
    raster->Picture(stamp.image, QPointF((column + stamp.left) / ratio, stamp.top / ratio));
    return true;
}

GraphGeometry ComputeGraphGeometry(int mainWindowWidth, QSize weightGraph, QSize bmiGraph)
{
    GraphGeometry g;
    g.GraphUnit = Round(mainWindowWidth / 120.0);
    g.WeightGraphWidth = weightGraph.width();
    g.WeightPlotWidth = Round(g.WeightGraphWidth / 56.0 * 48);
    g.WeightPlotLeft = Round(g.WeightPlotWidth / 7.0 - g.GraphUnit);
    g.WeightPlotRight = g.WeightPlotLeft + g.WeightPlotWidth;
    g.BmiGraphWidth = bmiGraph.width();
    g.BmiPlotWidth = Round(g.BmiGraphWidth / 56.0 * 48);
    g.BmiPlotLeft = Round(g.BmiPlotWidth / 7.0 - g.GraphUnit);
    g.BmiPlotRight = g.BmiPlotLeft + g.BmiPlotWidth;
    g.GraphHeight = weightGraph.height();
    g.PlotHeight = Round(g.GraphHeight / 20.0 * 17);
    g.PlotTop = Round(g.GraphHeight / 20.0);
    g.PlotBottom = g.PlotTop + g.PlotHeight;
    return g;
}

void ResetWeightScale(WeightScale& scale)
{
    scale.WeightRange = 2.0;
    scale.WeightCenter = 0.0;
}

double ZoomedWeightRange(double weightRange, int direction)
{
    double span = 2 * weightRange;
    if (direction == 1) {
        if (span < 4)
            span = span == 2 ? 1 : span;
        else
            span -= 2;
    } else if (direction == 0) {
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
    const Span s = WeightSpan(g);
    const Columns cols = PeriodColumns(src.period, s.width);
    const double range = std::max(scale.WeightRange, 0.5);
    const double kgStep = g.PlotHeight / (2 * range);

    // Bands, value grid and axes depend on the layout and the zoom only.
    const auto backdropPainting = [&](QPainter& p, GraphLabels* texts) {
        Canvas c(p, dpi, texts);
        DrawBackground(c, g, s);
        // Four equal bands from the top.
        int y = g.PlotTop;
        for (const QColor& band : kWeightBands) {
            const int next = Round(y + g.PlotHeight / 4.0);
            c.Fill(s.left, y, s.right, next, band);
            y = next;
        }
        // A black line per kilogram from the top, grey lines every 0.1 kg.
        y = g.PlotTop;
        for (int kg = 0; kg < Round(2 * range); ++kg) {
            c.Pen(1);
            c.Line(s.left, y, s.left + g.GraphUnit, y, kBlack);
            c.Pen(1, Qt::DotLine);
            c.Line(s.left, y, s.right, y, kBlack);
            for (int j = 1; j <= 10; ++j) {
                const int yj = Round(y + kgStep / 10 * j);
                c.Line(s.left, yj, s.right, yj, kGrey);
            }
            y = Round(y + kgStep);
        }
        DrawAxes(c, g, s);
        c.Text(QStringLiteral("[kg]"), g.GraphUnit, g.PlotTop - g.GraphUnit);
    };
    PaintBackdrop(painter, backdrop, BackdropKey(QStringLiteral("weight %1").arg(range), g, dpi), labels,
                  backdropPainting);

    Canvas c(painter, dpi, labels, backdrop);
    DrawVerticalGrid(c, g, s, src.period, src.settings.TrendMonths, cols);
    if (src.diary.Records.IsEmpty())
        return;

    if (const auto centre = FirstWholeWeight(src, cols))
        scale.WeightCenter = *centre;
    // Labels sit on whole kilograms; at ±0.5 kg the centre is the half between two of them.
    const double mid = scale.WeightCenter + (range == 0.5 ? 0.5 : 0.0);
    const double topValue = std::floor(mid + range);
    const double bottomValue = std::floor(mid - range);
    double v = topValue;
    int y = g.PlotTop - g.GraphUnit;
    for (int label = 0; label < Round(2 * range + 1); ++label) {
        c.Text(ValueText(v, src.formats.DecimalSep), Round(s.left / 2.0), y);
        v -= (topValue - bottomValue) / (2 * range);
        y = Round(y + kgStep);
    }

    DrawDateLabels(c, g, s, src, cols);
    DrawMeasurements(c, g, s, src, cols, &Measurement::Weight, [&](double weight) {
        return Round(g.PlotTop + (topValue - weight) * g.PlotHeight / (2 * range));
    });
}

void DrawBmiGraph(QPainter& painter, double dpi, const GraphGeometry& g, const GraphSources& src,
                  GraphLabels* labels, GraphBackdrop* backdrop)
{
    const Span s = BmiSpan(g);
    const Columns cols = PeriodColumns(src.period, s.width);
    const int scaleMax = src.settings.BmiScaleMax;
    const int scaleMin = src.settings.BmiScaleMin;
    const double scaleSpan = std::max(scaleMax - scaleMin, 1);

    // Bands, value grid, axes and value labels depend on the layout and the BMI scale only.
    const auto backdropPainting = [&](QPainter& p, GraphLabels* texts) {
        Canvas c(p, dpi, texts);
        DrawBackground(c, g, s);
        // Bands from the bottom up, their edges at fixed BMI values (not limited to the plot).
        int y = g.PlotBottom;
        for (std::size_t band = 0; band < kBmiBands.size(); ++band) {
            const int next = band < kBmiEdges.size()
                                 ? Round(g.PlotBottom - (kBmiEdges[band] - scaleMin) / scaleSpan * g.PlotHeight)
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
            y = Round(y + g.PlotHeight / 10.0);
        }
        c.Text(QStringLiteral("BMI"), g.GraphUnit, g.PlotTop - g.GraphUnit);
        const int labelStep = Round(scaleSpan / 10);
        int v = scaleMax;
        y = g.PlotTop - g.GraphUnit;
        for (int label = 0; label < 11; ++label) {
            c.Text(QString::number(v), Round(s.left / 2.0), y);
            v -= labelStep;
            y = Round(y + g.PlotHeight / 10.0);
        }
    };
    PaintBackdrop(painter, backdrop, BackdropKey(QStringLiteral("bmi %1 %2").arg(scaleMax).arg(scaleMin), g, dpi),
                  labels, backdropPainting);

    Canvas c(painter, dpi, labels, backdrop);
    DrawVerticalGrid(c, g, s, src.period, src.settings.TrendMonths, cols);
    if (!src.diary.Records.IsEmpty())
        DrawDateLabels(c, g, s, src, cols);
    DrawMeasurements(c, g, s, src, cols, &Measurement::Bmi, [&](double bmi) {
        return Round(g.PlotTop + (scaleMax - bmi) * g.PlotHeight / scaleSpan);
    });
}

int WeightDayAt(const GraphGeometry& g, const GraphPeriod& period, double x, double y)
{
    return DayAt(g, period, g.WeightPlotLeft, g.WeightPlotWidth, x, y);
}

int BmiDayAt(const GraphGeometry& g, const GraphPeriod& period, double x, double y)
{
    return DayAt(g, period, g.BmiPlotLeft, g.BmiPlotWidth, x, y);
}

namespace {

// The dates of the first and the last record; today for both when the diary is empty.
std::pair<QDate, QDate> DataDates(const Diary& diary, const QDate& today)
{
    const RecordStore& store = diary.Records;
    if (store.IsEmpty())
        return {today, today};
    return {DateFromDayNumber(store.Item(1).DayNumber),
            DateFromDayNumber(store.Item(store.Count()).DayNumber)};
}

QDate PeriodStep(const QDate& start, int direction, int trendMonths)
{
    int y = start.year();
    int m = start.month();
    int d = start.day();
    if (trendMonths == 3) {
        if (direction == 1) {
            m += d == 16 ? 1 : 0;
            d = d == 16 ? 1 : 16;
        } else {
            m -= d == 1 ? 1 : 0;
            d = d == 1 ? 16 : 1;
        }
    } else if (direction == 1) {
        if (d == 26) {
            ++m;
            d = 1;
        } else {
            d += 5;
        }
    } else if (d == 1) {
        --m;
        d = 26;
    } else {
        d -= 5;
    }
    if (m == 13) {
        m = 1;
        ++y;
    } else if (m == 0) {
        m = 12;
        --y;
    }
    return QDate(y, m, d); // invalid only for a start off the usual days, which is then refused
}

} // namespace

bool StepGraphPeriod(GraphPeriod& period, int direction, int trendMonths, const Diary& diary,
                     const QDate& today)
{
    if (!period.PeriodStart.isValid() || (direction != 0 && direction != 1))
        return false;
    const QDate newStart = PeriodStep(period.PeriodStart, direction, trendMonths);
    if (!newStart.isValid())
        return false;
    const QDate newEnd = PeriodEndFor(newStart, trendMonths);
    const auto [first, last] = DataDates(diary, today);
    if ((direction == 1 && newStart > last) || (direction == 0 && newEnd < first))
        return false;
    period.PeriodStart = newStart;
    period.PeriodEnd = newEnd;
    return true;
}

void ResetGraphPeriod(GraphPeriod& period, int trendMonths, const Diary& diary, const QDate& today)
{
    const bool hasData = !diary.Records.IsEmpty();
    const QDate base = hasData && period.PeriodEnd.isValid() ? period.PeriodEnd : today;
    period.PeriodStart = PeriodStartFor(base, trendMonths);
    period.PeriodEnd = PeriodEndFor(period.PeriodStart, trendMonths);
    const QDate last = DataDates(diary, today).second;
    if (hasData && period.PeriodStart > last) {
        period.PeriodStart = PeriodStartFor(last, trendMonths);
        period.PeriodEnd = PeriodEndFor(period.PeriodStart, trendMonths);
    }
}

GraphPaging GraphPagingState(const GraphPeriod& period, const Diary& diary, const QDate& today)
{
    const auto [first, last] = DataDates(diary, today);
    const QDate& start = period.PeriodStart;
    const QDate& end = period.PeriodEnd;
    GraphPaging paging;
    if (!start.isValid() || !end.isValid())
        return paging;
    paging.previous = !(start.day() == 1 && start <= first && first <= end && first.month() == end.month());
    paging.next = !(end.day() == DaysInMonth(start.year(), start.month()) && start <= last && last <= end);
    return paging;
}

} // namespace tarvel
