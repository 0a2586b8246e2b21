#include "workshop/CDlgSettingsTemplate.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/windows/WinConstants.h"
#include "workshop/CDlgGeneralSettingsChild.h"

namespace {

constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kSeparatorHeight = 8;
// The page reaches this far above the tree's top.
constexpr int kPageAboveTree = 7;
constexpr int kFirstTreeColumn = 1;
constexpr int kKeyColumn = 1;

} // namespace

CDlgSettingsTemplate::CDlgSettingsTemplate(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kAddButton, BN_CLICKED, [this] { AddItem(mCurrent); });
    onCommand(kRemoveButton, BN_CLICKED, [this] { RemoveItem(mCurrent); });
    onMessage(TSpread::SSM_CLICK, [this](WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto* cell = reinterpret_cast<const TSpread::SS_CELLCOORD*>(lParam);
        if (static_cast<int>(wParam) != kTree || cell == nullptr || cell->Row < 1 ||
            cell->Row > static_cast<long>(mRowItems.size()))
            return 0;
        selectItem(mRowItems[static_cast<std::size_t>(cell->Row - 1)]);
        return 0;
    });
}

CDlgSettingsTemplate::~CDlgSettingsTemplate() {
    for (TfSettingsSubDlgType& page : mSubDialogs) {
        if (page.subDialog != nullptr && page.subDialog->GetSafeHwnd() != nullptr)
            page.subDialog->DestroyWindow();
    }
}

void CDlgSettingsTemplate::AddItem(int) {}

void CDlgSettingsTemplate::RemoveItem(int) {}

BOOL CDlgSettingsTemplate::OnInitDialog() {
    CDialog::OnInitDialog();
    Vdn_String caption;
    Vdn_String addText;
    Vdn_String removeText;
    GetDialogTexts(caption, addText, removeText);
    SetWindowText(caption.str());
    SetDlgItemText(IDOK, dialString(kOkText).str());
    SetDlgItemText(IDCANCEL, dialString(kCancelText).str());
    SetDlgItemText(kAddButton, addText.str());
    SetDlgItemText(kRemoveButton, removeText.str());
    if (CWnd* add = GetDlgItem(kAddButton))
        add->ShowWindow(addText.isEmpty() ? SW_HIDE : SW_SHOW);
    if (CWnd* remove = GetDlgItem(kRemoveButton))
        remove->ShowWindow(removeText.isEmpty() ? SW_HIDE : SW_SHOW);
    if (CWnd* separator = GetDlgItem(kSeparator)) {
        CRect rect;
        separator->GetWindowRect(&rect);
        ScreenToClient(&rect);
        separator->MoveWindow(rect.left, rect.top, rect.Width(), kSeparatorHeight);
    }
    mTree.attachToDlgItem(this, kTree);
    mCurrent = -1;
    buildTree();
    selectItem(0);
    return TRUE;
}

void CDlgSettingsTemplate::OnOK() {
    saveCurrent();
    CDialog::OnOK();
}

void CDlgSettingsTemplate::saveCurrent() {
    if (CDlgGeneralSettingsChild* page = currentPage())
        page->SaveToSettings(mCurrent);
}

CDlgGeneralSettingsChild* CDlgSettingsTemplate::currentPage() const {
    if (mCurrent < 0 || mCurrent >= static_cast<int>(mItems.size()))
        return nullptr;
    for (const TfSettingsSubDlgType& page : mSubDialogs) {
        if (page.typeName == mItems[static_cast<std::size_t>(mCurrent)].typeName)
            return page.subDialog.get();
    }
    return nullptr;
}

int CDlgSettingsTemplate::rowOfItem(int item) const {
    for (std::size_t row = 0; row < mRowItems.size(); ++row) {
        if (mRowItems[row] == item)
            return static_cast<int>(row) + 1;
    }
    return -1;
}

void CDlgSettingsTemplate::buildTree() {
    mItems.clear();
    mRowItems.clear();
    if (!mTree.setUp(kFirstTreeColumn, kKeyColumn, nullptr, false, false))
        return;
    FillTreeItems(mTree, mItems);
    std::vector<int> rows(mItems.size(), -1);
    for (std::size_t i = 0; i < mItems.size(); ++i) {
        const TfTreeItem& item = mItems[i];
        int row = -1;
        if (item.parentLabel.isEmpty()) {
            row = mTree.addRootRow({item.label});
        } else {
            // The nearest earlier item of that label and of another type is the parent.
            for (std::size_t j = i; j-- > 0;) {
                if (mItems[j].label == item.parentLabel && mItems[j].typeName != item.typeName) {
                    if (rows[j] > 0)
                        row = mTree.addChildRow(rows[j], {item.label});
                    break;
                }
            }
        }
        if (row <= 0)
            continue;
        // A child goes in after its parent's descendants, so later rows may have moved down.
        for (int& other : rows) {
            if (other >= row)
                ++other;
        }
        rows[i] = row;
    }
    mRowItems.assign(static_cast<std::size_t>(std::max(mTree.maxRows(), 0)), -1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i] > 0 && rows[i] <= static_cast<int>(mRowItems.size()))
            mRowItems[static_cast<std::size_t>(rows[i] - 1)] = static_cast<int>(i);
    }
    mTree.layOut();
    Vdn_Array<int> columns;
    Vdn_Array<int> widths;
    for (int col = kFirstTreeColumn; col < mTree.textColumn(); ++col) {
        columns.append(col);
        widths.append(TfTreeSpread::kGlyphSize);
    }
    mTree.setSizeColumns(columns, widths);
    mTree.setSizeMode(5);
    mTree.expandAll();
}

void CDlgSettingsTemplate::refreshTree() {
    if (CDlgGeneralSettingsChild* page = currentPage())
        page->ShowWindow(SW_HIDE);
    mCurrent = -1;
    buildTree();
    selectItem(0);
}

CDlgGeneralSettingsChild* CDlgSettingsTemplate::pageOfType(const Vdn_String& typeName) {
    for (const TfSettingsSubDlgType& page : mSubDialogs) {
        if (page.typeName == typeName)
            return page.subDialog.get();
    }
    UINT templateId = 0;
    std::unique_ptr<CDlgGeneralSettingsChild> page = CreateSubDialog(typeName, templateId);
    if (page == nullptr || !page->Create(templateId, this))
        return nullptr;
    placePage(*page);
    mSubDialogs.push_back({std::move(page), typeName});
    return mSubDialogs.back().subDialog.get();
}

void CDlgSettingsTemplate::placePage(CWnd& page) {
    CWnd* treeWindow = GetDlgItem(kTree);
    if (treeWindow == nullptr)
        return;
    CRect tree;
    treeWindow->GetWindowRect(&tree);
    ScreenToClient(&tree);
    CRect client;
    GetClientRect(&client);
    const int top = tree.top - kPageAboveTree;
    page.MoveWindow(tree.right, top, client.right - tree.right, tree.bottom - top);
}

Acad::ErrorStatus CDlgSettingsTemplate::selectItem(int item) {
    if (item < 0 || item >= static_cast<int>(mItems.size()))
        return Acad::eInvalidInput;
    if (item == mCurrent)
        return Acad::eOk;
    CDlgGeneralSettingsChild* current = currentPage();
    if (current != nullptr)
        current->SaveToSettings(mCurrent);
    const Vdn_String& typeName = mItems[static_cast<std::size_t>(item)].typeName;
    CDlgGeneralSettingsChild* page = nullptr;
    if (current != nullptr && mItems[static_cast<std::size_t>(mCurrent)].typeName == typeName) {
        page = current;
    } else {
        if (current != nullptr)
            current->ShowWindow(SW_HIDE);
        mCurrent = -1;
        page = pageOfType(typeName);
        if (page == nullptr)
            return Acad::eInvalidInput;
        page->ShowWindow(SW_SHOW);
    }
    mCurrent = item;
    return page->LoadFromSettings(item);
}
