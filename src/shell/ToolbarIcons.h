#pragma once

#include <QIcon>

namespace tarvel {

// The toolbar's pictures, by command.
enum class ToolbarPicture { New, Open, Save, Print, Port, Range, Appearance, Copy, Help };

// The desktop icon theme's icon for the command when the theme has one, else the program's own
// picture (resources/toolbar), rendered from its SVG at the size and pixel ratio asked for, so it
// stays crisp at every scale.
QIcon ToolbarIcon(ToolbarPicture picture);

} // namespace tarvel
