#pragma once
// Win32 / MFC global functions of the window system.

#include "platform/ui/windows/WinTypes.h"

#include <string>

// Message boxes through the current ui::User. AfxMessageBox's caption is the application
// name; ::MessageBox with an empty caption uses "Error", as Win32 does.
int AfxMessageBox(const std::wstring& text, UINT type = MB_OK, UINT helpId = 0);
int MessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type);

// High bit set (negative) while the key is down (see ui::Keyboard).
SHORT GetKeyState(int virtualKey);

// Timers on ui::Clock: a null window gives a thread timer with a fresh id (proc required).
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND window, UINT_PTR id);

// The window rectangle that a client rectangle needs with the given styles (frame and
// caption, see ui::frameInsets). The menu flag is accepted and ignored (no menu bars).
BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle);

// The application's main window (the owner of dialogs created without a parent), and its name
// (the caption of AfxMessageBox).
CWnd* AfxGetMainWnd();
const wchar_t* AfxGetAppName();

namespace ui {
// The host sets its main frame here; null clears it.
void setMainWindow(CWnd* window);
} // namespace ui
