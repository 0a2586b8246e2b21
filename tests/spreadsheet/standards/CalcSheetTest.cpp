// The calculating spreadsheet on its own: loading, the sections and their variables, the
// equations, duplicates, general variables and the equation message.

#include "platform/grid/sheet/CellType.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/standards/CalcSSTimers.h"
#include "spreadsheet/standards/EvaluationReport.h"
#include "tests/spreadsheet/standards/CalcTestSupport.h"

#include <fstream>

namespace {

using namespace calctest;

TfVarCell argument(const wchar_t* name, TfCellType type, const wchar_t* value,
                   TfValueType valueType = tfDouble) {
    TfVarCell cell;
    cell.name = name;
    cell.cellType = type;
    cell.value = value;
    cell.valueType = valueType;
    return cell;
}

// Width is declared at column 2, row 5; Area at column 2, row 7.
const Rows kAreaSheet = {
    {L"Input"},
    {L"", L"Double L"},
    {L"", L"Double L2"},
    {L"", L"Double Length"},
    {L"", L"Double Width"},
    {L"Output"},
    {L"", L"Double Area"},
    {L"Local"},
    {L"", L"Double Sum"},
    {L"Calc"},
    {L"Area = Width * 2"},
    {L""},
    {L"Sum = L2*L + Length"},
};

class CalcSheetTest : public CalcTest {
protected:
    // The inputs by position, as a calling sheet hands them over.
    TfDlgStandardsData inputs(std::initializer_list<TfVarCell> args) {
        TfDlgStandardsData data;
        data.mode = TfDlgStandardsData::kChildCall;
        for (const TfVarCell& arg : args)
            data.varCells.append(arg);
        return data;
    }
    TfDlgStandardsData areaInputs() {
        return inputs({argument(L"L", tfInput, L"3"), argument(L"L2", tfInput, L"4"),
                       argument(L"Length", tfInput, L"100"), argument(L"Width", tfInput, L"21"),
                       argument(L"Area", tfOutput, L"0")});
    }
};

// --- loading -----------------------------------------------------------------------------------

TEST_F(CalcSheetTest, ANameWithoutFileIsLookedUpAmongTheConnectionStandards) {
    library.writeStandard("Plate.tfs", kAreaSheet);
    ASSERT_EQ(sheet.loadFile(L"Plate"), Acad::eOk);
    EXPECT_EQ(sheet.fileName(), gSettings.libDir() + L"Connection Standards\\Plate.tfs");
    EXPECT_EQ(text(1, 1), L"Input");
}

TEST_F(CalcSheetTest, AnExistingFileIsLoadedAsNamedWildcardsIncluded) {
    const Vdn_String file = library.writeSheet("sheets/Area.tfs", kAreaSheet);
    ASSERT_EQ(sheet.loadFile(file), Acad::eOk);
    EXPECT_EQ(sheet.fileName(), file);
    const Vdn_String pattern = library.path("sheets/Ar*.tfs");
    ASSERT_EQ(sheet.loadFile(pattern), Acad::eOk);
    EXPECT_EQ(sheet.fileName(), pattern);
    EXPECT_EQ(text(2, 5), L"Double Width");
}

TEST_F(CalcSheetTest, AFailedLoadKeepsTheSheetAndItsFileNameAndSetsTheOptions) {
    const Vdn_String file = load(kAreaSheet);
    sheet.SSSetBool(7, true);
    sheet.SSSetBool(13, false);
    EXPECT_EQ(sheet.loadFile(L"NoSuchSheet"), Acad::eInvalidInput);
    library.writeSheet("broken.tfs", {});
    std::ofstream(library.root() / "broken.tfs") << "tessa-sheet 1\nsize two\n";
    EXPECT_EQ(sheet.loadFile(library.path("broken.tfs")), Acad::eInvalidInput);
    EXPECT_EQ(sheet.fileName(), file);
    EXPECT_EQ(text(1, 1), L"Input");
    // Set before loading: 13 and 12 on, 8 and 7 off (a loaded file brings its own).
    EXPECT_TRUE(sheet.SSGetBool(13));
    EXPECT_TRUE(sheet.SSGetBool(12));
    EXPECT_FALSE(sheet.SSGetBool(8));
    EXPECT_FALSE(sheet.SSGetBool(7));
}

// --- sections and variables --------------------------------------------------------------------

TEST_F(CalcSheetTest, VariablesAreCollectedInputsOutputsLocalsEachRowByRow) {
    load({
        {L"Local"},
        {L"String Note", L"Int Count"},
        {L"Output"},
        {L"Double Result"},
        {L"Input"},
        {L"Double A", L"Text that declares nothing", L"Double B"},
        {L"  Integer C", L"Double"},
        {L"Calc"},
    });
    ASSERT_EQ(sheet.initVarCells(), Acad::eOk);
    EXPECT_EQ(names(), (Vdn_StringArray{L"A", L"B", L"C", L"", L"Result", L"Note", L"Count"}));
    const TfVarCells& cells = sheet.varCells();
    EXPECT_EQ(cells[0].col, 1);
    EXPECT_EQ(cells[0].row, 6);
    EXPECT_EQ(cells[1].col, 3);
    EXPECT_EQ(cells[2].valueType, tfInteger);
    EXPECT_TRUE(cells[4].isOutput());
    EXPECT_TRUE(cells[5].isLocal());
    EXPECT_EQ(cells[5].valueType, tfString);
}

TEST_F(CalcSheetTest, ASectionRunsFromTheRowAfterItsLabelToTheNextLabelsRow) {
    load({
        {L"Input"},
        {L"Double First"},             // the row after the label
        {L"Output", L"Double Beside"}, // the next label's row still belongs to Input
        {L"Double Out"},
        {L"Calc", L"Double OnCalcRow"}, // ... and the Calc label's row to Output
        {L"Double InCalc"},             // the Calc section declares nothing
    });
    ASSERT_EQ(sheet.initVarCells(), Acad::eOk);
    EXPECT_EQ(names(), (Vdn_StringArray{L"First", L"Beside", L"Out", L"OnCalcRow"}));
    EXPECT_TRUE(sheet.varCells()[1].isInput());
    EXPECT_TRUE(sheet.varCells()[3].isOutput());
}

TEST_F(CalcSheetTest, LabelsAreWholeCellsFirstInReadingOrderAndOfAnyCase) {
    load({
        {L"Inputs", L"input"},
        {L"Double A"},
        {L"OUTPUT"},
        {L"Double B"},
        {L"Input"}, // a second Input label is text like any other
        {L"Double C"},
        {L"calc"},
    });
    ASSERT_EQ(sheet.initVarCells(), Acad::eOk);
    EXPECT_EQ(names(), (Vdn_StringArray{L"A", L"B", L"C"}));
    EXPECT_TRUE(sheet.varCells()[2].isOutput());
}

TEST_F(CalcSheetTest, WithoutInputOrOutputLabelNothingIsCollectedAfterwards) {
    load({{L"Output"}, {L"Double B"}, {L"Calc"}});
    EXPECT_EQ(sheet.initVarCells(), Acad::eInvalidInput);
    EXPECT_EQ(sheet.varCells().length(), 0);
    load({{L"Input"}, {L"Double A"}, {L"Local"}, {L"Double L"}, {L"Calc"}});
    EXPECT_EQ(sheet.initVarCells(), Acad::eInvalidInput);
    EXPECT_EQ(names(), (Vdn_StringArray{L"A"})) << "the inputs stay";
    load({{L"Input"}, {L"Double A"}, {L"Output"}, {L"Double B"}});
    EXPECT_EQ(sheet.initVarCells(), Acad::eOk) << "Local is optional, Calc too";
    EXPECT_EQ(names(), (Vdn_StringArray{L"A", L"B"}));
    EXPECT_EQ(sheet.calculate(), Acad::eInvalidInput) << "but not for calculating";
}

// --- equations ---------------------------------------------------------------------------------

TEST_F(CalcSheetTest, AnAssignmentBecomesAFormulaOfCellReferencesInItsOwnCell) {
    load(kAreaSheet);
    TfDlgStandardsData data = areaInputs();
    ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
    ASSERT_EQ(sheet.calculate(), Acad::eOk);
    EXPECT_EQ(text(1, 11, 1), L"B5*2");
    EXPECT_EQ(text(1, 11), L"42");
    EXPECT_EQ(sheet.cellType(1, 11), grid::CellType::kNumberCode);
    EXPECT_EQ(value(L"Area"), L"42");
    EXPECT_EQ(text(2, 7), L"42") << "the variable shows its value in its own cell";
    // L and L2 both become references; L inside Length does not.
    EXPECT_EQ(text(1, 13, 1), L"B3*B2+B4");
    EXPECT_EQ(value(L"Sum"), L"112");
    EXPECT_EQ(text(1, 12), L"") << "an empty cell is skipped";
}

TEST_F(CalcSheetTest, EquationsRunTopToBottomLeftToRightAndSeeEarlierResults) {
    load({
        {L"Input"},
        {L"Output"},
        {L"", L"Double X"},
        {L"Local"},
        {L"Double A"},
        {L"Calc"},
        {L"A = 1", L"A = A + 10", L"X = A * 2"},
        {L"A = A * 100"},
    });
    TfDlgStandardsData data = inputs({argument(L"X", tfOutput, L"0")});
    ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
    ASSERT_EQ(sheet.calculate(), Acad::eOk);
    EXPECT_EQ(value(L"X"), L"22");
    EXPECT_EQ(value(L"A"), L"1100");
    EXPECT_EQ(text(1, 5), L"1100");
}

TEST_F(CalcSheetTest, AnIntegerVariableIsAWholeNumberForLaterFormulasAndCallers) {
    load({{L"Input"},
          {L"Double W"},
          {L"Output"},
          {L"Int K", L"Double Area", L"Int N"},
          {L"Calc"},
          {L"K = W / 3"},
          {L"Area = K * 3"},
          {L"N = -W / 80"}});
    TfDlgStandardsData data =
        inputs({argument(L"W", tfInput, L"200"), argument(L"K", tfOutput, L"0", tfInteger),
                argument(L"Area", tfOutput, L"0"), argument(L"N", tfOutput, L"0", tfInteger)});
    ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
    ASSERT_EQ(sheet.setToVars(data.varCells), Acad::eOk);
    EXPECT_EQ(value(L"K"), L"67");
    EXPECT_EQ(value(L"Area"), L"201") << "the formula reads the rounded integer";
    EXPECT_EQ(value(L"N"), L"-3") << "halves round away from zero";
    EXPECT_EQ(data.varCells[1].value, L"67") << "and so does the caller";
}

TEST_F(CalcSheetTest, AValueItsVariableRefusesIsReportedWithTheReason) {
    const Vdn_String file =
        load({{L"Input"}, {L"Output"}, {L"Double X"}, {L"Calc"}, {L"X = \"mm\" & 4"}});
    user.expectMessageBox(IDOK, equationMessage(L"X = \"mm\" & 4", file, 5,
                                                L"the variable X refused the value \"mm4\""));
    TfDlgStandardsData data = inputs({argument(L"X", tfOutput, L"1")});
    ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
    ASSERT_EQ(sheet.calculate(), Acad::eOk);
    EXPECT_EQ(value(L"X"), L"1");
    EXPECT_EQ(user.messageBoxes().size(), 1u);
}

TEST_F(CalcSheetTest, ATextVariableGetsATextCell) {
    load({
        {L"Input"},
        {L"Double Grade"},
        {L"Output"},
        {L"String Steel"},
        {L"Calc"},
        {L"Steel = \"S\" & Grade"},
    });
    TfDlgStandardsData data =
        inputs({argument(L"Grade", tfInput, L"235"), argument(L"Steel", tfOutput, L"", tfString)});
    ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
    ASSERT_EQ(sheet.calculate(), Acad::eOk);
    EXPECT_EQ(sheet.cellType(1, 6), grid::CellType::kEditCode);
    EXPECT_EQ(value(L"Steel"), L"S235");
}

TEST_F(CalcSheetTest, AFailingEquationIsReportedAndTheCalculationGoesOn) {
    const Vdn_String file = load({
        {L"Input"},
        {L"Double Width"},
        {L"Output"},
        {L"Double Area"},
        {L"Double Depth"},
        {L"Calc"},
        {L"just some text"},
        {L"Unknown = Width"},
        {L"Area = Width * * 2"},
        {L"Depth = 1 / 0"},
        {L"Area = Width + 1"},
        {L"Depth = \"deep\""}, // the number variable refuses the text: said why
    });
    user.expectMessageBox(IDOK, equationMessage(L"just some text", file, 7))
        .expectMessageBox(IDOK, equationMessage(L"Unknown = Width", file, 8))
        .expectMessageBox(IDOK, equationMessage(L"Area = Width * * 2", file, 9))
        .expectMessageBox(IDOK, equationMessage(L"Depth = 1 / 0", file, 10, L"division by zero"))
        .expectMessageBox(IDOK, equationMessage(L"Depth = \"deep\"", file, 12,
                                                L"the variable Depth refused the value \"deep\""))
        .expectMessageBox(IDOK, equationMessage(L"just some text", file, 7));
    TfDlgStandardsData data =
        inputs({argument(L"Width", tfInput, L"5"), argument(L"Area", tfOutput, L"-1"),
                argument(L"Depth", tfOutput, L"-2")});
    ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
    ss::EvaluationReport report;
    sheet.setReport(&report);
    EXPECT_EQ(sheet.calculate(), Acad::eOk);
    EXPECT_EQ(value(L"Depth"), L"-2") << "a failed equation leaves its variable";
    EXPECT_EQ(value(L"Area"), L"6");
    ASSERT_EQ(user.messageBoxes().size(), 5u);
    // The report names each failure with its row and the parser's own reason, placed in the
    // expression as written.
    ASSERT_EQ(report.problems.length(), 5);
    EXPECT_EQ(report.problems[2],
              file + L" row 9: Area = Width * * 2: the formula \"Width * * 2\" does not parse at "
                     L"character 9: unexpected '*'");
    EXPECT_NE(report.problems[4].find(L"row 12: Depth = \"deep\": the variable Depth refused"), -1);
    EXPECT_EQ(user.messageBoxes()[0].icon, MB_ICONEXCLAMATION);
    // A text that is no equation stays one; an equation cell now holds its formula's result.
    EXPECT_EQ(sheet.calcCell(1, 7), Acad::eInvalidInput);
    EXPECT_EQ(user.messageBoxes().size(), 6u);
    EXPECT_EQ(sheet.calcCell(1, 13), Acad::eInvalidInput) << "beyond the sheet";
}

TEST_F(CalcSheetTest, AFailingEquationSaysWhyInTheNamesOfTheSheet) {
    // A data table whose M16 row lost its answer, and a section table that is no table.
    const fs::path lib = library.root() / "lib";
    fs::create_directories(lib / "Connection Standards" / "Data");
    std::ofstream(lib / "Connection Standards" / "Data" / "bolts.txt")
        << "// bolts by size\nM12\t13\nM16\n";
    fs::create_directories(lib / "prof");
    std::ofstream(lib / "prof" / "BEAM.pr") << "not a section table\n";
    gSectionTables.reload();
    const std::wstring bolts =
        TfCalcSS::shownPath(gSettings.libDir() + L"Connection Standards\\Data\\bolts.txt").str();
    const std::wstring beams = TfCalcSS::shownPath(gSettings.libDir() + L"prof\\BEAM.pr").str();
    struct Case {
        const wchar_t* equation;
        std::wstring reason;
        // Whether the message box gives the reason too (a parse failure keeps the tip).
        bool shown = true;
    };
    const Case cases[] = {
        {L"Big = Width * 10^400", L"the result is too large (overflow)"},
        {L"Root = SQRT(-Width)", L"the result is not a number"},
        {L"Ratio = Width / (Width - Width)", L"division by zero"},
        {L"Long = REPT(Size, 20000)",
         L"the text is longer than the 32767 characters a text may hold"},
        {L"Longer = REPT(Size, 4000)",
         L"the text is longer than the 9999 characters a text may hold"},
        {L"Plate = GETCELL(\"plates.txt\", Size)",
         L"the data table \"plates.txt\" cannot be found"},
        {L"Bolt = GETCELL(\"bolts.txt\", Size)",
         L"the data table \"" + bolts +
             L"\" is damaged: line 3 has no answer after the key \"M16\""},
        {L"Depth = SECTIONSIZE(Beam, 1)",
         L"the section \"BEAM-1\" is in no section table; the section table \"" + beams +
             L"\" is damaged: line 1: not a section-table file (expected \"tessa-section-table "
             L"1\")"},
        {L"Big = Width Width",
         L"the formula \"Width Width\" does not parse at character 7: unexpected 'Width'", false},
        {L"Unknown = Width", L""},
    };
    Rows rows = {
        {L"Input"},
        {L"Double Width", L"String Size", L"String Beam"},
        {L"Output"},
        {L"Local"},
        {L"Double Big", L"Double Root", L"Double Ratio", L"Double Depth"},
        {L"String Long", L"String Longer", L"String Plate", L"String Bolt"},
        {L"Calc"},
    };
    const int first = static_cast<int>(rows.size()) + 1;
    for (const Case& c : cases)
        rows.push_back({c.equation});
    const Vdn_String file = load(rows);
    int row = first;
    for (const Case& c : cases)
        user.expectMessageBox(IDOK,
                              equationMessage(c.equation, file, row++, c.shown ? c.reason : L""));
    TfDlgStandardsData data =
        inputs({argument(L"Width", tfInput, L"5"), argument(L"Size", tfInput, L"M16", tfString),
                argument(L"Beam", tfInput, L"BEAM-1", tfString)});
    ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
    ss::EvaluationReport report;
    sheet.setReport(&report);
    ASSERT_EQ(sheet.calculate(), Acad::eOk);
    EXPECT_EQ(user.messageBoxes().size(), std::size(cases));
    ASSERT_EQ(report.problems.length(), static_cast<int>(std::size(cases)));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        // The equation as the sheet writes it, never its cell references.
        const std::wstring reason =
            cases[i].reason.empty()
                ? L"it assigns no variable of the sheet, or names one that is not declared"
                : cases[i].reason;
        EXPECT_EQ(report.problems[static_cast<int>(i)],
                  file + L" row " + Vdn_String(first + static_cast<int>(i)) + L": " +
                      cases[i].equation + L": " + reason);
    }
    EXPECT_EQ(value(L"Longer"), L"") << "a text its variable cannot hold is not taken";
}

TEST_F(CalcSheetTest, ATextBeyondWhatACalculationMayStoreIsReported) {
    const Vdn_String file = load({{L"Input"},
                                  {L"Output"},
                                  {L"Local"},
                                  {L"String Note"},
                                  {L"Calc"},
                                  {L"Note = REPT(\"ab\", 30)"}});
    const std::wstring reason =
        L"the texts computed at once are longer than a calculation may hold";
    user.expectMessageBox(IDOK, equationMessage(L"Note = REPT(\"ab\", 30)", file, 6, reason));
    ASSERT_EQ(sheet.initVarCells(), Acad::eOk);
    sheet.sheet().setCalculatedTextLimit(50);
    ss::EvaluationReport report;
    sheet.setReport(&report);
    ASSERT_EQ(sheet.calculate(), Acad::eOk);
    ASSERT_EQ(report.problems.length(), 1);
    EXPECT_EQ(report.problems[0], file + L" row 6: Note = REPT(\"ab\", 30): " + reason);
}

TEST_F(CalcSheetTest, ANamelessDeclarationIsNeverAssigned) {
    const Vdn_String file =
        load({{L"Input"}, {L"Output"}, {L"Local"}, {L"Double"}, {L"Calc"}, {L" = 5"}});
    user.expectMessageBox(IDOK, equationMessage(L"5", file, 6));
    ASSERT_EQ(sheet.initVarCells(), Acad::eOk);
    EXPECT_EQ(names(), (Vdn_StringArray{L""}));
    EXPECT_EQ(sheet.calculate(), Acad::eOk);
    EXPECT_EQ(sheet.varCells()[0].value, L"");
}

TEST_F(CalcSheetTest, WithoutSpreadsheetMessagesFailuresAreSilent) {
    core::currentDocumentData().spreadsheetMessages = false;
    load({{L"Input"}, {L"Output"}, {L"Calc"}, {L"not an equation"}, {L"X = 1"}});
    ASSERT_EQ(sheet.initVarCells(), Acad::eOk);
    EXPECT_EQ(sheet.calculate(), Acad::eOk);
    EXPECT_EQ(sheet.calcCell(1, 4), Acad::eInvalidInput);
    EXPECT_EQ(sheet.calcCell(1, 5), Acad::eInvalidInput) << "X is no variable";
    EXPECT_TRUE(user.messageBoxes().empty());
}

TEST_F(CalcSheetTest, DuplicateNamesAreReportedOnceAndTheFirstOfEachStays) {
    const Vdn_String file = load({
        {L"Input"},
        {L"Double Width", L"Double Depth"},
        {L"Output"},
        {L"Double width", L"Double Depth"},
        {L"Local"},
        {L"Double WIDTH", L"Double Area"},
        {L"Calc"},
        {L"Area = Width * Depth"},
    });
    user.expectMessageBox(
        IDOK,
        L"There were duplicate variable names found in the standards file " + file.str() +
            L".\nThe duplicates will be ignored. Please correct this file.\nDuplicate variable "
            L"names:\n\nWidth\nDepth\n",
        L"Variable names must be unique");
    TfDlgStandardsData data =
        inputs({argument(L"Width", tfInput, L"3"), argument(L"Depth", tfInput, L"4"),
                argument(L"width", tfOutput, L"0"), argument(L"Depth", tfOutput, L"0")});
    ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
    ASSERT_EQ(sheet.calculate(), Acad::eOk);
    EXPECT_EQ(names(), (Vdn_StringArray{L"Width", L"Depth", L"Area"}));
    EXPECT_TRUE(sheet.varCells()[0].isInput());
    EXPECT_EQ(value(L"Area"), L"12");
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.messageBoxes()[0].icon, MB_ICONEXCLAMATION);
    EXPECT_EQ(user.messageBoxes()[0].buttons, static_cast<UINT>(MB_OK));
    // The next calculation of the file reports them again, once.
    user.expectMessageBox(IDOK);
    ASSERT_EQ(sheet.loadFile(file), Acad::eOk);
    ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
    ASSERT_EQ(sheet.calculate(), Acad::eOk);
    EXPECT_EQ(user.messageBoxes().size(), 2u);
    EXPECT_EQ(user.messageBoxes()[1].text, user.messageBoxes()[0].text);
}

// --- general variables -------------------------------------------------------------------------

TEST_F(CalcSheetTest, GeneralVariablesAreReplacedInEveryCellTextsQuoted) {
    load({
        {L"Input"},
        {L"Output"},
        {L"String Steel", L"Double Gap"},
        {L"Note: gen_Grade and gen_Gap", L"gen_Count"},
        {L"Calc"},
        {L"Steel = gen_Grade", L"Gap = 2 * gen_Gap + gen_GapX"},
    });
    TfDlgStandardsData data =
        inputs({argument(L"Steel", tfOutput, L"", tfString), argument(L"Gap", tfOutput, L"0")});
    data.genVarNames = {L"gen_Grade", L"gen_Gap", L"gen_Count", L"gen_GapX"};
    data.genVarValues = {L"S235", L"12.5", L"3", L"0.5"};
    ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
    EXPECT_EQ(sheet.genVarNames(), data.genVarNames);
    EXPECT_EQ(text(1, 6), L"Steel = \"S235\"");
    EXPECT_EQ(text(2, 6), L"Gap = 2 * 12.5 + 0.5");
    EXPECT_EQ(text(1, 4), L"Note: \"S235\" and 12.5");
    EXPECT_EQ(text(2, 4), L"3");
    ASSERT_EQ(sheet.calculate(), Acad::eOk);
    EXPECT_EQ(value(L"Steel"), L"S235");
    EXPECT_EQ(value(L"Gap"), L"25.5");
}

TEST_F(CalcSheetTest, GeneralVariablesAreReplacedColumnByColumn) {
    // A2 shows B2; column 1 comes first, so A2's text is replaced (and its formula with it)
    // before B2 changes.
    load({{L"Input"}, {L"=B2", L"gen_X"}, {L"Output"}, {L"Calc"}});
    TfDlgStandardsData data;
    data.genVarNames = {L"gen_X"};
    data.genVarValues = {L"5"};
    ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
    EXPECT_EQ(text(1, 2, 1), L"");
    EXPECT_EQ(text(1, 2), L"5");
    EXPECT_EQ(text(2, 2), L"5");
}

TEST_F(CalcSheetTest, AChangedSheetFileIsReadAgain) {
    Rows rows = kAreaSheet;
    const Vdn_String file = load(rows);
    TfDlgStandardsData data = areaInputs();
    ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
    ASSERT_EQ(sheet.calculate(), Acad::eOk);
    EXPECT_EQ(value(L"Area"), L"42");
    rows[10][0] = L"Area = Width * 3 + L";
    load(rows);
    ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
    ASSERT_EQ(sheet.calculate(), Acad::eOk);
    EXPECT_EQ(text(1, 11, 1), L"B5*3+B2");
    EXPECT_EQ(value(L"Area"), L"66");
}

TEST_F(CalcSheetTest, ACopyTakesTheVariablesButNotTheSheet) {
    const Vdn_String file = load(kAreaSheet);
    TfDlgStandardsData data = areaInputs();
    data.genVarNames = {L"gen_A"};
    data.genVarValues = {L"1"};
    ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
    const TfCalcSS copy(sheet);
    EXPECT_EQ(copy.fileName(), file);
    EXPECT_EQ(copy.varCells(), sheet.varCells());
    EXPECT_EQ(copy.genVarValues(), data.genVarValues);
    EXPECT_FALSE(copy.isAttached());
    EXPECT_EQ(copy.SSGetMaxRows(), 0);
}

// --- phases --------------------------------------------------------------------------------------

TEST_F(CalcSheetTest, EveryPhaseIsTimedAndAnEquationIsTakenApartOnce) {
    library.writeStandard("Area.tfs", kAreaSheet);
    const int calculations = gCalcCells.count();
    const int splits = gCalcCellSplitSymbol.count();
    const int prepared = gCalcCellCalcFunctionsPrepare.count();
    for (int run = 0; run < 3; ++run) {
        ASSERT_EQ(sheet.loadFile(L"Area"), Acad::eOk);
        TfDlgStandardsData data = areaInputs();
        data.varCells[3].value = Vdn_String(10 + run);
        ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
        ASSERT_EQ(sheet.calculate(), Acad::eOk);
        EXPECT_EQ(value(L"Area"), Vdn_String(2 * (10 + run)));
    }
    EXPECT_EQ(gCalcCells.count(), calculations + 3);
    EXPECT_EQ(gCalcCellCalcFunctionsPrepare.count(), prepared + 6) << "two assignments, 3 times";
    EXPECT_EQ(gCalcCellSplitSymbol.count(), splits + 2) << "split the first time only";
    for (const Vdn_Timer* timer : calcSSPhaseTimers())
        EXPECT_FALSE(timer->isRunning()) << timer->name();
    EXPECT_EQ(calcSSPhaseTimers().size(), 25u);
}

TEST_F(CalcSheetTest, AChangedVariableListIsLookedUpAnew) {
    load(kAreaSheet);
    TfDlgStandardsData data = areaInputs();
    ASSERT_EQ(sheet.getFromVars(data), Acad::eOk);
    ASSERT_EQ(sheet.calculate(), Acad::eOk);
    // Width moves to the Length cell: the same equation now reads B4.
    sheet.varCells()[3].row = 4;
    sheet.varCells().removeAt(2);
    ASSERT_TRUE(sheet.setEditCells(1, 11, 1, 11));
    ASSERT_TRUE(sheet.setCellText(1, 11, L"Area = Width * 2"));
    ASSERT_EQ(sheet.calcCell(1, 11), Acad::eOk);
    EXPECT_EQ(text(1, 11, 1), L"B4*2");
    EXPECT_EQ(value(L"Area"), L"200");
}

} // namespace
