#include "platform/ui/controls/CResizer.h"

#include "platform/ui/windows/CWnd.h"

#include <algorithm>
#include <cstdint>

namespace {

bool isHorizontal(CResizer::Side side) {
    return side == CResizer::eLeft || side == CResizer::eRight;
}

int sideOf(const CRect& rect, CResizer::Side side) {
    switch (side) {
    case CResizer::eLeft:
        return rect.left;
    case CResizer::eTop:
        return rect.top;
    case CResizer::eRight:
        return rect.right;
    case CResizer::eBottom:
        return rect.bottom;
    }
    return 0;
}

// value * numerator / denominator rounded half away from zero; denominator > 0.
std::int64_t scaled(std::int64_t value, std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t product = value * numerator;
    const std::int64_t half = denominator / 2;
    return product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
}

// An edge's border is usable on its axis: horizontal edges follow left/right sides or keep
// the width, vertical ones follow top/bottom sides or keep the height.
bool fitsAxis(const CResizer::CBorder& border, bool horizontal) {
    switch (border.type) {
    case CResizer::eFixed:
    case CResizer::eProportional:
        return isHorizontal(border.side) == horizontal;
    case CResizer::eWidth:
        return horizontal;
    case CResizer::eHeight:
        return !horizontal;
    }
    return false;
}

bool keepsSize(const CResizer::CBorder& border) {
    return border.type == CResizer::eWidth || border.type == CResizer::eHeight;
}

} // namespace

bool CResizer::validate(CWnd* parent, std::span<const CBorderInfo> entries) const {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CBorderInfo& entry = entries[i];
        if (entry.id == IDC_MAIN || !parent->GetDlgItem(static_cast<int>(entry.id)))
            return false;
        const CBorder* borders[4] = {&entry.left, &entry.top, &entry.right, &entry.bottom};
        for (int b = 0; b < 4; ++b) {
            const CBorder& border = *borders[b];
            if (!fitsAxis(border, b % 2 == 0))
                return false;
            if (keepsSize(border) || border.relatedId == IDC_MAIN)
                continue;
            if (!parent->GetDlgItem(static_cast<int>(border.relatedId)))
                return false;
            // Related to itself, to a later entry, or to a control with an entry so far?
            for (std::size_t j = i; j < entries.size(); ++j) {
                if (entries[j].id == border.relatedId)
                    return false;
            }
        }
        if ((keepsSize(entry.left) && keepsSize(entry.right)) ||
            (keepsSize(entry.top) && keepsSize(entry.bottom)))
            return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (entries[j].id == entry.id)
                return false;
        }
    }
    return true;
}

bool CResizer::Init(CWnd* parent, const CRect* initial, std::span<const CBorderInfo> entries) {
    if (!parent || !parent->GetSafeHwnd() || !validate(parent, entries))
        return false;
    parent_ = parent;
    if (initial) {
        initialParent_ = *initial;
    } else {
        parent->GetClientRect(&initialParent_);
    }
    entries_.assign(entries.begin(), entries.end());
    controls_.clear();
    related_.clear();
    for (const CBorderInfo& entry : entries_)
        controls_.push_back({entry.id, rectOf(entry.id)});
    for (const CBorderInfo& entry : entries_) {
        for (const CBorder* border : {&entry.left, &entry.top, &entry.right, &entry.bottom}) {
            const UINT id = border->relatedId;
            const auto has = [id](const auto& list) {
                return std::any_of(list.begin(), list.end(),
                                   [id](const Recorded& r) { return r.id == id; });
            };
            if (!keepsSize(*border) && id != IDC_MAIN && !has(controls_) && !has(related_))
                related_.push_back({id, rectOf(id)});
        }
    }
    return true;
}

CRect CResizer::rectOf(UINT id) const {
    CRect rect;
    const CWnd* control = parent_->GetDlgItem(static_cast<int>(id));
    if (!control)
        return rect;
    control->GetWindowRect(&rect);
    parent_->ScreenToClient(&rect);
    return rect;
}

int CResizer::edge(const CBorder& border, int edge0, bool horizontal,
                   const std::vector<CRect>& laidOut, const CRect& now) const {
    CRect before = initialParent_;
    CRect after = now;
    if (border.relatedId != IDC_MAIN) {
        // Validation put every related entry before the one being laid out.
        const auto entry = std::find_if(controls_.begin(), controls_.end(), [&](const Recorded& r) {
            return r.id == border.relatedId;
        });
        if (entry != controls_.end()) {
            before = entry->initial;
            after = laidOut[static_cast<std::size_t>(entry - controls_.begin())];
        } else {
            const auto other =
                std::find_if(related_.begin(), related_.end(),
                             [&](const Recorded& r) { return r.id == border.relatedId; });
            before = other->initial;
            after = parent_->GetDlgItem(static_cast<int>(border.relatedId))
                        ? rectOf(border.relatedId)
                        : other->initial;
        }
    }
    const std::int64_t distance = edge0 - sideOf(before, border.side);
    const int sideNow = sideOf(after, border.side);
    const std::int64_t size0 = horizontal ? initialParent_.Width() : initialParent_.Height();
    if (border.type == eFixed || size0 <= 0)
        return static_cast<int>(sideNow + distance);
    const std::int64_t size = horizontal ? now.Width() : now.Height();
    return static_cast<int>(sideNow + scaled(distance, size, size0));
}

CRect CResizer::layOut(std::size_t index, const std::vector<CRect>& laidOut,
                       const CRect& now) const {
    const CBorderInfo& entry = entries_[index];
    const CRect& initial = controls_[index].initial;
    CRect rect = initial;
    if (!keepsSize(entry.left))
        rect.left = edge(entry.left, initial.left, true, laidOut, now);
    if (!keepsSize(entry.right))
        rect.right = edge(entry.right, initial.right, true, laidOut, now);
    if (keepsSize(entry.left))
        rect.left = rect.right - initial.Width();
    if (keepsSize(entry.right))
        rect.right = rect.left + initial.Width();
    if (!keepsSize(entry.top))
        rect.top = edge(entry.top, initial.top, false, laidOut, now);
    if (!keepsSize(entry.bottom))
        rect.bottom = edge(entry.bottom, initial.bottom, false, laidOut, now);
    if (keepsSize(entry.top))
        rect.top = rect.bottom - initial.Height();
    if (keepsSize(entry.bottom))
        rect.bottom = rect.top + initial.Height();
    rect.right = std::max(rect.right, rect.left);
    rect.bottom = std::max(rect.bottom, rect.top);
    return rect;
}

void CResizer::Move() {
    if (!parent_ || !parent_->GetSafeHwnd())
        return;
    CRect now;
    parent_->GetClientRect(&now);
    std::vector<CRect> laidOut;
    laidOut.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const CRect rect = layOut(i, laidOut, now);
        laidOut.push_back(rect);
        CWnd* control = parent_->GetDlgItem(static_cast<int>(entries_[i].id));
        if (control && rectOf(entries_[i].id) != rect)
            control->MoveWindow(&rect);
    }
}
