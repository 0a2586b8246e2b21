#include "macro/settings/MacroSettingsPage.h"

#include "platform/core/files/ProductFiles.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/controls/CStatic.h"
#include "platform/ui/controls/IconButton.h"
#include "platform/ui/graphics/CBitmap.h"
#include "platform/ui/windows/WinConstants.h"

MacroSettingsPage::MacroSettingsPage(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

MacroSettingsPage::~MacroSettingsPage() = default;

Vdn_String MacroSettingsPage::numberText(double value) {
    return Vdn_String(value, 2);
}

double MacroSettingsPage::numberOr(const Vdn_String& text, double old) {
    bool ok = false;
    const double value = text.trim().toDouble(&ok);
    return ok ? value : old;
}

void MacroSettingsPage::OnCancel() {
    if (auto* owner = dynamic_cast<CDialog*>(GetParent()))
        owner->EndDialog(IDCANCEL);
}

void MacroSettingsPage::OnDestroy() {
    closing_ = true;
    commit();
    CDialog::OnDestroy();
}

void MacroSettingsPage::showPicture(int id, const wchar_t* name) {
    auto* control = dynamic_cast<CStatic*>(GetDlgItem(id));
    if (control == nullptr)
        return;
    auto picture = std::make_unique<CBitmap>();
    if (!picture->loadFromFile(core::productFile(Vdn_String(L"icons\\") + name)))
        return;
    control->SetBitmap(*picture);
    pictures_.push_back(std::move(picture));
}

void MacroSettingsPage::setTexts(std::initializer_list<std::pair<int, int>> idAndText) {
    for (const auto& [id, text] : idAndText)
        SetDlgItemText(id, dialString(text).str());
}

Vdn_String MacroSettingsPage::itemText(int id) const {
    std::wstring text;
    GetDlgItemText(id, text);
    return Vdn_String(text);
}

void MacroSettingsPage::enable(int id, bool on) {
    if (CWnd* control = GetDlgItem(id))
        control->EnableWindow(on ? TRUE : FALSE);
}

void MacroSettingsPage::iconButton(int id, UINT icon, int tipText) {
    auto button = std::make_unique<CButtonST>();
    if (attachIconButton(*button, this, id, icon, dialString(tipText).str()))
        iconButtons_.push_back(std::move(button));
}
