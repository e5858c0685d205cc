#include "shell/WindowShape.h"

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

} // namespace
