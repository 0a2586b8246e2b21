#include "macro/dialog/CMacroTabGeneral.h"

#include "designer/CDlgDesigner.h"
#include "macro/arrays/ArrayLaunchers.h"
#include "macro/bolts/CDlgMacroBoltAdv.h"
#include "macro/bolts/CDlgMacroPattern.h"
#include "macro/dialog/MacroDesignBinder.h"
#include "macro/dialog/MacroPageTexts.h"
#include "macro/dialog/SectionList.h"
#include "platform/core/model/BoltCatalog.h"
#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/MacroCellValue.h"
#include "platform/core/model/ProfileOffsetTypes.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/host/CommandLineApi.h"
#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/controls/FillCombo.h"
#include "platform/ui/windows/WinApi.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"

#include <algorithm>

namespace {

constexpr int kMargin = 4;
constexpr int kRowHeight = 24;
constexpr int kLabelWidth = 70;
constexpr int kComboWidth = 130;
constexpr int kButtonWidth = 30;
constexpr int kComboDrop = 200;
constexpr int kCalcDecimals = 5;
constexpr int kDecimals = 2;

Vdn_String numberText(double value, int decimals) {
    return Vdn_String(value, decimals);
}

// The signed number a calc entry's cell gives: "-Name" counts with the opposite sign.
struct SignedCell {
    int index = -1;
    double sign = 1.0;
};

SignedCell signedCell(const MacroTabData& tab, const Vdn_String& entry) {
    Vdn_String name = entry.trim();
    SignedCell cell;
    if (name.startsWith(L"-", true)) {
        cell.sign = -1.0;
        name = name.substr(1).trim();
    }
    cell.index = name.isEmpty() ? -1 : tab.findCellWithName(name);
    return cell;
}

} // namespace

CMacroTabGeneral::CMacroTabGeneral(MacroPageHost& host, int tabIndex, CWnd* parent)
    : CMacroTabGeneral(host, tabIndex, IDD, parent) {}

CMacroTabGeneral::CMacroTabGeneral(MacroPageHost& host, int tabIndex, UINT templateId, CWnd* parent)
    : CDialog(templateId, parent), host_(host), tabIndex_(tabIndex) {
    const MacroTabData* shown = host_.macroData().getTab(tabIndex_);
    cycle_ = std::make_unique<MacroValueCycle>(
        host_.macroData(), shown != nullptr ? shown->name : Vdn_String(), host_.slot());
    cycle_->setRefresh([this] { host_.refreshAllPages(); });
    onCommandRange(kFirstDesignId, kLastDesignId, CBN_SELCHANGE,
                   [this](UINT id) { designCommand(id, CBN_SELCHANGE); });
    onCommandRange(kFirstDesignId, kLastDesignId, CBN_KILLFOCUS,
                   [this](UINT id) { designCommand(id, CBN_KILLFOCUS); });
    onCommandRange(kFirstDesignId, kLastDesignId, EN_KILLFOCUS,
                   [this](UINT id) { designCommand(id, EN_KILLFOCUS); });
    onCommandRange(kFirstDesignId, kLastDesignId, BN_CLICKED,
                   [this](UINT id) { designClicked(static_cast<int>(id)); });
    onCommand(kAssemblyCombo, CBN_SELCHANGE, [this] { chooseAssembly(); });
    onCommand(kDiameterCombo, CBN_SELCHANGE, [this] { update(); });
    onCommand(kDiameterCombo, CBN_KILLFOCUS, [this] { update(); });
    onCommand(kBoltButton, BN_CLICKED, [this] { openBoltAdvanced(); });
    onCommand(kGrid, TSpread::kNotifyDataChange, [this] { update(); });
    onCommand(kGrid, TSpread::kNotifyButtonClicked, [this] { gridButtonClicked(); });
}

CMacroTabGeneral::~CMacroTabGeneral() = default;

MacroTabData* CMacroTabGeneral::tab() {
    return host_.macroData().getTab(tabIndex_);
}

bool CMacroTabGeneral::hasBoltSection() const {
    const MacroTabData* shown = host_.macroData().getTab(tabIndex_);
    return shown != nullptr && shown->kind == MacroTabData::kBoltTab &&
           shown->getBoltData() != nullptr;
}

BOOL CMacroTabGeneral::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(kAssemblyLabel, dialString(macropage::kAssemblyLabel).str());
    SetDlgItemText(kDiameterLabel, dialString(macropage::kDiameterLabel).str());
    SetDlgItemText(kBoltButton, dialString(macropage::kBoltButtonText).str());
    grid_.attach(this, kGrid);
    build();
    initialized_ = true;
    return TRUE;
}

void CMacroTabGeneral::build() {
    MacroTabData* shown = tab();
    if (shown == nullptr)
        return;
    shown->removeAllDlgReferences();
    bindings_.clear();
    removed_.clear();
    design_.removeAllDrawnCtrls();
    design_ = Vdn_DlgDesignerData();
    if (!shown->designName.isEmpty() &&
        design_.initialize(this, kFirstDesignId, kLastDesignId, 0, 0, 0, 0, 0, false) &&
        (design_.setFontScale(fontScale()), true) &&
        design_.readFromFile(
            Vdn_DlgDesignerData::getDesignerRootFolder() + shown->designName + L".txt", true)) {
        std::vector<Vdn_DesignerControl> before;
        for (int i = 0; i < design_.getNrControls(); ++i)
            before.push_back(*design_.getControl(i));
        bindings_ = MacroDesignBinder(design_, *shown).bindAll();
        // What the binder removed, for the page report.
        for (const Vdn_DesignerControl& control : before) {
            int index = 0;
            if (control.resourceId <= 0 || !design_.findCtrlFromResource(control.resourceId, index))
                removed_.push_back(control);
        }
        design_.redrawAllControls();
    }
    grid_.build(*shown);
    fillSection();
    showFlexStates();
    refresh();
    layout();
}

// --- showing -------------------------------------------------------------------------------------

const MacroBinding* CMacroTabGeneral::bindingOf(int id) const {
    const auto found = std::find_if(bindings_.begin(), bindings_.end(),
                                    [id](const MacroBinding& binding) { return binding.id == id; });
    return found != bindings_.end() ? &*found : nullptr;
}

void CMacroTabGeneral::refresh() {
    const MacroTabData* shown = tab();
    if (shown == nullptr)
        return;
    showFlexStates();
    for (const MacroBinding& binding : bindings_)
        showBinding(binding, *shown);
    grid_.refresh(*shown);
    refreshSection();
}

void CMacroTabGeneral::refreshSection() {
    const MacroTabData* shown = tab();
    if (!hasBoltSection() || shown == nullptr)
        return;
    const MacroBoltData& bolt = *shown->getBoltData();
    auto* assemblies = dynamic_cast<CComboBox*>(GetDlgItem(kAssemblyCombo));
    FillCombo(assemblies, GetAssemblies());
    selectAddingItem(assemblies, bolt.assembly);
    auto* diameters = dynamic_cast<CComboBox*>(GetDlgItem(kDiameterCombo));
    FillCombo(diameters, GetMergedDiameters(host_.macroData(), shown->name));
    selectAddingItem(diameters, bolt.diameter);
}

void CMacroTabGeneral::showBinding(const MacroBinding& binding, const MacroTabData& tab) {
    switch (binding.type) {
    case ctVarEdit:
    case ctVarCombo:
    case ctCheckBox:
        if (tab.cells.isValidIndex(binding.element)) {
            design_.setCtrlValue(binding.id, tab.cells[binding.element].value);
            design_.setCtrlReadOnly(binding.id, tab.cells[binding.element].readOnly);
            if (binding.type == ctCheckBox)
                if (CWnd* box = GetDlgItem(binding.id))
                    box->EnableWindow(tab.cells[binding.element].readOnly ? FALSE : TRUE);
        }
        break;
    case ctPatternValues:
        if (tab.patterns.isValidIndex(binding.element))
            design_.setCtrlValue(binding.id, tab.patterns[binding.element].valuesText);
        break;
    case ctPatternCount:
        if (tab.patterns.isValidIndex(binding.element))
            design_.setCtrlValue(binding.id, tab.patterns[binding.element].countText);
        break;
    case ctBoltProp1:
    case ctBoltProp2:
    case ctBoltProp3:
    case ctBoltProp4:
    case ctBoltProp5:
        if (const MacroBoltData* bolt = tab.getBoltData()) {
            const Vdn_String texts[] = {bolt->assembly, bolt->diameter, bolt->details.texts[0],
                                        bolt->details.texts[1], bolt->details.texts[2]};
            design_.setCtrlValue(binding.id, texts[binding.part]);
        }
        break;
    case ctArrayProp1:
    case ctArrayProp2:
    case ctArrayProp3:
    case ctArrayProp4:
    case ctArrayProp5:
        if (tab.arrays.isValidIndex(binding.element))
            design_.setCtrlValue(
                binding.id,
                tab.arrays[binding.element].texts[static_cast<std::size_t>(binding.part)]);
        break;
    case ctArrayEntry:
        if (tab.arrays.isValidIndex(binding.element) &&
            tab.arrays[binding.element].entries.isValidIndex(binding.part))
            design_.setCtrlValue(binding.id,
                                 tab.arrays[binding.element].entries[binding.part].text);
        break;
    case ctCutCombo:
        if (tab.cuts.isValidIndex(binding.element))
            design_.setCtrlValue(binding.id, Vdn_String(tab.cuts[binding.element].state));
        break;
    case ctBlockCombo:
        if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(binding.id)))
            combo->SetCurSel(combo->FindStringExact(-1, tab.blockName.str()));
        break;
    case ctProfSection:
    case ctProfOffsetType:
    case ctProfRotation: {
        MacroProfData merged;
        if (!tab.getMergedPropsOfGroup(binding.group, merged))
            break;
        const Vdn_String text =
            binding.type == ctProfSection      ? SectionList::displayName(merged.section)
            : binding.type == ctProfOffsetType ? macropage::offsetTypeText(merged.offsetType)
                                               : macropage::rotationText(merged.rotation);
        if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(binding.id))) {
            const int item = combo->FindStringExact(-1, text.str());
            if (item >= 0)
                combo->SetCurSel(item);
            else
                combo->SetWindowText(text.str());
        }
        break;
    }
    default:
        break;
    }
}

void CMacroTabGeneral::fillSection() {
    const bool shown = hasBoltSection();
    for (const int id :
         {kAssemblyLabel, kAssemblyCombo, kDiameterLabel, kDiameterCombo, kBoltButton}) {
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    }
    refreshSection();
}

void CMacroTabGeneral::showFlexStates() {
    const MacroTabData* shown = tab();
    if (shown == nullptr)
        return;
    for (const MacroBinding& binding : bindings_) {
        if (binding.type != ctFlexFixButton)
            continue;
        Vdn_String group;
        Vdn_String name;
        if (!design_.getFlexBtnGroupName(binding.id, group, name))
            continue;
        bool fixed = false;
        bool mixed = false;
        if (shown->getFlexFixBtnStatus(name, fixed, mixed))
            design_.setFlexBtnStatus(group, name, fixed ? 0 : 1);
    }
}

// --- reading -------------------------------------------------------------------------------------

void CMacroTabGeneral::readInto(MacroTabData& tab) const {
    for (const MacroBinding& binding : bindings_)
        readBinding(binding, tab);
    grid_.read(tab);
    readSection(tab);
}

void CMacroTabGeneral::readBinding(const MacroBinding& binding, MacroTabData& tab) const {
    Vdn_String text;
    if (!design_.getCtrlValue(binding.id, text))
        return;
    switch (binding.type) {
    case ctVarEdit:
    case ctVarCombo:
    case ctCheckBox: {
        if (!tab.cells.isValidIndex(binding.element))
            return;
        MacroCell& cell = tab.cells[binding.element];
        if (cell.readOnly || cell.controlId != binding.id)
            return;
        // The undetermined item changes nothing; neither does a text the cell cannot take: the
        // value typed is kept exactly, or not at all. A check box control gives 0 or 1 whatever
        // the cell's kind.
        if (text == Vdn_DlgDesignerData::undeterminedText())
            return;
        if (binding.type != ctCheckBox) {
            if (cell.kind == MacroCell::kNumber)
                text = text.trim();
            if (cellTextProblem(cell, text))
                return;
        }
        cell.value = text;
        return;
    }
    case ctPatternValues:
        if (tab.patterns.isValidIndex(binding.element))
            tab.patterns[binding.element].valuesText = text;
        return;
    case ctPatternCount:
        if (tab.patterns.isValidIndex(binding.element))
            tab.patterns[binding.element].countText = text;
        return;
    case ctBoltProp1:
    case ctBoltProp2:
    case ctBoltProp3:
    case ctBoltProp4:
    case ctBoltProp5: {
        MacroBoltData* bolt = tab.getBoltData();
        if (bolt == nullptr)
            return;
        Vdn_String* texts[] = {&bolt->assembly, &bolt->diameter, &bolt->details.texts[0],
                               &bolt->details.texts[1], &bolt->details.texts[2]};
        *texts[binding.part] = text;
        return;
    }
    case ctArrayProp1:
    case ctArrayProp2:
    case ctArrayProp3:
    case ctArrayProp4:
    case ctArrayProp5:
        if (tab.arrays.isValidIndex(binding.element))
            tab.arrays[binding.element].texts[static_cast<std::size_t>(binding.part)] = text;
        return;
    case ctArrayEntry:
        if (tab.arrays.isValidIndex(binding.element) &&
            tab.arrays[binding.element].entries.isValidIndex(binding.part))
            tab.arrays[binding.element].entries[binding.part].text = text;
        return;
    case ctCutCombo: {
        const int state = text.toInt();
        // Item 0 is the undetermined text; the states follow it.
        if (tab.cuts.isValidIndex(binding.element) && state > 0)
            tab.cuts[binding.element].state = state;
        return;
    }
    case ctProfSection:
    case ctProfOffsetType:
    case ctProfRotation: {
        MacroProfData merged;
        if (text == Vdn_DlgDesignerData::undeterminedText() ||
            !tab.getMergedPropsOfGroup(binding.group, merged))
            return;
        MacroProfData changed = merged;
        if (binding.type == ctProfSection) {
            const SectionList sections(merged.section);
            const auto* combo = dynamic_cast<const CComboBox*>(
                const_cast<CMacroTabGeneral*>(this)->GetDlgItem(binding.id));
            const Vdn_String system =
                combo != nullptr ? sections.systemNameAt(combo->GetCurSel()) : Vdn_String();
            if (!system.isEmpty())
                changed.section = system;
        } else if (binding.type == ctProfOffsetType) {
            const int type = getProfOffsetType(macropage::offsetTypeItems().find(text, false));
            if (type >= 0)
                changed.offsetType = type;
        } else {
            bool ok = false;
            const double degrees = text.replace(L"\u00B0", L"").toDouble(&ok);
            if (ok)
                changed.rotation = static_cast<int>(degrees);
        }
        if (!(changed == merged))
            tab.setMergedPropsOfGroup(binding.group, changed);
        return;
    }
    default:
        return;
    }
}

void CMacroTabGeneral::readSection(MacroTabData& tab) const {
    MacroBoltData* bolt = tab.getBoltData();
    if (!hasBoltSection() || bolt == nullptr)
        return;
    auto* self = const_cast<CMacroTabGeneral*>(this);
    if (CWnd* assembly = self->GetDlgItem(kAssemblyCombo)) {
        const Vdn_String text(assembly->GetWindowText());
        if (!text.isEmpty())
            bolt->assembly = text;
    }
    if (CWnd* diameter = self->GetDlgItem(kDiameterCombo)) {
        const Vdn_String text(diameter->GetWindowText());
        if (!text.isEmpty())
            bolt->diameter = text;
    }
}

MacroValueCycle::Outcome CMacroTabGeneral::update() {
    MacroTabData* shown = tab();
    if (!initialized_ || inUpdate_ || shown == nullptr || cycle_->isUpdating())
        return MacroValueCycle::Outcome::Unchanged;
    inUpdate_ = true;
    const MacroTabData before = *shown;
    readInto(*shown);
    const MacroValueCycle::Outcome outcome = cycle_->commit(before);
    inUpdate_ = false;
    return outcome;
}

// --- events --------------------------------------------------------------------------------------

void CMacroTabGeneral::designCommand(UINT id, UINT code) {
    const MacroBinding* binding = bindingOf(static_cast<int>(id));
    if (binding == nullptr || inUpdate_)
        return;
    if (binding->type == ctBlockCombo && code == CBN_SELCHANGE) {
        chooseBlock(*binding);
        return;
    }
    if (binding->type == ctPatternValues || binding->type == ctPatternCount ||
        code == EN_KILLFOCUS || code == CBN_SELCHANGE || code == CBN_KILLFOCUS)
        update();
}

void CMacroTabGeneral::designClicked(int id) {
    const MacroBinding* binding = bindingOf(id);
    const MacroTabData* shown = tab();
    if (binding == nullptr || shown == nullptr || designButtonClicked(*binding))
        return;
    switch (binding->type) {
    case ctPatternButton:
        openPattern(binding->element);
        break;
    case ctArrayButton:
        openArray(binding->element);
        break;
    case ctCalcButton:
    case ctCalcButtonNoDivisor:
        runCalcButton(id);
        break;
    case ctCheckBox:
        update();
        break;
    case ctFlexFixButton:
        toggleFlexButton(id);
        break;
    default:
        break;
    }
}

bool CMacroTabGeneral::designButtonClicked(const MacroBinding&) {
    return false;
}

void CMacroTabGeneral::toggleFlexButton(int id) {
    Vdn_String group;
    Vdn_String name;
    int index = 0;
    int state = -1;
    if (!design_.getFlexBtnGroupName(id, group, name) ||
        !design_.findFlexButton(group, name, index) || !design_.getFlexBtnStatus(index, state) ||
        (state != 0 && state != 1))
        return;
    MacroTabData* shown = tab();
    if (shown == nullptr)
        return;
    const MacroTabData before = *shown;
    // Pressed is flexible, released is fixed.
    if (shown->flexFixBtnClicked(name, state == 1))
        cycle_->commit(before);
}

void CMacroTabGeneral::gridButtonClicked() {
    int col = 0;
    int row = 0;
    if (!grid_.spread().getActiveCell(col, row))
        return;
    const MacroPageGrid::Row* what = grid_.rowAt(row);
    if (what == nullptr)
        return;
    if (col != 2) {
        update(); // a check-box cell toggled
        return;
    }
    if (what->kind == MacroPageGrid::RowKind::Array)
        openArray(what->element);
    else if (what->kind == MacroPageGrid::RowKind::Pattern)
        openPattern(what->element);
}

void CMacroTabGeneral::openPattern(int index) {
    DlgMacroPattern(*cycle_, index, this);
}

void CMacroTabGeneral::openArray(int index) {
    DlgMacroArray(*cycle_, index);
}

void CMacroTabGeneral::openBoltAdvanced() {
    const MacroTabData* shown = tab();
    if (shown == nullptr || shown->getBoltData() == nullptr)
        return;
    DlgMacroBoltAdv(cycle_.get(), *shown->getBoltData(),
                    GetMergedDiameters(host_.macroData(), shown->name));
}

void CMacroTabGeneral::chooseAssembly() {
    auto* assembly = dynamic_cast<CComboBox*>(GetDlgItem(kAssemblyCombo));
    auto* diameter = dynamic_cast<CComboBox*>(GetDlgItem(kDiameterCombo));
    if (assembly == nullptr || diameter == nullptr)
        return;
    const Vdn_String typed(diameter->GetWindowText());
    FillCombo(diameter, GetDiameters(Vdn_String(assembly->GetWindowText())));
    selectAddingItem(diameter, typed);
    update();
}

void CMacroTabGeneral::chooseBlock(const MacroBinding& binding) {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(binding.id));
    MacroTabData* shown = tab();
    if (combo == nullptr || shown == nullptr || combo->GetCurSel() < 0)
        return;
    const Vdn_String chosen(combo->GetLBText(combo->GetCurSel()));
    const MacroTabData before = *shown;
    if (swapBlockRefs(host_.macroData(), shown->name, binding.group + L"\\" + chosen + L".dwg"))
        cycle_->commit(before);
    else
        host_.refreshAllPages();
}

// --- calculating buttons -------------------------------------------------------------------------

bool CMacroTabGeneral::runCalcButton(int id) {
    const MacroBinding* binding = bindingOf(id);
    const Vdn_DesignerControl* control = design_.getControlFromRes(id);
    MacroTabData* shown = tab();
    if (binding == nullptr || control == nullptr || shown == nullptr ||
        (binding->type != ctCalcButton && binding->type != ctCalcButtonNoDivisor))
        return false;
    acedPostCommand(L"CANCELCMD");
    const bool withFactor = binding->type == ctCalcButton;
    const SignedCell a = signedCell(*shown, control->calcField2);
    const SignedCell b = signedCell(*shown, control->calcField3);
    const bool hasB = b.index >= 0 && shown->cells[b.index].controlId > 0;
    auto numberIn = [&](const SignedCell& cell, double& value) {
        Vdn_String text;
        if (!design_.getCtrlValue(shown->cells[cell.index].controlId, text))
            text = shown->cells[cell.index].value;
        bool ok = false;
        value = text.trim().toDouble(&ok) * cell.sign;
        return ok;
    };
    double factor = 0;
    double d = 0;
    if (withFactor) {
        bool ok = false;
        factor = control->calcField4.trim().toDouble(&ok);
        // Without a usable factor the answer cannot be divided back: nothing changes.
        if (!hasB && (!ok || factor == 0))
            return false;
    } else if (!hasB || !numberIn(b, d)) {
        return false;
    }
    bool ok = false;
    const double base = shown->cells[binding->element].value.trim().toDouble(&ok);
    if (!ok)
        return false;
    if (a.index < 0 || shown->cells[a.index].readOnly || shown->cells[a.index].controlId == 0)
        return false;
    double valueA = 0;
    if (!numberIn(a, valueA))
        return false;
    double proposal = 0;
    double valueB = 0;
    if (withFactor && hasB) {
        if (!numberIn(b, valueB))
            return false;
        proposal = base + valueA + valueB;
    } else if (withFactor) {
        proposal = base + valueA / factor;
    } else {
        proposal = base + valueA + d;
    }
    Vdn_DlgPromptString prompt(this);
    prompt.caption = dialString(macropage::kCalcCaption);
    prompt.label = dialString(macropage::kCalcLabel);
    prompt.value = numberText(proposal, kCalcDecimals);
    if (prompt.DoModal() != IDOK || !prompt.accepted)
        return false;
    bool accepted = false;
    const double wanted = prompt.value.trim().toDouble(&accepted);
    if (!accepted)
        return false; // an answer that is no number changes nothing
    auto writeTo = [&](const SignedCell& cell, double value) {
        const MacroCell& target = shown->cells[cell.index];
        if (target.readOnly)
            return;
        const Vdn_String text = numberText(value * cell.sign, kCalcDecimals);
        if (target.controlId > 0)
            design_.setCtrlValue(target.controlId, text);
        else if (target.controlId < 0)
            grid_.spread().setCellText(3, -target.controlId, text);
    };
    if (withFactor) {
        const double x = factor == 0 ? (wanted - base) : factor * (wanted - base);
        writeTo(a, x);
        if (hasB)
            writeTo(b, x);
    } else {
        writeTo(a, (wanted - base) - d);
    }
    update();
    return true;
}

// --- keyboard and focus --------------------------------------------------------------------------

std::vector<int> CMacroTabGeneral::sectionIds() const {
    if (!hasBoltSection())
        return {};
    return {kAssemblyCombo, kDiameterCombo, kBoltButton};
}

bool CMacroTabGeneral::focusZone(Zone zone, bool first) {
    switch (zone) {
    case Zone::Design:
        return design_.isInitialized() && design_.setFocusToCtrl(first);
    case Zone::Grid:
        return !grid_.rows().empty() && grid_.spread().focusEdge(first);
    case Zone::Section: {
        std::vector<int> ids = sectionIds();
        if (!first)
            std::reverse(ids.begin(), ids.end());
        for (const int id : ids) {
            CWnd* control = GetDlgItem(id);
            if (control != nullptr && control->IsWindowVisible() && control->IsWindowEnabled()) {
                control->SetFocus();
                return true;
            }
        }
        return false;
    }
    }
    return false;
}

int CMacroTabGeneral::focusedZone() const {
    int id = 0;
    if (design_.getFocusedDynControl(id))
        return static_cast<int>(Zone::Design);
    CWnd* focus = CWnd::GetFocus();
    auto* self = const_cast<CMacroTabGeneral*>(this);
    if (focus != nullptr && focus == self->GetDlgItem(kGrid))
        return static_cast<int>(Zone::Grid);
    for (const int section : sectionIds()) {
        if (focus != nullptr && focus == self->GetDlgItem(section))
            return static_cast<int>(Zone::Section);
    }
    return 0;
}

bool CMacroTabGeneral::focusFirstZone(bool forward) {
    for (int step = 0; step < 3; ++step) {
        const int zone = forward ? 1 + step : 3 - step;
        if (focusZone(static_cast<Zone>(zone), forward))
            return true;
    }
    return false;
}

void CMacroTabGeneral::moveZone(bool forward) {
    int zone = focusedZone();
    if (zone == 0)
        zone = forward ? 3 : 1;
    // At most four tries: a zone that takes no focus is skipped.
    for (int tries = 0; tries < 4; ++tries) {
        zone = forward ? (zone % 3) + 1 : ((zone + 1) % 3) + 1;
        if (focusZone(static_cast<Zone>(zone), forward))
            return;
    }
}

bool CMacroTabGeneral::handleTab(bool backwards) {
    const int zone = focusedZone();
    Vdn_TabMsgHandle result = tmhNotHandled;
    if (zone == static_cast<int>(Zone::Design)) {
        design_.handleTabKey(VK_TAB, result);
    } else if (zone == static_cast<int>(Zone::Grid)) {
        grid_.spread().handleTabKey(VK_TAB, result);
    } else if (zone == static_cast<int>(Zone::Section)) {
        std::vector<int> ids = sectionIds();
        CWnd* focus = CWnd::GetFocus();
        const auto at =
            std::find_if(ids.begin(), ids.end(), [&](int id) { return GetDlgItem(id) == focus; });
        const auto position = at - ids.begin();
        const auto next = backwards ? position - 1 : position + 1;
        result = backwards ? tmhBeforeFirst : tmhPastLast;
        if (next >= 0 && next < static_cast<long>(ids.size())) {
            if (CWnd* control = GetDlgItem(ids[static_cast<std::size_t>(next)]);
                control != nullptr && control->IsWindowVisible() && control->IsWindowEnabled()) {
                control->SetFocus();
                result = tmhHandled;
            }
        }
    }
    if (result == tmhHandled)
        return true;
    moveZone(!backwards);
    return true;
}

double CMacroTabGeneral::fontScale() {
    // The dialog's font, measured by its OK button, which is 20 pixels high at the usual size.
    CWnd* dialog = GetParent();
    CWnd* ok = dialog != nullptr ? dialog->GetDlgItem(IDOK) : nullptr;
    if (ok == nullptr)
        return 1.0;
    CRect button;
    ok->GetWindowRect(&button);
    return button.Height() > 0 ? button.Height() / 20.0 : 1.0;
}

BOOL CMacroTabGeneral::PreTranslateMessage(MSG* msg) {
    if (msg != nullptr && msg->message == WM_KEYUP && msg->wParam == VK_SPACE) {
        // Pattern texts are lists typed with spaces: each one is a change of its own.
        int id = 0;
        const MacroBinding* binding = design_.getFocusedDynControl(id) ? bindingOf(id) : nullptr;
        if (binding != nullptr &&
            (binding->type == ctPatternValues || binding->type == ctPatternCount))
            update();
        return CDialog::PreTranslateMessage(msg);
    }
    if (msg == nullptr || msg->message != WM_KEYDOWN)
        return CDialog::PreTranslateMessage(msg);
    switch (msg->wParam) {
    case VK_TAB:
        return handleTab(GetKeyState(VK_SHIFT) < 0) ? TRUE : FALSE;
    case VK_ESCAPE:
        host_.closeFromPage();
        return TRUE;
    case VK_RETURN: {
        int id = 0;
        const bool inGrid = focusedZone() == static_cast<int>(Zone::Grid);
        if (inGrid && !design_.getFocusedDynControl(id))
            return CDialog::PreTranslateMessage(msg);
        update();
        return TRUE;
    }
    case VK_F12: {
        const MacroTabData* shown = tab();
        if (shown != nullptr && !shown->designName.isEmpty() &&
            StartDlgDesigner(shown->designName)) {
            build();
            host_.refreshAllPages();
        }
        return TRUE;
    }
    default:
        return CDialog::PreTranslateMessage(msg);
    }
}

CMacroTabGeneral::FocusMemory CMacroTabGeneral::rememberFocus() const {
    FocusMemory memory;
    CWnd* focus = CWnd::GetFocus();
    auto* self = const_cast<CMacroTabGeneral*>(this);
    if (focus == nullptr)
        return memory;
    if (focus == self->GetDlgItem(kGrid)) {
        memory.controlId = kGrid;
        self->grid_.spread().getActiveCell(memory.gridCol, memory.gridRow);
        return memory;
    }
    memory.controlId = focus->GetDlgCtrlID();
    const MacroBinding* binding = bindingOf(memory.controlId);
    if (binding != nullptr &&
        (binding->type == ctPatternValues || binding->type == ctPatternCount)) {
        if (auto* edit = dynamic_cast<CEdit*>(focus))
            edit->GetSel(memory.selectionStart, memory.selectionEnd);
    }
    return memory;
}

void CMacroTabGeneral::restoreFocus(const FocusMemory& memory) {
    if (memory.controlId == 0) {
        focusFirstZone(true);
        return;
    }
    CWnd* control = GetDlgItem(memory.controlId);
    if (control == nullptr || !control->IsWindowVisible()) {
        focusFirstZone(true);
        return;
    }
    control->SetFocus();
    if (memory.controlId == kGrid && memory.gridRow > 0)
        grid_.spread().setSelection(memory.gridCol, memory.gridRow, memory.gridCol, memory.gridRow);
    if (memory.selectionStart >= 0)
        if (auto* edit = dynamic_cast<CEdit*>(control))
            edit->SetSel(memory.selectionStart, memory.selectionEnd);
}

// --- layout and painting -------------------------------------------------------------------------

void CMacroTabGeneral::layout() {
    if (GetSafeHwnd() == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    const CRect area = layoutSection(client);
    int pictureWidth = 0;
    int pictureHeight = 0;
    design_.getImageSize(pictureWidth, pictureHeight);
    const int top = pictureHeight > 0 ? area.top + pictureHeight + kMargin : area.top + kMargin;
    const int bottom = area.bottom - kMargin;
    if (CWnd* gridWindow = GetDlgItem(kGrid)) {
        const bool shown = !grid_.rows().empty() && bottom - top > kRowHeight;
        gridWindow->MoveWindow(area.left + kMargin, top, area.Width() - 2 * kMargin,
                               std::max(bottom - top, 0));
        gridWindow->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    }
}

CRect CMacroTabGeneral::layoutSection(const CRect& client) {
    if (!hasBoltSection())
        return client;
    const int y = client.bottom - kMargin - kRowHeight;
    int x = kMargin;
    const struct {
        int id;
        int width;
        int height;
    } row[] = {{kAssemblyLabel, kLabelWidth, 16},
               {kAssemblyCombo, kComboWidth, kComboDrop},
               {kDiameterLabel, kLabelWidth, 16},
               {kDiameterCombo, kComboWidth / 2, kComboDrop},
               {kBoltButton, kButtonWidth, 22}};
    for (const auto& placed : row) {
        if (CWnd* control = GetDlgItem(placed.id))
            control->MoveWindow(x, placed.height == 16 ? y + 4 : y, placed.width, placed.height);
        x += placed.width + kMargin;
    }
    return CRect(client.left, client.top, client.right, y - kMargin);
}

void CMacroTabGeneral::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    layout();
}

BOOL CMacroTabGeneral::OnEraseBkgnd(CDC* dc) {
    if (design_.isInitialized())
        return design_.OnEraseBkgnd(dc);
    return CDialog::OnEraseBkgnd(dc);
}
