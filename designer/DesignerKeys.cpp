// Vdn_DlgDesignerData: the runtime tab order of a design's controls, row by row.
#include "designer/Vdn_DlgDesignerData.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/windows/WinApi.h"
#include "platform/ui/windows/WinConstants.h"

#include <algorithm>

namespace {

bool takesTab(const Vdn_DesignerControl& control) {
    return !control.readOnly && control.type != ctLabel && control.type != ctGroupBox;
}

} // namespace

void Vdn_DlgDesignerData::sortAllControls() {
    std::vector<int> candidates;
    for (int i = 0; i < controls_.length(); ++i) {
        controls_[i].tabOrder = 0;
        if (takesTab(controls_[i])) {
            candidates.push_back(i);
        }
    }
    int position = 1;
    while (!candidates.empty()) {
        // The highest control starts a row; whatever starts above its bottom belongs to it.
        const auto top = std::min_element(candidates.begin(), candidates.end(), [&](int a, int b) {
            return controls_[a].topLeftY < controls_[b].topLeftY;
        });
        const double limit = controls_[*top].bottomRightY;
        std::vector<int> row;
        std::vector<int> rest;
        for (const int index : candidates) {
            (controls_[index].topLeftY <= limit ? row : rest).push_back(index);
        }
        std::stable_sort(row.begin(), row.end(), [&](int a, int b) {
            return controls_[a].topLeftX < controls_[b].topLeftX;
        });
        for (const int index : row) {
            controls_[index].tabOrder = position++;
        }
        candidates = std::move(rest);
    }
}

const Vdn_DesignerControl* Vdn_DlgDesignerData::controlWithTabOrder(int position) const {
    if (position <= 0) {
        return nullptr;
    }
    for (int i = 0; i < controls_.length(); ++i) {
        if (controls_[i].tabOrder == position) {
            return &controls_[i];
        }
    }
    return nullptr;
}

bool Vdn_DlgDesignerData::getFocusedDynControl(int& id) const {
    CWnd* focus = CWnd::GetFocus();
    for (const auto& drawn : drawn_) {
        if (drawn->window() != nullptr && drawn->window() == focus) {
            id = drawn->id();
            return true;
        }
    }
    return false;
}

namespace {

void focusControl(CWnd& window) {
    window.SetFocus();
    if (auto* edit = dynamic_cast<CEdit*>(&window)) {
        edit->SetSel(0, -1);
    }
}

} // namespace

bool Vdn_DlgDesignerData::handleTabKey(int key, Vdn_TabMsgHandle& result) {
    result = tmhNotHandled;
    if (key != VK_TAB || !initialized_) {
        return false;
    }
    const bool anyEditable = std::any_of(drawn_.begin(), drawn_.end(), [&](const auto& drawn) {
        int index = 0;
        return findCtrlFromResource(drawn->id(), index) && !controls_[index].readOnly;
    });
    int focused = 0;
    int index = 0;
    if (!anyEditable || !getFocusedDynControl(focused) || !findCtrlFromResource(focused, index)) {
        return false;
    }
    const int position = controls_[index].tabOrder;
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    const int next = backwards ? position - 1 : position + 1;
    const Vdn_DesignerControl* target =
        (backwards && position <= 1) ? nullptr : controlWithTabOrder(next);
    if (target == nullptr) {
        result = backwards ? tmhBeforeFirst : tmhPastLast;
        return true;
    }
    if (CControlRect* drawn = drawnWithId(target->resourceId); drawn && drawn->window()) {
        focusControl(*drawn->window());
    }
    result = tmhHandled;
    return true;
}

bool Vdn_DlgDesignerData::setFocusToCtrl(bool first) {
    int highest = 0;
    for (int i = 0; i < controls_.length(); ++i) {
        highest = std::max(highest, controls_[i].tabOrder);
    }
    const Vdn_DesignerControl* target = controlWithTabOrder(first ? 1 : highest);
    if (target == nullptr) {
        return false;
    }
    CControlRect* drawn = drawnWithId(target->resourceId);
    if (drawn == nullptr || drawn->window() == nullptr) {
        return false;
    }
    focusControl(*drawn->window());
    return true;
}
