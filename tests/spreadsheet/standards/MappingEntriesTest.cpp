#include "spreadsheet/standards/TfSSMapping.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// "¿", "ƒ", "•" as they separate a mapping line.
#define Q L"\u00BF"
#define F L"\u0192"
#define B L"\u2022"

TfSSMapping parse(const wchar_t* line) {
    TfSSMapping mapping;
    EXPECT_EQ(mapping.initMappingFromLine(line), Acad::eOk) << Vdn_String(line);
    return mapping;
}

std::vector<int> toVector(const AcArray<int>& items) {
    std::vector<int> out;
    for (int i = 0; i < items.length(); ++i)
        out.push_back(items[i]);
    return out;
}

TEST(MappingLineTest, BadPartsAreSkippedAndTheRestLoads) {
    const TfSSMapping mapping =
        parse(L"M1=Width" F L"Plate" B L"Distance W" Q L"NoTarget" Q // no "ƒ"
              L"Odd" F L"Plate" B L"Length W" Q                      // unknown keyword
              L"NoObject" F L"Distance W" Q Q                        // no "•", empty
              L"  Gap " F L" " B L"GenVar gen_Gap ");
    ASSERT_EQ(mapping.mappedObjects().length(), 2);
    EXPECT_EQ(mapping.mappedObjects()[0].ssName, L"Width");
    EXPECT_EQ(mapping.mappedObjects()[1].ssName, L"Gap");
    EXPECT_EQ(mapping.mappedObjects()[1].objectName, L"");
    EXPECT_EQ(mapping.mappedObjects()[1].name, L"gen_Gap");
}

TEST(MappingLineTest, ALineWithoutEqualsSignIsNoMappingAndEmptiesTheList) {
    TfSSMapping mapping = parse(L"M1=Width" F L"Plate" B L"Distance W");
    EXPECT_EQ(mapping.initMappingFromLine(L"Width" F L"Plate" B L"Distance W"),
              Acad::eInvalidInput);
    EXPECT_TRUE(mapping.mappedObjects().isEmpty());
    EXPECT_EQ(mapping.initMappingFromLine(L"Empty="), Acad::eOk);
    EXPECT_TRUE(mapping.mappedObjects().isEmpty());
}

class MappingEntriesTest : public ::testing::Test {
protected:
    // 0 integer, 1 double, 2 string, 3 double of another variable, 4 double with kind 0.
    void SetUp() override {
        mapping = parse(L"M=Count" F L"Bolts" B L"PatternReverseStart1 "
                        L"P"
                        L"1" Q L"coun"
                        L"t" F L"Plat"
                        L"e" B L"Distance "
                        L"W" Q L"Coun"
                        L"t" F L"Bolt"
                        L"s" B L"PatternNrBolts1 "
                        L"P1" Q L"Gap" F B L"GenVar "
                        L"gen_Gap");
        TfObjectMap invalid = mapping.mappedObjects()[1];
        invalid.kind = 0;
        mapping.mappedObjectsWrite().append(invalid);
        const int categories[] = {2, 0, 1, 0, 3};
        for (int i = 0; i < 5; ++i)
            mapping.mappedObjectsWrite()[i].category = categories[i];
    }
    TfSSMapping mapping;
};

TEST_F(MappingEntriesTest, FindSSVarNeedsTheExactValueType) {
    struct Case {
        const wchar_t* name;
        TfValueType type;
        int index;
    };
    for (const Case& c :
         {Case{L"COUNT", tfInteger, 0}, Case{L"Count", tfDouble, 1}, Case{L"Count", tfString, 2},
          Case{L"Gap", tfInteger, -1}, Case{L"Missing", tfDouble, -1}}) {
        int index = -1;
        const Acad::ErrorStatus es = mapping.findSSVar(c.name, c.type, index);
        EXPECT_EQ(es == Acad::eOk ? index : -1, c.index) << Vdn_String(c.name) << c.type;
    }
}

TEST_F(MappingEntriesTest, ValidVarsOfAnIntegerIncludeDoublesButNeverInvalidKinds) {
    AcArray<int> indexes{99};
    EXPECT_EQ(mapping.getValidVars(true, tfInteger, indexes), Acad::eOk);
    EXPECT_EQ(toVector(indexes), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(mapping.getValidVars(false, tfDouble, indexes), Acad::eOk);
    EXPECT_EQ(toVector(indexes), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(mapping.getValidVars(false, tfString, indexes), Acad::eOk);
    EXPECT_EQ(toVector(indexes), (std::vector<int>{2}));
}

TEST_F(MappingEntriesTest, SortValidVarsGroupsByCategoryOrder) {
    struct Case {
        std::vector<int> order;
        std::vector<int> expected;
    };
    const Case cases[] = {
        // Categories of entries 0..4: 2, 0, 1, 0, 3.
        {{0, 1, 2, 3}, {-1, 1, 3, -1, 2, -1, 0, -1, 4}},
        {{2, 0}, {-1, 0, -1, 1, 2, 3, 4}}, // categories 1 and 3 join the last group
        {{3}, {-1, 0, 1, 2, 3, 4}},
        {{1, 1}, {-1, 2, -1, 0, 1, 3, 4}}, // a repeated category: its first group counts
    };
    for (const Case& c : cases) {
        AcArray<int> indexes{0, 1, 2, 3, 4, 17, -1};
        AcArray<int> order;
        for (const int category : c.order)
            order.append(category);
        EXPECT_EQ(mapping.sortValidVars(indexes, order), Acad::eOk);
        EXPECT_EQ(toVector(indexes), c.expected);
    }
    AcArray<int> indexes{0, 1};
    EXPECT_EQ(mapping.sortValidVars(indexes, AcArray<int>()), Acad::eInvalidInput);
    EXPECT_TRUE(indexes.isEmpty());
}

TEST_F(MappingEntriesTest, CompatibilityCountsEntriesWithoutCounterpart) {
    const TfSSMapping other =
        parse(L"X=A" F L"PLATE" B L"Distance w" Q L"B" F L"Bolts" B L"PatternNrBolts1 P1");
    int index = -1;
    EXPECT_EQ(mapping.findCompatible(other.mappedObjects()[0], index), Acad::eOk);
    EXPECT_EQ(index, 1);
    int count = -1;
    EXPECT_EQ(mapping.isCompatible(other, count), Acad::eOk);
    EXPECT_EQ(count, 3); // entries 0, 3 and 4 (kind 0 is compatible with no kind-1 entry)
    EXPECT_EQ(other.isCompatible(mapping, count), Acad::eOk);
    EXPECT_EQ(count, 0);
    TfObjectMap stranger;
    stranger.kind = 5;
    index = 7;
    EXPECT_EQ(mapping.findCompatible(stranger, index), Acad::eInvalidInput);
    EXPECT_EQ(index, 7);
}

TEST(MappingEqualityTest, EqualityLooksOnlyAtTheEntriesOfThisMapping) {
    const TfSSMapping small = parse(L"A=Width" F L"Plate" B L"Distance W");
    const TfSSMapping large =
        parse(L"B=WIDTH" F L"plate" B L"Distance w" Q L"Gap" F B L"GenVar gen_Gap");
    EXPECT_TRUE(small.isEqual(large));
    EXPECT_FALSE(large.isEqual(small));
    EXPECT_TRUE(TfSSMapping().isEqual(small));
    // Same variable and target object, but a value of another type or object.
    EXPECT_FALSE(small.isEqual(parse(L"C=Width" F L"Plate" B L"PatternNrBolts1 W")));
    EXPECT_FALSE(small.isEqual(parse(L"C=Width" F L"Plate2" B L"Distance W")));
    TfSSMapping invalid = small;
    invalid.mappedObjectsWrite()[0].kind = 0;
    EXPECT_FALSE(invalid.isEqual(invalid));
}

} // namespace
