#include "MacroSamples.h"
#include "platform/core/model/MacroRecalculation.h"
#include "platform/core/text/NamedItems.h"

#include <gtest/gtest.h>

namespace {

// A macro of two modules: A holds X, Y, Z with the given equations, B holds P and Q.
std::string twoModules(const std::string& equations, const std::string& extraB = "") {
    return R"({"generalVariables": [{"name": "gen_K", "value": "3"}],
      "modules": [
        {"name": "A", "variables": [{"name": "X", "value": "1"}, {"name": "Y", "value": "0"},
                                    {"name": "Z", "value": "0"}],
         "equations": [)" +
           equations + R"(]},
        {"name": "B", "variables": [{"name": "P", "value": "10"}, {"name": "Q", "value": "x"})" +
           extraB + "]}]}";
}

Vdn_String valueOf(const Vdn_DbMacro& macro, const wchar_t* module, const wchar_t* name) {
    const Vdn_Module& found = macro.modules[core::indexOfName(macro.modules, module)];
    return found.variables[core::indexOfName(found.variables, name)].value;
}

TEST(MacroEquations, DerivedValuesFollowInDependencyOrderWhateverTheFileOrder) {
    // Z reads Y, which is listed after it; Y reads X, a general variable and another module.
    Vdn_DbMacro macro = readMacro(twoModules(R"("Z = Y * 2 + gen_K", "Y = X + p", "X = 4")"));
    EXPECT_EQ(core::MacroRecalculation::order(macro), (Vdn_StringArray{L"A.X", L"A.Y", L"A.Z"}));
    Vdn_String message;
    ASSERT_TRUE(core::MacroRecalculation::run(macro, message)) << message;
    EXPECT_EQ(valueOf(macro, L"A", L"X"), Vdn_String(L"4"));
    EXPECT_EQ(valueOf(macro, L"A", L"Y"), Vdn_String(L"14"));
    EXPECT_EQ(valueOf(macro, L"A", L"Z"), Vdn_String(L"31"));
}

TEST(MacroEquations, ResultsAreStoredAsTheirShortestText) {
    struct Case {
        const char* equation;
        const wchar_t* value;
    };
    for (const Case& c : {Case{R"("Y = 0.1 + 0.2")", L"0.3"}, Case{R"("Y = 10 / 4")", L"2.5"},
                          Case{R"("Y = -0 * 5")", L"0"}, Case{R"("Y = 2 > 1")", L"1"},
                          Case{R"("Y = q & \"!\"")", L"x!"}, Case{R"("Y = 1e20")", L"1e+20"}}) {
        SCOPED_TRACE(c.equation);
        Vdn_DbMacro macro = readMacro(twoModules(c.equation));
        Vdn_String message;
        ASSERT_TRUE(core::MacroRecalculation::run(macro, message)) << message;
        EXPECT_EQ(valueOf(macro, L"A", L"Y"), Vdn_String(c.value));
    }
}

TEST(MacroEquations, AFormulaErrorChangesNothing) {
    // X is computed first and fine; Z divides by zero: X must not keep its new value.
    Vdn_DbMacro macro = readMacro(twoModules(R"("X = 7", "Z = X / Y")"));
    const Vdn_DbMacro before = macro;
    Vdn_String message;
    EXPECT_FALSE(core::MacroRecalculation::run(macro, message));
    EXPECT_EQ(message.toUtf8(), "modules[0].equations[1]: A.Z cannot be computed: #DIV/0!");
    EXPECT_EQ(macro, before);
}

struct BadModel {
    const char* label;
    std::string json;
    const char* message;
};

class BadModelFile : public ::testing::TestWithParam<BadModel> {};

TEST_P(BadModelFile, FailsToLoadWithPathAndReason) {
    const core::MacroReadResult result = Vdn_DbMacro::readFromText(GetParam().json);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.message().toUtf8(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    MacroEquations, BadModelFile,
    ::testing::Values(
        BadModel{"Cycle", twoModules(R"("X = 1", "Y = Z + 1", "Z = Y * 2")"),
                 "modules[0].equations[1]: the equations depend on each other in a circle: "
                 "A.Y -> A.Z -> A.Y"},
        BadModel{"SelfReference", twoModules(R"("Y = Y + 1")"),
                 "modules[0].equations[0]: the equations depend on each other in a circle: "
                 "A.Y -> A.Y"},
        BadModel{"UnknownName", twoModules(R"("Y = X + Width")"),
                 "modules[0].equations[0]: no variable is named \"Width\""},
        BadModel{"DoesNotParse", twoModules(R"("Y = (X + 1")"),
                 "modules[0].equations[0]: the formula does not parse at character 7: "
                 "expected ')' to close the '(' at character 1"},
        BadModel{"NoEqualsSign", twoModules(R"("Y X")"),
                 "modules[0].equations[0]: expected NAME = formula, found \"Y X\""},
        BadModel{"TargetNotInModule", twoModules(R"("P = 1")"),
                 "modules[0].equations[0]: the module has no variable \"P\""},
        BadModel{"TwoEquationsOneTarget", twoModules(R"("Y = 1", "y = 2")"),
                 "modules[0].equations[1]: \"A.Y\" is derived by modules[0].equations[0] "
                 "already"},
        BadModel{"CellReference", twoModules(R"("Y = A1 + 1")"),
                 "modules[0].equations[0]: the formula refers to a cell; equations name "
                 "variables (a variable whose name reads as a cell, such as \"T1\", cannot be "
                 "used in an equation)"},
        BadModel{
            "NameInSeveralModules",
            R"({"modules": [{"name": "A", "variables": [{"name": "Y"}], "equations": ["Y = W"]},
                     {"name": "B", "variables": [{"name": "W"}]},
                     {"name": "C", "variables": [{"name": "W"}]}]})",
            "modules[0].equations[0]: \"W\" is a variable of several modules (B,C); give "
            "it to one module only"},
        BadModel{"ConstraintWithMissingGeometry",
                 R"({"modules": [{"name": "A"}, {"name": "B", "geometries": [{"id": 1}, {"id": 2}],
                     "constraints": [{"id": 5, "geometries": [2, 9]}]}]})",
                 "modules[1].constraints[0].geometries[1]: no geometry has id 9"},
        BadModel{"ConstraintWithMissingVariable",
                 R"({"modules": [{"name": "A", "constraints": [{"id": 5, "variable": "H"}]}]})",
                 "modules[0].constraints[0].variable: no variable of the module is named \"H\""},
        BadModel{"RepeatedGeometryId",
                 R"({"modules": [{"name": "A", "geometries": [{"id": 1}, {"id": 1}]}]})",
                 "modules[0].geometries[1].id: the id 1 occurs more than once"},
        BadModel{
            "UnknownCellKind",
            R"({"modules": [{"name": "A", "variables": [{"name": "W", "cellKind": "slider"}]}]})",
            "modules[0].variables[0].cellKind: unknown cell kind \"slider\" (expected "
            "\"number\", \"text\", \"list\", \"editableList\" or \"check\")"},
        BadModel{"CutStateFour",
                 R"({"modules": [{"name": "A", "cuts": [{"name": "C", "state": 4}]}]})",
                 "modules[0].cuts[0].state: 4 is not between 0 and 3"},
        BadModel{"RotationOfFortyFive",
                 R"({"modules": [{"name": "A", "profiles": [{"rotation": 45}]}]})",
                 "modules[0].profiles[0].rotation: 45 is not 0, 90, 180 or 270 degrees"},
        BadModel{"MaximumNotNumber",
                 R"({"modules": [{"name": "A", "variables": [{"name": "W", "maximum": "big"}]}]})",
                 "modules[0].variables[0].maximum: \"big\" is not a number"},
        BadModel{"BoltOptionOutOfRange",
                 R"({"modules": [{"name": "B", "kind": "bolt",
                     "boltData": {"options": [0, 1, 3, 0]}}]})",
                 "modules[0].boltData.options[2]: 3 is not between 0 and 2"},
        BadModel{"HoleColumnsThatDoNotLineUp",
                 R"({"modules": [{"name": "B", "kind": "bolt",
                     "boltData": {"holeColumns": {"numbers": [1, 2], "texts": ["x"]}}}]})",
                 "modules[0].boltData.holeColumns: expected as many texts as numbers"},
        BadModel{"TabWithoutModule", R"({"tabs": [{"name": "Ghost"}], "modules": [{"name": "A"}]})",
                 "tabs[0].name: no module is on the tab \"Ghost\""},
        BadModel{"NegativeObjectId", R"({"objectId": -4})",
                 "objectId: expected a whole number that is not negative"}),
    [](const ::testing::TestParamInfo<BadModel>& info) { return info.param.label; });

TEST(MacroEquations, EveryNewPartSurvivesARoundTrip) {
    const Vdn_DbMacro macro = readMacro(R"({"name": "M", "title": "T", "objectId": 42,
      "tabs": [{"name": "G", "kind": 3, "design": "d1", "blockReference": true,
                "blockName": "B1", "view": 1, "later": [1]}],
      "modules": [{"name": "A", "group": "G",
        "variables": [{"name": "W", "value": "5", "kind": 2, "cellKind": "list",
                       "displayName": "Width", "items": ["5", "6"], "minimum": 1,
                       "maximum": "9.5"},
                      {"name": "H", "value": "10", "cellKind": "check"}],
        "equations": ["H = W * 2"],
        "geometries": [{"id": 3, "kind": 1, "cells": ["Line", "Top"], "nameTag": "Top",
                        "flexibility": 2}],
        "constraints": [{"id": 7, "type": 4, "geometries": [3], "value": "10",
                         "variable": "H", "choice": 2, "firstFlag": true, "secondFlag": true,
                         "images": ["a.bmp", "%radioBreak%"], "cut": true}],
        "arrays": [{"name": "R", "kind": 2, "texts": ["Linear", "X"], "design": "d2",
                    "entries": ["e1", "e2"]}],
        "cuts": [{"name": "C", "type": 5, "description": "Chamfer", "state": 3, "side": 1,
                  "cutter": "A", "profile": "Beam"}],
        "profiles": [{"name": "S", "offsetType": 2, "rotation": "270", "basePlane": "Web",
                      "coordinateSystem": "Local"}]},
       {"name": "B", "kind": "bolt", "boltData": {"assembly": "M 8.8", "diameter": 20,
         "texts": ["a", "b"], "count": 2, "flag": true, "options": [0, 1, 2, 1],
         "optionalOptions": [-1, 0, 1, 2, -1],
         "holeColumns": {"numbers": [1, 2], "texts": ["x", "y"]},
         "entries": [{"active": 2, "selection": -1, "texts": ["10", "20"], "later": 1}]}}]})");
    const core::MacroReadResult again = Vdn_DbMacro::readFromText(macro.toJsonText());
    ASSERT_TRUE(again.ok()) << again.message();
    EXPECT_EQ(again.macro(), macro);
    EXPECT_EQ(again.macro().toJsonText(), macro.toJsonText());
    EXPECT_EQ(macro.objectId, 42u);
    EXPECT_EQ(macro.modules[0].arrays[0].texts.length(), 5); // padded to five texts
    EXPECT_EQ(macro.modules[0].profiles[0].rotation, 270);
    const BoltDetails& details = macro.modules[1].boltData.details;
    EXPECT_EQ(details.optionalOptions, (std::array<int, 5>{-1, 0, 1, 2, -1}));
    EXPECT_EQ(details.entries[0].texts[1], Vdn_String(L"20"));
    EXPECT_EQ(details.texts[2], Vdn_String());
}

} // namespace
