#include "platform/ui/controls/CEdit.h"

#include <algorithm>

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, L"Edit", L"", style, rect, parent, id);
}

std::wstring CEdit::normalized(const std::wstring& text) const {
    if (!isMultiLine()) {
        const std::size_t end = text.find_first_of(L"\r\n");
        return end == std::wstring::npos ? text : text.substr(0, end);
    }
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t ch = text[i];
        if (ch == L'\r') {
            out += L"\r\n";
            if (i + 1 < text.size() && text[i + 1] == L'\n') {
                ++i;
            }
        } else if (ch == L'\n') {
            out += L"\r\n";
        } else {
            out += ch;
        }
    }
    return out;
}

void CEdit::SetWindowText(const std::wstring& text) {
    CWnd::SetWindowText(normalized(text));
    selStart_ = 0;
    selEnd_ = 0;
}

void CEdit::SetSel(int start, int end, BOOL) {
    const int length = GetWindowTextLength();
    if (start < 0) {
        // No selection: the caret stays where the selection ended.
        selStart_ = selEnd_;
        return;
    }
    if (end < 0 || end > length) {
        end = length;
    }
    start = std::min(start, length);
    selStart_ = std::min(start, end);
    selEnd_ = std::max(start, end);
}

void CEdit::GetSel(int& start, int& end) const {
    start = selStart_;
    end = selEnd_;
}

DWORD CEdit::GetSel() const {
    return static_cast<DWORD>(MAKELPARAM(static_cast<UINT>(selStart_), static_cast<UINT>(selEnd_)));
}

void CEdit::replaceSelection(const std::wstring& text) {
    std::wstring content = GetWindowText();
    const int length = static_cast<int>(content.size());
    const int start = std::clamp(selStart_, 0, length);
    const int end = std::clamp(selEnd_, start, length);
    std::wstring insert = normalized(text);
    const int room = limit_ - (length - (end - start));
    if (room < static_cast<int>(insert.size())) {
        insert.resize(static_cast<std::size_t>(std::max(0, room)));
        // Never split a CRLF pair.
        if (!insert.empty() && insert.back() == L'\r') {
            insert.pop_back();
        }
    }
    content.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), insert);
    CWnd::SetWindowText(content);
    selStart_ = selEnd_ = start + static_cast<int>(insert.size());
}

void CEdit::ReplaceSel(const std::wstring& text, BOOL) {
    replaceSelection(text);
}

void CEdit::LimitText(int maxChars) {
    limit_ = maxChars <= 0 ? kMaxLimit : maxChars;
}

BOOL CEdit::SetReadOnly(BOOL readOnly) {
    ModifyStyle(readOnly ? 0 : ES_READONLY, readOnly ? ES_READONLY : 0);
    return TRUE;
}

int CEdit::GetLineCount() const {
    if (!isMultiLine()) {
        return 1;
    }
    const std::wstring text = GetWindowText();
    int lines = 1;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == L'\r' && text[i + 1] == L'\n') {
            ++lines;
        }
    }
    return lines;
}

bool CEdit::userType(const std::wstring& text) {
    if ((GetStyle() & ES_READONLY) != 0) {
        return false;
    }
    const std::wstring before = GetWindowText();
    const bool hadSelection = selStart_ != selEnd_;
    replaceSelection(text);
    if (hadSelection || GetWindowText() != before) {
        notifyParent(EN_UPDATE);
        notifyParent(EN_CHANGE);
    }
    return true;
}

bool CEdit::wantsDialogKey(const MSG& msg) const {
    return msg.message == WM_KEYDOWN && static_cast<int>(msg.wParam) == VK_RETURN &&
           isMultiLine() && (GetStyle() & ES_WANTRETURN) != 0;
}

void CEdit::OnKeyDown(UINT key, UINT, UINT) {
    if (static_cast<int>(key) == VK_RETURN && isMultiLine()) {
        userType(L"\r\n");
    }
}

void CEdit::OnLButtonDown(UINT, CPoint) {
    SetFocus();
}

void CEdit::OnSetFocus(CWnd*) {
    notifyParent(EN_SETFOCUS);
}

void CEdit::OnKillFocus(CWnd*) {
    notifyParent(EN_KILLFOCUS);
}

void CEdit::takeOverState(CWnd& original) {
    if (auto* other = dynamic_cast<CEdit*>(&original)) {
        selStart_ = other->selStart_;
        selEnd_ = other->selEnd_;
        limit_ = other->limit_;
    }
}
