#pragma once
// CDlgFindReplace: the modeless find-and-replace dialog of a spreadsheet control (template
// 218), opened by F3 or F5 on the control, which owns it. It searches the values of the cells
// for a find text (contained, case counts) and replaces it by a replace text. Its size is kept
// under "DLG_FINDREPLACE".

#include "platform/core/text/Vdn_String.h"
#include "platform/ui/dialogs/CDialog.h"

class Vdn_Spread;

class CDlgFindReplace : public CDialog {
public:
    static constexpr UINT IDD = 218;
    static constexpr int kFindEdit = 1207;
    static constexpr int kReplaceEdit = 1209;
    static constexpr int kReplaceButton = 1204;
    static constexpr int kReplaceAllButton = 1205;
    static constexpr const wchar_t* kSizeKey = L"DLG_FINDREPLACE";

    explicit CDlgFindReplace(Vdn_Spread& spread);

    // OK: the next hit after the active cell (after the selected characters while a cell is
    // edited) becomes the active cell with the hit selected. At the end of the sheet the user
    // is asked whether to go on from the beginning; when there is no hit at all, told so.
    bool findNext();
    // 1204: replaces the selected hit (finding one first when none is selected), then selects
    // the next hit after it.
    bool replaceNext();
    // 1205: replaces every occurrence in every cell and tells how many; the count.
    int replaceAll();

    BOOL OnInitDialog() override;
    void OnOK() override;
    // Cancel and the close box close the dialog (the window is destroyed).
    void OnCancel() override;

protected:
    void OnDestroy() override;

private:
    Vdn_String findText() const;
    // Where the search goes on: after the selected characters of the edited active cell, else
    // after the active cell, else before the first cell.
    void searchStart(int& col, int& row, int& pos) const;
    bool selectionIsHit(const Vdn_String& text) const;

    Vdn_Spread& spread_;
};
