#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

#include <optional>

namespace tarvel {

// The main window keeps a height of three quarters of its width unless it is maximised; this is
// the size it asks for after a resize (the requested size when it already has that shape). Within
// a valid `available` size (the screen's work area less the window frame) the shape is kept by
// narrowing the window instead, so that no part of it lies off the screen.
QSize ShapedWindowSize(QSize requested, bool maximised, QSize available = QSize());

// The main window's inside rectangle at its first start on a screen whose free area is `available`,
// with a frame of `frame`: 800 x 600 where that fits, else as large as fits in the same shape; the
// frame's corner `offset` pixels from the area's corner, or nearer where the frame would run past it.
QRect FirstWindowRect(const QRect& available, const QMargins& frame, int offset);

// Decides on each resize of the main window whether to ask for the shaped size. The resize that
// follows an ask is the window manager's answer and is accepted whatever its size; the same size is
// never asked for twice in a row. So a manager that refuses or adjusts the size cannot start an
// endless resize loop. The window calls Resized from its resize event and resizes to the result.
class WindowShape {
public:
    std::optional<QSize> Resized(QSize size, bool maximised, QSize available = QSize());

private:
    bool m_answerPending = false;
    std::optional<QSize> m_lastAsked;
};

} // namespace tarvel
