#pragma once

#include <QRect>

#include <vector>

namespace tarvel {

// Where the main window goes at start-up when it remembers a rectangle from the last run, among the
// screens present now (their available areas, the primary screen first): onto the screen it
// overlaps most, shrunk to fit that screen's area and moved inside it; onto the primary screen when
// it overlaps none (its screen is gone or smaller now). Without screens the rectangle stays.
QRect PlaceSavedWindow(const QRect& saved, const std::vector<QRect>& screens);

} // namespace tarvel
