#pragma once

#include "views/GraphBackdrop.h"
#include "views/GraphGeometry.h"
#include "views/ImageRaster.h"

#include <QColor>
#include <QImage>
#include <QLine>
#include <QPainter>

#include <map>
#include <optional>
#include <tuple>
#include <vector>

namespace tarvel {

// The drawing operations of a graph, taking twips and drawing in the painter's coordinates. Pen
// widths are pixels of the painter's coordinates, whatever the scale. Markers are drawn once into
// a small picture and then copied; with a backdrop, vertical lines are copied from its stamps.
class GraphCanvas {
public:
    GraphCanvas(QPainter& painter, double dpi, GraphLabels* labels, GraphBackdrop* stamps = nullptr);

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

    void Fill(int x1, int y1, int x2, int y2, const QColor& color)
    {
        m_painter.fillRect(QRectF(At(x1, y1), At(x2, y2)).normalized(), color);
    }

    // Smoothed segments of the current width: straight into an image when it can, else painted.
    void Polyline(const std::vector<QLine>& segments, const QColor& color);
    // Smoothed lines of the current width through each run of points, with round joins and flat
    // ends, always painted: a line whose joints no marker covers.
    void JoinedLines(const std::vector<std::vector<QPoint>>& runs, const QColor& color);
    // A circle of the current width around the centre, filled.
    void Circle(int radius, QPoint centre, const QColor& outline, const QColor& fill);
    // The text's top-left corner at the point.
    void Text(const QString& text, int x, int y);
    // The text's width in twips, in the painter's font.
    int TextWidth(const QString& text) const;

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

} // namespace tarvel
