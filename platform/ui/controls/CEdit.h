#pragma once
// CEdit: a single- or multi-line edit. Multi-line text keeps "\r\n" line ends, as Win32 does.
//
// Programmatic changes (SetWindowText, ReplaceSel, SetSel) never notify; this deliberately
// differs from Win32, where WM_SETTEXT and EM_REPLACESEL send EN_CHANGE. A user typing
// (userType) replaces the selection, respects the text limit and read-only, and sends
// EN_UPDATE and EN_CHANGE once.

#include "platform/ui/windows/CWnd.h"

class CEdit : public CWnd {
public:
    CEdit() = default;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetWindowText(const std::wstring& text) override;

    // start -1 removes the selection; end -1 means the end of the text.
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int& start, int& end) const;
    // Start in the low word, end in the high word (as EM_GETSEL).
    DWORD GetSel() const;
    void ReplaceSel(const std::wstring& text, BOOL canUndo = FALSE);
    // 0 means the largest limit.
    void LimitText(int maxChars = 0);
    void SetLimitText(UINT maxChars) { LimitText(static_cast<int>(maxChars)); }
    UINT GetLimitText() const { return static_cast<UINT>(limit_); }
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    int GetLineCount() const;
    bool isMultiLine() const { return (GetStyle() & ES_MULTILINE) != 0; }

    // User input: what a user typing `text` at the caret does. False when read-only.
    virtual bool userType(const std::wstring& text);

    bool wantsDialogKey(const MSG& msg) const override;

protected:
    void OnSetFocus(CWnd* oldWindow) override;
    void OnKillFocus(CWnd* newWindow) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeatCount, UINT flags) override;
    void takeOverState(CWnd& original) override;

private:
    static constexpr int kMaxLimit = 0x7FFFFFFE;

    // Text as stored: single-line text ends at its first line break; multi-line uses CRLF.
    std::wstring normalized(const std::wstring& text) const;
    void replaceSelection(const std::wstring& text);

    int selStart_ = 0;
    int selEnd_ = 0;
    int limit_ = kMaxLimit;
};
