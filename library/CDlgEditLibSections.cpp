#include "library/CDlgEditLibSections.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CTabCtrl.h"
#include "platform/ui/dialogs/DlgSize.h"
#include "platform/ui/dialogs/NumberedItemTexts.h"
#include "platform/ui/windows/WinConstants.h"

#include <array>

namespace {

constexpr int kCaption = 754;
constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr std::array<int, 3> kPageTexts = {755, 756, 757};
// Pixels between the tab control and the dialog's edges, and the buttons' row.
constexpr int kMargin = 10;

} // namespace

CDlgEditLibSections::CDlgEditLibSections(CWnd* parent) : ResizableDialog(IDD, parent, kSizeKey) {
    onNotify(kTabs, TCN_SELCHANGE, [this](NMHDR*, LRESULT*) {
        if (auto* tabs = dynamic_cast<CTabCtrl*>(GetDlgItem(kTabs)))
            showPage(tabs->GetCurSel());
    });
}

BOOL CDlgEditLibSections::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kCaption).str());
    setNumberedItemTexts(*this, {{IDOK, kOkText}, {IDCANCEL, kCancelText}});
    data_.GetAvailableFiles();

    keepPresentSizeAsMinimum();

    auto* tabs = dynamic_cast<CTabCtrl*>(GetDlgItem(kTabs));
    if (tabs != nullptr) {
        for (std::size_t i = 0; i < kPageTexts.size(); ++i)
            tabs->InsertItem(static_cast<int>(i), dialString(kPageTexts[i]).str());
    }
    groups_.data_ = &data_;
    types_.data_ = &data_;
    values_.data_ = &data_;
    values_.startName_ = startName_;
    groups_.Create(CTabEditLibGroups::IDD, this);
    types_.Create(CTabEditLibTypes::IDD, this);
    values_.Create(CTabEditLibValues::IDD, this);
    placePages();
    const int first = startName_.isEmpty() ? kGroupsPage : kValuesPage;
    if (tabs != nullptr)
        tabs->SetCurSel(first);
    showPage(first);
    restoreSize();
    return TRUE;
}

void CDlgEditLibSections::showPage(int page) {
    if (page == kTypesPage && page_ == kGroupsPage) {
        // The types offer the groups as they are now.
        groups_.storeShown();
        types_.refreshGroups();
    }
    CDialog* pages[] = {&groups_, &types_, &values_};
    for (int i = 0; i < 3; ++i)
        pages[i]->ShowWindow(i == page ? SW_SHOW : SW_HIDE);
    page_ = page;
}

void CDlgEditLibSections::OnOK() {
    if (!values_.leaveTable())
        return;
    groups_.storeShown();
    types_.storeShown();
    CDialog::OnOK();
}

void CDlgEditLibSections::placePages() {
    auto* tabs = dynamic_cast<CTabCtrl*>(GetDlgItem(kTabs));
    if (tabs == nullptr)
        return;
    CRect area;
    tabs->GetWindowRect(&area);
    ScreenToClient(&area);
    tabs->AdjustRect(FALSE, &area);
    for (CDialog* page : {static_cast<CDialog*>(&groups_), static_cast<CDialog*>(&types_),
                          static_cast<CDialog*>(&values_)}) {
        if (page->GetSafeHwnd() != nullptr)
            page->MoveWindow(&area);
    }
}

void CDlgEditLibSections::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    CWnd* tabs = GetDlgItem(kTabs);
    CWnd* ok = GetDlgItem(IDOK);
    CWnd* cancel = GetDlgItem(IDCANCEL);
    if (tabs == nullptr || ok == nullptr || cancel == nullptr)
        return;
    CRect okRect;
    CRect cancelRect;
    ok->GetWindowRect(&okRect);
    cancel->GetWindowRect(&cancelRect);
    const int buttonTop = cy - kMargin - okRect.Height();
    cancel->MoveWindow(cx - kMargin - cancelRect.Width(), buttonTop, cancelRect.Width(),
                       cancelRect.Height());
    ok->MoveWindow(cx - kMargin - cancelRect.Width() - 6 - okRect.Width(), buttonTop,
                   okRect.Width(), okRect.Height());
    CRect tabRect;
    tabs->GetWindowRect(&tabRect);
    ScreenToClient(&tabRect);
    tabs->MoveWindow(tabRect.left, tabRect.top, cx - kMargin - tabRect.left,
                     buttonTop - 8 - tabRect.top);
    placePages();
}
