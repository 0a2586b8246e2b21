#include "platform/qt/PersonInput.h"

#include "platform/ui/users/UserActions.h"
#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/WindowRegistry.h"

namespace qtview {

namespace {

// Runs an id-based user action from the control's parent, so that the action finds this very
// control (ids repeat across a dialog's pages, rarely among siblings).
template <typename Action> bool onControl(CWnd& control, Action action) {
    if (!PersonInput::isAlive(&control) || control.GetParent() == nullptr) {
        return false;
    }
    ui::UserActions act(*control.GetParent());
    if (act.control(control.GetDlgCtrlID()) != &control) {
        return false;
    }
    return action(act, control.GetDlgCtrlID());
}

} // namespace

bool PersonInput::isAlive(const CWnd* window) {
    return ui::WindowRegistry::instance().isAlive(window) && window->GetSafeHwnd() != nullptr;
}

bool PersonInput::click(CWnd& control) {
    return onControl(control, [](ui::UserActions& act, int id) { return act.click(id); });
}

bool PersonInput::doubleClick(CWnd& control) {
    return onControl(control, [](ui::UserActions& act, int id) { return act.doubleClick(id); });
}

bool PersonInput::rightClick(CWnd& control) {
    return onControl(control, [](ui::UserActions& act, int id) { return act.rightClick(id); });
}

bool PersonInput::focus(CWnd& control) {
    return onControl(control, [](ui::UserActions& act, int id) { return act.setFocus(id); });
}

bool PersonInput::editText(CWnd& edit, const std::wstring& text) {
    return onControl(edit, [&](ui::UserActions& act, int id) { return act.enterText(id, text); });
}

bool PersonInput::selectComboItem(CWnd& combo, int index) {
    return onControl(combo,
                     [&](ui::UserActions& act, int id) { return act.selectComboItem(id, index); });
}

bool PersonInput::typeInCombo(CWnd& combo, const std::wstring& text) {
    return onControl(combo,
                     [&](ui::UserActions& act, int id) { return act.typeInCombo(id, text); });
}

bool PersonInput::selectListItem(CWnd& list, int index, unsigned modifiers) {
    return onControl(list, [&](ui::UserActions& act, int id) {
        return act.selectListItem(id, index, modifiers);
    });
}

bool PersonInput::doubleClickListItem(CWnd& list, int index) {
    return onControl(
        list, [&](ui::UserActions& act, int id) { return act.doubleClickListItem(id, index); });
}

bool PersonInput::selectTab(CWnd& tabs, int index) {
    return onControl(tabs, [&](ui::UserActions& act, int id) { return act.selectTab(id, index); });
}

bool PersonInput::toggleComboCheck(CWnd& combo, int index) {
    return onControl(combo,
                     [&](ui::UserActions& act, int id) { return act.toggleComboCheck(id, index); });
}

bool PersonInput::selectImage(CWnd& list, int index, bool doubleClick) {
    return onControl(list, [&](ui::UserActions& act, int id) {
        return doubleClick ? act.doubleClickImage(id, index) : act.selectImage(id, index);
    });
}

namespace {

// Mouse actions work on a point of the top-level window's client area.
template <typename Action> bool atPoint(CWnd& window, CPoint point, Action action) {
    if (!PersonInput::isAlive(&window)) {
        return false;
    }
    CWnd* top = window.GetTopLevelParent();
    window.ClientToScreen(&point);
    top->ScreenToClient(&point);
    ui::UserActions act(*top);
    return action(act, point);
}

} // namespace

bool PersonInput::clickAt(CWnd& window, CPoint point, unsigned modifiers) {
    return atPoint(window, point,
                   [&](ui::UserActions& act, CPoint at) { return act.clickAt(at, modifiers); });
}

bool PersonInput::doubleClickAt(CWnd& window, CPoint point, unsigned modifiers) {
    return atPoint(window, point, [&](ui::UserActions& act, CPoint at) {
        return act.doubleClickAt(at, modifiers);
    });
}

bool PersonInput::rightClickAt(CWnd& window, CPoint point, unsigned modifiers) {
    return atPoint(window, point, [&](ui::UserActions& act, CPoint at) {
        return act.rightClickAt(at, modifiers);
    });
}

bool PersonInput::drag(CWnd& window, CPoint from, CPoint to, unsigned modifiers) {
    if (!isAlive(&window)) {
        return false;
    }
    CWnd* top = window.GetTopLevelParent();
    window.ClientToScreen(&from);
    window.ClientToScreen(&to);
    top->ScreenToClient(&from);
    top->ScreenToClient(&to);
    ui::UserActions act(*top);
    return act.drag(from, to, modifiers);
}

bool PersonInput::pressKey(CWnd& topLevel, int virtualKey, unsigned modifiers) {
    if (!isAlive(&topLevel)) {
        return false;
    }
    ui::UserActions act(topLevel);
    return act.pressKey(virtualKey, modifiers);
}

bool PersonInput::close(CWnd& topLevel) {
    if (!isAlive(&topLevel)) {
        return false;
    }
    ui::UserActions act(topLevel);
    return act.close();
}

} // namespace qtview
