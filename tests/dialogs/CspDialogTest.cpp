// The cutting-stock dialog: sets, rows typed and stored, export and import through the
// "Cutting Stock" folder, refused cells and files, the overview report and single-table mode.
#include "dialogs/CDlgInfo.h"
#include "dialogs/CspDstvEntries.h"
#include "dialogs/Vdn_DlgCSP2.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"
#include "tests/core/TempFolder.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

using Rows = Vdn_Array<Vdn_StringArray>;
using Ids = Vdn_DlgCSP2::TableIds;
constexpr const Ids& kParts = Vdn_DlgCSP2::kTables[DlgCSP2Data::kParts];
constexpr const Ids& kStock = Vdn_DlgCSP2::kTables[DlgCSP2Data::kStock];

class CspDialogTest : public uitest::ScriptedUserTest {
protected:
    void SetUp() override {
        gSettings.setLibDir(folder.name("library"));
        data.setIds = {1, 5};
        data.setNames = Vdn_StringArray{L"Kolommen", L"Liggers"};
        data.tables[DlgCSP2Data::kParts].headers = Vdn_StringArray{L"Merk", L"Lengte", L"Aantal"};
        data.tables[DlgCSP2Data::kStock].headers = Vdn_StringArray{L"Lengte", L"Aantal"};
        data.tables[DlgCSP2Data::kBuy].headers = Vdn_StringArray{L"Lengte", L"Opmerking"};
        data.replaceRows(DlgCSP2Data::kParts, 1, Rows{{L"K1", L"6150", L"2"}});
        data.replaceRows(DlgCSP2Data::kStock, 1, Rows{{L"12000", L"1"}, {L"8450", L""}});
        data.replaceRows(DlgCSP2Data::kParts, 5, Rows{{L"L1", L"7200", L"3"}});
    }

    static Rows shownRows(Vdn_DlgCSP2& shown, int table) {
        Rows rows;
        shown.sheet(table).getAllRows(rows);
        return rows;
    }

    SettingsRestorer settings;
    TempFolder folder;
    DlgCSP2Data data;
};

TEST_F(CspDialogTest, SetsShowTheirRowsAndStoreWhatWasTyped) {
    user.expectModal<Vdn_DlgCSP2>([&](Vdn_DlgCSP2& shown, ui::UserActions& act) {
        EXPECT_EQ(shown.shownSet(), 1);
        EXPECT_EQ(shownRows(shown, DlgCSP2Data::kStock), (Rows{{L"12000", L"1"}, {L"8450", L""}}));
        // Typed as the user writes it; kept when the set is left and shown again.
        ASSERT_TRUE(act.typeInCell(kStock.sheet, 2, 2, L"2,5"));
        act.selectComboItem(Vdn_DlgCSP2::kSetCombo, 1);
        EXPECT_EQ(shownRows(shown, DlgCSP2Data::kParts), (Rows{{L"L1", L"7200", L"3"}}));
        EXPECT_TRUE(shownRows(shown, DlgCSP2Data::kStock).isEmpty());
        // A new set after ids 1 and 5 gets 6 and is shown empty.
        user.expectModal<Vdn_DlgPromptString>([](Vdn_DlgPromptString&, ui::UserActions& prompt) {
            prompt.enterText(Vdn_DlgPromptString::kValueEdit, L"Schoren");
            prompt.click(IDOK);
        });
        act.click(Vdn_DlgCSP2::kNewSet);
        EXPECT_EQ(shown.shownSet(), 6);
        act.click(kParts.add);
        ASSERT_TRUE(act.typeInCell(kParts.sheet, 1, 1, L"S1"));
        act.selectComboItem(Vdn_DlgCSP2::kSetCombo, 0);
        EXPECT_EQ(shownRows(shown, DlgCSP2Data::kStock),
                  (Rows{{L"12000", L"1"}, {L"8450", L"2,5"}}));
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(data.setIds, (Vdn_Array<int>{1, 5, 6}));
    EXPECT_EQ(data.rowsOf(DlgCSP2Data::kStock, 1), (Rows{{L"12000", L"1"}, {L"8450", L"2,5"}}));
    EXPECT_EQ(data.rowsOf(DlgCSP2Data::kParts, 6), (Rows{{L"S1", L"", L""}}));
}

TEST_F(CspDialogTest, DeletingEverySetLeavesEmptyTablesAndNoRowsForNoSet) {
    user.expectModal<Vdn_DlgCSP2>([&](Vdn_DlgCSP2& shown, ui::UserActions& act) {
        act.click(Vdn_DlgCSP2::kDeleteSet);
        EXPECT_EQ(shown.shownSet(), 5) << "the set that took the deleted one's place";
        act.click(Vdn_DlgCSP2::kDeleteSet);
        EXPECT_EQ(shown.shownSet(), DlgCSP2Data::kNoSet);
        EXPECT_TRUE(shownRows(shown, DlgCSP2Data::kParts).isEmpty());
        // Rows need a set to belong to.
        EXPECT_FALSE(shown.GetDlgItem(kParts.add)->IsWindowEnabled());
        EXPECT_FALSE(shown.GetDlgItem(kStock.import)->IsWindowEnabled());
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_TRUE(data.setIds.isEmpty());
    for (const DlgCSP2Data::TableData& table : data.tables)
        EXPECT_TRUE(table.rows.isEmpty() && table.rowSetIds.isEmpty());
}

TEST_F(CspDialogTest, ExportAndImportRoundTripThroughTheCuttingStockFolder) {
    const Vdn_String folderName = Vdn_DlgCSP2::cuttingStockFolder();
    data.replaceRows(DlgCSP2Data::kStock, 1, Rows{{L"12000", L""}, {L"", L"ƒ"}});
    user.expectModal<Vdn_DlgCSP2>([&](Vdn_DlgCSP2&, ui::UserActions& act) {
        // A name without the extension gets it.
        user.expectFileDialog((folder.path() / "library/Cutting Stock/hal").wstring());
        act.click(kStock.exportTo);
        act.selectComboItem(Vdn_DlgCSP2::kSetCombo, 1);
        user.expectFileDialog((folder.path() / "library/Cutting Stock/hal.shp").wstring());
        act.click(kStock.import);
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgCSP2(data));
    ASSERT_EQ(user.fileDialogs().size(), 2U);
    const ui::FileDialogRecord& saved = user.fileDialogs()[0];
    EXPECT_FALSE(saved.openDialog);
    EXPECT_EQ(saved.initialDir, folderName.str());
    EXPECT_EQ(saved.filter, L"Voorraad (*.shp)|*.shp||");
    EXPECT_EQ(saved.defaultExt, L"shp");
    EXPECT_EQ(folder.read("library/Cutting Stock/hal.shp"), "12000\xC2\xBF\n\xC2\xBF\xC6\x92\n");
    EXPECT_EQ(data.rowsOf(DlgCSP2Data::kStock, 5), data.rowsOf(DlgCSP2Data::kStock, 1));
}

TEST_F(CspDialogTest, RefusedCellsAndUnreadableFilesChangeNothing) {
    data.replaceRows(DlgCSP2Data::kStock, 1, Rows{{L"12000", L"a\u00BFb"}});
    const DlgCSP2Data before = data;
    user.expectModal<Vdn_DlgCSP2>([&](Vdn_DlgCSP2& shown, ui::UserActions& act) {
        // Refused before a name is asked.
        user.expectMessageBox(IDOK);
        act.click(kStock.exportTo);
        user.expectFileDialog((folder.path() / "library/Cutting Stock/gone.shp").wstring());
        user.expectMessageBox(IDOK);
        act.click(kStock.import);
        EXPECT_EQ(shownRows(shown, DlgCSP2Data::kStock), (Rows{{L"12000", L"a\u00BFb"}}));
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgCSP2(data));
    for (int table = 0; table < DlgCSP2Data::kTableCount; ++table) {
        for (const int set : {1, 5})
            EXPECT_EQ(data.rowsOf(table, set), before.rowsOf(table, set)) << table << " " << set;
    }
    ASSERT_EQ(user.messageBoxes().size(), 2U);
    EXPECT_EQ(user.messageBoxes()[0].text,
              dialString(20526).str() +
                  L":\nrow 1, cell 2 holds '\u00BF' or a line break, which the file cannot keep");
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "library/Cutting Stock"));
}

TEST_F(CspDialogTest, ReportNamesTheNewestFilesAndTheSetsPlan) {
    folder.write("library/Cutting Stock/old.shp", "1\n");
    folder.write("library/Cutting Stock/new.shp", "1\n");
    std::filesystem::last_write_time(folder.path() / "library/Cutting Stock/old.shp",
                                     std::filesystem::file_time_type::clock::now() -
                                         std::chrono::hours(48));
    std::wstring report;
    std::wstring caption;
    user.expectModal<Vdn_DlgCSP2>([&](Vdn_DlgCSP2&, ui::UserActions& act) {
        user.expectModal<CDlgInfo>([&](CDlgInfo& shown, ui::UserActions& info) {
            caption = shown.data_.title.str();
            for (int i = 0; i < shown.data_.lines.length(); ++i)
                report += (i == 0 ? L"" : L"\n") + shown.data_.lines[i].str();
            info.click(IDOK);
        });
        act.click(Vdn_DlgCSP2::kReport);
        act.click(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgCSP2(data));
    EXPECT_EQ(caption, dialString(633).str());
    EXPECT_NE(report.find(dialString(634).str() + L": new.shp, " + dialString(637).str()),
              std::wstring::npos)
        << Vdn_String(report).toUtf8();
    EXPECT_NE(report.find(dialString(635).str() + L": " + dialString(636).str()),
              std::wstring::npos);
    // Two columns of 6150 mm: one from the 12000 mm bar at hand, one from the 8450 mm ones.
    EXPECT_NE(report.find(dialString(20520).str() + L": 2 (" + dialString(20521).str() + L" 2)"),
              std::wstring::npos)
        << Vdn_String(report).toUtf8();
    EXPECT_EQ(report.front(), L'-');
    EXPECT_EQ(report.back(), L'-');
}

TEST_F(CspDialogTest, SingleTableModeShowsTheStockAloneAndChecksIt) {
    data.singleTable = true;
    data.replaceRows(DlgCSP2Data::kStock, 1, Rows{{L"12000", L"-2"}});
    user.expectModal<Vdn_DlgCSP2>([&](Vdn_DlgCSP2& shown, ui::UserActions& act) {
        for (const int id :
             {Vdn_DlgCSP2::kNewSet, kParts.sheet, kStock.add, Vdn_DlgCSP2::kTables[2].import})
            EXPECT_FALSE(shown.GetDlgItem(id)->IsWindowVisible()) << id;
        EXPECT_TRUE(shown.GetDlgItem(kStock.sheet)->IsWindowVisible());
        EXPECT_FALSE(shown.GetDlgItem(Vdn_DlgCSP2::kTables[2].exportTo)->IsWindowEnabled());
        EXPECT_EQ(shown.GetDlgItem(Vdn_DlgCSP2::kReport)->GetWindowText(), dialString(629).str());
        user.expectMessageBox(IDOK, dialString(20531).str() +
                                        L":\nstock row 1: the quantity \"-2\" is not a whole "
                                        L"number of 0 or more");
        act.click(Vdn_DlgCSP2::kCheck);
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgCSP2(data));
}

} // namespace
