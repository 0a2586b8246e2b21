// The macro settings dialog through the scripted user: the filter pages keep what was typed
// for each filter, the variables and groups pages write their tables back, and the launcher
// writes the settings into the drawing only when they changed on OK.
#include "macro/settings/CDlgMacroSettings.h"
#include "macro/settings/MacroSettingsLaunchers.h"
#include "platform/core/model/MacroReadResult.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/windows/WinConstants.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

using Dlg = CDlgMacroSettings;

MacroSettingsData filterSettings() {
    MacroSettingsData settings;
    settings.axisFilters.append({L"Square", true, 0, {10, 20}, {}});
    settings.axisFilters.append({L"Sloping", false, 1, {30, 40}, {}});
    settings.sectionFilters.append({L"Web", true, {0, 10, 170, 190}, {}});
    settings.sectionSizeFilters.append({L"Small", true, {100, 200, 100, 200}, {}});
    settings.variableNames = {L"Tolerance", L"Gap"};
    settings.variableValues = {0.5, 10};
    settings.groups.append({L"Plate1", L"End plate", 1, {}});
    settings.groups.append({L"Bolts1", L"Bolts", 0, {}});
    return settings;
}

class MacroSettingsDialogTest : public uitest::ScriptedUserTest {
protected:
    static Vdn_String shown(Dlg& dialog, CWnd& page, int id) {
        std::wstring text;
        page.GetDlgItemText(id, text);
        (void)dialog;
        return Vdn_String(text);
    }
};

TEST_F(MacroSettingsDialogTest, FilterPagesKeepWhatWasTypedForEachFilter) {
    MacroSettingsData settings = filterSettings();
    user.expectModal(Dlg::IDD, [&](CDialog& shownDialog, ui::UserActions& act) {
        auto& dialog = dynamic_cast<Dlg&>(shownDialog);
        CTabMacroFilter& filter = dialog.filterPage();
        ASSERT_EQ(dialog.currentPage(), Dlg::kFilterPage);
        EXPECT_EQ(shown(dialog, filter, CTabMacroFilter::kAngle1), L"10.00");
        act.enterText(CTabMacroFilter::kAngle1, L"12.5");
        act.enterText(CTabMacroFilter::kAngle2, L"twenty"); // not a number: the value stays
        act.click(CTabMacroFilter::kModeSecond);
        act.selectComboItem(CTabMacroFilter::kAxisList, 1);
        EXPECT_EQ(shown(dialog, filter, CTabMacroFilter::kAngle1), L"30.00");
        EXPECT_FALSE(filter.GetDlgItem(CTabMacroFilter::kAngle1)->IsWindowEnabled())
            << "a filter that is off has its values disabled";
        act.selectComboItem(CTabMacroFilter::kAxisList, 0);
        EXPECT_EQ(shown(dialog, filter, CTabMacroFilter::kAngle1), L"12.50");
        EXPECT_EQ(shown(dialog, filter, CTabMacroFilter::kAngle2), L"20.00");
        // Rows of zeros are no pairs.
        for (int col = 1; col <= 2; ++col) {
            for (int row = 1; row <= 2; ++row)
                act.typeInCell(CTabMacroFilter::kPairs, col, row, L"0");
        }

        act.selectTab(Dlg::kTabs, Dlg::kFilter2Page);
        CTabMacroFilter2& filter2 = dialog.filter2Page();
        EXPECT_FALSE(filter2.GetDlgItem(CTabMacroFilter2::kPathList)->IsWindowEnabled())
            << "an empty list is disabled";
        act.click(CTabMacroFilter2::kSwitch);
        act.enterText(CTabMacroFilter2::sizeEdit(2), L"150");
        act.click(IDOK);
    });
    ASSERT_TRUE(runDlgMacroSettings(settings, nullptr));
    EXPECT_EQ(settings.axisFilters[0].angles, (std::array<double, 2>{12.5, 20}));
    EXPECT_EQ(settings.axisFilters[0].mode, 1);
    EXPECT_EQ(settings.axisFilters[1], filterSettings().axisFilters[1]);
    EXPECT_TRUE(settings.sectionFilters[0].anglePairs.isEmpty());
    EXPECT_TRUE(settings.secondFilterOn);
    EXPECT_EQ(settings.sectionSizeFilters[0].values, (std::array<double, 4>{100, 200, 150, 200}));
}

TEST_F(MacroSettingsDialogTest, VariablesDropEmptyNamesAndRefuseDuplicates) {
    MacroSettingsData settings = filterSettings();
    user.expectModal(Dlg::IDD, [&](CDialog& shownDialog, ui::UserActions& act) {
        auto& dialog = dynamic_cast<Dlg&>(shownDialog);
        act.selectTab(Dlg::kTabs, Dlg::kVariablesPage);
        const int table = CTabMacroVariables::kTable;
        act.typeInCell(table, 2, 1, L"wide"); // not a number: 0.5 stays
        act.clickCell(table, 1, 2);
        act.click(CTabMacroVariables::kAddRow);
        ASSERT_EQ(dialog.variablesPage().table().maxRows(), 3);
        act.typeInCell(table, 1, 3, L"tolerance");
        act.typeInCell(table, 2, 3, L"3");
        user.expectMessageBox(IDOK, (dialString(20701) + L"\n\nTolerance").str(),
                              dialString(20700).str());
        act.click(IDOK);
        EXPECT_FALSE(shownDialog.hasEnded());
        EXPECT_EQ(dialog.data_.variableNames, (Vdn_StringArray{L"Tolerance", L"Gap"}))
            << "a refused table changes nothing";
        act.typeInCell(table, 1, 3, L"");
        act.typeInCell(table, 1, 2, L" Spacing ");
        act.click(IDOK);
    });
    ASSERT_TRUE(runDlgMacroSettings(settings, nullptr));
    EXPECT_EQ(settings.variableNames, (Vdn_StringArray{L"Tolerance", L"Spacing"}));
    EXPECT_EQ(settings.variableValues, (Vdn_Array<double>{0.5, 10}));
}

TEST_F(MacroSettingsDialogTest, GroupsAndPropertiesWriteTheirTablesBack) {
    MacroSettingsData settings = filterSettings();
    settings.filterProperties.append({L"Material", {L"S235"}, L"", {}});
    settings.filterProperties.append({L"Finish", {L"Galvanised"}, L"", {}});
    user.expectModal(Dlg::IDD, [&](CDialog&, ui::UserActions& act) {
        act.selectTab(Dlg::kTabs, Dlg::kGroupsPage);
        act.enterText(CTabMacroGroups::kText1, L"Splice");
        act.chooseInCell(CTabMacroGroups::kTable, 3, 2, 2); // group "2"
        act.typeInCell(CTabMacroGroups::kTable, 2, 1, L"Plate");

        act.selectTab(Dlg::kTabs, Dlg::kPropertiesPage);
        act.click(CTabMacroFilterProps::kAddRow);
        act.typeInCell(CTabMacroFilterProps::kTexts, 1, 2, L"S355");
        act.selectComboItem(CTabMacroFilterProps::kEntries, 1);
        act.typeInCell(CTabMacroFilterProps::kTexts, 1, 1, L"");
        act.click(IDOK);
    });
    ASSERT_TRUE(runDlgMacroSettings(settings, nullptr));
    EXPECT_EQ(settings.groupText1, L"Splice");
    EXPECT_EQ(settings.groups[0].text, L"Plate");
    EXPECT_EQ(settings.groups[1].number, 2);
    EXPECT_EQ(settings.filterProperties[0].texts, (Vdn_StringArray{L"S235", L"S355"}));
    EXPECT_TRUE(settings.filterProperties[1].texts.isEmpty()) << "an emptied row is no text";
}

TEST_F(MacroSettingsDialogTest, TheLauncherWritesOnlyChangedSettingsOnOk) {
    Vdn_Drawing::current().clear();
    core::MacroReadResult read = Vdn_DbMacro::readFromFile(
        Vdn_String::fromUtf8(TESSA_SOURCE_ROOT "/examples/library/macros/BeamSplice.json"));
    ASSERT_TRUE(read.ok()) << read.message();
    const AcDbObjectId id = Vdn_Drawing::current().addMacro(read.macro());
    const MacroSettingsData before = read.macro().settings;
    struct Case {
        bool change;
        int close;
        bool changed;
    };
    for (const Case c :
         {Case{false, IDOK, false}, Case{true, IDCANCEL, false}, Case{true, IDOK, true}}) {
        user.expectModal(Dlg::IDD, [&](CDialog&, ui::UserActions& act) {
            if (c.change)
                act.click(CTabMacroFilter::kSwitch);
            act.click(c.close);
        });
        EXPECT_EQ(StartDlgMacroSettings(id), c.changed);
        EXPECT_EQ(Vdn_Drawing::current().macro(id)->settings.filterOn,
                  c.changed ? !before.filterOn : before.filterOn);
    }
    EXPECT_FALSE(StartDlgMacroSettings(AcDbObjectId(99)));
    Vdn_Drawing::current().clear();
}

} // namespace
