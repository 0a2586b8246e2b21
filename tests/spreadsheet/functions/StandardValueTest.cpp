// Choosing a standard size: pickStandardValue, the rounding fallback and size-list files.

#include "spreadsheet/functions/StandardValue.h"

#include "FunctionsTestSupport.h"
#include "spreadsheet/functions/SizeList.h"

#include <cmath>
#include <optional>

namespace ssfunctions_test {
namespace {

TEST(PickStandardValue, NearerSideFirstWithinBothTolerances) {
    struct Case {
        Vdn_Array<double> sizes;
        double value, down, up;
        std::optional<double> picked;
    };
    const Case cases[] = {
        {{10, 12, 15}, 11, 1, 1, 10},               // equal distances prefer the lower value
        {{10, 12, 15}, 11, 0.5, 1, 12},             // below is too far down
        {{10, 12, 15}, 11, 0.5, 0.5, std::nullopt}, // neither: the rounding decides
        {{10, 12, 15}, 12, 0, 0, 12},               // an exact size needs no tolerance
        {{10, 12, 15}, 14, 3, 1, 15},               // nearer above
        {{10, 12, 15}, 14, 3, 0.5, 12},             // above out of reach: below instead
        {{10, 12, 15}, 16, 5, 5, 15},               // nothing above
        {{10, 12, 15}, 9, 5, 1, 10},                // nothing below
        {{10, 12, 15}, 9, 5, 0.9, std::nullopt},
        {{15, 10, 12}, 11, 1, 1, 10}, // list order does not matter here
        {{12, 10, 10, 12}, 11, 1, 1, 10},
        {{}, 11, 100, 100, std::nullopt},
        // The other side's bound also applies: below must not lie above value + up.
        {{10}, 11, 2, -1.5, std::nullopt},
        {{13}, 11, -2.5, 3, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ss::pickStandardValue(c.sizes, c.value, c.down, c.up), c.picked)
            << c.value << " down " << c.down << " up " << c.up;
    }
}

TEST(PickStandardValue, AnEntryExactlyOnATolerancesEdgeFits) {
    // 10.3 - 10.2 and 10.2 - 10.1 are stored just above 0.1.
    EXPECT_EQ(ss::pickStandardValue({10.3}, 10.2, 0, 0.1), std::optional<double>(10.3));
    EXPECT_EQ(ss::pickStandardValue({10.1}, 10.2, 0.1, 0), std::optional<double>(10.1));
    EXPECT_EQ(ss::pickStandardValue({0.3}, 0.1 + 0.2, 0, 0), std::optional<double>(0.3));
    EXPECT_FALSE(ss::pickStandardValue({10.31}, 10.2, 0, 0.1)) << "beyond the edge";
}

TEST(PickStandardValue, EarlierEntryWinsAnEqualDistanceOnOneSide) {
    // -0.0 and 0.0 are equally far from 1; the earlier one is the answer.
    const std::optional<double> picked = ss::pickStandardValue({-0.0, 0.0}, 1, 2, 2);
    ASSERT_TRUE(picked);
    EXPECT_TRUE(std::signbit(*picked));
}

TEST(RoundWithinTolerance, DownOrUpToTheStepWithinTheTolerances) {
    struct Case {
        double value, step, up, down, expected;
    };
    const Case cases[] = {
        {222, 5, 2, 2, 220},    // down is nearer
        {223, 5, 2, 2, 225},    // up is nearer
        {222.5, 5, 3, 3, 220},  // a tie goes down
        {222, 5, 3, 1, 225},    // down out of its tolerance: up
        {223, 5, 1, 3, 220},    // up out of its tolerance: down
        {222, 10, 1, 1, 222},   // neither: the value stays
        {220, 5, 0, 0, 220},    // on a multiple already
        {7, 0, 1, 1, 7},        // no step
        {222, 5, 0.5, -1, 223}, // bounds crossed: the value is held at value + 1
        {-222, 5, 2, 2, -220},
        {1.2, 0.1, 0, 0.5, 1.2},     // on its step although 1.2 / 0.1 is stored above 12
        {0.3, 0.1, 0, 0, 0.3},       // and without any tolerance
        {10.25, 0.1, 0.05, 0, 10.3}, // up by exactly its tolerance
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(ss::roundWithinTolerance(c.value, c.step, c.up, c.down), c.expected)
            << c.value << " step " << c.step << " up " << c.up << " down " << c.down;
    }
    EXPECT_DOUBLE_EQ(ss::roundDownTo(12.7, 0.5), 12.5);
    EXPECT_DOUBLE_EQ(ss::roundDownTo(12.9, 0.5), 12.5) << "rounded to 13, which is above";
    EXPECT_DOUBLE_EQ(ss::roundDownTo(-12.1, 0.5), -12.5);
}

class SizeLists : public FunctionsTest {};

TEST_F(SizeLists, LinesGiveAWidthAndAThicknessOrOneSize) {
    const ss::SizeList sizes = ss::readSizeList(L"flats.txt");
    EXPECT_EQ(sizes.firstValues, (Vdn_Array<double>{200, 250, 300}));
    EXPECT_EQ(sizes.secondValues, (Vdn_Array<double>{10, 12, 0}));
    const ss::SizeList missing = ss::readSizeList(L"nosuch.txt");
    EXPECT_TRUE(missing.firstValues.isEmpty());
    EXPECT_TRUE(missing.secondValues.isEmpty());
}

} // namespace
} // namespace ssfunctions_test
