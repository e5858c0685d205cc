#pragma once

#include <QWheelEvent>

namespace tarvel {

// Whole notches of a wheel turn, positive away from the user (or tilted left). A high-resolution
// wheel sends parts of a notch: the rest is kept in `angle` for the next turn.
inline int TakeWheelNotches(const QWheelEvent& event, int& angle)
{
    const QPoint delta = event.angleDelta();
    angle += delta.y() != 0 ? delta.y() : delta.x();
    const int notches = angle / 120;
    angle -= notches * 120;
    return notches;
}

} // namespace tarvel
