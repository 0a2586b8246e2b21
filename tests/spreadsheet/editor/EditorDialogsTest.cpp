#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/menus/MenuLibrary.h"
#include "spreadsheet/editor/CDlgSSOptions.h"
#include "spreadsheet/editor/CDlgSSSettings.h"
#include "spreadsheet/editor/SheetDimensions.h"
#include "tests/spreadsheet/SpreadFixture.h"

#include <gtest/gtest.h>

using namespace spreadtest;

namespace {

std::wstring itemText(const CWnd& dialog, int id) {
    std::wstring text;
    dialog.GetDlgItemText(id, text);
    return text;
}

TSpread& preview(CDialog& dialog, int id) {
    auto* spread = dynamic_cast<TSpread*>(dialog.GetDlgItem(id));
    EXPECT_NE(spread, nullptr) << "preview " << id;
    return *spread;
}

// The names a preview shows: along its one row (1025) or down its one column (1002).
Vdn_StringArray previewNames(CDialog& dialog, int id) {
    const TSpread& spread = preview(dialog, id);
    const bool alongRow = id == CDlgSSOptions::kColumnPreview;
    Vdn_StringArray names;
    const int count = alongRow ? spread.SSGetMaxCols() : spread.SSGetMaxRows();
    for (int i = 1; i <= count; ++i) {
        std::wstring name;
        spread.SSGetData(alongRow ? i : 1, alongRow ? 1 : i, name);
        names.append(Vdn_String(name));
    }
    return names;
}

class SheetDimensionsTest : public SpreadTest {
protected:
    void SetUp() override {
        SpreadTest::SetUp();
        makeSheet(3, 2, true);
        spread.setColumnNames({L"Naam", L"Lengte", L"Gewicht"});
        spread.setRowNames({L"IPE", L"HEA"});
        spread.SSSetRowHeightInPixels(H, 24);
        spread.SSSetColWidthInPixels(H, 50);
        spread.SSSetBool(Vdn_Spread::kOptionChanged, false);
    }
    // Runs the dimension options with the user's actions.
    bool edit(std::function<void(CDlgSSOptions&, ui::UserActions&)> action) {
        user.expectModal<CDlgSSOptions>(std::move(action));
        return editSheetDimensions(spread);
    }
    int headerHeight() const {
        int pixels = 0;
        spread.SSGetRowHeightInPixels(H, pixels);
        return pixels;
    }
    int headerWidth() const {
        int pixels = 0;
        spread.SSGetColWidthInPixels(H, pixels);
        return pixels;
    }
    Vdn_StringArray columnNames() const {
        Vdn_StringArray names;
        spread.getColumnNames(names);
        return names;
    }
    Vdn_StringArray rowNames() const {
        Vdn_StringArray names;
        spread.getRowNames(names);
        return names;
    }
};

TEST_F(SheetDimensionsTest, TheDialogShowsTheSheetsDimensionsAndNames) {
    const bool changed = edit([](CDlgSSOptions& dialog, ui::UserActions& act) {
        EXPECT_EQ(dialog.GetWindowText(), L"Afmetingen");
        EXPECT_EQ(itemText(dialog, 1016), L"Aantal kolommen");
        EXPECT_EQ(itemText(dialog, 1022), L"Breedte rijkop");
        EXPECT_EQ(itemText(dialog, 1026), L"Voorbeeld");
        EXPECT_EQ(itemText(dialog, CDlgSSOptions::kColumnsEdit), L"3");
        EXPECT_EQ(itemText(dialog, CDlgSSOptions::kRowsEdit), L"2");
        EXPECT_EQ(itemText(dialog, CDlgSSOptions::kHeaderHeightEdit), L"24");
        EXPECT_EQ(itemText(dialog, CDlgSSOptions::kHeaderWidthEdit), L"50");

        const TSpread& columns = preview(dialog, CDlgSSOptions::kColumnPreview);
        EXPECT_EQ(columns.className(), L"fpUSpread70");
        EXPECT_EQ(columns.SSGetMaxRows(), 1);
        int pixels = 0;
        columns.SSGetRowHeightInPixels(TSpread::kHeader, pixels);
        EXPECT_EQ(pixels, 24);
        EXPECT_EQ(previewNames(dialog, CDlgSSOptions::kColumnPreview),
                  (Vdn_StringArray{L"Naam", L"Lengte", L"Gewicht"}));

        const TSpread& rows = preview(dialog, CDlgSSOptions::kRowPreview);
        EXPECT_EQ(rows.SSGetMaxCols(), 1);
        rows.SSGetColWidthInPixels(TSpread::kHeader, pixels);
        EXPECT_EQ(pixels, 50);
        EXPECT_EQ(previewNames(dialog, CDlgSSOptions::kRowPreview),
                  (Vdn_StringArray{L"IPE", L"HEA"}));
        act.click(IDCANCEL);
    });
    EXPECT_FALSE(changed);
    EXPECT_EQ(spread.maxCols(), 3);
    EXPECT_EQ(columnNames(), (Vdn_StringArray{L"Naam", L"Lengte", L"Gewicht"}));
    EXPECT_FALSE(spread.SSGetBool(Vdn_Spread::kOptionChanged));
}

TEST_F(SheetDimensionsTest, OkGivesTheSheetTheNewDimensionsAndNames) {
    const bool changed = edit([](CDlgSSOptions& dialog, ui::UserActions& act) {
        act.enterText(CDlgSSOptions::kColumnsEdit, L"4");
        EXPECT_EQ(previewNames(dialog, CDlgSSOptions::kColumnPreview),
                  (Vdn_StringArray{L"Naam", L"Lengte", L"Gewicht", L""}));
        TSpread& columns = preview(dialog, CDlgSSOptions::kColumnPreview);
        EXPECT_TRUE(columns.userType(4, 1, L"Prijs"));
        EXPECT_TRUE(columns.userType(2, 1, L"Lengte mm"));
        // Another number changes: the names typed so far stay.
        act.enterText(CDlgSSOptions::kHeaderHeightEdit, L"30");
        int pixels = 0;
        columns.SSGetRowHeightInPixels(TSpread::kHeader, pixels);
        EXPECT_EQ(pixels, 30);
        EXPECT_EQ(previewNames(dialog, CDlgSSOptions::kColumnPreview),
                  (Vdn_StringArray{L"Naam", L"Lengte mm", L"Gewicht", L"Prijs"}));
        act.enterText(CDlgSSOptions::kRowsEdit, L"1");
        EXPECT_EQ(previewNames(dialog, CDlgSSOptions::kRowPreview), Vdn_StringArray{L"IPE"});
        act.enterText(CDlgSSOptions::kHeaderWidthEdit, L"80");
        act.click(IDOK);
    });
    EXPECT_TRUE(changed);
    EXPECT_EQ(spread.maxCols(), 4);
    EXPECT_EQ(spread.maxRows(), 1);
    EXPECT_EQ(headerHeight(), 30);
    EXPECT_EQ(headerWidth(), 80);
    EXPECT_EQ(columnNames(), (Vdn_StringArray{L"Naam", L"Lengte mm", L"Gewicht", L"Prijs"}));
    EXPECT_EQ(rowNames(), Vdn_StringArray{L"IPE"});
    EXPECT_EQ(cell(1, 1), L"r1c1") << "the cells that stay keep their values";
    EXPECT_TRUE(spread.SSGetBool(Vdn_Spread::kOptionChanged));
}

TEST_F(SheetDimensionsTest, NamesBeyondTheKeptOnesComeFromTheNamesHandedIn) {
    const bool changed = edit([](CDlgSSOptions& dialog, ui::UserActions& act) {
        act.enterText(CDlgSSOptions::kColumnsEdit, L"1");
        EXPECT_TRUE(preview(dialog, CDlgSSOptions::kColumnPreview).userType(1, 1, L"Id"));
        act.enterText(CDlgSSOptions::kColumnsEdit, L"3");
        EXPECT_EQ(previewNames(dialog, CDlgSSOptions::kColumnPreview),
                  (Vdn_StringArray{L"Id", L"Lengte", L"Gewicht"}));
        // A name the user clears stays cleared.
        EXPECT_TRUE(preview(dialog, CDlgSSOptions::kRowPreview).userType(1, 2, L""));
        act.enterText(CDlgSSOptions::kRowsEdit, L"3");
        EXPECT_EQ(previewNames(dialog, CDlgSSOptions::kRowPreview),
                  (Vdn_StringArray{L"IPE", L"", L""}));
        act.click(IDOK);
    });
    EXPECT_TRUE(changed);
    EXPECT_EQ(columnNames(), (Vdn_StringArray{L"Id", L"Lengte", L"Gewicht"}));
    EXPECT_EQ(rowNames(), (Vdn_StringArray{L"IPE", L"", L""}));
}

TEST_F(SheetDimensionsTest, AFieldWithoutAValidNumberKeepsItsNumber) {
    struct Case {
        int field;
        const wchar_t* text;
    };
    const Case cases[] = {
        {CDlgSSOptions::kColumnsEdit, L"abc"},       {CDlgSSOptions::kColumnsEdit, L""},
        {CDlgSSOptions::kRowsEdit, L"-1"},           {CDlgSSOptions::kRowsEdit, L"99999999999"},
        {CDlgSSOptions::kHeaderHeightEdit, L"2001"}, {CDlgSSOptions::kHeaderWidthEdit, L"1.5"},
    };
    const bool changed = edit([&cases](CDlgSSOptions& dialog, ui::UserActions& act) {
        for (const Case& c : cases) {
            act.enterText(c.field, c.text);
            EXPECT_EQ(preview(dialog, CDlgSSOptions::kColumnPreview).SSGetMaxCols(), 3);
            EXPECT_EQ(preview(dialog, CDlgSSOptions::kRowPreview).SSGetMaxRows(), 2);
        }
        act.click(IDOK);
    });
    EXPECT_TRUE(changed);
    EXPECT_EQ(spread.maxCols(), 3);
    EXPECT_EQ(spread.maxRows(), 2);
    EXPECT_EQ(headerHeight(), 24);
    EXPECT_EQ(headerWidth(), 50);
    EXPECT_EQ(cell(3, 2), L"r2c3");
}

TEST_F(SheetDimensionsTest, ADetachedSheetOpensNoDialog) {
    Vdn_Spread detached;
    EXPECT_FALSE(editSheetDimensions(detached));
    EXPECT_TRUE(user.modals().empty());
}

class LanguageDialogTest : public uitest::ScriptedUserTest {
protected:
    void TearDown() override {
        gSettings.setWorkLanguage(savedLanguage);
        uitest::ScriptedUserTest::TearDown();
    }
    const int savedLanguage = gSettings.workLanguage();
};

TEST_F(LanguageDialogTest, OkStoresTheChosenLanguage) {
    gSettings.setWorkLanguage(Vdn_Settings::Dutch);
    CDlgSSSettings dialog;
    EXPECT_EQ(dialog.language, -1);
    user.expectModal(CDlgSSSettings::IDD, [](CDialog& shown, ui::UserActions& act) {
        EXPECT_EQ(shown.GetWindowText(), L"Taal");
        EXPECT_EQ(itemText(shown, CDlgSSSettings::kLanguageLabel), L"Taal van de editor:");
        auto* combo = dynamic_cast<CComboBox*>(shown.GetDlgItem(CDlgSSSettings::kLanguageCombo));
        ASSERT_NE(combo, nullptr);
        ASSERT_EQ(combo->GetCount(), 3);
        EXPECT_EQ(combo->GetLBText(0), L"Nederlands");
        EXPECT_EQ(combo->GetLBText(1), L"English");
        EXPECT_EQ(combo->GetLBText(2), L"Français");
        EXPECT_EQ(combo->GetCurSel(), -1);
        act.selectComboItem(CDlgSSSettings::kLanguageCombo, 2);
        act.click(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.language, 2);
}

TEST_F(LanguageDialogTest, OpensOnTheStoredLanguageAndCancelKeepsIt) {
    gSettings.setWorkLanguage(Vdn_Settings::English);
    CDlgSSSettings dialog;
    dialog.language = 1;
    user.expectModal(CDlgSSSettings::IDD, [](CDialog& shown, ui::UserActions& act) {
        EXPECT_EQ(shown.GetWindowText(), L"Language");
        EXPECT_EQ(itemText(shown, CDlgSSSettings::kLanguageLabel), L"Editor language:");
        auto* combo = dynamic_cast<CComboBox*>(shown.GetDlgItem(CDlgSSSettings::kLanguageCombo));
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->GetCurSel(), 1);
        act.selectComboItem(CDlgSSSettings::kLanguageCombo, 0);
        act.click(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.language, 1);
}

// Every entry of a menu resource as "Popup/Entry=id" ("-" for a separator).
void flatten(const std::vector<ui::MenuTemplateEntry>& entries, const std::wstring& path,
             std::vector<std::wstring>& out) {
    for (const auto& entry : entries) {
        switch (entry.kind) {
        case ui::MenuTemplateEntry::Kind::Popup:
            flatten(entry.entries, path + entry.text + L"/", out);
            break;
        case ui::MenuTemplateEntry::Kind::Separator:
            out.push_back(path + L"-");
            break;
        case ui::MenuTemplateEntry::Kind::Item:
            out.push_back(path + entry.text + L"=" + std::to_wstring(entry.id));
            break;
        }
    }
}

TEST(EditorMenus, TheEditorsMenusHoldTheirEntriesInOrder) {
    struct Case {
        UINT id;
        std::vector<std::wstring> entries;
    };
    const Case cases[] = {
        {139,
         {L"File/New=32811", L"File/Open...=32812", L"File/Save=32816", L"File/Save As...=32817",
          L"File/-", L"File/Export...=32818", L"File/-", L"File/Print=32831",
          L"File/Print Preview=32832", L"File/Print Setup=32830", L"Edit/Cut=32842",
          L"Edit/Copy=32843", L"Edit/Paste=32844", L"Cell/Note...=32806", L"Cell/Font...=32815",
          L"Cell/Borders...=32813", L"Cell/Cell Type...=32807", L"Tools/SpreadSheet Options=32845",
          L"Tools/Change Language=32846"}},
        {138,
         {L"Cell/Nota wijzigen=32806", L"Cell/Lettertype en kleuren=32815",
          L"Cell/Kaderlijnen ...=32813", L"Cell/Celltype wijzigen ...=32807"}},
        {179,
         {L"Context menu/Nota wijzigen=32822", L"Context menu/Variabele ...=32823",
          L"Context menu/Lettertype en kleuren=32824", L"Context menu/Kaderlijnen ...=32825",
          L"Context menu/Celltype wijzigen ...=32826"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const ui::MenuTemplate* menu = ui::MenuLibrary::instance().find(c.id);
        ASSERT_NE(menu, nullptr);
        std::vector<std::wstring> entries;
        flatten(menu->entries, L"", entries);
        EXPECT_EQ(entries, c.entries);
    }
}

} // namespace
