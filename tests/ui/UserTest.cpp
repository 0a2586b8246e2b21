// Message boxes and file dialogs through the current user: the records, the answers, and the
// scripted user's checks.

#include "platform/ui/dialogs/CFileDialog.h"
#include "platform/ui/users/NonInteractiveUser.h"
#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/WinApi.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using uitest::ScriptedUserTest;

TEST(MessageBoxRecord, SplitsTheTypeBits) {
    const auto record = ui::MessageBoxRecord::fromType(
        L"text", L"caption", MB_YESNOCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2);
    EXPECT_EQ(record.buttons, MB_YESNOCANCEL);
    EXPECT_EQ(record.icon, MB_ICONEXCLAMATION);
    EXPECT_EQ(record.defaultButton, 1);
    EXPECT_EQ(record.buttonIds(), (std::vector<int>{IDYES, IDNO, IDCANCEL}));
    EXPECT_EQ(record.defaultAnswer(), IDNO);
    EXPECT_EQ(record.cancelAnswer(), IDCANCEL);
    const auto yesNo = ui::MessageBoxRecord::fromType(L"t", L"c", MB_YESNO | MB_DEFBUTTON4);
    EXPECT_EQ(yesNo.defaultAnswer(), IDYES) << "a default beyond the buttons is the first";
    EXPECT_EQ(yesNo.cancelAnswer(), IDYES) << "no Cancel button: the default stands in";
}

class MessageBoxTest : public ScriptedUserTest {};

TEST_F(MessageBoxTest, EveryBoxIsRecordedWithItsExactWording) {
    user.expectMessageBox(IDNO, L"Overwrite \"a.tfs\"?", L"AutoCAD")
        .expectMessageBox(IDOK, L"Variable names must be unique")
        .expectMessageBox(IDOK);
    EXPECT_EQ(AfxMessageBox(L"Overwrite \"a.tfs\"?", MB_YESNO | MB_ICONQUESTION), IDNO);
    CWnd sheet;
    ASSERT_TRUE(sheet.CreateEx(0, L"Sheet", L"", WS_POPUP, CRect(0, 0, 5, 5), nullptr, 0));
    EXPECT_EQ(sheet.MessageBox(L"Variable names must be unique", L"Duplicate",
                               MB_OK | MB_ICONEXCLAMATION),
              IDOK);
    EXPECT_EQ(MessageBox(nullptr, L"plain", L"", MB_OK), IDOK);

    ASSERT_EQ(user.messageBoxes().size(), 3U);
    EXPECT_EQ(user.messageBoxes()[0].icon, MB_ICONQUESTION);
    EXPECT_EQ(user.messageBoxes()[0].answer, IDNO);
    EXPECT_EQ(user.messageBoxes()[1].caption, L"Duplicate");
    EXPECT_EQ(user.messageBoxes()[1].icon, MB_ICONEXCLAMATION);
    EXPECT_EQ(user.messageBoxes()[2].caption, L"Error") << "Win32's caption for none";
}

TEST(MessageBoxFailures, WrongWordingOrAnswerAndUnexpectedBoxes) {
    ui::ScriptedUser user;
    ui::UserScope scope(user);
    user.expectMessageBox(IDOK, L"expected text").expectMessageBox(IDYES);
    EXPECT_EQ(AfxMessageBox(L"shown text"), IDOK);
    EXPECT_EQ(AfxMessageBox(L"only OK"), IDOK) << "IDYES is no button: the box is cancelled";
    EXPECT_EQ(AfxMessageBox(L"surprise", MB_OKCANCEL), IDCANCEL) << "unexpected: cancelled";
    ASSERT_EQ(user.failures().size(), 3U);
    EXPECT_EQ(user.failures()[0], L"message box text differs:\n  expected \"expected text\"\n"
                                  L"  shown    \"shown text\"");
    EXPECT_EQ(user.failures()[1], L"message box \"only OK\" has no button IDYES");
    EXPECT_EQ(user.failures()[2],
              L"unexpected message box \"surprise\" (nothing more was expected)");
}

TEST(NonInteractiveUser, AnswersTheDefaultButtonAndCancelsTheRest) {
    ui::NonInteractiveUser nobody;
    ui::UserScope scope(nobody);
    testing::internal::CaptureStderr();
    EXPECT_EQ(AfxMessageBox(L"Save changes?", MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "[AutoCAD] Save changes?\n");
    CFileDialog dialog(TRUE);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetPathName(), L"");
}

class FileDialogTest : public ScriptedUserTest {};

TEST_F(FileDialogTest, ChosenPathWithDefaultExtensionAndItsParts) {
    user.expectFileDialog(L"c:\\data\\Cutting Stock\\plates").expectFileDialogCancel();
    CFileDialog save(FALSE, L"shp", L"stock", OFN_OVERWRITEPROMPT, L"Stock (*.shp)|*.shp||");
    save.m_ofn.lpstrInitialDir = L"c:\\data\\Cutting Stock";
    save.m_ofn.lpstrTitle = L"Export";
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), L"c:\\data\\Cutting Stock\\plates.shp");
    EXPECT_EQ(save.GetFileName(), L"plates.shp");
    EXPECT_EQ(save.GetFileExt(), L"shp");
    EXPECT_EQ(save.GetFileTitle(), L"plates");
    const ui::FileDialogRecord& shown = user.fileDialogs()[0];
    EXPECT_FALSE(shown.openDialog);
    EXPECT_EQ(shown.fileName, L"stock");
    EXPECT_EQ(shown.filter, L"Stock (*.shp)|*.shp||");
    EXPECT_EQ(shown.initialDir, L"c:\\data\\Cutting Stock");
    EXPECT_EQ(shown.title, L"Export");

    CFileDialog open(TRUE, L"txt");
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    EXPECT_EQ(open.GetPathName(), L"");
}

TEST_F(FileDialogTest, MultipleSelectionIteratesEveryPath) {
    user.expectFileDialog(std::vector<std::wstring>{L"a.txt", L"dir/b.csv"});
    CFileDialog open(TRUE, L"", L"", OFN_ALLOWMULTISELECT);
    ASSERT_EQ(open.DoModal(), IDOK);
    std::vector<std::wstring> paths;
    for (POSITION pos = open.GetStartPosition(); pos != nullptr;) {
        paths.push_back(open.GetNextPathName(pos));
    }
    EXPECT_EQ(paths, (std::vector<std::wstring>{L"a.txt", L"dir/b.csv"}));
    EXPECT_EQ(open.GetFileName(), L"a.txt");
}

TEST(FileDialogFailures, SeveralFilesForASingleSelectionDialogAreRefused) {
    ui::ScriptedUser user;
    ui::UserScope scope(user);
    user.expectFileDialog(std::vector<std::wstring>{L"a.txt", L"b.txt"});
    CFileDialog open(TRUE);
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    ASSERT_EQ(user.failures().size(), 1U);
    EXPECT_EQ(user.failures()[0], L"open file dialog \"\" takes one file, the script chooses 2");
}

TEST(KeyState, NoKeyIsDownBetweenPresses) {
    EXPECT_EQ(GetKeyState(VK_SHIFT), 0);
    EXPECT_EQ(GetKeyState(VK_CONTROL), 0);
}

} // namespace
