#include "dialogs/CDlgGrid.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/dialogs/NumberedItemTexts.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr int kCaption = 1463;
constexpr int kFirstFrameText = 1464;
constexpr int kSecondFrameText = 1465;
constexpr int kCountText = 1466;
constexpr int kSpacingText = 1467;
constexpr int kLabelText = 1468;
constexpr int kOptionText = 1469;
constexpr int kCancelText = 2;
constexpr int kCountRefused = 20101;

} // namespace

CDlgGrid::CDlgGrid(CWnd* parent) : CDialog(IDD, parent) {}

BOOL CDlgGrid::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kCaption).str());
    setNumberedItemTexts(*this, {{kFirstFrame, kFirstFrameText}, {kSecondFrame, kSecondFrameText}});
    // Each label stands just before its edit.
    for (const int edit : {kFirstCount, kSecondCount})
        SetDlgItemText(edit - 1, dialString(kCountText).str());
    for (const int edit : {kFirstSpacing, kSecondSpacing})
        SetDlgItemText(edit - 1, dialString(kSpacingText).str());
    for (const int edit : {kFirstLabel, kSecondLabel})
        SetDlgItemText(edit - 1, dialString(kLabelText).str());
    setNumberedItemTexts(*this, {{kOptionCheck, kOptionText}, {IDCANCEL, kCancelText}});

    SetDlgItemText(kFirstCount, Vdn_String(data_.firstCount).str());
    SetDlgItemText(kFirstSpacing, data_.firstSpacing.str());
    SetDlgItemText(kFirstLabel, data_.firstLabel.str());
    SetDlgItemText(kSecondCount, Vdn_String(data_.secondCount).str());
    SetDlgItemText(kSecondSpacing, data_.secondSpacing.str());
    SetDlgItemText(kSecondLabel, data_.secondLabel.str());
    CheckDlgButton(kOptionCheck, data_.optionFlag ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

bool CDlgGrid::readCount(int editId, int frameId, int& count) {
    std::wstring typed;
    GetDlgItemText(editId, typed);
    bool whole = false;
    const int value = Vdn_String(typed).toInt(&whole);
    if (whole && value >= 0 && value <= kMaxCount) {
        count = value;
        return true;
    }
    std::wstring frame;
    GetDlgItemText(frameId, frame);
    const Vdn_String message = Vdn_String(frame) + L", " + dialString(kCountText) + L": \"" +
                               Vdn_String(typed) + L"\"\n" + dialString(kCountRefused);
    MessageBox(message.str(), dialString(kCaption).str(), MB_OK | MB_ICONEXCLAMATION);
    if (auto* edit = dynamic_cast<CEdit*>(GetDlgItem(editId))) {
        GotoDlgCtrl(edit);
        edit->SetSel(0, -1);
    }
    return false;
}

void CDlgGrid::OnOK() {
    int firstCount = 0;
    int secondCount = 0;
    if (!readCount(kFirstCount, kFirstFrame, firstCount) ||
        !readCount(kSecondCount, kSecondFrame, secondCount))
        return;
    std::wstring text;
    data_.firstCount = firstCount;
    GetDlgItemText(kFirstSpacing, text);
    data_.firstSpacing = Vdn_String(text);
    GetDlgItemText(kFirstLabel, text);
    data_.firstLabel = Vdn_String(text);
    data_.secondCount = secondCount;
    GetDlgItemText(kSecondSpacing, text);
    data_.secondSpacing = Vdn_String(text);
    GetDlgItemText(kSecondLabel, text);
    data_.secondLabel = Vdn_String(text);
    data_.optionFlag = IsDlgButtonChecked(kOptionCheck) == BST_CHECKED;
    CDialog::OnOK();
}
