#pragma once
// Vdn_DesignerControl: one control of a designed dialog: its kind, its corners as fractions of
// the design's picture (so a design fits any picture size), what it shows or is bound to, and
// the extra texts some kinds carry. A value record: copies copy every member.

#include "designer/Vdn_ControlType.h"
#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"

class CButton;
class CComboBox;
class CDialog;
class CEdit;
class CWnd;
class Vdn_PropertiesList;

class Vdn_DesignerControl {
public:
    Vdn_DesignerControl() = default;
    Vdn_DesignerControl(const Vdn_DesignerControl&) = default;
    Vdn_DesignerControl& operator=(const Vdn_DesignerControl&) = default;
    virtual ~Vdn_DesignerControl() = default;

    Vdn_ControlType type = ctLabel;
    bool readOnly = false;
    int resourceId = 0;
    int tabOrder = 0; // 1-based place in the runtime tab order, 0: none
    double topLeftX = 0;
    double topLeftY = 0;
    double bottomRightX = 0;
    double bottomRightY = 0;
    Vdn_String contents;
    Vdn_String comboList;
    Vdn_String flexGroup;
    Vdn_String flexField2;
    Vdn_String flexField3;
    Vdn_String flexField4;
    Vdn_String calcField1;
    Vdn_String calcField2;
    Vdn_String calcField3;
    Vdn_String calcField4;
    Vdn_StringArray items; // combo items given at run time by the binding

    // The dialog's child with this control's id; false without dialog or child.
    bool getCtrlPtr(const CDialog* dialog, CWnd*& window) const;
    // The combo box of a variable, section, offset-type or rotation control, else null.
    CComboBox* getComboPtr(const CDialog* dialog) const;
    // The drawn window when this kind is a button (an edit), else null.
    CButton* getButtonPtr(const CDialog* dialog) const;
    CEdit* getEditPtr(const CDialog* dialog) const;

    // The seven keys of control `index` ("type0", "topLeftX0", ... "comboList0").
    void getFromPropList(const Vdn_PropertiesList& list, int index);
    void setToPropList(Vdn_PropertiesList& list, int index) const;

    // The extra texts of flex buttons (4) and calculating buttons (4 and the item file) as one
    // text joined with ";"; for every other kind the combo list itself.
    Vdn_String getMergedExtComboList() const;
    bool setSplitExtComboList(const Vdn_String& merged);

    // The lines of the item file named by the combo list, when it names an existing file;
    // otherwise `lines` is left as it is.
    void getComboItemsFromFile(Vdn_StringArray& lines) const;
};
