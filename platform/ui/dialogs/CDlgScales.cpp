#include "platform/ui/dialogs/CDlgScales.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/controls/CListBox.h"
#include "platform/ui/dialogs/NumberedItemTexts.h"
#include "platform/ui/windows/WinApi.h"
#include "platform/ui/windows/WinConstants.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kValueText = 20308;
constexpr int kAddText = 20309;
constexpr int kRemoveText = 20310;
constexpr int kScaleRefused = 20311;
constexpr int kScaleListed = 20312;
constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kDecimals = 6;

constexpr int kValueLabel = CDlgScales::kValueEdit - 1;

} // namespace

Vdn_String scaleText(double scale) {
    return Vdn_String(L"1:") + Vdn_String(scale, kDecimals, true);
}

CDlgScales::CDlgScales(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kAddButton, BN_CLICKED, [this] { addScale(); });
    onCommand(kRemoveButton, BN_CLICKED, [this] { removeScale(); });
}

BOOL CDlgScales::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(title_.str());
    SetDlgItemText(kValueLabel, string(kValueText).str());
    SetDlgItemText(kAddButton, string(kAddText).str());
    SetDlgItemText(kRemoveButton, string(kRemoveText).str());
    setNumberedItemTexts(*this, {{IDOK, kOkText}, {IDCANCEL, kCancelText}});
    fillList(scales_.isEmpty() ? -1 : 0);
    return TRUE;
}

void CDlgScales::fillList(int selected) {
    auto* list = dynamic_cast<CListBox*>(GetDlgItem(kScaleList));
    if (list == nullptr)
        return;
    list->ResetContent();
    for (const double scale : scales_)
        list->AddString(scaleText(scale).str());
    list->SetCurSel(selected);
}

void CDlgScales::addScale() {
    std::wstring typed;
    GetDlgItemText(kValueEdit, typed);
    Vdn_String text = Vdn_String(typed).trim();
    // "1:25" and "25" both mean 1:25.
    if (text.find(L"1:") == 0)
        text = Vdn_String(text.str().substr(2)).trim();
    bool whole = false;
    const double scale = text.toDouble(&whole);
    const auto refuse = [this](int message) {
        AfxMessageBox(string(message).str(), MB_OK | MB_ICONEXCLAMATION);
        if (auto* edit = dynamic_cast<CEdit*>(GetDlgItem(kValueEdit))) {
            GotoDlgCtrl(edit);
            edit->SetSel(0, -1);
        }
    };
    if (!whole || !std::isfinite(scale) || scale <= 0.0) {
        refuse(kScaleRefused);
        return;
    }
    if (scales_.contains(scale)) {
        refuse(kScaleListed);
        return;
    }
    int index = 0;
    while (index < scales_.length() && scales_[index] < scale)
        ++index;
    scales_.insertAt(index, scale);
    SetDlgItemText(kValueEdit, L"");
    fillList(index);
}

void CDlgScales::removeScale() {
    auto* list = dynamic_cast<CListBox*>(GetDlgItem(kScaleList));
    if (list == nullptr)
        return;
    const int index = list->GetCurSel();
    if (!scales_.removeAt(index))
        return;
    fillList(std::min(index, scales_.length() - 1));
}

bool StartScalesDlg(const Vdn_String& title, Vdn_Array<double>& scales) {
    CDlgScales dialog;
    dialog.title_ = title;
    dialog.scales_ = scales;
    if (dialog.DoModal() != IDOK)
        return false;
    scales = dialog.scales_;
    return true;
}
