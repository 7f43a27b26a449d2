#include "steadymath.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(SteadyMath, FollowsTheLibraryCosineAndSineOverSeveralTurns)
{
    for (double x = -40.0; x <= 40.0; x += 0.37) {
        EXPECT_NEAR(artgen::SteadyCos(x), std::cos(x), 1e-9) << x;
        EXPECT_NEAR(artgen::SteadySin(x), std::sin(x), 1e-9) << x;
    }
}
