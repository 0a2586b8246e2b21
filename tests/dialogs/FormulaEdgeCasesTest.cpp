// Edge cases of the Formulas dialog: modes it has no work for, look-ups by header where texts
// repeat or only nearly match, a third argument that is no cell, the cell of mode 1 outside
// the file, and a file whose own look-up takes its key texts from cells read after it.

#include "dialogs/FormulaEntries.h"
#include "platform/grid/sheet/Sheet.h"
#include "tests/dialogs/FormulaFixture.h"

#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace formulatest;
using grid::FunctionValue;
using Kind = grid::FunctionValue::Kind;
using Status = grid::FunctionValue::Status;

namespace {

// Headers repeat in other case; keys repeat in other case and nearly match. Column 2 holds
// numbers in general cells (whose values are texts); row 4 has an empty key.
const char* const kRepeats = R"tfs(tessa-sheet 1
size 4 5
value 1 0 text "Key"
value 2 0 text "Value"
value 3 0 text "KEY"
value 4 0 text "value"
value 1 1 text "a"
value 2 1 number 1
value 3 1 text "b"
value 4 1 text "row 1"
value 1 2 text "A"
value 2 2 number 2
value 3 2 text "a"
value 4 2 text "row 2"
value 1 3 text "ab"
value 2 3 number 3
value 4 3 text "row 3"
value 2 4 number 4
value 4 4 text "row 4"
value 1 5 text " a"
value 2 5 number 5
value 4 5 text "row 5"
end
)tfs";

// A1 looks up the mass of UNP 80 with the key and result headers of B1 and C1, which the file
// holds after the formula.
const char* const kOwnKeys = R"tfs(tessa-sheet 1
size 3 1
formula 1 1 "FROMTABLE(\"c:\\tables\\profiles.tfs\",B1,C1,\"unp 80\")"
value 2 1 text "PROFILE"
value 3 1 text "mass"
end
)tfs";

class FormulaEdges : public FormulaTest {
protected:
    void SetUp() override {
        FormulaTest::SetUp();
        writeTable("repeats.tfs", kRepeats);
        writeTable("ownkeys.tfs", kOwnKeys);
        ASSERT_TRUE(host.Create(62000));
        host.ShowWindow(SW_SHOW);
        ASSERT_TRUE(calling.attachToDlgItem(&host, 1196));
        calling.setMaxCols(4);
        calling.setMaxRows(4);
        calling.setCellText(1, 1, L"untouched");
    }
    void writeTable(const char* name, const char* content) const {
        std::ofstream(folder.path() / "root/c/tables" / name, std::ios::binary) << content;
    }

    // Runs the look-up dialog of one FROMTABLE call made on the calling sheet; the user
    // closes it.
    FunctionValue lookUp(std::vector<FunctionValue> args) {
        FunctionValue result = FunctionValue::ofInteger(-1);
        CFormula lookup;
        lookup.mode = CFormula::kModeLookup;
        lookup.resultValue = &result;
        lookup.arguments = args.data();
        lookup.argumentCount = static_cast<std::int16_t>(args.size());
        lookup.callingSheet = &calling;
        user.expectModal(CFormula::IDD, [](CDialog&, ui::UserActions& act) { act.click(IDOK); });
        const FormulaSheetScope evaluating(&calling);
        EXPECT_EQ(lookup.DoModal(), IDOK);
        return result;
    }

    CDialog host{62000};
    Vdn_Spread calling;
};

struct HeaderCase {
    const wchar_t* keyHeader;
    const wchar_t* resultHeader;
    FunctionValue key;
    std::optional<FunctionValue> expected; // nullopt: the result stays empty
};

TEST_F(FormulaEdges, HeaderLookUpsTakeTheFirstWholeMatchIgnoringCase) {
    const HeaderCase cases[] = {
        // The first of "Key" and "KEY", and of "Value" and "value"; the first of "a" and "A".
        {L"key", L"VALUE", text(L"A"), FunctionValue::ofText(L"1")},
        {L"KEY", L"value", text(L"a"), FunctionValue::ofText(L"1")},
        // Key and result in one column: the cell's own spelling.
        {L"Key", L"key", text(L"AB"), FunctionValue::ofText(L"ab")},
        // Whole texts only: no prefixes, no blanks ignored.
        {L"Key", L"Value", text(L"ab"), FunctionValue::ofText(L"3")},
        {L"Key", L"Value", text(L" A"), FunctionValue::ofText(L"5")},
        {L"Key", L"Value", text(L"a "), std::nullopt},
        {L"Ke", L"Value", text(L"a"), std::nullopt},
        {L"Key", L"Valu", text(L"a"), std::nullopt},
        // "b" is a key only of the second "KEY" column, which is never searched.
        {L"Key", L"Value", text(L"b"), std::nullopt},
        // Numbers as keys are their texts; "KEY" is the first column, "Key".
        {L"Value", L"KEY", FunctionValue::ofInteger(2), FunctionValue::ofText(L"A")},
        {L"Value", L"Key", FunctionValue::ofReal(5), FunctionValue::ofText(L" a")},
        {L"Value", L"Key", FunctionValue::ofReal(4.5), std::nullopt},
    };
    for (const HeaderCase& c : cases) {
        SCOPED_TRACE(Vdn_String(std::wstring(c.keyHeader) + L" / " + c.resultHeader).toUtf8());
        const FunctionValue result = lookUp(
            {text(L"c:\\tables\\repeats.tfs"), text(c.keyHeader), text(c.resultHeader), c.key});
        if (!c.expected) {
            EXPECT_EQ(result.status, Status::Empty);
            continue;
        }
        ASSERT_TRUE(result.isOk());
        EXPECT_EQ(result.kind, c.expected->kind);
        EXPECT_DOUBLE_EQ(result.real, c.expected->real);
        EXPECT_EQ(result.text, c.expected->text);
    }
}

TEST_F(FormulaEdges, OnlyACellAsThirdOfThreeArgumentsIsWrittenTo) {
    const auto profiles = [] { return text(L"c:\\tables\\profiles.tfs"); };
    // A third argument of another kind: the value is the result.
    for (const FunctionValue& third :
         {text(L"A1"), FunctionValue::ofInteger(1), FunctionValue::ofReal(2.5)}) {
        const FunctionValue result = lookUp({profiles(), ref(3, 2), third});
        EXPECT_EQ(result.kind, Kind::Real);
        EXPECT_DOUBLE_EQ(result.real, 16.7);
    }
    // A second argument that is no cell: no target, so nothing is written.
    const FunctionValue result = lookUp({profiles(), text(L"C2"), ref(1, 1)});
    EXPECT_EQ(result.status, Status::Empty);
    EXPECT_EQ(cell(calling, 1, 1), L"untouched");
    // A target beyond the file writes nothing either.
    EXPECT_EQ(lookUp({profiles(), ref(9, 9), ref(1, 1)}).status, Status::Empty);
    EXPECT_EQ(cell(calling, 1, 1), L"untouched");
}

// Mode values other than 1, 2 and 4 show the dialog and do nothing else: no look-up, no cell
// read, no lists filled, whatever members are set.
TEST_F(FormulaEdges, OtherModesOnlyShowTheDialog) {
    for (const int mode : {0, 3, 5, 6, 7, 8, -1}) {
        SCOPED_TRACE(mode);
        host::CommandLine::instance().clear();
        const std::vector<FunctionValue> args = {text(L"c:\\tables\\small.tfs"), ref(1, 1)};
        FunctionValue result = FunctionValue::ofInteger(-1);
        Vdn_StringArray headers{L"untouched"};
        Vdn_Array<Vdn_StringArray> rows;
        CFormula dialog;
        dialog.mode = mode;
        dialog.filePath = table(L"profiles.tfs");
        dialog.resultValue = &result;
        dialog.arguments = args.data();
        dialog.argumentCount = 2;
        dialog.callingSheet = &calling;
        dialog.cellColumn = 1;
        dialog.cellRow = 2;
        dialog.headers = &headers;
        dialog.rows = &rows;
        user.expectModal(CFormula::IDD, [](CDialog& shown, ui::UserActions& act) {
            // The file of filePath, not the one the arguments name.
            EXPECT_EQ(cell(dynamic_cast<CFormula&>(shown).sheet, 1, 1), L"IPE 200");
            act.click(IDOK);
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(result.kind, Kind::Integer);
        EXPECT_EQ(result.integer, -1);
        EXPECT_TRUE(dialog.cellText.isEmpty());
        EXPECT_EQ(headers, (Vdn_StringArray{L"untouched"}));
        EXPECT_TRUE(rows.isEmpty());
        EXPECT_EQ(printed(), L"Loading spreadsheet:c:\\tables\\profiles.tfs\n");
        // Back to the calling sheet after the initialisation; nothing else holds it.
        gCurrentFormulaSheet = nullptr;
    }
}

TEST_F(FormulaEdges, TheCellOfMode1IsReadWhereverItLies) {
    struct Case {
        const wchar_t* file;
        int col;
        int row;
        const wchar_t* text;
    };
    const Case cases[] = {
        {L"small.tfs", 1, 2, L"HEA 100"},  {L"small.tfs", 2, 1, L"200"},
        {L"small.tfs", 3, 1, L"22.40"},    {L"small.tfs", 4, 1, L""}, // beyond the file's columns
        {L"small.tfs", 1, 99, L""},                                   // beyond its rows
        {L"small.tfs", 0, 0, L""},                                    // no cell at all
        {L"nothere.tfs", 1, 1, L""}, // the blank sheet's empty number cell
        {L"profiles.tfs", 5, 1, L"0.112"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Vdn_String(c.file).toUtf8() + " " + std::to_string(c.col) + "," +
                     std::to_string(c.row));
        CFormula dialog;
        dialog.mode = CFormula::kModeShowCell;
        dialog.filePath = table(c.file);
        dialog.cellColumn = c.col;
        dialog.cellRow = c.row;
        dialog.cellText = L"stale";
        user.expectModal(CFormula::IDD,
                         [](CDialog&, ui::UserActions& act) { act.click(IDCANCEL); });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(dialog.cellText, c.text);
    }
}

// The file's look-up runs while ReadSSFile loads it, with the key and result headers taken
// from its own cells, and its result is among the texts read.
TEST_F(FormulaEdges, ReadSSFileSeesTheResultOfTheFilesOwnLookUp) {
    Vdn_Spread* lookupCaller = nullptr;
    user.expectModal(CFormula::IDD, [&lookupCaller](CDialog& shown, ui::UserActions& act) {
        lookupCaller = dynamic_cast<CFormula&>(shown).callingSheet;
        act.click(IDOK);
    });
    Vdn_String firstCell;
    Vdn_StringArray headers;
    Vdn_Array<Vdn_StringArray> rows;
    EXPECT_TRUE(ReadSSFile(table(L"ownkeys.tfs"), firstCell, headers, rows));
    EXPECT_NE(lookupCaller, nullptr);
    ASSERT_EQ(rows.length(), 1);
    EXPECT_EQ(rows[0], (Vdn_StringArray{L"8.64", L"PROFILE", L"mass"}));
    EXPECT_EQ(firstCell, L"8.64");
    EXPECT_EQ(headers.length(), 3);
}

// Once a dialog is in the user's hands its file is looked up like any other: loading it again
// computes only the formulas stored in it, so a look-up the user starts is no loop.
TEST_F(FormulaEdges, TheUserLooksUpTheFileTheDialogShows) {
    CFormula dialog;
    dialog.filePath = table(L"profiles.tfs");
    user.expectModal(CFormula::IDD,
                     [](CDialog& shown, ui::UserActions& act) {
                         Vdn_Spread& sheet = dynamic_cast<CFormula&>(shown).sheet;
                         sheet.setMaxCols(6);
                         EXPECT_TRUE(sheet.SSSetFormula(
                             6, 1, L"FROMTABLE(\"c:\\tables\\profiles.tfs\",C2)"));
                         EXPECT_EQ(cell(sheet, 6, 1), L"16.7");
                         act.click(IDOK);
                     })
        .expectModal(CFormula::IDD, [](CDialog& shown, ui::UserActions& act) {
            EXPECT_EQ(cell(dynamic_cast<CFormula&>(shown).sheet, 1, 2), L"HEA 100");
            act.click(IDOK);
        });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(user.modals().size(), 2u);
    EXPECT_EQ(printed().find(L"refused"), std::wstring::npos);
}

// loop_self.tfs looks itself up in A1. While it loads that is refused; recalculated by the
// user it opens one look-up dialog, whose own loading refuses it again.
TEST_F(FormulaEdges, RecalculatingASelfLookUpNestsOneDialog) {
    CFormula dialog;
    dialog.filePath = table(L"loop_self.tfs");
    user.expectModal(CFormula::IDD,
                     [this](CDialog& shown, ui::UserActions& act) {
                         Vdn_Spread& sheet = dynamic_cast<CFormula&>(shown).sheet;
                         EXPECT_EQ(cell(sheet, 1, 1), L"");
                         // The file calculates automatically; the button is for the other way.
                         act.click(CFormula::kAutoCalculateCheck);
                         host::CommandLine::instance().clear();
                         act.click(CFormula::kRecalculateButton);
                         EXPECT_EQ(cell(sheet, 1, 1), L"never looked up");
                         EXPECT_EQ(printed(), L"Loading spreadsheet:\n"
                                              L"FROMTABLE refused, already being looked up:"
                                              L"c:\\tables\\loop_self.tfs\n"
                                              L"Result is string: never looked up\n");
                         act.click(IDOK);
                     })
        .expectModal(CFormula::IDD, [](CDialog&, ui::UserActions& act) { act.click(IDOK); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(user.modals().size(), 2u);
}

// Writing the looked-up text into the calling sheet changes a cell the formula refers to
// (its third argument): with automatic calculation that must not run the look-up again.
TEST_F(FormulaEdges, AWriteBackDoesNotRepeatTheLookUp) {
    for (const wchar_t* formula : {L"FROMTABLE(\"c:\\tables\\profiles.tfs\",A2,B8)",
                                   L"FROMTABLE(\"c:\\tables\\profiles.tfs\",A2,B8)&B8"}) {
        SCOPED_TRACE(Vdn_String(formula).toUtf8());
        const std::size_t before = user.modals().size();
        CFormula dialog;
        user.expectModal(CFormula::IDD,
                         [formula](CDialog& shown, ui::UserActions& act) {
                             Vdn_Spread& sheet = dynamic_cast<CFormula&>(shown).sheet;
                             act.click(CFormula::kAutoCalculateCheck);
                             EXPECT_TRUE(sheet.SSSetFormula(3, 8, L"B8&\"!\""));
                             EXPECT_TRUE(sheet.SSSetFormula(1, 8, formula));
                             EXPECT_EQ(cell(sheet, 2, 8), L"HEA 100");
                             // What else reads the cell follows it.
                             EXPECT_EQ(cell(sheet, 3, 8), L"HEA 100!");
                             // Computed once more on purpose, it looks up once more.
                             sheet.sheet().recalculate();
                             EXPECT_EQ(cell(sheet, 2, 8), L"HEA 100");
                             act.click(IDOK);
                         })
            .expectModal(CFormula::IDD, [](CDialog&, ui::UserActions& act) { act.click(IDOK); })
            .expectModal(CFormula::IDD, [](CDialog&, ui::UserActions& act) { act.click(IDOK); });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(user.modals().size() - before, 3u);
    }
}

} // namespace
