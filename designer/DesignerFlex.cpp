// Vdn_DlgDesignerData: flex buttons, push-like check boxes that come in named groups.
#include "designer/Vdn_DlgDesignerData.h"
#include "platform/ui/controls/CButton.h"
#include "platform/ui/windows/WinConstants.h"

void Vdn_DlgDesignerData::getFlexBtnsGroups(Vdn_StringArray& groups) const {
    groups = Vdn_StringArray();
    for (int i = 0; i < controls_.length(); ++i) {
        const Vdn_DesignerControl& control = controls_[i];
        if (control.type == ctFlexFixButton && groups.find(control.flexGroup) < 0) {
            groups.append(control.flexGroup);
        }
    }
}

bool Vdn_DlgDesignerData::getFlexBtnsInGroup(const Vdn_String& group, Vdn_Array<int>& all,
                                             Vdn_Array<int>& withField3) const {
    all = Vdn_Array<int>();
    withField3 = Vdn_Array<int>();
    if (group.isEmpty()) {
        return true;
    }
    for (int i = 0; i < controls_.length(); ++i) {
        const Vdn_DesignerControl& control = controls_[i];
        if (control.type == ctFlexFixButton && control.flexGroup == group) {
            all.append(i);
            if (!control.flexField3.isEmpty()) {
                withField3.append(i);
            }
        }
    }
    return true;
}

bool Vdn_DlgDesignerData::findFlexButton(const Vdn_String& group, const Vdn_String& name,
                                         int& index) const {
    for (int i = 0; i < controls_.length(); ++i) {
        const Vdn_DesignerControl& control = controls_[i];
        if (control.type == ctFlexFixButton && control.flexGroup == group &&
            control.contents == name) {
            index = i;
            return true;
        }
    }
    return false;
}

void Vdn_DlgDesignerData::getAllFlexVarsOfGroup(const Vdn_String& group,
                                                Vdn_StringArray& names) const {
    names = Vdn_StringArray();
    for (int i = 0; i < controls_.length(); ++i) {
        const Vdn_DesignerControl& control = controls_[i];
        if (control.type == ctFlexFixButton && control.flexGroup == group) {
            names.append(control.contents);
        }
    }
}

bool Vdn_DlgDesignerData::getFlexBtnGroupName(int id, Vdn_String& group, Vdn_String& name) const {
    int index = 0;
    if (!findCtrlFromResource(id, index) || controls_[index].type != ctFlexFixButton) {
        return false;
    }
    group = controls_[index].flexGroup;
    name = controls_[index].contents;
    return true;
}

bool Vdn_DlgDesignerData::getFlexBtnStatus(int index, int& status) const {
    if (!controls_.isValid(index) || controls_[index].type != ctFlexFixButton) {
        return false;
    }
    const CControlRect* drawn = drawnWithId(controls_[index].resourceId);
    const auto* button = drawn ? dynamic_cast<const CButton*>(drawn->window()) : nullptr;
    if (button == nullptr) {
        return false;
    }
    status = button->GetCheck();
    return true;
}

bool Vdn_DlgDesignerData::setFlexBtnStatus(const Vdn_String& group, const Vdn_String& name,
                                           int status) {
    int index = 0;
    if (!findFlexButton(group, name, index)) {
        return false;
    }
    CControlRect* drawn = drawnWithId(controls_[index].resourceId);
    auto* button = drawn ? dynamic_cast<CButton*>(drawn->window()) : nullptr;
    if (button == nullptr) {
        return false;
    }
    button->SetCheck(status == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED);
    return true;
}

void Vdn_DlgDesignerData::hideAllFlexBtns(const Vdn_String& group) {
    for (int i = 0; i < controls_.length(); ++i) {
        const Vdn_DesignerControl& control = controls_[i];
        if (control.type != ctFlexFixButton || control.flexGroup != group) {
            continue;
        }
        if (CControlRect* drawn = drawnWithId(control.resourceId); drawn && drawn->window()) {
            drawn->window()->ShowWindow(SW_HIDE);
        }
    }
}
