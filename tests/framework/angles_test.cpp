// The ground-plane angle helpers shared by the taxi step, the tyres and the engine blades.
#include <gtest/gtest.h>

#include <math.h>

#include "angles.h"

namespace {
TEST(Angles, WrapBringsEveryAngleIntoOneTurn) {
    struct Case {
        float angle, wrapped;
    } cases[] = {{0, 0}, {359.5f, 359.5f}, {360, 0}, {-30, 330}, {725, 5}, {-720, 0}, {3600.25f, 0.25f}};
    for (const Case& c : cases) EXPECT_NEAR(wrap_angle_360(c.angle), c.wrapped, 1e-3) << c.angle;
    // Angles too large for whole turns to change them, and no number at all, still end in [0, 360).
    for (float far : {1e30f, -1e30f, INFINITY, NAN}) {
        float wrapped = wrap_angle_360(far);
        EXPECT_GE(wrapped, 0.0f) << far;
        EXPECT_LT(wrapped, 360.0f) << far;
    }
}

TEST(Angles, SignedAngleIsPositiveTowardsIncreasingHeading) {
    const float r = sqrtf(0.5f);
    struct Case {
        float ux, uz, vx, vz, angle;
    } cases[] = {
        {0, 1, 1, 0, 90},  // north to east
        {1, 0, 0, 1, -90}, {0, 1, r, r, 45},    {0, 1, -r, r, -45},
        {0, 1, 0, 1, 0},   {0, 1, 0, -1, -180},  // straight behind counts as the negative side
    };
    for (const Case& c : cases)
        EXPECT_NEAR(signed_angle_deg(c.ux, c.uz, c.vx, c.vz), c.angle, 1e-3) << c.vx << ", " << c.vz;
    // Unit vectors a rounding step too long still give an angle, not a NaN.
    EXPECT_EQ(signed_angle_deg(0, 1.0000001f, 0, 1.0000001f), 0.0f);
}

TEST(Angles, NormalizeKeepsTheDirection) {
    float x = 3, z = -4;
    normalize_vec2(&x, &z);
    EXPECT_FLOAT_EQ(x, 0.6f);
    EXPECT_FLOAT_EQ(z, -0.8f);
    x = z = 0;
    normalize_vec2(&x, &z);
    EXPECT_EQ(x, 0.0f) << "a zero vector has no direction and stays zero";
    EXPECT_EQ(z, 0.0f);
}
}  // namespace
