#pragma once
// A spreadsheet wrapper attached to the placeholder of a shown test dialog (template 62000),
// with a scripted user, a registry of its own and Dutch texts.

#include "platform/core/settings/Vdn_Settings.h"
#include "spreadsheet/Vdn_Spread.h"
#include "tests/host/TempRegistry.h"
#include "tests/ui/ui_test_support.h"

#include <vector>

namespace spreadtest {

constexpr UINT kTestDialog = 62000;
constexpr UINT kTestPage = 62001;
constexpr int kSheetId = 1196;
constexpr int kEditId = 1001;
constexpr int H = Vdn_Spread::kHeader;

// The host dialog: logs its notifications and asks the sheet about Tab, as the dialogs that
// hold spreadsheets do.
class HostDialog : public uitest::LoggingDialog {
public:
    HostDialog() : LoggingDialog(kTestDialog) {}

    Vdn_Spread* spread = nullptr;
    std::vector<Vdn_TabMsgHandle> tabResults;

    BOOL PreTranslateMessage(MSG* msg) override {
        if (spread != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB) {
            Vdn_TabMsgHandle result = tmhNotHandled;
            spread->handleTabKey(VK_TAB, result);
            tabResults.push_back(result);
            if (result == tmhHandled)
                return TRUE;
        }
        return LoggingDialog::PreTranslateMessage(msg);
    }
};

class SpreadTest : public uitest::ScriptedUserTest {
protected:
    void SetUp() override {
        savedLanguage = gSettings.workLanguage();
        gSettings.setWorkLanguage(Vdn_Settings::Dutch);
        ASSERT_TRUE(dialog.Create(kTestDialog));
        dialog.ShowWindow(SW_SHOW);
        ASSERT_TRUE(spread.attachToDlgItem(&dialog, kSheetId));
        dialog.spread = &spread;
    }
    void TearDown() override {
        gSettings.setWorkLanguage(savedLanguage);
        uitest::ScriptedUserTest::TearDown();
    }

    // cols x rows with the house look; cell texts "r<row>c<col>" when filled.
    void makeSheet(int cols, int rows, bool filled = false) {
        ASSERT_TRUE(spread.setStandardLook(1));
        ASSERT_TRUE(spread.setMaxCols(cols));
        ASSERT_TRUE(spread.setMaxRows(rows));
        for (int row = 1; filled && row <= rows; ++row) {
            for (int col = 1; col <= cols; ++col)
                spread.setCellText(col, row, text(col, row));
        }
    }
    static Vdn_String text(int col, int row) {
        return Vdn_String(L"r" + std::to_wstring(row) + L"c" + std::to_wstring(col));
    }
    Vdn_String cell(int col, int row, int kind = 3) const {
        Vdn_String value;
        spread.getCellText(col, row, value, kind);
        return value;
    }
    Vdn_StringArray column(int col, int kind = 3) const {
        Vdn_StringArray texts;
        spread.getColumnTexts(col, texts, kind);
        return texts;
    }
    // Acts on the host dialog; a failed action fails the test.
    ui::UserActions actions() { return actionsOn(dialog); }
    static ui::UserActions actionsOn(CWnd& window) {
        return ui::UserActions(
            window, [](const std::wstring& message) { ADD_FAILURE() << uitest::utf8(message); });
    }

    int savedLanguage = 0;
    TempRegistry registry;
    HostDialog dialog;
    Vdn_Spread spread;
};

} // namespace spreadtest
