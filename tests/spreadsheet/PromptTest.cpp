#include "platform/ui/controls/CEdit.h"
#include "spreadsheet/Vdn_DlgPromptString.h"
#include "tests/spreadsheet/SpreadFixture.h"

#include <gtest/gtest.h>

using namespace spreadtest;

namespace {

using PromptTest = uitest::ScriptedUserTest;

TEST_F(PromptTest, AnEmptyValueCannotBeConfirmed) {
    user.expectModal(Vdn_DlgPromptString::IDD, [](CDialog& dialog, ui::UserActions& act) {
        // The edit has the focus with its whole text selected.
        auto* edit = dynamic_cast<CEdit*>(dialog.GetDlgItem(Vdn_DlgPromptString::kValueEdit));
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(CWnd::GetFocus(), edit);
        int start = 0, end = 0;
        edit->GetSel(start, end);
        EXPECT_EQ(std::pair(start, end), std::pair(0, 4));
        EXPECT_EQ(dialog.GetWindowText(), L"Hernoemen");
        act.enterText(Vdn_DlgPromptString::kValueEdit, L"");
        act.click(IDOK);
        EXPECT_FALSE(dialog.hasEnded());
        act.enterText(Vdn_DlgPromptString::kValueEdit, L"IPE 300");
        act.click(IDOK);
    });
    Vdn_DlgPromptString prompt;
    prompt.caption = L"Hernoemen";
    prompt.label = L"Naam:";
    prompt.value = L"HEA1";
    prompt.cancelCaption = L"Stop";
    EXPECT_EQ(prompt.DoModal(), IDOK);
    EXPECT_TRUE(prompt.accepted);
    EXPECT_EQ(prompt.value, L"IPE 300");
}

TEST_F(PromptTest, WithoutTheEditOnlyTheAnswerCounts) {
    user.expectModal(Vdn_DlgPromptString::IDD, [](CDialog& dialog, ui::UserActions& act) {
        EXPECT_FALSE(dialog.GetDlgItem(Vdn_DlgPromptString::kValueEdit)->IsWindowVisible());
        std::wstring text;
        dialog.GetDlgItemText(IDCANCEL, text);
        EXPECT_EQ(text, L"Stop");
        act.click(IDOK);
    });
    Vdn_DlgPromptString prompt;
    prompt.valueShown = false;
    prompt.cancelCaption = L"Stop";
    EXPECT_EQ(prompt.DoModal(), IDOK);
    EXPECT_TRUE(prompt.accepted);
    EXPECT_TRUE(prompt.value.isEmpty());
}

} // namespace
