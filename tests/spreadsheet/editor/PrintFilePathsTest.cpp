#include "spreadsheet/editor/PrintFilePaths.h"

#include "tests/spreadsheet/editor/EditorTestSupport.h"

#include <gtest/gtest.h>

using namespace editortest;

namespace {

TEST(PrintFilePaths, FoldersAndNames) {
    struct Case {
        Vdn_String path;
        Vdn_String parent;
        Vdn_String file;
    };
    const Case cases[] = {
        {L"c:\\a\\b\\", L"c:\\a\\", L""},
        {L"c:\\a\\b", L"c:\\a\\", L"b"},
        {L"c:\\a\\b\\\\", L"c:\\a\\", L""},
        {L"/home/u/b/", L"/home/u/", L""},
        {L"c:\\", L"c:\\", L""},
        {L"\\", L"\\", L""},
        {L"lib\\", L"", L""},
        {L"c:\\pics\\logo.bmp", L"c:\\pics\\", L"logo.bmp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toUtf8());
        EXPECT_EQ(ss::parentFolder(c.path), c.parent);
        EXPECT_EQ(ss::fileNameOf(c.path), c.file);
    }
}

class PrintFileLookup : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* file :
             {"root/c/lib/bills/inbase.bmp", "root/c/lib/bills/both.bmp", "root/c/lib/up.bmp",
              "product/insettings.bmp", "product/both.bmp", "settingsparent.bmp"})
            folders.temp().write(file, "BM");
    }

    EditorFolders folders;
    const Vdn_String base = L"c:\\lib\\bills\\";
    const Vdn_String settingsFolder = ss::printSettingsFolder();
};

TEST_F(PrintFileLookup, TheSettingsFolderIsTheProductFolderWithBackslashes) {
    EXPECT_EQ(settingsFolder, gSettings.vdnDir().replace(L"/", L"\\") + L"\\");
    EXPECT_EQ(settingsFolder.find(L"/"), -1);
}

TEST_F(PrintFileLookup, NamesAreLookedUpInTheBaseFolderThenTheSettingsFolder) {
    const Vdn_String settingsParent = ss::parentFolder(settingsFolder);
    struct Case {
        Vdn_String name;
        Vdn_String baseFolder;
        Vdn_String expected;
    };
    const Case cases[] = {
        {L"inbase.bmp", base, base + L"inbase.bmp"},
        {L"inbase.bmp", L"c:\\lib\\bills", base + L"inbase.bmp"},
        {L"both.bmp", base, base + L"both.bmp"},
        {L"insettings.bmp", base, settingsFolder + L"insettings.bmp"},
        {L"insettings.bmp", L"", settingsFolder + L"insettings.bmp"},
        {L"inbase.bmp", L"", L"inbase.bmp"},
        // "..\" goes one folder up: the base folder's parent, then the settings folder's.
        {L"..\\up.bmp", base, L"c:\\lib\\up.bmp"},
        {L"..\\settingsparent.bmp", base, settingsParent + L"settingsparent.bmp"},
        {L"..\\settingsparent.bmp", L"", settingsParent + L"settingsparent.bmp"},
        {L"..\\inbase.bmp", base, L"..\\inbase.bmp"},
        {L"..\\insettings.bmp", base, L"..\\insettings.bmp"},
        // Absolute and network names are used as they are, found or not.
        {L"c:\\lib\\bills\\inbase.bmp", base, L"c:\\lib\\bills\\inbase.bmp"},
        {L"c:\\nowhere\\inbase.bmp", base, L"c:\\nowhere\\inbase.bmp"},
        {L"\\\\server\\share\\inbase.bmp", base, L"\\\\server\\share\\inbase.bmp"},
        {L"missing.bmp", base, L"missing.bmp"},
        {L"", base, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toUtf8() + " in " + c.baseFolder.toUtf8());
        EXPECT_EQ(ss::resolvePrintFile(c.name, c.baseFolder), c.expected);
    }
}

TEST_F(PrintFileLookup, NamesAreStoredRelativeToTheBaseOrSettingsFolder) {
    struct Case {
        Vdn_String name;
        Vdn_String baseFolder;
        Vdn_String expected;
    };
    const Case cases[] = {
        {L"c:\\lib\\bills\\head.bmp", base, L"head.bmp"},
        {L"C:\\LIB\\Bills\\pics\\head.bmp", L"c:\\lib\\bills", L"pics\\head.bmp"},
        {L"c:/lib/bills/head.bmp", base, L"head.bmp"},
        {settingsFolder + L"head.bmp", base, L"head.bmp"},
        {settingsFolder + L"head.bmp", L"", L"head.bmp"},
        // Only whole folders count: a sibling folder with a longer name is not the base.
        {L"c:\\lib\\billsOld\\head.bmp", L"c:\\lib\\bills", L"c:\\lib\\billsOld\\head.bmp"},
        {L"d:\\other\\head.bmp", base, L"d:\\other\\head.bmp"},
        {L"head.bmp", base, L"head.bmp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toUtf8() + " in " + c.baseFolder.toUtf8());
        EXPECT_EQ(ss::storedPrintFile(c.name, c.baseFolder), c.expected);
    }
}

TEST_F(PrintFileLookup, SettingsResolveAndStoreTheirHeaderAndFooter) {
    TfSSSettings settings;
    settings.setHeaderFile(L"c:\\lib\\bills\\inbase.bmp", base);
    settings.setFooterFile(settingsFolder + L"insettings.bmp", base);
    EXPECT_EQ(settings.headerFile, L"inbase.bmp");
    EXPECT_EQ(settings.footerFile, L"insettings.bmp");
    EXPECT_EQ(settings.getHeaderFile(base), base + L"inbase.bmp");
    EXPECT_EQ(settings.getFooterFile(base), settingsFolder + L"insettings.bmp");
    EXPECT_EQ(settings.getHeaderFile(L"c:\\elsewhere\\"), L"inbase.bmp");
}

} // namespace
