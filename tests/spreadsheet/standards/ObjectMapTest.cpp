#include "spreadsheet/standards/MappingKinds.h"
#include "spreadsheet/standards/TfObjectMap.h"
#include "spreadsheet/standards/TfVarCell.h"

#include <gtest/gtest.h>

namespace {

using ss::MappingKinds;

TEST(MappingKindsTest, KeywordsAndValueTypesFollowTheFileFormat) {
    struct Row {
        int kind;
        const wchar_t* keyword;
        TfValueType type;
    };
    const Row rows[] = {
        {1, L"Distance", tfDouble},
        {2, L"GenVar", tfDouble},
        {3, L"CutOffset", tfDouble},
        {4, L"CutPolyOffset", tfDouble},
        {5, L"CutLengthOffset", tfDouble},
        {6, L"CutCenterOffset", tfDouble},
        {7, L"CutInsideOffset", tfDouble},
        {8, L"CutOutsideOffset", tfDouble},
        {9, L"CutChamferOffset1", tfDouble},
        {10, L"CutChamferOffset2", tfDouble},
        {11, L"CutRadius", tfDouble},
        {12, L"PrPlName", tfString},
        {13, L"PrPlMaterial", tfString},
        {14, L"OwnedMemberName", tfString},
        {15, L"MemberSectionSize", tfDouble},
        {16, L"PatternNrBolts1", tfString},
        {17, L"PatternNrBolts2", tfString},
        {18, L"PatternReverseStart1", tfInteger},
        {19, L"PatternReverseStart2", tfInteger},
        {20, L"BoltsDiameter", tfDouble},
        {21, L"BoltsHoleOffset", tfDouble},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(MappingKinds::keyword(row.kind), row.keyword);
        EXPECT_EQ(MappingKinds::valueType(row.kind), row.type) << row.kind;
        // Recognised at the start of a text, without regard to case.
        EXPECT_EQ(MappingKinds::fromText(Vdn_String(row.keyword).toLower() + L" x"), row.kind);
    }
    for (const int invalid : {0, 22, -1}) {
        EXPECT_TRUE(MappingKinds::keyword(invalid).isEmpty());
        EXPECT_FALSE(MappingKinds::valueType(invalid).has_value());
    }
    EXPECT_EQ(MappingKinds::fromText(L"Length W"), 0);
    EXPECT_EQ(MappingKinds::fromText(L" Distance W"), 0); // callers strip leading blanks
}

TEST(ObjectMapTest, CategoryHeadings) {
    EXPECT_EQ(TfObjectMap::categoryHeading(0), L"------ Zichtbaar en instelbaar ------");
    EXPECT_EQ(TfObjectMap::categoryHeading(3), L"------ Onzichtbaar niet instelbaar ------");
    EXPECT_TRUE(TfObjectMap::categoryHeading(4).isEmpty());
    EXPECT_TRUE(TfObjectMap::categoryHeading(-1).isEmpty());
    const Vdn_StringArray headings = TfObjectMap::categoryHeadings(AcArray<int>{2, 1, 7});
    EXPECT_EQ(headings, (Vdn_StringArray{L"------ Onzichtbaar en instelbaar ------",
                                         L"------ Zichtbaar niet instelbaar ------", L""}));
}

TEST(ObjectMapTest, TargetsParse) {
    struct Case {
        const wchar_t* target;
        bool ok;
        const wchar_t* objectName;
        int kind;
        const wchar_t* name;
    };
    const Case cases[] = {
        {L"Plate\u2022Distance W", true, L"Plate", 1, L"W"},
        {L"\u2022GenVar gen_Gap", true, L"", 2, L"gen_Gap"},
        {L"Plate\u2022   CutRadius C 1", true, L"Plate", 11, L"C 1"},
        {L"Bolts\u2022BoltsDiameter", true, L"Bolts", 20, L""},
        {L"Bolts\u2022BoltsDiameter ", true, L"Bolts", 20, L""},
        {L"\u2022MemberSectionSize Prof0;3", true, L"", 15, L"Prof0;3"},
        {L"Plate Distance W", false, L"", 0, L""},
        {L"Plate\u2022Length W", false, L"", 0, L""},
    };
    for (const Case& c : cases) {
        TfObjectMap entry;
        EXPECT_EQ(entry.getMappingFromStrs(L"Var", c.target) == Acad::eOk, c.ok) << c.target;
        if (!c.ok)
            continue;
        EXPECT_EQ(entry.objectName, c.objectName);
        EXPECT_EQ(entry.kind, c.kind);
        EXPECT_EQ(entry.name, c.name);
        EXPECT_EQ(entry.ssName, L"Var");
    }
}

TEST(ObjectMapTest, EveryKindRoundTripsThroughItsTarget) {
    for (int kind = 1; kind <= MappingKinds::kLastKind; ++kind) {
        TfObjectMap entry;
        entry.objectName = L"Grp";
        entry.name = L"N1";
        entry.kind = kind;
        entry.ssName = L"V";
        Vdn_String target;
        Vdn_String ssName;
        ASSERT_EQ(entry.setMappingToStrs(target, ssName), Acad::eOk);
        EXPECT_EQ(target, L"Grp\u2022" + MappingKinds::keyword(kind) + L" N1");
        TfObjectMap parsed;
        ASSERT_EQ(parsed.getMappingFromStrs(ssName, target), Acad::eOk);
        EXPECT_EQ(parsed.kind, kind) << target;
        EXPECT_EQ(parsed.isCompatible(entry), Acad::eOk);
    }
    TfObjectMap none;
    Vdn_String target = L"kept";
    Vdn_String ssName = L"kept";
    EXPECT_EQ(none.setMappingToStrs(target, ssName), Acad::eInvalidInput);
    EXPECT_EQ(target, L"kept");
}

TEST(ObjectMapTest, MapFromArraysFindsTheCellNameWithoutRegardToCase) {
    TfVarCell cell;
    cell.name = L"width";
    const Vdn_StringArray names{L"Height", L"Width", L"Depth"};
    TfObjectMap entry;
    EXPECT_EQ(entry.mapFromArrays(names, {L"a\u2022Distance H", L"b\u2022Distance W"}, cell),
              Acad::eOk);
    EXPECT_EQ(entry.objectName, L"b");
    EXPECT_EQ(entry.ssName, L"width");
    // Too short a target list, and a name that is not there.
    EXPECT_EQ(entry.mapFromArrays(names, {L"a\u2022Distance H"}, cell), Acad::eInvalidInput);
    cell.name = L"Other";
    EXPECT_EQ(entry.mapFromArrays(names, {L"a", L"b", L"c"}, cell), Acad::eInvalidInput);
}

TEST(ObjectMapTest, CompatibleEntriesAddressTheSameValue) {
    TfObjectMap a;
    a.objectName = L"Plate";
    a.name = L"W";
    a.kind = 1;
    a.ssName = L"Width";
    TfObjectMap b = a;
    b.objectName = L"PLATE";
    b.name = L"w";
    b.ssName = L"Other";
    EXPECT_EQ(a.isCompatible(b), Acad::eOk);
    b.kind = 3;
    EXPECT_EQ(a.isCompatible(b), Acad::eInvalidInput);
    b = a;
    b.name = L"H";
    EXPECT_EQ(a.isCompatible(b), Acad::eInvalidInput);
}

} // namespace
