#include "platform/ui/controls/CBitmapPickerCombo.h"

#include "platform/ui/graphics/CBitmap.h"

int CBitmapPickerCombo::AddBitmap(const CBitmap* bitmap, const std::wstring& text) {
    return InsertBitmap(-1, bitmap, text);
}

int CBitmapPickerCombo::InsertBitmap(int index, const CBitmap* bitmap, const std::wstring& text) {
    const int at = InsertString(index, text);
    if (at >= 0) {
        SetItemData(at, reinterpret_cast<DWORD_PTR>(bitmap ? bitmap->GetSafeHandle() : nullptr));
    }
    return at;
}

HBITMAP CBitmapPickerCombo::bitmapOf(int index) const {
    if (index < 0 || index >= GetCount()) {
        return nullptr;
    }
    return reinterpret_cast<HBITMAP>(GetItemData(index));
}
