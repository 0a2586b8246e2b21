#include "module/dynMenu.h"
#include "platform/ui/graphics/CBitmap.h"
#include "spreadsheet/CDlgFindReplace.h"
#include "spreadsheet/RedrawPause.h"
#include "spreadsheet/Vdn_Spread.h"

#include <algorithm>
#include <utility>

// Placing the control, its look, and the messages it answers.

namespace {

// The control's message that the wrapper answers with 0.
constexpr UINT kMessageAnsweredWithZero = 0x517;

} // namespace

Vdn_Spread::Vdn_Spread() {
    onMessage(kMessageAnsweredWithZero, [](WPARAM, LPARAM) -> LRESULT { return 0; });
}

Vdn_Spread::~Vdn_Spread() {
    if (findDialog && findDialog->GetSafeHwnd() != nullptr)
        findDialog->DestroyWindow();
    findDialog.reset();
    contextMenu.reset();
    checkedPicture.reset();
    uncheckedPicture.reset();
}

bool Vdn_Spread::attachToDlgItem(CWnd* dialog, const int& id, bool exactRect) {
    if (attached || dialog == nullptr || dialog->GetSafeHwnd() == nullptr)
        return false;
    CWnd* placeholder = dialog->GetDlgItem(id);
    if (placeholder == nullptr)
        return false;
    // The placeholder's place relative to the dialog's window (not its client area); the
    // shift makes up for the dialog's frame and caption.
    CRect rect;
    placeholder->GetWindowRect(&rect);
    CRect dialogRect;
    dialog->GetWindowRect(&dialogRect);
    rect.OffsetRect(-dialogRect.left, -dialogRect.top);
    if (!exactRect)
        rect.OffsetRect(-5, -20);
    // The control takes the placeholder's place in the tab order as well.
    const std::vector<CWnd*>& siblings = dialog->children();
    const auto position = std::find(siblings.begin(), siblings.end(), placeholder);
    CWnd* before =
        position != siblings.begin() && position != siblings.end() ? *(position - 1) : nullptr;
    placeholder->DestroyWindow();
    if (!Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, dialog, static_cast<UINT>(id)))
        return false;
    SetWindowPos(before != nullptr ? before : &CWnd::wndTop, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SSSetMaxRows(0);
    SSSetMaxCols(0);
    SSSetAppearance(1);
    for (int action = 0; action <= 2; ++action)
        SSSetActionKey(action, false, false, 0);
    parentWindow = dialog;
    controlId = id;
    attached = true;
    return true;
}

bool Vdn_Spread::setStandardLook(const int& editMode) {
    if (!attached)
        return false;
    // In this order: the control applies some options in terms of others.
    static constexpr std::pair<int, bool> kFirstOptions[] = {
        {12, false}, {7, false},  {21, true}, {26, false}, {34, true},
        {32, true},  {18, false}, {21, true}, {22, true},  {21, true}};
    SSSetBool(kOptionRedraw, false);
    for (const auto& [option, on] : kFirstOptions)
        SSSetBool(option, on);
    SSSetGrayAreaColor(kButtonFaceColour, 0x8000000B);
    SSSetIntSetting(1, -1);
    SSSetSelColor(0x6A240A, 0xFFFFFF);
    for (const int option : {11, kOptionColumnHeaders, kOptionRowHeaders, 18})
        SSSetBool(option, true);
    SSSetLockColor(0xE6E6E6, 0x8000000B);
    if (editMode == 1) {
        SSSetBool(kOptionEditModePermanent, true);
        SSSetBool(10, false);
        SSSetEditEnterAction(0);
    } else if (editMode == 0) {
        SSSetBool(kOptionEditModePermanent, false);
        SSSetBool(10, true);
        SSSetEditEnterAction(5);
    }
    SSSetBool(kOptionRedraw, true);
    Invalidate();
    return true;
}

int Vdn_Spread::maxRows() const {
    return attached ? SSGetMaxRows() : -1;
}

int Vdn_Spread::maxCols() const {
    return attached ? SSGetMaxCols() : -1;
}

bool Vdn_Spread::validRow(int row) const {
    return attached && (row == kHeader || (row >= 1 && row <= SSGetMaxRows()));
}

bool Vdn_Spread::validCol(int col) const {
    return attached && (col == kHeader || (col >= 1 && col <= SSGetMaxCols()));
}

bool Vdn_Spread::bodyCell(int col, int row) const {
    return attached && col >= 1 && col <= SSGetMaxCols() && row >= 1 && row <= SSGetMaxRows();
}

void Vdn_Spread::ensurePictures() {
    if (!checkedPicture) {
        checkedPicture = std::make_unique<CBitmap>();
        checkedPicture->LoadBitmap(kCheckedBitmap);
    }
    if (!uncheckedPicture) {
        uncheckedPicture = std::make_unique<CBitmap>();
        uncheckedPicture->LoadBitmap(kUncheckedBitmap);
    }
}

BOOL Vdn_Spread::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT code = HIWORD(wParam);
    if (lParam == reinterpret_cast<LPARAM>(this)) {
        // The control's own notification, seen before its parent sees it.
        if ((code == kNotifyDataChange || code == kNotifyButtonClicked) && attached &&
            checkColumn >= 1) {
            int col = 0;
            int row = 0;
            if (SSGetActiveCell(col, row) && col == checkColumn) {
                updateLinkedRow(row);
                SSSetActiveCell(targetColumn, row);
            }
        }
    } else if (code == 0 && lParam == 0) {
        // A menu command: the position among the menu's entries without separators.
        const int index = dynMenu::commandIndex(LOWORD(wParam));
        if (index >= 0 && contextMenu) {
            int position = 0;
            for (const int menuCode : menuCodes) {
                if (menuCode == kMenuSeparator)
                    continue;
                if (position++ == index) {
                    runMenuCode(menuCode);
                    break;
                }
            }
        }
    }
    return TSpread::OnCommand(wParam, lParam);
}

void Vdn_Spread::OnSize(UINT type, int cx, int cy) {
    TSpread::OnSize(type, cx, cy);
    if (attached)
        applySizeMode();
}
