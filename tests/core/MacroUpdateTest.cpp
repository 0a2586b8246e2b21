#include "MacroSamples.h"
#include "TempFolder.h"
#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/StandardsEvaluator.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/model/Vdn_Module.h"
#include "platform/core/text/NamedItems.h"

#include <gtest/gtest.h>

namespace {

// A plate whose height follows the bolt rows and pitch of a bolt module on another tab, with
// a maximum the clash check holds it to.
const char* const kSplice = R"({"name": "Splice",
  "tabs": [{"name": "Plate", "blockReference": true, "blockName": "P1"}],
  "modules": [
    {"name": "Plate1", "group": "Plate", "kind": "plate",
     "variables": [{"name": "H", "value": "290", "maximum": 600},
                   {"name": "W", "value": "200"}, {"name": "Area", "value": "58000"}],
     "equations": ["Area = H * W", "H = 2 * Edge + (Rows - 1) * Pitch"],
     "cuts": [{"name": "C1", "type": 5, "state": 1}],
     "arrays": [{"name": "R", "kind": 1, "texts": ["Linear"], "entries": ["a"]}],
     "profiles": [{"name": "S", "section": "FL-10"}]},
    {"name": "Bolts1", "group": "Bolts", "kind": "bolt",
     "variables": [{"name": "Rows", "value": "3"}, {"name": "Pitch", "value": "105"},
                   {"name": "Edge", "value": "40"}, {"name": "Fixed", "value": "1", "settable": false},
                   {"name": "Weld", "value": "4", "flex": true}],
     "boltData": {"diameter": "20"}}]})";

class MacroUpdate : public ::testing::Test {
protected:
    void SetUp() override {
        Vdn_Drawing::current().clear();
        id = Vdn_Drawing::current().addMacro(readMacro(kSplice));
        ASSERT_TRUE(getMacroDataOf(AcArray<AcDbObjectId>{id}, data));
    }
    void TearDown() override { Vdn_Drawing::current().clear(); }

    MacroTabData& tab(const wchar_t* name) { return data.tabs[data.findTab(name)]; }
    MacroCell& cell(const wchar_t* tabName, const wchar_t* name) {
        MacroTabData& found = tab(tabName);
        return found.cells[found.findCellWithName(name)];
    }
    const Vdn_DbMacro& model() const { return *Vdn_Drawing::current().macro(id); }
    bool setHoleColumnsAndUpdate(BoltDetails& details) {
        return details.setHoleColumns({1, 2}, {L"20", L"22"}) && !details.setHoleColumns({1}, {}) &&
               UpdateModule(L"Bolts", data, {MacroTabData::kBoltDataChanged}, {});
    }

    AcDbObjectId id;
    MacroData data;
};

TEST_F(MacroUpdate, AChangedPitchRecalculatesTheHeightAndThenTheArea) {
    cell(L"Bolts", L"Pitch").value = L"140";
    cell(L"Plate", L"H").controlId = 33005; // the dialog's binding survives the refill
    ASSERT_TRUE(UpdateModule(L"Bolts", data, {MacroTabData::kCellsChanged}, {1}))
        << Vdn_Drawing::current().lastMessage();
    EXPECT_EQ(cell(L"Plate", L"H").value, Vdn_String(L"360"));
    EXPECT_EQ(cell(L"Plate", L"Area").value, Vdn_String(L"72000")); // after H, not before
    EXPECT_EQ(cell(L"Plate", L"H").controlId, 33005);
    EXPECT_TRUE(cell(L"Plate", L"H").readOnly);
    const Vdn_Module& plate = model().modules[0];
    EXPECT_EQ(plate.variables[core::indexOfName(plate.variables, L"H")].value, Vdn_String(L"360"));
}

TEST_F(MacroUpdate, ARefusedChangeLeavesModelAndRecordAsTheyWere) {
    struct Case {
        const char* label;
        const wchar_t* tab;
        const wchar_t* cellName;
        const wchar_t* value;
        const char* message;
    };
    for (const Case& c : {Case{"ClashOfADerivedValue", L"Bolts", L"Pitch", L"300",
                               "Plate1.H = 680 is above its maximum 600"},
                          Case{"DerivedValueWritten", L"Plate", L"H", L"100",
                               "the record changes a value that is derived or cannot be set"},
                          Case{"UnsettableValueWritten", L"Bolts", L"Fixed", L"2",
                               "the record changes a value that is derived or cannot be set"},
                          Case{"FormulaError", L"Bolts", L"Pitch", L"wide",
                               "modules[0].equations[1]: Plate1.H cannot be computed: #VALUE!"}}) {
        SCOPED_TRACE(c.label);
        const Vdn_DbMacro before = model();
        MacroData record = data;
        MacroTabData& target = record.tabs[record.findTab(c.tab)];
        target.cells[target.findCellWithName(c.cellName)].value = c.value;
        const MacroData sent = record;
        EXPECT_FALSE(UpdateModule(c.tab, record, {MacroTabData::kCellsChanged}, {}));
        EXPECT_EQ(Vdn_Drawing::current().lastMessage().toUtf8(), c.message);
        EXPECT_EQ(model(), before);
        EXPECT_EQ(record, sent);
    }
}

TEST_F(MacroUpdate, AMissingObjectRefusesAndUpdatesNoOtherMacro) {
    const AcDbObjectId second = Vdn_Drawing::current().addMacro(readMacro(kSplice));
    const Vdn_DbMacro secondBefore = *Vdn_Drawing::current().macro(second);
    data.objectIds = AcArray<AcDbObjectId>{second, AcDbObjectId(99)};
    cell(L"Bolts", L"Pitch").value = L"140";
    EXPECT_FALSE(UpdateModule(L"Bolts", data, {}, {}));
    EXPECT_EQ(Vdn_Drawing::current().lastMessage(), Vdn_String(L"the drawing holds no object 99"));
    EXPECT_EQ(*Vdn_Drawing::current().macro(second), secondBefore);
}

TEST_F(MacroUpdate, UpdateModuleFindsTheTabOfAModuleAndWritesProfiles) {
    MacroProfData props;
    ASSERT_TRUE(tab(L"Plate").getMergedPropsOfGroup(L"S", props));
    props.section = L"FL-12";
    props.rotation = 90;
    ASSERT_TRUE(tab(L"Plate").setMergedPropsOfGroup(L"S", props));
    ASSERT_TRUE(UpdateModule(L"Plate1", data, {MacroTabData::kProfilesChanged}, {}));
    EXPECT_EQ(model().modules[0].profiles[0].section, Vdn_String(L"FL-12"));
    EXPECT_EQ(model().modules[0].profiles[0].rotation, 90);
    EXPECT_EQ(model().modules[0].profiles[0].offsetType, 0);

    tab(L"Plate").profiles[0].rotation = 45;
    EXPECT_FALSE(UpdateModule(L"Plate1", data, {MacroTabData::kProfilesChanged}, {}));
    EXPECT_EQ(Vdn_Drawing::current().lastMessage(),
              Vdn_String(L"the record holds a value outside its range"));
    EXPECT_EQ(model().modules[0].profiles[0].rotation, 90);
}

TEST_F(MacroUpdate, AStaleRecordUndoesNoValueItDoesNotName) {
    // The model changes after the record was taken, as a standards evaluation writes values.
    Vdn_Module* plate = nullptr;
    ASSERT_EQ(Vdn_Drawing::current().macro(id)->openModule(L"Plate1", plate), Acad::eOk);
    Vdn_String width(L"250");
    ASSERT_EQ(plate->getSetConstrVarValue(L"W", width, true), Acad::eOk);

    Vdn_DbMacro copy = model();
    ASSERT_EQ(copy.setMacroData(data), Acad::eOk);
    EXPECT_EQ(copy.modules[0].variables[1].value, Vdn_String(L"250"));
    ASSERT_TRUE(UpdateModule(L"Plate", data, {MacroTabData::kProfilesChanged}, {}));
    EXPECT_EQ(model().modules[0].variables[1].value, Vdn_String(L"250"));
    EXPECT_EQ(cell(L"Plate", L"W").value, Vdn_String(L"250")); // refilled from the model
}

TEST_F(MacroUpdate, DifferencesGiveOneCodePerKindOfChange) {
    struct Case {
        const char* label;
        const wchar_t* tab;
        void (*change)(MacroTabData&);
        Vdn_Array<int> codes;
        Vdn_StringArray names;
        Vdn_Array<int> cells;
    };
    const Case cases[] = {
        {"NothingButControlIds",
         L"Plate",
         [](MacroTabData& t) {
             t.cells[0].controlId = 5;
             t.cuts[0].controlId = -2;
             t.arrays[0].buttonId = 9;
         },
         {},
         {},
         {}},
        {"TwoCells",
         L"Bolts",
         [](MacroTabData& t) {
             t.cells[2].value = L"50";
             t.cells[0].value = L"4";
         },
         {MacroTabData::kCellsChanged},
         {L"Rows", L"Edge"},
         {0, 2}},
        {"BoltData",
         L"Bolts",
         [](MacroTabData& t) { t.boltData->diameter = L"24"; },
         {MacroTabData::kBoltDataChanged},
         {},
         {}},
        {"FlexFix",
         L"Bolts",
         [](MacroTabData& t) { t.flexFixBtnClicked(L"Weld", false); },
         {MacroTabData::kFlexFixChanged},
         {L"Weld"},
         {}},
        {"CutState",
         L"Plate",
         [](MacroTabData& t) { t.cuts[0].state = 2; },
         {MacroTabData::kCutsChanged},
         {L"C1"},
         {}},
        {"ArrayText",
         L"Plate",
         [](MacroTabData& t) { t.arrays[0].texts[4] = L"150"; },
         {MacroTabData::kArraysChanged},
         {L"R"},
         {}},
        {"BlockAndProfile",
         L"Plate",
         [](MacroTabData& t) {
             t.blockName = L"P2";
             t.profiles[0].material = L"S355";
         },
         {MacroTabData::kBlockReferenceChanged, MacroTabData::kProfilesChanged},
         {L"S"},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const MacroTabData before = tab(c.tab);
        MacroTabData after = before;
        c.change(after);
        Vdn_StringArray names{L"stale"};
        Vdn_Array<int> codes{99};
        Vdn_Array<int> cells{99};
        EXPECT_EQ(MacroTabData::differences(before, after, names, codes, cells),
                  !c.codes.isEmpty());
        EXPECT_EQ(codes, c.codes);
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(cells, c.cells);
    }
}

TEST_F(MacroUpdate, AdvancedBoltSettingsReachTheBoltModulesAndBadOnesAreRefused) {
    BoltDetails& details = tab(L"Bolts").boltData->details;
    details.options = {1, 2, 0, 1};
    details.entries.append(BoltDetails::Entry{1, -1, {L"60", L"40", L"", L""}, {}});
    ASSERT_TRUE(setHoleColumnsAndUpdate(details));
    EXPECT_EQ(model().modules[1].boltData.details, details);

    const Vdn_DbMacro before = model();
    tab(L"Bolts").boltData->details.entries[0].active = 3;
    EXPECT_FALSE(UpdateModule(L"Bolts", data, {MacroTabData::kBoltDataChanged}, {}));
    EXPECT_EQ(model(), before);
}

TEST_F(MacroUpdate, AChangeOfEveryKindReachesTheModelThroughSetAllToMacro) {
    tab(L"Plate").cuts[0].state = 3;
    tab(L"Plate").arrays[0].texts[4] = L"150";
    tab(L"Plate").blockName = L"P2";
    tab(L"Bolts").boltData->diameter = L"24";
    tab(L"Bolts").flexFixBtnClicked(L"Weld", false);
    ASSERT_TRUE(setAllToMacro(data, {}, {})) << Vdn_Drawing::current().lastMessage();
    const Vdn_Module& plate = model().modules[0];
    const Vdn_Module& bolts = model().modules[1];
    EXPECT_EQ(plate.cuts[0].state, 3);
    EXPECT_EQ(plate.arrays[0].texts[4], Vdn_String(L"150"));
    EXPECT_EQ(model().tabs[0].blockName, Vdn_String(L"P2"));
    EXPECT_EQ(bolts.boltData.diameter, Vdn_String(L"24"));
    EXPECT_EQ(bolts.variables[4].flex, std::optional<bool>(false));
}

// A standards evaluation that sets the bolt pitch its sheet name asks for ("Pitch140"), or fails.
bool setPitchFromSheet(Vdn_DbMacro& macro, const Vdn_String& sheet, const Vdn_String& target,
                       Vdn_String& problem) {
    Vdn_Module* module = nullptr;
    if (target != Vdn_String(L"Module.Bolts1") || !sheet.startsWith(L"Pitch", true) ||
        macro.openModule(L"Bolts1", module) != Acad::eOk) {
        problem = L"no such sheet";
        return false;
    }
    Vdn_String pitch = sheet.substr(5);
    return module->getSetConstrVarValue(L"Pitch", pitch, true) == Acad::eOk;
}

TEST_F(MacroUpdate, LoadingFromStandardsEvaluatesEveryMappedSheetOrChangesNothing) {
    const core::StandardsEvaluator saved = core::standardsEvaluator();
    core::standardsEvaluator() = setPitchFromSheet;
    MacroSettingsData settings;
    ASSERT_TRUE(GetMacroSettings(id, settings));
    // A row without a sheet is skipped; the rows run in order, so the last pitch holds.
    settings.mapping.spreadsheets = {L"Pitch120", L"", L"Pitch140"};
    settings.mapping.targets = {L"Module.Bolts1", L"Module.Plate1", L"Module.Bolts1"};
    settings.mapping.moduleNames = {L"Bolts1", L"Plate1", L"Bolts1"};
    ASSERT_TRUE(SetMacroSettings(id, settings));
    cell(L"Plate", L"H").controlId = 33005;
    ASSERT_TRUE(data.loadFromStandards()) << Vdn_Drawing::current().lastMessage();
    EXPECT_EQ(cell(L"Bolts", L"Pitch").value, Vdn_String(L"140"));
    EXPECT_EQ(cell(L"Plate", L"H").value, Vdn_String(L"360")); // derived after the evaluation
    EXPECT_EQ(cell(L"Plate", L"H").controlId, 33005);

    // A failing second sheet leaves the pitch the first one set out of the model, and a
    // result the clash check refuses is not kept either.
    const MacroData record = data;
    for (const wchar_t* second : {L"Missing", L"Pitch400"}) {
        SCOPED_TRACE(Vdn_String(second).toUtf8());
        settings.mapping.spreadsheets = {L"Pitch100", L"", second};
        ASSERT_TRUE(SetMacroSettings(id, settings));
        const Vdn_DbMacro withSettings = model();
        EXPECT_FALSE(data.loadFromStandards());
        EXPECT_FALSE(Vdn_Drawing::current().lastMessage().isEmpty());
        EXPECT_EQ(model(), withSettings);
        EXPECT_EQ(data, record);
    }
    core::standardsEvaluator() = nullptr;
    EXPECT_FALSE(data.loadFromStandards());
    core::standardsEvaluator() = saved;
}

TEST(MacroDrawing, ObjectIdsStayWithTheirMacrosAcrossSaveAndReload) {
    const TempFolder folder;
    Vdn_Drawing drawing;
    const AcDbObjectId first = drawing.addMacro(readMacro(kSplice));
    const AcDbObjectId second = drawing.addMacro(readMacro(kSplice));
    EXPECT_NE(first, second);
    ASSERT_TRUE(drawing.saveMacro(second, folder.name("second.json")));
    ASSERT_TRUE(drawing.saveMacro(first, folder.name("first.json")));

    // A fresh drawing opening them in the other order gives each its own id again.
    Vdn_Drawing reopened;
    AcDbObjectId id;
    Vdn_String message;
    ASSERT_TRUE(reopened.openMacro(folder.name("second.json"), id, message)) << message;
    EXPECT_EQ(id, second);
    ASSERT_TRUE(reopened.openMacro(folder.name("first.json"), id, message)) << message;
    EXPECT_EQ(id, first);
    // The same file opened twice: the id is taken, so the copy gets a new one.
    ASSERT_TRUE(reopened.openMacro(folder.name("first.json"), id, message));
    EXPECT_NE(id, first);
    EXPECT_NE(id, second);

    EXPECT_EQ(reopened.eraseObject(first), Acad::eOk);
    EXPECT_EQ(reopened.eraseObject(first), Acad::eKeyNotFound);
    EXPECT_EQ(reopened.macro(first), nullptr);
    EXPECT_EQ(reopened.objectIds().length(), 2);
}

TEST(MacroDrawing, TheLargestIdStillLeavesRoomForAnother) {
    Vdn_Drawing drawing;
    Vdn_DbMacro macro = readMacro(kSplice);
    macro.objectId = ~0ull;
    EXPECT_EQ(drawing.addMacro(macro).value(), ~0ull);
    EXPECT_EQ(drawing.addMacro(macro).value(), 1u);
}

} // namespace

namespace {

TEST(MacroSettings, SettingsTravelThroughTheFileAndTheDrawingObject) {
    Vdn_Drawing::current().clear();
    const core::MacroReadResult read = Vdn_DbMacro::readFromFile(
        Vdn_String::fromUtf8(TESSA_SOURCE_ROOT "/examples/library/macros/BeamSplice.json"));
    ASSERT_TRUE(read.ok()) << read.message();
    const AcDbObjectId id = Vdn_Drawing::current().addMacro(read.macro());
    MacroSettingsData settings;
    ASSERT_TRUE(GetMacroSettings(id, settings));
    EXPECT_TRUE(settings.filterOn);
    ASSERT_EQ(settings.sectionFilters.length(), 1);
    EXPECT_EQ(settings.sectionFilters[0].anglePairs, (Vdn_Array<double>{0, 10, 170, 190}));
    EXPECT_EQ(settings.sectionSizeFilters[0].values[3], 300);
    EXPECT_EQ(settings.variableValues, (Vdn_Array<double>{0.5}));
    EXPECT_TRUE(settings.mapping.targetsModule(1));

    settings.axisFilters[0].angles[1] = 7.25;
    settings.mapping.spreadsheets.append(L"Stiffener");
    settings.mapping.targets.append(L"X7K2");
    settings.mapping.moduleNames.append(L"");
    settings.mappingChanged = true;
    ASSERT_TRUE(SetMacroSettings(id, settings));
    // Written to a file and read again, nothing is lost; the dialog's mark is not kept.
    const core::MacroReadResult again =
        Vdn_DbMacro::readFromText(Vdn_Drawing::current().macro(id)->toJsonText());
    ASSERT_TRUE(again.ok()) << again.message();
    settings.mappingChanged = false;
    EXPECT_EQ(again.macro().settings, settings);

    // Lists that do not line up are refused and change nothing.
    MacroSettingsData broken = settings;
    broken.variableNames.append(L"Extra");
    EXPECT_FALSE(SetMacroSettings(id, broken));
    broken = settings;
    broken.mapping.targets.removeAt(0);
    EXPECT_FALSE(SetMacroSettings(id, broken));
    EXPECT_FALSE(GetMacroSettings(AcDbObjectId(99), settings));
    EXPECT_EQ(Vdn_Drawing::current().macro(id)->settings.mapping.count(), 3);
    Vdn_Drawing::current().clear();
}

} // namespace
