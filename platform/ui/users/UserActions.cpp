#include "platform/ui/users/UserActions.h"

#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/controls/CListBox.h"
#include "platform/ui/controls/CTabCtrl.h"
#include "platform/ui/users/Keyboard.h"
#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/MessageQueue.h"
#include "platform/ui/windows/WindowRegistry.h"

namespace ui {

namespace {

CWnd* findById(const CWnd& parent, int id) {
    for (CWnd* child : parent.children()) {
        if (child->GetDlgCtrlID() == id) {
            return child;
        }
        if (CWnd* found = findById(*child, id)) {
            return found;
        }
    }
    return nullptr;
}

const LPARAM kClickPoint = MAKELPARAM(1, 1);

} // namespace

UserActions::UserActions(CWnd& window, FailureSink sink)
    : window_(&window), sink_(std::move(sink)) {}

CWnd* UserActions::control(int id) const {
    if (!WindowRegistry::instance().isAlive(window_) || window_->GetSafeHwnd() == nullptr) {
        return nullptr;
    }
    return findById(*window_, id);
}

bool UserActions::fail(const std::wstring& message) const {
    if (sink_) {
        sink_(message);
    }
    return false;
}

CWnd* UserActions::usableControl(int id, const wchar_t* action) const {
    const std::wstring what = std::wstring(action) + L" control " + std::to_wstring(id);
    if (!WindowRegistry::instance().isAlive(window_) || window_->GetSafeHwnd() == nullptr) {
        fail(L"cannot " + what + L": the window is gone");
        return nullptr;
    }
    CWnd* found = findById(*window_, id);
    if (found == nullptr) {
        fail(L"cannot " + what + L": there is no such control");
        return nullptr;
    }
    if (!found->IsWindowVisible()) {
        fail(L"cannot " + what + L": it is hidden");
        return nullptr;
    }
    for (const CWnd* w = found; w != nullptr; w = w->GetParent()) {
        if (!w->IsWindowEnabled()) {
            fail(L"cannot " + what + L": it is disabled");
            return nullptr;
        }
        if ((w->GetStyle() & WS_CHILD) == 0) {
            break;
        }
    }
    return found;
}

bool UserActions::click(int id) {
    DispatchGuard guard;
    CWnd* target = usableControl(id, L"click");
    if (target == nullptr) {
        return false;
    }
    if (auto* button = dynamic_cast<CButton*>(target); button && button->isGroupBox()) {
        return fail(L"cannot click control " + std::to_wstring(id) + L": it is a group box");
    }
    target->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, kClickPoint);
    target->SendMessage(WM_LBUTTONUP, 0, kClickPoint);
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::doubleClick(int id) {
    DispatchGuard guard;
    CWnd* target = usableControl(id, L"double-click");
    if (target == nullptr) {
        return false;
    }
    target->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, kClickPoint);
    target->SendMessage(WM_LBUTTONUP, 0, kClickPoint);
    target->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, kClickPoint);
    target->SendMessage(WM_LBUTTONUP, 0, kClickPoint);
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::rightClick(int id) {
    DispatchGuard guard;
    CWnd* target = usableControl(id, L"right-click");
    if (target == nullptr) {
        return false;
    }
    target->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, kClickPoint);
    target->SendMessage(WM_RBUTTONUP, 0, kClickPoint);
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::setFocus(int id) {
    DispatchGuard guard;
    CWnd* target = usableControl(id, L"focus");
    if (target == nullptr) {
        return false;
    }
    target->SetFocus();
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::type(int id, const std::wstring& text) {
    return typeText(id, text, false);
}

bool UserActions::enterText(int id, const std::wstring& text) {
    return typeText(id, text, true);
}

bool UserActions::typeText(int id, const std::wstring& text, bool replaceAll) {
    DispatchGuard guard;
    auto* edit = controlOfKind<CEdit>(id, L"type into", L"an edit");
    if (edit == nullptr) {
        return false;
    }
    edit->SetFocus();
    if (edit->GetSafeHwnd() == nullptr) {
        return fail(L"control " + std::to_wstring(id) + L" went away while taking the focus");
    }
    if (replaceAll) {
        edit->SetSel(0, -1);
    }
    if (!edit->userType(text)) {
        return fail(L"cannot type into control " + std::to_wstring(id) + L": it is read-only");
    }
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::selectComboItem(int id, int index) {
    DispatchGuard guard;
    auto* combo = controlOfKind<CComboBox>(id, L"select in", L"a combo box");
    if (combo == nullptr) {
        return false;
    }
    if (!combo->userSelect(index)) {
        return fail(L"combo box " + std::to_wstring(id) + L" has no item " +
                    std::to_wstring(index));
    }
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::selectComboText(int id, const std::wstring& text) {
    // A hidden, disabled or missing control is reported as such before its items are sought.
    auto* combo = controlOfKind<CComboBox>(id, L"select in", L"a combo box");
    if (combo == nullptr) {
        return false;
    }
    const int index = combo->FindStringExact(-1, text);
    if (index == CB_ERR) {
        return fail(L"combo box " + std::to_wstring(id) + L" has no item \"" + text + L"\"");
    }
    return selectComboItem(id, index);
}

bool UserActions::typeInCombo(int id, const std::wstring& text) {
    DispatchGuard guard;
    auto* combo = controlOfKind<CComboBox>(id, L"type into", L"a combo box");
    if (combo == nullptr) {
        return false;
    }
    if (!combo->userTypeText(text)) {
        return fail(L"combo box " + std::to_wstring(id) + L" has no edit to type into");
    }
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::selectListItem(int id, int index, unsigned modifiers) {
    DispatchGuard guard;
    auto* list = controlOfKind<CListBox>(id, L"select in", L"a list box");
    if (list == nullptr) {
        return false;
    }
    if (!list->userClickItem(index, modifiers)) {
        return fail(L"list box " + std::to_wstring(id) + L" cannot select item " +
                    std::to_wstring(index));
    }
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::doubleClickListItem(int id, int index) {
    DispatchGuard guard;
    auto* list = controlOfKind<CListBox>(id, L"double-click in", L"a list box");
    if (list == nullptr) {
        return false;
    }
    if (!list->userDoubleClickItem(index)) {
        return fail(L"list box " + std::to_wstring(id) + L" cannot select item " +
                    std::to_wstring(index));
    }
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::selectTab(int id, int index) {
    DispatchGuard guard;
    auto* tabs = controlOfKind<CTabCtrl>(id, L"select a tab of", L"a tab control");
    if (tabs == nullptr) {
        return false;
    }
    if (!tabs->userSelectTab(index)) {
        return fail(L"tab control " + std::to_wstring(id) + L" has no tab " +
                    std::to_wstring(index));
    }
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::pressKey(int virtualKey, unsigned modifiers) {
    DispatchGuard guard;
    if (!WindowRegistry::instance().isAlive(window_) || window_->GetSafeHwnd() == nullptr) {
        return fail(L"cannot press a key: the window is gone");
    }
    Keyboard::instance().press(virtualKey, modifiers, window_);
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::close() {
    DispatchGuard guard;
    if (!WindowRegistry::instance().isAlive(window_) || window_->GetSafeHwnd() == nullptr) {
        return fail(L"cannot close the window: it is gone");
    }
    window_->SendMessage(WM_CLOSE);
    MessageQueue::instance().pump();
    return true;
}

} // namespace ui
