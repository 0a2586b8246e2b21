// Child sheets: the child mode of a sheet, CallChild with its argument rules, where a child file
// is found, and the refusal of calls that would come back to a sheet still calculating.

#include "platform/core/files/PathHelpers.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/standards/EvaluationChain.h"
#include "tests/spreadsheet/standards/CalcTestSupport.h"

namespace {

using namespace calctest;

TfVarCell argument(const wchar_t* name, TfCellType type, const wchar_t* value) {
    TfVarCell cell;
    cell.name = name;
    cell.cellType = type;
    cell.value = value;
    cell.valueType = tfDouble;
    return cell;
}

// A child that multiplies its input by factor.
Rows timesChild(const wchar_t* factor) {
    return {{L"Input"},    {L"Double X"}, {L"Output"},
            {L"Double Y"}, {L"Local"},    {L"Double Tmp"},
            {L"Calc"},     {L"Tmp = X"},  {std::wstring(L"Y = Tmp * ") + factor}};
}

// A parent with input A, outputs R and Q, local S, and the given equations.
Rows parent(std::vector<std::wstring> equations) {
    Rows rows = {{L"Input"}, {L"Double A"}, {L"Output"}, {L"Double R", L"Double Q"},
                 {L"Local"}, {L"Double S"}, {L"Calc"},   {L"S = A + 1"}};
    for (std::wstring& equation : equations)
        rows.push_back({std::move(equation)});
    return rows;
}

class CalcChildTest : public CalcTest {
protected:
    // Runs the parent as a child call would: A = 4, R = -1, Q = -2.
    Acad::ErrorStatus run() {
        TfDlgStandardsData data;
        data.mode = TfDlgStandardsData::kChildCall;
        data.varCells.append(argument(L"A", tfInput, L"4"));
        data.varCells.append(argument(L"R", tfOutput, L"-1"));
        data.varCells.append(argument(L"Q", tfOutput, L"-2"));
        if (sheet.getFromVars(data) != Acad::eOk)
            return Acad::eInvalidInput;
        return sheet.calculate();
    }
};

// --- child mode ----------------------------------------------------------------------------------

TEST_F(CalcChildTest, ArgumentsFillInputsThenOutputsByPositionAndTakeTheOutputsBack) {
    load({{L"Local"},
          {L"Double L1"},
          {L"Input"},
          {L"Double X", L"String Name"},
          {L"Output"},
          {L"Double Y"},
          {L"Calc"},
          {L"Y = X * 3"},
          {L"L1 = 7"}});
    TfDlgStandardsData data;
    data.varCells.append(argument(L"a", tfInput, L"5"));
    data.varCells.append(argument(L"b", tfInput, L"IPE 200"));
    data.varCells.append(argument(L"c", tfOutput, L"0"));
    data.varCells.append(argument(L"surplus", tfInput, L"9"));
    ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
    EXPECT_EQ(value(L"X"), L"5");
    EXPECT_EQ(value(L"Name"), L"IPE 200");
    EXPECT_EQ(value(L"Y"), L"0");
    EXPECT_EQ(value(L"L1"), L"") << "locals start empty";
    EXPECT_EQ(text(1, 2), L"");
    EXPECT_EQ(text(2, 4), L"IPE 200") << "and every variable shows its value";
    ASSERT_EQ(sheet.setToVars(data.varCells), Acad::eOk);
    EXPECT_EQ(data.varCells[2].value, L"15");
    EXPECT_EQ(data.varCells[0].value, L"5") << "inputs are not handed back";
    EXPECT_EQ(data.varCells[3].value, L"9");
}

TEST_F(CalcChildTest, ArgumentsThatDoNotFitFailTheChildMode) {
    // Every evaluation loads the sheet afresh: filling it overwrites the declarations.
    const Vdn_String file = library.writeSheet("times.tfs", timesChild(L"2"));
    const auto childMode = [&](std::initializer_list<TfVarCell> args) {
        EXPECT_EQ(sheet.loadFile(file), Acad::eOk);
        TfDlgStandardsData data;
        for (const TfVarCell& arg : args)
            data.varCells.append(arg);
        return sheet.getFromVars(data);
    };
    EXPECT_EQ(childMode({argument(L"a", tfInput, L"5")}), Acad::eInvalidInput) << "too few";
    EXPECT_EQ(childMode({argument(L"a", tfInput, L"5"), argument(L"b", tfInput, L"6")}),
              Acad::eInvalidInput)
        << "an input for an output";
    EXPECT_EQ(childMode({argument(L"a", tfInput, L"IPE 200"), argument(L"b", tfOutput, L"6")}),
              Acad::eInvalidInput)
        << "a number cell refuses the text";
    EXPECT_EQ(childMode({argument(L"a", tfInput, L"5"), argument(L"b", tfLocal, L"6")}), Acad::eOk)
        << "only an input is refused for an output";
    EXPECT_EQ(value(L"Y"), L"6");
}

// --- CallChild -----------------------------------------------------------------------------------

TEST_F(CalcChildTest, CallChildRunsTheChildAndCopiesItsOutputsBack) {
    library.writeStandard("Times.tfs", timesChild(L"10"));
    load(parent(
        {L"CallChild(\"Times.tfs\", S, R)", L"Q = R + 1", L"Q = CallChild(\"Times.tfs\", A, R)"}));
    ASSERT_EQ(run(), Acad::eOk);
    EXPECT_EQ(value(L"Q"), L"51") << "later equations see the child's result; a native call "
                                     "assigns nothing on its left";
    EXPECT_EQ(value(L"R"), L"40") << "the second call: 4 * 10";
    EXPECT_EQ(text(1, 4), L"40");
    EXPECT_EQ(value(L"A"), L"4") << "an input is passed, not changed";
    ASSERT_EQ(gSSDlgsMgr.length(), 1);
    EXPECT_FALSE(gSSDlgsMgr.isInUse(0));
}

TEST_F(CalcChildTest, AChildsDuplicateVariableDoesNotShiftTheArguments) {
    library.writeStandard("Dup.tfs", {{L"Input"},
                                      {L"Double X", L"Double X"},
                                      {L"Double W"},
                                      {L"Output"},
                                      {L"Double Y"},
                                      {L"Calc"},
                                      {L"Y = X * 10 + W"}});
    load(parent({L"CallChild(\"Dup.tfs\", A, S, R)"}));
    user.expectMessageBox(IDOK);
    ASSERT_EQ(run(), Acad::eOk);
    EXPECT_EQ(value(L"R"), L"45") << "X = A, W = S: the duplicate takes no argument";
    EXPECT_EQ(user.messageBoxes().size(), 1u) << "the duplicate is reported once";
}

TEST_F(CalcChildTest, AChildInTheCallersFolderComesBeforeTheLibrary) {
    library.writeStandard("Times.tfs", timesChild(L"1000"));
    library.writeSheet("sheets/Times.tfs", timesChild(L"10"));
    load(parent({L"R = CallChild(\"Times.tfs\", S, R)"}), "sheets/parent.tfs");
    ASSERT_EQ(run(), Acad::eOk);
    EXPECT_EQ(value(L"R"), L"50");
}

TEST_F(CalcChildTest, ChildFilesAreSoughtInSixPlacesInTurn) {
    const Vdn_String caller = load(parent({}), "sheets/parent.tfs");
    const Vdn_String lib = gSettings.libDir() + L"Connection Standards\\";
    EXPECT_EQ(sheet.findChildFile(L"Child.tfs"), L"Child.tfs") << "found nowhere";
    // Each new file takes precedence over the ones written before it.
    const struct {
        const char* file;
        Vdn_String found;
    } places[] = {
        {"lib/Connection Standards/Parents/Child.tfs", lib + L"Parents\\Child.tfs"},
        {"lib/Connection Standards/Data/Child.tfs", lib + L"Data\\Child.tfs"},
        {"lib/Connection Standards/Childs/Child.tfs", lib + L"Childs\\Child.tfs"},
        {"lib/Connection Standards/Child.tfs", lib + L"Child.tfs"},
        {"sheets/Child.tfs", getPath(caller) + L"Child.tfs"},
    };
    for (const auto& place : places) {
        library.writeSheet(place.file, timesChild(L"1"));
        EXPECT_EQ(sheet.findChildFile(L"Child.tfs"), place.found) << place.file;
    }
    EXPECT_EQ(sheet.findChildFile(L"\\Child.tfs"), getPath(caller) + L"Child.tfs")
        << "a leading backslash does not leave the caller's folder";
    const Vdn_String absolute = library.path("lib/Connection Standards/Data/Child.tfs");
    EXPECT_EQ(sheet.findChildFile(absolute), absolute) << "a path that exists as given";
}

TEST_F(CalcChildTest, CallsThatCannotBeMadeFailWithTheEquationMessage) {
    library.writeStandard("Times.tfs", timesChild(L"10"));
    const Vdn_String file = load(parent({
        L"CallChild(\"sheet.tfs\", A, R)",    // itself
        L"CallChild(\"Times.tfs\", A)",       // fewer variables than the child's
        L"CallChild(\"Times.tfs\", A, A)",    // the child's output fed an input
        L"CallChild(\"Missing.tfs\", A, R)",  // no such file
        L"CallChild(\"Times.tfs\", A, Nope)", // no such variable
        L"CallChild(\"Times.tfs\")",          // no variables at all
        L"CallChild \"Times.tfs\", A, R",     // no parentheses
        L"CallChild(\"Times.tfs\", (A), R)",  // the first ')' ends the list
        L"Q = 8",
    }));
    const std::wstring times =
        TfCalcSS::shownPath(gSettings.libDir() + L"Connection Standards\\Times.tfs").str();
    const std::pair<std::wstring, std::wstring> failures[] = {
        {L"CallChild(\"sheet.tfs\", A, R)",
         L"the call of " + file.str() +
             L" was refused: it would come back to a sheet that is still calculating"},
        {L"CallChild(\"Times.tfs\", A)", L"the child sheet " + times + L" failed: " + times +
                                             L" needs more than the 1 variables it was given"},
        {L"CallChild(\"Times.tfs\", A, A)", L"the child sheet " + times +
                                                L" failed: the output Y of " + times +
                                                L" was given the input A"},
        {L"CallChild(\"Missing.tfs\", A, R)", L"the child sheet Missing.tfs was not found beside " +
                                                  file.str() +
                                                  L" nor in the library's standards folders"},
        {L"CallChild(\"Times.tfs\", A, Nope)", L"the argument Nope is not a variable of the sheet"},
        {L"CallChild(\"Times.tfs\")", L"CallChild needs a sheet and at least one variable"},
        {L"CallChild \"Times.tfs\", A, R", L"CallChild needs its arguments between parentheses"},
        {L"CallChild(\"Times.tfs\", (A), R)", L"the argument (A is not a variable of the sheet"},
    };
    int row = 9;
    for (const auto& [failure, reason] : failures)
        user.expectMessageBox(IDOK, equationMessage(failure, file, row++, reason));
    ASSERT_EQ(run(), Acad::eOk) << "failed calls do not stop the calculation";
    EXPECT_EQ(value(L"R"), L"-1");
    EXPECT_EQ(value(L"Q"), L"8");
    EXPECT_EQ(sheet.callNative(L"CallOther(\"Times.tfs\", A, R)", L"CallOther"),
              Acad::eInvalidInput)
        << "CallChild is the only native function";
}

TEST_F(CalcChildTest, AChildResultThatTheCallerCannotTakeFailsTheCall) {
    library.writeStandard(
        "Text.tfs",
        {{L"Input"}, {L"Double X"}, {L"Output"}, {L"String Y"}, {L"Calc"}, {L"Y = \"mm\" & X"}});
    const Vdn_String file = load(parent({L"CallChild(\"Text.tfs\", A, R)", L"Q = 1"}));
    user.expectMessageBox(IDOK,
                          equationMessage(L"CallChild(\"Text.tfs\", A, R)", file, 9,
                                          L"the variable R refused the child's value \"mm4\""));
    ASSERT_EQ(run(), Acad::eOk);
    EXPECT_EQ(value(L"R"), L"-1") << "a number variable refuses the text mm4";
    EXPECT_EQ(value(L"Q"), L"1");
}

TEST_F(CalcChildTest, ALocalPassedToAChildReceivesNothingBack) {
    library.writeStandard("Times.tfs", timesChild(L"10"));
    load(parent({L"CallChild(\"Times.tfs\", A, S)"}));
    ASSERT_EQ(run(), Acad::eOk);
    EXPECT_EQ(value(L"S"), L"5");
}

// A calls B, B calls A: the chain would never end, so B's call is refused; both finish.
TEST_F(CalcChildTest, AChainOfCallsThatComesBackIsRefused) {
    library.writeStandard("B.tfs", {{L"Input"},
                                    {L"Double X"},
                                    {L"Output"},
                                    {L"Double Y"},
                                    {L"Calc"},
                                    {L"CallChild(\"A.tfs\", X, Y)"},
                                    {L"Y = X + 100"}});
    library.writeStandard("A.tfs", parent({L"CallChild(\"B.tfs\", A, R)"}));
    // B's name as A found it: in A's folder.
    const Vdn_String b = gSettings.libDir() + L"Connection Standards\\B.tfs";
    user.expectMessageBox(
        IDOK,
        equationMessage(
            L"CallChild(\"A.tfs\", X, Y)", b, 6,
            L"the call of " +
                TfCalcSS::shownPath(gSettings.libDir() + L"Connection Standards\\A.tfs").str() +
                L" was refused: it would come back to a sheet that is still "
                L"calculating"));
    ASSERT_EQ(sheet.loadFile(L"A"), Acad::eOk);
    ASSERT_EQ(run(), Acad::eOk);
    EXPECT_EQ(value(L"R"), L"104");
    EXPECT_EQ(ss::EvaluationChain::instance().depth(), 0u);
    EXPECT_EQ(gSSDlgsMgr.length(), 1);
}

TEST_F(CalcChildTest, AChainOfDifferentSheetsEndsAtItsDepthLimit) {
    // S0 calls S1 calls S2 ...: the sheet at depth kMaxDepth may not call further.
    const int depth = static_cast<int>(ss::EvaluationChain::kMaxDepth);
    for (int i = 0; i <= depth + 1; ++i) {
        const std::wstring next = L"S" + std::to_wstring(i + 1) + L".tfs";
        library.writeStandard("S" + std::to_string(i) + ".tfs",
                              {{L"Input"},
                               {L"Double X"},
                               {L"Output"},
                               {L"Double Y"},
                               {L"Calc"},
                               {L"Y = X + 1"},
                               {L"CallChild(\"" + next + L"\", Y, Y)"}});
        if (i == depth - 1) {
            const Vdn_String refused =
                gSettings.libDir() + L"Connection Standards\\S" + Vdn_String(i) + L".tfs";
            const Vdn_String call = gSettings.libDir() + L"Connection Standards\\" + next;
            user.expectMessageBox(
                IDOK, equationMessage(L"CallChild(\"" + next + L"\", Y, Y)", refused, 7,
                                      L"the call of " + TfCalcSS::shownPath(call).str() +
                                          L" was refused: the chain of child calls is already " +
                                          std::to_wstring(depth) + L" sheets deep"));
        }
    }
    ASSERT_EQ(sheet.loadFile(L"S0"), Acad::eOk);
    TfDlgStandardsData data;
    data.varCells.append(argument(L"x", tfInput, L"0"));
    data.varCells.append(argument(L"y", tfOutput, L"0"));
    ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
    ASSERT_EQ(sheet.calculate(), Acad::eOk);
    EXPECT_EQ(value(L"Y"), Vdn_String(depth)) << "each sheet in the chain added one";
    EXPECT_EQ(gSSDlgsMgr.length(), depth - 1);
}

} // namespace
