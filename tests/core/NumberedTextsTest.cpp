#include "platform/core/text/NumberedTexts.h"

#include "TempFolder.h"
#include "platform/core/files/TextTable.h"

#include <gtest/gtest.h>

namespace {

std::string arrToStrForMessage(const Vdn_StringArray& lines) {
    std::string text;
    for (const Vdn_String& line : lines)
        text += line.toUtf8() + "\n";
    return text;
}

class NumberedTexts : public ::testing::Test {
protected:
    void SetUp() override { core::reloadNumberedTexts(); }
    void TearDown() override { core::reloadNumberedTexts(); }

    SettingsRestorer restorer;
};

TEST_F(NumberedTexts, BundledTextsInEveryLanguage) {
    gSettings.setWorkLanguage(Vdn_Settings::Dutch);
    EXPECT_EQ(dialString(1).str(), L"OK");
    EXPECT_EQ(dialString(2).str(), L"Annuleren");
    gSettings.setWorkLanguage(Vdn_Settings::English);
    EXPECT_EQ(dialString(2).str(), L"Cancel");
    EXPECT_EQ(dialStringAllLangs(2), (Vdn_StringArray{L"Annuleren", L"Cancel", L"Annuler"}));
    EXPECT_EQ(dialStringAllLangs(1155), (Vdn_StringArray{L"Plakken", L"Paste", L"Coller"}));
    EXPECT_TRUE(core::numberedTextDiagnostics().isEmpty())
        << arrToStrForMessage(core::numberedTextDiagnostics());
}

TEST_F(NumberedTexts, MissingNumbersGiveVisiblePlaceholders) {
    EXPECT_EQ(dialString(99999).str(), L"#99999");
    EXPECT_EQ(string(-5).str(), L"#-5");
    EXPECT_EQ(dialStringAllLangs(99999), (Vdn_StringArray{L"#99999", L"#99999", L"#99999"}));
}

TEST_F(NumberedTexts, TwoTablesEscapesAndDiagnostics) {
    TempFolder folder;
    folder.write("texts/nl.txt", "# comment\n"
                                 "[dialog]\n"
                                 "1\tOK\n"
                                 "10320\tDialoogtekst\n"
                                 "7\tregel 1\\nregel 2\\ttab \\\\ slash\n"
                                 "7\ttweede keer\n"
                                 "no tab here\n"
                                 "x1\tnot a number\n"
                                 "8\tbad \\q\n"
                                 "[other]\n"
                                 "9\tskipped\n"
                                 "[STRINGS]\n"
                                 "10320\tTekst uit de stringtabel\n"
                                 "11\t\n");
    // French as UTF-16 with BOM; English missing.
    folder.write("texts/fr.txt", std::string("\xFF\xFE"
                                             "1\0\t\0A\0n\0n\0u\0l\0\xE9\0",
                                             18));
    gSettings.setResourceDir(Vdn_String::fromUtf8(folder.path().string()));

    EXPECT_EQ(dialString(10320).str(), L"Dialoogtekst");
    EXPECT_EQ(string(10320).str(), L"Tekst uit de stringtabel");
    EXPECT_EQ(string(1).str(), L"#1");
    EXPECT_EQ(dialString(7).str(), L"regel 1\nregel 2\ttab \\ slash");
    EXPECT_EQ(dialString(8).str(), L"#8");
    EXPECT_EQ(dialString(9).str(), L"#9");
    EXPECT_EQ(string(11).str(), L"");
    EXPECT_EQ(dialStringAllLangs(1), (Vdn_StringArray{L"OK", L"#1", L"Annul\u00E9"}));

    const Vdn_StringArray diagnostics = core::numberedTextDiagnostics();
    ASSERT_EQ(diagnostics.length(), 6) << arrToStrForMessage(diagnostics);
    const Vdn_String nl = gSettings.resourceDir() + L"/texts/nl.txt";
    EXPECT_EQ(diagnostics[0], nl + L":6: number 7 given twice, the first text is kept");
    EXPECT_EQ(diagnostics[1], nl + L":7: line without a tab between number and text");
    EXPECT_EQ(diagnostics[2], nl + L":8: \"x1\" is not a text number");
    EXPECT_EQ(diagnostics[3], nl + L":9: unknown escape (only \\n, \\t and \\\\ are known)");
    EXPECT_EQ(diagnostics[4], nl + L":10: unknown section [other], its lines are skipped");
    EXPECT_EQ(diagnostics[5], gSettings.resourceDir() + L"/texts/en.txt: cannot be read");
}

TEST_F(NumberedTexts, FilesAreReadOnceUntilReloaded) {
    TempFolder folder;
    folder.write("texts/nl.txt", "1\teerste\n");
    gSettings.setResourceDir(Vdn_String::fromUtf8(folder.path().string()));
    EXPECT_EQ(dialString(1).str(), L"eerste");
    folder.write("texts/nl.txt", "1\ttweede\n");
    EXPECT_EQ(dialString(1).str(), L"eerste");
    core::reloadNumberedTexts();
    EXPECT_EQ(dialString(1).str(), L"tweede");
}

} // namespace
