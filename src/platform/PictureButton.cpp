#include "platform/PictureButton.h"

#include "platform/PictureButtonAccessible.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace tarvel {

namespace {

// The picture stretched to `size` at the device's pixel ratio, in nine parts: the corners
// unscaled, the edges stretched along their length, the middle stretched both ways, so rounded
// corners keep their shape on any size. The parts meet on whole device pixels of one image, which
// is then drawn as one: parts drawn one by one at a fractional scale (150 %) leave seams.
QPixmap StretchedPicture(const QPixmap& picture, QSize size, qreal deviceRatio)
{
    const QSize pixels(static_cast<int>(std::ceil(size.width() * deviceRatio - 0.01)),
                       static_cast<int>(std::ceil(size.height() * deviceRatio - 0.01)));
    QPixmap stretched(pixels);
    stretched.fill(Qt::transparent);
    const qreal ratio = picture.devicePixelRatio();
    const QSizeF source = picture.deviceIndependentSize();
    const qreal edge = std::min({8.0, std::floor(source.width() / 3), std::floor(source.height() / 3),
                                 std::floor(size.width() / 2.0), std::floor(size.height() / 2.0)});
    const int to = static_cast<int>(std::lround(edge * deviceRatio));
    const std::array<int, 4> tx = {0, to, pixels.width() - to, pixels.width()};
    const std::array<int, 4> ty = {0, to, pixels.height() - to, pixels.height()};
    const std::array<qreal, 4> sx = {0, edge, source.width() - edge, source.width()};
    const std::array<qreal, 4> sy = {0, edge, source.height() - edge, source.height()};
    QPainter painter(&stretched);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (std::size_t column = 0; column < 3; ++column) {
        for (std::size_t row = 0; row < 3; ++row) {
            const QRect target(QPoint(tx[column], ty[row]), QPoint(tx[column + 1] - 1, ty[row + 1] - 1));
            // The source is given in the picture's own pixels.
            const QRectF from(sx[column] * ratio, sy[row] * ratio, (sx[column + 1] - sx[column]) * ratio,
                              (sy[row + 1] - sy[row]) * ratio);
            if (!target.isEmpty() && !from.isEmpty())
                painter.drawPixmap(target, picture, from);
        }
    }
    painter.end();
    stretched.setDevicePixelRatio(deviceRatio);
    return stretched;
}

} // namespace

PictureButton::PictureButton(const QString& caption, Kind kind, QWidget* parent)
    : QWidget(parent), m_caption(caption), m_kind(kind)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // Reachable with Tab, so the page works from the keyboard; a click leaves the focus where the
    // user was typing.
    setFocusPolicy(Qt::TabFocus);
    InstallPictureButtonAccessibility();
}

void PictureButton::SetCaption(const QString& caption)
{
    m_caption = caption;
    updateGeometry();
    update();
    if (accessibleName().isEmpty()) {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

void PictureButton::Click()
{
    if (!isEnabled())
        return;
    m_down = true;
    Q_EMIT Pressed();
    m_down = false;
    update();
    Q_EMIT Released();
}

QSize PictureButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(m_caption);
    if (m_kind == Kind::Large)
        return {std::max(textWidth + 24, 110), metrics.height() + 18};
    return {std::max(textWidth + 16, 56), metrics.height() + 8};
}

void PictureButton::SetPictures(const QPixmap& up, const QPixmap& down)
{
    m_up = up;
    m_downPicture = down;
    update();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_up.isNull())
        PaintPlainFace(painter);
    else
        PaintPicture(painter);

    if (hasFocus()) {
        const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setOpacity(1);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(frame.adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
    }
}

void PictureButton::PaintPicture(QPainter& painter)
{
    const bool enabled = isEnabled();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // A disabled button lets the panel show through its picture and greys its caption, so it reads
    // as disabled on every hue, gray included.
    if (!enabled)
        painter.setOpacity(0.4);
    const QPixmap& picture = m_down && !m_downPicture.isNull() ? m_downPicture : m_up;
    // The painter's scale is the device's pixel ratio, also when the button is drawn into an image.
    const qreal ratio = std::max(1.0, painter.deviceTransform().m11());
    painter.drawPixmap(QPoint(0, 0), StretchedPicture(picture, size(), ratio));
    painter.setOpacity(1);
    // The pictures are light on every hue, whatever the desktop's colours: the caption is dark.
    painter.setPen(enabled ? QColor(0x1c, 0x1c, 0x1c) : QColor(0, 0, 0, 0x6c));
    const QRect textRect = m_down ? rect().translated(1, 1) : rect();
    painter.drawText(textRect, Qt::AlignCenter, m_caption);
}

void PictureButton::PaintPlainFace(QPainter& painter)
{
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool enabled = isEnabled();

    // The up face is lit from above, the down face from below and shifted by a pixel.
    QColor light = enabled ? QColor(0xf4, 0xf7, 0xfb) : QColor(0xee, 0xee, 0xee);
    QColor dark = enabled ? QColor(0xb9, 0xc9, 0xdc) : QColor(0xd8, 0xd8, 0xd8);
    if (m_down)
        std::swap(light, dark);
    QLinearGradient fill(frame.topLeft(), frame.bottomLeft());
    fill.setColorAt(0, light);
    fill.setColorAt(1, dark);
    painter.setPen(QPen(enabled ? QColor(0x5a, 0x6e, 0x88) : QColor(0xb0, 0xb0, 0xb0), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(frame, 4, 4);

    // The face is light whatever the desktop's colours, so the caption is dark on a dark desktop too.
    painter.setPen(enabled ? QColor(0x1c, 0x1c, 0x1c) : QColor(0, 0, 0, 0x6c));
    const QRect textRect = m_down ? rect().translated(1, 1) : rect();
    painter.drawText(textRect, Qt::AlignCenter, m_caption);
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat() || m_down)
        return;
    m_down = true;
    update();
    Q_EMIT Pressed();
}

void PictureButton::keyReleaseEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat() || !m_down)
        return;
    m_down = false;
    update();
    Q_EMIT Released();
}

void PictureButton::focusOutEvent(QFocusEvent* event)
{
    // A key held while the focus moves away must not leave the button down.
    m_down = false;
    update();
    QWidget::focusOutEvent(event);
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    m_down = true;
    update();
    Q_EMIT Pressed();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (!m_down)
        return;
    m_down = false;
    update();
    Q_EMIT Released();
}

void PictureButton::changeEvent(QEvent* event)
{
    // A button disabled while held must not come back down.
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        m_down = false;
    QWidget::changeEvent(event);
}

} // namespace tarvel
