#include "tests/spreadsheet/standards/StandardsTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace standardstest;

#define F L"\u0192"
#define B L"\u2022"

class ModuleGroupAccessTest : public StandardsTest {
protected:
    Acad::ErrorStatus read(const wchar_t* group, const wchar_t* name, TfValueType type,
                           Vdn_String& value) {
        data.moduleGroup = group;
        EXPECT_EQ(mapping.initFromModuleGroup(group), Acad::eOk);
        return mapping.getMacroVarValue(name, type, value, data);
    }
    Acad::ErrorStatus write(const wchar_t* group, const wchar_t* name, TfValueType type,
                            const wchar_t* value) {
        data.moduleGroup = group;
        EXPECT_EQ(mapping.initFromModuleGroup(group), Acad::eOk);
        return mapping.setMacroVarValue(name, type, value, data);
    }

    TfSSMapping mapping;
};

TEST_F(ModuleGroupAccessTest, SetUpNeedsAGroupAndDropsEarlierEntries) {
    mapping = listMapping(L"M=Width" F L"Plate" B L"Distance W");
    EXPECT_EQ(mapping.initFromModuleGroup(L""), Acad::eInvalidInput);
    EXPECT_EQ(mapping.mode(), TfSSMapping::kNotSetUp);
    EXPECT_EQ(mapping.initFromModuleGroup(L"Plate"), Acad::eOk);
    EXPECT_EQ(mapping.mode(), TfSSMapping::kModuleGroup);
    EXPECT_TRUE(mapping.mappedObjects().isEmpty());
}

TEST_F(ModuleGroupAccessTest, NamesResolveByConvention) {
    struct Case {
        const wchar_t* group;
        const wchar_t* name;
        TfValueType type;
        const wchar_t* value; // null: the read fails
    };
    const Case cases[] = {
        {L"Plate", L"W", tfDouble, L"200"}, // the first module that knows the name wins
        {L"Plate", L"Only2", tfInteger, L"7"},
        {L"Plate", L"Only2", tfString, nullptr},
        {L"Plate", L"Missing", tfDouble, nullptr},
        {L"Plate", L"gen.Gap", tfDouble, L"10.5000"},
        {L"Plate", L"GEN.gap", tfInteger, L"10.5000"},
        {L"Plate", L"gen.None", tfDouble, nullptr},
        {L"Plate", L"C1.Cut", tfDouble, L"5.0000000"},
        {L"Plate", L"c1.cutlength", tfDouble, L"0.0000000"},
        {L"Plate", L"C1.CutRadius", tfDouble, L"2.5000000"},
        {L"Plate", L"C1.Chamfer1", tfDouble, nullptr},
        {L"Plate", L"C1.Cut", tfString, nullptr},
        {L"Bolts", L"Any.Diameter", tfDouble, L"20"},
        {L"Bolts", L".HoleOffset", tfDouble, L"2"},
        {L"Bolts", L"P1.NrBolts2", tfString, L"3"},
        {L"Bolts", L"P1.NrBolts1", tfInteger, L"2"},
        {L"Bolts", L"P1.ReverseStart2", tfInteger, L"1"},
        {L"Bolts", L"P1.ReverseStart2", tfString, nullptr},
        {L"Plate", L"P1.ReverseStart1", tfInteger, nullptr},
        {L"Cleat", L"Angle.Name", tfString, L"L-80x8"},
        {L"Cleat", L"Angle.Material", tfString, L"S235"},
        {L"Cleat", L"Angle.MemberName", tfString, L"CL"},
        {L"Cleat", L"Nope.Name", tfString, nullptr},
        {L"Cleat", L"L", tfDouble, L"80"},
        {L"Cleat", L"L", tfString, nullptr},
        {L"NoGroup", L"W", tfDouble, nullptr},
    };
    for (const Case& c : cases) {
        Vdn_String value = L"old";
        const Acad::ErrorStatus es = read(c.group, c.name, c.type, value);
        EXPECT_EQ(es == Acad::eOk, c.value != nullptr) << Vdn_String(c.name);
        EXPECT_EQ(value, c.value ? c.value : L"old") << Vdn_String(c.name);
    }
}

TEST_F(ModuleGroupAccessTest, GeneralVariablesHaveFourDecimalsHereAndEightInAList) {
    Vdn_String byName;
    ASSERT_EQ(read(L"Plate", L"gen.Gap", tfDouble, byName), Acad::eOk);
    TfSSMapping list = listMapping(L"M=Gap" F B L"GenVar gen_Gap");
    data.moduleGroup = L"";
    Vdn_String byEntry;
    ASSERT_EQ(list.getMacroVarValue(L"Gap", tfDouble, byEntry, data), Acad::eOk);
    EXPECT_EQ(byName, L"10.5000");
    EXPECT_EQ(byEntry, L"10.50000000");
}

TEST_F(ModuleGroupAccessTest, WritesGoToEveryModuleThatKnowsTheName) {
    EXPECT_EQ(write(L"Plate", L"W", tfDouble, L"111"), Acad::eOk);
    EXPECT_EQ(constraintValue(L"Plate1", L"W"), L"111");
    EXPECT_EQ(constraintValue(L"Plate2", L"W"), L"111");
    EXPECT_EQ(write(L"Plate", L"Only2", tfDouble, L"9"), Acad::eOk);
    EXPECT_EQ(constraintValue(L"Plate2", L"Only2"), L"9");
    EXPECT_EQ(write(L"Plate", L"gen.Gap", tfDouble, L"3.5"), Acad::eOk);
    EXPECT_EQ(macro.generalVariables[0].value, L"3.5");
    EXPECT_EQ(write(L"Cleat", L"Angle.MemberName", tfString, L"NEW"), Acad::eOk);
    EXPECT_EQ(tab(L"Cleat").profiles[0].memberName, L"NEW");

    const Vdn_DbMacro before = macro;
    EXPECT_EQ(write(L"Plate", L"Missing", tfDouble, L"1"), Acad::eInvalidInput);
    EXPECT_EQ(write(L"Cleat", L"Angle.Name", tfString, L"IPE-100"), Acad::eInvalidInput);
    EXPECT_EQ(macro, before);
}

TEST_F(ModuleGroupAccessTest, AModuleNeedsItsTabInTheRecord) {
    record.tabs.removeAt(record.findTab(L"Plate"));
    Vdn_String value = L"old";
    EXPECT_EQ(read(L"Plate", L"W", tfDouble, value), Acad::eInvalidInput);
    data.macroData = nullptr;
    EXPECT_EQ(read(L"Bolts", L"x.Diameter", tfDouble, value), Acad::eInvalidInput);
    data.macroData = &record;
    data.dbMacro = nullptr;
    EXPECT_EQ(read(L"Bolts", L"x.Diameter", tfDouble, value), Acad::eInvalidInput);
    EXPECT_EQ(write(L"Bolts", L"x.Diameter", tfDouble, L"1"), Acad::eInvalidInput);
    EXPECT_EQ(value, L"old");
}

} // namespace
