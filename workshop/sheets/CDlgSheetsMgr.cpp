#include "workshop/sheets/CDlgSheetsMgr.h"

#include "module/dynMenu.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/host/CommandLineApi.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

// Width of the check column and of the data columns after the tree texts.
constexpr int kCheckWidth = 20;
constexpr int kDataWidth = 0;
// The tree columns: the check column, then the tree (the entry text is its first text), then
// three data columns.
constexpr int kFirstTreeColumn = 2;
constexpr int kKeyColumn = 2;
constexpr int kDataColumns = 3;
// The bar's border around the panel, in pixels.
constexpr int kBarMargin = 8;

Vdn_StringArray rowTexts(const Vdn_String& text) {
    Vdn_StringArray texts{L"0", text};
    for (int i = 0; i < kDataColumns; ++i)
        texts.append(Vdn_String());
    return texts;
}

} // namespace

CDlgSheetsMgr::CDlgSheetsMgr(CWnd* parent) : CDialog(IDD, parent) {}

CDlgSheetsMgr::~CDlgSheetsMgr() = default;

Vdn_StringArray CDlgSheetsMgr::sheetsMenu() {
    // The separators group the entries; they take no command, so "Change format" stays the
    // tenth entry (action 9).
    return {L"New sheet",
            L"Edit sheet",
            L"Copy sheet",
            L"Delete sheet",
            L"Export sheet",
            TfTreeSpread::kMenuSeparatorText,
            L"Highlight all in 3D",
            L"Zoom in 3D",
            TfTreeSpread::kMenuSeparatorText,
            L"Generate DXF/DSTV",
            L"Set checked status",
            L"Change format",
            TfTreeSpread::kMenuSeparatorText,
            L"Properties..."};
}

Vdn_StringArray CDlgSheetsMgr::partsMenu() {
    return {L"Show all sheets of this part", TfTreeSpread::kMenuSeparatorText, L"Properties..."};
}

Vdn_StringArray CDlgSheetsMgr::outputMenu() {
    return {L"Print", L"Generate .dwg files", L"Generate .dxf files", L"Generate NC files"};
}

bool CDlgSheetsMgr::fillTree(TfTreeSpread& tree, int placeholderId, const Vdn_StringArray& menu,
                             TfTreeSpread::DropCallback callback) {
    // Exactly over the placeholder: the panel has no caption to make up for.
    if (!tree.attachToDlgItem(this, placeholderId, true) ||
        !tree.setUp(kFirstTreeColumn, kKeyColumn, std::move(callback), false, true))
        return false;
    for (int i = 0; i < data_.length(); ++i) {
        const TfSheetEntry& entry = data_.getAt(i);
        const int sheet = tree.addRootRow(rowTexts(entry.text));
        for (const Vdn_String& part : entry.subEntries)
            tree.addChildRow(sheet, rowTexts(part));
    }
    tree.layOut();
    // The first column is the sheet's checked status.
    for (int row = 1; row <= tree.maxRows(); ++row)
        tree.setCheckBoxCell(1, row);
    // The tree column takes whatever the check, glyph and data columns leave.
    Vdn_Array<int> columns{1};
    Vdn_Array<int> widths{kCheckWidth};
    for (int col = kFirstTreeColumn; col < tree.textColumn(); ++col) {
        columns.append(col);
        widths.append(TfTreeSpread::kGlyphSize);
    }
    for (int i = 1; i <= kDataColumns; ++i) {
        columns.append(tree.textColumn() + i);
        widths.append(kDataWidth);
    }
    tree.setSizeColumns(columns, widths);
    tree.setSizeMode(5);
    tree.setMenuItems(menu);
    tree.expandAll();
    return true;
}

BOOL CDlgSheetsMgr::OnInitDialog() {
    CDialog::OnInitDialog();
    sheetsMenu_ = sheetsMenu();
    partsMenu_ = partsMenu();
    fillTree(sheetsTree_, kSheetsTree, sheetsMenu_, [](TfTreeSpread&) {});
    if (tab_.SubclassDlgItem(kTab, this))
        tab_.InsertItem(0, dialString(kPartsTabText).str());
    fillTree(partsTree_, kPartsTree, partsMenu_, nullptr);

    // The sheets tree takes the panel's growth; the tab with the parts tree keeps its height
    // at the bottom, so the two never overlap.
    using R = CResizer;
    const R::CBorderInfo layout[] = {
        {kSheetsTree,
         {R::eFixed, R::IDC_MAIN, R::eLeft},
         {R::eFixed, R::IDC_MAIN, R::eTop},
         {R::eFixed, R::IDC_MAIN, R::eRight},
         {R::eFixed, R::IDC_MAIN, R::eBottom}},
        {kHideShow,
         {R::eFixed, R::IDC_MAIN, R::eLeft},
         {R::eHeight},
         {R::eWidth},
         {R::eFixed, R::IDC_MAIN, R::eBottom}},
        {kTab,
         {R::eFixed, R::IDC_MAIN, R::eLeft},
         {R::eHeight},
         {R::eFixed, R::IDC_MAIN, R::eRight},
         {R::eFixed, R::IDC_MAIN, R::eBottom}},
        {kPartsTree,
         {R::eFixed, R::IDC_MAIN, R::eLeft},
         {R::eHeight},
         {R::eFixed, R::IDC_MAIN, R::eRight},
         {R::eFixed, R::IDC_MAIN, R::eBottom}},
    };
    resizer_.Init(this, nullptr, layout);
    resizer_.Move();

    // A bar narrower than the panel would cut its buttons off: the bar takes the panel's width.
    if (CWnd* bar = GetParent(); bar != nullptr && (bar->GetStyle() & WS_CHILD) != 0) {
        CRect own;
        CRect barRect;
        GetWindowRect(&own);
        bar->GetWindowRect(&barRect);
        if (barRect.Width() < own.Width() + kBarMargin)
            bar->SetWindowPos(nullptr, 0, 0, own.Width() + kBarMargin, barRect.Height(),
                              SWP_NOMOVE | SWP_NOZORDER);
    }

    outputItems_ = outputMenu();
    outputMenu_ = std::make_unique<dynMenu>();
    return TRUE;
}

void CDlgSheetsMgr::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    resizer_.Move();
}

BOOL CDlgSheetsMgr::PreTranslateMessage(MSG* msg) {
    // The panel belongs to its bar: Escape must not close it.
    if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE)
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CDlgSheetsMgr::menuChosen(const TfTreeSpread& tree, int action) {
    const Vdn_String text = tree.menuItemText(action);
    if (text.isEmpty())
        return;
    acutPrintf(L"\nMenu item \"%s\" pressed.", text.c_str());
    if (&tree == &sheetsTree_ && action == kChangeFormatAction)
        data_.changeFormatCmd(kChangedFormat);
}

void CDlgSheetsMgr::showOutputMenu() {
    CWnd* button = GetDlgItem(kGenerateOutput);
    if (button == nullptr)
        return;
    CRect rect;
    button->GetWindowRect(&rect);
    Vdn_Array<int> levels;
    Vdn_Array<dynMenuEntry> entries;
    for (const Vdn_String& item : outputItems_) {
        levels.append(1);
        entries.append(dynMenuEntry{item, dynMenuEntry::kPlain});
    }
    // Its commands are not acted upon.
    outputMenu_->show(TPM_LEFTALIGN | TPM_TOPALIGN, rect.left, rect.bottom, this, levels, entries);
}

BOOL CDlgSheetsMgr::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == 0) {
        if (id == kSheetsTree) {
            menuChosen(sheetsTree_, static_cast<int>(lParam));
            return TRUE;
        }
        if (id == kPartsTree) {
            menuChosen(partsTree_, static_cast<int>(lParam));
            return TRUE;
        }
        if (id == kGenerateOutput && lParam == reinterpret_cast<LPARAM>(GetDlgItem(id))) {
            showOutputMenu();
            return TRUE;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}
