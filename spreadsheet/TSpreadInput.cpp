#include "platform/grid/sheet/Sheet.h"
#include "spreadsheet/TSpread.h"

#include <algorithm>

// User input on cells: the cell actions (ui::CellInput), the mouse, hidden rows, the cell
// geometry the mouse needs, and two-state picture buttons.

grid::CellType TSpread::SSSetTypeButton(DWORD style, const std::wstring& text,
                                        const std::wstring& pictureUp,
                                        const std::wstring& pictureDown, int buttonType) {
    if (buttonType == kButtonTypeTwoState)
        return grid::CellType::checkBox(style | kTwoStateButtonStyle, text, pictureUp, pictureDown);
    return SSSetTypeButton(style, text, pictureUp);
}

bool TSpread::isTwoStateButton(const grid::CellType& type) {
    return type.kind() == grid::CellType::Kind::CheckBox &&
           (type.style() & kTwoStateButtonStyle) != 0;
}

bool TSpread::SSShowRow(int row, bool show) {
    if (row < 1 || row > SSGetMaxRows())
        return false;
    if (!sheet_->setRowHidden(row, !show))
        return false;
    Invalidate();
    return true;
}

// --- geometry ------------------------------------------------------------------------------------

bool TSpread::SSGetCellRect(int col, int row, RECT* rect) const {
    grid::CellRef ref;
    if (rect == nullptr || !toRef(col, row, ref))
        return false;
    grid::CellRange block{ref, ref};
    if (const auto span = sheet_->spanAt(ref))
        block = *span;
    const auto left = [this](int c) {
        int x = 0;
        for (int i = 0; i < c; ++i)
            x += std::max(0, sheet_->columnWidth(i));
        return x;
    };
    const auto top = [this](int r) {
        int y = 0;
        for (int i = 0; i < r; ++i)
            y += sheet_->isRowHidden(i) ? 0 : std::max(0, sheet_->rowHeight(i));
        return y;
    };
    *rect = CRect(left(block.first.col), top(block.first.row), left(block.last.col + 1),
                  top(block.last.row + 1));
    return true;
}

bool TSpread::SSGetCellFromPixel(int& col, int& row, int x, int y) const {
    if (x < 0 || y < 0)
        return false;
    int c = 0;
    for (int edge = 0; c <= SSGetMaxCols(); ++c) {
        edge += std::max(0, sheet_->columnWidth(c));
        if (x < edge)
            break;
    }
    int r = 0;
    for (int edge = 0; r <= SSGetMaxRows(); ++r) {
        if (sheet_->isRowHidden(r))
            continue;
        edge += std::max(0, sheet_->rowHeight(r));
        if (y < edge)
            break;
    }
    if (c > SSGetMaxCols() || r > SSGetMaxRows())
        return false;
    col = c == 0 ? kHeader : c;
    row = r == 0 ? kHeader : r;
    return true;
}

// --- notifications -------------------------------------------------------------------------------

void TSpread::sendCellMessage(UINT message, void* record) {
    if (GetSafeHwnd() == nullptr)
        return;
    const WPARAM id = static_cast<WPARAM>(static_cast<UINT>(GetDlgCtrlID()));
    SendMessage(message, id, reinterpret_cast<LPARAM>(record));
    if (CWnd* parent = GetParent(); parent != nullptr && GetSafeHwnd() != nullptr)
        parent->SendMessage(message, id, reinterpret_cast<LPARAM>(record));
}

void TSpread::sendCellCoord(UINT message, long col, long row) {
    SS_CELLCOORD coord{col, row};
    sendCellMessage(message, &coord);
}

bool TSpread::userCell(int col, int row, grid::CellRef& ref) const {
    if (!toRef(col, row, ref) || ref.col < 1 || ref.row < 1)
        return false;
    if (const auto span = sheet_->spanAt(ref))
        ref = span->first;
    return !sheet_->isRowHidden(ref.row);
}

bool TSpread::moveActiveCell(const grid::CellRef& ref) {
    const std::optional<grid::CellRef> current = sheet_->activeCell();
    if (current && current->col == ref.col && current->row == ref.row)
        return true;
    SS_LEAVECELL leave;
    leave.ColCurrent = current ? current->col : 0;
    leave.RowCurrent = current ? current->row : 0;
    leave.ColNew = ref.col;
    leave.RowNew = ref.row;
    sendCellMessage(SSM_LEAVECELL, &leave);
    if (leave.fCancel)
        return false;
    sheet_->setActiveCell(ref);
    Invalidate();
    return true;
}

// --- cell actions --------------------------------------------------------------------------------

void TSpread::clickCell(const grid::CellRef& ref) {
    if (!sheet_->isLocked(ref)) {
        switch (sheet_->cellTypeCode(ref)) {
        case grid::CellType::kCheckBoxCode: {
            const bool checked = sheet_->cellText(ref, grid::TextKind::Value).value_or(L"") == L"1";
            sheet_->setCellText(ref, checked ? L"0" : L"1");
            Invalidate();
            notifyUserChange(kNotifyButtonClicked);
            break;
        }
        case grid::CellType::kTextButtonCode:
        case grid::CellType::kPictureButtonCode:
            notifyUserChange(kNotifyButtonClicked);
            break;
        default:
            break;
        }
    }
    sendCellCoord(SSM_CLICK, ref.col, ref.row);
}

bool TSpread::userClickCell(int col, int row, unsigned) {
    grid::CellRef ref;
    if (!userCell(col, row, ref))
        return false;
    if (GetSafeHwnd() != nullptr)
        SetFocus();
    if (!moveActiveCell(ref))
        return true; // the parent kept the active cell: the click ends here
    clickCell(ref);
    return true;
}

bool TSpread::userDoubleClickCell(int col, int row) {
    grid::CellRef ref;
    if (!userCell(col, row, ref) || !userClickCell(col, row, 0))
        return false;
    const std::optional<grid::CellRef> active = sheet_->activeCell();
    if (active && active->col == ref.col && active->row == ref.row)
        sendCellCoord(SSM_DBLCLK, ref.col, ref.row);
    return true;
}

bool TSpread::userRightClickCell(int col, int row) {
    grid::CellRef ref;
    CRect rect;
    if (!userCell(col, row, ref) || !SSGetCellRect(ref.col, ref.row, &rect))
        return false;
    // The menu acts on the active cell or the selection, so a right click outside the
    // selection first makes the clicked cell active, as spreadsheets do; otherwise a person
    // who right-clicks a row would delete another one.
    const std::optional<grid::CellRange> selection = sheet_->selection();
    if (!selection || !selection->contains(ref)) {
        if (GetSafeHwnd() != nullptr)
            SetFocus();
        moveActiveCell(ref);
    }
    // Through the window's own mouse handling, so that the right-button menu appears.
    const CPoint point = rect.CenterPoint();
    const LPARAM at = MAKELPARAM(static_cast<UINT>(point.x), static_cast<UINT>(point.y));
    SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendMessage(WM_RBUTTONUP, 0, at);
    return true;
}

bool TSpread::userClickHeader(int col) {
    if (col < 1 || col > SSGetMaxCols())
        return false;
    if (GetSafeHwnd() != nullptr)
        SetFocus();
    sendCellCoord(SSM_CLICK, col, 0);
    return true;
}

bool TSpread::userTypeInCell(int col, int row, const std::wstring& text) {
    grid::CellRef ref;
    if (!userCell(col, row, ref) || sheet_->isLocked(ref))
        return false;
    const grid::CellType type = sheet_->cellType(ref).value_or(grid::CellType());
    switch (type.kind()) {
    case grid::CellType::Kind::General:
    case grid::CellType::Kind::Edit:
    case grid::CellType::Kind::Number:
        break;
    case grid::CellType::Kind::Combo:
        if (!type.editable() && !text.empty() &&
            std::find(type.items().begin(), type.items().end(), text) == type.items().end())
            return false;
        break;
    default:
        return false;
    }
    if (GetSafeHwnd() != nullptr)
        SetFocus();
    if (!moveActiveCell(ref))
        return false;
    const auto before = sheet_->cellText(ref, grid::TextKind::Formatted);
    const bool hadFormula = !sheet_->cellText(ref, grid::TextKind::Formula).value_or(L"").empty();
    if (!sheet_->setCellText(ref, text))
        return false;
    Invalidate();
    if (hadFormula || before != sheet_->cellText(ref, grid::TextKind::Formatted))
        notifyUserChange(kNotifyDataChange);
    return true;
}

bool TSpread::userChooseInCell(int col, int row, int index) {
    grid::CellRef ref;
    if (!userCell(col, row, ref) || sheet_->isLocked(ref))
        return false;
    const grid::CellType type = sheet_->cellType(ref).value_or(grid::CellType());
    if (type.kind() != grid::CellType::Kind::Combo || index < 0 ||
        index >= static_cast<int>(type.items().size()))
        return false;
    if (GetSafeHwnd() != nullptr)
        SetFocus();
    if (!moveActiveCell(ref))
        return false;
    const auto before = sheet_->cellText(ref, grid::TextKind::Formatted);
    if (!sheet_->setCellText(ref, type.items()[static_cast<std::size_t>(index)]))
        return false;
    Invalidate();
    const bool changed = before != sheet_->cellText(ref, grid::TextKind::Formatted);
    sendCellCoord(SSM_COMBOSELCHANGE, ref.col, ref.row);
    if (changed)
        notifyUserChange(kNotifyDataChange);
    return true;
}

// --- the mouse -----------------------------------------------------------------------------------

void TSpread::OnLButtonDown(UINT, CPoint point) {
    int col = 0;
    int row = 0;
    if (!SSGetCellFromPixel(col, row, point.x, point.y)) {
        SetFocus();
        return;
    }
    if (row == kHeader && col != kHeader)
        userClickHeader(col);
    else if (row != kHeader && col != kHeader)
        userClickCell(col, row, 0);
    else
        SetFocus();
}

void TSpread::OnLButtonDblClk(UINT, CPoint point) {
    int col = 0;
    int row = 0;
    grid::CellRef ref;
    if (SSGetCellFromPixel(col, row, point.x, point.y) && userCell(col, row, ref))
        sendCellCoord(SSM_DBLCLK, ref.col, ref.row);
}

void TSpread::rightButton(int type, CPoint point) {
    int col = 0;
    int row = 0;
    if (!SSGetCellFromPixel(col, row, point.x, point.y))
        return;
    SS_RBUTTON record;
    record.RButtonType = type;
    record.Col = col == kHeader ? 0 : col;
    record.Row = row == kHeader ? 0 : row;
    record.xPos = point.x;
    record.yPos = point.y;
    sendCellMessage(SSM_RBUTTON, &record);
}

void TSpread::OnRButtonDown(UINT, CPoint point) {
    rightButton(kRButtonDown, point);
}

void TSpread::OnRButtonUp(UINT, CPoint point) {
    rightButton(kRButtonUp, point);
}
