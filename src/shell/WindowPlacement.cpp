#include "shell/WindowPlacement.h"

#include <algorithm>

namespace tarvel {

QRect PlaceSavedWindow(const QRect& saved, const std::vector<QRect>& screens)
{
    if (screens.empty())
        return saved;
    const auto overlap = [&saved](const QRect& screen) {
        const QRect common = saved.intersected(screen);
        return static_cast<qint64>(common.width()) * common.height();
    };
    // max_element keeps the first of equals: with no overlap anywhere that is the primary screen.
    const QRect& screen =
        *std::max_element(screens.begin(), screens.end(),
                          [&](const QRect& a, const QRect& b) { return overlap(a) < overlap(b); });
    const int width = std::min(saved.width(), screen.width());
    const int height = std::min(saved.height(), screen.height());
    const int left = std::clamp(saved.left(), screen.left(), screen.left() + screen.width() - width);
    const int top = std::clamp(saved.top(), screen.top(), screen.top() + screen.height() - height);
    return {left, top, width, height};
}

QPoint RememberedCorner(const QRect& framed, const QMargins& frame, const std::vector<QRect>& screens)
{
    const QRect titleBar(framed.topLeft(), QSize(framed.width(), std::max(1, frame.top())));
    // Wholly inside one screen from top to bottom and at least partly across.
    const bool reachable =
        screens.empty() || std::any_of(screens.begin(), screens.end(), [&titleBar](const QRect& screen) {
            return titleBar.top() >= screen.top() && titleBar.bottom() <= screen.bottom() &&
                   titleBar.intersects(screen);
        });
    return reachable ? framed.topLeft() : PlaceSavedWindow(framed, screens).topLeft();
}

} // namespace tarvel
