#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/standards/VarCellTimers.h"
#include "tests/spreadsheet/standards/StandardsTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace standardstest;

TfVarCell variable(const wchar_t* name, TfCellType type, TfValueType valueType,
                   const wchar_t* value) {
    TfVarCell cell;
    cell.name = name;
    cell.cellType = type;
    cell.valueType = valueType;
    cell.value = value;
    return cell;
}

class VarCellsMacroTest : public StandardsTest {
protected:
    VarCellsMacroTest() {
        // The variables of mapping "Abc123" of the test library's EndPlate.map, a local and
        // an output that the mapping lacks.
        cells.append(variable(L"Width", tfInput, tfDouble, L"w0"));
        cells.append(variable(L"Gap", tfInput, tfDouble, L"g0"));
        cells.append(variable(L"Scratch", tfLocal, tfString, L"s0"));
        cells.append(variable(L"Plate.Cut", tfOutput, tfDouble, L"c0"));
        cells.append(variable(L"Missing", tfOutput, tfDouble, L"m0"));
        data.macroName = L"Abc123";
    }
    Vdn_StringArray values() const {
        Vdn_StringArray out;
        for (int i = 0; i < cells.length(); ++i)
            out.append(cells[i].value);
        return out;
    }
    static std::wstring warning(const wchar_t* section, const wchar_t* verb, const wchar_t* name) {
        return std::wstring(L"The following ") + section + L" variable couldn't be " + verb +
               L" : \n" + name +
               L"\nMake sure the variable exists in the macro or module.\nSpreadsheet : EndPlate";
    }

    TfVarCells cells;
};

TEST_F(VarCellsMacroTest, ReadsTheMappedValuesAndWarnsAboutTheRest) {
    user.expectMessageBox(IDOK, warning(L"Output", L"set", L"Missing"));
    ASSERT_EQ(cells.getFromMacro(data), Acad::eOk);
    EXPECT_EQ(cells.mapping().mode(), TfSSMapping::kMappingList);
    EXPECT_EQ(values(), (Vdn_StringArray{L"150", L"10.50000000", L"", L"6.0000000", L"m0"}));
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.messageBoxes()[0].icon, MB_ICONEXCLAMATION);
}

TEST_F(VarCellsMacroTest, AnInputThatCannotBeRetrievedIsNamedInTheWarning) {
    macro.generalVariables.removeAt(0); // gen_Gap
    user.expectMessageBox(IDOK, warning(L"Input", L"retrieved", L"Gap"))
        .expectMessageBox(IDOK, warning(L"Output", L"set", L"Missing"));
    ASSERT_EQ(cells.getFromMacro(data), Acad::eOk);
    EXPECT_EQ(cells[1].value, L"g0");
}

TEST_F(VarCellsMacroTest, WithoutSpreadsheetMessagesNothingIsShown) {
    core::currentDocumentData().spreadsheetMessages = false;
    ASSERT_EQ(cells.getFromMacro(data), Acad::eOk);
    EXPECT_EQ(cells[4].value, L"m0");
    EXPECT_TRUE(user.messageBoxes().empty());
}

TEST_F(VarCellsMacroTest, AModuleGroupResolvesNamesInItsModules) {
    ASSERT_EQ(data.initialize(&macro, L"EndPlate", L"Module.Plate", &record), Acad::eOk);
    TfVarCells group;
    group.append(variable(L"W", tfInput, tfDouble, L""));
    group.append(variable(L"C1.CutRadius", tfOutput, tfDouble, L""));
    group.append(variable(L"Tmp", tfLocal, tfDouble, L"5"));
    ASSERT_EQ(group.getFromMacro(data), Acad::eOk);
    EXPECT_EQ(group[0].value, L"200");
    EXPECT_EQ(group[1].value, L"2.5000000");
    EXPECT_EQ(group[2].value, L"");
}

TEST_F(VarCellsMacroTest, WithoutGroupOrMacroReadingFails) {
    data.dbMacro = nullptr;
    EXPECT_EQ(cells.getFromMacro(data), Acad::eInvalidInput);
    EXPECT_EQ(values(), (Vdn_StringArray{L"w0", L"g0", L"s0", L"c0", L"m0"}));
}

TEST_F(VarCellsMacroTest, WithoutAUsableMappingNoVariableIsTouched) {
    for (const wchar_t* sheet : {L"EndPlate", L"NoSuchSheet"}) {
        data.fileName = sheet;
        data.macroName = L"NotInTheFile";
        EXPECT_EQ(cells.getFromMacro(data), Acad::eOk) << Vdn_String(sheet);
        // Locals keep their values too: the sheet runs on what its cells hold.
        EXPECT_EQ(values(), (Vdn_StringArray{L"w0", L"g0", L"s0", L"c0", L"m0"}));
    }
}

TEST_F(VarCellsMacroTest, SetToMacroWritesOutputsOnlyAndAlwaysSucceeds) {
    user.expectMessageBox(IDOK);
    ASSERT_EQ(cells.getFromMacro(data), Acad::eOk);
    cells[0].value = L"321"; // input: not written
    cells[3].value = L"8";   // Plate.Cut
    cells[4].value = L"1";   // not mapped
    EXPECT_EQ(cells.setToMacro(data), Acad::eOk);
    EXPECT_EQ(constraintValue(L"Plate1", L"W"), L"200");
    Vdn_String radius;
    data.moduleGroup = L"Plate";
    TfSSMapping group;
    ASSERT_EQ(group.initFromModuleGroup(L"Plate"), Acad::eOk);
    ASSERT_EQ(group.getMacroVarValue(L"C1.Cut", tfDouble, radius, data), Acad::eOk);
    EXPECT_EQ(radius, L"8.0000000");

    data.dbMacro = nullptr;
    EXPECT_EQ(cells.setToMacro(data), Acad::eOk);
}

TEST_F(VarCellsMacroTest, ThePhasesAreTimed) {
    const int mappings = gInitMapping.count();
    const int reads = gInitFromMacro.count();
    data.macroName = L"NotInTheFile";
    ASSERT_EQ(cells.getFromMacro(data), Acad::eOk);
    EXPECT_EQ(gInitMapping.count(), mappings + 1);
    EXPECT_EQ(gInitFromMacro.count(), reads); // no mapping, no reading
    data.macroName = L"Abc123";
    user.expectMessageBox(IDOK);
    ASSERT_EQ(cells.getFromMacro(data), Acad::eOk);
    EXPECT_EQ(gInitMapping.count(), mappings + 2);
    EXPECT_EQ(gInitFromMacro.count(), reads + 1);
    EXPECT_FALSE(gInitMapping.isRunning());
}

TEST_F(VarCellsMacroTest, AMappingSetUpNeverKeepsEntriesOfAnEarlierSheet) {
    user.expectMessageBox(IDOK);
    ASSERT_EQ(cells.getFromMacro(data), Acad::eOk);
    ASSERT_FALSE(cells.mapping().mappedObjects().isEmpty());
    writeBytes(library.mapFile("Other"), "Mapping version 1.0\n");
    data.fileName = L"Other";
    ASSERT_EQ(cells.mapping().initFromMacro(data), Acad::eOk);
    EXPECT_TRUE(cells.mapping().mappedObjects().isEmpty());
    data.moduleGroup = L"Plate";
    EXPECT_EQ(cells.mapping().initFromMacro(data), Acad::eInvalidInput);
}

} // namespace
