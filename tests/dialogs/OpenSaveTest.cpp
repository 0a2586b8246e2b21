// The filtered open/save dialog: its lists, the name it gives back, overwrite and delete.
#include "dialogs/CDlgOpenSave.h"
#include "platform/ui/controls/CListBox.h"
#include "tests/core/TempFolder.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

class OpenSaveTest : public uitest::ScriptedUserTest {
protected:
    void SetUp() override {
        folder.write("Plate-a.prp", "x");
        folder.write("Plate-b.prp", "x");
        folder.write("Other.prp", "x");
        dialog.folder_ = folder.name("");
        dialog.extension_ = L".prp";
        dialog.macroNames_ = Vdn_StringArray{L"Plate-a", L"Plate-b"};
        dialog.allNames_ = Vdn_StringArray{L"Other", L"Plate-a", L"Plate-b"};
    }

    static std::vector<std::wstring> listed(CDialog& shown) {
        auto* list = dynamic_cast<CListBox*>(shown.GetDlgItem(CDlgOpenSave::kNameList));
        std::vector<std::wstring> names;
        for (int i = 0; list != nullptr && i < list->GetCount(); ++i) {
            std::wstring name;
            list->GetText(i, name);
            names.push_back(name);
        }
        return names;
    }

    TempFolder folder;
    CDlgOpenSave dialog;
};

TEST_F(OpenSaveTest, OpeningPicksFromTheMacrosOrAllNames) {
    dialog.mode_ = CDlgOpenSave::kModeOpen;
    user.expectModal(CDlgOpenSave::IDD, [](CDialog& shown, ui::UserActions& act) {
        EXPECT_EQ(listed(shown), (std::vector<std::wstring>{L"Plate-a", L"Plate-b"}));
        EXPECT_FALSE(shown.GetDlgItem(CDlgOpenSave::kNameEdit)->IsWindowEnabled());
        act.click(IDOK); // no name yet: nothing happens
        EXPECT_FALSE(shown.hasEnded());
        act.click(CDlgOpenSave::kShowAllCheck);
        EXPECT_EQ(listed(shown).size(), 3u);
        act.doubleClickListItem(CDlgOpenSave::kNameList, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.name_, Vdn_String(L"Other"));
}

TEST_F(OpenSaveTest, SavingAsksOnlyBeforeOverwriting) {
    dialog.mode_ = CDlgOpenSave::kModeSave;
    user.expectModal(CDlgOpenSave::IDD, [&](CDialog& shown, ui::UserActions& act) {
        act.selectListItem(CDlgOpenSave::kNameList, 1);
        EXPECT_EQ(shown.GetDlgItem(CDlgOpenSave::kNameEdit)->GetWindowText(), L"Plate-b");
        user.expectMessageBox(IDNO);
        act.click(IDOK);
        EXPECT_FALSE(shown.hasEnded());
        act.enterText(CDlgOpenSave::kNameEdit, L"Plate-c");
        act.click(IDOK); // a new name closes at once
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.name_, Vdn_String(L"Plate-c"));
    ASSERT_EQ(user.messageBoxes().size(), 1u);
}

TEST_F(OpenSaveTest, DeletingRemovesTheFileAndTheNameButKeepsWhatCannotBeDeleted) {
    dialog.mode_ = CDlgOpenSave::kModeSave;
    dialog.macroNames_.append(L"Gone"); // listed, but there is no such file
    user.expectModal(CDlgOpenSave::IDD, [&](CDialog& shown, ui::UserActions& act) {
        act.selectListItem(CDlgOpenSave::kNameList, 0);
        user.expectMessageBox(IDYES);
        act.click(CDlgOpenSave::kDeleteButton);
        EXPECT_EQ(listed(shown), (std::vector<std::wstring>{L"Plate-b", L"Gone"}));
        act.selectListItem(CDlgOpenSave::kNameList, 1);
        user.expectMessageBox(IDYES);
        act.click(CDlgOpenSave::kDeleteButton);
        EXPECT_EQ(listed(shown), (std::vector<std::wstring>{L"Plate-b", L"Gone"}));
        act.click(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Plate-a.prp"));
    EXPECT_EQ(dialog.allNames_, (Vdn_StringArray{L"Other", L"Plate-b"}));
    ASSERT_GE(user.messageBoxes().size(), 1u);
    EXPECT_NE(user.messageBoxes()[0].text.find(L"\"Plate-a\""), std::wstring::npos);
}

} // namespace
