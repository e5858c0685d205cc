#include "shell/ButtonArt.h"

#include "platform/TextTable.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace tarvel {

namespace {

// The colour part of the way from a to b (0 gives a, 1 gives b).
QColor Mix(const QColor& a, const QColor& b, double part)
{
    const auto channel = [part](int x, int y) { return qRound(x + (y - x) * part); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

// The outline of a hue's pictures and the ink of its logo: its accent, darkened. Gray's light,
// medium and dark colours are one colour, so the shading of its pictures comes from the accent.
QColor Outline(const HueColours& colours)
{
    return Mix(colours.accent, kBlack, 0.3);
}

QColor Ink(const HueColours& colours)
{
    return Mix(colours.accent, kBlack, 0.5);
}

// A transparent pixmap of the logical size for the ratio, and a painter on it in logical units.
QPixmap BlankPicture(QSize size, qreal devicePixelRatio)
{
    QPixmap picture(size * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    return picture;
}

void StartPainter(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

// The largest bold font of the application's family, at most maxPixels high, in which text fits
// into width.
QFont FittingFont(const QString& text, int maxPixels, qreal width)
{
    QFont font = QGuiApplication::font();
    font.setBold(true);
    for (int pixels = maxPixels; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width)
            break;
    }
    return font;
}

} // namespace

QSize ButtonPictureSize(ButtonShape shape)
{
    switch (shape) {
    case ButtonShape::Large: return {105, 65};
    case ButtonShape::Wide: return {112, 30};
    case ButtonShape::Small: break;
    }
    return {30, 30};
}

QPixmap ButtonPicture(Hue hue, ButtonShape shape, bool down, qreal devicePixelRatio)
{
    const HueColours& colours = PaletteOf(hue);
    const QSize size = ButtonPictureSize(shape);
    QPixmap picture = BlankPicture(size, devicePixelRatio);
    QPainter painter(&picture);
    StartPainter(painter);

    // The corners stay within the 8 pixels at each edge that a stretched button keeps unscaled.
    constexpr qreal radius = 5;
    const QRectF frame = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor deep = Mix(colours.dark, colours.accent, 0.3);
    QLinearGradient fill(frame.topLeft(), frame.bottomLeft());
    if (down) {
        fill.setColorAt(0, Mix(deep, colours.accent, 0.2));
        fill.setColorAt(1, Mix(colours.medium, colours.dark, 0.3));
    } else {
        fill.setColorAt(0, Mix(colours.light, kWhite, 0.6));
        fill.setColorAt(0.45, Mix(colours.medium, kWhite, 0.25));
        fill.setColorAt(1, deep);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(frame, radius, radius);

    if (down) {
        // The inner shadow along the top and the left edge: the face lies below the rim.
        painter.setClipPath([&] {
            QPainterPath path;
            path.addRoundedRect(frame, radius, radius);
            return path;
        }());
        painter.setBrush(Qt::NoBrush);
        for (int step = 1; step <= 3; ++step) {
            painter.setPen(QPen(QColor(0, 0, 0, 70 - 20 * step), 1));
            painter.drawRoundedRect(frame.adjusted(step, step, step + 4, step + 4), radius, radius);
        }
        painter.setClipping(false);
    } else {
        // The light catching the upper rim.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 255, 255, 190), 1));
        painter.drawRoundedRect(frame.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(down ? Mix(Outline(colours), kBlack, 0.2) : Outline(colours), 1));
    painter.drawRoundedRect(frame, radius, radius);
    return picture;
}

QPixmap TabLogo(Hue hue, qreal devicePixelRatio)
{
    const HueColours& colours = PaletteOf(hue);
    const QSize size(80, 38);
    QPixmap picture = BlankPicture(size, devicePixelRatio);
    QPainter painter(&picture);
    StartPainter(painter);

    const QRectF badge = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(badge.topLeft(), badge.bottomLeft());
    fill.setColorAt(0, Mix(colours.light, kWhite, 0.7));
    fill.setColorAt(1, Mix(colours.medium, colours.dark, 0.4));
    painter.setPen(QPen(Outline(colours), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(badge, 7, 7);

    const QString name = LoadText(TextId::AppName);
    const QRectF textBox(6, 2, 68, 23);
    painter.setFont(FittingFont(name, 18, textBox.width()));
    painter.setPen(Ink(colours));
    painter.drawText(textBox, Qt::AlignCenter, name);

    // A short weight trend under the name, as the graphs draw it: a line with a dot on each day.
    const std::array<QPointF, 6> trend = {
        {{14, 27.5}, {24, 30.5}, {34, 28.5}, {45, 31.5}, {55, 30}, {66, 32.5}}};
    painter.setPen(QPen(colours.accent, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(trend.data(), static_cast<int>(trend.size()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink(colours));
    for (const QPointF& day : trend)
        painter.drawEllipse(day, 1.7, 1.7);
    return picture;
}

QPixmap AboutLogo(qreal devicePixelRatio)
{
    const QSize size(93, 44);
    QPixmap picture = BlankPicture(size, devicePixelRatio);
    QPainter painter(&picture);
    StartPainter(painter);

    const QRectF badge = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(badge.topLeft(), badge.bottomLeft());
    fill.setColorAt(0, kWhite);
    fill.setColorAt(1, QColor(236, 236, 236));
    painter.setPen(QPen(QColor(150, 150, 150), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(badge, 8, 8);

    const QString name = LoadText(TextId::AppName);
    const QRectF textBox(7, 3, 79, 27);
    painter.setFont(FittingFont(name, 22, textBox.width()));
    painter.setPen(QColor(70, 70, 70));
    painter.drawText(textBox, Qt::AlignCenter, name);

    // The four tabs' hues of the 4-color scheme, in the order of the tab strip.
    const SchemeSlots fourColours = FillSchemeSlots(1);
    const qreal left = 12;
    const qreal width = (size.width() - 2 * left) / 4;
    painter.setPen(Qt::NoPen);
    for (int tab = 0; tab < 4; ++tab) {
        painter.setBrush(PaletteOf(fourColours.Tab(tab).hue).accent);
        painter.drawRoundedRect(QRectF(left + tab * width + 1, 32, width - 2, 5), 2, 2);
    }
    return picture;
}

} // namespace tarvel
