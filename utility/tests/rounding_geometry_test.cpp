#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "quillon.h"

namespace {

TEST(Rounding, HalfUpRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(_rnd_val_(2.5, 0), 3);
    EXPECT_EQ(_rnd_val_(-2.5, 0), -3);
    EXPECT_EQ(_rnd_val_(1234, -2), 1200);
    EXPECT_EQ(_rnd_val_(1250, -2), 1300);
    // 2.675 is stored just below itself; the extended-precision product still
    // lands on 268 after rounding to double, where double arithmetic gives 267.
    EXPECT_EQ(_rnd_val_(2.675, 2), 2.68);
    EXPECT_EQ(_rnd_val_(0.125, 2), 0.13);
}

TEST(Rounding, UpIsAwayFromZeroAndDownIsTowardZero)
{
    EXPECT_EQ(_cil_val_(2.1, 0), 3);
    EXPECT_EQ(_cil_val_(-2.1, 0), -3);
    EXPECT_EQ(_flr_val_(-2.7, 0), -2);
    EXPECT_EQ(_flr_val_(2.7, 0), 2);
    EXPECT_EQ(_cil_val_(1.21, 1), 1.3);
    EXPECT_EQ(_flr_val_(1.29, 1), 1.2);
    EXPECT_EQ(_cil_val_(1201, -2), 1300);
}

TEST(Rounding, SignOfZeroResults)
{
    double negative_zero = _flr_val_(-0.4, 0);
    EXPECT_EQ(negative_zero, 0);
    EXPECT_TRUE(std::signbit(negative_zero));
    double positive = _rnd_val_(-0.0, 0);
    EXPECT_EQ(positive, 0);
    EXPECT_FALSE(std::signbit(positive));
}

TEST(Geometry, CrossingPoints)
{
    double out[2] = {-1, -1};
    const double v1[2] = {1, 0}, v2[2] = {1, 5}, h1[2] = {0, 2}, h2[2] = {4, 2};
    ASSERT_EQ(_crs_pnt_(out, v1, v2, h1, h2), 1);
    EXPECT_EQ(out[0], 1);
    EXPECT_EQ(out[1], 2);

    const double d1[2] = {0, 0}, d2[2] = {2, 2}, e1[2] = {0, 2}, e2[2] = {2, 0};
    ASSERT_EQ(_crs_pnt_(out, d1, d2, e1, e2), 1);
    EXPECT_DOUBLE_EQ(out[0], 1);
    EXPECT_DOUBLE_EQ(out[1], 1);

    ASSERT_EQ(_crs_pnt_(out, h1, h2, d1, d2), 1);  // horizontal y=2 against y=x
    EXPECT_DOUBLE_EQ(out[0], 2);
    EXPECT_DOUBLE_EQ(out[1], 2);
}

TEST(Geometry, ParallelOrDegenerateLinesLeaveOutUntouched)
{
    double out[2] = {7, 7};
    const double a1[2] = {0, 0}, a2[2] = {1, 1}, b1[2] = {0, 1}, b2[2] = {1, 2};
    EXPECT_EQ(_crs_pnt_(out, a1, a2, b1, b2), 0);
    EXPECT_EQ(_crs_pnt_(out, a1, a2, a1, a2), 0);  // the same line
    EXPECT_EQ(_crs_pnt_(out, a1, a1, b1, b2), 0);
    EXPECT_EQ(_crs_pnt_(out, a1, a2, b2, b2), 0);
    const double v1[2] = {3, 0}, v2[2] = {3, 9}, w1[2] = {4, 0}, w2[2] = {4, 1};
    EXPECT_EQ(_crs_pnt_(out, v1, v2, w1, w2), 0);
    EXPECT_EQ(out[0], 7);
    EXPECT_EQ(out[1], 7);
}

TEST(Geometry, SideOfALine)
{
    const double a[2] = {0, 0}, b[2] = {1, 0};
    const double above[2] = {0, 1}, below[2] = {0, -1}, near[2] = {0.5, 0.4};
    EXPECT_EQ(_pnt_lin_(above, a, b), 1);
    EXPECT_EQ(_pnt_lin_(below, a, b), -1);
    EXPECT_EQ(_pnt_lin_(near, a, b), 0);
    const double far[2] = {3, -7.9};
    const double far_b[2] = {10, 0};
    EXPECT_EQ(_pnt_lin_(far, a, far_b), -79);
}

TEST(Geometry, SideOfALineBeyondTheIntRangeKeepsItsSign)
{
    const double a[2] = {0, 0}, b[2] = {1e12, 0};
    const double above[2] = {0, 1e12}, below[2] = {0, -1e12};
    EXPECT_EQ(_pnt_lin_(above, a, b), INT_MAX);
    EXPECT_EQ(_pnt_lin_(below, a, b), INT_MIN);
    const double edge_b[2] = {2147483647.0, 0}, one_up[2] = {0, 1}, one_down[2] = {0, -1};
    EXPECT_EQ(_pnt_lin_(one_up, a, edge_b), INT_MAX);
    EXPECT_EQ(_pnt_lin_(one_down, a, edge_b), -INT_MAX);
    const double lost[2] = {0, std::nan("")};
    EXPECT_EQ(_pnt_lin_(lost, a, b), 0);
}

}  // namespace
