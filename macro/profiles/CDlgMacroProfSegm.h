#pragma once
// CDlgMacroProfSegm: the segments of a segmented profile (template 221,
// "DLG_MACRO_PROFSEGMENTED", resizable, its size kept under that name). The segment list shows
// each segment as its name, " - " and its second text; for the chosen segment the dialog shows
// its name, length (2 decimals), flag and value pairs in a grid whose rows the image buttons
// insert and delete. Choosing another segment first stores the shown one; without a segment
// the segment's controls are disabled. OK stores the shown segment and closes; the caller
// takes segments().

#include "platform/core/model/MacroProfSegment.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/dialogs/ResizableDialog.h"
#include "spreadsheet/Vdn_Spread.h"

class CDlgMacroProfSegm : public ResizableDialog {
public:
    static constexpr UINT IDD = 221;
    static constexpr const wchar_t* kSizeKey = L"DLG_MACRO_PROFSEGMENTED";
    static constexpr int kSegmentCombo = 1247;
    static constexpr int kName = 1000;
    static constexpr int kLength = 1232;
    static constexpr int kFlag = 1249;
    static constexpr int kValues = 2973;
    static constexpr int kInsertRow = 1088;
    static constexpr int kDeleteRow = 1089;

    explicit CDlgMacroProfSegm(Vdn_Array<MacroProfSegment> segments, CWnd* parent = nullptr);

    const Vdn_Array<MacroProfSegment>& segments() const { return segments_; }
    int shownSegment() const { return shown_; }
    const Vdn_Spread& grid() const { return values_; }

    BOOL OnInitDialog() override;
    void OnOK() override;

    // "Top - 1200" for a segment named "Top" whose second text is "1200".
    static Vdn_String itemText(const MacroProfSegment& segment);

private:
    void captions();
    void fillCombo();
    void show(int index);
    void store();
    void choose();
    void insertRow();
    void deleteRow();

    Vdn_Array<MacroProfSegment> segments_;
    int shown_ = -1;
    Vdn_Spread values_;
    CButtonST insertButton_;
    CButtonST deleteButton_;
};
