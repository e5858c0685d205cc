#include "entry/PictureButton.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace tarvel {

PictureButton::PictureButton(const QString& caption, Kind kind, QWidget* parent)
    : QWidget(parent), m_caption(caption), m_kind(kind)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // Reachable with Tab, so the page works from the keyboard; a click leaves the focus where the
    // user was typing.
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::SetCaption(const QString& caption)
{
    m_caption = caption;
    updateGeometry();
    update();
}

QSize PictureButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(m_caption);
    if (m_kind == Kind::Large)
        return {std::max(textWidth + 24, 110), metrics.height() + 18};
    return {std::max(textWidth + 16, 56), metrics.height() + 8};
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool enabled = isEnabled();

    // The up picture is lit from above, the down picture from below and shifted by a pixel.
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

    painter.setPen(enabled ? palette().color(QPalette::Active, QPalette::ButtonText)
                           : palette().color(QPalette::Disabled, QPalette::ButtonText));
    const QRect textRect = m_down ? rect().translated(1, 1) : rect();
    painter.drawText(textRect, Qt::AlignCenter, m_caption);

    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(frame.adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
    }
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
