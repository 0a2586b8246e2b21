// The sheets manager through its launcher: the trees it builds from the record, its menus with
// their separators and actions, and what the commands reach.
#include "module/SheetsManagerSlot.h"
#include "module/dynMenu.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/ui/users/UserActions.h"
#include "tests/module/ModuleFixture.h"
#include "workshop/sheets/CDlgSheetsMgr.h"
#include "workshop/sheets/SheetsManagerLaunchers.h"

#include <vector>

namespace {

using Dlg = CDlgSheetsMgr;

class SheetsPanelTest : public ModuleFixture {
protected:
    void SetUp() override {
        ModuleFixture::SetUp();
        gSettings.setWorkLanguage(Vdn_Settings::English);
    }
    void TearDown() override {
        EndModelessDlgSheetsMgr();
        ModuleFixture::TearDown();
    }
    // Two sheets, the second without parts; the format command is recorded.
    TfSheetsMgrDlgData sample() {
        TfSheetsMgrDlgData data;
        data.append(TfSheetEntry(L"W1 Column K1", {L"K1", L"P12", L"P13"}));
        data.append(TfSheetEntry(L"W2 Base plate", {}));
        data.setFormatChange([this](const Vdn_String& format) {
            formats.push_back(format);
            return true;
        });
        return data;
    }
    static Dlg* panel() {
        CTfDockControlBar* bar = frame::SheetsManagerSlot::instance().bar();
        return bar != nullptr ? dynamic_cast<Dlg*>(bar->hostedDialog()) : nullptr;
    }
    static Vdn_StringArray texts(const TfTreeSpread& tree) {
        Vdn_StringArray rows;
        for (int row = 1; row <= tree.maxRows(); ++row)
            rows.append(tree.rowText(row));
        return rows;
    }

    static ui::UserActions act() {
        return ui::UserActions(*panel(), [](const std::wstring& message) {
            ADD_FAILURE() << Vdn_String(message).toUtf8();
        });
    }

    std::vector<Vdn_String> formats;
};

TEST_F(SheetsPanelTest, BothTreesListTheSheetsWithTheirParts) {
    ASSERT_TRUE(StartModelessDlgSheetsMgr(sample()));
    ASSERT_NE(panel(), nullptr);
    for (TfTreeSpread* tree : {&panel()->sheetsTree(), &panel()->partsTree()}) {
        EXPECT_EQ(texts(*tree),
                  (Vdn_StringArray{L"W1 Column K1", L"K1", L"P12", L"P13", L"W2 Base plate"}));
        EXPECT_EQ(tree->getLevel(2), 2);
        EXPECT_FALSE(tree->hasChildren(5)) << "a sheet without parts is a single row";
        EXPECT_EQ(tree->glyphKind(2, 1), 1);
        EXPECT_EQ(tree->glyphKind(2, 5), 6);
        bool checked = true;
        EXPECT_TRUE(tree->getCheck(1, 5, checked));
        EXPECT_FALSE(checked) << "the first column holds \"0\"";
        EXPECT_EQ(tree->keyText(3), L"P12");
    }
    EXPECT_FALSE(panel()->sheetsTree().droppedTexts().length());
    EXPECT_TRUE(panel()->sheetsTree().dropEnabled());
    EXPECT_FALSE(panel()->partsTree().dropEnabled());
}

TEST_F(SheetsPanelTest, AnEmptyRecordGivesTwoEmptyTrees) {
    ASSERT_TRUE(StartModelessDlgSheetsMgr(TfSheetsMgrDlgData()));
    ASSERT_NE(panel(), nullptr);
    EXPECT_EQ(panel()->sheetsTree().maxRows(), 0);
    EXPECT_EQ(panel()->partsTree().maxRows(), 0);
}

TEST_F(SheetsPanelTest, TheSheetsMenuGroupsItsEntriesAndChangesTheFormat) {
    ASSERT_TRUE(StartModelessDlgSheetsMgr(sample()));
    TfTreeSpread& tree = panel()->sheetsTree();
    user_.expectMenuEntry(L"Change format");
    ASSERT_TRUE(act().rightClickCell(Dlg::kSheetsTree, tree.textColumn(), 1));
    ASSERT_EQ(user_.menus().size(), 1u);
    const auto& entries = user_.menus()[0].entries;
    // Ten commands in three groups; "Properties..." would need an eleventh command id.
    const std::vector<std::wstring> expected = {
        L"New sheet",           L"Edit sheet",         L"Copy sheet",
        L"Delete sheet",        L"Export sheet",       L"",
        L"Highlight all in 3D", L"Zoom in 3D",         L"",
        L"Generate DXF/DSTV",   L"Set checked status", L"Change format"};
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].text, expected[i]) << i;
        EXPECT_EQ(entries[i].separator, expected[i].empty()) << i;
    }
    EXPECT_EQ(entries.back().id, dynMenu::commandIds[9]);
    EXPECT_EQ(commandLineText(), L"\nMenu item \"Change format\" pressed.");
    EXPECT_EQ(formats, std::vector<Vdn_String>{L"A4"});

    // Another entry only reports itself.
    user_.expectMenuEntry(L"Zoom in 3D");
    ASSERT_TRUE(act().rightClickCell(Dlg::kSheetsTree, tree.textColumn(), 2));
    EXPECT_EQ(commandLineText(),
              L"\nMenu item \"Change format\" pressed.\nMenu item \"Zoom in 3D\" pressed.");
    EXPECT_EQ(formats.size(), 1u);
}

TEST_F(SheetsPanelTest, ThePartsMenuReportsItsChoice) {
    ASSERT_TRUE(StartModelessDlgSheetsMgr(sample()));
    TfTreeSpread& tree = panel()->partsTree();
    user_.expectMenuEntry(L"Properties...");
    ASSERT_TRUE(act().rightClickCell(Dlg::kPartsTree, tree.textColumn(), 3));
    ASSERT_EQ(user_.menus().size(), 1u);
    EXPECT_TRUE(user_.menus()[0].entries[1].separator);
    EXPECT_EQ(commandLineText(), L"\nMenu item \"Properties...\" pressed.");
    EXPECT_TRUE(formats.empty()) << "action 1 of the parts tree is no format change";
}

TEST_F(SheetsPanelTest, OutputMenuUnderItsButtonAndEscapeKeepsThePanel) {
    ASSERT_TRUE(StartModelessDlgSheetsMgr(sample()));
    user_.expectMenuDismiss();
    ASSERT_TRUE(act().click(Dlg::kGenerateOutput));
    ASSERT_EQ(user_.menus().size(), 1u);
    const auto& menu = user_.menus()[0];
    ASSERT_EQ(menu.entries.size(), 4u);
    EXPECT_EQ(menu.entries[3].text, L"Generate NC files");
    CRect button;
    panel()->GetDlgItem(Dlg::kGenerateOutput)->GetWindowRect(&button);
    EXPECT_EQ(CPoint(menu.x, menu.y), CPoint(button.left, button.bottom));

    ASSERT_TRUE(act().pressKey(VK_ESCAPE));
    EXPECT_TRUE(panel()->IsWindowVisible());
    EXPECT_EQ(commandLineText(), L"");
}

TEST_F(SheetsPanelTest, TheTreesNeverOverlapWhenThePanelGrows) {
    ASSERT_TRUE(StartModelessDlgSheetsMgr(sample()));
    panel()->SetWindowPos(nullptr, 0, 0, 500, 700, SWP_NOMOVE | SWP_NOZORDER);
    CRect upper;
    CRect lower;
    panel()->sheetsTree().GetWindowRect(&upper);
    panel()->partsTree().GetWindowRect(&lower);
    CRect client;
    panel()->GetWindowRect(&client);
    EXPECT_LE(upper.bottom, lower.top);
    EXPECT_LE(lower.bottom, client.bottom);
    EXPECT_GT(upper.Height(), 300);
}

} // namespace
