#include "workshop/CDlgSettingsTemplate.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/dialogs/NumberedItemTexts.h"
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
    onCommand(kAddButton, BN_CLICKED, [this] { AddItem(current_); });
    onCommand(kRemoveButton, BN_CLICKED, [this] { RemoveItem(current_); });
    onMessage(TSpread::SSM_CLICK, [this](WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto* cell = reinterpret_cast<const TSpread::SS_CELLCOORD*>(lParam);
        if (static_cast<int>(wParam) != kTree || cell == nullptr || cell->Row < 1 ||
            cell->Row > static_cast<long>(rowItems_.size()))
            return 0;
        selectItem(rowItems_[static_cast<std::size_t>(cell->Row - 1)]);
        return 0;
    });
}

CDlgSettingsTemplate::~CDlgSettingsTemplate() {
    for (TfSettingsSubDlgType& page : subDialogs_) {
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
    setNumberedItemTexts(*this, {{IDOK, kOkText}, {IDCANCEL, kCancelText}});
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
    tree_.attachToDlgItem(this, kTree);
    current_ = -1;
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
        page->SaveToSettings(current_);
}

CDlgGeneralSettingsChild* CDlgSettingsTemplate::currentPage() const {
    if (current_ < 0 || current_ >= static_cast<int>(items_.size()))
        return nullptr;
    for (const TfSettingsSubDlgType& page : subDialogs_) {
        if (page.typeName == items_[static_cast<std::size_t>(current_)].typeName)
            return page.subDialog.get();
    }
    return nullptr;
}

int CDlgSettingsTemplate::rowOfItem(int item) const {
    for (std::size_t row = 0; row < rowItems_.size(); ++row) {
        if (rowItems_[row] == item)
            return static_cast<int>(row) + 1;
    }
    return -1;
}

void CDlgSettingsTemplate::buildTree() {
    items_.clear();
    rowItems_.clear();
    if (!tree_.setUp(kFirstTreeColumn, kKeyColumn, nullptr, false, false))
        return;
    FillTreeItems(tree_, items_);
    std::vector<int> rows(items_.size(), -1);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const TfTreeItem& item = items_[i];
        int row = -1;
        if (item.parentLabel.isEmpty()) {
            row = tree_.addRootRow({item.label});
        } else {
            // The nearest earlier item of that label and of another type is the parent.
            for (std::size_t j = i; j-- > 0;) {
                if (items_[j].label == item.parentLabel && items_[j].typeName != item.typeName) {
                    if (rows[j] > 0)
                        row = tree_.addChildRow(rows[j], {item.label});
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
    rowItems_.assign(static_cast<std::size_t>(std::max(tree_.maxRows(), 0)), -1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i] > 0 && rows[i] <= static_cast<int>(rowItems_.size()))
            rowItems_[static_cast<std::size_t>(rows[i] - 1)] = static_cast<int>(i);
    }
    tree_.layOut();
    Vdn_Array<int> columns;
    Vdn_Array<int> widths;
    for (int col = kFirstTreeColumn; col < tree_.textColumn(); ++col) {
        columns.append(col);
        widths.append(TfTreeSpread::kGlyphSize);
    }
    tree_.setSizeColumns(columns, widths);
    tree_.setSizeMode(5);
    tree_.expandAll();
}

void CDlgSettingsTemplate::refreshTree() {
    if (CDlgGeneralSettingsChild* page = currentPage())
        page->ShowWindow(SW_HIDE);
    current_ = -1;
    buildTree();
    selectItem(0);
}

CDlgGeneralSettingsChild* CDlgSettingsTemplate::pageOfType(const Vdn_String& typeName) {
    for (const TfSettingsSubDlgType& page : subDialogs_) {
        if (page.typeName == typeName)
            return page.subDialog.get();
    }
    UINT templateId = 0;
    std::unique_ptr<CDlgGeneralSettingsChild> page = CreateSubDialog(typeName, templateId);
    if (page == nullptr || !page->Create(templateId, this))
        return nullptr;
    placePage(*page);
    subDialogs_.push_back({std::move(page), typeName});
    return subDialogs_.back().subDialog.get();
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
    if (item < 0 || item >= static_cast<int>(items_.size()))
        return Acad::eInvalidInput;
    if (item == current_)
        return Acad::eOk;
    CDlgGeneralSettingsChild* current = currentPage();
    if (current != nullptr)
        current->SaveToSettings(current_);
    const Vdn_String& typeName = items_[static_cast<std::size_t>(item)].typeName;
    CDlgGeneralSettingsChild* page = nullptr;
    if (current != nullptr && items_[static_cast<std::size_t>(current_)].typeName == typeName) {
        page = current;
    } else {
        if (current != nullptr)
            current->ShowWindow(SW_HIDE);
        current_ = -1;
        page = pageOfType(typeName);
        if (page == nullptr)
            return Acad::eInvalidInput;
        page->ShowWindow(SW_SHOW);
    }
    current_ = item;
    return page->LoadFromSettings(item);
}
