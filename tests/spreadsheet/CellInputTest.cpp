// A user's actions on the spreadsheet control's cells: the messages of each action in order
// (leave cell, data change, button, click, double-click, combo choice, right button), a parent
// that keeps the active cell, hidden rows, two-state picture buttons and the mouse on cells.

#include "platform/grid/sheet/Sheet.h"
#include "platform/ui/users/UserActions.h"
#include "spreadsheet/TSpread.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int kId = 7;

std::string cellText(long col, long row) {
    return std::to_string(col) + "," + std::to_string(row);
}

// Logs what the control tells it.
class Host : public CWnd {
public:
    std::vector<std::string> log;
    bool keepActiveCell = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const auto* coord = reinterpret_cast<const TSpread::SS_CELLCOORD*>(lParam);
        switch (message) {
        case TSpread::SSM_CLICK:
            log.push_back("click " + cellText(coord->Col, coord->Row));
            return 0;
        case TSpread::SSM_DBLCLK:
            log.push_back("dblclk " + cellText(coord->Col, coord->Row));
            return 0;
        case TSpread::SSM_COMBOSELCHANGE:
            log.push_back("combo " + cellText(coord->Col, coord->Row));
            return 0;
        case TSpread::SSM_LEAVECELL: {
            auto* leave = reinterpret_cast<TSpread::SS_LEAVECELL*>(lParam);
            log.push_back("leave " + cellText(leave->ColCurrent, leave->RowCurrent) + " to " +
                          cellText(leave->ColNew, leave->RowNew));
            leave->fCancel = keepActiveCell ? TRUE : FALSE;
            return 0;
        }
        case TSpread::SSM_RBUTTON: {
            const auto* button = reinterpret_cast<const TSpread::SS_RBUTTON*>(lParam);
            log.push_back("rbutton " + std::to_string(button->RButtonType) + " " +
                          cellText(button->Col, button->Row));
            return 0;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == kId) {
                log.push_back("command " + std::to_string(HIWORD(wParam)));
                return 0;
            }
            break;
        default:
            break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// 4 columns x 5 rows: column 1 general, 2 check boxes, 3 buttons, 4 combos.
class CellInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 600, 400),
                                  nullptr, 0));
        ASSERT_TRUE(spread.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 510, 310), &host, kId));
        ASSERT_TRUE(spread.SSSetMaxCols(4));
        ASSERT_TRUE(spread.SSSetMaxRows(5));
        spread.SSSetCellTypeRange(2, 1, 2, 5, TSpread::SSSetTypeCheckBox(0, L"", L"", L""));
        spread.SSSetCellTypeRange(3, 1, 3, 5, TSpread::SSSetTypeButton(0, L"...", L""));
        spread.SSSetCellTypeRange(4, 1, 4, 5,
                                  TSpread::SSSetTypeComboBox(0, L"Beam\tColumn\tPlate"));
        spread.SSSetLockRange(1, 1, 4, 5, false);
    }

    Host host;
    TSpread spread;
    std::vector<std::wstring> failures;
    ui::UserActions act{host, [this](const std::wstring& f) { failures.push_back(f); }};
};

TEST_F(CellInputTest, ClicksNotifyInTheControlsOrderPerCellKind) {
    ASSERT_TRUE(act.clickCell(kId, 1, 1));
    EXPECT_EQ(host.log, (std::vector<std::string>{"leave 0,0 to 1,1", "click 1,1"}));
    host.log.clear();
    ASSERT_TRUE(act.clickCell(kId, 1, 1));
    EXPECT_EQ(host.log, (std::vector<std::string>{"click 1,1"})) << "no leave: same cell";

    host.log.clear();
    ASSERT_TRUE(act.clickCell(kId, 2, 3));
    EXPECT_EQ(host.log, (std::vector<std::string>{"leave 1,1 to 2,3", "command 60", "click 2,3"}));
    std::wstring value;
    ASSERT_TRUE(spread.SSGetValue(2, 3, value));
    EXPECT_EQ(value, L"1");

    host.log.clear();
    ASSERT_TRUE(act.clickCell(kId, 3, 3));
    EXPECT_EQ(host.log, (std::vector<std::string>{"leave 2,3 to 3,3", "command 60", "click 3,3"}));

    // A locked check box becomes active but does not toggle.
    spread.SSSetLockRange(2, 4, 2, 4, true);
    host.log.clear();
    ASSERT_TRUE(act.clickCell(kId, 2, 4));
    EXPECT_EQ(host.log, (std::vector<std::string>{"leave 3,3 to 2,4", "click 2,4"}));
    EXPECT_EQ(CWnd::GetFocus(), &spread);
}

TEST_F(CellInputTest, AParentThatCancelsTheLeaveKeepsTheActiveCell) {
    ASSERT_TRUE(act.clickCell(kId, 1, 1));
    host.keepActiveCell = true;
    host.log.clear();
    ASSERT_TRUE(act.clickCell(kId, 2, 2));
    EXPECT_EQ(host.log, (std::vector<std::string>{"leave 1,1 to 2,2"}));
    int col = 0;
    int row = 0;
    ASSERT_TRUE(spread.SSGetActiveCell(col, row));
    EXPECT_EQ(cellText(col, row), "1,1");
    std::wstring value;
    spread.SSGetValue(2, 2, value);
    EXPECT_NE(value, L"1") << "the check box was not toggled";
    EXPECT_FALSE(act.typeInCell(kId, 1, 2, L"x"));
}

TEST_F(CellInputTest, DoubleClickHeaderClickTypingAndComboChoice) {
    ASSERT_TRUE(act.doubleClickCell(kId, 1, 2));
    EXPECT_EQ(host.log, (std::vector<std::string>{"leave 0,0 to 1,2", "click 1,2", "dblclk 1,2"}));

    host.log.clear();
    ASSERT_TRUE(act.clickColumnHeader(kId, 3));
    EXPECT_EQ(host.log, (std::vector<std::string>{"click 3,0"}));
    EXPECT_FALSE(act.clickColumnHeader(kId, 5));

    host.log.clear();
    ASSERT_TRUE(act.typeInCell(kId, 1, 3, L"IPE 200"));
    EXPECT_EQ(host.log, (std::vector<std::string>{"leave 1,2 to 1,3", "command 59"}));

    host.log.clear();
    ASSERT_TRUE(act.chooseInCell(kId, 4, 3, 1));
    EXPECT_EQ(host.log, (std::vector<std::string>{"leave 1,3 to 4,3", "combo 4,3", "command 59"}));
    std::wstring text;
    ASSERT_TRUE(spread.SSGetData(4, 3, text));
    EXPECT_EQ(text, L"Column");
    host.log.clear();
    ASSERT_TRUE(act.chooseInCell(kId, 4, 3, 1));
    EXPECT_EQ(host.log, (std::vector<std::string>{"combo 4,3"})) << "no change, no 59";

    EXPECT_FALSE(act.chooseInCell(kId, 4, 3, 3)) << "no such item";
    EXPECT_FALSE(act.chooseInCell(kId, 1, 3, 0)) << "not a combo cell";
    EXPECT_FALSE(act.typeInCell(kId, 3, 3, L"x")) << "a button takes no typing";
    EXPECT_FALSE(act.clickCell(kId, 9, 1));
    EXPECT_FALSE(act.clickCell(999, 1, 1));
    EXPECT_EQ(failures.size(), 6U);
}

TEST_F(CellInputTest, HiddenRowsTakeNoInputAndNoHeight) {
    CRect third;
    ASSERT_TRUE(spread.SSGetCellRect(1, 3, &third));
    ASSERT_TRUE(spread.SSShowRow(2, false));
    EXPECT_TRUE(spread.SSIsRowHidden(2));
    EXPECT_FALSE(act.clickCell(kId, 1, 2));
    CRect moved;
    ASSERT_TRUE(spread.SSGetCellRect(1, 3, &moved));
    int height = 0;
    spread.SSGetRowHeightInPixels(2, height);
    EXPECT_EQ(moved.top, third.top - height);
    CRect hidden;
    ASSERT_TRUE(spread.SSGetCellRect(1, 2, &hidden));
    EXPECT_TRUE(hidden.IsRectEmpty());
    ASSERT_TRUE(spread.SSShowRow(2, true));
    EXPECT_TRUE(act.clickCell(kId, 1, 2));
    EXPECT_FALSE(spread.SSShowRow(6, false));
}

TEST_F(CellInputTest, TwoStatePictureButtonsToggleTheirValue) {
    const grid::CellType glyph =
        TSpread::SSSetTypeButton(0, L"", L"274", L"272", TSpread::kButtonTypeTwoState);
    EXPECT_TRUE(TSpread::isTwoStateButton(glyph));
    EXPECT_FALSE(TSpread::isTwoStateButton(TSpread::SSSetTypeCheckBox(0, L"", L"", L"")));
    EXPECT_EQ(TSpread::SSSetTypeButton(0, L"", L"274", L"272", TSpread::kButtonTypeNormal).kind(),
              grid::CellType::Kind::PictureButton);
    ASSERT_TRUE(spread.SSSetCellType(1, 5, glyph));
    ASSERT_TRUE(spread.SSSetValue(1, 5, L"1"));
    ASSERT_TRUE(act.clickCell(kId, 1, 5));
    std::wstring value;
    ASSERT_TRUE(spread.SSGetValue(1, 5, value));
    EXPECT_EQ(value, L"0");
    EXPECT_EQ(host.log[1], "command 60");
}

TEST_F(CellInputTest, TheMouseOnTheSheetActsOnTheCellUnderIt) {
    CRect cell;
    ASSERT_TRUE(spread.SSGetCellRect(2, 2, &cell));
    ASSERT_TRUE(act.clickAt(act.pointIn(kId, cell.CenterPoint())));
    EXPECT_EQ(host.log, (std::vector<std::string>{"leave 0,0 to 2,2", "command 60", "click 2,2"}));
    CRect header;
    ASSERT_TRUE(spread.SSGetCellRect(4, TSpread::kHeader, &header));
    host.log.clear();
    ASSERT_TRUE(act.clickAt(act.pointIn(kId, header.CenterPoint())));
    EXPECT_EQ(host.log, (std::vector<std::string>{"click 4,0"}));

    host.log.clear();
    // The right button outside the selection makes its cell active first (the menu acts on it);
    // on the active cell it only opens the menu.
    ASSERT_TRUE(act.rightClickCell(kId, 3, 4));
    EXPECT_EQ(host.log,
              (std::vector<std::string>{"leave 2,2 to 3,4", "rbutton 1 3,4", "rbutton 2 3,4"}));
    host.log.clear();
    ASSERT_TRUE(act.rightClickCell(kId, 3, 4));
    EXPECT_EQ(host.log, (std::vector<std::string>{"rbutton 1 3,4", "rbutton 2 3,4"}));
    int col = 0;
    int row = 0;
    ASSERT_TRUE(spread.SSGetCellFromPixel(col, row, cell.left, cell.top));
    EXPECT_EQ(cellText(col, row), "2,2");
    EXPECT_FALSE(spread.SSGetCellFromPixel(col, row, 5000, 5));
}

} // namespace
