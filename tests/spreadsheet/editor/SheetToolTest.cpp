#include "platform/grid/sheet/Sheet.h"
#include "platform/host/HostWindows.h"
#include "platform/ui/dialogs/DialogTemplate.h"
#include "platform/ui/dialogs/TemplateLibrary.h"
#include "platform/ui/windows/WindowRegistry.h"
#include "spreadsheet/Vdn_Spread.h"
#include "spreadsheet/editor/CDlgSSAsTool.h"
#include "spreadsheet/editor/DlgSSAsTool.h"
#include "spreadsheet/editor/SheetPrintSettings.h"
#include "spreadsheet/editor/TfSSRegistrySets.h"
#include "tests/spreadsheet/editor/EditorTestSupport.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>
#include <memory>

using namespace editortest;

namespace {

constexpr int H = Vdn_Spread::kHeader;

class SheetToolTest : public uitest::ScriptedUserTest {
protected:
    void TearDown() override {
        tool.reset();
        host::destroyMainWindow();
        uitest::ScriptedUserTest::TearDown();
    }

    Vdn_Spread& sheet() {
        EXPECT_TRUE(tool->create());
        Vdn_Spread* spread = tool->get();
        EXPECT_NE(spread, nullptr);
        return *spread;
    }
    static std::wstring cornerTag(const Vdn_Spread& spread) {
        std::wstring tag;
        spread.SSGetCellTag(H, H, tag);
        return tag;
    }
    static grid::CellFont fontAt(const Vdn_Spread& spread, int col, int row) {
        return spread.sheet().format({col, row}).value_or(grid::CellFormat()).font;
    }
    // A settings file of that name holding the sample settings with another font.
    static void saveSettings(const wchar_t* name, const wchar_t* font, int height) {
        TfSSSettings settings = validSample();
        settings.defaultFont = font;
        settings.defaultTextHeight = height;
        ASSERT_TRUE(settings.saveFile(name));
    }

    EditorFolders folders;
    TempRegistry registry;
    std::unique_ptr<DlgSSAsTool> tool = std::make_unique<DlgSSAsTool>();
};

TEST_F(SheetToolTest, TheToolWindowTemplateIsAHiddenHostOfOnePlaceholder) {
    const ui::DialogTemplate* tmpl = ui::TemplateLibrary::instance().find(248);
    ASSERT_NE(tmpl, nullptr);
    EXPECT_EQ(tmpl->caption, L"Dialog");
    EXPECT_EQ(tmpl->cx, 186);
    EXPECT_EQ(tmpl->cy, 95);
    EXPECT_EQ(tmpl->style & WS_VISIBLE, 0u);
    ASSERT_NE(tmpl->control(IDOK), nullptr);
    EXPECT_EQ(tmpl->control(IDOK)->text, L"OK");
    ASSERT_NE(tmpl->control(IDCANCEL), nullptr);
    EXPECT_EQ(tmpl->control(IDCANCEL)->text, L"Cancel");
    EXPECT_NE(tmpl->control(CDlgSSAsTool::kSheetPlaceholder), nullptr);
}

TEST_F(SheetToolTest, CreatesAHiddenChildOfTheMainWindowOnceAndHandsBackTheFocus) {
    EXPECT_FALSE(tool->isCreated());
    EXPECT_EQ(tool->get(), nullptr);
    ASSERT_TRUE(tool->create());
    CDlgSSAsTool* window = tool->window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->templateId(), CDlgSSAsTool::IDD);
    EXPECT_NE(window->GetSafeHwnd(), nullptr);
    EXPECT_FALSE(window->IsWindowVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->GetParent(), adsw_acadMainWnd());
    EXPECT_EQ(CWnd::GetFocus(), adsw_acadMainWnd());

    Vdn_Spread* spread = tool->get();
    ASSERT_NE(spread, nullptr);
    EXPECT_TRUE(spread->isAttached());
    EXPECT_EQ(spread->GetParent(), window);
    EXPECT_EQ(window->GetDlgItem(CDlgSSAsTool::kSheetPlaceholder), spread);

    ASSERT_TRUE(tool->create());
    EXPECT_EQ(tool->window(), window) << "a second create keeps the window";
    EXPECT_TRUE(user.modals().empty());
}

TEST_F(SheetToolTest, DestroyingTheHolderDestroysItsWindow) {
    ASSERT_TRUE(tool->create());
    const CWnd* window = tool->window();
    const CWnd* spread = tool->get();
    ASSERT_TRUE(ui::WindowRegistry::instance().isAlive(window));
    tool.reset();
    EXPECT_FALSE(ui::WindowRegistry::instance().isAlive(window));
    EXPECT_FALSE(ui::WindowRegistry::instance().isAlive(spread));
}

TEST_F(SheetToolTest, WithoutItsTemplateTheWindowIsNotCreated) {
    struct LibraryReset {
        ~LibraryReset() { ui::TemplateLibrary::instance().reset(); }
    } restore;
    ui::TemplateLibrary::instance().loadFolder(folders.temp().path());
    EXPECT_FALSE(tool->create());
    EXPECT_FALSE(tool->isCreated());
    EXPECT_EQ(tool->window(), nullptr);
    EXPECT_EQ(tool->get(), nullptr);
}

TEST_F(SheetToolTest, PreparingGivesTheSixByElevenTextSheetTheNamedSettings) {
    saveSettings(L"bill", L"Arial", 10);
    Vdn_Spread& spread = sheet();
    ASSERT_TRUE(prepareSheetWithPrintSettings(spread, L"bill"));

    for (const int option : {12, 25, 7, 21})
        EXPECT_TRUE(spread.SSGetBool(option)) << "option " << option;
    EXPECT_EQ(spread.maxCols(), 6);
    EXPECT_EQ(spread.maxRows(), 11);
    for (const grid::CellRef cell : {grid::CellRef{1, 1}, grid::CellRef{6, 11}}) {
        const auto type = spread.sheet().cellType(cell);
        ASSERT_TRUE(type.has_value());
        EXPECT_EQ(type->kind(), grid::CellType::Kind::Edit);
        EXPECT_EQ(type->maxLength(), 100);
    }

    TfSSSettings stored;
    EXPECT_TRUE(stored.readFromSheet(spread));
    TfSSSettings expected;
    ASSERT_TRUE(expected.loadFile(L"bill"));
    EXPECT_EQ(compact(stored), compact(expected));

    const grid::CellFont normal{L"Arial", 10, 400};
    const grid::CellFont bold{L"Arial", 10, 700};
    EXPECT_EQ(fontAt(spread, 1, 1), normal);
    EXPECT_EQ(fontAt(spread, 6, 11), normal);
    EXPECT_EQ(fontAt(spread, 3, 0), bold) << "column header";
    EXPECT_EQ(fontAt(spread, 0, 11), bold) << "row header";
    // Rows added later are formatted in the same font.
    EXPECT_EQ(spread.fontName, L"Arial");
    EXPECT_EQ(spread.fontSize, 10);
    ASSERT_TRUE(spread.setMaxRows(12));
    EXPECT_EQ(fontAt(spread, 2, 12), normal);
}

TEST_F(SheetToolTest, WithoutTheNamedFileTheEditorsDefaultSettingsApply) {
    struct Case {
        const char* what;
        const wchar_t* registryDefault; // null: no registry value
        const wchar_t* font;
        int height;
    };
    const Case cases[] = {
        {"the registry's default settings", L"house", L"Verdana", 9},
        {"a registry default that does not exist", L"gone", L"Tahoma", 13},
        {"no registry value", nullptr, L"Tahoma", 13},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempRegistry caseRegistry;
        if (c.registryDefault) {
            TfSSRegistrySets sets;
            sets.defaultSettings = c.registryDefault;
            ASSERT_TRUE(sets.write());
        }
        saveSettings(L"house", L"Verdana", 9);
        DlgSSAsTool caseTool;
        ASSERT_TRUE(caseTool.create());
        Vdn_Spread& spread = *caseTool.get();
        ASSERT_TRUE(prepareSheetWithPrintSettings(spread, L"missing"));
        TfSSSettings stored;
        stored.readFromSheet(spread);
        EXPECT_EQ(stored.defaultFont, c.font);
        EXPECT_EQ(stored.defaultTextHeight, c.height);
        EXPECT_EQ(fontAt(spread, 2, 2), (grid::CellFont{c.font, c.height, 400}));
        EXPECT_EQ(spread.fontName, c.font);
        EXPECT_EQ(spread.fontSize, c.height);
    }
}

TEST_F(SheetToolTest, SettingsWithoutAFontLeaveTheFontsAlone) {
    for (const auto& [font, height] : {std::pair{L"", 10}, std::pair{L"Arial", 0}}) {
        SCOPED_TRACE(Vdn_String(font).toUtf8() + " " + std::to_string(height));
        saveSettings(L"plain", font, height);
        DlgSSAsTool caseTool;
        ASSERT_TRUE(caseTool.create());
        Vdn_Spread& spread = *caseTool.get();
        const Vdn_String wrapperFont = spread.fontName;
        const int wrapperSize = spread.fontSize;
        ASSERT_TRUE(prepareSheetWithPrintSettings(spread, L"plain"));
        EXPECT_EQ(spread.fontName, wrapperFont);
        EXPECT_EQ(spread.fontSize, wrapperSize);
        EXPECT_EQ(fontAt(spread, 1, 1), (grid::CellFont{wrapperFont.str(), wrapperSize, 400}));
    }
}

TEST_F(SheetToolTest, ADetachedSheetIsNotPrepared) {
    Vdn_Spread detached;
    EXPECT_FALSE(prepareSheetWithPrintSettings(detached, L"bill"));
    EXPECT_EQ(cornerTag(detached), L"");
}

TEST_F(SheetToolTest, PrintVariablesJoinTheSheetsSettings) {
    saveSettings(L"bill", L"Arial", 10);
    Vdn_Spread& spread = sheet();
    ASSERT_TRUE(prepareSheetWithPrintSettings(spread, L"bill"));
    const Vdn_StringArray names{L"Date", L"Title", L"BillFilename"};
    const Vdn_StringArray values{L"3 juni, 2024 (14:05)", L"Hal 3", L"c:\\out\\Hal 3.tfs"};
    ASSERT_TRUE(storePrintVariables(spread, names, values));

    TfSSSettings stored;
    stored.readFromSheet(spread);
    EXPECT_EQ(stored.varNames, names);
    EXPECT_EQ(stored.varValues, values);
    EXPECT_EQ(stored.defaultFont, L"Arial") << "the other settings stay";
    EXPECT_EQ(stored.marginLeft, 20);

    // Stored again, the new lists replace the old ones.
    ASSERT_TRUE(storePrintVariables(spread, {L"Date"}, {L"4 juni"}));
    stored.readFromSheet(spread);
    EXPECT_EQ(stored.varNames, Vdn_StringArray{L"Date"});

    // A variable the settings cannot carry is left out, and said; the others stay.
    Vdn_StringArray refused;
    ASSERT_TRUE(storePrintVariables(spread, {L"Date", L"Price", L"Cost\u00A4", L"Title"},
                                    {L"5 juni", L"10 \u00A4", L"3", L"Hal"}, &refused));
    EXPECT_EQ(refused, (Vdn_StringArray{L"Price", L"Cost\u00A4"}));
    stored.readFromSheet(spread);
    EXPECT_EQ(stored.varNames, (Vdn_StringArray{L"Date", L"Title"}));
    EXPECT_EQ(stored.varValues, (Vdn_StringArray{L"5 juni", L"Hal"}));
}

} // namespace
