#pragma once
// CDlgSelectMacro: the macro chooser (template 366, "DLG_SELECT_MACRO"; resizable, its size
// kept under that name). The library's macros are shown as thumbnails, each with its own
// picture ("X.bmp" beside the drawing) or a generated preview ("X.abm"), labelled with its
// name in the work language. Above them, in a panel the user shows or hides (remembered per
// user), a grid holds the library filter: a row per module with a check box for the module
// and for each of its properties; switching one off leaves out the macros that have it. The
// check box 9093 applies the filter to the thumbnails (ticked) or shows every macro.
//
// OK or a double click chooses the selected macro (nothing happens without a selection);
// the alternative button chooses it for the caller's alternative use (altConfirm_ true). The
// result is the chosen drawing's own path, whatever its label shows.
//
// Compact (with the alternative use off): the alternative button and the filter switch are
// hidden, the thumbnails are 60 pixels shorter, and the hint names what to do.

#include "platform/core/model/Vdn_MacroPropsFilter.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/controls/CImageListCtrl.h"
#include "platform/ui/controls/CResizer.h"
#include "platform/ui/dialogs/CDialog.h"
#include "spreadsheet/Vdn_Spread.h"

class CDlgSelectMacro : public CDialog {
public:
    static constexpr UINT IDD = 366;
    static constexpr const wchar_t* kSizeKey = L"DLG_SELECT_MACRO";
    static constexpr const wchar_t* kLargeEntry = L"LARGE_DLG";
    static constexpr int kThumbnails = 9091;
    static constexpr int kFilterGrid = 1196;
    static constexpr int kFilterButton = 1409;
    static constexpr int kApplyFilter = 9093;
    static constexpr int kAltConfirm = 1352;
    static constexpr int kHint = 1353;
    static constexpr UINT kShowIcon = 240;
    static constexpr UINT kHideIcon = 241;
    static constexpr int kCompactReduction = 60;
    static constexpr COLORREF kUnusedCellColour = RGB(220, 220, 220);

    explicit CDlgSelectMacro(CWnd* parent = nullptr);

    Vdn_String caption_;
    Vdn_MacroPropsFilter filter_;
    // In: whether the alternative use is offered; out: whether it was chosen.
    bool altConfirm_ = false;
    bool compact_ = false;
    // Out on OK: the chosen drawing.
    Vdn_String resultPath_;

    BOOL OnInitDialog() override;
    void OnOK() override;

    // What the thumbnails show now: the drawings and their labels, same positions.
    const Vdn_StringArray& shownMacros() const { return filteredFiles_; }
    const Vdn_StringArray& shownLabels() const { return labels_; }
    const CImageListCtrl& thumbnails() const { return thumbnails_; }
    const Vdn_Spread& filterGrid() const { return filterGrid_; }
    bool isLarge() const { return large_; }

protected:
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

private:
    void compactLayout();
    void startResizer(const CRect* client);
    void fillFilterGrid();
    void fillThumbnails();
    void filterCellClicked();
    void toggleFilter();
    // Shows or hides the filter panel, moving what lies below it and sizing the dialog.
    void setPanelShown(bool shown);
    void choose(bool alternative);

    Vdn_StringArray macroFiles_;
    Vdn_StringArray filteredFiles_;
    Vdn_StringArray labels_;
    CImageListCtrl thumbnails_;
    Vdn_Spread filterGrid_;
    CButtonST filterButton_;
    CResizer resizer_;
    bool large_ = true;
    bool panelShown_ = true;
    bool filterValid_ = true;
    CSize templateSize_;
    int panelHeight_ = 0;
};
