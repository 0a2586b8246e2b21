#pragma once
// CDlgStringArray: a small grid editor for a table of texts (template 208,
// "DLG_SS_STRINGARRAY"; resizable, its size kept under the size key). The column headers run
// across, the row headers down, one cell per text. The grid is as wide as the longest row
// when a row has more texts than there are headers, so no text is left out. When rows may
// be edited, "add row" puts an empty row after the current one and "remove row" deletes the
// current one. OK replaces rows_ with the cells, row by row; a row keeps no empty cells past
// the column headers (so widening for one long row does not pad the others). Cancel changes
// nothing.

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"
#include "platform/ui/controls/CResizer.h"
#include "platform/ui/dialogs/CDialog.h"
#include "spreadsheet/Vdn_Spread.h"

class CDlgStringArray : public CDialog {
public:
    static constexpr UINT IDD = 208;
    static constexpr const wchar_t* kDefaultSizeKey = L"DLG_SS_STRINGARRAY";
    static constexpr int kGrid = 2670;
    static constexpr int kAddRow = 1088;
    static constexpr int kRemoveRow = 1089;

    explicit CDlgStringArray(CWnd* parent = nullptr);

    Vdn_String sizeKey_ = kDefaultSizeKey;
    Vdn_String caption_;
    Vdn_StringArray columnHeaders_;
    Vdn_StringArray rowHeaders_;
    Vdn_Array<Vdn_StringArray> rows_;
    bool rowsEditable_ = true;

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The number of grid columns: the headers', or the longest row's when that is longer.
    static int columnCount(const Vdn_StringArray& headers, const Vdn_Array<Vdn_StringArray>& rows);
    const Vdn_Spread& grid() const { return grid_; }

protected:
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    void addRow();
    void removeRow();
    void fitColumns();

    Vdn_Spread grid_;
    CResizer resizer_;
};

// Shows rows in a CDlgStringArray: columnHeaders across, rowHeaders down, editable rows when
// rowsEditable. True on OK, with rows replaced by what the grid holds; otherwise rows stay as
// they were. False at once, showing nothing, without column headers. An empty size key means
// "DLG_SS_STRINGARRAY".
bool startGridDialog(const Vdn_StringArray& columnHeaders, const Vdn_StringArray& rowHeaders,
                     Vdn_Array<Vdn_StringArray>& rows, bool rowsEditable, const Vdn_String& sizeKey,
                     const Vdn_String& caption);
