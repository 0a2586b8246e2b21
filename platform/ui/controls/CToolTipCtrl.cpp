#include "platform/ui/controls/CToolTipCtrl.h"

#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/WindowRegistry.h"

#include <set>

namespace {

std::set<const CToolTipCtrl*>& liveTips() {
    static std::set<const CToolTipCtrl*> tips;
    return tips;
}

} // namespace

CToolTipCtrl::CToolTipCtrl() {
    liveTips().insert(this);
}

CToolTipCtrl::~CToolTipCtrl() {
    liveTips().erase(this);
}

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD) {
    if (created_ || parent == nullptr || parent->GetSafeHwnd() == nullptr) {
        return FALSE;
    }
    created_ = true;
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* tool, const std::wstring& text) {
    if (!created_ || tool == nullptr) {
        return FALSE;
    }
    tools_[tool] = text;
    return TRUE;
}

void CToolTipCtrl::UpdateTipText(const std::wstring& text, CWnd* tool) {
    if (const auto it = tools_.find(tool); it != tools_.end()) {
        it->second = text;
    }
}

void CToolTipCtrl::DelTool(CWnd* tool) {
    tools_.erase(tool);
}

void CToolTipCtrl::GetText(std::wstring& text, CWnd* tool) const {
    const auto it = tools_.find(tool);
    text = it == tools_.end() ? std::wstring() : it->second;
}

std::wstring CToolTipCtrl::textFor(const CWnd* tool) {
    if (!ui::WindowRegistry::instance().isAlive(tool)) {
        return {};
    }
    for (const CToolTipCtrl* tip : liveTips()) {
        if (!tip->active_) {
            continue;
        }
        if (const auto it = tip->tools_.find(tool); it != tip->tools_.end()) {
            return it->second;
        }
    }
    return {};
}
