#include "macro/select/CDlgSelectMacro.h"

#include "macro/select/DlgRegBool.h"
#include "macro/select/MacroThumbnails.h"
#include "platform/core/model/MacroPreviews.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/dialogs/DlgSize.h"
#include "platform/ui/windows/WinConstants.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace {

constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kCaption = 20650;
constexpr int kModuleHeader = 20651;
constexpr int kPropertyHeader = 20652;
constexpr int kApplyFilterText = 20653;
constexpr int kAltConfirmText = 20654;
constexpr int kHintText = 20655;
constexpr int kCompactHintText = 20656;
constexpr int kCompactHintMore = 20657;

constexpr const wchar_t* kFilterTip = L"Show or hide filter options";
// The panel is the grid less this margin.
constexpr int kPanelMargin = 8;
constexpr int kCheckColumnWidth = 22;

// The controls below the filter panel, which move when it is shown or hidden.
constexpr std::array<int, 5> kBelowPanel = {CDlgSelectMacro::kThumbnails, CDlgSelectMacro::kHint,
                                            CDlgSelectMacro::kAltConfirm, IDOK, IDCANCEL};

CRect childRect(const CWnd& dialog, int id) {
    CRect rect;
    if (const CWnd* child = dialog.GetDlgItem(id)) {
        child->GetWindowRect(&rect);
        dialog.ScreenToClient(&rect);
    }
    return rect;
}

// Moves a control down by dy and makes it taller by grow (pixels; negative: up, shorter).
void shift(CWnd& dialog, int id, int dy, int grow = 0) {
    CWnd* child = dialog.GetDlgItem(id);
    if (child == nullptr)
        return;
    const CRect rect = childRect(dialog, id);
    child->MoveWindow(rect.left, rect.top + dy, rect.Width(), std::max(rect.Height() + grow, 0));
}

void growWindow(CWnd& dialog, int grow) {
    CRect window;
    dialog.GetWindowRect(&window);
    dialog.SetWindowPos(nullptr, 0, 0, window.Width(), window.Height() + grow,
                        SWP_NOMOVE | SWP_NOZORDER);
}

} // namespace

CDlgSelectMacro::CDlgSelectMacro(CWnd* parent) : CDialog(IDD, parent) {
    onNotify(kThumbnails, NM_DBLCLK, [this](NMHDR*, LRESULT*) { OnOK(); });
    onCommand(kAltConfirm, BN_CLICKED, [this] { choose(true); });
    onCommand(kFilterButton, BN_CLICKED, [this] { toggleFilter(); });
    onCommand(kApplyFilter, BN_CLICKED, [this] {
        filterValid_ = IsDlgButtonChecked(kApplyFilter) == BST_CHECKED;
        fillThumbnails();
    });
    onCommand(kFilterGrid, TSpread::kNotifyButtonClicked, [this] { filterCellClicked(); });
}

BOOL CDlgSelectMacro::OnInitDialog() {
    CDialog::OnInitDialog();
    if (filterGrid_.attachToDlgItem(this, kFilterGrid, true) && filterGrid_.setStandardLook(0))
        filterGrid_.SSSetBool(Vdn_Spread::kOptionRowHeaders, false);
    if (filterButton_.SubclassDlgItem(kFilterButton, this))
        filterButton_.SetTooltipText(kFilterTip);
    thumbnails_.SubclassDlgItem(kThumbnails, this);

    SetDlgItemText(kHint, dialString(kHintText).str());
    if (!altConfirm_) {
        if (CWnd* alternative = GetDlgItem(kAltConfirm))
            alternative->EnableWindow(FALSE);
        if (compact_)
            compactLayout();
    }

    CRect window;
    GetWindowRect(&window);
    templateSize_ = CSize(window.Width(), window.Height());
    startResizer(nullptr);
    ChangeDlgSize(this, kSizeKey);

    SetWindowText((caption_.isEmpty() ? dialString(kCaption) : caption_).str());
    SetDlgItemText(kApplyFilter, dialString(kApplyFilterText).str());
    SetDlgItemText(kAltConfirm, dialString(kAltConfirmText).str());
    SetDlgItemText(IDOK, dialString(kOkText).str());
    SetDlgItemText(IDCANCEL, dialString(kCancelText).str());

    filter_.getAllDwgFiles(macroFiles_);
    CreatePreviewBMPs(macroFiles_, L"abm");

    fillFilterGrid();
    CheckDlgButton(kApplyFilter, BST_CHECKED);
    filterValid_ = true;
    fillThumbnails();

    panelHeight_ = std::max(childRect(*this, kFilterGrid).Height() - kPanelMargin, 0);
    large_ = readDlgRegBool(kSizeKey, kLargeEntry, true);
    setPanelShown(large_);
    return TRUE;
}

void CDlgSelectMacro::compactLayout() {
    for (const int id : {kAltConfirm, kApplyFilter}) {
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(SW_HIDE);
    }
    shift(*this, kThumbnails, 0, -kCompactReduction);
    for (const int id : {kHint, kAltConfirm, static_cast<int>(IDOK), static_cast<int>(IDCANCEL)})
        shift(*this, id, -kCompactReduction);
    growWindow(*this, -kCompactReduction);
    SetDlgItemText(kHint,
                   (dialString(kCompactHintText) + L" " + dialString(kCompactHintMore)).str());
}

void CDlgSelectMacro::startResizer(const CRect* client) {
    constexpr auto fixed = CResizer::eFixed;
    constexpr auto main = CResizer::IDC_MAIN;
    const std::array<CResizer::CBorderInfo, 8> layout = {{
        {kFilterButton, {fixed}, {fixed}, {CResizer::eWidth}, {CResizer::eHeight}},
        {kApplyFilter, {fixed}, {fixed}, {CResizer::eWidth}, {CResizer::eHeight}},
        {kFilterGrid, {fixed}, {fixed}, {fixed, main, CResizer::eRight}, {CResizer::eHeight}},
        {kThumbnails,
         {fixed},
         {fixed},
         {fixed, main, CResizer::eRight},
         {fixed, main, CResizer::eBottom}},
        {kHint, {fixed}, {CResizer::eHeight}, {CResizer::eWidth}, {fixed, main, CResizer::eBottom}},
        {kAltConfirm,
         {CResizer::eWidth},
         {CResizer::eHeight},
         {fixed, main, CResizer::eRight},
         {fixed, main, CResizer::eBottom}},
        {IDOK,
         {CResizer::eWidth},
         {CResizer::eHeight},
         {fixed, main, CResizer::eRight},
         {fixed, main, CResizer::eBottom}},
        {IDCANCEL,
         {CResizer::eWidth},
         {CResizer::eHeight},
         {fixed, main, CResizer::eRight},
         {fixed, main, CResizer::eBottom}},
    }};
    resizer_.Init(this, client, layout);
}

void CDlgSelectMacro::fillFilterGrid() {
    if (!filterGrid_.isAttached())
        return;
    Vdn_Array<Vdn_StringArray> rows;
    Vdn_Array<Vdn_Array<bool>> states;
    filter_.getMergedProps(rows, states);
    int positions = 1;
    for (const Vdn_StringArray& row : rows)
        positions = std::max(positions, row.length());

    filterGrid_.SSSetBool(Vdn_Spread::kOptionRedraw, false);
    filterGrid_.setMaxRows(rows.length());
    filterGrid_.setMaxCols(2 * positions);
    Vdn_StringArray headers;
    for (int position = 0; position < positions; ++position) {
        const int checkCol = 2 * position + 1;
        filterGrid_.setCheckBoxColumn(checkCol, true, false);
        filterGrid_.lockColumn(checkCol, false);
        filterGrid_.lockColumn(checkCol + 1, true);
        // The name stands over the text; the narrow check column shows no header (a space,
        // since an empty header cell shows the column's letter).
        headers.append(Vdn_String(L" "));
        headers.append(position == 0 ? dialString(kModuleHeader)
                                     : dialString(kPropertyHeader) + L" " + Vdn_String(position));
    }
    filterGrid_.setColumnNames(headers);
    filterGrid_.setAllFonts(true);
    for (int row = 0; row < rows.length(); ++row) {
        filterGrid_.setCheckRow(rows[row], states[row], row + 1);
        const int used = 2 * rows[row].length();
        if (used < 2 * positions) {
            // Nothing to switch here: a plain grey cell, not an unusable check box.
            filterGrid_.SSSetCellTypeRange(used + 1, row + 1, 2 * positions, row + 1,
                                           TSpread::SSSetTypeStaticText(0));
            filterGrid_.SSSetLockRange(used + 1, row + 1, 2 * positions, row + 1, true);
            filterGrid_.SSSetColorRange(used + 1, row + 1, 2 * positions, row + 1,
                                        kUnusedCellColour, RGB(0, 0, 0));
        }
    }
    filterGrid_.fitColumnWidths();
    for (int position = 0; position < positions; ++position)
        filterGrid_.SSSetColWidthInPixels(2 * position + 1, kCheckColumnWidth);
    filterGrid_.SSSetBool(Vdn_Spread::kOptionRedraw, true);
    filterGrid_.Invalidate();
}

void CDlgSelectMacro::fillThumbnails() {
    if (filterValid_)
        filter_.getFilteredMacros(filteredFiles_);
    else
        filteredFiles_ = macroFiles_;
    labels_ = macroLabels(filteredFiles_);
    std::vector<ImageListData> images;
    for (int i = 0; i < filteredFiles_.length(); ++i)
        images.push_back({macroPicture(filteredFiles_[i]).str(), labels_[i].str()});
    thumbnails_.setImages(std::move(images));
    thumbnails_.drawThumbnails();
}

void CDlgSelectMacro::filterCellClicked() {
    int col = 0;
    int row = 0;
    bool on = false;
    if (!filterGrid_.SSGetActiveCell(col, row) || col < 1 || row < 1 || col % 2 == 0 ||
        !filterGrid_.getCheck(col, row, on))
        return;
    const int position = (col - 1) / 2;
    const bool changed = position == 0 ? filter_.setModuleStatus(row - 1, on)
                                       : filter_.setModulePropStatus(row - 1, position, on);
    if (!changed)
        return;
    fillFilterGrid();
    filterGrid_.SSSetActiveCell(col, row);
    fillThumbnails();
}

void CDlgSelectMacro::toggleFilter() {
    large_ = !large_;
    setPanelShown(large_);
}

void CDlgSelectMacro::setPanelShown(bool shown) {
    if (filterButton_.GetSafeHwnd())
        filterButton_.SetIcon(shown ? kHideIcon : kShowIcon);
    if (shown != panelShown_) {
        const int dy = shown ? panelHeight_ : -panelHeight_;
        for (const int id : kBelowPanel)
            shift(*this, id, dy);
        CRect client;
        GetClientRect(&client);
        client.bottom += dy;
        startResizer(&client);
        growWindow(*this, dy);
        panelShown_ = shown;
    }
    if (CWnd* grid = GetDlgItem(kFilterGrid))
        grid->ShowWindow(shown ? SW_SHOW : SW_HIDE);
}

void CDlgSelectMacro::choose(bool alternative) {
    const int selected = thumbnails_.selectedIndex();
    if (selected < 0 || selected >= filteredFiles_.length())
        return;
    // The drawing itself, not its label: labels are translated and may lose their digits.
    resultPath_ = withExtension(filteredFiles_[selected], Vdn_MacroPropsFilter::kDrawingExtension);
    altConfirm_ = alternative;
    CDialog::OnOK();
}

void CDlgSelectMacro::OnOK() {
    choose(false);
}

void CDlgSelectMacro::OnDestroy() {
    // The size is kept with the panel shown, so a hidden panel does not shrink the dialog
    // again each time it opens.
    if (!panelShown_)
        growWindow(*this, panelHeight_);
    WriteDlgSize(this, kSizeKey);
    writeDlgRegBool(kSizeKey, kLargeEntry, large_);
    CDialog::OnDestroy();
}

void CDlgSelectMacro::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    resizer_.Move();
}

void CDlgSelectMacro::OnGetMinMaxInfo(MINMAXINFO* info) {
    CDialog::OnGetMinMaxInfo(info);
    info->ptMinTrackSize.x = templateSize_.cx;
    info->ptMinTrackSize.y = templateSize_.cy - (panelShown_ ? 0 : panelHeight_);
}
