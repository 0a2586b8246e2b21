#pragma once
// The Win32 vocabulary of mouse input, cursors, painting and data exchange: message numbers,
// hit-test codes, cursor and stock-object ids, raster operations, clipboard formats and the
// handle types of brushes, pens and cursors, with their real values. The global functions of
// these areas are declared here too; they are defined next to the classes that hold their
// state (ui::Mouse, CBrush, COleDataSource, ui::IconTable).

#include "platform/ui/windows/WinTypes.h"

#include <string>

// --- messages ---------------------------------------------------------------------------------
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_SETCURSOR = 0x0020;
constexpr UINT WM_GETMINMAXINFO = 0x0024;
constexpr UINT WM_CTLCOLORSTATIC = 0x0138;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_CAPTURECHANGED = 0x0215;

constexpr UINT MK_MBUTTON = 0x0010;

// WM_SETCURSOR hit-test codes (low word of lParam).
constexpr int HTERROR = -2;
constexpr int HTTRANSPARENT = -1;
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;

// ChildWindowFromPoint flags.
constexpr UINT CWP_ALL = 0x0000;
constexpr UINT CWP_SKIPINVISIBLE = 0x0001;
constexpr UINT CWP_SKIPDISABLED = 0x0002;
constexpr UINT CWP_SKIPTRANSPARENT = 0x0004;

// OnCtlColor kinds.
constexpr UINT CTLCOLOR_EDIT = 1;
constexpr UINT CTLCOLOR_BTN = 3;
constexpr UINT CTLCOLOR_DLG = 4;
constexpr UINT CTLCOLOR_STATIC = 6;

// --- cursors: a standard cursor's handle carries its id -----------------------------------------
struct HCURSOR__;
using HCURSOR = HCURSOR__*;
constexpr UINT IDC_ARROW = 32512;
constexpr UINT IDC_IBEAM = 32513;
constexpr UINT IDC_WAIT = 32514;
constexpr UINT IDC_CROSS = 32515;
constexpr UINT IDC_SIZENWSE = 32642;
constexpr UINT IDC_SIZENESW = 32643;
constexpr UINT IDC_SIZEWE = 32644;
constexpr UINT IDC_SIZENS = 32645;
constexpr UINT IDC_SIZEALL = 32646;
constexpr UINT IDC_NO = 32648;
constexpr UINT IDC_HAND = 32649;

// --- painting ---------------------------------------------------------------------------------
struct HBRUSH__;
using HBRUSH = HBRUSH__*;
struct HPEN__;
using HPEN = HPEN__*;

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Stock objects.
constexpr int WHITE_BRUSH = 0;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;

// Pen styles.
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_NULL = 5;

// System colours (GetSysColor), the classic Windows scheme.
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_INFOTEXT = 23;
constexpr int COLOR_INFOBK = 24;

// Raster operations of BitBlt.
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD MERGEPAINT = 0x00BB0226;

// DrawText formats.
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_SINGLELINE = 0x0020;

// --- data exchange ------------------------------------------------------------------------------
using CLIPFORMAT = WORD;
constexpr UINT CF_TEXT = 1;
constexpr UINT CF_UNICODETEXT = 13;

using DROPEFFECT = DWORD;
constexpr DROPEFFECT DROPEFFECT_NONE = 0;
constexpr DROPEFFECT DROPEFFECT_COPY = 1;
constexpr DROPEFFECT DROPEFFECT_MOVE = 2;

// --- window sizing ------------------------------------------------------------------------------
struct MINMAXINFO {
    POINT ptReserved{};
    POINT ptMaxSize{};
    POINT ptMaxPosition{};
    POINT ptMinTrackSize{};
    POINT ptMaxTrackSize{};
};

// --- global functions ---------------------------------------------------------------------------
// Mouse and cursor (ui::Mouse).
CWnd* GetCapture();
BOOL ReleaseCapture();
BOOL GetCursorPos(LPPOINT point);
// The standard cursor with that id (IDC_...); null for an unknown id. The instance is ignored.
HCURSOR LoadCursor(const void* instance, UINT cursorId);
// Makes the cursor current and returns the previous one.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();

// Brushes, pens and colours (CBrush.cpp).
HBRUSH GetStockBrush(int object);
HBRUSH CreateSolidBrush(COLORREF colour);
COLORREF GetSysColor(int index);
HBRUSH GetSysColorBrush(int index);

// Icons: "icons\<id>.bmp" in the resource folder (ui::IconTable); null when missing or broken.
HICON LoadIcon(const void* instance, UINT iconId);
BOOL DestroyIcon(HICON icon);

// Data exchange (users/DataExchange.cpp): the same name always gives the same format, from
// 0xC000 on; an empty name gives 0.
UINT RegisterClipboardFormat(const std::wstring& name);
