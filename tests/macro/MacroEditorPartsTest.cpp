// The macro editor's parts without its window: image groups, the Escape rule, the equations
// text, and the callbacks that keep the record and the model in step.
#include "macro/editor/CTabEditVars.h"
#include "macro/editor/EditorEscapeGate.h"
#include "macro/editor/ImageButtonGroups.h"
#include "platform/core/model/EditConstrCallbacks.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/NamedItems.h"
#include "platform/host/MacroEditorCommands.h"
#include "platform/ui/time/Clock.h"
#include "platform/ui/users/ScriptedUser.h"
#include "platform/ui/users/UserScope.h"
#include "tests/core/MacroSamples.h"

#include <gtest/gtest.h>

namespace {

using Checks = ImageButtonGroups::Checks;

TEST(MacroEditorImages, GroupsFollowTheBreaks) {
    const Vdn_StringArray none{L"a.bmp", L"b.bmp", L"c.bmp"};
    const Vdn_StringArray two{L"a.bmp", L"b.bmp", ImageButtonGroups::kBreak, L"c.bmp", L"d.bmp"};
    const ImageButtonGroups loose(none);
    const ImageButtonGroups grouped(two);

    // Without a break every button toggles alone.
    EXPECT_FALSE(loose.isRadio(0));
    EXPECT_EQ(loose.afterClick({true, true, false, false, false}, 1),
              (Checks{true, true, false, false, false}));
    // The first group, closed by a break, is a radio group; the second toggles alone.
    EXPECT_TRUE(grouped.isRadio(0));
    EXPECT_EQ(grouped.afterClick({true, true, false, false, false}, 1),
              (Checks{false, true, false, false, false}));
    EXPECT_EQ(grouped.afterClick({true, false, true, true, false}, 3),
              (Checks{true, false, true, true, false}));
    EXPECT_EQ(grouped.picture(2), Vdn_String(L"c.bmp"));
    EXPECT_EQ(grouped.groupOf(4), -1);

    // Selections are bit masks per group, read back as they were written.
    const Checks checks{false, true, true, true, false};
    EXPECT_EQ(grouped.selectionsFrom(checks), (Vdn_Array<int>{2, 3}));
    EXPECT_EQ(grouped.checksFrom(grouped.selectionsFrom(checks)), checks);
    EXPECT_EQ(grouped.checksFrom({}), Checks{});
}

TEST(MacroEditorEscape, SelectionHoldsEscapeBackForTwoSeconds) {
    EditorEscapeGate gate;
    EXPECT_TRUE(gate.escapeCloses(true));
    gate.rowSelected();
    ui::Clock::instance().advance(1999);
    EXPECT_FALSE(gate.escapeCloses(true));
    EXPECT_TRUE(gate.escapeCloses(false)); // pages without the quiet time
    ui::Clock::instance().advance(1);
    EXPECT_TRUE(gate.escapeCloses(true));
    gate.passNextEscape();
    EXPECT_FALSE(gate.escapeCloses(false));
    EXPECT_TRUE(gate.escapeCloses(false)); // passed on once only
}

TEST(MacroEditorEquations, WrittenWithCrLfAndSplitOnAnyLineBreak) {
    const Vdn_StringArray equations{L"H = 2*E", L"W = H/2"};
    EXPECT_EQ(CTabEditVars::equationsText(equations), Vdn_String(L"H = 2*E\r\nW = H/2\r\n"));
    EXPECT_EQ(CTabEditVars::equationLines(CTabEditVars::equationsText(equations)), equations);
    for (const wchar_t* text : {L"H = 2*E\nW = H/2", L"H = 2*E\rW = H/2",
                                L"H = 2*E\n\r\n  \nW = H/2\r", L"  H = 2*E  \n\rW = H/2\n"})
        EXPECT_EQ(CTabEditVars::equationLines(text), equations) << Vdn_String(text).toUtf8();
}

const char* const kMacro = R"({"name": "M",
  "modules": [
    {"name": "Plate", "variables": [{"name": "W", "value": "100"}, {"name": "H", "value": "40"},
                                    {"name": "Finish", "value": "Primer", "kind": 5}],
     "equations": ["H = W / 2 - 10"],
     "geometries": [{"id": 1, "cells": ["Line", "Top"], "nameTag": "TopEdge"},
                    {"id": 2, "cells": ["Line", "Bottom"], "flexibility": 1}],
     "constraints": [{"id": 10, "type": 7, "geometries": [1, 2], "value": "100", "variable": "W"},
                     {"id": 11, "type": 0, "geometries": [1, 2], "choice": 0},
                     {"id": 12, "type": 2, "geometries": [2], "firstFlag": true}]},
    {"name": "Other"}]})";

class EditConstrCallbacksTest : public ::testing::Test {
protected:
    void SetUp() override {
        Vdn_Drawing::current().clear();
        data.macroObject = Vdn_Drawing::current().addMacro(readMacro(kMacro));
        data.currentModule = L"plate";
        ASSERT_TRUE(fillEditConstrData(data));
    }
    void TearDown() override { Vdn_Drawing::current().clear(); }
    const Vdn_Module& plate() const {
        return Vdn_Drawing::current().macro(data.macroObject)->modules[0];
    }

    EditConstrData data;
};

TEST_F(EditConstrCallbacksTest, TheRecordListsTheModuleAsTheEditorShowsIt) {
    EXPECT_EQ(data.currentModule, Vdn_String(L"Plate"));
    EXPECT_EQ(data.moduleNames, (Vdn_StringArray{L"Plate", L"Other"}));
    EXPECT_EQ(data.constraintIds, (Vdn_Array<int>{10, 11, 12}));
    EXPECT_EQ(data.constraintRows[0],
              (Vdn_StringArray{L"W", constraintTypeName(7), L"TopEdge", L"Line Bottom"}));
    EXPECT_EQ(data.rowEditorKinds[0], (Vdn_Array<int>{0, 1}));
    EXPECT_EQ(data.rowChoiceLists[1].length(), 2);
    EXPECT_EQ(data.dimensionValueNames, (Vdn_StringArray{L"W"}));
    EXPECT_EQ(data.variableValues, (Vdn_Array<double>{100, 40, 0}));
    EXPECT_EQ(data.currentConstraint, 10);
}

TEST_F(EditConstrCallbacksTest, ANewVariableNameMakesTheVariableThatDrivesTheConstraint) {
    data.rowVariableNames[0] = L"Width";
    data.rowValues[0] = L"120";
    ASSERT_TRUE(UpdateConstraint(&data, 0)) << Vdn_Drawing::current().lastMessage();
    EXPECT_EQ(plate().constraints[0].variable, Vdn_String(L"Width"));
    EXPECT_TRUE(data.variableNames.contains(L"Width"));
    EXPECT_EQ(data.rowValues[0], Vdn_String(L"120"));
}

TEST_F(EditConstrCallbacksTest, ARefusedChangeLeavesModelAndRecord) {
    const Vdn_DbMacro before = *Vdn_Drawing::current().macro(data.macroObject);
    data.rowVariableNames[0] = L"H"; // derived by an equation: its value cannot be set
    data.rowValues[0] = L"77";
    const EditConstrData record = data;
    EXPECT_FALSE(UpdateConstraint(&data, 0));
    EXPECT_EQ(data, record);
    EXPECT_EQ(*Vdn_Drawing::current().macro(data.macroObject), before);
}

TEST_F(EditConstrCallbacksTest, VariablesKeepTheirTextWhileTheirNumberIsUnchanged) {
    data.variableValues[0] = 200;
    data.equations = {L"H = W / 4"};
    ASSERT_TRUE(UpdateVarsEqs(&data)) << Vdn_Drawing::current().lastMessage();
    EXPECT_EQ(plate().variables[core::indexOfName(plate().variables, L"Finish")].value,
              Vdn_String(L"Primer"));
    EXPECT_EQ(plate().variables[1].value, Vdn_String(L"50"));
    EXPECT_EQ(data.variableKinds[2], 5);
}

TEST_F(EditConstrCallbacksTest, SortingOrdersTheModelAndKeepsTheCurrentConstraint) {
    data.currentConstraint = 12;
    ASSERT_TRUE(SortConstraints(&data, 2, 3));
    // Names of the types: "Afstand", "Evenwijdig", "Samenvallend" in Dutch; whatever the
    // language, the rows are in the order of their type names.
    for (int row = 1; row < data.rowCount(); ++row)
        EXPECT_FALSE(data.constraintRows[row][1].toUpper() <
                     data.constraintRows[row - 1][1].toUpper());
    EXPECT_EQ(data.currentConstraint, 12);
    EXPECT_EQ(plate().constraints[0].id, data.constraintIds[0]);
}

TEST_F(EditConstrCallbacksTest, TheContextMenuOffersWhatTheRowHas) {
    Vdn_StringArray texts;
    Vdn_Array<int> codes;
    Vdn_Array<int> checked;
    ASSERT_TRUE(ConstrContextMenu(&data, 2, texts, codes, checked));
    EXPECT_EQ(codes, (Vdn_Array<int>{kToggleOffset, 0, kDeleteConstraint}));
    EXPECT_EQ(texts[1], Vdn_String(L"%BREAK%"));
    EXPECT_EQ(checked, (Vdn_Array<int>{0}));
    ASSERT_TRUE(ContextMenuAction(&data, 2, kToggleOffset));
    EXPECT_FALSE(plate().constraints[2].firstFlag);
    EXPECT_FALSE(ContextMenuAction(&data, 7, kToggleOffset));
}

TEST_F(EditConstrCallbacksTest, GeometriesAreObjectsOfTheirOwn) {
    const AcDbObjectId top = data.geometryObjects[0];
    EXPECT_NE(top, data.macroObject);
    EXPECT_EQ(geometryIdOf(top), 1);
    ASSERT_TRUE(HighlightObject(top));
    EXPECT_TRUE(Vdn_Drawing::current().isHighlighted(top));
    EXPECT_FALSE(Vdn_Drawing::current().isHighlighted(data.macroObject));
    ASSERT_TRUE(UpdateGeomFlexibility(&data, top, data.geometryFlexibilityValues[0], 3));
    EXPECT_EQ(plate().geometries[0].flexibility, 2);
    EXPECT_FALSE(UpdateGeomFlexibility(&data, top, data.geometryFlexibilityValues[1], 1));
    ASSERT_TRUE(UpdateConstrGeom(&data, data.geometryObjects[1], true));
    EXPECT_TRUE(plate().geometries[1].construction);
    EXPECT_EQ(data.geometryFlags, (Vdn_Array<int>{0, 1}));
}

TEST_F(EditConstrCallbacksTest, ACommandAddsAConstraintBetweenPickedGeometries) {
    ui::ScriptedUser user;
    ui::UserScope scope(user);
    user.expectPickObjects({data.geometryObjects[1].value()})
        .expectPickObjects({data.geometryObjects[0].value()})
        .expectPickCancel();
    ASSERT_TRUE(StartMacroCommand(&data, static_cast<int>(ConstraintType::Distance)));
    EXPECT_EQ(plate().constraints.last().geometries, (Vdn_Array<int>{2, 1}));
    EXPECT_EQ(data.currentConstraint, 13);
    EXPECT_FALSE(StartMacroCommand(&data, static_cast<int>(ConstraintType::Radius)));
    EXPECT_FALSE(StartMacroCommand(&data, 10));
    EXPECT_EQ(plate().constraints.length(), 4);
    EXPECT_TRUE(user.verify()) << Vdn_String(user.failureText()).toUtf8();
}

} // namespace
