#pragma once

#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QRgb>

#include <optional>
#include <vector>

class QPainter;

namespace tarvel {

// Writes smoothed thick lines and small pictures straight into the 32-bit image a painter draws on.
// A graph holds a few hundred short segments and markers; the painter's general stroking and image
// drawing cost more for each of them than this does for the pixels they cover. Coordinates and
// widths are the painter's (logical pixels); the image's device pixel ratio is applied here.
class ImageRaster {
public:
    // Direct writing for this painter, or nothing when its device is not a 32-bit image of its own
    // without transformation or clipping; the caller then draws with the painter.
    static std::optional<ImageRaster> For(QPainter& painter);

    // Each segment as a smoothed line of the width with flat ends, blended one by one (the graph's
    // markers cover the joints).
    void Segments(const std::vector<QLineF>& segments, double width, QRgb color);

    // A premultiplied picture (its own device pixel ratio, the image's) with its top-left corner at
    // the point, blended over what is there.
    void Picture(const QImage& picture, QPointF topLeft);

private:
    explicit ImageRaster(QImage& image) : m_image(image) {}

    QImage& m_image;
};

} // namespace tarvel
