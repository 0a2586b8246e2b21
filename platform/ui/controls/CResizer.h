#pragma once
// The core module's layout helper for resizable dialogs.
//
// A layout is a table with one entry per control. For each of its four edges an entry says
// what the edge follows when the dialog (the parent) changes size:
//
//   eFixed        a side of the dialog (related id 0, IDC_MAIN) or of another control: the edge
//                 keeps the distance it had to that side;
//   eProportional a side of the dialog or of another control: the edge's distance to that side
//                 grows and shrinks with the dialog's client width (left, right) or height (top,
//                 bottom), so it keeps its share of the dialog;
//   eWidth        right or left edge: the control keeps its width;
//   eHeight       bottom or top edge: the control keeps its height.
//
// Init records the dialog's client rectangle (or the one given) and every control's rectangle
// at that moment. Move lays the controls out for the dialog's present client rectangle:
//
//   edge   = now(side) + (edge0 - side0)                      eFixed
//   edge   = now(side) + round((edge0 - side0) * size / size0) eProportional
//   right  = left + width0, left = right - width0             eWidth (top/bottom with eHeight)
//
// where side0 / now(side) are the related side's coordinate at Init and now, edge0 the edge
// at Init, size0 / size the dialog's client width or height at Init and now (a zero size0
// counts as no change); rounding is half away from zero. An edge that would pass its opposite
// edge stops there (the control gets width or height 0).
//
// Entries are laid out in table order, so a control attached to an earlier entry follows that
// entry's new rectangle. A control related to the entry itself or to a later one would make
// the layout depend on the order of moves, so Init refuses such a table, as it refuses
// controls that are not children of the dialog, sides of the other axis (a left edge attached
// to a top side) and an axis whose two edges both keep the size. A related control that has
// no entry of its own does not move; its present rectangle counts.
//
// The dialog calls Move from its size handler (OnSize), and calls Init before it restores a
// stored size (ChangeDlgSize), so that the recorded layout is the one the controls have.

#include "platform/ui/windows/WinTypes.h"

#include <span>
#include <vector>

class CWnd;

class CResizer {
public:
    enum EdgeType { eFixed, eProportional, eWidth, eHeight };
    enum Side { eLeft, eTop, eRight, eBottom };
    static constexpr UINT IDC_MAIN = 0;

    struct CBorder {
        constexpr CBorder(EdgeType type_, UINT relatedId_ = IDC_MAIN, Side side_ = eLeft)
            : type(type_), relatedId(relatedId_), side(side_) {}
        EdgeType type;
        UINT relatedId;
        Side side;
    };
    struct CBorderInfo {
        UINT id;
        CBorder left;
        CBorder top;
        CBorder right;
        CBorder bottom;
    };

    // The two entries most dialogs are made of: a control that keeps its size in the dialog's
    // bottom-right corner (OK, Cancel), and one whose right and bottom edges follow the dialog's
    // (a list or sheet that grows with it).
    static constexpr CBorderInfo keptBottomRight(UINT id) {
        return {id, {eWidth}, {eHeight}, {eFixed, IDC_MAIN, eRight}, {eFixed, IDC_MAIN, eBottom}};
    }
    static constexpr CBorderInfo grown(UINT id) {
        return {id, {eFixed}, {eFixed}, {eFixed, IDC_MAIN, eRight}, {eFixed, IDC_MAIN, eBottom}};
    }

    // initial: the dialog's client rectangle the controls are laid out for; null takes the
    // present one. False (and the resizer left as it was) for a table that breaks the rules
    // above or a dialog that is not created.
    bool Init(CWnd* parent, const CRect* initial, std::span<const CBorderInfo> entries);
    // Moves the controls for the dialog's present client size; nothing before Init.
    void Move();

private:
    // A control as Init saw it. Controls are looked up by id when they are moved, because a
    // dialog may replace a control (SubclassDlgItem) after Init.
    struct Recorded {
        UINT id;
        CRect initial;
    };

    bool validate(CWnd* parent, std::span<const CBorderInfo> entries) const;
    CRect rectOf(UINT id) const;
    int edge(const CBorder& border, int edge0, bool horizontal, const std::vector<CRect>& laidOut,
             const CRect& now) const;
    CRect layOut(std::size_t index, const std::vector<CRect>& laidOut, const CRect& now) const;

    CWnd* parent_ = nullptr;
    CRect initialParent_;
    std::vector<CBorderInfo> entries_;
    std::vector<Recorded> controls_; // the entries' controls, in table order
    std::vector<Recorded> related_;  // related controls without an entry of their own
};
