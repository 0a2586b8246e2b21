// The hidden standards dialog, its evaluation by mode, and the launchers that lend it out of
// the pool.

#include "platform/ui/dialogs/TemplateLibrary.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/standards/CalcSSTimers.h"
#include "spreadsheet/standards/StandardsLaunchers.h"
#include "tests/spreadsheet/standards/CalcTestSupport.h"
#include "tests/spreadsheet/standards/StandardsTestSupport.h"

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

CDlgSSStandards* pooled(int index) {
    return dynamic_cast<CDlgSSStandards*>(gSSDlgsMgr.dialogAt(index));
}

const Rows kChild = {{L"Input"},    {L"Double X"}, {L"Output"},
                     {L"Double Y"}, {L"Calc"},     {L"Y = X * 2"}};

class StandardsDialogTest : public CalcTest {
protected:
    TfDlgStandardsData childCall(const Vdn_String& file, const wchar_t* x) {
        TfDlgStandardsData data;
        data.mode = TfDlgStandardsData::kChildCall;
        data.fileName = file;
        data.varCells.append(argument(L"x", tfInput, x));
        data.varCells.append(argument(L"y", tfOutput, L"0"));
        return data;
    }
};

TEST_F(StandardsDialogTest, TheTemplateIsAHiddenDialogWithAPlaceForTheSheet) {
    const ui::DialogTemplate* form = ui::TemplateLibrary::instance().find(253);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->caption, L"Dialog");
    EXPECT_EQ(form->cx, 260);
    EXPECT_EQ(form->cy, 207);
    EXPECT_EQ(form->style & WS_VISIBLE, 0u);
    ASSERT_NE(form->control(IDOK), nullptr);
    EXPECT_EQ(form->control(IDOK)->text, L"OK");
    ASSERT_NE(form->control(IDCANCEL), nullptr);
    EXPECT_EQ(form->control(IDCANCEL)->text, L"Cancel");
    const ui::ControlTemplate* placeholder = form->control(1196);
    ASSERT_NE(placeholder, nullptr);
    EXPECT_EQ(placeholder->kind, ui::ControlKind::Static);
    EXPECT_EQ(std::make_tuple(placeholder->x, placeholder->y, placeholder->cx, placeholder->cy),
              std::make_tuple(7, 7, 246, 173));
    // The created dialog holds the sheet in the placeholder's place and stays hidden.
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_TRUE(sheet.isAttached());
    EXPECT_EQ(dialog.GetDlgItem(1196), &sheet);
}

TEST_F(StandardsDialogTest, AnyOtherModeOnlyLoads) {
    const Vdn_String file = library.writeSheet("child.tfs", kChild);
    dialog.standardsData() = childCall(file, L"21");
    dialog.standardsData().mode = 2;
    const TfVarCells before = dialog.standardsData().varCells;
    EXPECT_EQ(dialog.evaluate(), Acad::eOk);
    EXPECT_EQ(dialog.standardsData().varCells, before);
    EXPECT_EQ(sheet.fileName(), file);
    EXPECT_EQ(text(1, 6), L"Y = X * 2") << "nothing calculated";
}

TEST_F(StandardsDialogTest, ChildModeLeavesTheOutputsInTheArguments) {
    dialog.standardsData() = childCall(library.writeSheet("child.tfs", kChild), L"21");
    const int loads = gLoadFile.count();
    ASSERT_EQ(dialog.evaluate(), Acad::eOk);
    EXPECT_EQ(dialog.standardsData().varCells[1].value, L"42");
    EXPECT_EQ(gLoadFile.count(), loads + 1);
    dialog.standardsData().varCells.removeAt(1);
    EXPECT_EQ(dialog.evaluate(), Acad::eInvalidInput) << "too few arguments";
    dialog.standardsData().fileName = L"NoSuchSheet";
    EXPECT_EQ(dialog.evaluate(), Acad::eInvalidInput);
}

TEST_F(StandardsDialogTest, TheLauncherCopiesTheRecordBackOnlyOnSuccess) {
    const Vdn_String file = library.writeSheet("child.tfs", kChild);
    TfDlgStandardsData data = childCall(file, L"21");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[1].value, L"42");
    TfDlgStandardsData failing = childCall(file, L"not a number");
    const TfDlgStandardsData before = failing;
    EXPECT_FALSE(StartDlgStandardsSS(failing));
    EXPECT_EQ(failing.varCells, before.varCells);
    ASSERT_EQ(gSSDlgsMgr.length(), 1);
    EXPECT_FALSE(gSSDlgsMgr.isInUse(0)) << "the dialog is back in the pool";
    EXPECT_FALSE(pooled(0)->IsWindowVisible());
}

TEST_F(StandardsDialogTest, NestedEvaluationsUseTwoPooledDialogsAndTheFirstIsReused) {
    library.writeStandard("Child.tfs", kChild);
    const Vdn_String parent = library.writeSheet("parent.tfs", {{L"Input"},
                                                                {L"Double X"},
                                                                {L"Output"},
                                                                {L"Double Y"},
                                                                {L"Calc"},
                                                                {L"CallChild(\"Child.tfs\", X, Y)"},
                                                                {L"Y = Y + 1"}});
    TfDlgStandardsData data = childCall(parent, L"5");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[1].value, L"11");
    ASSERT_EQ(gSSDlgsMgr.length(), 2);
    EXPECT_FALSE(gSSDlgsMgr.isInUse(0));
    EXPECT_FALSE(gSSDlgsMgr.isInUse(1));
    EXPECT_EQ(pooled(0)->calcSS().fileName(), parent);
    EXPECT_EQ(pooled(1)->calcSS().fileName(),
              gSettings.libDir() + L"Connection Standards\\Child.tfs");

    const Vdn_String other = library.writeSheet("other.tfs", kChild);
    TfDlgStandardsData next = childCall(other, L"1");
    ASSERT_TRUE(StartDlgStandardsSS(next));
    EXPECT_EQ(gSSDlgsMgr.length(), 2);
    EXPECT_EQ(pooled(0)->calcSS().fileName(), other) << "the first dialog is reused";
}

TEST_F(StandardsDialogTest, TheFixedTrialRunsTheTestSheetBelowTheRoot) {
    EXPECT_FALSE(StartDlgStandardsSStest()) << "without c:\\a\\a\\a\\test.tfs";
    // Column and Thickness in, Width and Length out, by position.
    library.writeSheet("root/c/a/a/a/test.tfs",
                       {{L"Input"},
                        {L"String Column", L"Double Thickness"},
                        {L"Output"},
                        {L"Double Width", L"Double Length"},
                        {L"Calc"},
                        {L"Width = SECTIONSIZE(Column, 2) + 2 * Thickness"},
                        {L"Length = Width + 144"}});
    ASSERT_TRUE(fs::exists(library.root() / "lib"));
    fs::copy(fs::path(TESSA_SOURCE_ROOT) / "examples/library/prof", library.root() / "lib" / "prof",
             fs::copy_options::recursive);
    gSectionTables.reload();
    EXPECT_TRUE(StartDlgStandardsSStest());
    const TfCalcSS& trial = pooled(0)->calcSS();
    EXPECT_EQ(trial.fileName(), L"c:\\a\\a\\a\\test.tfs");
    int width = -1;
    ASSERT_EQ(trial.varCells().findVarCell(L"Width", width), Acad::eOk);
    EXPECT_EQ(trial.varCells()[width].value, L"120") << "IPE-200 is 100 wide";
}

// --- macro mode ----------------------------------------------------------------------------------

// The test library's EndPlate mapping with a sheet of its variables.
class StandardsMacroModeTest : public standardstest::StandardsTest {
protected:
    StandardsMacroModeTest() {
        gSSDlgsMgr.destroyAll();
        ss::SheetFileCache::instance().clear();
        writeSheetFile(library.root() / "Connection Standards" / "EndPlate.tfs",
                       {{L"Input"},
                        {L"Double Width", L"Double Gap"},
                        {L"Output"},
                        {L"Double Plate.Cut"},
                        {L"Calc"},
                        {L"Plate.Cut = Width / 30 + Gap * 0"}});
    }
    ~StandardsMacroModeTest() override {
        gSSDlgsMgr.destroyAll();
        host::destroyMainWindow();
    }
};

TEST_F(StandardsMacroModeTest, WithoutTransactionTheEvaluationFailsAfterLoading) {
    data.transaction = nullptr;
    const TfDlgStandardsData before = data;
    EXPECT_FALSE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells, before.varCells);
    ASSERT_EQ(gSSDlgsMgr.length(), 1);
    const TfCalcSS& loaded = pooled(0)->calcSS();
    EXPECT_EQ(loaded.fileName(), gSettings.libDir() + L"Connection Standards\\EndPlate.tfs");
    Vdn_String first;
    EXPECT_TRUE(loaded.getCellText(1, 1, first, Vdn_Spread::kCellValue));
    EXPECT_FALSE(first.isEmpty()) << "the sheet was loaded";
    EXPECT_TRUE(loaded.varCells().length() == 0) << "but nothing was collected";
}

TEST_F(StandardsMacroModeTest, WithoutMacroTheEvaluationFails) {
    data.dbMacro = nullptr;
    EXPECT_FALSE(StartDlgStandardsSS(data));
    data.dbMacro = &macro;
    data.fileName = L"NoSuchStandard";
    EXPECT_FALSE(StartDlgStandardsSS(data));
}

TEST_F(StandardsMacroModeTest, TheOutputsGoIntoTheMacroAndTheVariablesComeBack) {
    data.macroName = L"Abc123"; // Width, Gap and Plate.Cut in the test library's EndPlate.map
    ASSERT_TRUE(StartDlgStandardsSS(data));
    ASSERT_EQ(data.varCells.length(), 3);
    EXPECT_EQ(data.varCells[0].value, L"150");
    EXPECT_EQ(data.varCells[1].value, L"10.50000000") << "inputs keep the text read";
    EXPECT_EQ(data.varCells[2].value, L"5");
    EXPECT_EQ(data.varCells.mapping().mode(), TfSSMapping::kMappingList);
    TfSSMapping group;
    ASSERT_EQ(group.initFromModuleGroup(L"Plate"), Acad::eOk);
    Vdn_String cut;
    data.moduleGroup = L"Plate";
    ASSERT_EQ(group.getMacroVarValue(L"C1.Cut", tfDouble, cut, data), Acad::eOk);
    EXPECT_EQ(cut, L"5.0000000");
}

} // namespace
