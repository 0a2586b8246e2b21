#include "dialogs/CDlgEditDstvPoints.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/controls/IconButton.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kCaption = 844;
constexpr int kCancelText = 2;
// Labels and boxes with their numbered texts.
constexpr std::pair<int, int> kTexts[] = {
    {2459, 845},   {2463, 846},   {2484, 221},   {2465, 847},  {2466, 848}, {2468, 849},
    {2470, 1689},  {2471, 1690},  {2485, 851},   {2474, 852},  {2476, 853}, {2478, 20501},
    {2486, 20500}, {2473, 20502}, {2480, 20503}, {2481, 20504}};
constexpr int kFirstSideText = 10046;
constexpr int kNoPlatesText = 854;
constexpr int kFirstPlatesText = 20505;
constexpr int kPlateEntries = 4;
constexpr int kThicknessHoleText = 859;
constexpr int kHoleText = 860;
constexpr int kNameText = 87;
constexpr int kPromptCaption = 855;
constexpr int kProposedName = 171;
constexpr int kNumberRefused = 20516;
constexpr int kNameEmpty = 20517;
constexpr UINT kAddIcon = 212;
constexpr UINT kDeleteIcon = 206;
constexpr int kAddTip = 20512;
constexpr int kDeleteTip = 20513;

using Dlg = CDlgEditDstvPoints;

bool readLength(const std::wstring& text, double& value) {
    bool whole = false;
    const double read = Vdn_String(text).trim().toDouble(&whole);
    if (!whole || !std::isfinite(read) || read < 0)
        return false;
    value = read;
    return true;
}

} // namespace

CDlgEditDstvPoints::CDlgEditDstvPoints(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kPointCombo, CBN_SELCHANGE, [this] { choosePoint(); });
    onCommand(kAddButton, BN_CLICKED, [this] { addPoint(); });
    onCommand(kDeleteButton, BN_CLICKED, [this] { deletePoint(); });
    onCommand(kSide1Combo, CBN_SELCHANGE, [this] { pairSides(kSide1Combo, kSide2Combo); });
    onCommand(kSide2Combo, CBN_SELCHANGE, [this] { pairSides(kSide2Combo, kSide1Combo); });
    // The radios are not neighbours in the tab order, so each clears the other itself.
    for (const int id : {kGeomRadio, kIntersRadio}) {
        onCommand(id, BN_CLICKED, [this, id] {
            CheckRadioButton(kGeomRadio, kIntersRadio, id);
            applyRules();
        });
    }
    for (const int id : {kFullHoleCheck, kThicknessCheck})
        onCommand(id, BN_CLICKED, [this] { applyRules(); });
}

TfDstvPointSideSelection CDlgEditDstvPoints::otherSide(TfDstvPointSideSelection changed,
                                                       TfDstvPointSideSelection other) {
    if (Vdn_DstvPointInfo::sidePair(changed) != Vdn_DstvPointInfo::sidePair(other))
        return other;
    return Vdn_DstvPointInfo::sidePair(changed) == 0 ? eDstvSideTop : eDstvSideStart;
}

BOOL CDlgEditDstvPoints::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kCaption).str());
    SetDlgItemText(IDCANCEL, dialString(kCancelText).str());
    for (const auto& [id, text] : kTexts)
        SetDlgItemText(id, dialString(text).str());
    attachIconButton(addButton_, this, kAddButton, kAddIcon, dialString(kAddTip).str());
    attachIconButton(deleteButton_, this, kDeleteButton, kDeleteIcon, dialString(kDeleteTip).str());
    for (const int id : {kSide1Combo, kSide2Combo, kStartSideCombo}) {
        if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id))) {
            for (int side = 0; side < Vdn_DstvPointInfo::kSideCount; ++side)
                combo->AddString(string(kFirstSideText + side).str());
        }
    }
    for (const int id : {kViewCombo, kMarkCombo}) {
        if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id))) {
            combo->AddString(dialString(kNoPlatesText).str());
            for (int entry = 0; entry < kPlateEntries; ++entry)
                combo->AddString(dialString(kFirstPlatesText + entry).str());
        }
    }
    fillPoints(points_.isEmpty() ? -1 : std::clamp(shown_, 0, points_.length() - 1));
    return TRUE;
}

void CDlgEditDstvPoints::OnOK() {
    if (!storeShown())
        return;
    CDialog::OnOK();
}

void CDlgEditDstvPoints::fillPoints(int index) {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kPointCombo));
    if (combo == nullptr)
        return;
    combo->ResetContent();
    for (const Vdn_DstvPointInfo& point : points_)
        combo->AddString(point.name().str());
    showPoint(index);
}

void CDlgEditDstvPoints::showPoint(int index) {
    const bool shown = points_.isValidIndex(index);
    shown_ = shown ? index : -1;
    if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kPointCombo)))
        combo->SetCurSel(shown_);
    const Vdn_DstvPointInfo point = shown ? points_[index] : Vdn_DstvPointInfo();
    const auto select = [this](int id, int item) {
        if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id)))
            combo->SetCurSel(item < combo->GetCount() ? item : -1);
    };
    SetDlgItemText(kNameEdit, point.name().str());
    CheckRadioButton(kGeomRadio, kIntersRadio,
                     point.selectGeomExtent() ? kGeomRadio : kIntersRadio);
    select(kSide1Combo, point.sideSelection1());
    select(kSide2Combo, point.sideSelection2());
    select(kStartSideCombo, point.intersStartDir());
    CheckDlgButton(kMiddleCheck, point.selectIntersMid() ? BST_CHECKED : BST_UNCHECKED);
    select(kViewCombo, point.viewPlateSelection());
    select(kMarkCombo, point.markPlateSelection());
    SetDlgItemText(kMinDistEdit, Vdn_String(point.minPlateSideDist(), kDecimals).str());
    CheckDlgButton(kFullHoleCheck, point.drillFullHole() ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kThicknessCheck, point.radiusThicknessBased() ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(kHoleEdit, Vdn_String(point.drillRadius(), kDecimals).str());
    // Without a point there is nothing to edit.
    for (int id = kNameEdit; id <= kHoleEdit; ++id) {
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(shown ? TRUE : FALSE);
    }
    if (CWnd* remove = GetDlgItem(kDeleteButton))
        remove->EnableWindow(shown ? TRUE : FALSE);
    if (shown)
        applyRules();
}

void CDlgEditDstvPoints::applyRules() {
    const bool geom = IsDlgButtonChecked(kGeomRadio) == BST_CHECKED;
    const bool full = IsDlgButtonChecked(kFullHoleCheck) == BST_CHECKED;
    const bool thickness = IsDlgButtonChecked(kThicknessCheck) == BST_CHECKED;
    const auto enable = [this](int id, bool on) {
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(on ? TRUE : FALSE);
    };
    for (const int id : {kSide1Combo - 1, kSide1Combo, kSide2Combo - 1, kSide2Combo})
        enable(id, geom);
    for (const int id : {kStartSideCombo - 1, kStartSideCombo, kMiddleCheck})
        enable(id, !geom);
    enable(kHoleEdit, full);
    enable(kHoleLabel, full);
    enable(kThicknessCheck, full && !geom);
    SetDlgItemText(kHoleLabel, dialString(thickness ? kThicknessHoleText : kHoleText).str());
}

void CDlgEditDstvPoints::pairSides(int changedCombo, int otherCombo) {
    auto* changed = dynamic_cast<CComboBox*>(GetDlgItem(changedCombo));
    auto* other = dynamic_cast<CComboBox*>(GetDlgItem(otherCombo));
    if (changed == nullptr || other == nullptr || changed->GetCurSel() < 0 ||
        other->GetCurSel() < 0)
        return;
    const auto side = static_cast<TfDstvPointSideSelection>(changed->GetCurSel());
    other->SetCurSel(otherSide(side, static_cast<TfDstvPointSideSelection>(other->GetCurSel())));
}

bool CDlgEditDstvPoints::storeShown() {
    if (!points_.isValidIndex(shown_))
        return true;
    std::wstring name;
    std::wstring minText;
    std::wstring holeText;
    GetDlgItemText(kNameEdit, name);
    GetDlgItemText(kMinDistEdit, minText);
    GetDlgItemText(kHoleEdit, holeText);
    Vdn_DstvPointInfo& point = points_[shown_];
    double minDistance = point.minPlateSideDist();
    double radius = point.drillRadius();
    if (Vdn_String(name).trim().isEmpty()) {
        refuse(kNameEdit, kNameEmpty);
        return false;
    }
    if (!readLength(minText, minDistance)) {
        refuse(kMinDistEdit, kNumberRefused);
        return false;
    }
    const bool full = IsDlgButtonChecked(kFullHoleCheck) == BST_CHECKED;
    // The hole value only counts for a full hole; an unused edit never blocks OK.
    if (full && !readLength(holeText, radius)) {
        refuse(kHoleEdit, kNumberRefused);
        return false;
    }
    const auto selected = [this](int id, int fallback) {
        auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id));
        return combo != nullptr && combo->GetCurSel() >= 0 ? combo->GetCurSel() : fallback;
    };
    const bool geom = IsDlgButtonChecked(kGeomRadio) == BST_CHECKED;
    point.setName(Vdn_String(name).trim());
    point.setSelectGeomExtent(
        geom, static_cast<TfDstvPointSideSelection>(selected(kSide1Combo, point.sideSelection1())),
        static_cast<TfDstvPointSideSelection>(selected(kSide2Combo, point.sideSelection2())));
    point.setSelectIntersGeom(
        !geom, IsDlgButtonChecked(kMiddleCheck) == BST_CHECKED,
        static_cast<TfDstvPointSideSelection>(selected(kStartSideCombo, point.intersStartDir())));
    // An entry beyond the list (a value of a newer program) stays as it was.
    point.setPlateSelection(
        static_cast<std::uint16_t>(selected(kViewCombo, point.viewPlateSelection())),
        static_cast<std::uint16_t>(selected(kMarkCombo, point.markPlateSelection())), minDistance);
    // A thickness-based diameter needs a full hole through intersecting geometry; a tick left
    // in the disabled box does not count.
    const bool thickness = full && !geom && IsDlgButtonChecked(kThicknessCheck) == BST_CHECKED;
    point.setDrillFullHole(full, thickness, radius);
    return true;
}

void CDlgEditDstvPoints::choosePoint() {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kPointCombo));
    if (combo == nullptr || combo->GetCurSel() == shown_)
        return;
    const int chosen = combo->GetCurSel();
    if (!storeShown()) {
        combo->SetCurSel(shown_); // the refused point stays in view
        return;
    }
    fillPoints(chosen); // a renamed point shows its new name in the list
}

void CDlgEditDstvPoints::addPoint() {
    if (!storeShown())
        return;
    Vdn_DlgPromptString prompt(this);
    prompt.caption = dialString(kPromptCaption);
    prompt.label = dialString(kNameText);
    prompt.value = dialString(kProposedName);
    if (prompt.DoModal() != IDOK)
        return;
    const Vdn_String name = prompt.value.trim();
    if (name.isEmpty()) {
        MessageBox(dialString(kNameEmpty).str(), dialString(kCaption).str(),
                   MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const int at = shown_ >= 0 ? shown_ : 0;
    points_.insertAt(at, Vdn_DstvPointInfo(name));
    fillPoints(at);
}

void CDlgEditDstvPoints::deletePoint() {
    if (!points_.isValidIndex(shown_))
        return;
    points_.removeAt(shown_);
    fillPoints(points_.isEmpty() ? -1 : std::min(shown_, points_.length() - 1));
}

void CDlgEditDstvPoints::refuse(int id, int text) {
    MessageBox(dialString(text).str(), dialString(kCaption).str(), MB_OK | MB_ICONEXCLAMATION);
    if (auto* edit = dynamic_cast<CEdit*>(GetDlgItem(id))) {
        GotoDlgCtrl(edit);
        edit->SetSel(0, -1);
    }
}
