#pragma once
// CDlgOpenSave: chooses a file name inside one folder, from a list limited to the names of the
// current macro (or all names, with the check box), in place of the system's file dialog. The
// caller sets the folder, the extension, both name lists and the mode, runs DoModal and on OK
// takes name_: the file is folder_ + name_ + extension_. Its size is kept under
// "DLG_OPENSAVEFILTERED".

#include "platform/core/text/Vdn_StringArray.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/dialogs/ResizableDialog.h"

class CDlgOpenSave : public ResizableDialog {
public:
    static constexpr UINT IDD = 340;
    static constexpr const wchar_t* kSizeKey = L"DLG_OPENSAVEFILTERED";
    static constexpr int kNameList = 1481;
    static constexpr int kDeleteButton = 1482;
    static constexpr int kShowAllCheck = 1483;
    static constexpr int kNameEdit = 1484;
    static constexpr int kModeOpen = 0;
    static constexpr int kModeSave = 1;

    explicit CDlgOpenSave(CWnd* parent = nullptr);

    Vdn_StringArray macroNames_; // the names that belong to the macro
    Vdn_StringArray allNames_;
    Vdn_String folder_;    // ends with a separator
    Vdn_String extension_; // with its dot (".prp")
    int mode_ = kModeOpen;
    Vdn_String name_; // out: the chosen name

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void fillList();
    void takeSelection();
    void deleteSelection();
    Vdn_String pathOf(const Vdn_String& name) const;

    CButtonST deleteButton_;
};
