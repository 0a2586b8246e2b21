#include "designer/Vdn_ControlType.h"

namespace designer {

ControlKind kindOf(int type) {
    switch (type) {
    case ctLabel:
        return ControlKind::Static;
    case ctGroupBox:
    case ctPatternButton:
    case ctBoltButton:
    case ctProfButton:
    case ctProfAdvButton:
    case ctArrayButton:
    case ctCalcButton:
    case ctCalcButtonNoDivisor:
    case ctCheckBox:
    case ctFlexFixButton:
        return ControlKind::Button;
    case ctVarCombo:
    case ctBoltProp1:
    case ctProfSection:
    case ctProfOffsetType:
    case ctProfRotation:
    case ctBlockCombo:
    case ctCutCombo:
        return ControlKind::ComboBox;
    default:
        return ControlKind::Edit;
    }
}

const wchar_t* windowClassOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Static:
        return L"STATIC";
    case ControlKind::Button:
        return L"BUTTON";
    case ControlKind::Edit:
        return L"EDIT";
    case ControlKind::ComboBox:
        return L"COMBOBOX";
    case ControlKind::ListBox:
        return L"LISTBOX";
    case ControlKind::ScrollBar:
        return L"SCROLLBAR";
    }
    return L"STATIC";
}

bool isValidType(int type) {
    return type >= 0 && type < kControlTypeCount;
}

bool isTypeBoltCount(int type) {
    return type == ctPatternValues || type == ctPatternCount;
}

} // namespace designer
