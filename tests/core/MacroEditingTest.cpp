#include "platform/core/model/MacroEditing.h"

#include "MacroSamples.h"
#include "platform/core/model/VariableNames.h"
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
        {"NewNameWithAnUnderscore",
         [&] {
             return UpdateVarsEqs(id, L"Bolts", {L"Rows", L"gen_Rows"}, {L"2", L"3"}, {0, 0}, {});
         },
         "\"gen_Rows\" cannot name a variable: \"_\" is neither a letter nor a digit"},
        {"NewNameWithALeadingDigit",
         [&] {
             return UpdateVarsEqs(id, L"Bolts", {L"Rows", L"2Rows"}, {L"2", L"3"}, {0, 0}, {});
         },
         "\"2Rows\" cannot name a variable: it starts with a digit"},
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

// A name the macro file brought stays, whatever it is; only new names keep the rule.
TEST_F(MacroEditing, VariablesFromTheFileKeepTheirNames) {
    const AcDbObjectId legacy = Vdn_Drawing::current().addMacro(readMacro(
        R"({"modules": [{"name": "Old", "variables": [{"name": "gen_W", "value": "1"}]}]})"));
    ASSERT_TRUE(UpdateVarsEqs(legacy, L"Old", {L"gen_W", L"Depth2"}, {L"2", L"3"}, {0, 0}, {}))
        << Vdn_Drawing::current().lastMessage();
    EXPECT_EQ(Vdn_Drawing::current().macro(legacy)->modules[0].variables[0].value,
              Vdn_String(L"2"));
    EXPECT_FALSE(UpdateVarsEqs(legacy, L"Old", {L"gen_W", L"gen_H"}, {L"2", L"3"}, {0, 0}, {}));
}

TEST(VariableNames, ALetterThenLettersAndDigits) {
    struct Case {
        const wchar_t* name;
        std::optional<VariableNameFault> fault;
        const char* problem; // null: a variable name
    };
    const Case cases[] = {
        {L"W", std::nullopt, nullptr},
        {L"Pitch2", std::nullopt, nullptr},
        {L"", VariableNameFault::Empty, "a variable needs a name"},
        {L"9H", VariableNameFault::LeadingDigit,
         "\"9H\" cannot name a variable: it starts with a digit"},
        {L"gen_Gap", VariableNameFault::NotLetterOrDigit,
         "\"gen_Gap\" cannot name a variable: \"_\" is neither a letter nor a digit"},
        {L"Edge dist", VariableNameFault::NotLetterOrDigit,
         "\"Edge dist\" cannot name a variable: \" \" is neither a letter nor a digit"},
        {L"W-2", VariableNameFault::NotLetterOrDigit,
         "\"W-2\" cannot name a variable: \"-\" is neither a letter nor a digit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Vdn_String(c.name).toUtf8());
        EXPECT_EQ(variableNameFault(c.name), c.fault);
        const std::optional<Vdn_String> problem = variableNameProblem(c.name);
        EXPECT_EQ(problem ? problem->toUtf8() : std::string("(a name)"),
                  c.problem ? c.problem : "(a name)");
    }
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
