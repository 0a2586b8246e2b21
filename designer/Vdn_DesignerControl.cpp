#include "designer/Vdn_DesignerControl.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/files/Vdn_PropertiesList.h"
#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/dialogs/CDialog.h"

#include <array>

namespace {

Vdn_String key(const wchar_t* name, int index) {
    return Vdn_String(std::wstring(name) + std::to_wstring(index));
}

bool hasFlexFields(int type) {
    return type == ctFlexFixButton;
}

bool hasCalcFields(int type) {
    return type == ctCalcButton || type == ctCalcButtonNoDivisor;
}

} // namespace

bool Vdn_DesignerControl::getCtrlPtr(const CDialog* dialog, CWnd*& window) const {
    window = nullptr;
    if (dialog == nullptr || dialog->GetSafeHwnd() == nullptr || resourceId == 0) {
        return false;
    }
    window = dialog->GetDlgItem(resourceId);
    return window != nullptr;
}

CComboBox* Vdn_DesignerControl::getComboPtr(const CDialog* dialog) const {
    if (type != ctVarCombo && type != ctProfSection && type != ctProfOffsetType &&
        type != ctProfRotation) {
        return nullptr;
    }
    CWnd* window = nullptr;
    return getCtrlPtr(dialog, window) ? dynamic_cast<CComboBox*>(window) : nullptr;
}

CButton* Vdn_DesignerControl::getButtonPtr(const CDialog* dialog) const {
    CWnd* window = nullptr;
    if (designer::kindOf(type) != designer::ControlKind::Button || !getCtrlPtr(dialog, window)) {
        return nullptr;
    }
    return dynamic_cast<CButton*>(window);
}

CEdit* Vdn_DesignerControl::getEditPtr(const CDialog* dialog) const {
    CWnd* window = nullptr;
    if (designer::kindOf(type) != designer::ControlKind::Edit || !getCtrlPtr(dialog, window)) {
        return nullptr;
    }
    return dynamic_cast<CEdit*>(window);
}

void Vdn_DesignerControl::getFromPropList(const Vdn_PropertiesList& list, int index) {
    int storedType = ctLabel;
    if (list.getInt(key(L"type", index), storedType) && designer::isValidType(storedType)) {
        type = static_cast<Vdn_ControlType>(storedType);
    }
    list.getDouble(key(L"topLeftX", index), topLeftX);
    list.getDouble(key(L"topLeftY", index), topLeftY);
    list.getDouble(key(L"bottomRightX", index), bottomRightX);
    list.getDouble(key(L"bottomRightY", index), bottomRightY);
    list.getString(key(L"contents", index), contents);
    Vdn_String merged;
    if (list.getString(key(L"comboList", index), merged)) {
        setSplitExtComboList(merged);
    }
}

void Vdn_DesignerControl::setToPropList(Vdn_PropertiesList& list, int index) const {
    list.setInt(key(L"type", index), type);
    list.setDouble(key(L"topLeftX", index), topLeftX);
    list.setDouble(key(L"topLeftY", index), topLeftY);
    list.setDouble(key(L"bottomRightX", index), bottomRightX);
    list.setDouble(key(L"bottomRightY", index), bottomRightY);
    list.setString(key(L"contents", index), contents);
    list.setString(key(L"comboList", index), getMergedExtComboList());
}

Vdn_String Vdn_DesignerControl::getMergedExtComboList() const {
    if (hasFlexFields(type)) {
        return flexGroup + L";" + flexField2 + L";" + flexField3 + L";" + flexField4;
    }
    if (hasCalcFields(type)) {
        return calcField1 + L";" + calcField2 + L";" + calcField3 + L";" + calcField4 + L";" +
               comboList;
    }
    return comboList;
}

bool Vdn_DesignerControl::setSplitExtComboList(const Vdn_String& merged) {
    if (!hasFlexFields(type) && !hasCalcFields(type)) {
        comboList = merged;
        return true;
    }
    std::array<Vdn_String*, 5> targets{};
    if (hasFlexFields(type)) {
        targets = {&flexGroup, &flexField2, &flexField3, &flexField4, nullptr};
    } else {
        targets = {&calcField1, &calcField2, &calcField3, &calcField4, &comboList};
    }
    for (Vdn_String* target : targets) {
        if (target != nullptr) {
            *target = Vdn_String();
        }
    }
    const std::wstring& text = merged.str();
    std::size_t start = 0;
    for (Vdn_String* target : targets) {
        if (target == nullptr || start > text.size()) {
            break;
        }
        const std::size_t end = std::min(text.find(L';', start), text.size());
        *target = Vdn_String(text.substr(start, end - start));
        start = end + 1;
    }
    return true;
}

void Vdn_DesignerControl::getComboItemsFromFile(Vdn_StringArray& lines) const {
    if (comboList.isEmpty() || !core::fileExists(comboList)) {
        return;
    }
    Vdn_StringArray read;
    if (ObjectExportReadFile(comboList, read)) {
        lines = read;
    }
}
