#include "views/ImageRaster.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tarvel {

namespace {

// Each channel of the pixel times a/255, rounded, two channels per multiplication.
inline QRgb ByteMul(QRgb x, uint a)
{
    uint t = (x & 0xff00ff) * a;
    t = ((t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = (x + ((x >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return x | t;
}

// The pixel moved towards the colour by cover/256 (0 ... 256), two channels per multiplication; the
// alpha channel moves too, so a premultiplied image stays valid and an opaque one opaque.
inline QRgb Mix(QRgb pixel, QRgb color, uint cover)
{
    const uint keep = 256 - cover;
    const uint redBlue = (((pixel & 0xff00ff) * keep + (color & 0xff00ff) * cover) >> 8) & 0xff00ff;
    const uint alphaGreen = (((pixel >> 8) & 0xff00ff) * keep + ((color >> 8) & 0xff00ff) * cover) & 0xff00ff00;
    return redBlue | alphaGreen;
}

// A premultiplied pixel over another.
inline QRgb Over(QRgb pixel, QRgb source)
{
    return source + ByteMul(pixel, 255 - qAlpha(source));
}

} // namespace

std::optional<ImageRaster> ImageRaster::For(QPainter& painter)
{
    QPaintDevice* device = painter.device();
    if (device == nullptr || device->devType() != QInternal::Image)
        return std::nullopt;
    auto* image = static_cast<QImage*>(device);
    // Writing must not make the image copy itself (QImage copies in full while painting, so this
    // holds; checked all the same).
    const bool ownPixels = image->isDetached();
    const bool format =
        image->format() == QImage::Format_RGB32 || image->format() == QImage::Format_ARGB32_Premultiplied;
    if (!ownPixels || !format || !painter.transform().isIdentity() || painter.hasClipping() ||
        painter.opacity() != 1.0 || painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return std::nullopt;
    return ImageRaster(*image);
}

namespace {

// The length of the overlap of two intervals, none when they are apart.
inline double Overlap(double a1, double a2, double b1, double b2)
{
    return std::max(0.0, std::min(a2, b2) - std::max(a1, b1));
}

} // namespace

void ImageRaster::Segments(const std::vector<QLineF>& lines, double width, QRgb color)
{
    const double ratio = m_image.devicePixelRatio();
    const double halfWidth = width * ratio / 2;
    const int w = m_image.width();
    const int h = m_image.height();
    uchar* const bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    color |= 0xff000000;

    // A steep segment is covered row by row, a flat one column by column: on each row (column) the
    // line is a run of the width measured along it, and a pixel's cover is the part of it the run
    // and the segment's extent overlap.
    for (const QLineF& line : lines) {
        QPointF a = line.p1() * ratio;
        QPointF b = line.p2() * ratio;
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        if (length == 0)
            continue;
        const bool steep = std::abs(b.y() - a.y()) >= std::abs(b.x() - a.x());
        // Along: the coordinate stepped through (y when steep); across: the other one.
        const double along1 = steep ? std::min(a.y(), b.y()) : std::min(a.x(), b.x());
        const double along2 = steep ? std::max(a.y(), b.y()) : std::max(a.x(), b.x());
        const double slope = steep ? (b.x() - a.x()) / (b.y() - a.y()) : (b.y() - a.y()) / (b.x() - a.x());
        const double start = steep ? a.x() - slope * a.y() : a.y() - slope * a.x();
        const double run = halfWidth * length / (steep ? std::abs(b.y() - a.y()) : std::abs(b.x() - a.x()));
        const int alongLimit = steep ? h : w;
        const int acrossLimit = steep ? w : h;
        const int first = std::max(0, static_cast<int>(std::floor(along1)));
        const int last = std::min(alongLimit - 1, static_cast<int>(std::ceil(along2)) - 1);
        for (int i = first; i <= last; ++i) {
            const double part = Overlap(i, i + 1, along1, along2);
            if (part <= 0)
                continue;
            const double centre = start + slope * (i + 0.5);
            const double from = centre - run;
            const double to = centre + run;
            const int low = std::max(0, static_cast<int>(std::floor(from)));
            const int high = std::min(acrossLimit - 1, static_cast<int>(std::floor(to)));
            for (int j = low; j <= high; ++j) {
                const double cover = Overlap(j, j + 1, from, to) * part;
                QRgb& pixel = steep ? reinterpret_cast<QRgb*>(bits + i * stride)[j]
                                    : reinterpret_cast<QRgb*>(bits + j * stride)[i];
                pixel = Mix(pixel, color, static_cast<uint>(cover * 256 + 0.5));
            }
        }
    }
}

void ImageRaster::Picture(const QImage& picture, QPointF topLeft)
{
    const QImage source = picture.format() == QImage::Format_ARGB32_Premultiplied
                              ? picture
                              : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QPointF origin = topLeft * m_image.devicePixelRatio();
    const int left = static_cast<int>(std::lround(origin.x()));
    const int top = static_cast<int>(std::lround(origin.y()));
    const int firstRow = std::max(0, -top);
    const int lastRow = std::min(source.height(), m_image.height() - top);
    const int firstColumn = std::max(0, -left);
    const int lastColumn = std::min(source.width(), m_image.width() - left);
    if (firstRow >= lastRow || firstColumn >= lastColumn)
        return;
    uchar* const bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    const uchar* const sourceBits = source.constBits();
    const qsizetype sourceStride = source.bytesPerLine();
    for (int y = firstRow; y < lastRow; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(sourceBits + y * sourceStride);
        auto* to = reinterpret_cast<QRgb*>(bits + (top + y) * stride);
        for (int x = firstColumn; x < lastColumn; ++x) {
            const QRgb pixel = from[x];
            if (qAlpha(pixel) == 255)
                to[left + x] = pixel;
            else if (qAlpha(pixel) != 0)
                to[left + x] = Over(to[left + x], pixel);
        }
    }
}

} // namespace tarvel
