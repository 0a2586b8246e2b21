#include "platform/core/text/NumberHelpers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct RoundCase {
    double value;
    double step;
    double expected;
};

TEST(ObjectExportRoundTo, NearestMultipleWithTiesAwayFromZero) {
    const RoundCase cases[] = {
        {12.4, 1, 12}, {12.5, 1, 13}, {-12.5, 1, -13},  {-12.4, 1, -12},
        {11, 5, 10},   {12.5, 5, 15}, {1.15, 0.1, 1.2}, {0.25, 0.5, 0.5},
        {7, -2, 8},    {3.3, 0, 3.3}, {0.3, 0.1, 0.3},  {1234.5678, 0.01, 1234.57},
        {-0.4, 1, 0},
    };
    for (const RoundCase& c : cases)
        EXPECT_NEAR(ObjectExportRoundTo(c.value, c.step), c.expected, 1e-9)
            << c.value << " step " << c.step;
    EXPECT_FALSE(std::signbit(ObjectExportRoundTo(-0.4, 1)));
    EXPECT_EQ(ObjectExportRoundTo(5, std::numeric_limits<double>::quiet_NaN()), 5);
}

TEST(ObjectExportRoundUp, MultipleAtOrAboveTheValue) {
    struct Case {
        double value;
        double step;
        double tolerance;
        double expected;
    };
    const Case cases[] = {
        {11, 5, 1, 15},        {10, 5, 1, 10},  {-7, 5, 1, -5}, {0.30000000000000004, 0.1, 0, 0.3},
        {10 + 1e-9, 5, 1, 10}, // noise above a multiple, within the capped margin
        {10 + 1e-6, 5, 1, 15}, // a real excess is never rounded down
        {10 + 1e-9, 5, 0, 15}, {11, 5, -1, 15}, {11, 0, 1, 11},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(ObjectExportRoundUp(c.value, c.step, c.tolerance), c.expected, 1e-9)
            << c.value << " step " << c.step << " tolerance " << c.tolerance;
}

TEST(ObjectExportSort, AscendingWithNaNLast) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Vdn_Array<double> values{3, nan, -1, 2.5, 3, 0};
    ObjectExportSort(values);
    ASSERT_EQ(values.length(), 6);
    EXPECT_EQ(values[0], -1);
    EXPECT_EQ(values[1], 0);
    EXPECT_EQ(values[2], 2.5);
    EXPECT_EQ(values[3], 3);
    EXPECT_EQ(values[4], 3);
    EXPECT_TRUE(std::isnan(values[5]));
}

} // namespace
