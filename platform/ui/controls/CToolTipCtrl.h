#pragma once
// CToolTipCtrl: the tips shown when the pointer rests on a tool window. Headless, it holds the
// texts per tool; a renderer asks textFor(tool) for what to show.

#include "platform/ui/windows/WinTypes.h"

#include <map>
#include <string>

class CToolTipCtrl {
public:
    CToolTipCtrl();
    ~CToolTipCtrl();
    CToolTipCtrl(const CToolTipCtrl&) = delete;
    CToolTipCtrl& operator=(const CToolTipCtrl&) = delete;

    // FALSE without a created parent or when created already.
    BOOL Create(CWnd* parent, DWORD style = 0);
    BOOL AddTool(CWnd* tool, const std::wstring& text);
    void UpdateTipText(const std::wstring& text, CWnd* tool);
    void DelTool(CWnd* tool);
    void Activate(BOOL active) { active_ = active != FALSE; }
    bool isActive() const { return active_; }
    // The text is emptied for an unknown tool.
    void GetText(std::wstring& text, CWnd* tool) const;
    int GetToolCount() const { return static_cast<int>(tools_.size()); }
    // Mouse messages pass through here in MFC; headless tips need nothing from them.
    void RelayEvent(MSG*) {}

    // The tip an active tooltip control shows for the tool, or empty.
    static std::wstring textFor(const CWnd* tool);

private:
    bool created_ = false;
    bool active_ = true;
    std::map<const CWnd*, std::wstring> tools_;
};
