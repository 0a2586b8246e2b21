#include "module/dynMenu.h"
#include "platform/core/text/StringHelpers.h"
#include "platform/host/AcDbHostApplicationServices.h"
#include "platform/host/SelectionSet.h"
#include "platform/ui/graphics/WinGdi.h"
#include "platform/ui/users/COleDataSource.h"
#include "spreadsheet/tree/CTreeDropTarget.h"
#include "spreadsheet/tree/TfTreeSpread.h"

#include <cstdint>

// The tree's input: expand clicks, the context menu, dragging rows out and dropping in.

UINT TfTreeSpread::privateFormat() {
    return RegisterClipboardFormat(kDragFormatName);
}

UINT TfTreeSpread::hostObjectFormat() {
    const AcDbHostApplicationServices* services = acdbHostApplicationServices();
    return RegisterClipboardFormat(
        Vdn_String::format(L"%s.r%d", services->product(), services->releaseMajorVersion()).str());
}

// --- expand clicks -------------------------------------------------------------------------------

LRESULT TfTreeSpread::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (treeMode_ && (message == SSM_CLICK || message == SSM_DBLCLK) && lParam != 0) {
        const auto* cell = reinterpret_cast<const SS_CELLCOORD*>(lParam);
        const int row = static_cast<int>(cell->Row);
        if (message == SSM_DBLCLK)
            toggleRow(row);
        else if (hasChildren(row) && static_cast<int>(cell->Col) == glyphColumn(row))
            toggleRow(row);
    }
    return Vdn_Spread::WindowProc(message, wParam, lParam);
}

// --- context menu --------------------------------------------------------------------------------

bool TfTreeSpread::setMenuItems(const Vdn_StringArray& items) {
    menuItems_ = items;
    if (!menu_)
        menu_ = std::make_unique<dynMenu>();
    return true;
}

Vdn_String TfTreeSpread::menuItemText(int action) const {
    int position = 0;
    for (const Vdn_String& item : menuItems_) {
        if (item == kMenuSeparatorText)
            continue;
        if (position++ == action)
            return action < static_cast<int>(dynMenu::commandIds.size()) ? item : Vdn_String();
    }
    return {};
}

void TfTreeSpread::showMenu(LPARAM point) {
    Vdn_Array<int> levels;
    Vdn_Array<dynMenuEntry> entries;
    for (const Vdn_String& item : menuItems_) {
        dynMenuEntry entry;
        if (item == kMenuSeparatorText)
            entry.kind = dynMenuEntry::kSeparator;
        else
            entry.text = item;
        levels.append(1);
        entries.append(std::move(entry));
    }
    CPoint at(static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(point))),
              static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(point))));
    ClientToScreen(&at);
    menu_->show(TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, this, levels, entries);
}

BOOL TfTreeSpread::PreTranslateMessage(MSG* msg) {
    if (msg != nullptr && msg->message == WM_RBUTTONDOWN && msg->hwnd == this && menu_ &&
        !menuItems_.isEmpty())
        showMenu(msg->lParam);
    return Vdn_Spread::PreTranslateMessage(msg);
}

BOOL TfTreeSpread::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == 0 && lParam == 0 && menu_) {
        const int action = dynMenu::commandIndex(LOWORD(wParam));
        CWnd* owner = GetParent();
        if (action >= 0 && owner != nullptr)
            owner->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<UINT>(GetDlgCtrlID()), 0),
                               static_cast<LPARAM>(action));
    }
    return Vdn_Spread::OnCommand(wParam, lParam);
}

// --- dragging out --------------------------------------------------------------------------------

void TfTreeSpread::OnLButtonDown(UINT flags, CPoint point) {
    // The pressed row, not the active one: the press has not moved the active cell yet.
    int col = 0;
    int row = 0;
    if (treeMode_ && SSGetCellFromPixel(col, row, point.x, point.y) && validRow(row)) {
        const Vdn_String text = keyText(row);
        if (!text.isEmpty()) {
            COleDataSource source;
            source.cacheText(text.str());
            source.CacheData(privateFormat(), {1});
            source.DoDragDrop(DROPEFFECT_COPY);
        }
    }
    if (GetSafeHwnd() != nullptr)
        Vdn_Spread::OnLButtonDown(flags, point);
}

// --- dropping in ---------------------------------------------------------------------------------

bool TfTreeSpread::acceptsDrop(const COleDataObject& data) const {
    return data.IsDataAvailable(hostObjectFormat()) || data.IsDataAvailable(privateFormat());
}

bool TfTreeSpread::drop(const COleDataObject& data) {
    AcArray<AcDbObjectId> objects(0, 8);
    Vdn_StringArray texts;
    if (data.IsDataAvailable(hostObjectFormat())) {
        ads_name set = {0, 0};
        if (acedSSGet(L"_P", nullptr, nullptr, nullptr, set) != RTNORM)
            return false;
        std::int32_t length = 0;
        acedSSLength(set, &length);
        for (std::int32_t i = 0; i < length; ++i) {
            ads_name entity = {0, 0};
            AcDbObjectId id;
            if (acedSSName(set, i, entity) == RTNORM && acdbGetObjectId(id, entity) == Acad::eOk)
                objects.append(id);
        }
        acedSSFree(set);
    }
    if (data.IsDataAvailable(privateFormat()) && data.IsDataAvailable(CF_UNICODETEXT)) {
        for (const Vdn_String& text : strToArr(Vdn_String(data.text()), L';')) {
            if (!text.isEmpty())
                texts.append(text);
        }
    }
    if (objects.isEmpty() && texts.isEmpty())
        return false;
    droppedTexts_ = std::move(texts);
    droppedObjects_ = std::move(objects);
    if (dropCallback_)
        dropCallback_(*this);
    return true;
}

// --- CTreeDropTarget -----------------------------------------------------------------------------

DROPEFFECT CTreeDropTarget::OnDragEnter(CWnd*, COleDataObject* data, DWORD, CPoint) {
    return data != nullptr && tree_.acceptsDrop(*data) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

DROPEFFECT CTreeDropTarget::OnDragOver(CWnd* window, COleDataObject* data, DWORD keyState,
                                       CPoint point) {
    return OnDragEnter(window, data, keyState, point);
}

BOOL CTreeDropTarget::OnDrop(CWnd*, COleDataObject* data, DROPEFFECT, CPoint) {
    return data != nullptr && tree_.drop(*data) ? TRUE : FALSE;
}
