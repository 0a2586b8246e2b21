// The macro editor driven through the scripted user: what reaches the model from each page,
// what is refused and left as it was, the Escape rule and the modeless single instance.
#include "macro/editor/CDlgEditMacro.h"
#include "macro/editor/EditConstrLaunchers.h"
#include "module/ConstraintEditorSlot.h"
#include "module/dynMenu.h"
#include "platform/core/model/EditConstrCallbacks.h"
#include "platform/core/model/MacroEditing.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/NamedItems.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/time/Clock.h"
#include "platform/ui/windows/WinConstants.h"
#include "tests/core/MacroSamples.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using Tab = CTabEditConstraints;
using Vars = CTabEditVars;

const char* const kMacro = R"({"name": "M",
  "modules": [
    {"name": "Plate", "variables": [{"name": "W", "value": "100"}, {"name": "H", "value": "40"}],
     "equations": ["H = W / 2 - 10"],
     "geometries": [{"id": 1, "cells": ["Line", "Top"]}, {"id": 2, "cells": ["Line", "Bottom"]}],
     "constraints": [{"id": 10, "type": 7, "geometries": [1, 2], "value": "100", "variable": "W"},
                     {"id": 11, "type": 0, "geometries": [1, 2], "choice": 0},
                     {"id": 12, "type": 2, "geometries": [2], "firstFlag": true,
                      "images": ["a.bmp", "b.bmp", "%radioBreak%", "c.bmp"]}]},
    {"name": "Other"}]})";

class MacroEditorDialog : public uitest::ScriptedUserTest {
protected:
    void SetUp() override {
        Vdn_Drawing::current().clear();
        data.macroObject = Vdn_Drawing::current().addMacro(readMacro(kMacro));
        data.currentModule = L"Plate";
    }
    void TearDown() override {
        frame::ConstraintEditorSlot::instance().discard();
        Vdn_Drawing::current().clear();
        uitest::ScriptedUserTest::TearDown();
    }
    const Vdn_DbMacro& model() const { return *Vdn_Drawing::current().macro(data.macroObject); }
    const Vdn_Module& plate() const { return model().modules[0]; }
    Vdn_String value(const wchar_t* name) const {
        return plate().variables[core::indexOfName(plate().variables, name)].value;
    }
    static bool shown(CDialog& page, int id) {
        const CWnd* control = page.GetDlgItem(id);
        return control != nullptr && (control->GetStyle() & WS_VISIBLE) != 0;
    }
    // Runs the editor modally with the action (then, the windows the action opens are
    // expected); true when it ended with OK.
    bool edit(std::function<void(CDlgEditMacro&, ui::UserActions&)> action,
              std::function<void()> then = {}) {
        user.expectModal(CDlgEditMacro::IDD, [action](CDialog& shown, ui::UserActions& act) {
            action(dynamic_cast<CDlgEditMacro&>(shown), act);
        });
        if (then)
            then();
        return StartDlgEditConstrModal(data);
    }

    EditConstrData data;
};

TEST_F(MacroEditorDialog, RowEditorsFollowTheRowAndCommitWhenTheRowIsLeft) {
    EXPECT_TRUE(edit([&](CDlgEditMacro& editor, ui::UserActions& act) {
        Tab& page = editor.constraintsPage();
        EXPECT_EQ(page.shownRow(), 0);
        EXPECT_TRUE(shown(page, Tab::kValueEdit));
        EXPECT_TRUE(shown(page, Tab::kNameEdit));
        EXPECT_FALSE(shown(page, Tab::kChoiceCombo));
        EXPECT_EQ(highlightedConstraint(data.macroObject, L"Plate"), 10);
        // Text that is not a number keeps the constraint's value.
        act.enterText(Tab::kValueEdit, L"abc");
        act.clickCell(Tab::kSheet, 1, 2);
        EXPECT_EQ(value(L"W"), Vdn_String(L"100"));
        EXPECT_TRUE(shown(page, Tab::kChoiceCombo));
        EXPECT_FALSE(shown(page, Tab::kValueEdit));
        EXPECT_EQ(highlightedConstraint(data.macroObject, L"Plate"), 11);
        act.selectComboItem(Tab::kChoiceCombo, 1);
        act.clickCell(Tab::kSheet, 1, 1);
        EXPECT_EQ(plate().constraints[1].choice, 1);
        act.enterText(Tab::kValueEdit, L"120");
        act.click(IDOK);
    }));
    EXPECT_EQ(value(L"W"), Vdn_String(L"120")); // committed on OK
    EXPECT_EQ(value(L"H"), Vdn_String(L"50"));
    EXPECT_EQ(highlightedConstraint(data.macroObject, L"Plate"), -1);
}

TEST_F(MacroEditorDialog, ARefusedVariableNameIsRestoredAndNeverCommitted) {
    struct Case {
        const wchar_t* name;
        int caption;
        std::vector<int> texts;
    };
    const Case cases[] = {{L"H", 856, {857, 858}},
                          {L"1W", 884, {885, 886, 887, 888}},
                          {L"W-2", 884, {1455, 1456, 888}}};
    EXPECT_TRUE(edit(
        [&](CDlgEditMacro&, ui::UserActions& act) {
            for (const Case& bad : cases) {
                act.enterText(Tab::kNameEdit, bad.name);
                act.setFocus(Tab::kValueEdit);
                EXPECT_EQ(act.control(Tab::kNameEdit)->GetWindowText(), L"W");
            }
            act.clickCell(Tab::kSheet, 1, 3);
            act.click(IDOK);
        },
        [&] {
            for (const Case& bad : cases) {
                std::wstring text = L"\"" + std::wstring(bad.name) + L"\"";
                for (const int number : bad.texts)
                    text += L"\n" + dialString(number).str();
                user.expectMessageBox(IDOK, text, dialString(bad.caption).str());
            }
        }));
    EXPECT_EQ(plate().constraints[0].variable, Vdn_String(L"W"));
    EXPECT_EQ(plate().variables.length(), 2);
}

TEST_F(MacroEditorDialog, EscapeClosesOnlyTwoSecondsAfterASelection) {
    EXPECT_TRUE(edit([&](CDlgEditMacro& editor, ui::UserActions& act) {
        act.clickCell(Tab::kSheet, 1, 2);
        ui::Clock::instance().advance(1999);
        act.pressKey(VK_ESCAPE);
        EXPECT_FALSE(editor.hasEnded());
        ui::Clock::instance().advance(1);
        act.pressKey(VK_ESCAPE);
        EXPECT_TRUE(editor.hasEnded());
    }));
}

TEST_F(MacroEditorDialog, TheMenuMapsTheChosenIdBackAcrossSeparators) {
    // Row 3 offers "with offset", a separator and "delete": the item after the separator has
    // the second id of the table.
    EXPECT_TRUE(edit(
        [&](CDlgEditMacro& editor, ui::UserActions& act) {
            act.rightClickCell(Tab::kSheet, 1, 3);
            EXPECT_EQ(editor.constrData().constraintIds, (Vdn_Array<int>{10, 11}));
            act.click(IDOK);
        },
        [&] { user.expectMenuCommand(dynMenu::commandIds[1]); }));
    ASSERT_EQ(user.menus().size(), 1u);
    EXPECT_EQ(user.menus()[0].entries.size(), 3u);
    EXPECT_EQ(plate().constraints.length(), 2);
}

TEST_F(MacroEditorDialog, SortingKeepsTheSelectedConstraintAndDeletingTheLastRowHidesDelete) {
    EXPECT_TRUE(edit([&](CDlgEditMacro& editor, ui::UserActions& act) {
        Tab& page = editor.constraintsPage();
        act.clickCell(Tab::kSheet, 1, 3);
        act.clickColumnHeader(Tab::kSheet, 1); // "#11", "#12", "W"
        EXPECT_EQ(page.sortColumn(), 1);
        EXPECT_EQ(editor.constrData().constraintIds, (Vdn_Array<int>{11, 12, 10}));
        EXPECT_EQ(editor.constrData().currentConstraint, 12);
        EXPECT_EQ(editor.constrData().constraintIds[page.shownRow()], 12);
        for (int left = 3; left > 0; --left)
            act.click(Tab::kDeleteButton);
        EXPECT_EQ(page.shownRow(), -1);
        EXPECT_FALSE(shown(page, Tab::kDeleteButton));
        act.click(IDOK);
    }));
    EXPECT_TRUE(plate().constraints.isEmpty());
}

TEST_F(MacroEditorDialog, ImageButtonsOfTheFirstGroupActAsRadioButtons) {
    EXPECT_TRUE(edit([&](CDlgEditMacro&, ui::UserActions& act) {
        act.clickCell(Tab::kSheet, 1, 3);
        act.click(Tab::kFirstImage);
        act.click(Tab::kFirstImage + 1);
        act.click(Tab::kFirstImage + 2);
        EXPECT_FALSE(act.control(Tab::kFirstImage + 3)->IsWindowEnabled());
        act.click(IDOK);
    }));
    EXPECT_EQ(plate().constraints[2].imageSelections, (Vdn_Array<int>{2, 1}));
}

TEST_F(MacroEditorDialog, VariablesDropEmptyNamesAndRefuseRepeatedOnes) {
    EXPECT_TRUE(edit(
        [&](CDlgEditMacro& editor, ui::UserActions& act) {
            act.selectTab(CDlgEditMacro::kTabs, CDlgEditMacro::kVariablesPage);
            act.click(Vars::kAddButton);
            act.typeInCell(Vars::kVariablesSheet, 1, 3, L"w");
            const Vdn_DbMacro before = model();
            EXPECT_FALSE(editor.variablesPage().commit()); // "w" repeats "W": nothing changes
            EXPECT_EQ(model(), before);
            act.typeInCell(Vars::kVariablesSheet, 1, 3, L"");
            act.click(Vars::kAddButton);
            act.typeInCell(Vars::kVariablesSheet, 1, 4, L"Gap");
            act.typeInCell(Vars::kVariablesSheet, 2, 4, L"12.5");
            act.typeInCell(Vars::kVariablesSheet, 2, 1, L"wide"); // not a number: W keeps 100
            act.enterText(Vars::kEquationsEdit, L"H = W / 2 - Gap\n\n");
            act.selectTab(CDlgEditMacro::kTabs, CDlgEditMacro::kConstraintsPage);
            act.click(IDOK);
        },
        [&] { user.expectMessageBox(IDOK); }));
    EXPECT_EQ(value(L"Gap"), Vdn_String(L"12.5"));
    EXPECT_EQ(value(L"W"), Vdn_String(L"100"));
    EXPECT_EQ(value(L"H"), Vdn_String(L"37.5"));
    EXPECT_EQ(plate().equations, (Vdn_StringArray{L"H = W / 2 - Gap"}));
}

TEST_F(MacroEditorDialog, ANewModuleIsSelectedAfterItsCommand) {
    EXPECT_TRUE(edit([&](CDlgEditMacro& editor, ui::UserActions& act) {
        act.click(CDlgEditMacro::kNewModule);
        EXPECT_EQ(editor.constrData().currentModule, Vdn_String(L"Module1"));
        act.click(IDOK);
    }));
    EXPECT_EQ(model().modules.length(), 3);
}

TEST_F(MacroEditorDialog, ASecondModelessStartKeepsTheFirstEditor) {
    EXPECT_TRUE(StartDlgEditConstraints(data));
    auto* first = dynamic_cast<CDlgEditMacro*>(frame::ConstraintEditorSlot::instance().editor());
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isModeless());
    EditConstrData other = data;
    other.currentModule = L"Other";
    EXPECT_TRUE(StartDlgEditConstraints(other));
    EXPECT_EQ(frame::ConstraintEditorSlot::instance().editor(), first);
    EXPECT_EQ(first->constrData().currentModule, Vdn_String(L"Plate"));
    first->OnOK();
    EXPECT_EQ(frame::ConstraintEditorSlot::instance().editor(), nullptr);
}

} // namespace
