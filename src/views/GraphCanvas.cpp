#include "views/GraphCanvas.h"

#include <cmath>

namespace tarvel {

GraphCanvas::GraphCanvas(QPainter& painter, double dpi, GraphLabels* labels, GraphBackdrop* stamps)
    : m_painter(painter), m_scale(dpi / kTwipsPerInch), m_labels(labels), m_raster(ImageRaster::For(painter)),
      m_stamps(stamps)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setBrush(Qt::NoBrush);
}

void GraphCanvas::Polyline(const std::vector<QLine>& segments, const QColor& color)
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

void GraphCanvas::JoinedLines(const std::vector<std::vector<QPoint>>& runs, const QColor& color)
{
    const bool smooth = m_painter.testRenderHint(QPainter::Antialiasing);
    Smooth(true);
    // Segment by segment with round caps, which join as round joins do: a smoothed polyline is
    // filled over its whole bounding box, many times the cost of its short segments.
    m_painter.setPen(QPen(color, m_width, m_style, Qt::RoundCap, Qt::RoundJoin));
    for (const std::vector<QPoint>& run : runs) {
        for (std::size_t i = 1; i < run.size(); ++i)
            m_painter.drawLine(At(run[i - 1].x(), run[i - 1].y()), At(run[i].x(), run[i].y()));
    }
    Smooth(smooth);
}

// A graph holds up to two markers a day: each is drawn once into a small image and then copied,
// which is many times faster than painting a smoothed circle again and again.
void GraphCanvas::Circle(int radius, QPoint centre, const QColor& outline, const QColor& fill)
{
    const qreal ratio = m_painter.device()->devicePixelRatioF();
    const double r = radius * m_scale;
    const int side = static_cast<int>(std::ceil(2 * r + m_width + 2));
    const SpriteKey key{r,           m_width, outline.rgba(),
                        fill.rgba(), ratio,   m_painter.testRenderHint(QPainter::Antialiasing)};
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

void GraphCanvas::Text(const QString& text, int x, int y)
{
    if (m_labels)
        m_labels->push_back({text, x, y});
    m_painter.setPen(QPen(QColor(0, 0, 0)));
    m_painter.drawText(At(x, y) + QPointF(0, m_painter.fontMetrics().ascent()), text);
}

int GraphCanvas::TextWidth(const QString& text) const
{
    return RoundTwips(m_painter.fontMetrics().horizontalAdvance(text) / m_scale);
}

} // namespace tarvel
