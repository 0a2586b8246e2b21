// The section-library editors through the scripted user: leaving a changed table whose save
// fails, the pages the editor opens on, and the simple editor's checks before it inserts.
#include "library/CDlgEditLibSections.h"
#include "library/CDlgEditLibSimple.h"
#include "library/LibraryLaunchers.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"
#include "tests/core/TempFolder.h"
#include "tests/ui/ui_test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

const std::string kHea = "tessa-section-table 1\n"
                         "1\n"
                         "SysName\tI/O\tDutch\tEnglish\tFrench\tGerman\th\tb\n"
                         "100\t1\tHEA100\tHE100A\tHEA100\tHEA100\t96\t100\n"
                         "200\t1\tHEA200\tHE200A\tHEA200\tHEA200\t190\t200\n";

// Template 10 (h b t r A G) with a value column beyond them, which the editor does not show.
const std::string kRhs =
    "tessa-section-table 1\n"
    "10\n"
    "SysName\tI/O\tDutch\tEnglish\tFrench\tGerman\th\tb\tt\tr\tA\tG\tIt\n"
    "80x40x4\t1\tK80x40x4\tR80x40x4\tT80x40x4\tR80x40x4\t80\t40\t4\t8\t8.55\t6.71\t"
    "70.2\n"
    "120x60x5\t0\tK120x60x5\tR120x60x5\tT120x60x5\tR120x60x5\t120\t60\t5\t10\t16.4\t12.8\t"
    "310\n";

class EditLibDialogsTest : public uitest::ScriptedUserTest {
protected:
    void SetUp() override {
        gSettings.setLibDir(library.name(""));
        library.write("prof/HEA.pr", kHea);
        library.write("prof/IPE.pr", kHea);
        library.write("prof/StandardTemplates.txt", "10\th b t r A G\t1 2 3\n");
        data.groups.appendNewGrp(L"I");
        data.groups.appendNewGrp(L"Kokers");
    }

    static Vdn_String saveQuestion(const wchar_t* table) {
        return dialString(785) + L" <" + table + L"> " + dialString(786);
    }

    SettingsRestorer restorer;
    TempFolder library;
    DlgEditLibData data;
};

TEST_F(EditLibDialogsTest, ASaveThatFailsOnLeavingWarnsAndKeepsTheTable) {
    user.expectModal(CDlgEditLibSections::IDD, [&](CDialog& shown, ui::UserActions& act) {
        auto& editor = dynamic_cast<CDlgEditLibSections&>(shown);
        ASSERT_EQ(editor.currentPage(), CDlgEditLibSections::kValuesPage);
        ASSERT_EQ(editor.valuesPage().openTable().name(), L"HEA");
        ASSERT_TRUE(act.typeInCell(CTabEditLibValues::kSheet, 7, 2, L"191"));
        ASSERT_TRUE(editor.valuesPage().sheet().SSGetBool(Vdn_Spread::kOptionChanged));
        // The library loses its prof folder: the table cannot be written.
        std::filesystem::remove_all(library.path() / "prof");
        user.expectMessageBox(IDYES, saveQuestion(L"HEA").str(), dialString(784).str());
        user.expectMessageBox(IDOK);
        act.click(IDOK);
        EXPECT_FALSE(shown.hasEnded()) << "the table was not saved: the editor stays";
        EXPECT_EQ(editor.valuesPage().openTable().name(), L"HEA");
        Vdn_String typed;
        editor.valuesPage().sheet().getCellText(7, 2, typed);
        EXPECT_EQ(typed, L"191") << "what was typed is still there";

        // Cancel keeps it too; with the folder back, Yes saves and the editor closes.
        user.expectMessageBox(IDCANCEL, saveQuestion(L"HEA").str());
        act.click(IDOK);
        EXPECT_FALSE(shown.hasEnded());
        std::filesystem::create_directories(library.path() / "prof");
        user.expectMessageBox(IDYES, saveQuestion(L"HEA").str());
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgEditLibSections(data, L"HEA-200"));
    Vdn_ProfValuesTable saved;
    ASSERT_TRUE(saved.readFromFile(L"HEA"));
    EXPECT_EQ(saved.rows[1][6], L"191");
    EXPECT_EQ(saved.templateName, L"1");
}

TEST_F(EditLibDialogsTest, ANewTableAsksBeforeItIsLeftAndIsWrittenOnlyWhenSaved) {
    user.expectModal(CDlgEditLibSections::IDD, [&](CDialog& shown, ui::UserActions& act) {
        auto& editor = dynamic_cast<CDlgEditLibSections&>(shown);
        EXPECT_EQ(editor.currentPage(), CDlgEditLibSections::kGroupsPage);
        act.selectTab(CDlgEditLibSections::kTabs, CDlgEditLibSections::kValuesPage);
        act.click(CTabEditLibValues::kNewButton);
        const Vdn_String name = editor.valuesPage().openTable().name();
        EXPECT_EQ(name, dialString(779));
        EXPECT_FALSE(std::filesystem::exists(library.path() / "prof" / (name.toUtf8() + ".pr")));
        // Unchanged but never saved: leaving asks; No drops it from the list.
        user.expectMessageBox(IDNO, saveQuestion(name.str().c_str()).str());
        act.selectComboText(CTabEditLibValues::kTableCombo, L"IPE");
        EXPECT_EQ(editor.valuesPage().openTable().name(), L"IPE");
        auto* tables = dynamic_cast<CComboBox*>(
            editor.valuesPage().GetDlgItem(CTabEditLibValues::kTableCombo));
        ASSERT_NE(tables, nullptr);
        EXPECT_EQ(tables->FindStringExact(-1, name.str()), CB_ERR);
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgEditLibSections(data, L""));
    EXPECT_EQ(data.tableNames, (Vdn_StringArray{L"HEA", L"IPE"}));
}

TEST_F(EditLibDialogsTest, OpensWhereTheNameSays) {
    struct Case {
        const wchar_t* name;
        int page;
        const wchar_t* table;
    };
    for (const Case& c : {Case{L"", CDlgEditLibSections::kGroupsPage, L"HEA"},
                          Case{L"ipe-200", CDlgEditLibSections::kValuesPage, L"IPE"},
                          Case{L"HEB-200", CDlgEditLibSections::kValuesPage, L"HEA"}}) {
        user.expectModal(CDlgEditLibSections::IDD, [&](CDialog& shown, ui::UserActions& act) {
            auto& editor = dynamic_cast<CDlgEditLibSections&>(shown);
            EXPECT_EQ(editor.currentPage(), c.page) << c.name;
            EXPECT_EQ(editor.valuesPage().openTable().name(), c.table) << c.name;
            act.click(IDCANCEL);
        });
        EXPECT_FALSE(StartDlgEditLibSections(data, c.name));
    }
}

TEST_F(EditLibDialogsTest, RemovingTheLastGroupShowsTheNewLastOne) {
    user.expectModal(CDlgEditLibSections::IDD, [&](CDialog&, ui::UserActions& act) {
        act.selectComboItem(CTabEditLibGroups::kIds.list, 1);
        act.click(CTabEditLibGroups::kIds.remove);
        // The group now shown is removed next: the list is empty.
        act.click(CTabEditLibGroups::kIds.remove);
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgEditLibSections(data, L""));
    EXPECT_TRUE(data.groups.isEmpty());
}

// The list's ticks and the enabled box are one flag, kept when another group is chosen.
TEST_F(EditLibDialogsTest, TicksAndTheEnabledBoxAreOneFlag) {
    user.expectModal(CDlgEditLibSections::IDD, [&](CDialog&, ui::UserActions& act) {
        act.toggleComboCheck(CTabEditLibGroups::kIds.list, 1);
        act.click(CTabEditLibGroups::kIds.enabled); // group 0, shown: off
        act.selectComboItem(CTabEditLibGroups::kIds.list, 1);
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgEditLibSections(data, L""));
    EXPECT_FALSE(data.groups[0].enabled);
    EXPECT_FALSE(data.groups[1].enabled);
}

TEST_F(EditLibDialogsTest, TheSimpleEditorChecksBeforeItInsertsAndInsertsOnce) {
    library.write("prof/RHS.pr", kRhs);
    Vdn_ProfValuesTable table;
    ASSERT_TRUE(table.readFromFile(L"RHS"));
    user.expectModal(CDlgEditLibSimple::IDD, [&](CDialog& shown, ui::UserActions& act) {
        auto& editor = dynamic_cast<CDlgEditLibSimple&>(shown);
        // Six fields of the template; the seventh value is not shown.
        EXPECT_TRUE(shown.GetDlgItem(CDlgEditLibSimple::kFirstField + 5)->IsWindowVisible());
        EXPECT_FALSE(shown.GetDlgItem(CDlgEditLibSimple::kFirstField + 6)->IsWindowVisible());
        EXPECT_EQ(shown.GetDlgItem(CDlgEditLibSimple::kFirstLabel + 2)->GetWindowText(), L"C. t:");
        act.enterText(CDlgEditLibSimple::kFirstField + 0, L"100");
        act.enterText(CDlgEditLibSimple::kFirstField + 1, L"50");
        act.enterText(CDlgEditLibSimple::kFirstField + 3, L"3"); // r below t = 4
        user.expectMessageBox(
            IDOK,
            (dialString(1457) + L"\n" + dialString(1458) + L"\n\n" + dialString(888) + L".").str(),
            dialString(1098).str());
        act.click(IDOK);
        EXPECT_FALSE(shown.hasEnded());
        EXPECT_EQ(editor.table_.rows.length(), 2) << "nothing inserted before the check";
        act.enterText(CDlgEditLibSimple::kFirstField + 3, L"0");
        act.click(IDOK);
        EXPECT_TRUE(shown.hasEnded());
    });
    int index = -1;
    ASSERT_TRUE(StartDlgEditLibSimple(L"RHS-80x40x4", table, index));
    ASSERT_EQ(table.rows.length(), 3);
    // In name order between 80x40x4 and 120x60x5; the hidden column keeps the copied value.
    EXPECT_EQ(table.rows[1], (Vdn_StringArray{L"100x50x4", L"1", L"K100x50x4", L"R100x50x4",
                                              L"T100x50x4", L"R100x50x4", L"100", L"50", L"4", L"0",
                                              L"8.55", L"6.71", L"70.2"}));
    EXPECT_EQ(index, 1);
}

TEST_F(EditLibDialogsTest, AutomaticNamesOfTwoEqualPartsSortAmongTheirOwnKind) {
    Vdn_ProfValuesTable table;
    table.tableName = L"SQ";
    table.columnNames = {L"SysName", L"I/O", L"Dutch", L"English", L"French", L"German", L"a"};
    for (const wchar_t* name : {L"20x20", L"25", L"40x40", L"30"})
        table.rows.append({name, L"1", name, name, name, name, L"1"});
    EXPECT_EQ(SimpleSizeAdder::insertPosition(table, L"30x30"), 1) << "just after 20x20";
    EXPECT_EQ(SimpleSizeAdder::insertPosition(table, L"10x10"), 0);
    EXPECT_EQ(SimpleSizeAdder::insertPosition(table, L"50x50"), 3) << "just after 40x40";
    EXPECT_EQ(SimpleSizeAdder::insertPosition(table, L"28"), 2);
}

} // namespace
