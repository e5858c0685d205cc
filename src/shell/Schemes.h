#pragma once

#include <QColor>

#include <array>

namespace tarvel {

// The six hues of the palette, in the order of their picture sets (blue is set 1, gray set 6).
enum class Hue { Blue, Green, Orange, Pink, Purple, Gray };

// One hue of the palette: its light, medium and dark colours, its accent and its picture set.
struct HueColours {
    QColor light;
    QColor medium;
    QColor dark;
    QColor accent;
    int pictureSet;
};

// The palette entry of a hue.
const HueColours& PaletteOf(Hue hue);

// The tabs in the order of the tab strip.
enum SchemeTab { DiaryTab = 0, ListTab = 1, WeightTab = 2, BmiTab = 3 };

// The colour slots of one tab.
struct TabColours {
    Hue hue;
    QColor light;
    QColor medium;
    QColor dark;
};

// The tab colour slots of a colour scheme: a triple for each tab, the list's accent colour and the
// weight graph's trend and goal lines (dark enough to stand out on the graph's pale bands, and
// apart from its black day line and green markers).
struct SchemeSlots {
    std::array<TabColours, 4> tabs;
    QColor listAccent;
    QColor trendLine;
    QColor goalLine;

    const TabColours& Tab(int tab) const { return tabs.at(static_cast<std::size_t>(tab)); }
};

constexpr int kSchemeCount = 7;

// The slots of ColorScheme 1..7: scheme 1 gives each tab its own hue (Diary green, List orange,
// Weight trend pink, BMI trend blue) and the orange accent; schemes 2..7 give all four tabs the hue
// of picture set scheme - 1 and that hue's accent. A number out of range counts as 1.
SchemeSlots FillSchemeSlots(int colorScheme);

} // namespace tarvel
