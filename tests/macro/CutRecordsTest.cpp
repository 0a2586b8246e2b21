// The records of the cut dialogs: defaults per type, the name rules, and what they write into
// the model.
#include "platform/core/model/DlgMacroCutsData.h"
#include "platform/core/model/DlgProfCutsData.h"
#include "tests/macro/CutFixture.h"

#include <gtest/gtest.h>

namespace {

using cuttest::CutDrawingTest;
using CutRecordsTest = CutDrawingTest;

TEST(CutRecords, EachTypeHasItsOwnDefaultsAndOtherTypesAreRefused) {
    struct Case {
        int type;
        Vdn_StringArray names;
        Vdn_StringArray values;
    };
    const Case cases[] = {
        {1, {L"Offset", L"LengthOffset"}, {L"0", L"0"}},
        {2, {L"Offset", L"LengthOffset"}, {L"10", L"0"}},
        {3, {L"InsideOffset", L"OutsideOffset"}, {L"5", L"5"}},
        {4, {L"Offset", L"PolyOffset", L"CenterOffset"}, {L"10", L"0", L"50"}},
        {5, {L"Offset1", L"Offset2"}, {L"15", L"15"}},
        {6, {L"Radius"}, {L"10"}},
    };
    for (const Case& c : cases) {
        DlgMacroCutsData data;
        ASSERT_TRUE(data.GetDefaultValues(c.type)) << c.type;
        EXPECT_EQ(data.cutType, c.type);
        EXPECT_EQ(data.paramNames, c.names) << c.type;
        EXPECT_EQ(data.paramValues, c.values) << c.type;
        EXPECT_EQ(data.paramFlags.length(), c.names.length());
    }
    DlgMacroCutsData data;
    data.GetDefaultValues(5);
    const DlgMacroCutsData before = data;
    for (const int type : {0, 7, -1}) {
        EXPECT_FALSE(data.GetDefaultValues(type));
        EXPECT_EQ(data, before);
    }
}

TEST(CutRecords, ParameterNamesFollowTheVariableRules) {
    const std::pair<Vdn_StringArray, bool> cases[] = {
        {{}, true},
        {{L"Offset", L"Radius", L"My_2"}, true},
        {{L"gen_Gap"}, false},
        {{L"GEN_gap"}, false},
        {{L"2nd"}, false},
        {{L"a b"}, false},
        {{L""}, false},
        {{L"Offset", L"offset"}, false},
    };
    for (const auto& [names, valid] : cases) {
        DlgMacroCutsData data;
        data.paramNames = names;
        EXPECT_EQ(data.AreVarNamesValid(), valid) << names.length();
    }
}

TEST_F(CutRecordsTest, ANewCutIsWrittenWithItsOptionsAndReadsBackFromTheFile) {
    DlgMacroCutsData data;
    data.macros.objectIds.append(frame);
    data.GetDefaultValues(DlgMacroCutsData::kThreeSegments);
    data.cutName = L" Splice ";
    data.moduleName = L"beam1";
    data.paramValues = {L"12.5", L"-1"}; // the third value is missing: "0"
    data.paramFlags = {false, true, true};
    data.segmentGiven = true;
    data.segmentProfile = 1;
    ASSERT_EQ(data.writeToDrawing(), Acad::eOk);

    const Vdn_DbMacro reread = cuttest::macroFrom(frameMacro().toJsonText().c_str());
    const Vdn_Module& beam = reread.modules[0];
    ASSERT_EQ(beam.cuts.length(), 3);
    const Vdn_CutConstraint& cut = beam.cuts[2];
    EXPECT_EQ(cut.name, Vdn_String(L"Splice"));
    EXPECT_EQ(cut.type, 4);
    EXPECT_EQ(cut.side, 1);
    EXPECT_EQ(cut.offsets[0], std::optional<Vdn_String>(L"12.5"));
    EXPECT_EQ(cut.offsets[1], std::optional<Vdn_String>(L"-1"));
    EXPECT_EQ(cut.offsets[3], std::optional<Vdn_String>(L"0"));
    EXPECT_FALSE(cut.offsets[2]);
    EXPECT_EQ(cut.inDialog, (std::array<bool, 9>{false, true, false, true}));
    EXPECT_EQ(reread, frameMacro());

    // Type 1 keeps its face, flanges, web and option; the macro decides type 4's segments.
    DlgMacroCutsData plate = data;
    plate.GetDefaultValues(DlgMacroCutsData::kProfileVsPlate);
    plate.cutName = L"Flush";
    plate.plateFace = 1;
    plate.bevelFlanges = true;
    plate.typeOption = true;
    plate.cutState = 2;
    ASSERT_EQ(plate.writeToDrawing(), Acad::eOk);
    DlgMacroCutsData loaded;
    ASSERT_EQ(loaded.loadCut(frameMacro(), L"Beam1", L"flush"), Acad::eOk);
    EXPECT_TRUE(loaded.editExisting);
    EXPECT_EQ(loaded.plateFace, 1);
    EXPECT_TRUE(loaded.bevelFlanges);
    EXPECT_FALSE(loaded.bevelWeb);
    EXPECT_TRUE(loaded.typeOption);
    EXPECT_EQ(loaded.cutState, 2);
    EXPECT_EQ(loaded.paramNames, plate.paramNames);
}

TEST_F(CutRecordsTest, ARefusedCutChangesNothing) {
    struct Case {
        const char* what;
        void (*change)(DlgMacroCutsData&);
        Acad::ErrorStatus status;
    };
    const Case cases[] = {
        {"no name", [](DlgMacroCutsData& d) { d.cutName = L"  "; }, Acad::eInvalidInput},
        {"name in use in other case", [](DlgMacroCutsData& d) { d.cutName = L"ENDCUT"; },
         Acad::eInvalidInput},
        {"type 0", [](DlgMacroCutsData& d) { d.cutType = 0; }, Acad::eInvalidInput},
        {"unknown parameter", [](DlgMacroCutsData& d) { d.paramNames[1] = L"Depth"; },
         Acad::eInvalidInput},
        {"parameter twice", [](DlgMacroCutsData& d) { d.paramNames[1] = L"offset"; },
         Acad::eInvalidInput},
        {"value no number", [](DlgMacroCutsData& d) { d.paramValues[0] = L"abc"; },
         Acad::eInvalidInput},
        {"state 4", [](DlgMacroCutsData& d) { d.cutState = 4; }, Acad::eInvalidInput},
        {"no module", [](DlgMacroCutsData& d) { d.moduleName = L"Plate9"; }, Acad::eKeyNotFound},
        {"edit a missing cut",
         [](DlgMacroCutsData& d) {
             d.editExisting = true;
             d.cutName = L"Gone";
         },
         Acad::eKeyNotFound},
    };
    const Vdn_DbMacro before = frameMacro();
    for (const Case& c : cases) {
        DlgMacroCutsData data;
        data.macros.objectIds.append(frame);
        data.GetDefaultValues(DlgMacroCutsData::kProfileVsPlate);
        data.cutName = L"New";
        data.moduleName = L"Beam1";
        c.change(data);
        Vdn_String problem;
        EXPECT_EQ(data.writeToDrawing(&problem), c.status) << c.what;
        EXPECT_FALSE(problem.isEmpty()) << c.what;
        EXPECT_EQ(frameMacro(), before) << c.what;
    }
}

TEST_F(CutRecordsTest, EditingKeepsTypeAndNameAndALoadedCutNeverCollidesWithItself) {
    DlgMacroCutsData data;
    data.macros.objectIds.append(frame);
    ASSERT_EQ(data.loadCut(frameMacro(), L"Beam1", L"EndCut"), Acad::eOk);
    EXPECT_EQ(data.paramNames, (Vdn_StringArray{L"Offset", L"LengthOffset"}));
    EXPECT_EQ(data.paramValues, (Vdn_StringArray{L"5", L"0"}));
    EXPECT_FALSE(data.CutNameInUse());
    data.cutType = 6;
    data.description = L"Sawn";
    data.paramValues[0] = L"8";
    ASSERT_EQ(data.writeToDrawing(), Acad::eOk);
    const Vdn_CutConstraint& cut = moduleOf(frame, L"Beam1").cuts[0];
    EXPECT_EQ(cut.type, 1);
    EXPECT_EQ(cut.description, Vdn_String(L"Sawn"));
    EXPECT_EQ(cut.offsets[0], std::optional<Vdn_String>(L"8"));
    EXPECT_EQ(data.loadCut(frameMacro(), L"Beam1", L"Nothing"), Acad::eKeyNotFound);
    EXPECT_EQ(data.loadCut(frameMacro(), L"Beam9", L"EndCut"), Acad::eKeyNotFound);
}

TEST_F(CutRecordsTest, TheOtherMacroIsPickedAndItsModulesOffered) {
    DlgMacroCutsData data;
    data.macros.objectIds.append(frame);
    Vdn_StringArray mods;
    data.macros.GetAllMods(mods, false);
    EXPECT_EQ(mods, (Vdn_StringArray{L"Beam1", L"Plate1"}));
    data.macros.GetAllMods(mods, true);
    EXPECT_TRUE(mods.isEmpty());

    const auto picking = [](AcDbObjectId id, bool accept) {
        return [id, accept](AcDbObjectId& picked) {
            picked = id;
            return accept;
        };
    };
    EXPECT_FALSE(data.macros.UserSelectMacro(picking(column, false)));
    EXPECT_FALSE(data.macros.UserSelectMacro(picking(frame, true)));
    EXPECT_FALSE(data.macros.UserSelectMacro(picking(AcDbObjectId(99), true)));
    EXPECT_EQ(data.macros.objectIds.length(), 1);
    ASSERT_TRUE(data.macros.UserSelectMacro(picking(column, true)));
    data.macros.GetAllMods(mods, true);
    EXPECT_EQ(mods, (Vdn_StringArray{L"Col1"}));

    // The name is looked up in the module the cut goes into, whichever macro holds it.
    data.moduleChoice = DlgMacroCutsData::kOtherMacro;
    data.moduleName = L"Col1";
    data.cutName = L"notch";
    EXPECT_TRUE(data.CutNameInUse());
    EXPECT_EQ(data.targetMacro(), column);
    data.moduleChoice = DlgMacroCutsData::kThisMacro;
    data.moduleName = L"Beam1";
    EXPECT_FALSE(data.CutNameInUse());
    data.cutName = L"endCUT";
    EXPECT_TRUE(data.CutNameInUse());
}

TEST_F(CutRecordsTest, ProfileCutsArePreviewedAndRemovedInTheDrawing) {
    DlgProfCutsData data;
    data.macroId = frame;
    data.moduleName = L"Beam1";
    Vdn_StringArray descs;
    data.getCutDescs(descs);
    EXPECT_EQ(descs, (Vdn_StringArray{L"EndCut: Beam end", L"Corner"}));
    EXPECT_TRUE(data.drawCutPreview(1, true));
    EXPECT_FALSE(data.drawCutPreview(2, true));
    EXPECT_TRUE(Vdn_Drawing::current().hasCutPreview(frame, L"beam1", L"corner"));
    EXPECT_TRUE(data.removeCut(1));
    EXPECT_EQ(Vdn_Drawing::current().cutPreviewCount(), 0);
    EXPECT_FALSE(data.removeCut(1));
    EXPECT_EQ(data.cutCount(), 1);

    EXPECT_FALSE(data.selectOtherProf([](AcDbObjectId&) { return false; }));
    const AcDbObjectId column_ = column;
    ASSERT_TRUE(data.selectOtherProf([column_](AcDbObjectId& id) {
        id = column_;
        return true;
    }));
    EXPECT_EQ(data.macroId, column);
    EXPECT_EQ(data.moduleName, Vdn_String(L"Col1"));
}

TEST(CutRecords, TheFileRefusesAnUnknownOrRepeatedOffsetTypeShownInTheDialog) {
    const auto read = [](const char* inDialog) {
        const std::string json = std::string(R"({"modules": [{"name": "M", "cuts": [{"name": "C",
            "type": 6, "offsets": [null, null, null, null, null, null, null, null, 4],
            "inDialog": )") + inDialog +
                                 "}]}]}";
        return Vdn_DbMacro::readFromText(json);
    };
    EXPECT_TRUE(read("[8]").ok());
    EXPECT_FALSE(read("[9]").ok());
    EXPECT_FALSE(read("[8, 8]").ok());
    EXPECT_FALSE(read("[\"8\"]").ok());
}

} // namespace
