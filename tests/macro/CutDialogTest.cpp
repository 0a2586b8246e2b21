// The cut dialog driven by a scripted user: what it shows, how the type and the radio choice
// follow each other, and what OK refuses.
#include "macro/cuts/CDlgMacroCuts.h"
#include "macro/cuts/CutLaunchers.h"
#include "macro/cuts/CutParameterGrid.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"
#include "tests/macro/CutFixture.h"

#include <gtest/gtest.h>

namespace {

using Dlg = CDlgMacroCuts;

class CutDialogTest : public cuttest::CutDrawingTest {
protected:
    // A new cut of module Beam1 of the frame, with the defaults of type 1.
    DlgMacroCutsData newCut() const {
        DlgMacroCutsData data;
        data.macros.objectIds.append(frame);
        data.GetDefaultValues(DlgMacroCutsData::kProfileVsPlate);
        data.moduleName = L"Beam1";
        return data;
    }

    static std::wstring text(CDialog& dialog, int id) {
        return dialog.GetDlgItem(id)->GetWindowText();
    }
    static bool visible(CDialog& dialog, int id) {
        return (dialog.GetDlgItem(id)->GetStyle() & WS_VISIBLE) != 0;
    }
    static std::wstring cell(CDialog& dialog, int col, int row) {
        auto* grid = dynamic_cast<Vdn_Spread*>(dialog.GetDlgItem(Dlg::kParameterGrid));
        Vdn_String value;
        if (grid)
            grid->getCellText(col, row, value, Vdn_Spread::kCellValue);
        return value.str();
    }
    static int selection(CDialog& dialog, int id) {
        return dynamic_cast<CComboBox*>(dialog.GetDlgItem(id))->GetCurSel();
    }
};

TEST_F(CutDialogTest, ANewCutTakesTheTypeNameParametersAndOptions) {
    user.expectModal<Dlg>([](Dlg& shown, ui::UserActions& act) {
        EXPECT_EQ(shown.GetWindowText(), dialString(20600).str());
        EXPECT_EQ(selection(shown, Dlg::kTypeCombo), 0);
        EXPECT_EQ(text(shown, Dlg::kModuleCombo), L"Beam1");
        EXPECT_EQ(cell(shown, CutParameterGrid::kNameColumn, 1), dialString(20608).str());
        EXPECT_FALSE(visible(shown, Dlg::kThirdRadio));
        EXPECT_TRUE(visible(shown, Dlg::kStateCombo));
        // A chamfer: two outside offsets, numbered, and no options.
        act.selectComboItem(Dlg::kTypeCombo, 4);
        EXPECT_EQ(cell(shown, CutParameterGrid::kNameColumn, 2), dialString(20612).str() + L" 2");
        EXPECT_EQ(cell(shown, CutParameterGrid::kValueColumn, 1), L"15");
        EXPECT_TRUE(visible(shown, Dlg::kNoOptionsNote));
        EXPECT_FALSE(visible(shown, Dlg::kFirstRadio));
        act.enterText(Dlg::kNameEdit, L" Corner2 ");
        act.enterText(Dlg::kDescriptionEdit, L"Top corner");
        act.typeInCell(Dlg::kParameterGrid, CutParameterGrid::kValueColumn, 2, L"20");
        act.clickCell(Dlg::kParameterGrid, CutParameterGrid::kFlagColumn, 2);
        act.click(IDOK);
    });
    DlgMacroCutsData data = newCut();
    bool cancelled = true;
    ASSERT_TRUE(StartDlgMacroCuts(data, cancelled));
    EXPECT_FALSE(cancelled);
    EXPECT_EQ(data.cutType, 5);
    EXPECT_EQ(data.cutName, Vdn_String(L"Corner2"));
    EXPECT_EQ(data.description, Vdn_String(L"Top corner"));
    EXPECT_EQ(data.paramValues, (Vdn_StringArray{L"15", L"20"}));
    EXPECT_EQ(data.paramFlags, (Vdn_Array<bool>{true, true}));
    ASSERT_EQ(data.writeToDrawing(), Acad::eOk);
    EXPECT_EQ(moduleOf(frame, L"Beam1").cuts.length(), 3);
}

TEST_F(CutDialogTest, EditingAnExistingCutLocksTypeAndNameAndHidesTheModule) {
    user.expectModal<Dlg>([](Dlg& shown, ui::UserActions& act) {
        EXPECT_EQ(shown.GetWindowText(), dialString(20601).str());
        EXPECT_FALSE(shown.GetDlgItem(Dlg::kTypeCombo)->IsWindowEnabled());
        EXPECT_FALSE(shown.GetDlgItem(Dlg::kNameEdit)->IsWindowEnabled());
        for (const int id : {Dlg::kThisMacroRadio, Dlg::kOtherMacroRadio, Dlg::kSelectMacroButton,
                             Dlg::kModuleLabel, Dlg::kModuleCombo})
            EXPECT_FALSE(visible(shown, id)) << id;
        EXPECT_EQ(cell(shown, CutParameterGrid::kValueColumn, 1), L"5");
        act.typeInCell(Dlg::kParameterGrid, CutParameterGrid::kValueColumn, 1, L"7");
        act.click(Dlg::kSecondRadio);
        act.click(IDOK);
    });
    DlgMacroCutsData data;
    data.macros.objectIds.append(frame);
    ASSERT_EQ(data.loadCut(frameMacro(), L"Beam1", L"EndCut"), Acad::eOk);
    data.moduleName = L"";
    bool cancelled = false;
    ASSERT_TRUE(StartDlgMacroCuts(data, cancelled));
    EXPECT_EQ(data.paramValues[0], Vdn_String(L"7"));
    EXPECT_EQ(data.plateFace, 1);
    EXPECT_EQ(user.messageBoxes().size(), 0u);
}

// A name that differs only in case from a cut of the module is refused, whichever macro the
// module belongs to; the dialog stays with the input.
TEST_F(CutDialogTest, ANameInUseInAnyCaseIsRefusedUnderBothModuleChoices) {
    const std::wstring expected =
        dialString(20639).str() + L" \"NOTCH\" " + dialString(20640).str();
    user.expectModal<Dlg>([&](Dlg& shown, ui::UserActions& act) {
        act.enterText(Dlg::kNameEdit, L"endcut");
        user.expectMessageBox(IDOK,
                              dialString(20639).str() + L" \"endcut\" " + dialString(20640).str(),
                              dialString(20637).str());
        act.click(IDOK);
        EXPECT_FALSE(shown.hasEnded());
        user.expectPickObjects({column.value()});
        act.click(Dlg::kOtherMacroRadio);
        EXPECT_FALSE(shown.GetDlgItem(Dlg::kModuleCombo)->IsWindowEnabled());
        EXPECT_EQ(text(shown, Dlg::kModuleCombo), L"Col1");
        act.enterText(Dlg::kNameEdit, L"NOTCH");
        user.expectMessageBox(IDOK, expected);
        act.click(IDOK);
        EXPECT_FALSE(shown.hasEnded());
        EXPECT_EQ(text(shown, Dlg::kNameEdit), L"NOTCH");
        act.enterText(Dlg::kNameEdit, L"Notch2");
        act.click(IDOK);
    });
    DlgMacroCutsData data = newCut();
    bool cancelled = false;
    ASSERT_TRUE(StartDlgMacroCuts(data, cancelled));
    EXPECT_EQ(data.moduleChoice, DlgMacroCutsData::kOtherMacro);
    EXPECT_EQ(data.targetMacro(), column);
    ASSERT_EQ(data.writeToDrawing(), Acad::eOk);
    EXPECT_EQ(moduleOf(column, L"Col1").cuts.length(), 2);
}

TEST_F(CutDialogTest, TheModuleNameIsAskedForOnlyWhereItIsShown) {
    user.expectModal<Dlg>([&](Dlg& shown, ui::UserActions& act) {
        act.enterText(Dlg::kNameEdit, L"New");
        user.expectMessageBox(IDOK, dialString(20638).str());
        act.click(IDOK);
        EXPECT_FALSE(shown.hasEnded());
        act.selectComboText(Dlg::kModuleCombo, L"Plate1");
        act.click(IDOK);
    });
    DlgMacroCutsData data = newCut();
    data.moduleName = L"";
    bool cancelled = false;
    ASSERT_TRUE(StartDlgMacroCuts(data, cancelled));
    EXPECT_EQ(data.moduleName, Vdn_String(L"Plate1"));
}

TEST_F(CutDialogTest, ATypeOutsideOneToSixShowsTypeOneAndStoresIt) {
    for (const int damaged : {0, 7}) {
        user.expectModal<Dlg>([](Dlg& shown, ui::UserActions& act) {
            EXPECT_EQ(selection(shown, Dlg::kTypeCombo), 0);
            EXPECT_EQ(shown.shownType(), 1);
            act.enterText(Dlg::kNameEdit, L"Fixed");
            act.click(IDOK);
        });
        DlgMacroCutsData data = newCut();
        data.cutType = damaged;
        bool cancelled = false;
        ASSERT_TRUE(StartDlgMacroCuts(data, cancelled));
        EXPECT_EQ(data.cutType, 1) << damaged;
    }
}

// Text that is not a number leaves the value; a missing value shows, and stays, "0".
TEST_F(CutDialogTest, ValuesThatAreNoNumbersKeepTheRecordsValue) {
    user.expectModal<Dlg>([](Dlg& shown, ui::UserActions& act) {
        EXPECT_EQ(cell(shown, CutParameterGrid::kValueColumn, 2), L"0");
        act.enterText(Dlg::kNameEdit, L"Check");
        act.typeInCell(Dlg::kParameterGrid, CutParameterGrid::kValueColumn, 1, L"12mm");
        act.typeInCell(Dlg::kParameterGrid, CutParameterGrid::kValueColumn, 2, L" 3.5 ");
        act.click(IDOK);
    });
    DlgMacroCutsData data = newCut();
    data.paramValues = {L"4"};
    bool cancelled = false;
    ASSERT_TRUE(StartDlgMacroCuts(data, cancelled));
    EXPECT_EQ(data.paramValues, (Vdn_StringArray{L"4", L"3.5"}));
}

TEST_F(CutDialogTest, TheRadioChoiceFollowsTheType) {
    user.expectModal<Dlg>([](Dlg& shown, ui::UserActions& act) {
        // Type 4: the record has no given segments, so the third choice; no note then.
        EXPECT_EQ(shown.radioChoice(), 3);
        EXPECT_FALSE(visible(shown, Dlg::kSegmentsNote));
        act.click(Dlg::kFirstRadio);
        EXPECT_TRUE(visible(shown, Dlg::kSegmentsNote));
        EXPECT_EQ(text(shown, Dlg::kSegmentsNote), dialString(20626).str());
        act.click(Dlg::kSecondRadio);
        EXPECT_EQ(text(shown, Dlg::kSegmentsNote), dialString(20627).str());
        act.click(Dlg::kThirdRadio);
        // Type 1 offers no third choice: it becomes the second.
        act.selectComboItem(Dlg::kTypeCombo, 0);
        EXPECT_EQ(shown.radioChoice(), 2);
        EXPECT_FALSE(visible(shown, Dlg::kThirdRadio));
        EXPECT_EQ(text(shown, Dlg::kFirstRadio), dialString(20616).str());
        EXPECT_EQ(text(shown, Dlg::kTypeOptionCheck), dialString(20622).str());
        act.selectComboItem(Dlg::kTypeCombo, 2);
        EXPECT_EQ(text(shown, Dlg::kTypeOptionCheck), dialString(20623).str());
        EXPECT_FALSE(visible(shown, Dlg::kFlangesCheck));
        act.selectComboItem(Dlg::kTypeCombo, 0);
        act.enterText(Dlg::kNameEdit, L"Face");
        act.click(IDOK);
    });
    DlgMacroCutsData data = newCut();
    data.GetDefaultValues(DlgMacroCutsData::kThreeSegments);
    bool cancelled = false;
    ASSERT_TRUE(StartDlgMacroCuts(data, cancelled));
    EXPECT_EQ(data.cutType, 1);
    EXPECT_EQ(data.plateFace, 1);
}

TEST_F(CutDialogTest, ParameterNamesAgainstTheVariableRulesKeepTheDialogOpen) {
    user.expectModal<Dlg>([&](Dlg& shown, ui::UserActions& act) {
        act.enterText(Dlg::kNameEdit, L"Odd");
        user.expectMessageBox(IDOK);
        act.click(IDOK);
        EXPECT_FALSE(shown.hasEnded());
        act.click(IDCANCEL);
    });
    DlgMacroCutsData data = newCut();
    data.paramNames[0] = L"gen_Offset";
    const DlgMacroCutsData before = data;
    bool cancelled = false;
    EXPECT_FALSE(StartDlgMacroCuts(data, cancelled));
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(data, before);
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    const std::wstring& shown = user.messageBoxes()[0].text;
    EXPECT_EQ(shown, dialString(20641).str() + L"\n" + dialString(20642).str() + L"\n" +
                         dialString(20643).str() + L" \"gen_\".\n");
    EXPECT_EQ(user.messageBoxes()[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
}

TEST_F(CutDialogTest, EscapeCancelsAndAnEmptyNameIsRefused) {
    user.expectModal<Dlg>([&](Dlg& shown, ui::UserActions& act) {
        user.expectMessageBox(IDOK, dialString(20644).str());
        act.click(IDOK);
        EXPECT_FALSE(shown.hasEnded());
        act.pressKey(VK_ESCAPE);
    });
    DlgMacroCutsData data = newCut();
    bool cancelled = false;
    EXPECT_FALSE(StartDlgMacroCuts(data, cancelled));
    EXPECT_TRUE(cancelled);
}

TEST_F(CutDialogTest, TheEditorsCutButtonEditsTheCutItsConstraintNames) {
    const AcDbObjectId splice = Vdn_Drawing::current().addMacro(cuttest::macroFrom(R"({
      "name": "Splice", "modules": [{"name": "Plate1", "kind": "plate",
        "geometries": [{"id": 1, "kind": 2, "cells": ["Plane"], "nameTag": "Face"}],
        "constraints": [{"id": 12, "type": 2, "geometries": [1], "cut": true, "cutName": "EndCut"},
                        {"id": 13, "type": 2, "geometries": [1]}],
        "cuts": [{"name": "EndCut", "type": 1, "description": "Plate end",
                  "offsets": [5, null, 0, null, null, null, null, null, null]}]}]})"));
    user.expectModal<Dlg>([](Dlg& shown, ui::UserActions& act) {
        EXPECT_EQ(text(shown, Dlg::kNameEdit), L"EndCut");
        act.enterText(Dlg::kDescriptionEdit, L"Welded end");
        act.click(IDOK);
    });
    bool passEscape = true;
    EXPECT_TRUE(StartEditMacroCutDlg(splice, L"Plate1", 12, passEscape));
    EXPECT_FALSE(passEscape);
    EXPECT_EQ(moduleOf(splice, L"Plate1").cuts[0].description, Vdn_String(L"Welded end"));
    // A constraint that names no cut opens nothing and changes nothing.
    EXPECT_FALSE(StartEditMacroCutDlg(splice, L"Plate1", 13, passEscape));
    EXPECT_EQ(moduleOf(splice, L"Plate1").cuts[0].description, Vdn_String(L"Welded end"));
}

} // namespace
