#include "platform/ui/windows/WinApi.h"

#include "platform/ui/time/Clock.h"
#include "platform/ui/users/Keyboard.h"
#include "platform/ui/users/MessageBoxRecord.h"
#include "platform/ui/users/User.h"
#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/WindowFrame.h"
#include "platform/ui/windows/WindowRegistry.h"

int MessageBox(HWND, const std::wstring& text, const std::wstring& caption, UINT type) {
    ui::DispatchGuard guard;
    const ui::MessageBoxRecord record =
        ui::MessageBoxRecord::fromType(text, caption.empty() ? L"Error" : caption, type);
    return ui::User::current().messageBox(record);
}

int AfxMessageBox(const std::wstring& text, UINT type, UINT) {
    return MessageBox(AfxGetMainWnd(), text, AfxGetAppName(), type);
}

SHORT GetKeyState(int virtualKey) {
    return ui::Keyboard::instance().keyState(virtualKey);
}

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    return ui::Clock::instance().setTimer(window, id, elapse, proc);
}

BOOL KillTimer(HWND window, UINT_PTR id) {
    return ui::Clock::instance().killTimer(window, id) ? TRUE : FALSE;
}

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL, DWORD exStyle) {
    if (rect == nullptr) {
        return FALSE;
    }
    const CRect insets = ui::frameInsets(style, exStyle);
    rect->left -= insets.left;
    rect->top -= insets.top;
    rect->right += insets.right;
    rect->bottom += insets.bottom;
    return TRUE;
}

CWnd* AfxGetMainWnd() {
    return ui::WindowRegistry::instance().mainWindow();
}

// Inside the host CAD program an extension library's message boxes carry the host's name.
const wchar_t* AfxGetAppName() {
    return L"AutoCAD";
}

namespace ui {

void setMainWindow(CWnd* window) {
    WindowRegistry::instance().setMainWindow(window);
}

} // namespace ui
