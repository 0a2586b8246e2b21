// The levels record: unique names, bases that never loop, and levels that keep their base.
#include "platform/core/model/TfLevelsDlgData.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(LevelsData, KeepsNamesUniqueAndChainsFreeOfLoops) {
    TfLevelsDlgData levels;
    int a = -1;
    int b = -1;
    int c = -1;
    ASSERT_TRUE(levels.addLevel(L"A", a));
    ASSERT_TRUE(levels.addLevel(L"B", b));
    ASSERT_TRUE(levels.addLevel(L"C", c));
    int refused = 7;
    for (const wchar_t* name : {L"", L"wcs", L"Wcs", L"a", L"C"}) {
        EXPECT_FALSE(levels.addLevel(name, refused)) << Vdn_String(name);
        EXPECT_EQ(refused, -1);
    }

    ASSERT_TRUE(levels.updateLevel(b, Vdn_String(L"a"))); // B on A, spelt as A spells itself
    ASSERT_TRUE(levels.updateLevel(c, Vdn_String(L"B"))); // C on B on A
    const TfLevelsDlgData before = levels;
    EXPECT_FALSE(levels.updateLevel(a, Vdn_String(L"A"))); // itself
    EXPECT_FALSE(levels.updateLevel(a, Vdn_String(L"c"))); // through B and C
    EXPECT_FALSE(levels.updateLevel(b, Vdn_String(L"C")));
    EXPECT_FALSE(levels.updateLevel(a, Vdn_String(L"D")));   // no such level
    EXPECT_FALSE(levels.updateLevel(3, Vdn_String(L"wcs"))); // no such index
    EXPECT_FALSE(levels.updateLevel(a, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(levels, before);

    ASSERT_TRUE(levels.updateLevel(a, 100.0));
    ASSERT_TRUE(levels.updateLevel(b, 20.0));
    ASSERT_TRUE(levels.updateLevel(c, 3.0));
    Vdn_String name;
    Vdn_String base;
    double value1 = 0.0;
    double value2 = 0.0;
    ASSERT_TRUE(levels.getLevelData(c, name, base, value1, value2));
    EXPECT_EQ(base, Vdn_String(L"B"));
    EXPECT_EQ(value2, 123.0);
    EXPECT_EQ(levels.levelsOn(a), (Vdn_StringArray{L"B"}));

    EXPECT_FALSE(levels.deleteLevel(a)); // B would lose its base
    EXPECT_TRUE(levels.deleteLevel(c));
    EXPECT_TRUE(levels.deleteLevel(b));
    EXPECT_TRUE(levels.deleteLevel(a));
    Vdn_StringArray names{L"left over"};
    levels.getNames(names);
    EXPECT_TRUE(names.isEmpty());
    EXPECT_FALSE(levels.getLevelData(0, name, base, value1, value2));
}

} // namespace
