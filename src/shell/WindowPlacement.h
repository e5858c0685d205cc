#pragma once

#include <QMargins>
#include <QRect>

#include <vector>

namespace tarvel {

// Where the main window goes at start-up when it remembers a rectangle from the last run, among the
// screens present now (their available areas, the primary screen first): onto the screen it
// overlaps most, shrunk to fit that screen's area and moved inside it; onto the primary screen when
// it overlaps none (its screen is gone or smaller now). Without screens the rectangle stays.
QRect PlaceSavedWindow(const QRect& saved, const std::vector<QRect>& screens);

// The frame's corner the main window remembers at its close, for a frame `framed` whose title bar
// is its top `frame.top()` pixels: where it stands when the title bar lies wholly on one of the
// screens, else the corner that PlaceSavedWindow gives it, so that the next start can never put the
// title bar out of reach.
QPoint RememberedCorner(const QRect& framed, const QMargins& frame, const std::vector<QRect>& screens);

} // namespace tarvel
