#include "platform/ui/controls/FillCombo.h"

#include "platform/ui/controls/CComboBox.h"

int FillCombo(CComboBox* combo, const Vdn_StringArray& items, const Vdn_String& selected) {
    if (combo == nullptr)
        return -1;
    combo->ResetContent();
    for (const Vdn_String& item : items)
        combo->AddString(item.str());
    const int index = selected.isEmpty() ? -1 : combo->FindStringExact(-1, selected.str());
    combo->SetCurSel(index);
    return index;
}

int selectAddingItem(CComboBox* combo, const Vdn_String& text) {
    if (combo == nullptr)
        return -1;
    int index = combo->FindStringExact(-1, text.str());
    if (index < 0 && !text.isEmpty())
        index = combo->AddString(text.str());
    combo->SetCurSel(index);
    return index;
}
