#include "macro/dialog/CMacroTabProf.h"

#include "dialogs/CDlgSelectProf.h"
#include "macro/dialog/MacroPageTexts.h"
#include "macro/dialog/SectionList.h"
#include "macro/profiles/ProfAdvLaunchers.h"
#include "platform/core/model/ProfileOffsetTypes.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/host/CommandLineApi.h"
#include "platform/host/ProfilePlacementPicks.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/FillCombo.h"
#include "platform/ui/windows/WinConstants.h"

#include <algorithm>

namespace {

constexpr int kMargin = 4;
constexpr int kRowHeight = 24;
constexpr int kLabelWidth = 90;
constexpr int kComboWidth = 150;
constexpr int kButtonWidth = 24;
constexpr int kComboDrop = 200;
constexpr int kSectionWidth = kLabelWidth + kComboWidth + kButtonWidth + 4 * kMargin;

CComboBox* combo(CWnd& page, int id) {
    return dynamic_cast<CComboBox*>(page.GetDlgItem(id));
}

Vdn_StringArray basePlaneItems() {
    Vdn_StringArray items;
    for (int text = 0; text < 3; ++text)
        items.append(dialString(macropage::kFirstBasePlane + text));
    items.append(Vdn_DlgDesignerData::undeterminedText());
    return items;
}

} // namespace

CMacroTabProf::CMacroTabProf(MacroPageHost& host, int tabIndex, CWnd* parent)
    : CMacroTabGeneral(host, tabIndex, IDD, parent) {
    onCommand(kGroupCombo, CBN_SELCHANGE, [this] { chooseGroup(); });
    onCommand(kProfileCombo, CBN_SELCHANGE, [this] { chooseProfile(); });
    onCommand(kSectionCombo, CBN_SELCHANGE, [this] { update(); });
    onCommand(kOffsetTypeCombo, CBN_SELCHANGE, [this] { update(); });
    onCommand(kRotationCombo, CBN_SELCHANGE, [this] { update(); });
    onCommand(kRotationCombo, CBN_KILLFOCUS, [this] { update(); });
    onCommand(kBasePlaneCombo, CBN_SELCHANGE, [this] { chooseBasePlane(); });
    onCommand(kSelectSection, BN_CLICKED, [this] { selectSection(group_); });
    onCommand(kAdvanced, BN_CLICKED, [this] { openAdvanced(group_); });
    onCommand(kSegmented, BN_CLICKED, [this] { openSegmented(); });
    onCommand(kPickPlane, BN_CLICKED, [this] {
        if (auto* planes = combo(*this, kBasePlaneCombo)) {
            planes->SetCurSel(kPickedPlane);
            chooseBasePlane();
        }
    });
}

BOOL CMacroTabProf::OnInitDialog() {
    const int labelTexts[] = {macropage::kGroupLabel,     macropage::kProfileLabel,
                              macropage::kSectionLabel,   macropage::kOffsetTypeLabel,
                              macropage::kBasePlaneLabel, macropage::kRotationLabel};
    for (std::size_t i = 0; i < std::size(kLabels); ++i)
        SetDlgItemText(kLabels[i],
                       (dialString(labelTexts[i]) +
                        (kLabels[i] == 1217 ? Vdn_String(L" (\u00B0):") : Vdn_String(L":")))
                           .str());
    SetDlgItemText(kSelectSection, L"...");
    SetDlgItemText(kAdvanced, dialString(macropage::kAdvancedText).str());
    SetDlgItemText(kSegmented, dialString(macropage::kSegmentedText).str());
    SetDlgItemText(kPickPlane, L"...");
    return CMacroTabGeneral::OnInitDialog();
}

// --- the edited data -----------------------------------------------------------------------------

bool CMacroTabProf::editedData(MacroProfData& data) const {
    const MacroTabData* shown = const_cast<CMacroTabProf*>(this)->tab();
    if (shown == nullptr)
        return false;
    if (profile_ < 0)
        return shown->getMergedPropsOfGroup(group_, data);
    if (!shown->profiles.isValidIndex(profile_))
        return false;
    data = shown->profiles[profile_];
    return true;
}

bool CMacroTabProf::writeEdited(MacroTabData& tab, const MacroProfData& data) const {
    if (profile_ < 0)
        return tab.setMergedPropsOfGroup(group_, data);
    if (!tab.profiles.isValidIndex(profile_))
        return false;
    tab.profiles[profile_] = data;
    return true;
}

// The section is hidden when every profile group has its own advanced button in the design.
bool CMacroTabProf::sectionShown() const {
    const MacroTabData* shown = const_cast<CMacroTabProf*>(this)->tab();
    if (shown == nullptr || shown->profiles.isEmpty())
        return false;
    for (const MacroProfData& profile : shown->profiles) {
        const bool hasButton =
            std::any_of(bindings().begin(), bindings().end(), [&](const MacroBinding& binding) {
                return binding.type == ctProfAdvButton && binding.group.equal(profile.name, false);
            });
        if (!hasButton)
            return true;
    }
    return false;
}

// --- filling -------------------------------------------------------------------------------------

void CMacroTabProf::fillSection() {
    const bool shown = sectionShown();
    for (const int id : {kGroupCombo, kProfileCombo, kSectionCombo, kOffsetTypeCombo,
                         kRotationCombo, kBasePlaneCombo, kSelectSection, kAdvanced, kPickPlane}) {
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    }
    for (const int id : kLabels) {
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    }
    const MacroTabData* data = tab();
    const bool segmented =
        data != nullptr &&
        std::any_of(data->profiles.begin(), data->profiles.end(),
                    [](const MacroProfData& p) { return !p.segments.isEmpty(); });
    if (CWnd* button = GetDlgItem(kSegmented))
        button->ShowWindow(segmented ? SW_SHOW : SW_HIDE);
    fillGroups();
    fillProfiles();
    FillCombo(combo(*this, kOffsetTypeCombo), getOffsetTypeStrings());
    FillCombo(combo(*this, kRotationCombo), macropage::rotationItems());
    FillCombo(combo(*this, kBasePlaneCombo), basePlaneItems());
    refreshSection();
}

void CMacroTabProf::fillGroups() {
    const MacroTabData* data = tab();
    Vdn_StringArray groups;
    if (data != nullptr) {
        for (const MacroProfData& profile : data->profiles) {
            if (groups.find(profile.name, false) < 0)
                groups.append(profile.name);
        }
    }
    // The group chosen before stays chosen while it exists.
    if (groups.find(group_, false) < 0)
        group_ = groups.isEmpty() ? Vdn_String() : groups[0];
    FillCombo(combo(*this, kGroupCombo), groups, group_);
}

void CMacroTabProf::fillProfiles() {
    const MacroTabData* data = tab();
    profileIndexes_.clear();
    Vdn_StringArray items;
    items.append(dialString(macropage::kAllProfilesText));
    if (data != nullptr) {
        for (int i = 0; i < data->profiles.length(); ++i) {
            const MacroProfData& profile = data->profiles[i];
            if (!profile.name.equal(group_, false))
                continue;
            profileIndexes_.push_back(i);
            const Vdn_String label =
                (profile.memberName.isEmpty() ? profile.name : profile.memberName) + L" (" +
                profile.moduleName + L" " + Vdn_String(profile.index + 1) + L")";
            items.append(label);
        }
    }
    if (std::find(profileIndexes_.begin(), profileIndexes_.end(), profile_) ==
        profileIndexes_.end())
        profile_ = -1;
    FillCombo(combo(*this, kProfileCombo), items);
    const auto at = std::find(profileIndexes_.begin(), profileIndexes_.end(), profile_);
    if (auto* profiles = combo(*this, kProfileCombo))
        profiles->SetCurSel(profile_ < 0 ? 0 : 1 + static_cast<int>(at - profileIndexes_.begin()));
}

void CMacroTabProf::refreshSection() {
    MacroProfData data;
    if (!editedData(data))
        return;
    const SectionList sections(data.section);
    sectionNames_ = sections.systemNames();
    FillCombo(combo(*this, kSectionCombo), sections.items(),
              SectionList::displayName(data.section));
    if (auto* offsets = combo(*this, kOffsetTypeCombo))
        offsets->SetCurSel(getDlgOffsetType(data.offsetType));
    if (auto* rotations = combo(*this, kRotationCombo)) {
        const Vdn_String text = macropage::rotationText(data.rotation);
        const int item = rotations->FindStringExact(-1, text.str());
        if (item >= 0)
            rotations->SetCurSel(item);
        else
            rotations->SetWindowText(text.str());
    }
    if (auto* planes = combo(*this, kBasePlaneCombo)) {
        // A plane of its own (picked in the drawing, or named) shows as picked: shown as "no
        // plane", the next update would clear it.
        int item = kNoPlane;
        if (data.basePlane == MacroProfData::kUndeterminedPlane)
            item = kUndeterminedPlane;
        else if (data.basePlane.isEmpty() && !data.coordinateSystem.isEmpty())
            item = kOwnCoordSys;
        else if (!data.basePlane.isEmpty())
            item = kPickedPlane;
        planes->SetCurSel(item);
    }
}

// --- reading -------------------------------------------------------------------------------------

void CMacroTabProf::readSection(MacroTabData& tab) const {
    MacroProfData data;
    if (!sectionShown() || !editedData(data))
        return;
    // editedData reads the page's tab; the record being read may be a copy of it.
    if (profile_ < 0)
        tab.getMergedPropsOfGroup(group_, data);
    else if (tab.profiles.isValidIndex(profile_))
        data = tab.profiles[profile_];
    MacroProfData changed = data;
    auto* self = const_cast<CMacroTabProf*>(this);
    if (auto* sections = combo(*self, kSectionCombo)) {
        const int item = sections->GetCurSel();
        if (item >= 0 && item < sectionNames_.length() && !sectionNames_[item].isEmpty())
            changed.section = sectionNames_[item];
    }
    if (auto* offsets = combo(*self, kOffsetTypeCombo)) {
        const int type = getProfOffsetType(offsets->GetCurSel());
        if (type >= 0)
            changed.offsetType = type;
    }
    if (auto* rotations = combo(*self, kRotationCombo)) {
        bool ok = false;
        const Vdn_String text(rotations->GetWindowText());
        const double degrees = text.replace(L"\u00B0", L"").trim().toDouble(&ok);
        if (ok && !text.trim().isEmpty())
            changed.rotation = static_cast<int>(degrees);
    }
    if (auto* planes = combo(*self, kBasePlaneCombo)) {
        if (planes->GetCurSel() == kNoPlane)
            changed.basePlane = Vdn_String();
    }
    if (!(changed == data))
        writeEdited(tab, changed);
}

// --- events --------------------------------------------------------------------------------------

void CMacroTabProf::chooseGroup() {
    if (auto* groups = combo(*this, kGroupCombo); groups != nullptr && groups->GetCurSel() >= 0)
        group_ = Vdn_String(groups->GetLBText(groups->GetCurSel()));
    profile_ = -1;
    fillProfiles();
    refreshSection();
}

void CMacroTabProf::chooseProfile() {
    auto* profiles = combo(*this, kProfileCombo);
    const int item = profiles != nullptr ? profiles->GetCurSel() : 0;
    profile_ = item >= 1 && item <= static_cast<int>(profileIndexes_.size())
                   ? profileIndexes_[static_cast<std::size_t>(item - 1)]
                   : -1;
    refreshSection();
}

void CMacroTabProf::chooseBasePlane() {
    auto* planes = combo(*this, kBasePlaneCombo);
    MacroTabData* shown = tab();
    if (planes == nullptr || shown == nullptr)
        return;
    if (planes->GetCurSel() != kPickedPlane) {
        update();
        return;
    }
    // A coordinate system picked in the drawing: the dialog steps aside while the user picks.
    CWnd* dialog = GetParent() != nullptr ? GetParent() : this;
    dialog->ShowWindow(SW_HIDE);
    Vdn_String name;
    const bool picked = selectCoordSys(name);
    dialog->ShowWindow(SW_SHOW);
    MacroProfData data;
    if (!picked || !editedData(data)) {
        refreshSection();
        return;
    }
    const MacroTabData before = *shown;
    data.basePlane = L"xp";
    data.coordinateSystem = name;
    if (writeEdited(*shown, data))
        commit(before);
    update();
}

void CMacroTabProf::selectSection(const Vdn_String& group) {
    MacroTabData* shown = tab();
    MacroProfData merged;
    if (shown == nullptr || !shown->getMergedPropsOfGroup(group, merged))
        return;
    acedPostCommand(L"CANCELCMD");
    Vdn_String section = merged.section;
    if (!DlgSelectProf(section, this) || section == merged.section)
        return;
    const MacroTabData before = *shown;
    merged.section = section;
    if (shown->setMergedPropsOfGroup(group, merged))
        commit(before);
}

void CMacroTabProf::openAdvanced(const Vdn_String& group) {
    const MacroTabData* shown = tab();
    if (shown == nullptr || group.isEmpty())
        return;
    StartDlgMacroProfAdv(host().macroData(), shown->name, group, false);
    build();
    host().refreshAllPages();
}

void CMacroTabProf::openSegmented() {
    MacroTabData* shown = tab();
    MacroProfData data;
    if (shown == nullptr || !editedData(data))
        return;
    Vdn_Array<MacroProfSegment> segments = data.segments;
    if (!StartDlgMacroProfSegm(segments) || segments == data.segments)
        return;
    const MacroTabData before = *shown;
    data.segments = segments;
    if (writeEdited(*shown, data))
        commit(before);
}

bool CMacroTabProf::designButtonClicked(const MacroBinding& binding) {
    if (binding.type == ctProfButton) {
        selectSection(binding.group);
        return true;
    }
    if (binding.type == ctProfAdvButton) {
        openAdvanced(binding.group);
        return true;
    }
    return false;
}

// --- keyboard and layout -------------------------------------------------------------------------

std::vector<int> CMacroTabProf::sectionIds() const {
    if (!sectionShown())
        return {};
    return {kGroupCombo,    kProfileCombo,   kSectionCombo, kSelectSection, kOffsetTypeCombo,
            kRotationCombo, kBasePlaneCombo, kPickPlane,    kAdvanced,      kSegmented};
}

// The section stands in a column at the right; the design and the grid take the rest.
CRect CMacroTabProf::layoutSection(const CRect& client) {
    if (!sectionShown()) {
        if (CWnd* button = GetDlgItem(kSegmented); button != nullptr && button->IsWindowVisible())
            button->MoveWindow(client.right - kMargin - 120, client.bottom - kMargin - 22, 120, 22);
        return CRect(client.left, client.top, client.right, client.bottom - kRowHeight - kMargin);
    }
    const int left = client.right - kSectionWidth;
    int y = kMargin;
    const struct {
        int label;
        int control;
        int button;
    } rows[] = {{1211, kGroupCombo, 0},
                {1214, kProfileCombo, 0},
                {1216, kSectionCombo, kSelectSection},
                {1218, kOffsetTypeCombo, 0},
                {1217, kRotationCombo, 0},
                {1220, kBasePlaneCombo, kPickPlane}};
    for (const auto& row : rows) {
        if (CWnd* label = GetDlgItem(row.label))
            label->MoveWindow(left, y + 4, kLabelWidth, 16);
        if (CWnd* control = GetDlgItem(row.control))
            control->MoveWindow(left + kLabelWidth + kMargin, y, kComboWidth, kComboDrop);
        if (row.button != 0)
            if (CWnd* button = GetDlgItem(row.button))
                button->MoveWindow(left + kLabelWidth + kComboWidth + 2 * kMargin, y, kButtonWidth,
                                   22);
        y += kRowHeight + 2;
    }
    y += kMargin;
    if (CWnd* advanced = GetDlgItem(kAdvanced))
        advanced->MoveWindow(left + kLabelWidth + kMargin, y, kComboWidth, 24);
    y += kRowHeight + 4;
    if (CWnd* segmented = GetDlgItem(kSegmented))
        segmented->MoveWindow(left + kLabelWidth + kMargin, y, kComboWidth, 24);
    return CRect(client.left, client.top, left - kMargin, client.bottom);
}
