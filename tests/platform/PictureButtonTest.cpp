#include "platform/PictureButton.h"

#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarvel;

namespace {

// A 30 x 30 picture for the ratio: a 4-pixel rim of one colour around a face of another.
QPixmap Picture(const QColor& rim, const QColor& face, qreal ratio)
{
    QPixmap picture(QSize(30, 30) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(rim);
    QPainter painter(&picture);
    painter.fillRect(QRect(4, 4, 22, 22), face);
    return picture;
}

QColor At(QWidget& widget, int x, int y)
{
    const QImage image = widget.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(qRound(x * ratio), qRound(y * ratio));
}

TEST(PictureButtonTest, ShowsItsPicturesStretchedWithTheirRimAndTheDownOneWhilePressed)
{
    const QColor rim(20, 20, 160);
    const QColor up(250, 200, 100);
    const QColor down(100, 200, 250);
    for (const qreal ratio : {1.0, 2.0}) {
        PictureButton button(QString(), PictureButton::Kind::Large);
        button.resize(141, 41); // at 150 % its parts meet between device pixels
        button.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
        const QColor plain = At(button, 70, 20);
        button.SetPictures(Picture(rim, up, ratio), Picture(rim, down, ratio));

        // The rim keeps its width along every edge of a button wider and taller than the picture.
        const std::tuple<int, int, QColor> points[] = {{1, 20, rim},  {139, 20, rim}, {70, 1, rim},
                                                       {70, 39, rim}, {6, 6, up},     {133, 33, up},
                                                       {70, 20, up}};
        for (const auto& [x, y, colour] : points)
            EXPECT_EQ(At(button, x, y), colour) << ratio << " at " << x << "," << y;

        QTest::mousePress(&button, Qt::LeftButton);
        EXPECT_EQ(At(button, 70, 20), down) << ratio;
        QTest::mouseRelease(&button, Qt::LeftButton);
        EXPECT_EQ(At(button, 70, 20), up) << ratio;

        // At 150 % the nine parts meet without seams: the face is one colour along both middles.
        QImage image(QSize(210, 60), QImage::Format_RGB32);
        image.setDevicePixelRatio(1.5);
        button.render(&image);
        for (int x = 10, y = 10; x < 200 || y < 50; ++x, ++y)
            EXPECT_TRUE(image.pixel(std::min(x, 199), 30) == up.rgb() &&
                        image.pixel(105, std::min(y, 49)) == up.rgb())
                << ratio << " at " << x << "," << y;

        // Disabled, the picture fades: neither the picture's colour nor the plain face.
        button.setEnabled(false);
        const QColor faded = At(button, 70, 20);
        EXPECT_NE(faded, up);
        EXPECT_NE(faded, plain);
    }
}

} // namespace
