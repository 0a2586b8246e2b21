// ui::UserActions: the mouse at a position, special controls and spreadsheet cells.

#include "platform/ui/controls/CCheckComboBox.h"
#include "platform/ui/controls/CImageListCtrl.h"
#include "platform/ui/controls/CellInput.h"
#include "platform/ui/users/Keyboard.h"
#include "platform/ui/users/Mouse.h"
#include "platform/ui/users/UserActions.h"
#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/MessageQueue.h"
#include "platform/ui/windows/WindowRegistry.h"

namespace ui {

namespace {

enum Kind : UINT { kClick, kDoubleClick, kRightClick, kMove };

UINT keyFlagsOf(unsigned modifiers) {
    UINT flags = 0;
    if ((modifiers & Shift) != 0) {
        flags |= MK_SHIFT;
    }
    if ((modifiers & Control) != 0) {
        flags |= MK_CONTROL;
    }
    return flags;
}

// Holds the modifiers for the length of one action.
class HeldModifiers {
public:
    explicit HeldModifiers(unsigned modifiers) : keys_(Keyboard::instance().hold(modifiers)) {}
    ~HeldModifiers() { Keyboard::instance().release(keys_); }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;

private:
    std::vector<int> keys_;
};

std::wstring pointText(CPoint point) {
    return L"(" + std::to_wstring(point.x) + L", " + std::to_wstring(point.y) + L")";
}

} // namespace

CPoint UserActions::pointIn(int id, CPoint point) const {
    CWnd* found = control(id);
    if (found == nullptr) {
        return point;
    }
    found->ClientToScreen(&point);
    window_->ScreenToClient(&point);
    return point;
}

CWnd* UserActions::usableWindowAt(CPoint client, const wchar_t* action) {
    const std::wstring what = std::wstring(action) + L" at " + pointText(client);
    if (!WindowRegistry::instance().isAlive(window_) || window_->GetSafeHwnd() == nullptr) {
        fail(L"cannot " + what + L": the window is gone");
        return nullptr;
    }
    CRect area;
    window_->GetClientRect(&area);
    if (!area.PtInRect(client)) {
        fail(L"cannot " + what + L": the point is outside the client area");
        return nullptr;
    }
    CPoint screen = client;
    window_->ClientToScreen(&screen);
    for (const CWnd* w = window_; w != nullptr; w = w->GetParent()) {
        if (!w->IsWindowVisible() || !w->IsWindowEnabled()) {
            fail(L"cannot " + what + L": the window is hidden or disabled");
            return nullptr;
        }
        if ((w->GetStyle() & WS_CHILD) == 0) {
            break;
        }
    }
    CWnd* target = Mouse::windowAt(*window_, screen);
    if (target == nullptr) {
        fail(L"cannot " + what + L": nothing there takes the mouse");
    }
    return target;
}

bool UserActions::mouseAt(CPoint point, unsigned modifiers, const wchar_t* action, UINT kind) {
    DispatchGuard guard;
    CWnd* target = usableWindowAt(point, action);
    if (target == nullptr) {
        return false;
    }
    HeldModifiers held(modifiers);
    const UINT flags = keyFlagsOf(modifiers);
    CPoint screen = point;
    window_->ClientToScreen(&screen);
    Mouse& mouse = Mouse::instance();
    mouse.moveTo(target, screen, flags);
    const UINT button = kind == kRightClick ? MK_RBUTTON : MK_LBUTTON;
    const UINT down = kind == kRightClick ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
    const UINT up = kind == kRightClick ? WM_RBUTTONUP : WM_LBUTTONUP;
    const auto press = [&](UINT message) {
        mouse.setGesture(MouseGesture{{screen}, button, flags, {window_->GetTopLevelParent()}});
        mouse.send(target, message, screen, flags | button);
        if (mouse.takeGesture()) {
            mouse.send(target, up, screen, flags);
        }
    };
    if (kind != kMove) {
        press(down);
        if (kind == kDoubleClick && WindowRegistry::instance().isAlive(target)) {
            press(WM_LBUTTONDBLCLK);
        }
    }
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::clickAt(CPoint point, unsigned modifiers) {
    return mouseAt(point, modifiers, L"click", kClick);
}

bool UserActions::doubleClickAt(CPoint point, unsigned modifiers) {
    return mouseAt(point, modifiers, L"double-click", kDoubleClick);
}

bool UserActions::rightClickAt(CPoint point, unsigned modifiers) {
    return mouseAt(point, modifiers, L"right-click", kRightClick);
}

bool UserActions::moveMouseTo(CPoint point, unsigned modifiers) {
    return mouseAt(point, modifiers, L"move the mouse", kMove);
}

bool UserActions::drag(CPoint from, CPoint to, unsigned modifiers) {
    return gesture(from, *window_, to, modifiers);
}

bool UserActions::dragTo(CPoint from, CWnd& destination, CPoint to, unsigned modifiers) {
    return gesture(from, destination, to, modifiers);
}

bool UserActions::gesture(CPoint from, CWnd& destination, CPoint to, unsigned modifiers) {
    DispatchGuard guard;
    CWnd* target = usableWindowAt(from, L"drag");
    if (target == nullptr) {
        return false;
    }
    if (!WindowRegistry::instance().isAlive(&destination) || destination.GetSafeHwnd() == nullptr) {
        return fail(L"cannot drag: the destination window is gone");
    }
    HeldModifiers held(modifiers);
    const UINT flags = keyFlagsOf(modifiers);
    CPoint start = from;
    window_->ClientToScreen(&start);
    CPoint end = to;
    destination.ClientToScreen(&end);
    MouseGesture planned{{}, MK_LBUTTON, flags, {window_->GetTopLevelParent()}};
    if (destination.GetTopLevelParent() != window_->GetTopLevelParent()) {
        planned.roots.push_back(destination.GetTopLevelParent());
    }
    constexpr int kSteps = 4;
    for (int step = 1; step <= kSteps; ++step) {
        planned.path.emplace_back(start.x + (end.x - start.x) * step / kSteps,
                                  start.y + (end.y - start.y) * step / kSteps);
    }
    Mouse& mouse = Mouse::instance();
    mouse.moveTo(target, start, flags);
    mouse.setGesture(planned);
    mouse.send(target, WM_LBUTTONDOWN, start, flags | MK_LBUTTON);
    if (std::optional<MouseGesture> left = mouse.takeGesture()) {
        // No tracking loop took the drag: plain messages.
        for (const CPoint& screen : left->path) {
            mouse.moveTo(left->windowAt(screen), screen, flags | MK_LBUTTON);
        }
        mouse.send(left->windowAt(end), WM_LBUTTONUP, end, flags);
    }
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::resize(int width, int height) {
    DispatchGuard guard;
    if (!WindowRegistry::instance().isAlive(window_) || window_->GetSafeHwnd() == nullptr) {
        return fail(L"cannot resize: the window is gone");
    }
    if ((window_->GetStyle() & WS_THICKFRAME) == 0) {
        return fail(L"cannot resize: the window has no sizing frame");
    }
    MINMAXINFO info;
    info.ptMinTrackSize = {1, 1};
    info.ptMaxTrackSize = {32767, 32767};
    window_->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    width = std::clamp(width, static_cast<int>(info.ptMinTrackSize.x),
                       static_cast<int>(std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x)));
    height = std::clamp(height, static_cast<int>(info.ptMinTrackSize.y),
                        static_cast<int>(std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y)));
    window_->SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::toggleComboCheck(int id, int index) {
    DispatchGuard guard;
    auto* combo = controlOfKind<CCheckComboBox>(id, L"tick an item of", L"a check-box combo");
    if (combo == nullptr) {
        return false;
    }
    if (!combo->userToggleCheck(index)) {
        return fail(L"check-box combo " + std::to_wstring(id) + L" has no item " +
                    std::to_wstring(index));
    }
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::selectImage(int id, int index) {
    DispatchGuard guard;
    auto* list = controlOfKind<CImageListCtrl>(id, L"select in", L"a thumbnail list");
    if (list == nullptr) {
        return false;
    }
    if (!list->userSelect(index, false)) {
        return fail(L"thumbnail list " + std::to_wstring(id) + L" has no image " +
                    std::to_wstring(index));
    }
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::doubleClickImage(int id, int index) {
    DispatchGuard guard;
    auto* list = controlOfKind<CImageListCtrl>(id, L"double-click in", L"a thumbnail list");
    if (list == nullptr) {
        return false;
    }
    if (!list->userSelect(index, true)) {
        return fail(L"thumbnail list " + std::to_wstring(id) + L" has no image " +
                    std::to_wstring(index));
    }
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::cellAction(int id, const wchar_t* action, int col, int row,
                             const std::function<bool(CellInput&)>& act) {
    DispatchGuard guard;
    CWnd* target = usableControl(id, action);
    if (target == nullptr) {
        return false;
    }
    auto* cells = dynamic_cast<CellInput*>(target);
    if (cells == nullptr) {
        return fail(L"control " + std::to_wstring(id) + L" is not a spreadsheet control");
    }
    if (!act(*cells)) {
        return fail(L"cannot " + std::wstring(action) + L" cell (" + std::to_wstring(col) + L", " +
                    std::to_wstring(row) + L") of control " + std::to_wstring(id));
    }
    MessageQueue::instance().pump();
    return true;
}

bool UserActions::clickCell(int id, int col, int row, unsigned modifiers) {
    return cellAction(id, L"click", col, row, [&](CellInput& cells) {
        HeldModifiers held(modifiers);
        return cells.userClickCell(col, row, modifiers);
    });
}

bool UserActions::doubleClickCell(int id, int col, int row) {
    return cellAction(id, L"double-click", col, row,
                      [&](CellInput& cells) { return cells.userDoubleClickCell(col, row); });
}

bool UserActions::rightClickCell(int id, int col, int row) {
    return cellAction(id, L"right-click", col, row,
                      [&](CellInput& cells) { return cells.userRightClickCell(col, row); });
}

bool UserActions::clickColumnHeader(int id, int col) {
    return cellAction(id, L"click the header of", col, 0,
                      [&](CellInput& cells) { return cells.userClickHeader(col); });
}

bool UserActions::typeInCell(int id, int col, int row, const std::wstring& text) {
    return cellAction(id, L"type into", col, row,
                      [&](CellInput& cells) { return cells.userTypeInCell(col, row, text); });
}

bool UserActions::chooseInCell(int id, int col, int row, int index) {
    return cellAction(id, L"choose in", col, row,
                      [&](CellInput& cells) { return cells.userChooseInCell(col, row, index); });
}

} // namespace ui
