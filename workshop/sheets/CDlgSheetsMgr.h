#pragma once
// CDlgSheetsMgr: the docked panel that lists the workshop-drawing sheets with their parts and
// offers commands on them. The upper tree holds the sheets, the lower one (on the tab) the
// same sheets with their parts; each reports its context-menu choice on the command line, and
// "Change format" asks the core module to change the sheets' format to A4. The Escape key never
// closes the panel: it lives as long as its docking bar.

#include "module/TfSheetsMgrDlgData.h"
#include "platform/ui/controls/CResizer.h"
#include "platform/ui/controls/CTabCtrl.h"
#include "platform/ui/dialogs/CDialog.h"
#include "spreadsheet/tree/TfTreeSpread.h"

#include <memory>

class dynMenu;

class CDlgSheetsMgr : public CDialog {
public:
    static constexpr UINT IDD = 267;
    static constexpr const wchar_t* kSizeKey = L"DLG_SHEETSMGR";
    static constexpr int kReset = 2100;
    static constexpr int kFilterCombo = 2101;
    static constexpr int kFilterValueCombo = 2102;
    static constexpr int kApplyFilter = 2103;
    static constexpr int kManualSelect = 2104;
    static constexpr int kCurrentFilter = 2105;
    static constexpr int kPrevious = 2106;
    static constexpr int kNext = 2107;
    static constexpr int kReview = 2108;
    static constexpr int kGenerateOutput = 2109;
    static constexpr int kSheetsTree = 2110;
    static constexpr int kHideShow = 2111;
    static constexpr int kTab = 2112;
    static constexpr int kPartsTree = 2113;
    // The upper tree's action that changes the format, and the format it asks for.
    static constexpr int kChangeFormatAction = 9;
    static constexpr const wchar_t* kChangedFormat = L"A4";
    // The tab's caption.
    static constexpr int kPartsTabText = 20400;

    explicit CDlgSheetsMgr(CWnd* parent = nullptr);
    ~CDlgSheetsMgr() override;

    TfSheetsMgrDlgData& sheetsData() { return data_; }

    // The menu lists: the upper tree's, the lower tree's (both with "-" separators) and the
    // output button's.
    static Vdn_StringArray sheetsMenu();
    static Vdn_StringArray partsMenu();
    static Vdn_StringArray outputMenu();

    TfTreeSpread& sheetsTree() { return sheetsTree_; }
    TfTreeSpread& partsTree() { return partsTree_; }

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override {}
    void OnCancel() override {}
    void OnSize(UINT type, int cx, int cy) override;

private:
    bool fillTree(TfTreeSpread& tree, int placeholderId, const Vdn_StringArray& menu,
                  TfTreeSpread::DropCallback callback);
    void menuChosen(const TfTreeSpread& tree, int action);
    void showOutputMenu();

    TfSheetsMgrDlgData data_;
    TfTreeSpread sheetsTree_;
    TfTreeSpread partsTree_;
    CTabCtrl tab_;
    CResizer resizer_;
    std::unique_ptr<dynMenu> outputMenu_;
    Vdn_StringArray sheetsMenu_;
    Vdn_StringArray partsMenu_;
    Vdn_StringArray outputItems_;
};
