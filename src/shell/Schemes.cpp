#include "shell/Schemes.h"

namespace tarvel {

namespace {

const std::array<HueColours, 6> kPalette = {{
    {QColor(230, 242, 255), QColor(215, 235, 255), QColor(157, 206, 255), QColor(77, 166, 255), 1},
    {QColor(218, 237, 229), QColor(201, 228, 216), QColor(162, 209, 188), QColor(124, 191, 161), 2},
    {QColor(255, 234, 215), QColor(255, 224, 196), QColor(255, 207, 164), QColor(255, 188, 117), 3},
    {QColor(255, 223, 223), QColor(255, 206, 206), QColor(255, 170, 170), QColor(255, 132, 132), 4},
    {QColor(255, 208, 238), QColor(255, 196, 233), QColor(255, 157, 219), QColor(255, 102, 198), 5},
    {QColor(192, 192, 192), QColor(192, 192, 192), QColor(192, 192, 192), QColor(128, 128, 128), 6},
}};

// The trend and goal line colours of ColorScheme 1..7.
const std::array<std::array<QColor, 2>, kSchemeCount> kLineColours = {{
    {QColor(176, 24, 96), QColor(40, 96, 176)}, // 4-color: crimson, blue
    {QColor(0, 84, 180), QColor(200, 80, 0)},   // blue: deep blue, burnt orange
    {QColor(0, 122, 74), QColor(176, 32, 120)}, // green: deep green, magenta
    {QColor(208, 88, 0), QColor(0, 96, 176)},   // orange: dark orange, blue
    {QColor(196, 24, 48), QColor(0, 112, 120)}, // pink: red, teal
    {QColor(136, 0, 136), QColor(0, 120, 60)},  // purple: deep purple, green
    {QColor(48, 72, 112), QColor(176, 48, 0)},  // gray: slate, rust
}};

// The hues of the four tabs in the 4-color scheme.
constexpr std::array<Hue, 4> kFourColourHues = {Hue::Green, Hue::Orange, Hue::Pink, Hue::Blue};

TabColours SlotsOf(Hue hue)
{
    const HueColours& colours = PaletteOf(hue);
    return {hue, colours.light, colours.medium, colours.dark};
}

} // namespace

const HueColours& PaletteOf(Hue hue)
{
    return kPalette.at(static_cast<std::size_t>(hue));
}

SchemeSlots FillSchemeSlots(int colorScheme)
{
    SchemeSlots slots;
    const bool inRange = colorScheme >= 1 && colorScheme <= kSchemeCount;
    const auto& lines = kLineColours.at(static_cast<std::size_t>(inRange ? colorScheme - 1 : 0));
    slots.trendLine = lines[0];
    slots.goalLine = lines[1];
    if (colorScheme < 2 || colorScheme > kSchemeCount) {
        for (std::size_t tab = 0; tab < slots.tabs.size(); ++tab)
            slots.tabs[tab] = SlotsOf(kFourColourHues[tab]);
        slots.listAccent = PaletteOf(Hue::Orange).accent;
        return slots;
    }
    const auto hue = static_cast<Hue>(colorScheme - 2);
    slots.tabs.fill(SlotsOf(hue));
    slots.listAccent = PaletteOf(hue).accent;
    return slots;
}

} // namespace tarvel
