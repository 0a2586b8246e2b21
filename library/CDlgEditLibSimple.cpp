#include "library/CDlgEditLibSimple.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/dialogs/DlgSize.h"
#include "platform/ui/windows/WinConstants.h"

#include <utility>

namespace {

constexpr int kCaption = 796;
constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kActiveText = 20453;
constexpr int kAutomaticText = 20463;
constexpr int kNameText = 20464;
constexpr int kWarningCaption = 1098;
constexpr int kRadiusFirst = 1457;
constexpr int kRadiusSecond = 1458;
constexpr int kCorrect = 888;
constexpr int kBadValue = 20469;
constexpr int kNoName = 20470;
constexpr int kNameInUse = 20471;
constexpr int kNoTable = 20473;

} // namespace

CDlgEditLibSimple::CDlgEditLibSimple(CWnd* parent) : CDialog(IDD, parent) {
    // Typing a name chooses the typed name over the automatic one.
    onCommand(kNameEdit, EN_CHANGE, [this] {
        CheckDlgButton(kAutomaticOption, BST_UNCHECKED);
        CheckDlgButton(kNameOption, BST_CHECKED);
    });
}

BOOL CDlgEditLibSimple::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kCaption).str());
    for (const auto& [id, text] :
         {std::pair{IDOK, kOkText}, std::pair{IDCANCEL, kCancelText},
          std::pair{kActiveCheck, kActiveText}, std::pair{kAutomaticOption, kAutomaticText},
          std::pair{kNameOption, kNameText}})
        SetDlgItemText(id, dialString(text).str());

    adder_ = std::make_unique<SimpleSizeAdder>(table_, startName_, StandardTemplates::ofLibrary());
    CheckDlgButton(kActiveCheck, adder_->copiedActive() ? BST_CHECKED : BST_UNCHECKED);
    // New sizes are always active; the box tells about the size copied.
    if (CWnd* active = GetDlgItem(kActiveCheck))
        active->EnableWindow(FALSE);
    SetDlgItemText(kNameEdit, adder_->copiedName().str());
    CheckDlgButton(kAutomaticOption, BST_CHECKED);
    CheckDlgButton(kNameOption, BST_UNCHECKED);

    const Vdn_StringArray& names = adder_->fieldNames();
    const Vdn_StringArray values = adder_->fieldValues();
    for (int field = 0; field < SimpleSizeAdder::kMaxFields; ++field) {
        const bool shown = field < names.length();
        if (shown) {
            SetDlgItemText(kFirstLabel + field,
                           SimpleSizeAdder::fieldLabel(field, names[field]).str());
            SetDlgItemText(kFirstField + field, values[field].str());
        }
        for (const int id : {kFirstLabel + field, kFirstField + field}) {
            if (CWnd* control = GetDlgItem(id))
                control->ShowWindow(shown ? SW_SHOW : SW_HIDE);
        }
    }
    // The library has no template pictures: their place stays empty.
    if (CWnd* picture = GetDlgItem(kPicture))
        picture->ShowWindow(SW_HIDE);
    ChangeDlgSize(this, kSizeKey);
    return TRUE;
}

void CDlgEditLibSimple::OnOK() {
    if (added_ || adder_ == nullptr) {
        CDialog::OnOK();
        return;
    }
    SimpleSizeAdder::Input input;
    input.automaticName = IsDlgButtonChecked(kAutomaticOption) == BST_CHECKED;
    std::wstring text;
    GetDlgItemText(kNameEdit, text);
    input.name = Vdn_String(text);
    for (int field = 0; field < adder_->fieldNames().length(); ++field) {
        GetDlgItemText(kFirstField + field, text);
        input.values.append(Vdn_String(text));
    }
    Vdn_String name;
    adder_->makeName(input, name);
    switch (adder_->add(input, table_, index_)) {
    case SimpleSizeAdder::Outcome::Added:
        added_ = true;
        CDialog::OnOK();
        return;
    case SimpleSizeAdder::Outcome::NoRows:
        warn(dialString(kNoTable));
        return;
    case SimpleSizeAdder::Outcome::NoName:
        warn(dialString(kNoName));
        return;
    case SimpleSizeAdder::Outcome::BadValue:
        warn(dialString(kBadValue));
        return;
    case SimpleSizeAdder::Outcome::NameInUse:
        warn(dialString(kNameInUse) + L" " + name);
        return;
    case SimpleSizeAdder::Outcome::RadiusTooSmall:
        warn(dialString(kRadiusFirst) + L"\n" + dialString(kRadiusSecond) + L"\n\n" +
             dialString(kCorrect) + L".");
        return;
    }
}

void CDlgEditLibSimple::warn(const Vdn_String& text) {
    MessageBox(text.str(), dialString(kWarningCaption).str(), MB_OK | MB_ICONEXCLAMATION);
}

void CDlgEditLibSimple::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    CDialog::OnDestroy();
}
