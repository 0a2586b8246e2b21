#pragma once

#include "platform/core/text/Vdn_StringArray.h"
#include "platform/ui/dialogs/CDialog.h"
#include "spreadsheet/TSpread.h"

// The dimension options of a sheet (template 245): the numbers of columns and rows, the height
// of the column-header row and the width of the row-header column, with two previews in which
// the user names the columns (1025: one row) and the rows (1002: one column).
//
// Each change of a number first keeps the names typed into the previews so far, then resizes
// the previews and writes the names back; a name beyond the kept ones is the one handed in at
// that position. A number field that holds no number in its range leaves its number as it was.
class CDlgSSOptions : public CDialog {
public:
    static constexpr UINT IDD = 245;
    static constexpr int kColumnsEdit = 1017;
    static constexpr int kRowsEdit = 1019;
    static constexpr int kHeaderHeightEdit = 1021;
    static constexpr int kHeaderWidthEdit = 1023;
    static constexpr int kColumnPreview = 1025;
    static constexpr int kRowPreview = 1002;
    // The largest header row height and header column width, in pixels.
    static constexpr int kMaxHeaderSize = 2000;

    explicit CDlgSSOptions(CWnd* parent = nullptr);

    // In: what the dialog shows; out (on OK): what the user chose. A name list holds at most
    // one name per column (row) and stops after the last position that has one.
    int cols = 0;
    int rows = 0;
    int colHeaderHeight = 0;
    int rowHeaderWidth = 0;
    Vdn_StringArray colNames;
    Vdn_StringArray rowNames;

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void numberChanged();
    // The numbers from the fields that hold valid ones.
    void readNumbers();
    // The names as the previews show them now.
    void keepNames();
    void showPreviews();

    TSpread columnPreview_;
    TSpread rowPreview_;
    // The names handed in, for previews that grow beyond the kept names.
    Vdn_StringArray givenColNames_;
    Vdn_StringArray givenRowNames_;
};
