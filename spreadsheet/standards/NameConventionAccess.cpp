#include "spreadsheet/standards/NameConventionAccess.h"

#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/text/CharCase.h"
#include "spreadsheet/standards/MacroValueAccess.h"
#include "spreadsheet/standards/ModuleValueAccess.h"

#include <array>
#include <string_view>

namespace ss {

namespace {

// When name ends with suffix (without regard to case), the text before it.
bool stripSuffix(const Vdn_String& name, std::wstring_view suffix, Vdn_String& before) {
    const std::wstring_view text(name.str());
    if (text.size() < suffix.size() ||
        !core::equalNoCase(text.substr(text.size() - suffix.size()), suffix))
        return false;
    before = name.substr(0, static_cast<int>(text.size() - suffix.size()));
    return true;
}

// The suffixes of cut offset types 0 to 8.
constexpr std::array<const wchar_t*, 9> kCutSuffixes = {
    L".Cut",        L".CutPoly",  L".CutLength", L".CutCenter", L".CutInside",
    L".CutOutside", L".Chamfer1", L".Chamfer2",  L".CutRadius",
};

Acad::ErrorStatus generalVariable(Vdn_DbMacro& macro, const Vdn_String& ssName, Vdn_String& value,
                                  bool set) {
    const Vdn_String name = Vdn_String(L"gen_") + ssName.substr(4);
    Vdn_StringArray names;
    Vdn_StringArray values;
    macro.getGeneralVariables(names, values);
    if (!names.contains(name, false))
        return Acad::eInvalidInput;
    if (set)
        return MacroValueAccess::writeGeneralVariable(macro, name, value);
    return MacroValueAccess::readGeneralVariable(macro, name, 4, value);
}

// Rule 2: true when the rule applied (result then holds its outcome).
bool placementText(ModuleValueAccess& module, const Vdn_String& ssName, Vdn_String& value,
                   Acad::ErrorStatus& result) {
    Vdn_String placementName;
    const bool material = stripSuffix(ssName, L".Material", placementName);
    if (!material && !stripSuffix(ssName, L".Name", placementName))
        return false;
    const Vdn_ProfilePlacement* placement = nullptr;
    if (module.module().getNamedPrpl(placementName, placement) != Acad::eOk)
        return false;
    Vdn_String text;
    const Acad::ErrorStatus es =
        material ? placement->getMaterial(text) : placement->getSectionName(text);
    result = es == Acad::eOk ? Acad::eOk : Acad::eInvalidInput;
    if (es == Acad::eOk)
        value = text;
    return true;
}

} // namespace

Acad::ErrorStatus NameConventionAccess::access(Vdn_DbMacro& macro, ModuleValueAccess& module,
                                               const Vdn_String& ssName, TfValueType type,
                                               Vdn_String& value, bool set) {
    if (!module.isOpen())
        return Acad::eInvalidInput;
    const bool numeric = isNumericValueType(type);
    if (numeric && ssName.startsWith(L"gen.", false))
        return generalVariable(macro, ssName, value, set);

    Acad::ErrorStatus placementResult = Acad::eInvalidInput;
    if (!numeric && !set && placementText(module, ssName, value, placementResult))
        return placementResult;

    Vdn_String before;
    if (numeric) {
        for (int offsetType = 0; offsetType < static_cast<int>(kCutSuffixes.size()); ++offsetType) {
            if (stripSuffix(ssName, kCutSuffixes[static_cast<std::size_t>(offsetType)], before))
                return module.cutOffset(before, offsetType, value, set);
        }
        if (stripSuffix(ssName, L".Diameter", before))
            return module.boltData(true, value, set);
        if (stripSuffix(ssName, L".HoleOffset", before))
            return module.boltData(false, value, set);
    }
    if (stripSuffix(ssName, L".NrBolts1", before))
        return module.nrBolts(before, 1, value, set);
    if (stripSuffix(ssName, L".NrBolts2", before))
        return module.nrBolts(before, 2, value, set);
    if (numeric) {
        if (stripSuffix(ssName, L".ReverseStart1", before))
            return module.reverseStart(before, 1, value, set);
        if (stripSuffix(ssName, L".ReverseStart2", before))
            return module.reverseStart(before, 2, value, set);
        return module.constraintVariable(ssName, value, set);
    }
    if (stripSuffix(ssName, L".MemberName", before))
        return module.memberName(before, value, set);
    return Acad::eInvalidInput;
}

} // namespace ss
