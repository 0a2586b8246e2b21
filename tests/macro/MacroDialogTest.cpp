// The macro dialog: binding a design to a tab, the grid of what it does not place, the value
// cycle through a page, calculating buttons, focus zones and the size key.
#include "designer/Vdn_DlgDesignerData.h"
#include "macro/dialog/CDlgMacro.h"
#include "macro/dialog/CMacroTabProf.h"
#include "macro/dialog/MacroDesignBinder.h"
#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/host/CommandLine.h"
#include "platform/ui/users/UserActions.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"
#include "tests/core/TempFolder.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

Vdn_DesignerControl control(Vdn_ControlType type, const wchar_t* contents,
                            const wchar_t* comboList = L"") {
    Vdn_DesignerControl made;
    made.type = type;
    made.topLeftX = 0.1;
    made.topLeftY = 0.1;
    made.bottomRightX = 0.3;
    made.bottomRightY = 0.2;
    made.contents = contents;
    made.comboList = comboList;
    return made;
}

MacroCell cell(const wchar_t* name, const wchar_t* value, bool readOnly = false) {
    MacroCell made;
    made.name = name;
    made.value = value;
    made.readOnly = readOnly;
    return made;
}

// A tab with two cells (H derived), a pattern with a count and one without, an array of the
// first kind and one of another, and a cut.
MacroTabData exampleTab() {
    MacroTabData tab;
    tab.name = L"Plate";
    tab.kind = MacroTabData::kBoltTab;
    tab.cells.append(cell(L"W", L"200"));
    tab.cells.append(cell(L"H", L"290", true));
    MacroPatternProps counted;
    counted.name = L"Outer";
    counted.countText = L"3";
    tab.patterns.append(counted);
    MacroPatternProps listed;
    listed.name = L"Inner";
    listed.countText = L"2*80";
    tab.patterns.append(listed);
    DynArrayData first;
    first.name = L"Row";
    first.kind = 0;
    tab.arrays.append(first);
    DynArrayData other;
    other.name = L"Ring";
    other.kind = 2;
    tab.arrays.append(other);
    MacroCutData cut;
    cut.name = L"Notch";
    cut.state = 2;
    tab.cuts.append(cut);
    return tab;
}

class DesignBindingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(design.initialize(&host, CMacroTabGeneral::kFirstDesignId,
                                      CMacroTabGeneral::kLastDesignId, 0, 0, 0, 0, 0, false));
    }
    CDialog host{60004u};
    Vdn_DlgDesignerData design;
    MacroTabData tab = exampleTab();
};

// Each control either binds its element (which learns the control's id) or is removed, so
// that no control on the page stands for nothing.
TEST_F(DesignBindingTest, ControlsBindTheirElementsOrGo) {
    Vdn_DesignerControl derivedCalc = control(ctCalcButton, L"=");
    derivedCalc.calcField1 = L"H";
    Vdn_DesignerControl settableCalc = control(ctCalcButton, L"=");
    settableCalc.calcField1 = L"W";
    const int w = design.append(control(ctVarEdit, L"W"));
    design.append(control(ctVarEdit, L"Missing"));
    const int gated = design.append(control(ctLabel, L"Breedte", L"Missing"));
    const int calc = design.append(derivedCalc);
    design.append(settableCalc); // a target the user types: removed
    const int count = design.append(control(ctPatternCount, L"Outer"));
    design.append(control(ctPatternCount, L"Inner"));   // no valid count: removed
    design.append(control(ctArrayProp3, L"Ring"));      // third text: first kind only
    design.append(control(ctArrayEntry, L"Row", L"0")); // first kind has no entries
    const int cut = design.append(control(ctCutCombo, L"Notch"));
    design.append(control(ctCheckBox, L"Afgeschuind", L"Missing"));

    const std::vector<MacroBinding> bound = MacroDesignBinder(design, tab).bindAll();

    std::vector<int> ids;
    for (const MacroBinding& binding : bound)
        ids.push_back(binding.id);
    EXPECT_EQ(ids, (std::vector<int>{w, gated, calc, count, cut}));
    EXPECT_EQ(design.getNrControls(), 5);
    EXPECT_EQ(tab.cells[0].controlId, w);
    EXPECT_EQ(tab.cells[1].controlId, calc); // the target is shown by its button
    EXPECT_EQ(tab.patterns[0].countId, count);
    EXPECT_EQ(tab.patterns[1].countId, 0);
    EXPECT_EQ(tab.cuts[0].controlId, cut);
    // A label standing for a missing cell shows nothing.
    EXPECT_TRUE(design.getControl(1)->contents.isEmpty());
    EXPECT_EQ(design.getControl(4)->contents, Vdn_String(L"2"));
}

// The range holds 100 ids: the 101st control gets none, is not bound, and its cell is listed
// in the grid instead.
TEST_F(DesignBindingTest, AControlBeyondTheIdRangeLeavesItsCellToTheGrid) {
    for (int i = 0; i < 100; ++i)
        design.append(control(ctLabel, L"label"));
    EXPECT_EQ(design.append(control(ctVarEdit, L"W")), 0);
    MacroDesignBinder(design, tab).bindAll();
    EXPECT_EQ(design.getNrControls(), 100);
    EXPECT_EQ(tab.cells[0].controlId, 0);
    const std::vector<MacroPageGrid::Row> rows = MacroPageGrid::rowsOf(tab);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0], (MacroPageGrid::Row{MacroPageGrid::RowKind::Cell, 0}));
}

// Unplaced cells first, then on a bolt tab every pattern without its values control or
// button, then every array without its button; only a bolt tab lists patterns.
TEST(MacroPageGrid, RowsFollowWhatTheDesignLeavesOut) {
    using Kind = MacroPageGrid::RowKind;
    MacroTabData tab = exampleTab();
    tab.cells[0].controlId = 33000;
    tab.patterns[0].valuesId = 33001;
    tab.patterns[0].buttonId = 33002;
    tab.patterns[0].countId = 33003;
    tab.arrays[1].buttonId = 33004;
    EXPECT_EQ(
        MacroPageGrid::rowsOf(tab),
        (std::vector<MacroPageGrid::Row>{{Kind::Cell, 1}, {Kind::Pattern, 1}, {Kind::Array, 0}}));
    // Both controls placed but a valid count without its control still needs the row.
    tab.patterns[0].countId = 0;
    EXPECT_EQ(MacroPageGrid::rowsOf(tab).size(), 4u);
    tab.kind = MacroTabData::kGeneralTab;
    EXPECT_EQ(MacroPageGrid::rowsOf(tab),
              (std::vector<MacroPageGrid::Row>{{Kind::Cell, 1}, {Kind::Array, 0}}));
}

TEST(MacroDialogSizeKey, TakesTheMacroNameTheGroupOrTheCount) {
    MacroData data;
    data.name = L"PlateSplice";
    data.objectIds.append(AcDbObjectId(7));
    EXPECT_EQ(CDlgMacro::sizeKeyOf(data), Vdn_String(L"EDITVARS_PlateSplice"));
    data.name = Vdn_String();
    EXPECT_EQ(CDlgMacro::sizeKeyOf(data), Vdn_String(L"EDITVARS_"));
    data.objectIds.append(AcDbObjectId(8));
    EXPECT_EQ(CDlgMacro::sizeKeyOf(data), Vdn_String(L"EDITVARS_2_MACROS"));
    data.filterCaptions1.append(L"End plate");
    EXPECT_EQ(CDlgMacro::sizeKeyOf(data), Vdn_String(L"EDITVARS_GROUP_End plate"));
    data.objectIds = AcArray<AcDbObjectId>();
    data.filterCaptions1.clear();
    EXPECT_EQ(CDlgMacro::sizeKeyOf(data), Vdn_String(L"EDITVARS_0_MACROS"));
}

TEST(MacroDialogFileName, RefusesFoldersParentsAndReservedCharacters) {
    EXPECT_TRUE(CDlgMacro::isUsableFileName(L"BeamSplice long"));
    for (const wchar_t* bad : {L"", L"  ", L"..", L"a..b", L"sub\\name", L"sub/name", L"a:b",
                               L"what?", L"x*", L"a|b", L"<a>", L"\"q\""})
        EXPECT_FALSE(CDlgMacro::isUsableFileName(bad)) << std::wstring(bad);
}

// The plate splice example on its one page: the design binds the plate's and the bolts'
// cells; H = 2*EdgeDist + (Rows-1)*Pitch is derived.
class MacroDialogTest : public uitest::ScriptedUserTest {
protected:
    static constexpr int kSplice = 0;

    void SetUp() override {
        Vdn_Drawing::current().clear();
        host::CommandLine::instance().clear();
        Vdn_String message;
        ASSERT_TRUE(Vdn_Drawing::current().openMacro(
            Vdn_String::fromUtf8(TESSA_SOURCE_ROOT "/examples/library/macros/PlateSplice.json"), id,
            message))
            << message;
        AcArray<AcDbObjectId> ids;
        ids.append(id);
        ASSERT_TRUE(getMacroDataOf(ids, data));
    }
    void TearDown() override {
        uitest::ScriptedUserTest::TearDown();
        Vdn_Drawing::current().clear();
    }

    // Runs the dialog on the splice page; work gets the page and actions on it.
    void onPage(const std::function<void(CDlgMacro&, CMacroTabGeneral&, ui::UserActions&)>& work) {
        user.expectModal<CDlgMacro>([&](CDlgMacro& dialog, ui::UserActions& act) {
            CMacroTabGeneral* page = dialog.page(kSplice);
            ASSERT_NE(page, nullptr);
            live = &dialog.macroData();
            ui::UserActions onPage(*page);
            work(dialog, *page, onPage);
            live = nullptr;
            act.click(IDCANCEL);
        });
        StartDlgMacro(data);
    }
    // The id of a cell's control in the record the open dialog holds.
    int idOf(const wchar_t* cellName) const {
        const MacroTabData& tab = live->tabs[kSplice];
        return tab.cells[tab.findCellWithName(cellName)].controlId;
    }
    Vdn_String shown(CMacroTabGeneral& page, int id) const {
        Vdn_String text;
        page.design().getCtrlValue(id, text);
        return text;
    }
    Vdn_String modelValue(const wchar_t* name) const {
        for (const Vdn_Module& module : Vdn_Drawing::current().macro(id)->modules)
            for (const auto& variable : module.variables)
                if (variable.name == name)
                    return variable.value;
        return {};
    }

    AcDbObjectId id;
    MacroData data;
    MacroData* live = nullptr;
};

// A pitch typed on the page reaches the model, which derives the plate height; the page shows
// it. Text that is no number, an unchanged page and a refused value change nothing.
TEST_F(MacroDialogTest, APitchTypedOnThePageIsRecalculatedAndShownRefusalsAreTakenBack) {
    onPage([&](CDlgMacro&, CMacroTabGeneral& page, ui::UserActions& act) {
        const int pitch = idOf(L"Pitch");
        ASSERT_GT(pitch, 0);
        const int height = idOf(L"H");
        EXPECT_EQ(shown(page, height), Vdn_String(L"290"));

        EXPECT_EQ(page.update(), MacroValueCycle::Outcome::Unchanged);

        act.enterText(pitch, L"110");
        act.pressKey(VK_RETURN);
        EXPECT_EQ(modelValue(L"Pitch"), Vdn_String(L"110"));
        EXPECT_EQ(modelValue(L"H"), Vdn_String(L"300"));
        EXPECT_EQ(shown(page, height), Vdn_String(L"300"));

        act.enterText(pitch, L"ten");
        EXPECT_EQ(page.update(), MacroValueCycle::Outcome::Unchanged);
        EXPECT_EQ(modelValue(L"Pitch"), Vdn_String(L"110"));
        // Reads as a number, but stands for infinity: no value either.
        act.enterText(pitch, L"1e999");
        EXPECT_EQ(page.update(), MacroValueCycle::Outcome::Unchanged);
        EXPECT_EQ(modelValue(L"Pitch"), Vdn_String(L"110"));

        // Below the pitch's minimum of 60: the model refuses and the page shows 110 again.
        act.enterText(pitch, L"10");
        EXPECT_EQ(page.update(), MacroValueCycle::Outcome::Refused);
        EXPECT_EQ(shown(page, pitch), Vdn_String(L"110"));
        EXPECT_EQ(modelValue(L"Pitch"), Vdn_String(L"110"));
    });
    // The dialog hands the live record back.
    EXPECT_EQ(data.tabs[kSplice].cells[data.tabs[kSplice].findCellWithName(L"H")].value,
              Vdn_String(L"300"));
}

// Tab runs through the design, the grid and the bolt section and round again; Shift+Tab from
// the first design control goes back to the bolt section's last control.
TEST_F(MacroDialogTest, TabMovesThroughTheThreeZones) {
    onPage([&](CDlgMacro&, CMacroTabGeneral& page, ui::UserActions& act) {
        const int first = idOf(L"W");
        const int last = idOf(L"Gauge");
        act.setFocus(last);
        act.pressKey(VK_TAB);
        EXPECT_EQ(page.focusedZone(), static_cast<int>(CMacroTabGeneral::Zone::Grid));
        act.setFocus(CMacroTabGeneral::kBoltButton);
        act.pressKey(VK_TAB);
        EXPECT_EQ(CWnd::GetFocus(), page.GetDlgItem(first));
        act.pressKey(VK_TAB, ui::Shift);
        EXPECT_EQ(CWnd::GetFocus(), page.GetDlgItem(CMacroTabGeneral::kBoltButton));
    });
}

// The profile page edits the group's merged placement, or one profile of it. The stiffener
// lies on a plane of its own ("Web"): a rotation chosen on the page must not clear it.
TEST_F(MacroDialogTest, TheProfilePageChangesTheGroupOrOneProfileAndKeepsTheirPlane) {
    constexpr int kProfiles = 1;
    const auto placement = [this](int index) -> const Vdn_ProfilePlacement& {
        for (const Vdn_Module& module : Vdn_Drawing::current().macro(id)->modules)
            if (module.name == L"Stiffeners")
                return module.profiles[index];
        throw std::logic_error("no stiffeners");
    };
    user.expectModal<CDlgMacro>([&](CDlgMacro& dialog, ui::UserActions& act) {
        dialog.showTab(kProfiles);
        auto* page = dynamic_cast<CMacroTabProf*>(dialog.page(kProfiles));
        ASSERT_NE(page, nullptr);
        ui::UserActions onPage(*page);
        EXPECT_EQ(page->group(), Vdn_String(L"Stiffener"));
        onPage.selectComboItem(CMacroTabProf::kRotationCombo, 2);
        EXPECT_EQ(placement(0).rotation, 180);
        EXPECT_EQ(placement(0).basePlane, Vdn_String(L"Web"));
        // The cleat alone: its own record, not the group's.
        onPage.selectComboItem(CMacroTabProf::kGroupCombo, 1);
        EXPECT_EQ(page->group(), Vdn_String(L"Cleat"));
        onPage.selectComboItem(CMacroTabProf::kProfileCombo, 1);
        EXPECT_EQ(page->profile(), 1);
        onPage.selectComboItem(CMacroTabProf::kRotationCombo, 0);
        EXPECT_EQ(placement(1).rotation, 0);
        EXPECT_EQ(placement(0).rotation, 180);
        act.click(IDCANCEL);
    });
    StartDlgMacro(data);
}

// A calculating button asks the target's wanted value and writes what gives it; without a
// usable factor, or with an answer that is no number, nothing changes.
class CalcButtonTest : public MacroDialogTest {
protected:
    void SetUp() override {
        MacroDialogTest::SetUp();
        savedLibrary = gSettings.libDir();
        gSettings.setLibDir(folder.name(""));
        std::filesystem::create_directories(folder.path() / "Dialog Templates/Dialog Design");
        ASSERT_TRUE(ui::Bitmap(300, 200, 0xFFFFFFFF)
                        .save(Vdn_DlgDesignerData::getDesignerRootFolder() + L"Calc.bmp"));
    }
    void TearDown() override {
        gSettings.setLibDir(savedLibrary);
        MacroDialogTest::TearDown();
    }
    // A design of the pitch's edit and a button that asks for H by changing the pitch.
    void writeDesign(const wchar_t* factor) {
        CDialog owner{60004u};
        Vdn_DlgDesignerData design;
        ASSERT_TRUE(design.initialize(&owner, 33000, 33099, 0, 0, 0, 0, 0, false));
        design.attachBitmap(Vdn_DlgDesignerData::getDesignerRootFolder() + L"Calc.bmp");
        design.append(control(ctVarEdit, L"Pitch"));
        Vdn_DesignerControl button = control(ctCalcButton, L"H=");
        button.calcField1 = L"H";
        button.calcField2 = L"Pitch";
        button.calcField4 = factor;
        button.topLeftY = 0.3;
        button.bottomRightY = 0.4;
        design.append(button);
        ASSERT_TRUE(design.writeToFile(Vdn_DlgDesignerData::getDesignerRootFolder() + L"Calc.txt"));
        data.tabs[kSplice].designName = L"Calc";
    }

    TempFolder folder;
    Vdn_String savedLibrary;
};

TEST_F(CalcButtonTest, ProposesFromTheTargetAndWritesTheFactorTimesTheChange) {
    writeDesign(L"11");
    onPage([&](CDlgMacro&, CMacroTabGeneral& page, ui::UserActions&) {
        user.expectModal<Vdn_DlgPromptString>(
            [](Vdn_DlgPromptString& prompt, ui::UserActions& act) {
                // 290 + 105 / 11
                EXPECT_EQ(prompt.value, Vdn_String(L"299.54545"));
                act.enterText(Vdn_DlgPromptString::kValueEdit, L"300");
                act.click(IDOK);
            });
        EXPECT_TRUE(page.runCalcButton(33001));
        EXPECT_EQ(modelValue(L"Pitch"), Vdn_String(L"110.00000"));
        EXPECT_EQ(modelValue(L"H"), Vdn_String(L"300"));

        user.expectModal<Vdn_DlgPromptString>([](Vdn_DlgPromptString&, ui::UserActions& act) {
            act.enterText(Vdn_DlgPromptString::kValueEdit, L"tall");
            act.click(IDOK);
        });
        EXPECT_FALSE(page.runCalcButton(33001));
        EXPECT_EQ(modelValue(L"Pitch"), Vdn_String(L"110.00000"));
    });
}

TEST_F(CalcButtonTest, AZeroFactorAsksNothingAndChangesNothing) {
    writeDesign(L"0");
    onPage([&](CDlgMacro&, CMacroTabGeneral& page, ui::UserActions&) {
        EXPECT_FALSE(page.runCalcButton(33001));
        EXPECT_EQ(modelValue(L"Pitch"), Vdn_String(L"105"));
    });
}

} // namespace
