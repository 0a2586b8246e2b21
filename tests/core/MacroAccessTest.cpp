#include "MacroSamples.h"
#include "platform/core/model/Vdn_DbMacro.h"

#include <gtest/gtest.h>

namespace {

TEST(MacroAccess, ModuleNamesInMacroOrder) {
    const Vdn_DbMacro macro = sampleMacro();
    EXPECT_EQ(macro.name, Vdn_String(L"EndPlate"));
    EXPECT_EQ(macro.getModuleNames(),
              (Vdn_StringArray{L"Plate1", L"Plate2", L"Bolts1", L"Column"}));
}

struct GroupCase {
    const char* label;
    const wchar_t* group;
    Acad::ErrorStatus expected;
    Vdn_StringArray names;
};

class ModulesOfGroup : public ::testing::TestWithParam<GroupCase> {};

TEST_P(ModulesOfGroup, ByTabName) {
    const GroupCase& c = GetParam();
    const Vdn_DbMacro macro = sampleMacro();
    Vdn_StringArray names{L"stale"};
    EXPECT_EQ(macro.getModNamesOfGroup(c.group, names), c.expected);
    EXPECT_EQ(names, c.expected == Acad::eOk ? c.names : Vdn_StringArray{L"stale"});
}

INSTANTIATE_TEST_SUITE_P(
    MacroAccess, ModulesOfGroup,
    ::testing::Values(GroupCase{"GroupOfTwo", L"Plate", Acad::eOk, {L"Plate1", L"Plate2"}},
                      GroupCase{"AnyCase", L"bOLTS", Acad::eOk, {L"Bolts1"}},
                      GroupCase{"ModuleWithoutGroup", L"Column", Acad::eOk, {L"Column"}},
                      // A grouped module is found by its group only.
                      GroupCase{"NameOfGroupedModule", L"Plate1", Acad::eKeyNotFound, {}},
                      GroupCase{"Unknown", L"Beam", Acad::eKeyNotFound, {}},
                      GroupCase{"Empty", L"", Acad::eKeyNotFound, {}}),
    [](const ::testing::TestParamInfo<GroupCase>& info) { return info.param.label; });

TEST(MacroAccess, OpenModuleGivesTheMacrosOwnModule) {
    Vdn_DbMacro macro = sampleMacro();
    Vdn_Module* module = nullptr;
    ASSERT_EQ(macro.openModule(L"bolts1", module), Acad::eOk);
    EXPECT_EQ(module, &macro.modules[2]);
    module->boltData.diameter = L"24"; // changes go into the macro
    EXPECT_EQ(macro.modules[2].boltData.diameter, Vdn_String(L"24"));

    const Vdn_DbMacro& constMacro = macro;
    const Vdn_Module* found = nullptr;
    EXPECT_EQ(constMacro.openModule(L"Beam", found), Acad::eKeyNotFound);
    EXPECT_EQ(found, nullptr);
}

TEST(MacroAccess, GeneralVariablesAsTexts) {
    Vdn_DbMacro macro = sampleMacro();
    Vdn_StringArray names{L"stale"};
    Vdn_StringArray values;
    EXPECT_EQ(macro.getGeneralVariables(names, values), Acad::eOk);
    EXPECT_EQ(names, (Vdn_StringArray{L"gen_Gap", L"gen_Weld"}));
    EXPECT_EQ(values, (Vdn_StringArray{L"10", L"4.5"}));

    Vdn_String value = L"12.5";
    EXPECT_EQ(macro.getSetGenVarValue(L"GEN_GAP", value, true), Acad::eOk);
    value = L"";
    EXPECT_EQ(macro.getSetGenVarValue(L"gen_Gap", value, false), Acad::eOk);
    EXPECT_EQ(value, Vdn_String(L"12.5"));

    value = L"7";
    EXPECT_EQ(macro.getSetGenVarValue(L"gen_Bolt", value, true), Acad::eKeyNotFound);
    EXPECT_EQ(macro.getSetGenVarValue(L"gen_Bolt", value, false), Acad::eKeyNotFound);
    EXPECT_EQ(value, Vdn_String(L"7"));
    EXPECT_EQ(macro.generalVariables.length(), 2); // a write never adds a variable
}

TEST(MacroAccess, BaseProfilesByPosition) {
    const Vdn_DbMacro macro = sampleMacro();
    Vdn_Array<int> ids{9};
    EXPECT_EQ(macro.mapBaseProfIds(ids), Acad::eOk);
    EXPECT_EQ(ids, (Vdn_Array<int>{0, 1}));

    const Vdn_BaseProfile* profile = nullptr;
    ASSERT_EQ(macro.getBaseProf(0, profile), Acad::eOk);
    Vdn_String text;
    EXPECT_EQ(profile->getSectionName(text), Acad::eOk);
    EXPECT_EQ(text, Vdn_String(L"HEA-200"));
    EXPECT_EQ(profile->getMaterial(text), Acad::eOk);
    EXPECT_EQ(text, Vdn_String(L"S235"));

    ASSERT_EQ(macro.getBaseProf(1, profile), Acad::eOk);
    EXPECT_EQ(profile->getSectionName(text), Acad::eNotApplicable);
    EXPECT_EQ(profile->getMaterial(text), Acad::eNotApplicable);
    EXPECT_EQ(text, Vdn_String(L"S235"));

    EXPECT_EQ(macro.getBaseProf(2, profile), Acad::eOutOfRange);
    EXPECT_EQ(macro.getBaseProf(-1, profile), Acad::eOutOfRange);
}

} // namespace
