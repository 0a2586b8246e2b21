// Vdn_DlgDesignerData: the windows a design draws on its host dialog, and their values.
#include "designer/DesignerTexts.h"
#include "designer/Vdn_DlgDesignerData.h"
#include "platform/core/text/NumberHelpers.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/controls/CStatic.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/graphics/WinGdi.h"
#include "platform/ui/windows/WinConstants.h"

#include <cmath>
#include <cwchar>

namespace {

// A dropped-down list is this many pixels high at run time.
constexpr int kComboListHeight = 200;

int numberIn(const Vdn_String& text) {
    return static_cast<int>(std::wcstol(text.c_str(), nullptr, 10));
}

double decimalIn(const Vdn_String& text) {
    return std::wcstod(text.c_str(), nullptr);
}

std::unique_ptr<CWnd> makeWindow(designer::ControlKind kind) {
    switch (kind) {
    case designer::ControlKind::Static:
        return std::make_unique<CStatic>();
    case designer::ControlKind::Button:
        return std::make_unique<CButton>();
    case designer::ControlKind::Edit:
        return std::make_unique<CEdit>();
    case designer::ControlKind::ComboBox:
        return std::make_unique<CComboBox>();
    default:
        return std::make_unique<CWnd>();
    }
}

DWORD styleOf(const Vdn_DesignerControl& control, DWORD& exStyle) {
    DWORD style = WS_CHILD | WS_VISIBLE;
    exStyle = 0;
    switch (designer::kindOf(control.type)) {
    case designer::ControlKind::Edit:
        exStyle = WS_EX_CLIENTEDGE;
        style |= WS_TABSTOP;
        style |= designer::isTypeBoltCount(control.type) ? ES_MULTILINE : ES_AUTOHSCROLL;
        break;
    case designer::ControlKind::ComboBox:
        style |= WS_VSCROLL | WS_TABSTOP;
        style |= (control.type == ctVarCombo || control.type == ctProfRotation)
                     ? (CBS_DROPDOWN | CBS_AUTOHSCROLL)
                     : CBS_DROPDOWNLIST;
        break;
    case designer::ControlKind::Button:
        if (control.type == ctGroupBox) {
            style |= BS_GROUPBOX;
        } else if (control.type == ctFlexFixButton) {
            style |= BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_ICON | BS_VCENTER | WS_TABSTOP;
        } else if (control.type == ctCheckBox) {
            // A check box is drawn as one from the start, not only once it gets a value.
            style |= BS_AUTOCHECKBOX | WS_TABSTOP;
        } else {
            style |= BS_PUSHBUTTON | WS_TABSTOP;
        }
        break;
    default:
        break;
    }
    return style;
}

// The check state a check-box control's text stands for.
void applyCheckText(CButton& button, const Vdn_String& text) {
    if (text == Vdn_DlgDesignerData::undeterminedText()) {
        button.SetButtonStyle(BS_AUTO3STATE);
        button.SetCheck(BST_INDETERMINATE);
        return;
    }
    button.SetButtonStyle(BS_AUTOCHECKBOX);
    button.SetCheck(decimalIn(text) > 0 ? BST_CHECKED : BST_UNCHECKED);
}

} // namespace

void Vdn_DlgDesignerData::drawControl(int index) {
    CDialog* host = dialog();
    if (!initialized_ || host == nullptr || !controls_.isValid(index)) {
        return;
    }
    const Vdn_DesignerControl& control = controls_[index];
    CRect rect(static_cast<int>(ObjectExportRoundTo(imageWidth_ * control.topLeftX, 1)),
               static_cast<int>(ObjectExportRoundTo(imageHeight_ * control.topLeftY, 1)),
               static_cast<int>(ObjectExportRoundTo(imageWidth_ * control.bottomRightX, 1)),
               static_cast<int>(ObjectExportRoundTo(imageHeight_ * control.bottomRightY, 1)));
    const designer::ControlKind kind = designer::kindOf(control.type);
    if (!designerMode_) {
        if (kind == designer::ControlKind::ComboBox && rect.Height() < kComboListHeight) {
            rect.bottom = rect.top + kComboListHeight;
        }
        if (designer::isTypeBoltCount(control.type)) {
            // Pattern texts get taller with a larger font, up to two lines.
            const int height = rect.Height();
            const double extra = 18 * fontScale_ - 18;
            const int wanted =
                static_cast<int>(std::ceil(extra > 0 ? height + extra / 1.6 : height));
            if (wanted < 36 && wanted > height) {
                rect.bottom = rect.top + wanted;
            }
        }
    }
    DWORD exStyle = 0;
    const DWORD style = styleOf(control, exStyle);
    std::unique_ptr<CWnd> window = makeWindow(kind);
    if (!window->CreateEx(exStyle, designer::windowClassOf(kind), control.contents.str(), style,
                          rect, host, static_cast<UINT>(control.resourceId))) {
        return;
    }
    window->SetFont(host->GetFont(), FALSE);
    if (control.readOnly || (designerMode_ && kind != designer::ControlKind::Static)) {
        window->EnableWindow(FALSE);
    }
    CWnd& made = *window;
    drawn_.push_back(std::make_unique<CControlRect>(std::move(window), rect));
    if (designerMode_ && tracker_) {
        tracker_->add(drawn_.back().get());
    }
    if (kind == designer::ControlKind::ComboBox) {
        fillCombo(control, made);
        if (control.type == ctCutCombo) {
            dynamic_cast<CComboBox&>(made).SetCurSel(numberIn(control.contents));
        }
    } else if (control.type == ctCheckBox) {
        applyCheckText(dynamic_cast<CButton&>(made), control.comboList);
    } else if (control.type == ctFlexFixButton) {
        // Icons are shared and loaded once; the button only shows it.
        dynamic_cast<CButton&>(made).SetIcon(LoadIcon(nullptr, designer::kFlexIcon));
    }
}

void Vdn_DlgDesignerData::fillCombo(const Vdn_DesignerControl& control, CWnd& window) const {
    auto* combo = dynamic_cast<CComboBox*>(&window);
    if (combo == nullptr) {
        return;
    }
    Vdn_StringArray items;
    if (control.type == ctCutCombo) {
        items.append(undeterminedText());
        for (int state = 0; state < designer::kCutStateCount; ++state) {
            items.append(dialString(designer::kCutStateBase + state));
        }
    } else {
        items = control.items;
        if (items.length() == 0) {
            control.getComboItemsFromFile(items);
        }
    }
    if (items.length() == 0) {
        return;
    }
    int selected = -1;
    for (int i = 0; i < items.length(); ++i) {
        combo->AddString(items[i].str());
        if (selected < 0 && items[i] == control.contents) {
            selected = i;
        }
    }
    if (control.type == ctCutCombo) {
        return;
    }
    if (selected >= 0) {
        combo->SetCurSel(selected);
    } else {
        combo->SetWindowText(control.contents.str());
    }
}

void Vdn_DlgDesignerData::redrawAllControls() {
    if (!designerMode_) {
        sortAllControls();
    } else if (tracker_) {
        tracker_->clearSelection();
    }
    removeAllDrawnCtrls();
    for (int i = 0; i < controls_.length(); ++i) {
        drawControl(i);
    }
}

void Vdn_DlgDesignerData::removeAllDrawnCtrls() {
    if (tracker_) {
        for (const auto& drawn : drawn_) {
            tracker_->remove(drawn.get());
        }
    }
    drawn_.clear();
}

void Vdn_DlgDesignerData::getSizeFromControl(int index) {
    CDialog* host = dialog();
    if (host == nullptr || drawn_.size() != static_cast<std::size_t>(controls_.length()) ||
        !controls_.isValid(index)) {
        return;
    }
    CWnd* window = drawn_[static_cast<std::size_t>(index)]->window();
    if (window == nullptr || window->GetSafeHwnd() == nullptr) {
        return;
    }
    CRect rect;
    window->GetWindowRect(&rect);
    host->ScreenToClient(&rect);
    Vdn_DesignerControl& control = controls_[index];
    control.topLeftX = pixelsToFactor(true, rect.left);
    control.bottomRightX = pixelsToFactor(true, rect.right);
    control.topLeftY = pixelsToFactor(false, rect.top);
    control.bottomRightY = pixelsToFactor(false, rect.bottom);
}

void Vdn_DlgDesignerData::getSizeFromAllControls() {
    for (int i = 0; i < controls_.length(); ++i) {
        getSizeFromControl(i);
    }
}

bool Vdn_DlgDesignerData::getCtrlValue(int id, Vdn_String& value) const {
    const CControlRect* drawn = drawnWithId(id);
    int index = 0;
    if (drawn == nullptr || drawn->window() == nullptr || !findCtrlFromResource(id, index)) {
        return false;
    }
    CWnd& window = *drawn->window();
    switch (controls_[index].type) {
    case ctCheckBox: {
        const int check = dynamic_cast<CButton&>(window).GetCheck();
        value = check == BST_INDETERMINATE ? undeterminedText()
                                           : Vdn_String(check == BST_CHECKED ? L"1" : L"0");
        return true;
    }
    case ctCutCombo:
        value = Vdn_String(std::to_wstring(dynamic_cast<CComboBox&>(window).GetCurSel()));
        return true;
    default:
        value = Vdn_String(window.GetWindowText());
        return true;
    }
}

bool Vdn_DlgDesignerData::setCtrlValue(int id, const Vdn_String& value) {
    CControlRect* drawn = drawnWithId(id);
    int index = 0;
    if (drawn == nullptr || drawn->window() == nullptr || !findCtrlFromResource(id, index)) {
        return false;
    }
    CWnd& window = *drawn->window();
    switch (controls_[index].type) {
    case ctCalcButton:
    case ctCalcButtonNoDivisor:
        return true; // their captions stay
    case ctCutCombo:
        dynamic_cast<CComboBox&>(window).SetCurSel(numberIn(value));
        return true;
    case ctCheckBox:
        applyCheckText(dynamic_cast<CButton&>(window), value);
        return true;
    default:
        window.SetWindowText(value.str());
        return true;
    }
}

bool Vdn_DlgDesignerData::setCtrlReadOnly(int id, bool readOnly) {
    int index = 0;
    if (!findCtrlFromResource(id, index)) {
        return false;
    }
    Vdn_DesignerControl& control = controls_[index];
    if (control.type != ctVarEdit && control.type != ctVarCombo) {
        return false;
    }
    // The model follows, so that the tab order skips what cannot be edited.
    control.readOnly = readOnly;
    CControlRect* drawn = drawnWithId(id);
    if (drawn != nullptr && drawn->window() != nullptr &&
        (drawn->window()->IsWindowEnabled() != FALSE) == readOnly) {
        drawn->window()->EnableWindow(readOnly ? FALSE : TRUE);
    }
    return true;
}
