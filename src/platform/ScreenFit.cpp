#include "platform/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tarvel {

bool WindowPositionsMeaningful()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QMargins WindowFrame(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    if (window.isVisible()) {
        return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                frame.bottom() - inside.bottom()};
    }
    const int border = 2;
    return {border, 2 * window.fontMetrics().height(), border, border};
}

QSize FitToArea(QSize wanted, QSize available, const QMargins& frame)
{
    if (!available.isValid() || available.isEmpty())
        return wanted;
    const QSize room = available.shrunkBy(frame);
    return {std::max(1, std::min(wanted.width(), room.width())),
            std::max(1, std::min(wanted.height(), room.height()))};
}

void FitToScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return;
    // A window not yet shown takes its size hint unless it was given a size.
    const bool sized = window.isVisible() || window.testAttribute(Qt::WA_Resized);
    const QSize wanted = sized ? window.size() : window.sizeHint();
    const QSize fitted = FitToArea(wanted, screen->availableGeometry().size(), WindowFrame(window));
    if (fitted != wanted)
        window.resize(fitted);
}

} // namespace tarvel
