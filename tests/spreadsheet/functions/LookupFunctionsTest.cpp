// GETCELL and GETPROFCELL on the look-up tables of the test library, and where data files are
// found.

#include "FunctionsTestSupport.h"
#include "platform/core/files/TextFileHelpers.h"
#include "spreadsheet/functions/DataFileSearch.h"

#include <filesystem>
#include <unistd.h>

namespace ssfunctions_test {
namespace {

class LookupFunctions : public FunctionsTest {};

TEST_F(LookupFunctions, GetCellJoinsTheKeyPartsAndAnswersTheSecondField) {
    expectAll({
        {L"=GETCELL(\"bolts.txt\",\"8.8;12\")", text(L"84.3")},
        {L"=GETCELL(\"bolts.txt\",\"8.8\",\"12\")", text(L"84.3")},
        {L"=GETCELL(\"bolts.txt\",\"M16\")", text(L"17")}, // the comment is cut
        {L"=GETCELL(\"bolts.txt\",\"M20\")", text(L"22")}, // keys ignore case
        {L"=GETCELL(\"bolts.txt\",\"zero answer\")", text(L"0")},
        {L"=GETCELL(\"\"\"bolts.txt\"\"\",\"M16\")", text(L"17")},
        // The first argument that is neither number nor text ends the key.
        {L"=GETCELL(\"bolts.txt\",\"M16\",,\"ignored\")", text(L"17")},
        {L"=GETCELL(\"bolts.txt\",\"M16\",1/0)", text(L"17")},
        {L"=GETCELL(\"bolts.txt\",\"onlykey\")", failed()}, // a row without answer
        {L"=GETCELL(\"bolts.txt\",\"M24\")", failed()},
        {L"=GETCELL(\"bolts.txt\",\"a comment line: dropped\")", failed()},
        {L"=GETCELL(\"missing.txt\",\"M16\")", failed()},
        {L"=GETCELL(12,\"M16\")", failed()},
        {L"=GETCELL(\"bolts.txt\")", failed()},
        {L"=GETCELL(\"bolts.txt\",1,2,3,4,5,6,7)", failed()}, // at most six key parts
    });
}

TEST_F(LookupFunctions, NumericKeyPartsAreWrittenWithSixDecimals) {
    sheet.setFormula({1, 1}, L"=10.9");
    expectAll({
        {L"=GETCELL(\"bolts.txt\",10.9,20)", text(L"245")},
        {L"=GETCELL(\"bolts.txt\",A1,20)", text(L"245")},
        {L"=GETCELL(\"bolts.txt\",\"10.900000\",20)", text(L"245")},
        {L"=GETCELL(\"bolts.txt\",\"10.9\",20)", failed()}, // the text is used as it stands
        // The table spells 8.8;12 without decimals, so numbers do not find it.
        {L"=GETCELL(\"bolts.txt\",8.8,12)", failed()},
        {L"=GETCELL(\"bolts.txt\",\"8.8\",12)", failed()},
    });
}

TEST_F(LookupFunctions, GetProfCellReadsTheTableKeysAsProfileNames) {
    expectAll({
        // Table keys "HEA200", "HE 220 A" and "hea-240" become system names.
        {L"=GETPROFCELL(\"endplates.txt\",\"HEA-200\")", text(L"10")},
        {L"=GETPROFCELL(\"endplates.txt\",\"HEA-220\")", text(L"12")},
        {L"=GETPROFCELL(\"endplates.txt\",\"hea-240\")", text(L"15")}, // inactive, still known
        // Keys that no section table knows stay as they are.
        {L"=GETPROFCELL(\"endplates.txt\",\"IPE 300\")", text(L"8")},
        {L"=GETPROFCELL(\"endplates.txt\",\"unknown profile\")", text(L"99")},
        // The key from the arguments is not converted.
        {L"=GETPROFCELL(\"endplates.txt\",\"HEA200\")", failed()},
        {L"=GETPROFCELL(\"endplates.txt\",\"HE 220 A\")", failed()},
        // GETCELL compares the keys as they stand.
        {L"=GETCELL(\"endplates.txt\",\"HEA200\")", text(L"10")},
        {L"=GETCELL(\"endplates.txt\",\"HEA-200\")", failed()},
        {L"=GETCELL(\"endplates.txt\",\"HEA-220\")", failed()},
    });
}

TEST_F(LookupFunctions, DataFilesAreSearchedInTheLibraryInOrder) {
    const Vdn_String lib = gSettings.libDir();
    EXPECT_EQ(ss::findDataFile(L"order.txt"), lib + L"Connection Standards\\Data\\order.txt");
    EXPECT_EQ(ss::findDataFile(L"csonly.txt"), lib + L"Connection Standards\\csonly.txt");
    EXPECT_EQ(ss::findDataFile(L"rootonly.txt"), lib + L"rootonly.txt");
    EXPECT_EQ(ss::findDataFile(L"Data\\BOLTS.TXT"), lib + L"Connection Standards\\Data\\BOLTS.TXT");
    EXPECT_EQ(ss::findDataFile(L"nowhere.txt"), std::nullopt);
    EXPECT_EQ(ss::findDataFile(L""), std::nullopt);
    EXPECT_EQ(ss::findDataFile(L"Data"), std::nullopt) << "a folder is no data file";
    const Vdn_String full = dataDir() + L"/order.txt";
    EXPECT_EQ(ss::findDataFile(full), full) << "a name that exists as given comes first";
    expectAll({
        {L"=GETCELL(\"order.txt\",\"key\")", text(L"from Data")},
        {L"=GETCELL(\"csonly.txt\",\"key\")", text(L"only in Connection Standards")},
        {L"=GETCELL(\"rootonly.txt\",\"key\")", text(L"only in the library")},
    });
}

TEST_F(LookupFunctions, AnEmptyTableFails) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tessa-ssfunctions-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const Vdn_String name = Vdn_String::fromUtf8((folder / "comments.txt").string());
    ASSERT_TRUE(ObjectExportWriteFile(name, {L"// only comments", L"", L"  // and blanks  "}));
    const std::wstring formula = L"=GETCELL(\"" + name.str() + L"\",\"\")";
    EXPECT_EQ(evaluate(formula.c_str()), failed());
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace ssfunctions_test
