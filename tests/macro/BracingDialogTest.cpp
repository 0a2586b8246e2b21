// The bracing dialog: the record it shows, the section lists tied to their kinds, and what OK
// and Cancel give back.
#include "macro/cladding/CDlgBracing.h"
#include "macro/cladding/CladdingLaunchers.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

class BracingDialogTest : public uitest::ScriptedUserTest {
protected:
    BracingDialogTest() {
        data.sections = {L"L-60x6", L"L-70x7", L"RHS-80x40x4"};
        data.wallKind = 1;
        data.roofKind = 3;
        data.roofSection = L"l-70X7";
    }

    static const CComboBox& combo(const CDialog& dialog, int id) {
        return dynamic_cast<const CComboBox&>(*dialog.GetDlgItem(id));
    }
    static bool enabled(const CDialog& dialog, int id) {
        return dialog.GetDlgItem(id)->IsWindowEnabled() != FALSE;
    }

    TfBracingDlgData data;
};

TEST_F(BracingDialogTest, SectionListsFollowTheirKinds) {
    user.expectModal<CDlgBracing>([](CDlgBracing& shown, ui::UserActions& act) {
        EXPECT_EQ(combo(shown, CDlgBracing::kWallKindCombo).GetCurSel(), 1);
        EXPECT_EQ(combo(shown, CDlgBracing::kRoofKindCombo).GetCurSel(), 3);
        // The record's section is found whatever its case.
        EXPECT_EQ(combo(shown, CDlgBracing::kRoofSectionCombo).GetCurSel(), 1);
        EXPECT_FALSE(enabled(shown, CDlgBracing::kWallSectionCombo));
        EXPECT_FALSE(enabled(shown, CDlgBracing::kWallSectionLabel));
        EXPECT_TRUE(enabled(shown, CDlgBracing::kRoofSectionCombo));

        act.selectComboItem(CDlgBracing::kWallKindCombo, TfBracingDlgData::kSectionKind);
        EXPECT_TRUE(enabled(shown, CDlgBracing::kWallSectionCombo));
        act.typeInCombo(CDlgBracing::kWallSectionCombo, L"L-50x5 ");
        act.selectComboItem(CDlgBracing::kRoofKindCombo, 4);
        EXPECT_FALSE(enabled(shown, CDlgBracing::kRoofSectionCombo));
        act.click(CDlgBracing::kEndBaysCheck);
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgBracing(data));
    EXPECT_EQ(data.wallKind, 3);
    EXPECT_EQ(data.wallSection, L"L-50x5");
    EXPECT_EQ(data.roofKind, 4);
    EXPECT_EQ(data.roofSection, L"L-70x7");
    EXPECT_TRUE(data.bothEndBays);
}

TEST_F(BracingDialogTest, CancelKeepsTheRecordAndAnUnknownKindShowsAsNone) {
    data.wallKind = 9;
    const TfBracingDlgData before = data;
    user.expectModal<CDlgBracing>([](CDlgBracing& shown, ui::UserActions& act) {
        EXPECT_EQ(combo(shown, CDlgBracing::kWallKindCombo).GetCurSel(), 0);
        act.selectComboItem(CDlgBracing::kRoofKindCombo, 0);
        act.click(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgBracing(data));
    EXPECT_EQ(data, before);
}

} // namespace
