#include "platform/ui/dialogs/CDialog.h"

#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/controls/CListBox.h"
#include "platform/ui/controls/CStatic.h"
#include "platform/ui/controls/CTabCtrl.h"
#include "platform/ui/dialogs/DialogNavigation.h"
#include "platform/ui/dialogs/DialogUnits.h"
#include "platform/ui/dialogs/TemplateLibrary.h"
#include "platform/ui/users/User.h"
#include "platform/ui/windows/Diagnostics.h"
#include "platform/ui/windows/WinApi.h"
#include "platform/ui/windows/WindowRegistry.h"

#include <memory>

using ui::DialogNavigation;
using ui::WindowRegistry;

namespace {

constexpr DWORD kHasDefId = 0x534B; // DC_HASDEFID

std::unique_ptr<CWnd> makeControl(ui::ControlKind kind) {
    switch (kind) {
    case ui::ControlKind::Static:
        return std::make_unique<CStatic>();
    case ui::ControlKind::Button:
        return std::make_unique<CButton>();
    case ui::ControlKind::Edit:
        return std::make_unique<CEdit>();
    case ui::ControlKind::ComboBox:
        return std::make_unique<CComboBox>();
    case ui::ControlKind::ListBox:
        return std::make_unique<CListBox>();
    case ui::ControlKind::Tab:
        return std::make_unique<CTabCtrl>();
    case ui::ControlKind::Custom:
        break;
    }
    return std::make_unique<CWnd>();
}

void fillItems(CWnd& control, const ui::ControlTemplate& tmpl) {
    if (auto* combo = dynamic_cast<CComboBox*>(&control)) {
        for (const auto& item : tmpl.items) {
            const int index = combo->AddString(item.text);
            combo->SetItemData(index, item.data);
        }
    } else if (auto* list = dynamic_cast<CListBox*>(&control)) {
        for (const auto& item : tmpl.items) {
            const int index = list->AddString(item.text);
            list->SetItemData(index, item.data);
        }
    } else if (auto* tabs = dynamic_cast<CTabCtrl*>(&control)) {
        for (const auto& item : tmpl.items) {
            TCITEM tab;
            tab.mask = TCIF_TEXT | TCIF_PARAM;
            tab.pszText = item.text;
            tab.lParam = static_cast<LPARAM>(item.data);
            tabs->InsertItem(tabs->GetItemCount(), &tab);
        }
    }
}

} // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parentArg_(parent) {}

CDialog::CDialog(const std::wstring& templateName, CWnd* parent)
    : templateName_(templateName), parentArg_(parent) {}

CDialog::~CDialog() = default;

const ui::DialogTemplate* CDialog::dialogTemplate() const {
    auto& library = ui::TemplateLibrary::instance();
    if (!templateName_.empty()) {
        return library.findByName(templateName_);
    }
    return library.find(templateId_);
}

bool CDialog::build(CWnd* parent) {
    const ui::DialogTemplate* tmpl = dialogTemplate();
    if (tmpl == nullptr) {
        ui::Diagnostics::report(
            L"dialog template " +
            (templateName_.empty() ? std::to_wstring(templateId_) : L"\"" + templateName_ + L"\"") +
            L" not found");
        return false;
    }
    templateId_ = tmpl->id;
    templateName_ = tmpl->name;
    DWORD style = tmpl->style & ~WS_VISIBLE;
    if (modal_) {
        style = (style & ~WS_CHILD) | WS_POPUP;
    }
    DWORD exStyle = tmpl->exStyle;
    if ((style & DS_MODALFRAME) != 0) {
        exStyle |= WS_EX_DLGMODALFRAME;
    }
    if ((style & DS_CONTROL) != 0) {
        exStyle |= WS_EX_CONTROLPARENT;
    }
    CRect rect(0, 0, ui::dialogUnitsToPixelsX(tmpl->cx), ui::dialogUnitsToPixelsY(tmpl->cy));
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    rect.OffsetRect(-rect.left, -rect.top);
    if (!CreateEx(exStyle, L"#32770", tmpl->caption, style, rect, parent, 0)) {
        ui::Diagnostics::report(L"dialog template " + std::to_wstring(tmpl->id) +
                                L": the window could not be created");
        return false;
    }
    CFont font;
    font.CreatePointFont(tmpl->fontPoints * 10, tmpl->fontFace);
    if (tmpl->fontWeight != FW_NORMAL) {
        font.CreateFont(font.height(), 0, 0, 0, tmpl->fontWeight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0,
                        0, tmpl->fontFace);
    }
    SetFont(&font, FALSE);
    for (const ui::ControlTemplate& controlSpec : tmpl->controls) {
        std::unique_ptr<CWnd> control = makeControl(controlSpec.kind);
        const CRect controlRect =
            ui::mapDialogRect(controlSpec.x, controlSpec.y, controlSpec.cx, controlSpec.cy);
        if (!control->CreateEx(controlSpec.exStyle, controlSpec.className.c_str(), controlSpec.text,
                               controlSpec.style | WS_CHILD, controlRect, this,
                               static_cast<UINT>(controlSpec.id))) {
            continue;
        }
        control->SetFont(&font, FALSE);
        fillItems(*control, controlSpec);
        adoptChild(std::move(control));
    }
    return true;
}

INT_PTR CDialog::DoModal() {
    if (GetSafeHwnd() != nullptr) {
        return -1;
    }
    ui::DispatchGuard guard;
    modal_ = true;
    ended_ = false;
    result_ = -1;
    CWnd* owner = parentArg_ != nullptr ? parentArg_->GetTopLevelParent() : AfxGetMainWnd();
    if (owner != nullptr && owner->GetSafeHwnd() == nullptr) {
        owner = nullptr;
    }
    if (!build(owner)) {
        modal_ = false;
        return -1;
    }
    WindowRegistry& registry = WindowRegistry::instance();
    CWnd* const previousFocus = GetFocus();
    const bool disableOwner = owner != nullptr && owner->IsWindowEnabled();
    if (disableOwner) {
        owner->EnableWindow(FALSE);
    }
    const BOOL defaultFocus = OnInitDialog();
    if (!ended_ && GetSafeHwnd() != nullptr) {
        ShowWindow(SW_SHOW);
        if (defaultFocus) {
            if (CWnd* first = DialogNavigation::nextTabStop(*this, nullptr, false)) {
                DialogNavigation::focusControl(*first);
            }
        }
        if (!ended_ && GetSafeHwnd() != nullptr) {
            ui::User::current().runModal(*this);
        }
        if (!ended_ && GetSafeHwnd() != nullptr) {
            OnCancel();
            if (!ended_) {
                EndDialog(IDCANCEL);
            }
        }
    }
    if (disableOwner && registry.isAlive(owner) && owner->GetSafeHwnd() != nullptr) {
        owner->EnableWindow(TRUE);
    }
    const int result = ended_ ? result_ : -1;
    if (GetSafeHwnd() != nullptr) {
        DestroyWindow();
    }
    if (registry.isAlive(previousFocus) && previousFocus->GetSafeHwnd() != nullptr) {
        previousFocus->SetFocus();
    }
    modal_ = false;
    return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    templateId_ = templateId;
    templateName_.clear();
    return Create(std::wstring(), parent);
}

BOOL CDialog::Create(const std::wstring& templateName, CWnd* parent) {
    if (GetSafeHwnd() != nullptr) {
        return FALSE;
    }
    ui::DispatchGuard guard;
    if (!templateName.empty()) {
        templateName_ = templateName;
    }
    modal_ = false;
    ended_ = false;
    result_ = -1;
    parentArg_ = parent;
    const ui::DialogTemplate* tmpl = dialogTemplate();
    CWnd* owner = parent;
    if (tmpl != nullptr && (tmpl->style & WS_CHILD) == 0 && owner == nullptr) {
        owner = AfxGetMainWnd();
    }
    if (!build(owner)) {
        return FALSE;
    }
    const bool visible = (tmpl->style & WS_VISIBLE) != 0;
    const BOOL defaultFocus = OnInitDialog();
    if (GetSafeHwnd() == nullptr) {
        return FALSE;
    }
    if (visible && !ended_) {
        ShowWindow(SW_SHOW);
        if (defaultFocus) {
            if (CWnd* first = DialogNavigation::nextTabStop(*this, nullptr, false)) {
                DialogNavigation::focusControl(*first);
            }
        }
    }
    return TRUE;
}

void CDialog::EndDialog(int result) {
    result_ = result;
    ended_ = true;
    if (!modal_ && GetSafeHwnd() != nullptr) {
        ShowWindow(SW_HIDE);
    }
}

void CDialog::NextDlgCtrl() const {
    if (CWnd* next = DialogNavigation::nextTabStop(*this, GetFocus(), false)) {
        DialogNavigation::focusControl(*next);
    }
}

void CDialog::PrevDlgCtrl() const {
    if (CWnd* previous = DialogNavigation::nextTabStop(*this, GetFocus(), true)) {
        DialogNavigation::focusControl(*previous);
    }
}

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (control != nullptr) {
        DialogNavigation::focusControl(*control);
    }
}

namespace {

void collectPushButtons(const CWnd& window, std::vector<CButton*>& out) {
    for (CWnd* child : window.children()) {
        if (auto* button = dynamic_cast<CButton*>(child); button && button->isPushButton()) {
            out.push_back(button);
        } else if (DialogNavigation::isContainer(*child)) {
            collectPushButtons(*child, out);
        }
    }
}

} // namespace

DWORD CDialog::GetDefID() const {
    if (defId_ != 0) {
        return (kHasDefId << 16) | defId_;
    }
    std::vector<CButton*> buttons;
    collectPushButtons(*this, buttons);
    for (CButton* button : buttons) {
        if (button->GetButtonStyle() == BS_DEFPUSHBUTTON) {
            return (kHasDefId << 16) | static_cast<WORD>(button->GetDlgCtrlID());
        }
    }
    return (kHasDefId << 16) | static_cast<DWORD>(IDOK);
}

void CDialog::SetDefID(UINT id) {
    defId_ = id & 0xFFFFU;
    std::vector<CButton*> buttons;
    collectPushButtons(*this, buttons);
    for (CButton* button : buttons) {
        const bool isDefault = static_cast<UINT>(button->GetDlgCtrlID()) == defId_;
        button->SetButtonStyle(isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    }
}

BOOL CDialog::OnInitDialog() {
    return TRUE;
}

void CDialog::OnOK() {
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam)) {
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
    }
    return FALSE;
}

void CDialog::OnClose() {
    OnCancel();
}
