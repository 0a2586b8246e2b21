#include "platform/core/text/Vdn_Array.h"

#include "platform/core/text/Vdn_StringArray.h"

#include <gtest/gtest.h>

namespace {

TEST(Vdn_Array, InsertAndRemoveReportIndexErrorsByResult) {
    Vdn_Array<int> values{1, 2, 3};
    EXPECT_EQ(values.append(4), 3);
    EXPECT_TRUE(values.insertAt(0, 0));
    EXPECT_TRUE(values.insertAt(values.length(), 5));
    EXPECT_FALSE(values.insertAt(-1, 9));
    EXPECT_FALSE(values.insertAt(values.length() + 1, 9));
    EXPECT_EQ(values, (Vdn_Array<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(values.removeAt(0));
    EXPECT_FALSE(values.removeAt(5));
    EXPECT_FALSE(values.removeAt(-1));
    EXPECT_EQ(values, (Vdn_Array<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(values.find(3), 2);
    EXPECT_EQ(values.find(3, 3), -1);
    EXPECT_EQ(values.find(9), -1);
    EXPECT_TRUE(values.contains(5));
}

TEST(Vdn_Array, CopiesAreIndependentValues) {
    Vdn_Array<int> a{1, 2};
    Vdn_Array<int> b = a;
    b[0] = 9;
    EXPECT_EQ(a[0], 1);
    int sum = 0;
    for (const int v : b)
        sum += v;
    EXPECT_EQ(sum, 11);
}

// An array of flags hands out real bool references, as every other array does.
TEST(Vdn_Array, FlagsAreAddressableLikeOtherElements) {
    Vdn_Array<bool> flags{true, false, true};
    bool& second = flags[1];
    second = true;
    const Vdn_Array<bool>& view = flags;
    const bool* first = &view[0];
    EXPECT_TRUE(*first);
    EXPECT_EQ(flags, (Vdn_Array<bool>{true, true, true}));
    flags[2] = false;
    EXPECT_EQ(flags.find(false), 2);
    EXPECT_EQ(flags.find(true, 2), -1);
    int set = 0;
    for (const bool flag : flags)
        set += flag ? 1 : 0;
    EXPECT_EQ(set, 2);
    EXPECT_EQ(Vdn_Array<bool>(std::vector<bool>{false, true})[1], true);
}

TEST(Vdn_StringArray, FindHonoursTheCaseFlag) {
    Vdn_StringArray names{L"Width", L"height", L"WIDTH"};
    EXPECT_EQ(names.find(L"width"), -1);
    EXPECT_EQ(names.find(L"width", false), 0);
    EXPECT_EQ(names.find(L"WIDTH"), 2);
    EXPECT_EQ(names.find(L"depth", false), -1);
    EXPECT_TRUE(names.contains(L"HEIGHT", false));
    EXPECT_FALSE(names.contains(L"HEIGHT"));
    names.append(L"x");
    EXPECT_EQ(names.length(), 4);
    EXPECT_EQ(names.last().str(), L"x");
}

} // namespace
