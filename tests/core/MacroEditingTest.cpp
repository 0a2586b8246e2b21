#include "platform/core/model/MacroEditing.h"

#include "MacroSamples.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/NamedItems.h"

#include <gtest/gtest.h>

namespace {

const char* const kMacro = R"({"name": "M", "tabs": [{"name": "Solo", "view": 1}],
  "modules": [
    {"name": "Plate", "variables": [{"name": "W", "value": "100"}, {"name": "A", "value": "0"},
                                    {"name": "L", "value": "5", "settable": false}],
     "equations": ["A = W * Rows"],
     "geometries": [{"id": 1}, {"id": 2}],
     "constraints": [{"id": 10, "geometries": [1, 2], "value": "100", "variable": "W"},
                     {"id": 11, "value": "0", "variable": "A"},
                     {"id": 12, "value": "5", "variable": "L"}]},
    {"name": "Bolts", "variables": [{"name": "Rows", "value": "2"}]},
    {"name": "Solo", "variables": [{"name": "X", "value": "1", "maximum": 10}]}]})";

class MacroEditing : public ::testing::Test {
protected:
    void SetUp() override {
        Vdn_Drawing::current().clear();
        id = Vdn_Drawing::current().addMacro(readMacro(kMacro));
    }
    void TearDown() override {
        UnHighlightConstraints();
        Vdn_Drawing::current().clear();
    }
    const Vdn_DbMacro& model() const { return *Vdn_Drawing::current().macro(id); }
    Vdn_String value(const wchar_t* module, const wchar_t* name) const {
        const Vdn_Module& found = model().modules[core::indexOfName(model().modules, module)];
        return found.variables[core::indexOfName(found.variables, name)].value;
    }
    Vdn_Constraint constraint(int index) const { return model().modules[0].constraints[index]; }

    AcDbObjectId id;
};

TEST_F(MacroEditing, AConstraintValuePassesToItsVariableAndWhatDerivesFromIt) {
    Vdn_Constraint edited = constraint(0);
    edited.value = L"150";
    edited.firstFlag = true;
    ASSERT_TRUE(UpdateConstraint(id, L"plate", edited)) << Vdn_Drawing::current().lastMessage();
    EXPECT_EQ(value(L"Plate", L"W"), Vdn_String(L"150"));
    EXPECT_EQ(value(L"Plate", L"A"), Vdn_String(L"300"));
    EXPECT_EQ(constraint(1).value, Vdn_String(L"300")); // driven by A, shows it
    EXPECT_TRUE(constraint(0).firstFlag);
}

TEST_F(MacroEditing, RefusedEditsChangeNothing) {
    const Vdn_DbMacro before = model();
    struct Case {
        const char* label;
        std::function<bool()> edit;
        const char* message;
    };
    const Case cases[] = {
        {"DerivedVariable",
         [&] {
             Vdn_Constraint edited = constraint(1);
             edited.value = L"7";
             return UpdateConstraint(id, L"Plate", edited);
         },
         "the value of A is derived or cannot be set"},
        {"UnsettableVariable",
         [&] {
             Vdn_Constraint edited = constraint(2);
             edited.value = L"7";
             return UpdateConstraint(id, L"Plate", edited);
         },
         "the value of L is derived or cannot be set"},
        {"UnknownConstraint",
         [&] {
             Vdn_Constraint edited;
             edited.id = 99;
             return UpdateConstraint(id, L"Plate", edited);
         },
         "the module has no constraint 99"},
        {"RemoveModuleOthersRead", [&] { return RemoveModule(id, L"Bolts"); },
         "the module cannot be removed: modules[0].equations[0]: no variable is named \"Rows\""},
        {"RenameToExisting", [&] { return RenameModule(id, L"Bolts", L"PLATE"); },
         "the macro has a module PLATE already"},
        {"EquationCycle",
         [&] {
             return UpdateVarsEqs(id, L"Bolts", {L"Rows", L"Rb"}, {L"2", L"3"}, {0, 0},
                                  {L"Rows = Rb", L"Rb = Rows + 1"});
         },
         "modules[1].equations[0]: the equations depend on each other in a circle: Bolts.Rows "
         "-> Bolts.Rb -> Bolts.Rows"},
        {"VariableAConstraintNeeds",
         [&] {
             return UpdateVarsEqs(id, L"Plate", {L"A", L"L"}, {L"0", L"5"}, {0, 0}, {});
         },
         "constraint 10 needs the variable W"},
        {"ClashAfterRecalculation",
         [&] { return UpdateVarsEqs(id, L"Solo", {L"X"}, {L"11"}, {0}, {}); },
         "Solo.X = 11 is above its maximum 10"},
        {"FlexibilityOutOfRange", [&] { return UpdateGeomFlexibility(id, L"Plate", 1, 3); },
         "a flexibility is 0, 1 or 2"},
        {"NameTagOfMissingGeometry",
         [&] {
             return SetNameTags(id, L"Plate", {1, 5}, {L"Top", L"Bottom"});
         },
         "the module has no geometry 5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_FALSE(c.edit());
        EXPECT_EQ(Vdn_Drawing::current().lastMessage().toUtf8(), c.message);
        EXPECT_EQ(model(), before);
    }
}

TEST_F(MacroEditing, VariablesAndEquationsReplaceTheModulesKeepingWhatStays) {
    ASSERT_TRUE(UpdateVarsEqs(id, L"Bolts", {L"Rows", L"Pitch"}, {L"4", L"70"}, {1, 2},
                              {L"Pitch = Rows * 10"}))
        << Vdn_Drawing::current().lastMessage();
    EXPECT_EQ(value(L"Bolts", L"Pitch"), Vdn_String(L"40"));
    EXPECT_EQ(value(L"Plate", L"A"), Vdn_String(L"400")); // reads Bolts.Rows
    EXPECT_EQ(model().modules[1].variables[0].kind, 1);
}

TEST_F(MacroEditing, ModulesRenameAndRemoveWithTheirTabs) {
    ASSERT_TRUE(RenameModule(id, L"Solo", L"Single"));
    EXPECT_EQ(model().tabs[0].name, Vdn_String(L"Single"));
    ASSERT_TRUE(RemoveModule(id, L"Single"));
    EXPECT_TRUE(model().tabs.isEmpty());
    Vdn_StringArray names;
    ASSERT_TRUE(MacroGetModules(id, names));
    EXPECT_EQ(names, (Vdn_StringArray{L"Plate", L"Bolts"}));
    bool inUse = false;
    ASSERT_TRUE(VarNameInUse(id, L"Plate", L"w", inUse));
    EXPECT_TRUE(inUse);
    ASSERT_TRUE(VarNameInUse(id, L"Plate", L"Rows", inUse));
    EXPECT_FALSE(inUse); // another module's variable is not the module's name space
}

TEST_F(MacroEditing, AHighlightFollowsTheConstraintUntilItIsDeleted) {
    EXPECT_FALSE(HighlightConstraint(id, L"Plate", 99));
    ASSERT_TRUE(HighlightConstraint(id, L"Plate", 11));
    EXPECT_EQ(highlightedConstraint(id, L"plate"), 11);
    EXPECT_EQ(highlightedConstraint(id, L"Bolts"), -1);
    ASSERT_TRUE(DeleteConstraint(id, L"Plate", 11));
    EXPECT_EQ(highlightedConstraint(id, L"Plate"), -1);
    EXPECT_EQ(model().modules[0].constraints.length(), 2);
    EXPECT_FALSE(DeleteConstraint(id, L"Plate", 11));
}

} // namespace
