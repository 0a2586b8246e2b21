#include "macro/dialog/MacroDesignBinder.h"

#include "designer/Vdn_DlgDesignerData.h"
#include "macro/dialog/MacroPageTexts.h"
#include "macro/dialog/SectionList.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/model/MacroLangs.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/NumberedTexts.h"

#include <filesystem>

namespace {

constexpr int kWideLanguage = 4;

// The drawing files ("*.dwg") in folder, by name without extension.
Vdn_StringArray drawingNamesIn(const Vdn_String& folder) {
    Vdn_StringArray names;
    const auto found = core::resolveExisting(folder);
    std::error_code error;
    if (!found || !std::filesystem::is_directory(*found, error))
        return names;
    std::vector<std::wstring> sorted;
    for (const auto& entry : std::filesystem::directory_iterator(*found, error)) {
        std::wstring extension = entry.path().extension().wstring();
        for (wchar_t& ch : extension)
            ch = static_cast<wchar_t>(towlower(ch));
        if (extension == L".dwg")
            sorted.push_back(entry.path().stem().wstring());
    }
    std::sort(sorted.begin(), sorted.end());
    for (const std::wstring& name : sorted)
        names.append(name);
    return names;
}

} // namespace

Vdn_String MacroDesignBinder::fitCaption(const Vdn_String& caption, double widthPixels) {
    const int perCharacter = gSettings.workLanguage() == kWideLanguage ? 8 : 4;
    return caption.length() * perCharacter > widthPixels ? Vdn_String(kTooWide) : caption;
}

std::vector<MacroBinding> MacroDesignBinder::bindAll() {
    std::vector<MacroBinding> bindings;
    for (int index = 0; index < design_.getNrControls();) {
        MacroBinding binding;
        if (bind(index, binding)) {
            bindings.push_back(binding);
            ++index;
        } else {
            design_.removeControl(index);
        }
    }
    return bindings;
}

bool MacroDesignBinder::bind(int index, MacroBinding& binding) {
    Vdn_DesignerControl& control = *design_.getControlWrite(index);
    binding.id = control.resourceId;
    binding.type = control.type;
    // A control beyond the page's id range cannot be told apart from the page's own: it is
    // not bound, and its element is listed in the grid.
    if (binding.id <= 0)
        return false;
    const Vdn_String name = control.contents.trim();
    switch (control.type) {
    case ctLabel:
    case ctGroupBox:
        // A label may stand for a cell: without that cell it shows nothing.
        if (!control.comboList.isEmpty() && tab_.findCellWithName(control.comboList.trim()) < 0)
            control.contents = Vdn_String();
        else
            control.contents = gMacroLangs.GetStringChopSymbols(control.contents, kCaptionLimit);
        return true;
    case ctVarEdit:
    case ctVarCombo: {
        binding.element = tab_.findCellWithName(name);
        if (binding.element < 0)
            return false;
        MacroCell& cell = tab_.cells[binding.element];
        cell.controlId = binding.id;
        control.items = cell.items;
        control.readOnly = cell.readOnly;
        control.contents = cell.value;
        return true;
    }
    case ctPatternValues:
    case ctPatternCount:
    case ctPatternButton: {
        binding.element = tab_.findPatternWithName(name);
        if (binding.element < 0)
            return false;
        MacroPatternProps& pattern = tab_.patterns[binding.element];
        if (control.type == ctPatternValues) {
            pattern.valuesId = binding.id;
            control.contents = pattern.valuesText;
        } else if (control.type == ctPatternCount) {
            if (pattern.getCount() == -1)
                return false;
            pattern.countId = binding.id;
            control.contents = pattern.countText;
        } else {
            pattern.buttonId = binding.id;
            control.contents = kTooWide;
        }
        return true;
    }
    case ctBoltProp1:
    case ctBoltProp2:
    case ctBoltProp3:
    case ctBoltProp4:
    case ctBoltProp5:
        if (tab_.getBoltData() == nullptr)
            return false;
        binding.part = control.type - ctBoltProp1;
        return true;
    case ctBoltButton:
        // Shown with its caption; the page's own bolt section does the work.
        return true;
    case ctProfSection:
    case ctProfButton:
    case ctProfOffsetType:
    case ctProfRotation:
    case ctProfAdvButton:
        return bindProfile(index, binding);
    case ctArrayProp1:
    case ctArrayProp2:
    case ctArrayProp3:
    case ctArrayProp4:
    case ctArrayProp5:
    case ctArrayEntry:
    case ctArrayButton:
        return bindArray(index, binding);
    case ctCalcButton:
    case ctCalcButtonNoDivisor: {
        // Only a derived (read-only) target can be asked for: anything else the user types in
        // directly.
        binding.element = tab_.findCellWithName(control.calcField1.trim());
        if (binding.element < 0 || !tab_.cells[binding.element].readOnly)
            return false;
        tab_.cells[binding.element].controlId = binding.id;
        return true;
    }
    case ctBlockCombo:
        if (!tab_.blockReference)
            return false;
        binding.group = control.comboList.trim();
        control.items = drawingNamesIn(binding.group);
        control.contents = tab_.blockName;
        return true;
    case ctCutCombo: {
        binding.element = tab_.findCutWithName(name);
        if (binding.element < 0)
            return false;
        tab_.cuts[binding.element].controlId = binding.id;
        control.contents = Vdn_String(tab_.cuts[binding.element].state);
        return true;
    }
    case ctCheckBox: {
        binding.element = tab_.findCellWithName(control.comboList.trim());
        if (binding.element < 0)
            return false; // a check box that stands for nothing would look settable
        MacroCell& cell = tab_.cells[binding.element];
        cell.controlId = binding.id;
        control.readOnly = cell.readOnly;
        control.contents = gMacroLangs.GetStringChopSymbols(control.contents, kCaptionLimit);
        return true;
    }
    case ctFlexFixButton: {
        bool fixed = false;
        bool mixed = false;
        return tab_.getFlexFixBtnStatus(name, fixed, mixed);
    }
    }
    return false;
}

bool MacroDesignBinder::bindProfile(int index, MacroBinding& binding) {
    Vdn_DesignerControl& control = *design_.getControlWrite(index);
    binding.group = control.contents.trim();
    MacroProfData merged;
    if (!tab_.getMergedPropsOfGroup(binding.group, merged))
        return false;
    switch (control.type) {
    case ctProfSection: {
        const SectionList sections(merged.section);
        control.items = sections.items();
        control.contents = SectionList::displayName(merged.section);
        return true;
    }
    case ctProfButton:
        control.contents =
            fitCaption(dialString(macropage::kSelectSectionText), design_.getWidth(index));
        return true;
    case ctProfOffsetType:
        control.items = macropage::offsetTypeItems();
        control.contents = macropage::offsetTypeText(merged.offsetType);
        return true;
    case ctProfRotation:
        control.items = macropage::rotationItems();
        control.contents = macropage::rotationText(merged.rotation);
        return true;
    default:
        control.contents =
            fitCaption(dialString(macropage::kAdvancedText), design_.getWidth(index));
        return true;
    }
}

bool MacroDesignBinder::bindArray(int index, MacroBinding& binding) {
    Vdn_DesignerControl& control = *design_.getControlWrite(index);
    binding.element = tab_.findArrayWithName(control.contents.trim());
    if (binding.element < 0)
        return false;
    DynArrayData& array = tab_.arrays[binding.element];
    switch (control.type) {
    case ctArrayEntry: {
        if (array.isFirstKind())
            return false;
        binding.part = control.comboList.trim().toInt();
        DynArrayData::EntryProps* entry = nullptr;
        if (!array.getEntry(binding.part, entry))
            return false;
        entry->controlId = binding.id;
        control.contents = entry->text;
        return true;
    }
    case ctArrayButton:
        array.buttonId = binding.id;
        control.contents =
            fitCaption(dialString(macropage::kArrayButtonText), design_.getWidth(index));
        return true;
    default:
        binding.part = control.type - ctArrayProp1;
        // The third text belongs to arrays of the first kind only.
        if (control.type == ctArrayProp3 && !array.isFirstKind())
            return false;
        array.textIds[static_cast<std::size_t>(binding.part)] = binding.id;
        control.contents = array.texts[static_cast<std::size_t>(binding.part)];
        return true;
    }
}
