// The profile-cuts dialog: the chosen cut is previewed in the drawing, removed, and another
// profile picked; the preview option outlives the run only on OK.
#include "macro/cuts/CDlgEditProfCuts.h"
#include "macro/cuts/CutLaunchers.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"
#include "tests/macro/CutFixture.h"

#include <gtest/gtest.h>

namespace {

using Dlg = CDlgEditProfCuts;

class CutProfileDialogTest : public cuttest::CutDrawingTest {
protected:
    void SetUp() override {
        cuttest::CutDrawingTest::SetUp();
        profCutsPreviewOption() = true;
        data.macroId = frame;
        data.moduleName = L"Beam1";
    }
    void TearDown() override {
        profCutsPreviewOption() = true;
        cuttest::CutDrawingTest::TearDown();
    }

    static CComboBox& cuts(CDialog& dialog) {
        return *dynamic_cast<CComboBox*>(dialog.GetDlgItem(Dlg::kCutCombo));
    }
    bool previewed(AcDbObjectId id, const wchar_t* module, const wchar_t* cut) const {
        return Vdn_Drawing::current().hasCutPreview(id, module, cut);
    }

    DlgProfCutsData data;
};

TEST_F(CutProfileDialogTest, TheChosenCutIsPreviewedAndRemovingTheLastSelectsTheNewLast) {
    user.expectModal<Dlg>([this](Dlg& shown, ui::UserActions& act) {
        ASSERT_EQ(cuts(shown).GetCount(), 2);
        EXPECT_EQ(cuts(shown).GetLBText(0), L"EndCut: Beam end");
        EXPECT_EQ(cuts(shown).GetCurSel(), 0);
        EXPECT_TRUE(previewed(frame, L"Beam1", L"EndCut"));
        act.selectComboItem(Dlg::kCutCombo, 1);
        EXPECT_FALSE(previewed(frame, L"Beam1", L"EndCut"));
        EXPECT_TRUE(previewed(frame, L"Beam1", L"Corner"));
        act.click(Dlg::kRemoveButton);
        ASSERT_EQ(cuts(shown).GetCount(), 1);
        EXPECT_EQ(cuts(shown).GetCurSel(), 0);
        EXPECT_TRUE(previewed(frame, L"Beam1", L"EndCut"));
        EXPECT_EQ(Vdn_Drawing::current().cutPreviewCount(), 1);
        act.click(Dlg::kRemoveButton);
        EXPECT_EQ(cuts(shown).GetCount(), 0);
        EXPECT_EQ(cuts(shown).GetCurSel(), -1);
        // Remove on an empty list does nothing.
        act.click(Dlg::kRemoveButton);
        EXPECT_EQ(Vdn_Drawing::current().cutPreviewCount(), 0);
        act.click(IDOK);
    });
    EXPECT_TRUE(StartEditProfCutsDlg(data));
    EXPECT_TRUE(moduleOf(frame, L"Beam1").cuts.isEmpty());
    EXPECT_EQ(Vdn_Drawing::current().cutPreviewCount(), 0);
}

// Previews off take the shown one away; the option is kept on OK only.
TEST_F(CutProfileDialogTest, PreviewsOffLeaveNoPreviewAndTheOptionIsKeptOnOk) {
    user.expectModal<Dlg>([](Dlg&, ui::UserActions& act) {
        act.click(Dlg::kPreviewCheck);
        EXPECT_EQ(Vdn_Drawing::current().cutPreviewCount(), 0);
        act.selectComboItem(Dlg::kCutCombo, 1);
        EXPECT_EQ(Vdn_Drawing::current().cutPreviewCount(), 0);
        act.pressKey(VK_ESCAPE);
    });
    EXPECT_FALSE(StartEditProfCutsDlg(data));
    EXPECT_TRUE(profCutsPreviewOption());

    user.expectModal<Dlg>([](Dlg&, ui::UserActions& act) {
        act.click(Dlg::kPreviewCheck);
        act.click(IDOK);
    });
    EXPECT_TRUE(StartEditProfCutsDlg(data));
    EXPECT_FALSE(profCutsPreviewOption());

    user.expectModal<Dlg>([](Dlg& shown, ui::UserActions& act) {
        EXPECT_EQ(shown.IsDlgButtonChecked(Dlg::kPreviewCheck), 0u);
        EXPECT_EQ(Vdn_Drawing::current().cutPreviewCount(), 0);
        act.click(Dlg::kPreviewCheck);
        EXPECT_EQ(Vdn_Drawing::current().cutPreviewCount(), 1);
        act.click(IDOK);
    });
    EXPECT_TRUE(StartEditProfCutsDlg(data));
    EXPECT_TRUE(profCutsPreviewOption());
    EXPECT_EQ(Vdn_Drawing::current().cutPreviewCount(), 0);
}

TEST_F(CutProfileDialogTest, AnotherProfileIsPickedInTheDrawing) {
    user.expectModal<Dlg>([this](Dlg& shown, ui::UserActions& act) {
        user.expectPickCancel();
        act.click(Dlg::kOtherProfileButton);
        EXPECT_EQ(cuts(shown).GetCount(), 2);
        EXPECT_TRUE(previewed(frame, L"Beam1", L"EndCut"));
        user.expectPickObjects({column.value()});
        act.click(Dlg::kOtherProfileButton);
        ASSERT_EQ(cuts(shown).GetCount(), 1);
        EXPECT_EQ(cuts(shown).GetLBText(0), L"Notch");
        EXPECT_FALSE(previewed(frame, L"Beam1", L"EndCut"));
        EXPECT_TRUE(previewed(column, L"Col1", L"Notch"));
        act.click(IDOK);
    });
    EXPECT_TRUE(StartEditProfCutsDlg(data));
    // The caller's record is not copied back.
    EXPECT_EQ(data.macroId, frame);
}

} // namespace
