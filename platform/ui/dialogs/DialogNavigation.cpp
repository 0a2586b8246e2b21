#include "platform/ui/dialogs/DialogNavigation.h"

#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/windows/CWnd.h"

#include <algorithm>

namespace ui {

namespace {

bool shownAndEnabled(const CWnd& window) {
    return (window.GetStyle() & WS_VISIBLE) != 0 && (window.GetStyle() & WS_DISABLED) == 0;
}

bool isRadio(const CWnd& window) {
    const auto* button = dynamic_cast<const CButton*>(&window);
    return button != nullptr && button->isRadioButton();
}

struct Entry {
    CWnd* control;
    bool usable; // visible and enabled, with every container up to the dialog
};

// Every control of the dialog in tree order; containers are left out, their controls kept.
void collect(const CWnd& parent, std::vector<Entry>& out, bool parentUsable) {
    for (CWnd* child : parent.children()) {
        const bool usable = parentUsable && shownAndEnabled(*child);
        if (DialogNavigation::isContainer(*child)) {
            collect(*child, out, usable);
        } else {
            out.push_back({child, usable});
        }
    }
}

std::size_t positionOf(const std::vector<Entry>& entries, const CWnd* control) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].control == control) {
            return i;
        }
    }
    return entries.size();
}

struct Stop {
    std::size_t first; // range of positions in the control order
    std::size_t last;
    CWnd* target;
};

std::vector<Stop> tabStops(const std::vector<Entry>& entries) {
    std::vector<Stop> stops;
    std::vector<const CWnd*> seenGroups;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        CWnd* control = entries[i].control;
        if (!isRadio(*control)) {
            if (entries[i].usable && (control->GetStyle() & WS_TABSTOP) != 0) {
                stops.push_back({i, i, control});
            }
            continue;
        }
        const std::vector<CWnd*> group = DialogNavigation::radioGroup(*control);
        if (std::find(seenGroups.begin(), seenGroups.end(), group.front()) != seenGroups.end()) {
            continue;
        }
        seenGroups.push_back(group.front());
        bool hasTabStop = false;
        CWnd* checked = nullptr;
        CWnd* firstUsable = nullptr;
        std::size_t last = i;
        for (CWnd* member : group) {
            const std::size_t pos = positionOf(entries, member);
            if (pos == entries.size()) {
                continue;
            }
            last = std::max(last, pos);
            if (!entries[pos].usable) {
                continue;
            }
            hasTabStop = hasTabStop || (member->GetStyle() & WS_TABSTOP) != 0;
            if (firstUsable == nullptr) {
                firstUsable = member;
            }
            if (checked == nullptr && static_cast<CButton*>(member)->GetCheck() != 0) {
                checked = member;
            }
        }
        if (hasTabStop && firstUsable != nullptr) {
            stops.push_back({i, last, checked ? checked : firstUsable});
        }
    }
    return stops;
}

} // namespace

bool DialogNavigation::isContainer(const CWnd& window) {
    return dynamic_cast<const CDialog*>(&window) != nullptr ||
           (window.GetExStyle() & WS_EX_CONTROLPARENT) != 0;
}

std::vector<CWnd*> DialogNavigation::radioGroup(const CWnd& button) {
    const CWnd* parent = button.GetParent();
    if (parent == nullptr) {
        return {const_cast<CWnd*>(&button)};
    }
    const auto& siblings = parent->children();
    auto self = std::find(siblings.begin(), siblings.end(), &button);
    if (self == siblings.end()) {
        return {const_cast<CWnd*>(&button)};
    }
    auto begin = self;
    while (begin != siblings.begin() && ((*begin)->GetStyle() & WS_GROUP) == 0) {
        --begin;
    }
    std::vector<CWnd*> group;
    for (auto it = begin; it != siblings.end(); ++it) {
        if (it != begin && ((*it)->GetStyle() & WS_GROUP) != 0) {
            break;
        }
        if (isRadio(**it)) {
            group.push_back(*it);
        }
    }
    return group;
}

CWnd* DialogNavigation::nextTabStop(const CWnd& dialog, const CWnd* from, bool previous) {
    std::vector<Entry> entries;
    collect(dialog, entries, true);
    const std::vector<Stop> stops = tabStops(entries);
    if (stops.empty()) {
        return nullptr;
    }
    const std::size_t pos = positionOf(entries, from);
    if (pos == entries.size()) {
        return previous ? stops.back().target : stops.front().target;
    }
    std::size_t first = pos;
    std::size_t last = pos;
    for (const Stop& stop : stops) {
        if (pos >= stop.first && pos <= stop.last) {
            first = stop.first;
            last = stop.last;
        }
    }
    if (!previous) {
        for (const Stop& stop : stops) {
            if (stop.first > last) {
                return stop.target;
            }
        }
        return stops.front().target;
    }
    for (auto it = stops.rbegin(); it != stops.rend(); ++it) {
        if (it->last < first) {
            return it->target;
        }
    }
    return stops.back().target;
}

CWnd* DialogNavigation::findControl(const CWnd& dialog, int id) {
    for (CWnd* child : dialog.children()) {
        if (child->GetDlgCtrlID() == id) {
            return child;
        }
    }
    for (CWnd* child : dialog.children()) {
        if (isContainer(*child)) {
            if (CWnd* found = findControl(*child, id)) {
                return found;
            }
        }
    }
    return nullptr;
}

void DialogNavigation::focusControl(CWnd& control) {
    control.SetFocus();
    if (CWnd::GetFocus() != &control) {
        return;
    }
    if (auto* edit = dynamic_cast<CEdit*>(&control)) {
        edit->SetSel(0, -1);
    } else if (auto* combo = dynamic_cast<CComboBox*>(&control)) {
        combo->SetEditSel(0, -1);
    }
}

CWnd* DialogNavigation::outermostDialog(CWnd* window) {
    CWnd* found = nullptr;
    for (CWnd* w = window; w != nullptr; w = w->GetParent()) {
        if (dynamic_cast<CDialog*>(w) != nullptr) {
            found = w;
        }
        if ((w->GetStyle() & WS_CHILD) == 0) {
            break;
        }
    }
    return found;
}

} // namespace ui
