#include "MacroSamples.h"
#include "platform/core/model/MacroCellValue.h"
#include "platform/core/model/MacroData.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/text/NamedItems.h"

#include <gtest/gtest.h>

namespace {

class MacroRecord : public ::testing::Test {
protected:
    void SetUp() override {
        data.busy = true;
        ASSERT_EQ(macro.getMacroData(data), Acad::eOk);
    }
    MacroTabData& tab(const wchar_t* name) {
        MacroTabData* found = data.getTab(data.findTab(name));
        EXPECT_NE(found, nullptr) << Vdn_String(name);
        return found ? *found : fallback;
    }
    const Vdn_ConstraintVariable& variable(const wchar_t* module, const wchar_t* name) {
        Vdn_Module* found = nullptr;
        EXPECT_EQ(macro.openModule(module, found), Acad::eOk);
        const int index = found ? core::indexOfName(found->variables, name) : -1;
        EXPECT_GE(index, 0);
        return index >= 0 ? found->variables[index] : fallbackVariable;
    }

    Vdn_DbMacro macro = sampleMacro();
    MacroData data;
    MacroTabData fallback;
    Vdn_ConstraintVariable fallbackVariable;
};

TEST_F(MacroRecord, OneTabPerTabNameInModuleOrder) {
    EXPECT_EQ(data.name, Vdn_String(L"EndPlate"));
    EXPECT_TRUE(data.busy); // the marks are the caller's
    ASSERT_EQ(data.tabs.length(), 3);
    EXPECT_EQ(data.tabs[0].name, Vdn_String(L"Plate"));
    EXPECT_EQ(data.tabs[0].moduleNames, (Vdn_StringArray{L"Plate1", L"Plate2"}));
    EXPECT_EQ(data.tabs[0].kind, MacroTabData::kGeneralTab);
    EXPECT_EQ(data.tabs[1].name, Vdn_String(L"Bolts"));
    EXPECT_EQ(data.tabs[1].kind, MacroTabData::kBoltTab);
    EXPECT_EQ(data.tabs[2].name, Vdn_String(L"Column"));
    EXPECT_EQ(data.tabs[2].kind, MacroTabData::kProfileTab);

    EXPECT_EQ(data.findTab(L"bolts"), 1);
    EXPECT_EQ(data.findTab(L"Plate1"), -1);
    EXPECT_EQ(data.getTab(3), nullptr);
    EXPECT_EQ(data.getTab(-1), nullptr);
}

TEST_F(MacroRecord, BoltDataOnlyOnTabsWithBoltModules) {
    const MacroBoltData* bolts = tab(L"Bolts").getBoltData();
    ASSERT_NE(bolts, nullptr);
    EXPECT_EQ(bolts->diameter, Vdn_String(L"20"));
    EXPECT_EQ(bolts->holeOffset, Vdn_String(L"2"));
    EXPECT_EQ(tab(L"Plate").getBoltData(), nullptr);
}

TEST_F(MacroRecord, FlexFixStatusMergesTheTabsButtons) {
    bool fixed = false;
    bool mixed = true;
    // T: one flexible button.
    ASSERT_TRUE(tab(L"Plate").getFlexFixBtnStatus(L"t", fixed, mixed));
    EXPECT_FALSE(fixed);
    EXPECT_FALSE(mixed);
    // W: fixed in Plate1, flexible in Plate2.
    ASSERT_TRUE(tab(L"Plate").getFlexFixBtnStatus(L"W", fixed, mixed));
    EXPECT_FALSE(fixed);
    EXPECT_TRUE(mixed);
    // H has no button; the flags stay as they were.
    fixed = true;
    EXPECT_FALSE(tab(L"Plate").getFlexFixBtnStatus(L"H", fixed, mixed));
    EXPECT_TRUE(fixed);
    EXPECT_TRUE(mixed);
    EXPECT_FALSE(tab(L"Bolts").getFlexFixBtnStatus(L"W", fixed, mixed));
}

TEST_F(MacroRecord, ClickingSetsEveryButtonOfTheVariable) {
    MacroTabData& plate = tab(L"Plate");
    EXPECT_TRUE(plate.flexFixBtnClicked(L"w", false));
    bool fixed = false;
    bool mixed = true;
    ASSERT_TRUE(plate.getFlexFixBtnStatus(L"W", fixed, mixed));
    EXPECT_TRUE(fixed);
    EXPECT_FALSE(mixed);
    EXPECT_FALSE(plate.flexFixBtnClicked(L"W", false)); // nothing left to change
    EXPECT_FALSE(plate.flexFixBtnClicked(L"H", false)); // no button

    EXPECT_TRUE(plate.flexFixBtnClicked(L"T", false));
    EXPECT_TRUE(plate.flexFixBtnClicked(L"T", true));
    ASSERT_TRUE(plate.getFlexFixBtnStatus(L"T", fixed, mixed));
    EXPECT_FALSE(fixed);
    // The click changes the record only, until the record is written back.
    EXPECT_EQ(variable(L"Plate2", L"W").flex, std::optional<bool>(true));
}

TEST_F(MacroRecord, MergedPropertiesOfAProfileGroup) {
    MacroProfData props;
    ASSERT_TRUE(tab(L"Plate").getMergedPropsOfGroup(L"STIFFENER", props));
    EXPECT_EQ(props.name, Vdn_String(L"Stiffener"));
    EXPECT_EQ(props.moduleName, Vdn_String(L"Plate1"));
    EXPECT_EQ(props.index, -1); // two placements
    EXPECT_EQ(props.section, Vdn_String(L"IPE-200"));
    EXPECT_EQ(props.material, Vdn_String()); // S235 and S355: undetermined
    EXPECT_EQ(props.memberName, Vdn_String(L"ST1"));

    ASSERT_TRUE(tab(L"Column").getMergedPropsOfGroup(L"Cleat", props));
    EXPECT_EQ(props.index, 0);
    EXPECT_EQ(props.moduleName, Vdn_String(L"Column"));
    EXPECT_EQ(props.memberName, Vdn_String(L"CL"));

    props = MacroProfData();
    EXPECT_FALSE(tab(L"Plate").getMergedPropsOfGroup(L"Cleat", props));
    EXPECT_EQ(props, MacroProfData());
}

TEST_F(MacroRecord, SettingMergedPropertiesWritesOnlyWhatChanged) {
    MacroTabData& plate = tab(L"Plate");
    MacroProfData props;
    ASSERT_TRUE(plate.getMergedPropsOfGroup(L"Stiffener", props));
    props.memberName = L"ST2";
    ASSERT_TRUE(plate.setMergedPropsOfGroup(L"Stiffener", props));
    // The undetermined material was left alone: each placement keeps its own.
    EXPECT_EQ(plate.profiles[0].memberName, Vdn_String(L"ST2"));
    EXPECT_EQ(plate.profiles[1].memberName, Vdn_String(L"ST2"));
    EXPECT_EQ(plate.profiles[0].material, Vdn_String(L"S235"));
    EXPECT_EQ(plate.profiles[1].material, Vdn_String(L"S355"));
    EXPECT_EQ(plate.profiles[2].memberName, Vdn_String()); // another group

    // Setting a determined value to empty is a change too.
    props.memberName = L"";
    props.material = L"S275";
    ASSERT_TRUE(plate.setMergedPropsOfGroup(L"Stiffener", props));
    EXPECT_EQ(plate.profiles[0].memberName, Vdn_String());
    EXPECT_EQ(plate.profiles[1].material, Vdn_String(L"S275"));

    const MacroTabData before = plate;
    EXPECT_FALSE(plate.setMergedPropsOfGroup(L"Cleat", props));
    EXPECT_EQ(plate, before);
}

// Placements on different planes merge to the undetermined plane, which written back keeps
// each plane; the other advanced settings are written only when changed.
TEST_F(MacroRecord, MergedPlanesAndAdvancedSettings) {
    MacroTabData& plate = tab(L"Plate");
    plate.profiles[0].basePlane = L"xp";
    plate.profiles[1].basePlane = L"Web";
    MacroProfData props;
    ASSERT_TRUE(plate.getMergedPropsOfGroup(L"Stiffener", props));
    EXPECT_EQ(props.basePlane, Vdn_String(MacroProfData::kUndeterminedPlane));
    props.mirrored = true;
    ASSERT_TRUE(plate.setMergedPropsOfGroup(L"Stiffener", props));
    EXPECT_EQ(plate.profiles[0].basePlane, Vdn_String(L"xp"));
    EXPECT_EQ(plate.profiles[1].basePlane, Vdn_String(L"Web"));
    EXPECT_TRUE(plate.profiles[1].mirrored);

    ASSERT_EQ(macro.setMacroData(data), Acad::eOk);
    EXPECT_EQ(macro.modules[0].profiles[1].basePlane, Vdn_String(L"Web"));
    EXPECT_TRUE(macro.modules[0].profiles[1].mirrored);
}

TEST_F(MacroRecord, WritingTheRecordBackChangesTheModules) {
    ASSERT_TRUE(tab(L"Plate").flexFixBtnClicked(L"W", false));
    MacroProfData props;
    ASSERT_TRUE(tab(L"Plate").getMergedPropsOfGroup(L"Stiffener", props));
    props.memberName = L"ST9";
    ASSERT_TRUE(tab(L"Plate").setMergedPropsOfGroup(L"Stiffener", props));
    tab(L"Bolts").getBoltData()->diameter = L"24";

    ASSERT_EQ(macro.setMacroData(data), Acad::eOk);
    EXPECT_EQ(variable(L"Plate1", L"W").flex, std::optional<bool>(false));
    EXPECT_EQ(variable(L"Plate2", L"W").flex, std::optional<bool>(false));
    EXPECT_EQ(variable(L"Plate1", L"T").flex, std::optional<bool>(true));
    EXPECT_EQ(variable(L"Plate1", L"H").flex, std::nullopt);
    EXPECT_EQ(macro.modules[0].profiles[0].memberName, Vdn_String(L"ST9"));
    EXPECT_EQ(macro.modules[0].profiles[1].memberName, Vdn_String(L"ST9"));
    EXPECT_EQ(macro.modules[0].profiles[1].material, Vdn_String(L"S355"));
    EXPECT_EQ(macro.modules[2].boltData.diameter, Vdn_String(L"24"));
    EXPECT_EQ(macro.modules[2].boltData.holeOffset, Vdn_String(L"2"));

    // Read again, the record is what was written.
    MacroData again;
    again.busy = true;
    ASSERT_EQ(macro.getMacroData(again), Acad::eOk);
    EXPECT_EQ(again, data);
}

TEST_F(MacroRecord, MergedBoltDataLeavesUndeterminedTextsAlone) {
    Vdn_Module second = macro.modules[2];
    second.name = L"Bolts2";
    second.boltData.diameter = L"16";
    macro.modules.append(second);
    ASSERT_EQ(macro.getMacroData(data), Acad::eOk);
    MacroBoltData* bolts = tab(L"Bolts").getBoltData();
    ASSERT_NE(bolts, nullptr);
    EXPECT_EQ(bolts->diameter, Vdn_String()); // 20 and 16
    EXPECT_EQ(bolts->holeOffset, Vdn_String(L"2"));

    bolts->holeOffset = L"3";
    ASSERT_EQ(macro.setMacroData(data), Acad::eOk);
    EXPECT_EQ(macro.modules[2].boltData.diameter, Vdn_String(L"20"));
    EXPECT_EQ(macro.modules[4].boltData.diameter, Vdn_String(L"16"));
    EXPECT_EQ(macro.modules[2].boltData.holeOffset, Vdn_String(L"3"));
    EXPECT_EQ(macro.modules[4].boltData.holeOffset, Vdn_String(L"3"));
}

TEST_F(MacroRecord, ARecordThatDoesNotFitChangesNothing) {
    struct Damage {
        const char* label;
        void (*apply)(MacroData&);
        Acad::ErrorStatus expected;
    };
    const Damage damages[] = {
        {"UnknownTab", [](MacroData& d) { d.tabs[0].name = L"Beam"; }, Acad::eKeyNotFound},
        {"PlacementOutOfRange", [](MacroData& d) { d.tabs[0].profiles[0].index = 7; },
         Acad::eKeyNotFound},
        {"PlacementOfAnotherGroup", [](MacroData& d) { d.tabs[0].profiles[2].name = L"Rib"; },
         Acad::eKeyNotFound},
        {"ModuleOfAnotherTab", [](MacroData& d) { d.tabs[0].profiles[0].moduleName = L"Column"; },
         Acad::eKeyNotFound},
        {"ButtonOfUnknownModule", [](MacroData& d) { d.tabs[0].flexFixGroups[0].name = L"X"; },
         Acad::eKeyNotFound},
        {"ButtonOfVariableWithoutButton",
         [](MacroData& d) { d.tabs[0].flexFixGroups[0].entries[0].name = L"H"; },
         Acad::eKeyNotFound},
        {"BoltDataOnPlateTab", [](MacroData& d) { d.tabs[0].boltData = MacroBoltData{}; },
         Acad::eNotApplicable},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.label);
        MacroData record = data;
        // A change that would show if anything were written.
        record.tabs[1].boltData->diameter = L"30";
        damage.apply(record);
        const Vdn_DbMacro before = macro;
        EXPECT_EQ(macro.setMacroData(record), damage.expected);
        EXPECT_EQ(macro, before);
    }
}

MacroCell cellOf(int kind, Vdn_StringArray items = {}, const wchar_t* minimum = L"",
                 const wchar_t* maximum = L"") {
    MacroCell cell;
    cell.name = L"T";
    cell.kind = kind;
    cell.items = std::move(items);
    cell.minimum = minimum;
    cell.maximum = maximum;
    return cell;
}

// What a cell takes: the form of the value (what the dialog checks) and the range of a number
// (what the clash check would refuse later).
TEST(MacroCellValue, EachKindOfCellTakesWhatTheDialogOffers) {
    const MacroCell bounded = cellOf(MacroCell::kNumber, {}, L"10", L"40");
    const MacroCell number = cellOf(MacroCell::kNumber);
    const MacroCell pickList = cellOf(MacroCell::kPickList, {L"M16", L"M20", L"M24"});
    const MacroCell emptyPickList = cellOf(MacroCell::kPickList);
    const MacroCell checkBox = cellOf(MacroCell::kCheckBox);
    const MacroCell text = cellOf(MacroCell::kText);
    const MacroCell editableList = cellOf(MacroCell::kEditableList, {L"None", L"Primer"});
    struct Case {
        const MacroCell& cell;
        const wchar_t* text;
        const wchar_t* form;  // cellTextProblem; null: taken
        const wchar_t* value; // cellValueProblem; null: taken
    };
    const Case cases[] = {
        {bounded, L"12.5", nullptr, nullptr},
        {bounded, L" 20 ", nullptr, nullptr},
        {bounded, L"10", nullptr, nullptr},
        {bounded, L"4e1", nullptr, nullptr},
        {bounded, L"7", nullptr, L"7 is below the minimum 10"},
        {bounded, L"40.5", nullptr, L"40.5 is above the maximum 40"},
        // Underflows to 0: a finite number, below the minimum.
        {bounded, L"1e-999", nullptr, L"1e-999 is below the minimum 10"},
        {bounded, L"abc", L"\"abc\" is not a number", L"\"abc\" is not a number"},
        {bounded, L"", L"\"\" is not a number", L"\"\" is not a number"},
        {bounded, L"12 mm", L"\"12 mm\" is not a number", L"\"12 mm\" is not a number"},
        {number, L"1e999", L"1e999 is not a finite number", L"1e999 is not a finite number"},
        {number, L"-1E999", L"-1E999 is not a finite number", L"-1E999 is not a finite number"},
        {number, L"-1e300", nullptr, nullptr},
        {pickList, L"M20", nullptr, nullptr},
        {pickList, L"M30", L"\"M30\" is not one of: M16, M20, M24",
         L"\"M30\" is not one of: M16, M20, M24"},
        {pickList, L"m20", L"\"m20\" is not one of: M16, M20, M24",
         L"\"m20\" is not one of: M16, M20, M24"},
        {emptyPickList, L"anything", nullptr, nullptr},
        {checkBox, L"0", nullptr, nullptr},
        {checkBox, L"1", nullptr, nullptr},
        {checkBox, L"7", L"a check box is 0 or 1, not \"7\"", L"a check box is 0 or 1, not \"7\""},
        {checkBox, L"yes", L"a check box is 0 or 1, not \"yes\"",
         L"a check box is 0 or 1, not \"yes\""},
        {text, L"1e999", nullptr, nullptr},
        {editableList, L"Galvanised", nullptr, nullptr},
    };
    const auto shown = [](const std::optional<Vdn_String>& problem) {
        return problem ? problem->toUtf8() : std::string("(taken)");
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Vdn_String(c.text).toUtf8());
        EXPECT_EQ(shown(cellTextProblem(c.cell, c.text)),
                  c.form ? Vdn_String(c.form).toUtf8() : "(taken)");
        EXPECT_EQ(shown(cellValueProblem(c.cell, c.text)),
                  c.value ? Vdn_String(c.value).toUtf8() : "(taken)");
    }
}

// The clash check holds a value to the range of every module it is in: the merged cell holds
// the tightest.
TEST(MacroCellValue, AMergedCellHoldsTheTightestRangeOfItsModules) {
    const Vdn_DbMacro macro = readMacro(R"({"modules": [
      {"name": "A", "group": "G",
       "variables": [{"name": "W", "value": "50", "minimum": 10, "maximum": 90},
                     {"name": "H", "value": "3"}]},
      {"name": "B", "group": "G",
       "variables": [{"name": "W", "value": "50", "minimum": "20"},
                     {"name": "H", "value": "3", "maximum": 5}]}]})");
    MacroData data;
    ASSERT_EQ(macro.getMacroData(data), Acad::eOk);
    ASSERT_EQ(data.tabs.length(), 1);
    const MacroTabData& tab = data.tabs[0];
    const MacroCell& width = tab.cells[tab.findCellWithName(L"W")];
    EXPECT_EQ(width.minimum, Vdn_String(L"20"));
    EXPECT_EQ(width.maximum, Vdn_String(L"90"));
    EXPECT_EQ(cellValueProblem(width, L"15"), Vdn_String(L"15 is below the minimum 20"));
    const MacroCell& height = tab.cells[tab.findCellWithName(L"H")];
    EXPECT_EQ(height.minimum, Vdn_String());
    EXPECT_EQ(height.maximum, Vdn_String(L"5"));
    EXPECT_EQ(cellValueProblem(height, L"-100"), std::nullopt);
}

} // namespace
