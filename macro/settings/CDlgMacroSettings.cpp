#include "macro/settings/CDlgMacroSettings.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/core/text/StringHelpers.h"
#include "platform/ui/controls/CTabCtrl.h"
#include "platform/ui/windows/WinConstants.h"

#include <array>

namespace {

constexpr int kCaption = 916;
constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr std::array<int, CDlgMacroSettings::kPageCount> kPageTexts = {917, 918, 919,
                                                                       875, 755, 1728};
constexpr int kWriteFailedCaption = 20702;
constexpr int kWriteFailedText = 20703;
// Where a page sits in the tab control (pixels): below the row of tabs, inside the border.
constexpr int kHeaderHeight = 22;
constexpr int kBelowHeader = 2;
constexpr int kLeftInset = 2;
constexpr int kRightInset = 3;
constexpr int kBottomInset = 2;

} // namespace

CDlgMacroSettings::CDlgMacroSettings(CWnd* parent) : CDialog(IDD, parent) {
    onNotify(kTabs, TCN_SELCHANGE, [this](NMHDR*, LRESULT*) {
        if (auto* tabs = dynamic_cast<CTabCtrl*>(GetDlgItem(kTabs)))
            showPage(tabs->GetCurSel());
    });
}

MacroSettingsPage* CDlgMacroSettings::page(int index) {
    MacroSettingsPage* pages[kPageCount] = {&filter_,    &filter2_, &properties_,
                                            &variables_, &groups_,  &mapping_};
    return index >= 0 && index < kPageCount ? pages[index] : nullptr;
}

BOOL CDlgMacroSettings::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kCaption).str());
    SetDlgItemText(IDOK, dialString(kOkText).str());
    SetDlgItemText(IDCANCEL, dialString(kCancelText).str());
    if (auto* tabs = dynamic_cast<CTabCtrl*>(GetDlgItem(kTabs))) {
        for (int i = 0; i < kPageCount; ++i)
            tabs->InsertItem(i, dialString(kPageTexts[static_cast<std::size_t>(i)]).str());
    }
    // Each page gets its part of the record before it is made.
    filter_.data_ = &data_;
    filter2_.data_ = &data_;
    properties_.data_ = &data_;
    variables_.data_ = &data_;
    groups_.data_ = &data_;
    mapping_.data_ = &data_;
    mapping_.macro_ = macro_;
    for (int i = 0; i < kPageCount; ++i)
        page(i)->Create(page(i)->templateId(), this);
    placePages();
    showPage(page(startPage_) != nullptr ? startPage_ : kFilterPage);
    return TRUE;
}

void CDlgMacroSettings::showPage(int index) {
    if (page(index) == nullptr)
        return; // a tab beyond the pages changes nothing
    for (int i = 0; i < kPageCount; ++i)
        page(i)->ShowWindow(i == index ? SW_SHOW : SW_HIDE);
    page_ = index;
    if (auto* tabs = dynamic_cast<CTabCtrl*>(GetDlgItem(kTabs)))
        tabs->SetCurSel(index);
}

void CDlgMacroSettings::placePages() {
    CWnd* tabs = GetDlgItem(kTabs);
    if (tabs == nullptr)
        return;
    CRect area;
    tabs->GetWindowRect(&area);
    ScreenToClient(&area);
    area.left += kLeftInset;
    area.top += kHeaderHeight + kBelowHeader;
    area.right -= kRightInset;
    area.bottom -= kBottomInset;
    for (int i = 0; i < kPageCount; ++i) {
        if (page(i)->GetSafeHwnd() != nullptr)
            page(i)->MoveWindow(&area);
    }
}

void CDlgMacroSettings::OnOK() {
    // The variables first: they are the page that may refuse.
    if (!variables_.commit()) {
        showPage(kVariablesPage);
        return;
    }
    for (int i = 0; i < kPageCount; ++i)
        page(i)->commit();
    if (writeMappings_) {
        Vdn_StringArray failed;
        if (!mapping_.pending().writeAll(failed)) {
            MessageBox((dialString(kWriteFailedText) + L"\n\n" + arrToStr(failed, L'\n')).str(),
                       dialString(kWriteFailedCaption).str(), MB_OK | MB_ICONEXCLAMATION);
            showPage(kMappingPage);
            return;
        }
    }
    CDialog::OnOK();
}
