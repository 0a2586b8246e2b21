#include "module/dynMenu.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/windows/WinApi.h"
#include "spreadsheet/CDlgFindReplace.h"
#include "spreadsheet/Vdn_Spread.h"

#include <string>

// The keyboard (Tab, F3, F5, F8), the focus and the right-button menu.

namespace {

// Whether the focus window belongs to a spreadsheet control, by its window class. The prefixes
// "SPR32" and "fpSpr" name the control's inner windows; "fpUSpr" is this control itself
// ("fpUSpread70"), which holds the focus while no cell is being edited.
bool isSpreadsheetClass(const std::wstring& name) {
    for (const wchar_t* prefix : {L"SPR32", L"fpSpr", L"fpUSpr"}) {
        if (name.rfind(prefix, 0) == 0)
            return true;
    }
    return false;
}

// The numbered text of each menu code's entry (index = code); 0 for none.
constexpr int kMenuTexts[] = {0, 0, 1154, 1155, 774, 775, 1156, 1157, 1400, 1401};

} // namespace

// --- Tab and focus -------------------------------------------------------------------------------

void Vdn_Spread::anchorOf(int& col, int& row) const {
    int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
    if (SSGetCellSpan(col, row, anchorCol, anchorRow, cols, rows) != kSpanNo && anchorCol >= 1 &&
        anchorRow >= 1) {
        col = anchorCol;
        row = anchorRow;
    }
}

bool Vdn_Spread::lockedAt(int col, int row) const {
    // A cell inside a span is locked as the span's anchor is.
    anchorOf(col, row);
    return SSGetLock(col, row);
}

bool Vdn_Spread::edgeCell(bool first, int& col, int& row) const {
    const int cols = SSGetMaxCols();
    const int rows = SSGetMaxRows();
    for (int i = 0; i < rows; ++i) {
        const int r = first ? i + 1 : rows - i;
        for (int j = 0; j < cols; ++j) {
            const int c = first ? j + 1 : cols - j;
            if (!lockedAt(c, r)) {
                col = c;
                row = r;
                anchorOf(col, row);
                return true;
            }
        }
    }
    return false;
}

bool Vdn_Spread::handleTabKey(UINT key, Vdn_TabMsgHandle& result) {
    result = tmhNotHandled;
    if (key != static_cast<UINT>(VK_TAB) || !attached || !IsWindowVisible())
        return false;
    const CWnd* focus = GetFocus();
    if (focus == nullptr || !isSpreadsheetClass(focus->className()))
        return false;
    const bool back = GetKeyState(VK_SHIFT) < 0;
    int col = 0;
    int row = 0;
    if (!getActiveCell(col, row)) {
        // An empty sheet has no place to tab through.
        result = back ? tmhBeforeFirst : tmhPastLast;
        return true;
    }
    anchorOf(col, row);
    int edgeCol = 0;
    int edgeRow = 0;
    // With every cell locked the active cell is the edge in both directions.
    const bool atEdge = !edgeCell(back, edgeCol, edgeRow) || (edgeCol == col && edgeRow == row);
    result = atEdge ? (back ? tmhBeforeFirst : tmhPastLast) : tmhHandled;
    return true;
}

bool Vdn_Spread::focusEdge(bool first) {
    int col = 0;
    int row = 0;
    if (!attached || !IsWindowVisible() || !edgeCell(first, col, row))
        return false;
    SetFocus();
    return SSSetActiveCell(col, row);
}

// --- keys ----------------------------------------------------------------------------------------

void Vdn_Spread::openFindDialog(bool replace) {
    if (findDialog && findDialog->GetSafeHwnd() != nullptr) {
        if (!findDialog->IsWindowVisible()) {
            findDialog->ShowWindow(SW_SHOW);
            return;
        }
        if (replace)
            findDialog->replaceNext();
        else
            findDialog->findNext();
        return;
    }
    if (!findDialog)
        findDialog = std::make_unique<CDlgFindReplace>(*this);
    if (findDialog->Create(CDlgFindReplace::IDD, this))
        findDialog->ShowWindow(SW_SHOW);
}

BOOL Vdn_Spread::PreTranslateMessage(MSG* msg) {
    if (msg != nullptr && msg->message == WM_KEYDOWN) {
        switch (static_cast<int>(msg->wParam)) {
        case VK_F3:
            openFindDialog(false);
            return TRUE;
        case VK_F5:
            openFindDialog(true);
            return TRUE;
        case VK_F8:
            if (functionKeysEnabled && attached)
                SSSetBool(kOptionEditModePermanent, !SSGetBool(kOptionEditModePermanent));
            break;
        default:
            break;
        }
    } else if (msg != nullptr && msg->message == WM_RBUTTONDOWN) {
        showContextMenu(msg->lParam);
    }
    return TSpread::PreTranslateMessage(msg);
}

// --- right-button menu ---------------------------------------------------------------------------

bool Vdn_Spread::setContextMenu(const Vdn_Array<int>& codes) {
    contextMenu = std::make_unique<dynMenu>();
    menuCodes = codes;
    return true;
}

void Vdn_Spread::showContextMenu(LPARAM point) {
    if (!contextMenu || menuCodes.isEmpty())
        return;
    Vdn_Array<int> levels;
    Vdn_Array<dynMenuEntry> entries;
    for (const int code : menuCodes) {
        dynMenuEntry entry;
        if (code == kMenuSeparator) {
            entry.kind = dynMenuEntry::kSeparator;
        } else if (code > kMenuSeparator && code <= kMenuUncheckAll) {
            entry.text = dialString(kMenuTexts[code]);
        }
        levels.append(1);
        entries.append(std::move(entry));
    }
    CPoint at(static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(point))),
              static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(point))));
    ClientToScreen(&at);
    contextMenu->show(TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, this, levels, entries);
}

void Vdn_Spread::runMenuCode(int code) {
    switch (code) {
    case kMenuCopy:
        SSClipboardCopy();
        break;
    case kMenuPaste:
        SSClipboardPaste();
        break;
    case kMenuInsertRow:
        insertRow(activeRow(), false, true);
        break;
    case kMenuDeleteRow:
        deleteRow(activeRow());
        break;
    case kMenuInsertColumn:
        insertCol(activeCol(), true, true);
        break;
    case kMenuDeleteColumn:
        deleteCol(activeCol());
        break;
    case kMenuCheckAll:
        setAllChecks(true);
        break;
    case kMenuUncheckAll:
        setAllChecks(false);
        break;
    default:
        break;
    }
}
