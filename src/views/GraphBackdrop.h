#pragma once

#include <QImage>
#include <QPen>
#include <QPointF>
#include <QString>

#include <functional>
#include <map>
#include <tuple>
#include <vector>

class QPainter;

namespace tarvel {

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

} // namespace tarvel
