#pragma once
// The Win32 vocabulary of the window system: scalar types, packing helpers, geometry,
// message records and (through WinConstants.h) the constants with their real values.
// Window handles are the window objects themselves: HWND is CWnd*.

#include "platform/ui/windows/CPoint.h"
#include "platform/ui/windows/CRect.h"
#include "platform/ui/windows/CSize.h"
#include "platform/ui/windows/WinConstants.h"

#include <cstdint>

class CWnd;

using UINT = unsigned int;
using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using SHORT = std::int16_t;
using LONG = std::int32_t;
using UINT_PTR = std::uintptr_t;
using DWORD_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;
using COLORREF = DWORD;
using TCHAR = wchar_t;
using LPCTSTR = const wchar_t*;
using HWND = CWnd*;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Opaque handles of pictures; the window system only holds them (CStatic, CButton).
struct HBITMAP__;
struct HICON__;
using HBITMAP = HBITMAP__*;
using HICON = HICON__*;

// Menu handle; menus live in the menu table of CMenu.cpp.
struct HMENU__;
using HMENU = HMENU__*;

using LPRECT = RECT*;
using LPCRECT = const RECT*;
using LPPOINT = POINT*;

// Thread and window timer callback: (window or null, WM_TIMER, timer id, clock time in ms).
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
           (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) {
    return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
    return static_cast<BYTE>((c >> 16) & 0xFF);
}

constexpr WPARAM MAKEWPARAM(UINT low, UINT high) {
    return static_cast<WPARAM>((low & 0xFFFFU) | ((high & 0xFFFFU) << 16));
}
constexpr LPARAM MAKELPARAM(UINT low, UINT high) {
    return static_cast<LPARAM>(static_cast<DWORD>((low & 0xFFFFU) | ((high & 0xFFFFU) << 16)));
}
constexpr WORD LOWORD(std::uintptr_t v) {
    return static_cast<WORD>(v & 0xFFFFU);
}
constexpr WORD HIWORD(std::uintptr_t v) {
    return static_cast<WORD>((v >> 16) & 0xFFFFU);
}

// One queued or translated message; hwnd is the target window.
struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// Header of every WM_NOTIFY record.
struct NMHDR {
    HWND hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

// What CWnd::OnCreate sees of the window being created.
struct CREATESTRUCT {
    const wchar_t* lpszName = L"";
    const wchar_t* lpszClass = L"";
    DWORD style = 0;
    DWORD dwExStyle = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    HWND hwndParent = nullptr;
    UINT id = 0;
};
using LPCREATESTRUCT = CREATESTRUCT*;
