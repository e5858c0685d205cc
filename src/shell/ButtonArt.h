#pragma once

#include "shell/Schemes.h"

#include <QPixmap>
#include <QSize>

namespace tarvel {

// The pictures of the picture buttons and the logos, drawn in code for each hue of the palette.
// Sizes are in device-independent pixels; each picture is drawn for the given device pixel ratio
// so that it stays crisp on high-density screens.

// Large: the big action and paging buttons; Wide: the "Enter" buttons beside the inputs; Small: the
// zoom buttons of the weight graph.
enum class ButtonShape { Large, Wide, Small };

// 105 x 65, 112 x 30 and 30 x 30.
QSize ButtonPictureSize(ButtonShape shape);

// A rounded, lightly shaded button in the hue, lit from above; the down picture is darker, lit from
// below and shows an inner shadow along its top and left edges, as if pressed in. No caption: the
// button draws its own on top.
QPixmap ButtonPicture(Hue hue, ButtonShape shape, bool down, qreal devicePixelRatio);

// The program's name on a small badge in the hue, 80 x 38, for the top of each tab's panel.
QPixmap TabLogo(Hue hue, qreal devicePixelRatio);

// The about dialog's logo, 93 x 44: the name over the four colours of the 4-color scheme.
QPixmap AboutLogo(qreal devicePixelRatio);

} // namespace tarvel
