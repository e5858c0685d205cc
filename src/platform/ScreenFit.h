#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace tarvel {

// Whether the desktop lets a program place its windows: Wayland does not, and a position asked for
// or read back there means nothing.
bool WindowPositionsMeaningful();

// The frame a desktop puts around a top-level window: the real one once the window is shown (none
// where the desktop frames no windows), before that an estimate (a title bar two text lines high
// and thin borders), so that a window sized before it is shown leaves room for it.
QMargins WindowFrame(const QWidget& window);

// The inside size of a window that wants `wanted` on an area of `available` with its frame: each
// side shrunk as far as needed so that the framed window fits.
QSize FitToArea(QSize wanted, QSize available, const QMargins& frame);

// Resizes a top-level window (a dialog, the help) so that it fits the available area of its screen,
// frame included; one that fits is left as it is.
void FitToScreen(QWidget& window);

} // namespace tarvel
