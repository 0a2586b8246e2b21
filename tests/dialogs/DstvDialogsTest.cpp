// The DSTV point dialogs: groups added (names compared without regard to case), deleted at
// once, edited and taken into use; the point editor's side pairing, enabling rules, new
// points and refused values.
#include "dialogs/CDlgEditDstvPoints.h"
#include "dialogs/CDlgSelectDstvPointsFile.h"
#include "dialogs/CspDstvEntries.h"
#include "platform/core/model/DlgDstvPoints.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CCheckComboBox.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"
#include "tests/core/TempFolder.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

using Points = Vdn_Array<Vdn_DstvPointInfo>;
using Edit = CDlgEditDstvPoints;
using Groups = CDlgSelectDstvPointsFile;

int selectionOf(CDialog& shown, int id) {
    return dynamic_cast<CComboBox*>(shown.GetDlgItem(id))->GetCurSel();
}

bool enabled(CDialog& shown, int id) {
    return shown.GetDlgItem(id)->IsWindowEnabled() != FALSE;
}

class DstvDialogsTest : public uitest::ScriptedUserTest {
protected:
    void SetUp() override { gSettings.setLibDir(folder.name("library")); }

    void answerPrompt(const wchar_t* name) {
        user.expectModal<Vdn_DlgPromptString>([name](Vdn_DlgPromptString&, ui::UserActions& act) {
            act.enterText(Vdn_DlgPromptString::kValueEdit, name);
            act.click(IDOK);
        });
    }

    SettingsRestorer settings;
    TempFolder folder;
};

TEST(DstvSidePairingTest, TheTwoSidesAlwaysComeFromDifferentPairs) {
    // changed, other before -> other after
    const int expected[4][4] = {{2, 2, 2, 3}, {2, 2, 2, 3}, {0, 1, 0, 0}, {0, 1, 0, 0}};
    for (int changed = 0; changed < 4; ++changed) {
        for (int other = 0; other < 4; ++other) {
            EXPECT_EQ(Edit::otherSide(static_cast<TfDstvPointSideSelection>(changed),
                                      static_cast<TfDstvPointSideSelection>(other)),
                      expected[changed][other])
                << changed << " with " << other;
        }
    }
}

TEST_F(DstvDialogsTest, SidePairingAndEnablingRulesInTheEditor) {
    Vdn_DstvPointInfo point(L"P");
    point.setSelectGeomExtent(true, eDstvSideTop, eDstvSideStart);
    Points points = {point};
    user.expectModal<Edit>([&](Edit& shown, ui::UserActions& act) {
        act.selectComboItem(Edit::kSide1Combo, 1); // side 2 was entry 0: same pair
        EXPECT_EQ(selectionOf(shown, Edit::kSide2Combo), 2);
        act.selectComboItem(Edit::kSide2Combo, 3);
        EXPECT_EQ(selectionOf(shown, Edit::kSide1Combo), 1) << "already of the other pair";

        EXPECT_TRUE(enabled(shown, Edit::kSide1Combo));
        EXPECT_FALSE(enabled(shown, Edit::kStartSideCombo));
        EXPECT_FALSE(enabled(shown, Edit::kHoleEdit));
        act.click(Edit::kFullHoleCheck);
        EXPECT_TRUE(enabled(shown, Edit::kHoleEdit));
        EXPECT_FALSE(enabled(shown, Edit::kThicknessCheck)) << "needs intersecting geometry";
        act.click(Edit::kIntersRadio);
        EXPECT_FALSE(enabled(shown, Edit::kSide1Combo));
        EXPECT_TRUE(enabled(shown, Edit::kStartSideCombo));
        EXPECT_TRUE(enabled(shown, Edit::kThicknessCheck));
        act.click(Edit::kThicknessCheck);
        EXPECT_EQ(shown.GetDlgItem(Edit::kHoleLabel)->GetWindowText(), dialString(859).str());
        // Back to the extent: the tick stays in the disabled box but does not count.
        act.click(Edit::kGeomRadio);
        EXPECT_FALSE(enabled(shown, Edit::kThicknessCheck));
        act.click(IDOK);
    });
    CDlgEditDstvPoints editor;
    editor.points_ = points;
    ASSERT_EQ(editor.DoModal(), IDOK);
    const Vdn_DstvPointInfo& stored = editor.points_[0];
    EXPECT_EQ(stored.sideSelection1(), eDstvSideEnd);
    EXPECT_EQ(stored.sideSelection2(), eDstvSideBottom);
    EXPECT_TRUE(stored.selectGeomExtent());
    EXPECT_FALSE(stored.selectIntersGeom());
    EXPECT_TRUE(stored.drillFullHole());
    EXPECT_FALSE(stored.radiusThicknessBased());
}

TEST_F(DstvDialogsTest, NewPointsTakeTheDefaultsAndRefusedValuesKeepThePointShown) {
    Points points = {Vdn_DstvPointInfo(L"Eerste")};
    user.expectModal<Edit>([&](Edit& shown, ui::UserActions& act) {
        act.click(Edit::kFullHoleCheck);
        act.enterText(Edit::kHoleEdit, L"-3");
        user.expectMessageBox(IDOK, dialString(20516).str());
        act.click(Edit::kAddButton); // refused: no prompt follows
        act.enterText(Edit::kHoleEdit, L"20");
        answerPrompt(L"Tweede");
        act.click(Edit::kAddButton);
        EXPECT_EQ(selectionOf(shown, Edit::kPointCombo), 0) << "inserted at the shown index";
        EXPECT_EQ(shown.GetDlgItem(Edit::kNameEdit)->GetWindowText(), L"Tweede");
        EXPECT_EQ(shown.GetDlgItem(Edit::kMinDistEdit)->GetWindowText(), L"50.000");
        EXPECT_EQ(shown.GetDlgItem(Edit::kHoleEdit)->GetWindowText(), L"16.000");
        EXPECT_EQ(selectionOf(shown, Edit::kSide2Combo), 2);
        act.enterText(Edit::kMinDistEdit, L"abc");
        user.expectMessageBox(IDOK, dialString(20516).str());
        act.selectComboItem(Edit::kPointCombo, 1);
        EXPECT_EQ(selectionOf(shown, Edit::kPointCombo), 0);
        act.enterText(Edit::kMinDistEdit, L"35.5");
        act.click(IDOK);
    });
    CDlgEditDstvPoints editor;
    editor.points_ = points;
    ASSERT_EQ(editor.DoModal(), IDOK);
    ASSERT_EQ(editor.points_.length(), 2);
    EXPECT_EQ(editor.points_[0].name(), L"Tweede");
    EXPECT_EQ(editor.points_[0].minPlateSideDist(), 35.5);
    EXPECT_EQ(editor.points_[1].drillRadius(), 20.0);
}

TEST_F(DstvDialogsTest, GroupsAreAddedDeletedEditedAndTakenIntoUse) {
    DlgDstvPoints files;
    ASSERT_TRUE(files.writeToFile(L"Liggers", {Vdn_DstvPointInfo(L"L")}));
    user.expectModal<Groups>([&](Groups& shown, ui::UserActions& act) {
        auto* list = dynamic_cast<CCheckComboBox*>(shown.GetDlgItem(Groups::kGroupCombo));
        ASSERT_NE(list, nullptr);
        // A name in use in another case is refused, and no file is written.
        answerPrompt(L"LIGGERS");
        user.expectMessageBox(IDOK, dialString(857).str() + L".\n" + dialString(858).str() + L".",
                              dialString(856).str());
        act.click(Groups::kAddButton);
        answerPrompt(L"Kolommen");
        act.click(Groups::kAddButton);
        EXPECT_EQ(list->GetCount(), 2);
        EXPECT_EQ(list->GetLBText(list->GetCurSel()), L"Kolommen");
        // The new group is empty and opens with no point.
        user.expectModal<Edit>([](Edit& editor, ui::UserActions& edit) {
            EXPECT_TRUE(editor.points_.isEmpty());
            EXPECT_FALSE(enabled(editor, Edit::kNameEdit));
            edit.click(IDOK);
        });
        act.click(Groups::kEditButton);
        act.click(Groups::kActivateButton);
        EXPECT_EQ(list->checkedText(), L"Kolommen");
        act.selectComboItem(Groups::kGroupCombo, 1);
        act.click(Groups::kDeleteButton); // no question
        EXPECT_EQ(list->GetCount(), 1);
        act.click(IDCANCEL);
    });
    StartDSTVPointsDlg();
    Vdn_StringArray names;
    files.getAllDstvPointsFiles(names);
    EXPECT_EQ(names, (Vdn_StringArray{L"Kolommen"}));
    EXPECT_EQ(files.getStandardDstvPointsFile(), files.pathOf(L"Kolommen"));
}

TEST_F(DstvDialogsTest, ADamagedGroupIsNeverOpenedForSavingOverIt) {
    folder.write("library/DSTV Points/Kapot.dat", "{\"format\":");
    user.expectModal<Groups>([&](Groups&, ui::UserActions& act) {
        user.expectMessageBox(IDOK);
        act.click(Groups::kEditButton); // no editor follows
        act.click(IDCANCEL);
    });
    StartDSTVPointsDlg();
    EXPECT_EQ(folder.read("library/DSTV Points/Kapot.dat"), "{\"format\":");
}

} // namespace
