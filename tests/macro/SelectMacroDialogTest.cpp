// The macro chooser: thumbnails and their pictures, choosing, the filter grid, the filter
// panel and its remembered state, the alternative use and the compact form.
#include "macro/select/CDlgSelectMacro.h"
#include "macro/select/DlgRegBool.h"
#include "macro/select/SelectMacroLaunchers.h"
#include "platform/ui/windows/WinConstants.h"
#include "tests/host/TempRegistry.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

std::string macroFile(const std::string& modules) {
    return R"({"name": "M", "modules": [)" + modules + "]}";
}
const std::string kPlate =
    R"({"name": "P1", "group": "Plate", "kind": "plate", "variables": [{"name": "T", "value": "10"}]})";
const std::string kBolts =
    R"({"name": "B1", "group": "Bolts", "kind": "bolt", "variables": [{"name": "Gauge", "value": "90"}]})";

class SelectMacroDialogTest : public uitest::ScriptedUserTest {
protected:
    SelectMacroDialogTest() {
        folder.write("lib/Splice12.dwg", macroFile(kPlate + "," + kBolts));
        folder.write("lib/Splice12.bmp", "own picture");
        folder.write("lib/Splice12.abm", "older preview");
        folder.write("lib/Stiffener.dwg", macroFile(kPlate));
    }

    bool choose(Vdn_String& chosen, bool& alternative, bool compact = false) {
        return StartDlgSelectMacro(L"", {folder.name("lib")}, 0, -1, chosen, alternative, compact);
    }
    static int height(const CWnd& window) {
        CRect rect;
        window.GetWindowRect(&rect);
        return rect.Height();
    }

    TempRegistry registry;
    TempFolder folder;
};

// The result is the drawing itself, not its label (which lost its digits); its own picture
// wins over a preview, and a macro without one gets a preview drawn.
TEST_F(SelectMacroDialogTest, ChoosesTheSelectedDrawing) {
    user.expectModal<CDlgSelectMacro>([this](CDlgSelectMacro& shown, ui::UserActions& act) {
        ASSERT_EQ(shown.thumbnails().GetItemCount(), 2);
        EXPECT_EQ(shown.thumbnails().images()[0].name, L"Splice");
        EXPECT_EQ(shown.thumbnails().images()[0].path, folder.name("lib") + L"\\Splice12.bmp");
        EXPECT_EQ(shown.thumbnails().images()[1].path, folder.name("lib") + L"\\Stiffener.abm");
        EXPECT_EQ(folder.read("lib/Stiffener.abm").substr(0, 2), "BM");
        EXPECT_EQ(folder.read("lib/Splice12.abm"), "older preview");
        EXPECT_FALSE(shown.GetDlgItem(CDlgSelectMacro::kAltConfirm)->IsWindowEnabled());
        // Nothing selected: OK does nothing.
        act.click(IDOK);
        EXPECT_FALSE(shown.hasEnded());
        act.doubleClickImage(CDlgSelectMacro::kThumbnails, 0);
    });
    Vdn_String chosen = L"unchanged";
    bool alternative = false;
    ASSERT_TRUE(choose(chosen, alternative));
    EXPECT_EQ(chosen, folder.name("lib") + L"\\Splice12.dwg");
    EXPECT_FALSE(alternative);
}

TEST_F(SelectMacroDialogTest, CancelKeepsTheCallersValues) {
    user.expectModal<CDlgSelectMacro>([](CDlgSelectMacro&, ui::UserActions& act) {
        act.selectImage(CDlgSelectMacro::kThumbnails, 1);
        act.click(IDCANCEL);
    });
    Vdn_String chosen = L"unchanged";
    bool alternative = true;
    EXPECT_FALSE(choose(chosen, alternative));
    EXPECT_EQ(chosen, L"unchanged");
    EXPECT_TRUE(alternative);
}

// A row per module, a check box before each text; cells past a row's texts are grey and
// locked; switching the bolts off leaves out the macro with bolts, the switch shows it again.
TEST_F(SelectMacroDialogTest, FilterGridNarrowsTheThumbnails) {
    user.expectModal<CDlgSelectMacro>([](CDlgSelectMacro& shown, ui::UserActions& act) {
        const Vdn_Spread& grid = shown.filterGrid();
        ASSERT_EQ(grid.maxRows(), 2);
        ASSERT_EQ(grid.maxCols(), 4);
        Vdn_String text;
        grid.getCellText(2, 1, text);
        EXPECT_EQ(text, L"Bolts");
        grid.getCellText(4, 2, text);
        EXPECT_EQ(text, L"T = 10");
        EXPECT_EQ(grid.cellType(1, 1), Vdn_Spread::kCheckBoxType);
        EXPECT_TRUE(grid.SSGetLock(2, 1));
        EXPECT_FALSE(grid.SSGetLock(3, 2));
        act.clickCell(CDlgSelectMacro::kFilterGrid, 1, 1);
        bool on = true;
        ASSERT_TRUE(grid.getCheck(1, 1, on));
        EXPECT_FALSE(on);
        EXPECT_EQ(shown.shownMacros().length(), 1);
        EXPECT_NE(shown.shownMacros()[0].find(L"Stiffener.dwg"), -1);
        act.click(CDlgSelectMacro::kApplyFilter);
        EXPECT_EQ(shown.shownMacros().length(), 2);
        act.click(IDCANCEL);
    });
    Vdn_String chosen;
    bool alternative = false;
    choose(chosen, alternative);
}

// Hiding the panel moves the thumbnails up and shrinks the dialog; the choice is kept per
// user, and the size is kept with the panel shown, so reopening does not shrink it again.
TEST_F(SelectMacroDialogTest, HiddenFilterPanelIsRememberedWithoutShrinking) {
    int shownHeight = 0;
    int hiddenHeight = 0;
    user.expectModal<CDlgSelectMacro>([&](CDlgSelectMacro& shown, ui::UserActions& act) {
        shownHeight = height(shown);
        const int thumbnailHeight = height(*shown.GetDlgItem(CDlgSelectMacro::kThumbnails));
        act.click(CDlgSelectMacro::kFilterButton);
        EXPECT_FALSE(shown.isLarge());
        EXPECT_FALSE(shown.GetDlgItem(CDlgSelectMacro::kFilterGrid)->IsWindowVisible());
        hiddenHeight = height(shown);
        EXPECT_LT(hiddenHeight, shownHeight);
        EXPECT_EQ(height(*shown.GetDlgItem(CDlgSelectMacro::kThumbnails)), thumbnailHeight);
        act.click(IDCANCEL);
    });
    user.expectModal<CDlgSelectMacro>([&](CDlgSelectMacro& shown, ui::UserActions& act) {
        EXPECT_FALSE(shown.isLarge());
        EXPECT_EQ(height(shown), hiddenHeight);
        act.click(CDlgSelectMacro::kFilterButton);
        EXPECT_EQ(height(shown), shownHeight);
        act.click(IDCANCEL);
    });
    Vdn_String chosen;
    bool alternative = false;
    choose(chosen, alternative);
    EXPECT_FALSE(readDlgRegBool(CDlgSelectMacro::kSizeKey, CDlgSelectMacro::kLargeEntry, true));
    choose(chosen, alternative);
    EXPECT_TRUE(readDlgRegBool(CDlgSelectMacro::kSizeKey, CDlgSelectMacro::kLargeEntry, false));
}

TEST_F(SelectMacroDialogTest, AlternativeUseIsReported) {
    user.expectModal<CDlgSelectMacro>([](CDlgSelectMacro&, ui::UserActions& act) {
        act.selectImage(CDlgSelectMacro::kThumbnails, 1);
        act.click(CDlgSelectMacro::kAltConfirm);
    });
    Vdn_String chosen;
    bool alternative = true;
    ASSERT_TRUE(choose(chosen, alternative));
    EXPECT_TRUE(alternative);
    EXPECT_EQ(chosen, folder.name("lib") + L"\\Stiffener.dwg");
}

TEST_F(SelectMacroDialogTest, CompactFormIsShorterWithoutItsSwitches) {
    // Nothing stored, so both open at their own size.
    registry.reopen(ui::Registry::Access::ReadOnly);
    int compactHeight = 0;
    user.expectModal<CDlgSelectMacro>([&](CDlgSelectMacro& shown, ui::UserActions& act) {
        EXPECT_FALSE(shown.GetDlgItem(CDlgSelectMacro::kAltConfirm)->IsWindowVisible());
        EXPECT_FALSE(shown.GetDlgItem(CDlgSelectMacro::kApplyFilter)->IsWindowVisible());
        compactHeight = height(shown);
        act.click(IDCANCEL);
    });
    user.expectModal<CDlgSelectMacro>([&](CDlgSelectMacro& shown, ui::UserActions& act) {
        EXPECT_EQ(height(shown), compactHeight + CDlgSelectMacro::kCompactReduction);
        act.click(IDCANCEL);
    });
    Vdn_String chosen;
    bool alternative = false;
    choose(chosen, alternative, true);
    choose(chosen, alternative, false);
}

} // namespace
