#include "platform/ui/users/Keyboard.h"

#include "platform/ui/dialogs/DialogNavigation.h"
#include "platform/ui/users/UserActions.h"
#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/WindowRegistry.h"

#include <vector>

namespace ui {

Keyboard& Keyboard::instance() {
    static Keyboard keyboard;
    return keyboard;
}

SHORT Keyboard::keyState(int virtualKey) const {
    return isDown(virtualKey) ? static_cast<SHORT>(0xFF80) : static_cast<SHORT>(0);
}

namespace {

bool alive(const CWnd* window) {
    return WindowRegistry::instance().isAlive(window) && window->GetSafeHwnd() != nullptr;
}

// The window a key goes to: the focus when it lies in target's window (or no target is
// given), else the target.
CWnd* keyTarget(CWnd* target) {
    CWnd* focus = CWnd::GetFocus();
    if (target == nullptr) {
        return alive(focus) ? focus : nullptr;
    }
    if (!alive(target)) {
        return nullptr;
    }
    if (alive(focus)) {
        CWnd* top = target->GetTopLevelParent();
        if (focus == top || top->IsChild(focus)) {
            return focus;
        }
    }
    return target;
}

} // namespace

bool Keyboard::route(MSG& msg) {
    DispatchGuard guard;
    CWnd* const target = msg.hwnd;
    if (!alive(target)) {
        return false;
    }
    // Up through the parents; a window destroyed meanwhile ends the walk.
    std::vector<CWnd*> chain;
    for (CWnd* w = target; w != nullptr; w = w->GetParent()) {
        chain.push_back(w);
        if ((w->GetStyle() & WS_CHILD) == 0) {
            break;
        }
    }
    for (CWnd* w : chain) {
        if (!alive(w)) {
            return true;
        }
        if (w->PreTranslateMessage(&msg)) {
            return true;
        }
    }
    if (!alive(target)) {
        return true;
    }
    if (msg.message == WM_KEYDOWN && !target->wantsDialogKey(msg)) {
        if (CWnd* dialog = DialogNavigation::outermostDialog(target)) {
            if (dialog->IsDialogMessage(&msg)) {
                return true;
            }
        }
    }
    if (alive(target)) {
        target->SendMessage(msg.message, msg.wParam, msg.lParam);
        return true;
    }
    return false;
}

void Keyboard::press(int virtualKey, unsigned modifiers, CWnd* target) {
    DispatchGuard guard;
    std::vector<int> held;
    const auto hold = [&](unsigned bit, int key) {
        if ((modifiers & bit) != 0 && down_.insert(key).second) {
            held.push_back(key);
        }
    };
    hold(Shift, VK_SHIFT);
    hold(Control, VK_CONTROL);
    hold(Alt, VK_MENU);
    const bool keyWasDown = !down_.insert(virtualKey).second;

    if (CWnd* window = keyTarget(target)) {
        MSG down{window, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1};
        route(down);
    }
    if (!keyWasDown) {
        down_.erase(virtualKey);
    }
    // The key goes up wherever the focus went meanwhile (Tab moves it).
    if (CWnd* window = keyTarget(target)) {
        MSG up{window, WM_KEYUP, static_cast<WPARAM>(virtualKey), static_cast<LPARAM>(0xC0000001u)};
        route(up);
    }
    for (int key : held) {
        down_.erase(key);
    }
}

std::vector<int> Keyboard::hold(unsigned modifiers) {
    std::vector<int> held;
    const auto press = [&](unsigned bit, int key) {
        if ((modifiers & bit) != 0 && down_.insert(key).second) {
            held.push_back(key);
        }
    };
    press(Shift, VK_SHIFT);
    press(Control, VK_CONTROL);
    press(Alt, VK_MENU);
    return held;
}

void Keyboard::release(const std::vector<int>& keys) {
    for (int key : keys) {
        down_.erase(key);
    }
}

} // namespace ui
