#pragma once
// CDlgGenVars: edits the general variables of a TfAutoStandardsData, the drawing's in the
// upper sheet and the standards' in the lower one. Each row holds a name, a value (and, for
// the standards, an override) and a filter: the drawings and folders below the library's
// "Macros\" folder that the row applies to, chosen with the row's "..." button.
//
// The caller sets data_, runs DoModal and on OK takes data_ back: every row that holds any
// text, in the order shown. Its size is kept under "DLG_GENVARS".

#include "platform/core/model/TfAutoStandardsData.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/dialogs/ResizableDialog.h"
#include "spreadsheet/genvars/GenVarGrid.h"

#include <array>

class CDlgGenVars : public ResizableDialog {
public:
    static constexpr UINT IDD = 256;
    static constexpr const wchar_t* kSizeKey = L"DLG_GENVARS";
    // The drawing's general variables.
    static constexpr int kDwgFrame = 1437;
    static constexpr int kDwgGrid = 1434;
    static constexpr int kDwgAdd = 1435;
    static constexpr int kDwgRemove = 1436;
    static constexpr int kDwgUp = 1438;
    static constexpr int kDwgDown = 1439;
    // The standards' general variables.
    static constexpr int kStdFrame = 1445;
    static constexpr int kStdGrid = 1444;
    static constexpr int kStdAdd = 1443;
    static constexpr int kStdRemove = 1442;
    static constexpr int kStdUp = 1440;
    static constexpr int kStdDown = 1441;
    // What the "..." buttons' file selection shows.
    static constexpr const wchar_t* kFilterExtension = L"dwg";
    static constexpr const wchar_t* kFilterName = L"AutoCAD Drawing";
    static constexpr const wchar_t* kFilterTitle =
        L"Select the drawings and folders that apply to this general variable";

    explicit CDlgGenVars(CWnd* parent = nullptr);

    TfAutoStandardsData data_;

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The library's folder below which filter paths lie: libDir + "Macros\".
    static Vdn_String filterFolder();

private:
    // The "..." button of the grid's active row.
    void chooseFilter(GenVarGrid& grid);
    void connectGrid(GenVarGrid& grid, int gridId, int add, int remove, int up, int down);

    GenVarGrid dwgGrid_;
    GenVarGrid stdGrid_;
    std::array<CButtonST, 4> moveButtons_;
};
