// Whole evaluations of the example library's standards against its macro, as the core module
// runs them: the expected values are worked out by hand from the section tables and the size
// lists (see each test).

#include "platform/core/model/MacroData.h"
#include "platform/core/model/MacroReadResult.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/model/Vdn_Module.h"
#include "platform/host/AcTransaction.h"
#include "spreadsheet/standards/StandardsLaunchers.h"
#include "tests/spreadsheet/standards/CalcTestSupport.h"

namespace {

using namespace calctest;

const fs::path kExamples = fs::path(TESSA_SOURCE_ROOT) / "examples/library";

class ExampleLibraryTest : public uitest::ScriptedUserTest {
protected:
    ExampleLibraryTest() : savedSettings_(gSettings), savedDocument_(core::currentDocumentData()) {
        core::currentDocumentData().spreadsheetMessages = true;
        gSettings.setLibDir(Vdn_String::fromUtf8(kExamples.string()));
        gSectionTables.reload();
        gSSDlgsMgr.destroyAll();
        core::MacroReadResult read = Vdn_DbMacro::readFromFile(
            Vdn_String::fromUtf8((kExamples / "macros/EndPlate.json").string()));
        EXPECT_TRUE(read.ok()) << read.message();
        macro = read.macro();
        macro.getMacroData(record);
    }
    ~ExampleLibraryTest() override {
        gSSDlgsMgr.destroyAll();
        host::destroyMainWindow();
        gSettings = savedSettings_;
        gSectionTables.reload();
        core::currentDocumentData() = savedDocument_;
    }

    // The record the core module builds: the sheet, the mapping target, the macro's general
    // variables.
    TfDlgStandardsData request(const wchar_t* sheet, const wchar_t* target) {
        TfDlgStandardsData data;
        EXPECT_EQ(data.initialize(&macro, sheet, target, &record), Acad::eOk);
        data.transaction = &transaction;
        for (const Vdn_GeneralVariable& variable : macro.generalVariables) {
            data.genVarNames.append(variable.name);
            data.genVarValues.append(variable.value);
        }
        return data;
    }
    static Vdn_String valueOf(const TfDlgStandardsData& data, const wchar_t* name) {
        int index = -1;
        if (data.varCells.findVarCell(name, index) != Acad::eOk)
            return L"(no variable)";
        return data.varCells[index].value;
    }
    Vdn_String constraint(const wchar_t* module, const wchar_t* name) {
        Vdn_Module* found = nullptr;
        Vdn_String value;
        EXPECT_EQ(macro.openModule(module, found), Acad::eOk);
        if (found != nullptr) {
            EXPECT_EQ(found->getSetConstrVarValue(name, value, false), Acad::eOk) << name;
        }
        return value;
    }

    Vdn_DbMacro macro;
    MacroData record;
    AcTransaction transaction;

private:
    Vdn_Settings savedSettings_;
    core::DocumentData savedDocument_;
};

// HEA-200: h 190, b 200, tf 10; bolts M20; gen_Overhang 10.
//   PlateWidth     = ROUNDTO(200 + 2 * 10, 5)              = 220
//   PlateHeight    = ROUNDTO(190 + 2 * 2.5 * 20, 10)       = 290
//   PlateThickness = 12.5 (1.25 * 10 > 0.6 * 20) taken up within 5 from plates.txt: 15
//   BoltGauge      = ROUNDTO(MIN(0.55 * 200, 200 - 60), 5) = 110
TEST_F(ExampleLibraryTest, EndPlateSizesThePlateFromTheBeamSection) {
    TfDlgStandardsData data = request(L"EndPlate", L"EndPlate");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(valueOf(data, L"Beam"), L"HEA-200");
    EXPECT_EQ(valueOf(data, L"h"), L"190");
    EXPECT_EQ(valueOf(data, L"b"), L"200");
    EXPECT_EQ(valueOf(data, L"tf"), L"10");
    EXPECT_EQ(valueOf(data, L"PlateWidth"), L"220");
    EXPECT_EQ(valueOf(data, L"PlateHeight"), L"290");
    EXPECT_EQ(valueOf(data, L"PlateThickness"), L"15");
    EXPECT_EQ(valueOf(data, L"BoltGauge"), L"110");
    EXPECT_EQ(constraint(L"Plate1", L"W"), L"220");
    EXPECT_EQ(constraint(L"Plate1", L"H"), L"290");
    EXPECT_EQ(constraint(L"Plate1", L"T"), L"15");
    EXPECT_EQ(constraint(L"Bolts1", L"Gauge"), L"110");
}

// Module group Bolts: Bolts.Diameter 20, gen.PlateWidth 220 (gen_PlateWidth).
//   Hole     = GETCELL("boltholes.txt", "M20")                         = 22
//   EdgeDist = 1.5 * 22 = 33, nearest above within 10 in spacings.txt  = 35
//   Pitch    = 3 * 22 = 66: 65 lies below (down tolerance 0), 70 above = 70
//   P1.NrBolts1 = MAX(2, INT((220 - 2 * 35) / 70) + 1) as text         = "3"
TEST_F(ExampleLibraryTest, BoltSpacingSpacesTheBoltsOfItsModuleGroup) {
    TfDlgStandardsData data = request(L"BoltSpacing", L"Module.Bolts");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(valueOf(data, L"Bolts.Diameter"), L"20");
    EXPECT_EQ(valueOf(data, L"Hole"), L"22");
    EXPECT_EQ(valueOf(data, L"EdgeDist"), L"35");
    EXPECT_EQ(valueOf(data, L"Pitch"), L"70");
    EXPECT_EQ(valueOf(data, L"P1.NrBolts1"), L"3");
    EXPECT_EQ(constraint(L"Bolts1", L"EdgeDist"), L"35");
    EXPECT_EQ(constraint(L"Bolts1", L"Pitch"), L"70");
    Vdn_Module* bolts = nullptr;
    ASSERT_EQ(macro.openModule(L"Bolts1", bolts), Acad::eOk);
    Vdn_String rows;
    ASSERT_EQ(bolts->getSetNrBolts(L"P1", 1, rows, false), Acad::eOk);
    EXPECT_EQ(rows, L"3");
}

// Plate T 15: StiffThickness = 15 (in plates.txt); the child Weld.tfs gives the throat for
// 15: MAX(3, 7.5) = 7.5, 7 lies below (down tolerance 0), 8 above within 2 = 8.
TEST_F(ExampleLibraryTest, StiffenerTakesItsWeldFromTheChildSheet) {
    TfDlgStandardsData data = request(L"Stiffener", L"EndPlate");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(valueOf(data, L"Thickness"), L"15");
    EXPECT_EQ(valueOf(data, L"StiffThickness"), L"15");
    EXPECT_EQ(valueOf(data, L"WeldSize"), L"8");
    EXPECT_EQ(constraint(L"Stiffener1", L"T"), L"15");
    EXPECT_EQ(constraint(L"Stiffener1", L"Weld"), L"8");
    // The child ran in a second pooled dialog; both are free again.
    ASSERT_EQ(gSSDlgsMgr.length(), 2);
    EXPECT_FALSE(gSSDlgsMgr.isInUse(0));
    EXPECT_FALSE(gSSDlgsMgr.isInUse(1));
}

} // namespace
