#include "views/GraphBackdrop.h"

#include "views/ImageRaster.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace tarvel {

void GraphBackdrop::Paint(QPainter& painter, const QString& key, GraphLabels* labels,
                          const Painting& painting)
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
        m_image.dotsPerMeterX() != image->dotsPerMeterX() ||
        m_image.dotsPerMeterY() != image->dotsPerMeterY()) {
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
    const StampKey key{x - column,
                       from.y() * ratio,
                       to.y() * ratio,
                       pen.widthF(),
                       static_cast<int>(pen.style()),
                       pen.color().rgba(),
                       ratio,
                       painter.testRenderHint(QPainter::Antialiasing)};
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

} // namespace tarvel
