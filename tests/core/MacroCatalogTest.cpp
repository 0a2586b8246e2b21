#include "MacroSamples.h"
#include "TempFolder.h"
#include "platform/core/files/DesignFiles.h"
#include "platform/core/files/FileNameCheck.h"
#include "platform/core/model/BoltCatalog.h"
#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/MacroData.h"
#include "platform/core/model/MacroLangs.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/RandomString.h"

#include <gtest/gtest.h>

namespace {

// A library folder of its own for the test; the settings come back afterwards.
class LibraryFolder : public ::testing::Test {
protected:
    void SetUp() override {
        libDir_ = gSettings.libDir();
        language_ = gSettings.workLanguage();
        gSettings.setLibDir(folder.name(""));
        gMacroLangs.reload();
    }
    void TearDown() override {
        gSettings.setLibDir(libDir_);
        gSettings.setWorkLanguage(language_);
        gMacroLangs.reload();
        Vdn_Drawing::current().clear();
    }

    TempFolder folder;

private:
    Vdn_String libDir_;
    int language_ = 0;
};

TEST(FileNames, TheNamesWindowsRefusesAreRefusedWithAReason) {
    struct Case {
        const wchar_t* name;
        const wchar_t* reason; // empty: valid
    };
    const std::wstring longName(256, L'a');
    for (const Case& c :
         {Case{L"Splice 2.prp", L""}, Case{L"COM0", L""}, Case{L"CONSOLE.txt", L""},
          Case{L"", L"the name is empty"},
          Case{L"a:b", L"the name \"a:b\" holds a character a file name cannot have (< > : "
                       L"\" / \\ | ? * or a control character)"},
          Case{L"con", L"\"con\" is the name of a device"},
          Case{L"Nul.prp", L"\"Nul.prp\" is the name of a device"},
          Case{L"LPT9.x", L"\"LPT9.x\" is the name of a device"},
          Case{L"name.", L"the name \"name.\" ends in a dot or a space"},
          Case{L"name ", L"the name \"name \" ends in a dot or a space"},
          Case{longName.c_str(), L"the name is longer than 255 characters"}}) {
        SCOPED_TRACE(Vdn_String(c.name).substr(0, 20).toUtf8());
        EXPECT_EQ(core::invalidFileNameReason(c.name), Vdn_String(c.reason));
    }
}

TEST(RandomStrings, ASeedGivesTheSameTextsAndEveryCharacterIsALetterOrDigit) {
    setRandomStringSeed(7);
    const Vdn_String first = generateRandomString(12);
    const Vdn_String second = generateRandomString(12);
    setRandomStringSeed(7);
    EXPECT_EQ(generateRandomString(12), first);
    EXPECT_EQ(generateRandomString(12), second);
    EXPECT_NE(first, second);
    EXPECT_EQ(first.length(), 12);
    for (const wchar_t ch : first.str())
        EXPECT_TRUE((ch >= L'A' && ch <= L'Z') || (ch >= L'0' && ch <= L'9'))
            << static_cast<int>(ch);
    EXPECT_TRUE(generateRandomString(0).isEmpty());
    EXPECT_TRUE(generateRandomString(-3).isEmpty());
}

TEST_F(LibraryFolder, DiametersMergeOverTheBoltModulesOfATab) {
    folder.write("bolts.txt", "# assembly\tdiameters\n"
                              "M HV 8.8\t12;16;20;24\r\n"
                              "M 4.6\t16; 20 ;27\n"
                              "Anchor\n");
    EXPECT_EQ(GetAssemblies(), (Vdn_StringArray{L"M HV 8.8", L"M 4.6", L"Anchor"}));
    EXPECT_EQ(GetDiameters(L"m 4.6"), (Vdn_StringArray{L"16", L"20", L"27"}));
    EXPECT_TRUE(GetDiameters(L"Anchor").isEmpty());
    EXPECT_TRUE(GetDiameters(L"none").isEmpty());

    Vdn_DbMacro macro = readMacro(R"({"modules": [
      {"name": "B1", "group": "Bolts", "kind": "bolt", "boltData": {"assembly": "M HV 8.8"}},
      {"name": "B2", "group": "Bolts", "kind": "bolt", "boltData": {"assembly": "M 4.6"}},
      {"name": "B3", "group": "Other", "kind": "bolt"}]})");
    MacroData data;
    ASSERT_TRUE(getMacroDataOf({Vdn_Drawing::current().addMacro(macro)}, data));
    EXPECT_EQ(GetMergedDiameters(data, L"Bolts"), (Vdn_StringArray{L"16", L"20"}));
    // No module with an assembly: the whole catalogue, each diameter once.
    EXPECT_EQ(GetMergedDiameters(data, L"Other"),
              (Vdn_StringArray{L"12", L"16", L"20", L"24", L"27"}));
}

TEST_F(LibraryFolder, NamesTranslateByLanguageAndFallBackToThemselves) {
    folder.write("translations.txt", "# category\tname\tnl\ten\tfr\n"
                                     "Prof\tHeight\tHoogte\tHeight\tHauteur\n"
                                     "Module\tPlate\tPlaat\t\tPlaque\n"
                                     "Prof\tPlate\tPlaatje\tPlatelet\n");
    gSettings.setWorkLanguage(Vdn_Settings::French);
    EXPECT_EQ(gMacroLangs.GetCurLanguage(), 2);
    EXPECT_EQ(gMacroLangs.GetString(L"height", L"prof"), Vdn_String(L"Hauteur"));
    EXPECT_EQ(gMacroLangs.GetString(L"Width", L"Prof"), Vdn_String(L"Width"));
    EXPECT_EQ(gMacroLangs.GetString(L"Plate"), Vdn_String(L"Plaque")); // "Module" comes first
    gSettings.setWorkLanguage(Vdn_Settings::English);
    EXPECT_EQ(gMacroLangs.GetString(L"Plate", L"Module"), Vdn_String(L"Plate")); // empty text
    EXPECT_EQ(gMacroLangs.GetStringChopSymbols(L"&Save && close", 8), Vdn_String(L"Save & c"));
}

TEST_F(LibraryFolder, DesignsAreListedBelowTheRootWithTheirSubFolders) {
    folder.write("Dialog Templates/Dialog Design/Splice.txt", "");
    folder.write("Dialog Templates/Dialog Design/Splice.bmp", "");
    folder.write("Dialog Templates/Dialog Design/bolts/Row.TXT", "");
    folder.write("Dialog Templates/Dialog Design/Angle.txt", "");
    Vdn_StringArray names{L"stale"};
    getModuleImages(names);
    EXPECT_EQ(names, (Vdn_StringArray{L"Angle", L"bolts\\Row", L"Splice"}));
}

TEST_F(LibraryFolder, PropertiesFilesCarryTheSettableValuesToAnotherMacro) {
    const char* const json = R"({"name": "Splice", "modules": [
      {"name": "A", "variables": [{"name": "W", "value": "200"}, {"name": "H", "value": "1"},
                                  {"name": "R", "value": "5", "settable": false}],
       "equations": ["H = W / 2"]}]})";
    MacroData source;
    ASSERT_TRUE(getMacroDataOf({Vdn_Drawing::current().addMacro(readMacro(json))}, source));
    ASSERT_TRUE(source.propListAllowed());
    source.tabs[0].cells[0].value = L"300";
    Vdn_String folderName;
    Vdn_String extension;
    Vdn_StringArray own;
    Vdn_StringArray all;
    source.getPropFiles(folderName, extension, own, all);
    ASSERT_TRUE(source.writeToFile(folderName + L"Wide." + extension));
    folder.write("Macro Properties/Other.prp", R"({"macro": "Angle", "tabs": []})");
    folder.write("Macro Properties/Broken.prp", "{");
    source.getPropFiles(folderName, extension, own, all);
    EXPECT_EQ(own, (Vdn_StringArray{L"Wide"}));
    EXPECT_EQ(all, (Vdn_StringArray{L"Broken", L"Other", L"Wide"}));

    MacroData target;
    ASSERT_TRUE(getMacroDataOf({Vdn_Drawing::current().addMacro(readMacro(json))}, target));
    int count = -1;
    ASSERT_TRUE(target.readFromFile(folderName + L"Wide.prp", count));
    EXPECT_EQ(count, 0); // read-only H and R were not saved
    EXPECT_EQ(target.tabs[0].cells[0].value, Vdn_String(L"300"));

    // Values for cells the record lacks or cannot set are counted, not taken.
    folder.write("Macro Properties/Odd.prp",
                 R"({"tabs": [{"name": "A", "values": {"W": "9", "H": "7", "Q": "1"}},
                              {"name": "Gone", "values": {"W": "8"}}]})");
    ASSERT_TRUE(target.readFromFile(folderName + L"Odd.prp", count));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(target.tabs[0].cells[0].value, Vdn_String(L"9"));
    EXPECT_EQ(target.tabs[0].cells[1].value, Vdn_String(L"1")); // derived: left to UpdateModule

    const MacroData before = target;
    Vdn_String problem;
    EXPECT_FALSE(target.readFromFile(folderName + L"Broken.prp", count, &problem));
    EXPECT_NE(problem.find(L"not a properties file"), -1) << problem;
    EXPECT_EQ(target, before);
}

TEST_F(LibraryFolder, AViewChangeReachesRecordAndModel) {
    const AcDbObjectId id = Vdn_Drawing::current().addMacro(sampleMacro());
    MacroData data;
    ASSERT_TRUE(getMacroDataOf({id}, data));
    EXPECT_FALSE(data.changeView(L"Plate", 4));
    EXPECT_FALSE(data.changeView(L"Nowhere", 1));
    ASSERT_TRUE(data.changeView(L"Plate", 1));
    EXPECT_EQ(data.tabs[data.findTab(L"Plate")].view, 1);
    MacroData again;
    ASSERT_TRUE(getMacroDataOf({id}, again));
    EXPECT_EQ(again.tabs[again.findTab(L"Plate")].view, 1);
    // The model with its new tab record still writes a file that loads.
    EXPECT_TRUE(Vdn_DbMacro::readFromText(Vdn_Drawing::current().macro(id)->toJsonText()).ok());
}

} // namespace
