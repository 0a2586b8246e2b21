#include "platform/ui/dialogs/DlgSize.h"
#include "platform/ui/windows/WindowRegistry.h"
#include "spreadsheet/CDlgFindReplace.h"
#include "tests/spreadsheet/SpreadFixture.h"

#include <gtest/gtest.h>

using namespace spreadtest;

namespace {

const wchar_t* const kEndQuestion =
    L"Het einde van het blad is bereikt.\nVerder zoeken vanaf het begin?";

class FindReplaceTest : public SpreadTest {
protected:
    void SetUp() override {
        SpreadTest::SetUp();
        makeSheet(3, 3);
        spread.setRowTexts(1, {L"abc", L"xyz", L"ab ab"});
        spread.setRowTexts(2, {L"", L"cab", L""});
        spread.SSSetFormula(3, 2, L"\"t\"&A1");
    }
    // Opens the dialog with F3 on the sheet and types the texts.
    CDlgFindReplace& open(const wchar_t* find, const wchar_t* replace = L"") {
        actions().setFocus(kSheetId);
        actions().pressKey(VK_F3);
        CDlgFindReplace* dialog = spread.findReplaceDialog();
        EXPECT_NE(dialog, nullptr);
        ui::UserActions act = actionsOn(*dialog);
        act.enterText(CDlgFindReplace::kFindEdit, find);
        act.enterText(CDlgFindReplace::kReplaceEdit, replace);
        return *dialog;
    }
    // The active cell and the selected characters.
    std::tuple<int, int, int, int> hit() const {
        int col = 0, row = 0, start = 0, length = 0;
        spread.SSGetActiveCell(col, row);
        spread.SSGetEditSel(start, length);
        return {col, row, start, length};
    }
};

TEST_F(FindReplaceTest, F3OpensTheModelessDialogOwnedByTheSheet) {
    actions().setFocus(kSheetId);
    actions().pressKey(VK_F3);
    CDlgFindReplace* find = spread.findReplaceDialog();
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->templateId(), CDlgFindReplace::IDD);
    EXPECT_TRUE(find->IsWindowVisible());
    EXPECT_FALSE(find->isModal());
    EXPECT_EQ(find->GetParent(), &dialog);
    EXPECT_TRUE(user.modals().empty());
}

TEST_F(FindReplaceTest, FindNextWalksTheHitsInReadingOrderAndOffersToWrap) {
    CDlgFindReplace& find = open(L"ab");
    ui::UserActions act = actionsOn(find);
    act.click(IDOK);
    EXPECT_EQ(hit(), std::make_tuple(1, 1, 0, 2));
    EXPECT_TRUE(spread.SSGetEditMode());
    EXPECT_EQ(CWnd::GetFocus(), &spread);
    // F3 on the sheet runs find-next of the open dialog.
    actions().pressKey(VK_F3);
    EXPECT_EQ(hit(), std::make_tuple(3, 1, 0, 2));
    act.click(IDOK);
    EXPECT_EQ(hit(), std::make_tuple(3, 1, 3, 2));
    act.click(IDOK);
    EXPECT_EQ(hit(), std::make_tuple(2, 2, 1, 2));
    act.click(IDOK);
    EXPECT_EQ(hit(), std::make_tuple(3, 2, 1, 2)) << "the formula's result \"tabc\"";

    user.expectMessageBox(IDNO, kEndQuestion, L"Zoeken").expectMessageBox(IDYES, kEndQuestion);
    act.click(IDOK);
    EXPECT_EQ(hit(), std::make_tuple(3, 2, 1, 2)) << "No keeps the last hit";
    act.click(IDOK);
    EXPECT_EQ(hit(), std::make_tuple(1, 1, 0, 2)) << "Yes goes on from the beginning";
    EXPECT_EQ(user.messageBoxes()[0].icon, MB_ICONQUESTION);
}

TEST_F(FindReplaceTest, NothingFoundIsToldAfterTheWholeSheet) {
    CDlgFindReplace& find = open(L"qq");
    user.expectMessageBox(IDOK, L"De tekst is niet gevonden.", L"Zoeken");
    actionsOn(find).click(IDOK);
    ASSERT_TRUE(spread.SSSetActiveCell(2, 2));
    user.expectMessageBox(IDYES, kEndQuestion)
        .expectMessageBox(IDOK, L"De tekst is niet gevonden.", L"Zoeken");
    actionsOn(find).click(IDOK);
    EXPECT_EQ(user.messageBoxes()[0].icon, MB_ICONEXCLAMATION);
}

TEST_F(FindReplaceTest, ReplaceReplacesTheHitAndSelectsTheNext) {
    CDlgFindReplace& find = open(L"ab", L"AB");
    ui::UserActions act = actionsOn(find);
    act.click(CDlgFindReplace::kReplaceButton);
    EXPECT_EQ(cell(1, 1), L"ABc");
    EXPECT_EQ(hit(), std::make_tuple(3, 1, 0, 2));
    act.click(CDlgFindReplace::kReplaceButton);
    EXPECT_EQ(cell(3, 1), L"AB ab");
    EXPECT_EQ(hit(), std::make_tuple(3, 1, 3, 2));
    // F5 on the sheet replaces as the button does.
    actions().setFocus(kSheetId);
    actions().pressKey(VK_F5);
    EXPECT_EQ(cell(3, 1), L"AB AB");
    EXPECT_EQ(hit(), std::make_tuple(2, 2, 1, 2));
}

TEST_F(FindReplaceTest, ReplaceAllCountsEveryOccurrenceAndLeavesFormulas) {
    CDlgFindReplace& find = open(L"ab", L"X");
    user.expectMessageBox(IDOK, L"Er zijn 4 vervangingen gedaan in het blad.", L"Zoeken");
    EXPECT_EQ(find.replaceAll(), 4);
    Vdn_StringArray row;
    spread.getRowTexts(1, row);
    EXPECT_EQ(row, (Vdn_StringArray{L"Xc", L"xyz", L"X X"}));
    EXPECT_EQ(cell(2, 2), L"cX");
    EXPECT_EQ(cell(3, 2, 1), L"\"t\"&A1") << "a formula is not overwritten by its result";
    user.expectMessageBox(IDOK, L"Er zijn 0 vervangingen gedaan in het blad.");
    actionsOn(find).click(CDlgFindReplace::kReplaceAllButton);
}

TEST_F(FindReplaceTest, RowSearchIgnoresCaseWholeAndPartial) {
    int col = 0;
    ASSERT_TRUE(spread.findInRow(L"XYZ", false, 1, 1, col));
    EXPECT_EQ(col, 2);
    ASSERT_TRUE(spread.findInRow(L"AB A", true, 1, 1, col));
    EXPECT_EQ(col, 3);
    ASSERT_TRUE(spread.findInRow(L"CA", true, 2, 1, col));
    EXPECT_EQ(col, 2);
    EXPECT_FALSE(spread.findInRow(L"abx", true, 1, 1, col));
}

TEST_F(FindReplaceTest, TheDialogKeepsItsSizeAcrossOpenings) {
    CDlgFindReplace& find = open(L"ab");
    find.MoveWindow(30, 40, 420, 160);
    actionsOn(find).click(IDCANCEL);
    EXPECT_EQ(find.GetSafeHwnd(), nullptr);
    int width = 0, height = 0;
    ASSERT_TRUE(getDlgSize(CDlgFindReplace::kSizeKey, width, height));
    EXPECT_EQ(std::pair(width, height), std::pair(420, 160));
    actions().setFocus(kSheetId);
    actions().pressKey(VK_F5);
    ASSERT_NE(find.GetSafeHwnd(), nullptr);
    CRect rect;
    find.GetWindowRect(&rect);
    EXPECT_EQ(std::pair(rect.Width(), rect.Height()), std::pair(420, 160));
    EXPECT_TRUE(cell(1, 1) == L"abc") << "opening with F5 replaces nothing";
}

TEST_F(FindReplaceTest, DestroyingTheSheetDestroysItsDialogFirst) {
    CDialog host(kTestDialog);
    ASSERT_TRUE(host.Create(kTestDialog));
    host.ShowWindow(SW_SHOW);
    const CWnd* findWindow = nullptr;
    {
        Vdn_Spread local;
        ASSERT_TRUE(local.attachToDlgItem(&host, kSheetId));
        actionsOn(host).setFocus(kSheetId);
        actionsOn(host).pressKey(VK_F3);
        findWindow = local.findReplaceDialog();
        ASSERT_NE(findWindow, nullptr);
        local.findReplaceDialog()->MoveWindow(0, 0, 333, 111);
    }
    EXPECT_FALSE(ui::WindowRegistry::instance().isAlive(findWindow));
    int width = 0, height = 0;
    ASSERT_TRUE(getDlgSize(CDlgFindReplace::kSizeKey, width, height));
    EXPECT_EQ(width, 333);
}

} // namespace
