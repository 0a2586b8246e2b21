#include "spreadsheet/standards/MappingKinds.h"
#include "tests/spreadsheet/standards/StandardsTestSupport.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace standardstest;

#define F L"\u0192"
#define B L"\u2022"

class ListModeAccessTest : public StandardsTest {
protected:
    TfObjectMap target(const wchar_t* text) {
        TfObjectMap entry;
        EXPECT_EQ(entry.getMappingFromStrs(L"Var", text), Acad::eOk) << Vdn_String(text);
        return entry;
    }
    Acad::ErrorStatus read(const wchar_t* text, Vdn_String& value) {
        return target(text).getMacroVarValue(&macro, &record, value, &transaction);
    }
    Acad::ErrorStatus write(const wchar_t* text, const wchar_t* value) {
        return target(text).setMacroVarValue(&macro, &record, value, &transaction);
    }
    Vdn_String cutOffset(const wchar_t* moduleName, int offsetType,
                         const wchar_t* cutName = L"C1") {
        Vdn_Module* found = nullptr;
        Vdn_CutConstraint* cut = nullptr;
        Vdn_String value;
        macro.openModule(moduleName, found);
        found->getCutConstraint(cutName, cut);
        cut->getSetCutValue(offsetType, value, false);
        return value;
    }
    Vdn_BoltPattern& pattern(const wchar_t* name) {
        Vdn_Module* found = nullptr;
        Vdn_BoltPattern* result = nullptr;
        macro.openModule(L"Bolts1", found);
        found->findPattern(name, result);
        return *result;
    }
};

TEST_F(ListModeAccessTest, EveryKindReads) {
    struct Case {
        const wchar_t* target;
        const wchar_t* value; // null: the read fails
    };
    const Case cases[] = {
        {L"Plate" B L"Distance W", L"150"}, // every module reads, the last one gives the value
        {L"Plate" B L"Distance Only2", L"7"},
        {L"Plate" B L"Distance Missing", nullptr},
        {L"Nope" B L"Distance W", nullptr},
        {B L"GenVar gen_Gap", L"10.50000000"},
        {B L"GenVar GEN_WELD", L"4.00000000"},
        {B L"GenVar gen_None", nullptr},
        {L"Plate" B L"CutOffset C1", L"6.0000000"},
        {L"Plate" B L"CutLengthOffset C1", L"1.0000000"},
        {L"Plate" B L"CutRadius C1", L"3.0000000"},
        {L"Plate" B L"CutPolyOffset C1", nullptr},
        {B L"PrPlName Prof0", L"HEA-200"},
        {B L"PrPlMaterial Prof0", L"S235"},
        {B L"PrPlName Prof1", nullptr},
        {B L"PrPlMaterial Prof1", L"S355"},
        {B L"PrPlName Prof9", nullptr},
        {B L"PrPlName Profx", nullptr},
        {B L"MemberSectionSize Prof0;0", L"190"},
        {B L"MemberSectionSize Prof0;1", L"200"},
        {B L"MemberSectionSize Prof0;7", nullptr},
        {B L"MemberSectionSize Prof1;0", nullptr},
        {B L"MemberSectionSize Prof0", nullptr},
        {L"Cleat" B L"OwnedMemberName Angle", L"CL"},
        {L"Cleat" B L"OwnedMemberName Nope", nullptr},
        {L"Bolts" B L"PatternNrBolts1 P1", L"2"},
        {L"Bolts" B L"PatternNrBolts2 P1", L"3"},
        {L"Bolts" B L"PatternNrBolts2 P2", nullptr},
        {L"Plate" B L"PatternNrBolts1 P1", nullptr},
        {L"Bolts" B L"PatternReverseStart1 P1", L"0"},
        {L"Bolts" B L"PatternReverseStart2 P1", L"1"},
        {L"Bolts" B L"BoltsDiameter", L"20"},
        {L"Bolts" B L"BoltsHoleOffset", L"2"},
        {L"Plate" B L"BoltsDiameter", nullptr},
    };
    for (const Case& c : cases) {
        Vdn_String value = L"old";
        const Acad::ErrorStatus es = read(c.target, value);
        EXPECT_EQ(es == Acad::eOk, c.value != nullptr) << Vdn_String(c.target);
        EXPECT_EQ(value, c.value ? c.value : L"old") << Vdn_String(c.target);
    }
    Vdn_String value;
    EXPECT_EQ(target(L"Plate" B L"Distance W").getMacroVarValue(nullptr, &record, value, nullptr),
              Acad::eInvalidInput);
    EXPECT_EQ(target(L"Plate" B L"Distance W").getMacroVarValue(&macro, nullptr, value, nullptr),
              Acad::eInvalidInput);
}

TEST_F(ListModeAccessTest, EveryKindWrites) {
    struct Case {
        const wchar_t* target;
        const wchar_t* value;
        bool ok;
        std::function<Vdn_String()> check;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"Plate" B L"Distance Only2", L"9", true,
         [&] { return constraintValue(L"Plate2", L"Only2"); }, L"9"},
        {B L"GenVar gen_Weld", L"5.25", true, [&] { return macro.generalVariables[1].value; },
         L"5.25"},
        {B L"GenVar gen_Weld", L" 7.5mm", true, [&] { return macro.generalVariables[1].value; },
         L"7.5"},
        {B L"GenVar gen_Weld", L"abc", true, [&] { return macro.generalVariables[1].value; }, L"0"},
        {L"Plate" B L"CutRadius C1", L"4", true, [&] { return cutOffset(L"Plate1", 8); }, L"4"},
        {L"Plate" B L"CutOffset C1", L"x", false, [&] { return cutOffset(L"Plate2", 0); }, L"6"},
        {B L"PrPlName Prof0", L"IPE-100", false, [&] { return macro.baseProfiles[0].section; },
         L"HEA-200"},
        {B L"PrPlMaterial Prof0", L"S355", false, [&] { return macro.baseProfiles[0].material; },
         L"S235"},
        {L"Bolts" B L"PatternNrBolts2 P1", L"7", true, [&] { return pattern(L"P1").nrBolts[1]; },
         L"7"},
        {L"Bolts" B L"PatternNrBolts2 P2", L"7", false, [&] { return pattern(L"P2").nrBolts[0]; },
         L"4"},
        {B L"MemberSectionSize Prof0;0", L"1", false, [&] { return macro.baseProfiles[0].section; },
         L"HEA-200"},
        {L"Cleat" B L"OwnedMemberName Angle", L"NEW", true,
         [&] { return tab(L"Cleat").profiles[0].memberName; }, L"NEW"},
        {L"Bolts" B L"PatternNrBolts1 P1", L"2*80", true, [&] { return pattern(L"P1").nrBolts[0]; },
         L"2*80"},
        {L"Bolts" B L"BoltsDiameter", L"24", true,
         [&] { return tab(L"Bolts").getBoltData()->diameter; }, L"24"},
        {L"Bolts" B L"BoltsHoleOffset", L"3", true,
         [&] { return tab(L"Bolts").getBoltData()->holeOffset; }, L"3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(write(c.target, c.value) == Acad::eOk, c.ok) << Vdn_String(c.target);
        EXPECT_EQ(c.check(), c.expected) << Vdn_String(c.target);
    }
    // Cut offsets go to every module of the group.
    EXPECT_EQ(cutOffset(L"Plate2", 8), L"4");
}

TEST_F(ListModeAccessTest, EachCutKindAddressesItsOffsetType) {
    // Cut C2 of Plate1 holds offset type n as the number n.
    for (int kind = ss::MappingKinds::kCutOffset; kind <= ss::MappingKinds::kCutRadius; ++kind) {
        const int offsetType = kind - ss::MappingKinds::kCutOffset;
        const Vdn_String text = L"Plate" B + ss::MappingKinds::keyword(kind) + L" C2";
        Vdn_String value;
        ASSERT_EQ(read(text.c_str(), value), Acad::eOk) << text;
        EXPECT_EQ(value, Vdn_String(offsetType, 7)) << text;
        ASSERT_EQ(write(text.c_str(), Vdn_String(offsetType + 10).c_str()), Acad::eOk);
        EXPECT_EQ(cutOffset(L"Plate1", offsetType, L"C2"), Vdn_String(offsetType + 10));
    }
}

TEST_F(ListModeAccessTest, ConstraintWritesFixTheFlexFixButtonsFirst) {
    bool fixed = true;
    bool mixed = false;
    ASSERT_TRUE(tab(L"Plate").getFlexFixBtnStatus(L"W", fixed, mixed));
    ASSERT_TRUE(mixed); // Plate1 fixed, Plate2 flexible

    ASSERT_EQ(write(L"Plate" B L"Distance W", L"250"), Acad::eOk);
    EXPECT_EQ(constraintValue(L"Plate1", L"W"), L"250");
    EXPECT_EQ(constraintValue(L"Plate2", L"W"), L"250");
    ASSERT_TRUE(tab(L"Plate").getFlexFixBtnStatus(L"W", fixed, mixed));
    EXPECT_TRUE(fixed);
    EXPECT_FALSE(mixed);

    // H cannot be set, but its flexible button is fixed before the write is tried.
    EXPECT_EQ(write(L"Plate" B L"Distance H", L"1"), Acad::eInvalidInput);
    EXPECT_EQ(constraintValue(L"Plate1", L"H"), L"300");
    ASSERT_TRUE(tab(L"Plate").getFlexFixBtnStatus(L"H", fixed, mixed));
    EXPECT_TRUE(fixed);

    // Without buttons nothing but the value changes.
    const MacroTabData before = tab(L"Plate");
    ASSERT_EQ(write(L"Plate" B L"Distance T", L"13"), Acad::eOk);
    EXPECT_EQ(tab(L"Plate"), before);
}

TEST_F(ListModeAccessTest, ReverseStartFlagsReadBackAsWritten) {
    for (const wchar_t* text :
         {L"Bolts" B L"PatternReverseStart1 P1", L"Bolts" B L"PatternReverseStart2 P1"}) {
        Vdn_String value;
        ASSERT_EQ(read(text, value), Acad::eOk);
        const std::vector<bool> flags = pattern(L"P1").reverseStart;
        ASSERT_EQ(write(text, value.c_str()), Acad::eOk);
        EXPECT_EQ(pattern(L"P1").reverseStart, flags) << "written back: " << value;
    }
    ASSERT_EQ(write(L"Bolts" B L"PatternReverseStart1 P1", L"1"), Acad::eOk);
    EXPECT_TRUE(pattern(L"P1").reverseStart[0]);
    ASSERT_EQ(write(L"Bolts" B L"PatternReverseStart1 P1", L"0"), Acad::eOk);
    EXPECT_FALSE(pattern(L"P1").reverseStart[0]);
}

TEST_F(ListModeAccessTest, TheMappingFindsTheEntryByNameAndType) {
    TfSSMapping mapping = listMapping(L"M=Width" F L"Plate" B L"Distance W");
    Vdn_String value;
    EXPECT_EQ(mapping.getMacroVarValue(L"WIDTH", tfDouble, value, data), Acad::eOk);
    EXPECT_EQ(value, L"150");
    // An integer variable takes only integer entries.
    EXPECT_EQ(mapping.getMacroVarValue(L"Width", tfInteger, value, data), Acad::eInvalidInput);
    EXPECT_EQ(mapping.setMacroVarValue(L"Width", tfDouble, L"99", data), Acad::eOk);
    EXPECT_EQ(constraintValue(L"Plate1", L"W"), L"99");
    data.dbMacro = nullptr;
    EXPECT_EQ(mapping.getMacroVarValue(L"Width", tfDouble, value, data), Acad::eInvalidInput);
    EXPECT_EQ(mapping.setMacroVarValue(L"Width", tfDouble, L"1", data), Acad::eInvalidInput);
}

} // namespace
