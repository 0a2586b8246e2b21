#include "platform/host/AcArray.h"

#include "platform/host/AcDbObjectId.h"

#include <gtest/gtest.h>
#include <set>
#include <unordered_set>

namespace {

TEST(AcArray, PhysicalLengthGrowsInStepsOfTheGrowLength) {
    AcArray<int> array(0, 8);
    EXPECT_EQ(array.physicalLength(), 0);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(array.append(i * 10), i);
    EXPECT_EQ(array.length(), 9);
    EXPECT_EQ(array.physicalLength(), 16);
    array.setLogicalLength(30);
    EXPECT_EQ(array.physicalLength(), 32);
    EXPECT_EQ(array.at(29), 0);
    array.setLogicalLength(2);
    EXPECT_EQ(array.length(), 2);
    EXPECT_EQ(array.last(), 10);
}

TEST(AcArray, FindRemoveAndInsert) {
    AcArray<int> array{5, 7, 5, 9};
    int at = -1;
    ASSERT_TRUE(array.find(5, at));
    EXPECT_EQ(at, 0);
    ASSERT_TRUE(array.find(5, at, 1));
    EXPECT_EQ(at, 2);
    EXPECT_FALSE(array.find(5, at, 3));
    EXPECT_EQ(at, 2) << "a failed search leaves the index alone";
    EXPECT_FALSE(array.contains(4));

    array.removeAt(1).insertAt(0, 1);
    EXPECT_EQ(array, (AcArray<int>{1, 5, 5, 9}));
    EXPECT_TRUE(array.remove(5, 2));
    EXPECT_EQ(array, (AcArray<int>{1, 5, 9}));
    EXPECT_FALSE(array.remove(4));
    array.removeLast();
    EXPECT_EQ(array, (AcArray<int>{1, 5}));
}

TEST(AcArray, BoolElementsAreRealReferences) {
    AcArray<bool> flags;
    flags.append(false);
    flags.append(true);
    bool& first = flags[0];
    first = true;
    EXPECT_TRUE(flags.at(0));
    AcArray<bool> copy = flags;
    copy[1] = false;
    EXPECT_TRUE(flags[1]) << "copies are independent values";
}

TEST(AcDbObjectId, NullComparisonOrderAndHash) {
    const AcDbObjectId null;
    EXPECT_TRUE(null.isNull());
    EXPECT_EQ(null, AcDbObjectId::kNull);
    AcDbObjectId a(7);
    const AcDbObjectId b(9);
    EXPECT_FALSE(a.isNull());
    EXPECT_LT(a, b);
    EXPECT_NE(a, b);
    const std::set<AcDbObjectId> ordered{b, a, null};
    EXPECT_EQ(*ordered.begin(), null);
    const std::unordered_set<AcDbObjectId> hashed{a, b, AcDbObjectId(7)};
    EXPECT_EQ(hashed.size(), 2u);
    a.setNull();
    EXPECT_TRUE(a.isNull());
}

} // namespace
