#include "views/ImageRaster.h"
#include "views/TrendGraph.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

using namespace tarvel;

namespace {

QImage White(QSize size, qreal ratio, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, format);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

// How much darker than white, summed over the image, in pixels of full black.
double Ink(const QImage& image)
{
    double ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += (255 - qGray(image.pixel(x, y))) / 255.0;
    return ink;
}

} // namespace

TEST(ImageRaster, SegmentsCoverWhatThePainterCovers)
{
    // Steep, flat, diagonal and nearly flat lines, at plain and double density: the same amount
    // of ink as the painter's smoothed flat-ended line, in the same place.
    const QLineF lines[] = {{20.3, 10.2, 27.8, 80.6}, {10.5, 40.25, 90.2, 44.0}, {15, 15, 85, 85},
                            {12.0, 60.0, 88.0, 61.5}, {50.5, 5.0, 50.5, 95.0}};
    for (qreal ratio : {1.0, 2.0}) {
        for (const QLineF& line : lines) {
            SCOPED_TRACE(QStringLiteral("ratio %1, line %2,%3-%4,%5")
                             .arg(ratio).arg(line.x1()).arg(line.y1()).arg(line.x2()).arg(line.y2()).toStdString());
            QImage direct = White({100 * int(ratio), 100 * int(ratio)}, ratio);
            QImage painted = direct.copy();
            {
                QPainter painter(&direct);
                std::optional<ImageRaster> raster = ImageRaster::For(painter);
                ASSERT_TRUE(raster.has_value());
                raster->Segments({line}, 2, qRgb(0, 0, 0));
            }
            {
                QPainter painter(&painted);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
                painter.drawLine(line);
            }
            const double expected = Ink(painted);
            EXPECT_NEAR(Ink(direct), expected, expected * 0.06);
            // Away from the ends, every pixel the painter made dark is dark here too, and the
            // other way round.
            for (int y = 0; y < direct.height(); ++y) {
                for (int x = 0; x < direct.width(); ++x) {
                    const QPointF p = QPointF(x + 0.5, y + 0.5) / ratio;
                    const double fromEnds = std::min(QLineF(p, line.p1()).length(), QLineF(p, line.p2()).length());
                    if (fromEnds < 3)
                        continue;
                    const bool darkHere = qGray(direct.pixel(x, y)) < 100;
                    const bool darkThere = qGray(painted.pixel(x, y)) < 100;
                    const bool paleHere = qGray(direct.pixel(x, y)) > 200;
                    const bool paleThere = qGray(painted.pixel(x, y)) > 200;
                    EXPECT_FALSE((darkHere && paleThere) || (darkThere && paleHere)) << x << "," << y;
                }
            }
        }
    }
}

TEST(ImageRaster, PictureBlendsLikeThePainterAndIsCutAtTheEdges)
{
    QImage sprite(12, 12, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    {
        QPainter p(&sprite);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0, 255, 0));
        p.drawEllipse(QPointF(6, 6), 5, 5);
    }
    for (const QPointF at : {QPointF(20, 20), QPointF(-5, 30), QPointF(35, -4), QPointF(37, 37), QPointF(60, 60)}) {
        QImage direct = White({44, 44}, 1);
        direct.setPixel(25, 25, qRgb(200, 10, 10));
        QImage painted = direct.copy();
        {
            QPainter painter(&direct);
            ImageRaster::For(painter)->Picture(sprite, at);
        }
        {
            QPainter painter(&painted);
            painter.drawImage(at, sprite);
        }
        for (int y = 0; y < direct.height(); ++y)
            for (int x = 0; x < direct.width(); ++x)
                for (int shift : {0, 8, 16})
                    ASSERT_NEAR(int(direct.pixel(x, y) >> shift & 0xff), int(painted.pixel(x, y) >> shift & 0xff), 1)
                        << "at " << at.x() << "," << at.y() << " pixel " << x << "," << y;
    }
}

TEST(ImageRaster, OnlyForItsOwnUntransformedThirtyTwoBitImage)
{
    QImage image = White({10, 10}, 1);
    {
        QPainter painter(&image);
        EXPECT_TRUE(ImageRaster::For(painter).has_value());
        painter.translate(1, 0);
        EXPECT_FALSE(ImageRaster::For(painter).has_value());
        painter.resetTransform();
        painter.setClipRect(0, 0, 5, 5);
        EXPECT_FALSE(ImageRaster::For(painter).has_value());
    }
    QImage rgb888 = White({10, 10}, 1, QImage::Format_RGB888);
    QPainter painter(&rgb888);
    EXPECT_FALSE(ImageRaster::For(painter).has_value());
}

TEST(GraphBackdrop, StampedLinesArePixelForPixelThePaintersLines)
{
    const QPen pens[] = {QPen(Qt::black, 1, Qt::DotLine, Qt::FlatCap), QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap),
                         QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap)};
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        for (const QPen& pen : pens) {
            GraphBackdrop stamps;
            QImage stamped = White({120, 90}, ratio);
            QImage painted = stamped.copy();
            // Twice over the same columns: the second round comes from the stamps.
            for (int round = 0; round < 2; ++round) {
                for (double x = 3; x < 70; x += 4.37) {
                    const QPointF from(x, 7.3);
                    const QPointF to(x, 52.9);
                    {
                        QPainter painter(&stamped);
                        ASSERT_TRUE(stamps.StampVerticalLine(painter, from, to, pen));
                    }
                    QPainter painter(&painted);
                    painter.setPen(pen);
                    painter.drawLine(from, to);
                }
            }
            EXPECT_EQ(stamped, painted) << "ratio " << ratio << " width " << pen.widthF() << " style "
                                        << int(pen.style());
        }
    }
}
