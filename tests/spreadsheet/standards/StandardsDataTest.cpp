#include "tests/spreadsheet/standards/StandardsTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace standardstest;

class StandardsDataTest : public StandardsTest {};

TEST_F(StandardsDataTest, InitializeSplitsTheMappingTarget) {
    struct Case {
        const wchar_t* target;
        const wchar_t* group;
    };
    for (const Case& c :
         {Case{L"Module.Plate", L"Plate"}, Case{L"Module.A.B", L"A.B"}, Case{L"Module.", L""},
          Case{L"Abc123", L""}, Case{L"module.Plate", L""}}) {
        TfDlgStandardsData prepared;
        prepared.mode = 2;
        prepared.moduleGroup = L"stale";
        ASSERT_EQ(prepared.initialize(&macro, L"c:\\std\\EndPlate.tfs", c.target, &record),
                  Acad::eOk);
        EXPECT_EQ(prepared.moduleGroup, c.group) << Vdn_String(c.target);
        EXPECT_EQ(prepared.macroName, c.target);
        EXPECT_EQ(prepared.mode, 0);
        EXPECT_EQ(prepared.fileName, L"c:\\std\\EndPlate.tfs");
        EXPECT_EQ(prepared.dbMacro, &macro);
        EXPECT_EQ(prepared.macroData, &record);
        EXPECT_EQ(prepared.transaction, nullptr); // the caller's to set
    }
}

TEST_F(StandardsDataTest, InitializeWithoutMacroOrRecordChangesNothing) {
    TfDlgStandardsData before = data;
    EXPECT_EQ(data.initialize(nullptr, L"x", L"Module.Plate", &record), Acad::eInvalidInput);
    EXPECT_EQ(data.initialize(&macro, L"x", L"Module.Plate", nullptr), Acad::eInvalidInput);
    EXPECT_EQ(data.fileName, before.fileName);
    EXPECT_TRUE(data.moduleGroup.isEmpty());
}

} // namespace
