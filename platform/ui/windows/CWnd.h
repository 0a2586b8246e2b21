#pragma once
// CWnd: one window of the in-memory window tree.
//
// A window has an id, a parent, ordered children (sibling order is z-order and tab order, as in
// Win32), a text, a rectangle, style bits, a font and a created flag. Child windows (WS_CHILD)
// keep their rectangle in the parent's client coordinates; top-level and owned pop-up windows
// keep theirs in screen coordinates. Children are not owned, except the controls that the
// framework itself made from a dialog template, which the parent deletes after destroying them.
//
// Messages: SendMessage calls the virtual WindowProc at once, which dispatches to the virtual
// handlers (OnCommand, OnNotify, OnTimer, ...). PostMessage queues the message (ui::MessageQueue)
// until the user layer or the clock pumps. Instead of MFC's message-map macros a window
// registers handlers, usually in the constructor of a dialog:
//
//     CDlgExample::CDlgExample() : CDialog(IDD_EXAMPLE) {
//         onCommand(IDC_APPLY, BN_CLICKED, [this] { apply(); });
//         onCommand(IDC_NAME, EN_KILLFOCUS, [this] { checkName(); });
//         onNotify(IDC_TABS, TCN_SELCHANGE, [this](NMHDR*, LRESULT*) { showPage(); });
//     }
//
// Registered handlers run from CWnd::OnCommand / CWnd::OnNotify; a class that overrides those
// calls the base to keep them.

#include "platform/ui/graphics/WinGdi.h"
#include "platform/ui/windows/CFont.h"
#include "platform/ui/windows/WinTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDC;

class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Insert-after markers for SetWindowPos (top and bottom of the sibling order).
    static const CWnd wndTop;
    static const CWnd wndBottom;

    // --- creation and destruction -------------------------------------------------------------
    // className may be null (a plain window). Fails when already created, when a WS_CHILD window
    // has no created parent, or when OnCreate returns -1.
    BOOL CreateEx(DWORD exStyle, const wchar_t* className, const std::wstring& text, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id);
    BOOL Create(const wchar_t* className, const std::wstring& text, DWORD style, const RECT& rect,
                CWnd* parent, UINT id);
    // OnDestroy runs first (children still there, as WM_DESTROY in Win32), then the children
    // and owned pop-ups are destroyed, timers killed, queued messages dropped and the window
    // detached from its parent. False when the window is not created.
    virtual BOOL DestroyWindow();
    // Non-null (this window) while created.
    HWND GetSafeHwnd() const { return created_ ? const_cast<CWnd*>(this) : nullptr; }
    // This (not yet created) object takes the place of the parent's control with that id: same
    // id, rectangle, text, styles, font, position among the siblings and control state; the
    // object that held the place is destroyed.
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    // --- identity and tree ----------------------------------------------------------------------
    int GetDlgCtrlID() const { return id_; }
    int SetDlgCtrlID(int id);
    // The parent of a child window, the owner of a pop-up.
    CWnd* GetParent() const { return parent_; }
    // The nearest ancestor (or this) that is not a child window.
    CWnd* GetTopLevelParent() const;
    // The direct child with that id, or null.
    CWnd* GetDlgItem(int id) const;
    // True when window is a descendant of this window.
    BOOL IsChild(const CWnd* window) const;
    const std::vector<CWnd*>& children() const { return children_; }
    const std::wstring& className() const { return className_; }

    // --- text ------------------------------------------------------------------------------------
    // Setting a text never notifies (see docs/window-system.md).
    virtual void SetWindowText(const std::wstring& text);
    virtual std::wstring GetWindowText() const;
    void GetWindowText(std::wstring& text) const { text = GetWindowText(); }
    int GetWindowTextLength() const { return static_cast<int>(GetWindowText().size()); }
    void SetDlgItemText(int id, const std::wstring& text);
    // Length of the text; the text is emptied when there is no such control.
    int GetDlgItemText(int id, std::wstring& text) const;
    // Check state of the button child with that id (no notification).
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    // Checks `check` and unchecks the other buttons with ids first..last.
    void CheckRadioButton(int first, int last, int check);

    // --- geometry (pixels) ----------------------------------------------------------------------
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    // insertAfter: &CWnd::wndTop, &CWnd::wndBottom, a sibling, or null (= top).
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    // Screen coordinates.
    void GetWindowRect(LPRECT rect) const;
    // Client area: (0, 0, width, height) of the window less its frame and caption.
    void GetClientRect(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;

    // --- state -----------------------------------------------------------------------------------
    // Returns whether the window was visible before.
    BOOL ShowWindow(int command);
    // Visible itself and all its ancestors.
    BOOL IsWindowVisible() const;
    // Returns whether the window was disabled before.
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    DWORD GetStyle() const { return style_; }
    DWORD GetExStyle() const { return exStyle_; }
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    void SetFont(CFont* font, BOOL redraw = TRUE);
    // The window's own copy of the font it was given, or null.
    CFont* GetFont() const;

    // --- focus -----------------------------------------------------------------------------------
    // Moves the keyboard focus here (WM_KILLFOCUS to the old focus, WM_SETFOCUS here; controls
    // notify their parent as Win32 controls do). Returns the previous focus window.
    CWnd* SetFocus();
    static CWnd* GetFocus();

    // --- painting -------------------------------------------------------------------------------
    void Invalidate(BOOL erase = TRUE);
    // Paints when invalid; paintCount() tells how often the window was painted.
    void UpdateWindow();
    int invalidateCount() const { return invalidateCount_; }
    int paintCount() const { return paintCount_; }

    // --- messages -------------------------------------------------------------------------------
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Queued until ui::MessageQueue::pump(); false when the window is not created.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Called for every key press, from the focus window up through its parents; returning TRUE
    // swallows the key.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Applies the dialog keys (Tab, Shift+Tab, Enter, Escape) with this window as the dialog;
    // TRUE when the key was one of them.
    BOOL IsDialogMessage(MSG* msg);
    // The next (or previous) visible, enabled WS_TABSTOP control after `control` among this
    // window's controls, wrapping; a group of radio buttons counts once.
    CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const;
    // True when this control takes the key itself instead of the dialog keys (a multi-line edit
    // with ES_WANTRETURN takes Enter).
    virtual bool wantsDialogKey(const MSG& msg) const;

    // --- mouse (ui::Mouse) ---------------------------------------------------------------------
    // The direct child whose rectangle holds the point (client coordinates), in z-order; this
    // window when no child does; null outside the client area. flags: CWP_SKIPINVISIBLE,
    // CWP_SKIPDISABLED (hidden and disabled children count unless skipped, as in Win32).
    CWnd* ChildWindowFromPoint(POINT point, UINT flags = CWP_ALL) const;
    // All mouse input goes to this window until ReleaseCapture. Returns the previous capture.
    CWnd* SetCapture();
    static CWnd* GetCapture();

    // --- timers (on ui::Clock) ------------------------------------------------------------------
    // A timer without proc sends WM_TIMER (OnTimer). Returns id, or 0 when not created.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr);
    BOOL KillTimer(UINT_PTR id);

    // --- message boxes (through the current ui::User) -----------------------------------------
    int MessageBox(const std::wstring& text, const std::wstring& caption = L"", UINT type = MB_OK);

    // --- message map ----------------------------------------------------------------------------
    void onCommand(UINT id, UINT code, std::function<void()> handler);
    void onCommandRange(UINT first, UINT last, UINT code, std::function<void(UINT id)> handler);
    void onNotify(UINT id, UINT code, std::function<void(NMHDR*, LRESULT*)> handler);
    // Any other message (for example WM_USER + n); the handler's result is the message result.
    void onMessage(UINT message, std::function<LRESULT(WPARAM, LPARAM)> handler);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // After the window exists and before it is shown; -1 fails the creation.
    virtual int OnCreate(LPCREATESTRUCT createStruct);
    // Runs the registered command handlers; TRUE when one ran.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // Runs the registered notify handlers; TRUE when one ran.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnDestroy();
    // Default: DestroyWindow.
    virtual void OnClose();
    virtual void OnSetFocus(CWnd* oldWindow);
    virtual void OnKillFocus(CWnd* newWindow);
    virtual void OnKeyDown(UINT key, UINT repeatCount, UINT flags);
    virtual void OnKeyUp(UINT key, UINT repeatCount, UINT flags);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnRButtonUp(UINT flags, CPoint point);
    virtual void OnRButtonDblClk(UINT flags, CPoint point);
    virtual void OnMouseMove(UINT flags, CPoint point);
    // Asked before every mouse move without capture. Default: a child window first asks its
    // parent (TRUE there ends it), then the client area gets the class cursor (the arrow, the
    // I-beam for edits).
    virtual BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    virtual void OnCaptureChanged(CWnd* window);
    // Painting (ui::WindowPainter): the background first, then the content. The default
    // background is the dialog face for dialogs and windows of no class, white otherwise.
    virtual BOOL OnEraseBkgnd(CDC* dc);
    virtual void OnPaint();
    // A static control about to paint asks its parent for its colours (WM_CTLCOLORSTATIC). The
    // default offers the control its own answer (CtlColor), else the dialog face.
    virtual HBRUSH OnCtlColor(CDC* dc, CWnd* window, UINT ctlColor);
    // The control's own colours (MFC's reflected WM_CTLCOLOR); null leaves it to the parent.
    virtual HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    // Asked before the user resizes the window (see ui::UserActions::resize).
    virtual void OnGetMinMaxInfo(MINMAXINFO* info);

    // Subclassing hook: copy the control state (items, check, selection, ...) of the control
    // whose place this object takes. The base copies nothing beyond what CWnd holds.
    virtual void takeOverState(CWnd& original);
    // Called once this object has taken the place of a template-made control.
    virtual void PreSubclassWindow();

    // A control tells its parent: WM_COMMAND (id, code) or WM_NOTIFY.
    void notifyParent(UINT code);
    LRESULT notifyParent(NMHDR& header);

    // The window takes ownership of a child made by the framework (dialog templates); the
    // child must already be created with this window as its parent.
    CWnd* adoptChild(std::unique_ptr<CWnd> child);

private:
    // Mouse, painting and sizing messages; false when the message is none of them.
    bool dispatchPointerAndPaint(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void destroyTree();
    void detachFromParent();
    void setRectAndNotify(const CRect& rect, bool move, bool size);
    CPoint clientOriginOnScreen() const;

    struct CommandHandler {
        UINT first;
        UINT last;
        UINT code;
        std::function<void(UINT)> handler;
    };
    struct NotifyHandler {
        UINT id;
        UINT code;
        std::function<void(NMHDR*, LRESULT*)> handler;
    };
    struct MessageHandler {
        UINT message;
        std::function<LRESULT(WPARAM, LPARAM)> handler;
    };

    bool created_ = false;
    bool destroying_ = false;
    int id_ = 0;
    CWnd* parent_ = nullptr;
    std::vector<CWnd*> children_;
    std::vector<CWnd*> ownedPopups_;
    std::vector<std::unique_ptr<CWnd>> ownedChildren_;
    std::wstring className_;
    std::wstring text_;
    CRect rect_;
    DWORD style_ = 0;
    DWORD exStyle_ = 0;
    mutable CFont font_;
    bool invalid_ = false;
    int invalidateCount_ = 0;
    int paintCount_ = 0;
    std::vector<CommandHandler> commandHandlers_;
    std::vector<NotifyHandler> notifyHandlers_;
    std::vector<MessageHandler> messageHandlers_;
};
