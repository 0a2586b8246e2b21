#include "MacroSamples.h"
#include "platform/core/model/Vdn_DbMacro.h"

#include <gtest/gtest.h>

namespace {

class ModuleAccess : public ::testing::Test {
protected:
    Vdn_Module& module(const wchar_t* name) {
        Vdn_Module* found = nullptr;
        EXPECT_EQ(macro.openModule(name, found), Acad::eOk) << Vdn_String(name);
        return found ? *found : fallback;
    }

    Vdn_DbMacro macro = sampleMacro();
    Vdn_Module fallback;
};

TEST_F(ModuleAccess, DialogVariablesListEveryVariableWithItsFlags) {
    Vdn_StringArray names{L"stale"};
    std::vector<bool> shown{true};
    std::vector<bool> settable;
    EXPECT_EQ(module(L"Plate1").getDialogVariables(names, shown, settable), Acad::eOk);
    EXPECT_EQ(names, (Vdn_StringArray{L"W", L"H", L"T"}));
    EXPECT_EQ(shown, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(settable, (std::vector<bool>{true, false, true}));

    EXPECT_EQ(module(L"Bolts1").getDialogVariables(names, shown, settable), Acad::eOk);
    EXPECT_TRUE(names.isEmpty());
    EXPECT_TRUE(shown.empty() && settable.empty());
}

TEST_F(ModuleAccess, ConstraintVariableReadsAndWritesText) {
    Vdn_Module& plate = module(L"Plate1");
    Vdn_String value;
    EXPECT_EQ(plate.getSetConstrVarValue(L"h", value, false), Acad::eOk);
    EXPECT_EQ(value, Vdn_String(L"300")); // a number in the file, a text in the model

    value = L"250";
    EXPECT_EQ(plate.getSetConstrVarValue(L"W", value, true), Acad::eOk);
    value = L"";
    EXPECT_EQ(plate.getSetConstrVarValue(L"W", value, false), Acad::eOk);
    EXPECT_EQ(value, Vdn_String(L"250"));

    // Missing, and not settable: the value passed in and the model stay as they were.
    value = L"keep";
    EXPECT_EQ(plate.getSetConstrVarValue(L"Missing", value, false), Acad::eKeyNotFound);
    EXPECT_EQ(value, Vdn_String(L"keep"));
    value = L"999";
    EXPECT_EQ(plate.getSetConstrVarValue(L"H", value, true), Acad::eNotApplicable);
    EXPECT_EQ(plate.getSetConstrVarValue(L"H", value, false), Acad::eOk);
    EXPECT_EQ(value, Vdn_String(L"300"));
}

TEST_F(ModuleAccess, CutsByNameWithTheirAllowedOffsets) {
    Vdn_Module& plate = module(L"Plate1");
    Vdn_StringArray names;
    EXPECT_EQ(plate.getCutConstraints(names), Acad::eOk);
    EXPECT_EQ(names, (Vdn_StringArray{L"C1"}));

    Vdn_CutConstraint* cut = nullptr;
    EXPECT_EQ(plate.getCutConstraint(L"C2", cut), Acad::eKeyNotFound);
    EXPECT_EQ(cut, nullptr);
    ASSERT_EQ(plate.getCutConstraint(L"c1", cut), Acad::eOk);
    EXPECT_EQ(cut->type, 1);

    Vdn_Array<int> types{7};
    EXPECT_EQ(cut->getCutOffsets(types), Acad::eOk);
    EXPECT_EQ(types, (Vdn_Array<int>{0, 2, 8}));
}

struct CutValueCase {
    const char* label;
    int offsetType;
    bool set;
    const wchar_t* value;
    Acad::ErrorStatus expected;
    const wchar_t* stored; // offset type's text afterwards; null: the slot has no value
};

class CutValue : public ::testing::TestWithParam<CutValueCase> {};

TEST_P(CutValue, ReadsAndWritesOnlyTheOffsetsTheCutTypeAllows) {
    const CutValueCase& c = GetParam();
    Vdn_DbMacro macro = sampleMacro();
    Vdn_Module* plate = nullptr;
    ASSERT_EQ(macro.openModule(L"Plate1", plate), Acad::eOk);
    Vdn_CutConstraint* cut = nullptr;
    ASSERT_EQ(plate->getCutConstraint(L"C1", cut), Acad::eOk);
    const Vdn_CutConstraint before = *cut;

    Vdn_String value = c.value;
    EXPECT_EQ(cut->getSetCutValue(c.offsetType, value, c.set), c.expected);
    if (c.expected != Acad::eOk) {
        EXPECT_EQ(*cut, before);
        EXPECT_EQ(value, Vdn_String(c.value));
        return;
    }
    Vdn_String read;
    ASSERT_EQ(cut->getSetCutValue(c.offsetType, read, false), Acad::eOk);
    EXPECT_EQ(read, Vdn_String(c.stored));
    if (!c.set) {
        EXPECT_EQ(value, Vdn_String(c.stored));
    }
}

INSTANTIATE_TEST_SUITE_P(
    ModuleAccess, CutValue,
    ::testing::Values(CutValueCase{"ReadNumberGivenAsNumber", 0, false, L"", Acad::eOk, L"5"},
                      CutValueCase{"ReadZero", 2, false, L"", Acad::eOk, L"0"},
                      CutValueCase{"ReadNumberGivenAsText", 8, false, L"", Acad::eOk, L"2.5"},
                      CutValueCase{"WriteKeepsTheText", 2, true, L"12.50", Acad::eOk, L"12.50"},
                      CutValueCase{"WriteNegative", 0, true, L"-3", Acad::eOk, L"-3"},
                      CutValueCase{"ReadNullSlot", 1, false, L"x", Acad::eNotApplicable, nullptr},
                      CutValueCase{"WriteNullSlot", 7, true, L"4", Acad::eNotApplicable, nullptr},
                      CutValueCase{"WriteNotANumber", 0, true, L"abc", Acad::eInvalidInput,
                                   nullptr},
                      CutValueCase{"WriteEmpty", 0, true, L"", Acad::eInvalidInput, nullptr},
                      CutValueCase{"TypeBelowRange", -1, false, L"x", Acad::eOutOfRange, nullptr},
                      CutValueCase{"TypeAboveRange", 9, true, L"1", Acad::eOutOfRange, nullptr}),
    [](const ::testing::TestParamInfo<CutValueCase>& info) { return info.param.label; });

TEST_F(ModuleAccess, PatternsOfABoltModuleByIdAndByName) {
    const Vdn_Module& bolts = module(L"Bolts1");
    EXPECT_TRUE(bolts.isBoltModule());
    EXPECT_EQ(bolts.typeCode(), Vdn_Module::kBoltTypeCode);
    Vdn_Array<int> ids;
    EXPECT_EQ(bolts.getPatternIds(ids), Acad::eOk);
    EXPECT_EQ(ids, (Vdn_Array<int>{0, 1}));

    const Vdn_BoltPattern* pattern = nullptr;
    ASSERT_EQ(bolts.getPattern(1, pattern), Acad::eOk);
    EXPECT_EQ(pattern->name, Vdn_String(L"P2"));
    EXPECT_EQ(pattern->typeCode, 280);
    EXPECT_EQ(pattern->directionCount(), 1);
    EXPECT_EQ(bolts.getPattern(2, pattern), Acad::eOutOfRange);
    EXPECT_EQ(bolts.getPattern(-1, pattern), Acad::eOutOfRange);

    ASSERT_EQ(bolts.findPattern(L"p1", pattern), Acad::eOk);
    EXPECT_EQ(pattern->typeCode, 282);
    EXPECT_EQ(bolts.findPattern(L"P3", pattern), Acad::eKeyNotFound);
    EXPECT_EQ(pattern->name, Vdn_String(L"P1")); // unchanged by the failed lookup
}

TEST_F(ModuleAccess, PatternCallsDoNotApplyToOtherModules) {
    Vdn_Module& plate = module(L"Plate1");
    EXPECT_EQ(plate.typeCode(), 0);
    Vdn_Array<int> ids{3};
    EXPECT_EQ(plate.getPatternIds(ids), Acad::eNotApplicable);
    EXPECT_EQ(ids, (Vdn_Array<int>{3}));
    Vdn_BoltPattern* pattern = nullptr;
    EXPECT_EQ(plate.getPattern(0, pattern), Acad::eNotApplicable);
    EXPECT_EQ(plate.findPattern(L"P1", pattern), Acad::eNotApplicable);
    Vdn_String value;
    EXPECT_EQ(plate.getSetNrBolts(L"P1", 1, value, false), Acad::eNotApplicable);
}

TEST_F(ModuleAccess, NumberOfBoltsPerDirection) {
    Vdn_Module& bolts = module(L"Bolts1");
    Vdn_String value;
    EXPECT_EQ(bolts.getSetNrBolts(L"P1", 2, value, false), Acad::eOk);
    EXPECT_EQ(value, Vdn_String(L"3"));
    EXPECT_EQ(bolts.getSetNrBolts(L"P2", 1, value, false), Acad::eOk);
    EXPECT_EQ(value, Vdn_String(L"4")); // a number in the file

    value = L"2*80"; // a list of spacings is a valid count text
    EXPECT_EQ(bolts.getSetNrBolts(L"P1", 1, value, true), Acad::eOk);
    Vdn_BoltPattern* pattern = nullptr;
    ASSERT_EQ(bolts.findPattern(L"P1", pattern), Acad::eOk);
    EXPECT_EQ(pattern->nrBolts, (Vdn_StringArray{L"2*80", L"3"}));

    value = L"9";
    EXPECT_EQ(bolts.getSetNrBolts(L"P2", 2, value, true), Acad::eNotApplicable); // one direction
    EXPECT_EQ(bolts.getSetNrBolts(L"P1", 3, value, true), Acad::eOutOfRange);
    EXPECT_EQ(bolts.getSetNrBolts(L"P1", 0, value, false), Acad::eOutOfRange);
    EXPECT_EQ(bolts.getSetNrBolts(L"Nope", 1, value, false), Acad::eKeyNotFound);
    EXPECT_EQ(value, Vdn_String(L"9"));
    EXPECT_EQ(pattern->nrBolts, (Vdn_StringArray{L"2*80", L"3"}));
}

TEST_F(ModuleAccess, ReverseStartFlagsPerDirection) {
    Vdn_BoltPattern* p1 = nullptr;
    Vdn_BoltPattern* p2 = nullptr;
    ASSERT_EQ(module(L"Bolts1").findPattern(L"P1", p1), Acad::eOk);
    ASSERT_EQ(module(L"Bolts1").findPattern(L"P2", p2), Acad::eOk);

    bool reverse = true;
    EXPECT_EQ(p1->getSetBoltPatternReverses(1, reverse, false), Acad::eOk);
    EXPECT_FALSE(reverse);
    EXPECT_EQ(p1->getSetBoltPatternReverses(2, reverse, false), Acad::eOk);
    EXPECT_TRUE(reverse);
    EXPECT_EQ(p2->getSetBoltPatternReverses(1, reverse, false), Acad::eOk);
    EXPECT_FALSE(reverse); // reverseStart left out of the file: not reversed

    reverse = true;
    EXPECT_EQ(p1->getSetBoltPatternReverses(1, reverse, true), Acad::eOk);
    EXPECT_EQ(p1->reverseStart, (std::vector<bool>{true, true}));
    EXPECT_EQ(p2->getSetBoltPatternReverses(2, reverse, true), Acad::eNotApplicable);
    EXPECT_EQ(p2->getSetBoltPatternReverses(3, reverse, false), Acad::eOutOfRange);
    EXPECT_EQ(p2->reverseStart, (std::vector<bool>{false}));
}

TEST_F(ModuleAccess, NamedProfilePlacementsGiveSectionAndMaterial) {
    const Vdn_Module& plate = module(L"Plate1");
    const Vdn_ProfilePlacement* placement = nullptr;
    ASSERT_EQ(plate.getNamedPrpl(L"stiffener", placement), Acad::eOk);
    EXPECT_EQ(placement, &plate.profiles[0]); // the first of the group
    Vdn_String text;
    EXPECT_EQ(placement->getSectionName(text), Acad::eOk);
    EXPECT_EQ(text, Vdn_String(L"IPE-200"));
    EXPECT_EQ(placement->getMaterial(text), Acad::eOk);
    EXPECT_EQ(text, Vdn_String(L"S235"));
    EXPECT_EQ(plate.getNamedPrpl(L"Cleat", placement), Acad::eKeyNotFound);

    // A placement without section or material cannot give them.
    Vdn_ProfilePlacement bare;
    text = L"keep";
    EXPECT_EQ(bare.getSectionName(text), Acad::eNotApplicable);
    EXPECT_EQ(bare.getMaterial(text), Acad::eNotApplicable);
    EXPECT_EQ(text, Vdn_String(L"keep"));
}

TEST_F(ModuleAccess, TabNameIsTheGroupOrTheModuleName) {
    EXPECT_EQ(module(L"Plate2").tabName(), Vdn_String(L"Plate"));
    EXPECT_EQ(module(L"Column").tabName(), Vdn_String(L"Column"));
}

} // namespace
