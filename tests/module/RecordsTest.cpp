#include "module/TfDlgCis2Data.h"
#include "module/TfGridDlgData.h"
#include "module/TfLookUpDlgData.h"
#include "module/TfMACallBackData.h"
#include "module/TfSelectImageDlgData.h"

#include <array>
#include <gtest/gtest.h>

namespace {

TEST(ExportedRecords, Defaults) {
    const TfGridDlgData grid;
    EXPECT_EQ(grid.firstCount, 4);
    EXPECT_EQ(grid.firstSpacing, L"5000");
    EXPECT_EQ(grid.firstLabel, L"A");
    EXPECT_EQ(grid.secondCount, 3);
    EXPECT_EQ(grid.secondSpacing, L"5000");
    EXPECT_EQ(grid.secondLabel, L"1");
    EXPECT_FALSE(grid.optionFlag);

    const TfLookUpDlgData lookUp;
    EXPECT_EQ(lookUp.firstChoice, 2);
    EXPECT_EQ(lookUp.secondChoice, 0);
    EXPECT_EQ(lookUp.mode, 0);
    EXPECT_FALSE(lookUp.flag);
    EXPECT_EQ(lookUp.resultCode, 0);
    EXPECT_TRUE(lookUp.text1.isEmpty());
    EXPECT_TRUE(lookUp.proposals5.isEmpty());

    const TfDlgCis2Data cis2;
    EXPECT_EQ((std::array{cis2.firstScope, cis2.firstOption, cis2.secondChoice, cis2.hiddenOption,
                          cis2.thirdOption}),
              (std::array{true, true, false, false, false}));

    const TfSelectImageDlgData image;
    EXPECT_TRUE(image.title.isEmpty() && image.imageFiles.isEmpty() && image.chosenName.isEmpty());
}

TEST(ExportedRecords, AssignmentCopiesEveryField) {
    TfLookUpDlgData lookUp;
    lookUp.text3 = L"HEA";
    lookUp.proposals4 = {L"a", L"b"};
    lookUp.text5 = L"x";
    lookUp.secondChoice = 1;
    lookUp.mode = 1;
    lookUp.flag = true;
    lookUp.resultCode = 2;
    TfLookUpDlgData copy;
    copy = lookUp;
    EXPECT_EQ(copy, lookUp);

    TfSelectImageDlgData image;
    image.imageFiles = {L"c:\\a.bmp"};
    image.chosenName = L"a";
    EXPECT_EQ(TfSelectImageDlgData(image), image);
}

TEST(TfMACallBackData, InitDataClassCopiesTheRecordOnlyOnce) {
    TfMACallBackData data;
    EXPECT_EQ(data.macroData(), nullptr);
    EXPECT_EQ(data.value2, 0);
    EXPECT_EQ(data.objectIds.growLength(), 8);

    MacroData first;
    first.name = L"Kopplaat";
    data.initDataClass(first);
    first.name = L"changed by the caller";
    ASSERT_NE(data.macroData(), nullptr);
    EXPECT_EQ(data.macroData()->name, L"Kopplaat") << "the record holds its own copy";

    MacroData second;
    second.name = L"Other";
    data.initDataClass(second);
    EXPECT_EQ(data.macroData()->name, L"Kopplaat") << "a held record is kept";
}

TEST(TfMACallBackData, CopiesShareTheMacroRecordAndKeepItAlive) {
    TfMACallBackData copy;
    {
        TfMACallBackData original;
        original.groupName = L"Kolom";
        original.moduleName = L"Voetplaat";
        original.objectIds.append(AcDbObjectId(4));
        MacroData record;
        record.name = L"M1";
        original.initDataClass(record);
        copy = original;
        EXPECT_EQ(copy.macroData(), original.macroData());
        copy.macroData()->busy = true;
        EXPECT_TRUE(original.macroData()->busy);
    }
    ASSERT_NE(copy.macroData(), nullptr);
    EXPECT_EQ(copy.macroData()->name, L"M1") << "the record outlives the original holder";
    EXPECT_EQ(copy.groupName, L"Kolom");
    EXPECT_EQ(copy.moduleName, L"Voetplaat");
    EXPECT_EQ(copy.objectIds.length(), 1);
}

} // namespace
