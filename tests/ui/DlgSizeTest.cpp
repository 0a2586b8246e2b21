#include "platform/ui/dialogs/DlgSize.h"

#include "platform/ui/controls/CResizer.h"
#include "platform/ui/registry/Registry.h"
#include "platform/ui/windows/CWnd.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>

namespace {

namespace fs = std::filesystem;
using ui::Registry;

class DlgSizeTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("tessa-dlgsize-" + std::to_string(std::random_device{}()));
        Registry::open(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // A top-level dialog with a sizing frame at (100, 50), 300 x 200 pixels outside.
    static void createDialog(CWnd& dialog) {
        ASSERT_TRUE(dialog.Create(nullptr, L"Dialog", WS_POPUP | WS_CAPTION | WS_THICKFRAME,
                                  CRect(100, 50, 400, 250), nullptr, 0));
    }
    static CRect windowRect(const CWnd& window) {
        CRect rect;
        window.GetWindowRect(&rect);
        return rect;
    }
    // Stores a raw value as another program (or a damaged file) might have left it.
    static void store(const wchar_t* key, const wchar_t* name, ui::RegistryValue value) {
        Registry& registry = Registry::current();
        HKEY handle = nullptr;
        ASSERT_EQ(registry.createKey(HKEY_CURRENT_USER,
                                     std::wstring(L"Software\\Tessaform\\Dialogs\\") + key,
                                     KEY_ALL_ACCESS, handle, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(registry.setValue(handle, name, std::move(value)), ERROR_SUCCESS);
        registry.closeKey(handle);
    }

    fs::path folder_;
};

TEST_F(DlgSizeTest, NothingStoredGivesNothingOrTheDefaults) {
    int width = -1, height = -1;
    EXPECT_FALSE(getDlgSize(L"DLG_GENVARS", width, height));
    EXPECT_EQ(width, -1);
    EXPECT_EQ(height, -1);

    getSafeDlgSize(L"DLG_SHEETSMGR", width, height);
    EXPECT_EQ(width, 500);
    EXPECT_EQ(height, 400);
    getSafeDlgSize(L"DLG_OPTIMIZECSP2", width, height, 200, 130);
    EXPECT_EQ(width, 200);
    EXPECT_EQ(height, 130);

    CWnd dialog;
    createDialog(dialog);
    EXPECT_FALSE(ChangeDlgSize(&dialog, L"DLG_GENVARS"));
    EXPECT_EQ(windowRect(dialog), CRect(100, 50, 400, 250));
}

TEST_F(DlgSizeTest, WrittenSizeIsStoredPerUserAndSurvivesARestart) {
    CWnd dialog;
    createDialog(dialog);
    dialog.SetWindowPos(nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(WriteDlgSize(&dialog, L"DLG_EDIT_SECTIONLIB"));

    Registry& registry = Registry::open(folder_);
    HKEY key = nullptr;
    ASSERT_EQ(registry.openKey(HKEY_CURRENT_USER,
                               L"Software\\Tessaform\\Dialogs\\DLG_EDIT_SECTIONLIB", KEY_READ, key),
              ERROR_SUCCESS);
    ui::RegistryValue value;
    ASSERT_EQ(registry.getValue(key, L"Width", value), ERROR_SUCCESS);
    EXPECT_EQ(value.dword(), 640u);
    ASSERT_EQ(registry.getValue(key, L"Height", value), ERROR_SUCCESS);
    EXPECT_EQ(value.dword(), 480u);
    registry.closeKey(key);

    int width = 0, height = 0;
    ASSERT_TRUE(getDlgSize(L"dlg_edit_sectionlib", width, height)); // keys ignore case
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
    getSafeDlgSize(L"DLG_EDIT_SECTIONLIB", width, height);
    EXPECT_EQ(width, 640);
    EXPECT_FALSE(getDlgSize(L"DLG_EDIT_MACRO", width, height)); // other keys are their own
}

TEST_F(DlgSizeTest, ChangeKeepsTheTopLeftCornerOrTheCentre) {
    CWnd source;
    createDialog(source);
    source.SetWindowPos(nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(WriteDlgSize(&source, L"K"));

    CWnd corner;
    createDialog(corner);
    ASSERT_TRUE(ChangeDlgSize(&corner, L"K"));
    EXPECT_EQ(windowRect(corner), CRect(100, 50, 600, 350));

    CWnd centred;
    createDialog(centred); // centre (250, 150)
    ASSERT_TRUE(ChangeDlgSize(&centred, L"K", true));
    EXPECT_EQ(windowRect(centred), CRect(0, 0, 500, 300));

    // A child dialog (a docked panel) is placed in its parent's client coordinates.
    CWnd frame;
    ASSERT_TRUE(frame.Create(nullptr, L"Frame", WS_POPUP | WS_CAPTION | WS_THICKFRAME,
                             CRect(10, 20, 1010, 820), nullptr, 0));
    CWnd panel;
    ASSERT_TRUE(panel.Create(nullptr, L"", WS_CHILD, CRect(100, 100, 300, 300), &frame, 5));
    ASSERT_TRUE(ChangeDlgSize(&panel, L"K", true));
    CRect inFrame = windowRect(panel);
    frame.ScreenToClient(&inFrame);
    EXPECT_EQ(inFrame, CRect(-50, 50, 450, 350));
}

TEST_F(DlgSizeTest, SizesOutsideTheWindowRangeCountAsNothingStored) {
    struct Case {
        const char* label;
        ui::RegistryValue width;
        ui::RegistryValue height;
    };
    const Case cases[] = {
        {"zero width", ui::RegistryValue::fromDword(0), ui::RegistryValue::fromDword(300)},
        {"negative height", ui::RegistryValue::fromDword(500),
         ui::RegistryValue::fromDword(static_cast<DWORD>(-20))},
        {"too wide", ui::RegistryValue::fromDword(40000), ui::RegistryValue::fromDword(300)},
        {"width as text", ui::RegistryValue::fromText(L"500", REG_SZ),
         ui::RegistryValue::fromDword(300)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        store(L"BAD", L"Width", c.width);
        store(L"BAD", L"Height", c.height);
        int width = 1, height = 2;
        EXPECT_FALSE(getDlgSize(L"BAD", width, height));
        EXPECT_EQ(width, 1);
        getSafeDlgSize(L"BAD", width, height);
        EXPECT_EQ(width, 500);
        CWnd dialog;
        createDialog(dialog);
        EXPECT_FALSE(ChangeDlgSize(&dialog, L"BAD"));
        EXPECT_EQ(windowRect(dialog), CRect(100, 50, 400, 250));
    }
    store(L"HALF", L"Width", ui::RegistryValue::fromDword(500));
    int width = 0, height = 0;
    EXPECT_FALSE(getDlgSize(L"HALF", width, height));
}

TEST_F(DlgSizeTest, RefusedWritesKeepTheStoredSize) {
    CWnd dialog;
    createDialog(dialog);
    ASSERT_TRUE(WriteDlgSize(&dialog, L"K"));
    dialog.SetWindowPos(nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);

    Registry::open(folder_, Registry::Access::ReadOnly);
    EXPECT_FALSE(WriteDlgSize(&dialog, L"K"));
    int width = 0, height = 0;
    ASSERT_TRUE(getDlgSize(L"K", width, height));
    EXPECT_EQ(width, 300);
    EXPECT_EQ(height, 200);

    Registry::open(folder_);
    EXPECT_FALSE(WriteDlgSize(&dialog, L""));
    EXPECT_FALSE(WriteDlgSize(nullptr, L"K"));
    EXPECT_FALSE(ChangeDlgSize(nullptr, L"K"));
    CWnd notCreated;
    EXPECT_FALSE(WriteDlgSize(&notCreated, L"K"));
    EXPECT_FALSE(ChangeDlgSize(&notCreated, L"K"));
}

// Restoring a size is a size change: a dialog's resizer lays its controls out for it.
TEST_F(DlgSizeTest, RestoredSizeMovesTheControlsThroughTheResizer) {
    class Dialog : public CWnd {
    public:
        CResizer resizer;

    protected:
        void OnSize(UINT type, int cx, int cy) override {
            CWnd::OnSize(type, cx, cy);
            resizer.Move();
        }
    };
    CWnd source;
    createDialog(source);
    source.SetWindowPos(nullptr, 0, 0, 400, 260, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(WriteDlgSize(&source, L"DLG_SELECT_IMAGE"));

    Dialog dialog;
    createDialog(dialog);
    CWnd ok;
    ASSERT_TRUE(ok.Create(nullptr, L"OK", WS_CHILD, CRect(200, 140, 280, 165), &dialog, IDOK));
    const CResizer::CBorderInfo layout[] = {
        {IDOK,
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eRight},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eBottom},
         {CResizer::eWidth},
         {CResizer::eHeight}},
    };
    ASSERT_TRUE(dialog.resizer.Init(&dialog, nullptr, layout));
    ASSERT_TRUE(ChangeDlgSize(&dialog, L"DLG_SELECT_IMAGE"));
    CRect rect;
    ok.GetWindowRect(&rect);
    dialog.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(300, 200, 380, 225));
}

} // namespace
