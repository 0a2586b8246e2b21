#include "platform/ui/windows/CWnd.h"

#include "platform/ui/controls/CButton.h"
#include "platform/ui/graphics/WindowPainter.h"
#include "platform/ui/time/Clock.h"
#include "platform/ui/windows/MessageQueue.h"
#include "platform/ui/windows/WinApi.h"
#include "platform/ui/windows/WindowObserver.h"
#include "platform/ui/windows/WindowRegistry.h"

#include <algorithm>

using ui::DispatchGuard;
using ui::WindowRegistry;

const CWnd CWnd::wndTop;
const CWnd CWnd::wndBottom;

CWnd::CWnd() {
    WindowRegistry::instance().add(this);
}

CWnd::~CWnd() {
    // Handlers may capture members of the derived object, which is gone by now.
    commandHandlers_.clear();
    notifyHandlers_.clear();
    messageHandlers_.clear();
    if (created_) {
        CWnd::DestroyWindow();
    }
    WindowRegistry::instance().remove(this);
}

// --- creation and destruction -------------------------------------------------------------------

BOOL CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const std::wstring& text, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id) {
    if (created_) {
        return FALSE;
    }
    const bool child = (style & WS_CHILD) != 0;
    if (child && (parent == nullptr || !parent->created_)) {
        return FALSE;
    }
    DispatchGuard guard;
    className_ = className ? className : L"";
    text_ = text;
    style_ = style;
    exStyle_ = exStyle;
    id_ = static_cast<int>(id);
    rect_ = CRect(rect);
    rect_.NormalizeRect();
    invalid_ = true;
    if (child) {
        parent_ = parent;
        parent->children_.push_back(this);
    } else if (parent != nullptr && parent->created_) {
        // Pop-ups are owned by the top-level window of the parent, as in Win32.
        parent_ = parent->GetTopLevelParent();
        parent_->ownedPopups_.push_back(this);
    } else {
        parent_ = nullptr;
    }
    created_ = true;

    CREATESTRUCT cs;
    cs.lpszName = text_.c_str();
    cs.lpszClass = className_.c_str();
    cs.style = style_;
    cs.dwExStyle = exStyle_;
    cs.x = rect_.left;
    cs.y = rect_.top;
    cs.cx = rect_.Width();
    cs.cy = rect_.Height();
    cs.hwndParent = parent_;
    cs.id = id;
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    if (created_) {
        CRect client;
        GetClientRect(&client);
        SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
    }
    if (created_) {
        ui::WindowObserver::notifyCreated(*this);
    }
    return created_ ? TRUE : FALSE;
}

BOOL CWnd::Create(const wchar_t* className, const std::wstring& text, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id) {
    return CreateEx(0, className, text, style, rect, parent, id);
}

BOOL CWnd::DestroyWindow() {
    if (!created_ || destroying_) {
        return FALSE;
    }
    DispatchGuard guard;
    destroying_ = true;
    SendMessage(WM_DESTROY);
    destroyTree();
    return TRUE;
}

void CWnd::destroyTree() {
    const std::vector<CWnd*> popups = ownedPopups_;
    for (CWnd* popup : popups) {
        if (WindowRegistry::instance().isAlive(popup) && popup->created_) {
            popup->DestroyWindow();
        }
    }
    const std::vector<CWnd*> kids = children_;
    for (CWnd* kid : kids) {
        if (WindowRegistry::instance().isAlive(kid) && kid->created_) {
            kid->DestroyWindow();
        }
    }
    ui::Clock::instance().killTimersOf(this);
    ui::MessageQueue::instance().discardFor(this);
    ui::WindowObserver::notifyDestroyed(*this);
    WindowRegistry& registry = WindowRegistry::instance();
    if (registry.focus() == this) {
        registry.setFocus(nullptr);
    }
    detachFromParent();
    created_ = false;
    destroying_ = false;
    invalid_ = false;
    children_.clear();
    ownedPopups_.clear();
    for (auto& owned : ownedChildren_) {
        registry.deleteLater(std::move(owned));
    }
    ownedChildren_.clear();
}

void CWnd::detachFromParent() {
    if (parent_ == nullptr) {
        return;
    }
    auto& kids = parent_->children_;
    kids.erase(std::remove(kids.begin(), kids.end(), this), kids.end());
    auto& popups = parent_->ownedPopups_;
    popups.erase(std::remove(popups.begin(), popups.end(), this), popups.end());
    auto& owned = parent_->ownedChildren_;
    for (auto it = owned.begin(); it != owned.end(); ++it) {
        if (it->get() == this) {
            std::unique_ptr<CWnd> self = std::move(*it);
            owned.erase(it);
            parent_ = nullptr;
            WindowRegistry::instance().deleteLater(std::move(self));
            return;
        }
    }
    parent_ = nullptr;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (created_ || parent == nullptr || !parent->created_) {
        return FALSE;
    }
    CWnd* original = parent->GetDlgItem(static_cast<int>(id));
    if (original == nullptr || original == this) {
        return FALSE;
    }
    DispatchGuard guard;
    className_ = original->className_;
    text_ = original->text_;
    rect_ = original->rect_;
    style_ = original->style_;
    exStyle_ = original->exStyle_;
    id_ = original->id_;
    font_ = original->font_;
    parent_ = parent;
    created_ = true;
    invalid_ = true;
    std::replace(parent->children_.begin(), parent->children_.end(), original, this);
    takeOverState(*original);
    WindowRegistry& registry = WindowRegistry::instance();
    if (registry.focus() == original) {
        registry.setFocus(this);
    }
    // The original is no longer among the parent's children; destroying it releases it.
    original->DestroyWindow();
    PreSubclassWindow();
    ui::WindowObserver::notifyCreated(*this);
    return TRUE;
}

void CWnd::takeOverState(CWnd&) {}
void CWnd::PreSubclassWindow() {}

CWnd* CWnd::adoptChild(std::unique_ptr<CWnd> child) {
    CWnd* raw = child.get();
    ownedChildren_.push_back(std::move(child));
    return raw;
}

// --- identity and tree ---------------------------------------------------------------------------

int CWnd::SetDlgCtrlID(int id) {
    const int previous = id_;
    id_ = id;
    return previous;
}

CWnd* CWnd::GetTopLevelParent() const {
    const CWnd* window = this;
    while ((window->style_ & WS_CHILD) != 0 && window->parent_ != nullptr) {
        window = window->parent_;
    }
    return const_cast<CWnd*>(window);
}

CWnd* CWnd::GetDlgItem(int id) const {
    for (CWnd* child : children_) {
        if (child->id_ == id) {
            return child;
        }
    }
    return nullptr;
}

BOOL CWnd::IsChild(const CWnd* window) const {
    for (const CWnd* w = window; w != nullptr && (w->style_ & WS_CHILD) != 0; w = w->parent_) {
        if (w->parent_ == this) {
            return TRUE;
        }
    }
    return FALSE;
}

// --- text ----------------------------------------------------------------------------------------

void CWnd::SetWindowText(const std::wstring& text) {
    if (text_ != text) {
        text_ = text;
        Invalidate();
    }
}

std::wstring CWnd::GetWindowText() const {
    return text_;
}

void CWnd::SetDlgItemText(int id, const std::wstring& text) {
    if (CWnd* item = GetDlgItem(id)) {
        item->SetWindowText(text);
    }
}

int CWnd::GetDlgItemText(int id, std::wstring& text) const {
    const CWnd* item = GetDlgItem(id);
    text = item ? item->GetWindowText() : std::wstring();
    return static_cast<int>(text.size());
}

void CWnd::CheckDlgButton(int id, UINT check) {
    if (auto* button = dynamic_cast<CButton*>(GetDlgItem(id))) {
        button->SetCheck(static_cast<int>(check));
    }
}

UINT CWnd::IsDlgButtonChecked(int id) const {
    const auto* button = dynamic_cast<const CButton*>(GetDlgItem(id));
    return button ? static_cast<UINT>(button->GetCheck()) : 0;
}

void CWnd::CheckRadioButton(int first, int last, int check) {
    for (CWnd* child : children_) {
        if (child->id_ >= first && child->id_ <= last) {
            if (auto* button = dynamic_cast<CButton*>(child)) {
                button->SetCheck(child->id_ == check ? BST_CHECKED : BST_UNCHECKED);
            }
        }
    }
}

// --- state ---------------------------------------------------------------------------------------

BOOL CWnd::ShowWindow(int command) {
    const bool wasVisible = (style_ & WS_VISIBLE) != 0;
    if (command == SW_HIDE) {
        style_ &= ~WS_VISIBLE;
    } else {
        style_ |= WS_VISIBLE;
    }
    if (wasVisible != ((style_ & WS_VISIBLE) != 0)) {
        Invalidate();
    }
    return wasVisible ? TRUE : FALSE;
}

BOOL CWnd::IsWindowVisible() const {
    if (!created_) {
        return FALSE;
    }
    for (const CWnd* w = this; w != nullptr; w = w->parent_) {
        if ((w->style_ & WS_VISIBLE) == 0) {
            return FALSE;
        }
        if ((w->style_ & WS_CHILD) == 0) {
            break;
        }
    }
    return TRUE;
}

BOOL CWnd::EnableWindow(BOOL enable) {
    const bool wasDisabled = (style_ & WS_DISABLED) != 0;
    if (enable) {
        style_ &= ~WS_DISABLED;
    } else {
        style_ |= WS_DISABLED;
    }
    if (wasDisabled != ((style_ & WS_DISABLED) != 0)) {
        Invalidate();
    }
    return wasDisabled ? TRUE : FALSE;
}

BOOL CWnd::IsWindowEnabled() const {
    return created_ && (style_ & WS_DISABLED) == 0;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT) {
    const DWORD next = (style_ & ~remove) | add;
    if (next == style_) {
        return FALSE;
    }
    style_ = next;
    Invalidate();
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT) {
    const DWORD next = (exStyle_ & ~remove) | add;
    if (next == exStyle_) {
        return FALSE;
    }
    exStyle_ = next;
    Invalidate();
    return TRUE;
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    font_ = font ? *font : CFont();
    if (redraw) {
        Invalidate();
    }
}

CFont* CWnd::GetFont() const {
    return font_.isCreated() ? &font_ : nullptr;
}

// --- focus ---------------------------------------------------------------------------------------

CWnd* CWnd::SetFocus() {
    WindowRegistry& registry = WindowRegistry::instance();
    CWnd* const old = registry.focus();
    if (!created_ || old == this) {
        return old;
    }
    DispatchGuard guard;
    registry.setFocus(this);
    if (old != nullptr && registry.isAlive(old) && old->created_) {
        old->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(this));
    }
    // A kill-focus handler may have moved the focus elsewhere (validation); that wins.
    if (registry.focus() != this) {
        return old;
    }
    if (!created_) {
        registry.setFocus(nullptr);
        return old;
    }
    SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(old));
    return old;
}

CWnd* CWnd::GetFocus() {
    return WindowRegistry::instance().focus();
}

// --- painting ------------------------------------------------------------------------------------

void CWnd::Invalidate(BOOL) {
    if (created_) {
        invalid_ = true;
        ++invalidateCount_;
        ui::WindowObserver::notifyChanged(*this);
    }
}

void CWnd::UpdateWindow() {
    if (created_ && invalid_) {
        invalid_ = false;
        ++paintCount_;
        ui::WindowPainter::instance().paint(*this);
    }
}

// --- messages ------------------------------------------------------------------------------------

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!created_) {
        return 0;
    }
    DispatchGuard guard;
    return WindowProc(message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!created_) {
        return FALSE;
    }
    ui::MessageQueue::instance().post(this, message, wParam, lParam);
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

bool CWnd::wantsDialogKey(const MSG&) const {
    return false;
}

namespace {

CPoint pointOf(LPARAM lParam) {
    return {static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam))),
            static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lParam)))};
}

} // namespace

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    for (const auto& entry : messageHandlers_) {
        if (entry.message == message) {
            const auto handler = entry.handler;
            return handler(wParam, lParam);
        }
    }
    switch (message) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
    case WM_COMMAND:
        if (OnCommand(wParam, lParam)) {
            return 0;
        }
        break;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (OnNotify(wParam, lParam, &result)) {
            return result;
        }
        break;
    }
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(wParam));
        return 0;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
               HIWORD(static_cast<std::uintptr_t>(lParam)));
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_SETFOCUS:
        OnSetFocus(reinterpret_cast<CWnd*>(wParam));
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(reinterpret_cast<CWnd*>(wParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                  HIWORD(static_cast<std::uintptr_t>(lParam)));
        return 0;
    case WM_KEYUP:
        OnKeyUp(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                HIWORD(static_cast<std::uintptr_t>(lParam)));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), pointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(static_cast<UINT>(wParam), pointOf(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(static_cast<UINT>(wParam), pointOf(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown(static_cast<UINT>(wParam), pointOf(lParam));
        return 0;
    case WM_RBUTTONUP:
        OnRButtonUp(static_cast<UINT>(wParam), pointOf(lParam));
        return 0;
    default: {
        LRESULT result = 0;
        if (dispatchPointerAndPaint(message, wParam, lParam, result)) {
            return result;
        }
        break;
    }
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT, WPARAM, LPARAM) {
    return 0;
}

int CWnd::OnCreate(LPCREATESTRUCT) {
    return 0;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    for (const auto& entry : commandHandlers_) {
        if (id >= (entry.first & 0xFFFFU) && id <= (entry.last & 0xFFFFU) &&
            code == (entry.code & 0xFFFFU)) {
            // A copy: the handler may register further handlers.
            const auto handler = entry.handler;
            handler(id);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header == nullptr) {
        return FALSE;
    }
    for (const auto& entry : notifyHandlers_) {
        if (entry.id == header->idFrom && entry.code == header->code) {
            const auto handler = entry.handler;
            handler(header, result);
            return TRUE;
        }
    }
    return FALSE;
}

void CWnd::OnTimer(UINT_PTR) {}
void CWnd::OnSize(UINT, int, int) {}
void CWnd::OnDestroy() {}
void CWnd::OnClose() {
    DestroyWindow();
}
void CWnd::OnSetFocus(CWnd*) {}
void CWnd::OnKillFocus(CWnd*) {}
void CWnd::OnKeyDown(UINT, UINT, UINT) {}
void CWnd::OnKeyUp(UINT, UINT, UINT) {}
void CWnd::OnLButtonDown(UINT, CPoint) {}
void CWnd::OnLButtonUp(UINT, CPoint) {}
void CWnd::OnLButtonDblClk(UINT, CPoint) {}
void CWnd::OnRButtonDown(UINT, CPoint) {}
void CWnd::OnRButtonUp(UINT, CPoint) {}

void CWnd::notifyParent(UINT code) {
    if (parent_ != nullptr && parent_->created_ && created_) {
        parent_->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<UINT>(id_), code),
                             reinterpret_cast<LPARAM>(this));
    }
}

LRESULT CWnd::notifyParent(NMHDR& header) {
    if (parent_ == nullptr || !parent_->created_ || !created_) {
        return 0;
    }
    header.hwndFrom = this;
    header.idFrom = static_cast<UINT_PTR>(static_cast<UINT>(id_));
    return parent_->SendMessage(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

// --- timers and message boxes -------------------------------------------------------------------

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (!created_) {
        return 0;
    }
    return ui::Clock::instance().setTimer(this, id, elapse, proc);
}

BOOL CWnd::KillTimer(UINT_PTR id) {
    return ui::Clock::instance().killTimer(this, id) ? TRUE : FALSE;
}

int CWnd::MessageBox(const std::wstring& text, const std::wstring& caption, UINT type) {
    return ::MessageBox(this, text, caption.empty() ? std::wstring(AfxGetAppName()) : caption,
                        type);
}

// --- message map ---------------------------------------------------------------------------------

void CWnd::onCommand(UINT id, UINT code, std::function<void()> handler) {
    commandHandlers_.push_back({id, id, code, [h = std::move(handler)](UINT) { h(); }});
}

void CWnd::onCommandRange(UINT first, UINT last, UINT code, std::function<void(UINT)> handler) {
    commandHandlers_.push_back({first, last, code, std::move(handler)});
}

void CWnd::onNotify(UINT id, UINT code, std::function<void(NMHDR*, LRESULT*)> handler) {
    notifyHandlers_.push_back({id, code, std::move(handler)});
}

void CWnd::onMessage(UINT message, std::function<LRESULT(WPARAM, LPARAM)> handler) {
    messageHandlers_.push_back({message, std::move(handler)});
}
