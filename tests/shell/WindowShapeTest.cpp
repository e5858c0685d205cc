#include "shell/WindowShape.h"

#include "platform/ScreenFit.h"
#include "shell/WindowPlacement.h"

#include <gtest/gtest.h>

using namespace tarvel;

namespace {

TEST(WindowShape, ThreeQuartersHighOnTheScreenAndNoResizeLoop)
{
    const int cases[][7] = {
        // requested, maximised, available, result
        {800, 500, 0, 0, 0, 800, 600},       {806, 900, 0, 0, 0, 806, 604},
        {800, 500, 1, 0, 0, 800, 500},       {1600, 500, 0, 1200, 800, 1066, 800},
        {1000, 500, 0, 900, 1000, 900, 675},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShapedWindowSize({c[0], c[1]}, c[2] != 0, {c[3], c[4]}), QSize(c[5], c[6])) << c[0];

    WindowShape shape;
    EXPECT_EQ(shape.Resized({800, 500}, false), QSize(800, 600));
    for (int answer = 0; answer < 4; ++answer) // the manager keeps the window at 800 x 560
        EXPECT_EQ(shape.Resized({800, 560}, false), std::nullopt) << answer;
    EXPECT_EQ(shape.Resized({1000, 560}, false), QSize(1000, 750)); // the user resizes again
    EXPECT_EQ(shape.Resized({1200, 700}, true), std::nullopt);
}

// The first start and the help window fit the free area, frame included: 1920 x 1040, 1024 x 600
// less a panel at the top, 1366 x 768 at 125 % less one at the bottom.
TEST(WindowShape, FirstStartAndHelpFitTheFreeArea)
{
    const QMargins frame(1, 30, 1, 1);
    const int cases[][10] = {{0, 0, 1920, 1040, 8, 37, 800, 600, 920, 640},
                             {0, 32, 1024, 568, 8, 62, 716, 537, 920, 537},
                             {0, 0, 1093, 582, 8, 31, 734, 550, 920, 551}};
    for (const auto& c : cases) {
        const QRect available(c[0], c[1], c[2], c[3]);
        EXPECT_EQ(FirstWindowRect(available, frame, 7), QRect(c[4], c[5], c[6], c[7])) << c[3];
        EXPECT_EQ(FitToArea({920, 640}, available.size(), frame), QSize(c[8], c[9])) << c[3];
    }
}

// A remembered window comes back on a screen present now, whole.
TEST(WindowShape, RememberedWindowIsPlacedWithinTheScreensPresentNow)
{
    const QRect primary(0, 0, 1920, 1040);  // a panel along the bottom
    const QRect right(1920, 0, 1280, 1024); // a smaller screen right of it
    const QRect laptop(0, 0, 1366, 740);
    struct Case {
        QRect saved;
        std::vector<QRect> screens;
        QRect placed;
    } cases[] = {
        {{100, 80, 800, 600}, {primary, right}, {100, 80, 800, 600}},
        {{2000, 100, 800, 600}, {primary, right}, {2000, 100, 800, 600}},
        {{1800, 500, 800, 600}, {primary, right}, {1920, 424, 800, 600}}, // mostly on the right one
        {{2000, 100, 800, 600}, {primary}, {1120, 100, 800, 600}},        // the right screen is gone
        {{-900, -300, 800, 600}, {primary, right}, {0, 0, 800, 600}},     // off every screen
        {{200, 100, 1600, 1000}, {laptop}, {0, 0, 1366, 740}},            // now on a smaller screen
        {{1930, 5, 1280, 1024}, {laptop, right}, {1920, 0, 1280, 1024}},  // maximised on the right one
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceSavedWindow(c.saved, c.screens), c.placed) << c.saved.x() << "," << c.saved.y();

    // A title bar off every screen at the close is remembered on the screen nearest.
    const int closes[][4] = {{100, 80, 100, 80},     {2000, 5, 2000, 5},  {100, -13, 100, 0},
                             {-500, 200, -500, 200}, {-900, 200, 0, 200}, {1500, 1030, 1120, 409}};
    for (const auto& c : closes)
        EXPECT_EQ(RememberedCorner({c[0], c[1], 800, 631}, {1, 30, 1, 1}, {primary, right}),
                  QPoint(c[2], c[3]))
            << c[0] << "," << c[1];
}

} // namespace
