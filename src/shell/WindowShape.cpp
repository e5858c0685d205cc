#include "shell/WindowShape.h"

#include <algorithm>
#include <cmath>

namespace tarvel {

QSize ShapedWindowSize(QSize requested, bool maximised, QSize available)
{
    if (maximised)
        return requested;
    int width = requested.width();
    if (available.isValid() && !available.isEmpty()) {
        width = std::min(width, available.width());
        width = std::min(width, static_cast<int>(available.height() * 8.0 / 6));
    }
    return {width, static_cast<int>(std::nearbyint(width * 6.0 / 8))};
}

QRect FirstWindowRect(const QRect& available, const QMargins& frame, int offset)
{
    const QSize size = ShapedWindowSize({800, 600}, false, available.size().shrunkBy(frame));
    const QSize framed = size.grownBy(frame);
    const int left =
        std::max(available.left(),
                 std::min(available.left() + offset, available.left() + available.width() - framed.width()));
    const int top =
        std::max(available.top(),
                 std::min(available.top() + offset, available.top() + available.height() - framed.height()));
    return {QPoint(left + frame.left(), top + frame.top()), size};
}

std::optional<QSize> WindowShape::Resized(QSize size, bool maximised, QSize available)
{
    const bool answer = m_answerPending;
    m_answerPending = false;
    if (maximised || size.isEmpty())
        return std::nullopt;
    const QSize target = ShapedWindowSize(size, false, available);
    if (target == size) {
        m_lastAsked.reset();
        return std::nullopt;
    }
    // The window manager answered an ask with another size, or would be asked the same again.
    if (answer || m_lastAsked == target)
        return std::nullopt;
    m_answerPending = true;
    m_lastAsked = target;
    return target;
}

} // namespace tarvel
