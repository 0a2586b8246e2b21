// The standards-mapping page of the macro settings on a copy of the example library: what the
// rows show, which mappings are written (only changed ones, only on OK, under a new name) and
// the rows that are left out.
#include "macro/settings/CDlgMacroSettings.h"
#include "macro/settings/MacroSettingsLaunchers.h"
#include "macro/settings/MappingChoices.h"
#include "platform/core/model/MacroReadResult.h"
#include "platform/core/text/RandomString.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/standards/MappingFile.h"
#include "tests/core/TempFolder.h"
#include "tests/ui/ui_test_support.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using Dlg = CDlgMacroSettings;
using Page = CTabMacroMapping;

const std::filesystem::path kExamples = TESSA_SOURCE_ROOT "/examples/library";

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class MacroSettingsMappingTest : public uitest::ScriptedUserTest {
protected:
    void SetUp() override {
        for (const char* name : {"EndPlate.tfs", "EndPlate.map", "Stiffener.tfs", "Stiffener.map"})
            library.write(std::string("Connection Standards/") + name,
                          readBytes(kExamples / "Connection Standards" / name));
        gSettings.setLibDir(library.name(""));
        ss::MappingFile::clearCache();
        core::MacroReadResult read = Vdn_DbMacro::readFromFile(
            Vdn_String::fromUtf8((kExamples / "macros/EndPlate.json").string()));
        ASSERT_TRUE(read.ok()) << read.message();
        macro = read.macro();
        settings = macro.settings;
        mapFile = library.read("Connection Standards/EndPlate.map");
        setRandomStringSeed(7);
    }

    // The item of a value in the pick list of a double variable.
    int doubleItem(const wchar_t* text) {
        return MappingChoices(&macro).listFor(tfDouble).items.find(text);
    }

    SettingsRestorer restorer;
    TempFolder library;
    Vdn_DbMacro macro;
    MacroSettingsData settings;
    std::string mapFile;
};

TEST_F(MacroSettingsMappingTest, RowsShowTheirTargetsAndAnUnchangedMappingStaysAsItWas) {
    user.expectModal(Dlg::IDD, [&](CDialog& shown, ui::UserActions& act) {
        auto& dialog = dynamic_cast<Dlg&>(shown);
        act.selectTab(Dlg::kTabs, Dlg::kMappingPage);
        Page& page = dialog.mappingPage();
        Vdn_String text;
        page.sheetsTable().getCellText(Page::kTargetColumn, 1, text);
        EXPECT_EQ(text, Page::kEntireMacro);
        page.sheetsTable().getCellText(Page::kTargetColumn, 2, text);
        EXPECT_EQ(text, L"Stiffener1") << "a module row shows the module without its prefix";
        // Inputs, then outputs, each with the value its stored mapping gives.
        ASSERT_EQ(page.objectsTable().maxRows(), 6);
        page.objectsTable().getCellText(Page::kNameColumn, 3, text);
        EXPECT_EQ(text, L"PlateWidth");
        page.objectsTable().getCellText(Page::kObjectColumn, 3, text);
        EXPECT_EQ(text, L"Distance Plate.W");
        page.objectsTable().getCellText(Page::kTypeColumn, 1, text);
        EXPECT_EQ(text, L"Tekst");

        act.clickCell(Page::kSheets, 1, 2);
        EXPECT_EQ(page.shownRow(), 1);
        EXPECT_EQ(page.objectsTable().maxRows(), 0) << "a module row has no list";
        act.clickCell(Page::kSheets, 1, 1);
        EXPECT_EQ(page.objectsTable().maxRows(), 6);
        act.click(IDOK);
    });
    const MacroSettingsData before = settings;
    ASSERT_TRUE(runDlgMacroSettings(settings, &macro));
    EXPECT_EQ(settings, before);
    EXPECT_FALSE(settings.mappingChanged);
    EXPECT_EQ(library.read("Connection Standards/EndPlate.map"), mapFile);
}

TEST_F(MacroSettingsMappingTest, AChangedMappingGetsANewNameAndIsWrittenOnlyOnOk) {
    struct Case {
        const char* what;
        int row;               // of the lower table
        const wchar_t* choice; // empty: not mapped
        int close;
    };
    // Unmapping a variable is a change too: the comparison runs both ways.
    for (const Case c :
         {Case{"another value", 3, L"Distance Plate.H", IDOK}, Case{"unmapped", 6, L"", IDOK},
          Case{"cancelled", 3, L"Distance Plate.H", IDCANCEL}}) {
        SCOPED_TRACE(c.what);
        library.write("Connection Standards/EndPlate.map", mapFile);
        MacroSettingsData edited = settings;
        user.expectModal(Dlg::IDD, [&](CDialog&, ui::UserActions& act) {
            act.selectTab(Dlg::kTabs, Dlg::kMappingPage);
            const int item = *c.choice == 0 ? 0 : doubleItem(c.choice);
            ASSERT_GT(item, *c.choice == 0 ? -1 : 0);
            act.chooseInCell(Page::kObjects, Page::kObjectColumn, c.row, item);
            act.click(c.close);
        });
        EXPECT_EQ(runDlgMacroSettings(edited, &macro), c.close == IDOK);
        if (c.close == IDCANCEL) {
            EXPECT_EQ(edited, settings);
            EXPECT_EQ(library.read("Connection Standards/EndPlate.map"), mapFile);
            continue;
        }
        EXPECT_TRUE(edited.mappingChanged);
        const Vdn_String name = edited.mapping.targets[0];
        EXPECT_EQ(name.length(), Page::kNameLength);
        TfSSMapping written;
        ASSERT_EQ(
            written.getMappingFromFile(library.name("Connection Standards/EndPlate.tfs"), name),
            Acad::eOk);
        TfSSMapping old;
        ASSERT_EQ(
            old.getMappingFromFile(library.name("Connection Standards/EndPlate.tfs"), L"EndPlate"),
            Acad::eOk)
            << "the old mapping stays for other macros";
        EXPECT_EQ(written.mappedObjects().length(),
                  old.mappedObjects().length() - (*c.choice == 0 ? 1 : 0));
    }
}

TEST_F(MacroSettingsMappingTest, RowsWithoutASheetAreLeftOutAndUnloadableSheetsShowNothing) {
    settings.mapping.spreadsheets.append(L"Missing");
    settings.mapping.targets.append(L"Old");
    settings.mapping.moduleNames.append(L"");
    user.expectModal(Dlg::IDD, [&](CDialog& shown, ui::UserActions& act) {
        auto& dialog = dynamic_cast<Dlg&>(shown);
        act.selectTab(Dlg::kTabs, Dlg::kMappingPage);
        act.click(Page::kAdd);
        EXPECT_EQ(dialog.data_.mapping.count(), 4) << "an empty row before the chosen one";
        EXPECT_EQ(dialog.mappingPage().shownRow(), 0);
        act.clickCell(Page::kSheets, 1, 4);
        EXPECT_EQ(dialog.mappingPage().objectsTable().maxRows(), 0);
        act.click(Page::kUp);
        EXPECT_EQ(dialog.data_.mapping.spreadsheets[2], L"Missing");
        act.click(IDOK);
    });
    ASSERT_TRUE(runDlgMacroSettings(settings, &macro));
    EXPECT_EQ(settings.mapping.spreadsheets,
              (Vdn_StringArray{L"EndPlate", L"Missing", L"Stiffener"}));
    EXPECT_EQ(settings.mapping.targets[1], L"Old");
    EXPECT_FALSE(settings.mappingChanged);
    EXPECT_EQ(library.read("Connection Standards/EndPlate.map"), mapFile);
}

} // namespace
