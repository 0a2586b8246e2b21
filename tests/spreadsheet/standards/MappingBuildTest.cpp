#include "tests/spreadsheet/standards/StandardsTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace standardstest;

struct Expected {
    const wchar_t* objectName;
    const wchar_t* name;
    int kind;
    int category;
    const wchar_t* description;
};

// Every mappable value of data/macros/endplate.json, in order.
const Expected kAllEntries[] = {
    // Plate1: W shown and settable, H shown only, T settable only; cut C1 with offset types
    // 0, 2 and 8, cut C2 with all nine.
    {L"Plate", L"W", 1, 0, L""},
    {L"Plate", L"H", 1, 1, L""},
    {L"Plate", L"T", 1, 2, L""},
    {L"Plate", L"C1", 3, 0, L""},
    {L"Plate", L"C1", 5, 0, L""},
    {L"Plate", L"C1", 11, 0, L""},
    {L"Plate", L"C2", 3, 0, L""},
    {L"Plate", L"C2", 4, 0, L""},
    {L"Plate", L"C2", 5, 0, L""},
    {L"Plate", L"C2", 6, 0, L""},
    {L"Plate", L"C2", 7, 0, L""},
    {L"Plate", L"C2", 8, 0, L""},
    {L"Plate", L"C2", 9, 0, L""},
    {L"Plate", L"C2", 10, 0, L""},
    {L"Plate", L"C2", 11, 0, L""},
    // Plate2.
    {L"Plate", L"W", 1, 0, L""},
    {L"Plate", L"Only2", 1, 0, L""},
    {L"Plate", L"C1", 3, 0, L""},
    {L"Plate", L"C1", 5, 0, L""},
    {L"Plate", L"C1", 11, 0, L""},
    // Bolts1: bolt data, P1 in two directions, P2 in one.
    {L"Bolts", L"", 20, 0, L""},
    {L"Bolts", L"", 21, 0, L""},
    {L"Bolts", L"P1", 16, 0, L""},
    {L"Bolts", L"P1", 18, 0, L""},
    {L"Bolts", L"P1", 17, 0, L""},
    {L"Bolts", L"P1", 19, 0, L""},
    {L"Bolts", L"P2", 16, 0, L""},
    {L"Bolts", L"P2", 18, 0, L""},
    // Cleat, a profile module without group: L neither shown nor settable; the unnamed
    // placement gives no entry.
    {L"Cleat", L"L", 1, 3, L""},
    {L"Cleat", L"Angle", 14, 0, L""},
    // Base profile 0 (HEA-200, seven value columns); base profile 1 has no section.
    {L"", L"Prof0", 12, 3, L""},
    {L"", L"Prof0", 13, 3, L""},
    {L"", L"Prof0;0", 15, 3, L"h"},
    {L"", L"Prof0;1", 15, 3, L"b"},
    {L"", L"Prof0;2", 15, 3, L"tw"},
    {L"", L"Prof0;3", 15, 3, L"tf"},
    {L"", L"Prof0;4", 15, 3, L"r"},
    {L"", L"Prof0;5", 15, 3, L"A"},
    {L"", L"Prof0;6", 15, 3, L"G"},
    {L"", L"Prof1", 12, 3, L""},
    {L"", L"Prof1", 13, 3, L""},
    // General variables.
    {L"", L"gen_Gap", 2, 0, L""},
    {L"", L"gen_Weld", 2, 0, L""},
};

class MappingBuildTest : public StandardsTest {};

TEST_F(MappingBuildTest, EveryMappableValueOfTheMacroBecomesAnEntry) {
    TfSSMapping mapping;
    TfObjectMap earlier;
    earlier.ssName = L"Kept";
    mapping.mappedObjectsWrite().append(earlier);
    ASSERT_EQ(mapping.initAllVarsFromMacro(&macro, &transaction), Acad::eOk);

    const Vdn_Array<TfObjectMap>& entries = mapping.mappedObjects();
    ASSERT_EQ(entries.length(), 1 + static_cast<int>(std::size(kAllEntries)));
    EXPECT_EQ(entries[0], earlier);
    for (int i = 0; i < static_cast<int>(std::size(kAllEntries)); ++i) {
        const Expected& e = kAllEntries[i];
        const TfObjectMap& actual = entries[i + 1];
        EXPECT_EQ(actual.objectName, e.objectName) << "entry " << i;
        EXPECT_EQ(actual.name, e.name) << "entry " << i;
        EXPECT_EQ(actual.kind, e.kind) << "entry " << i;
        EXPECT_EQ(actual.category, e.category) << "entry " << i;
        EXPECT_EQ(actual.description, e.description) << "entry " << i;
        EXPECT_TRUE(actual.ssName.isEmpty());
    }
    EXPECT_EQ(mapping.initAllVarsFromMacro(nullptr, &transaction), Acad::eInvalidInput);
}

TEST_F(MappingBuildTest, EveryBuiltEntryReadsFromTheMacroUnlessItsValueIsMissing) {
    TfSSMapping mapping;
    ASSERT_EQ(mapping.initAllVarsFromMacro(&macro, &transaction), Acad::eOk);
    for (const TfObjectMap& entry : mapping.mappedObjects()) {
        Vdn_String value;
        const bool missing = entry.name == L"Prof1" && entry.kind == 12;
        EXPECT_EQ(entry.getMacroVarValue(&macro, &record, value, &transaction) == Acad::eOk,
                  !missing)
            << entry.objectName << " " << entry.name << " kind " << entry.kind;
    }
}

} // namespace
