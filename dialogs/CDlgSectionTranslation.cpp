#include "dialogs/CDlgSectionTranslation.h"

#include "platform/core/sections/SectionTranslations.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CListBox.h"
#include "platform/ui/dialogs/NumberedItemTexts.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr int kCancelText = 2;
constexpr int kNameText = 20550;
constexpr int kApplyText = 20551;
constexpr int kDeleteText = 20552;
constexpr int kNotSaved = 20554;
constexpr int kNameMissing = 20557;

// The labels stand just before their edits.
constexpr int kNameLabel = CDlgSectionTranslation::kNameEdit - 1;
constexpr int kTranslationLabel = CDlgSectionTranslation::kTranslationEdit - 1;

Vdn_String typed(CWnd& dialog, int id) {
    std::wstring text;
    dialog.GetDlgItemText(id, text);
    return Vdn_String(text).trim();
}

} // namespace

CDlgSectionTranslation::CDlgSectionTranslation(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kList, LBN_SELCHANGE, [this] { showChosen(); });
    onCommand(kApplyButton, BN_CLICKED, [this] { apply(); });
    onCommand(kDeleteButton, BN_CLICKED, [this] { removeChosen(); });
}

BOOL CDlgSectionTranslation::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(title_.str());
    SetDlgItemText(kNameLabel, (dialString(kNameText) + L":").str());
    SetDlgItemText(kTranslationLabel, (prompt_ + L":").str());
    setNumberedItemTexts(
        *this, {{kApplyButton, kApplyText}, {kDeleteButton, kDeleteText}, {IDCANCEL, kCancelText}});
    fillList(names_.isEmpty() ? -1 : 0);
    return TRUE;
}

void CDlgSectionTranslation::OnOK() {
    if (!typed(*this, kNameEdit).isEmpty() && !apply())
        return;
    Vdn_String problem;
    if (!saveSectionTranslation(file_, names_, translations_, &problem)) {
        warn(dialString(kNotSaved) + L":\n" + file_ + L"\n" + problem);
        return;
    }
    CDialog::OnOK();
}

void CDlgSectionTranslation::fillList(int select) {
    auto* list = dynamic_cast<CListBox*>(GetDlgItem(kList));
    if (list == nullptr)
        return;
    list->ResetContent();
    for (int i = 0; i < names_.length(); ++i) {
        const Vdn_String shown =
            translations_[i].isEmpty() ? names_[i] : names_[i] + L"  \x2192  " + translations_[i];
        list->AddString(shown.str());
    }
    list->SetCurSel(select);
    showChosen();
}

void CDlgSectionTranslation::showChosen() {
    auto* list = dynamic_cast<CListBox*>(GetDlgItem(kList));
    const int chosen = list != nullptr ? list->GetCurSel() : -1;
    const bool any = chosen >= 0 && chosen < names_.length();
    SetDlgItemText(kNameEdit, any ? names_[chosen].str() : L"");
    SetDlgItemText(kTranslationEdit, any ? translations_[chosen].str() : L"");
    if (CWnd* button = GetDlgItem(kDeleteButton))
        button->EnableWindow(any ? TRUE : FALSE);
}

bool CDlgSectionTranslation::apply() {
    const Vdn_String name = typed(*this, kNameEdit);
    const Vdn_String translation = typed(*this, kTranslationEdit);
    if (name.isEmpty()) {
        warn(dialString(kNameMissing));
        GotoDlgCtrl(GetDlgItem(kNameEdit));
        return false;
    }
    int index = names_.find(name, false);
    if (index < 0) {
        index = names_.append(name);
        translations_.append(translation);
    } else {
        names_[index] = name;
        translations_[index] = translation;
    }
    fillList(index);
    return true;
}

void CDlgSectionTranslation::removeChosen() {
    auto* list = dynamic_cast<CListBox*>(GetDlgItem(kList));
    const int chosen = list != nullptr ? list->GetCurSel() : -1;
    if (chosen < 0 || chosen >= names_.length())
        return;
    names_.removeAt(chosen);
    translations_.removeAt(chosen);
    fillList(std::min(chosen, names_.length() - 1));
}

void CDlgSectionTranslation::warn(const Vdn_String& text) {
    MessageBox(text.str(), title_.str(), MB_OK | MB_ICONEXCLAMATION);
}

bool writeSectionTranslation(const Vdn_String& file, const Vdn_StringArray& names,
                             const Vdn_StringArray& translations, const Vdn_String& title,
                             const Vdn_String& prompt, CWnd* parent) {
    CDlgSectionTranslation dialog(parent);
    dialog.file_ = file;
    dialog.title_ = title;
    dialog.prompt_ = prompt;
    dialog.names_ = names;
    dialog.translations_ = translations;
    return dialog.DoModal() == IDOK;
}
