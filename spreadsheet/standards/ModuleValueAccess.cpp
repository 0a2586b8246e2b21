#include "spreadsheet/standards/ModuleValueAccess.h"

#include "platform/core/model/MacroData.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "spreadsheet/standards/MappingKinds.h"

namespace ss {

namespace {

Acad::ErrorStatus result(bool ok) {
    return ok ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus result(Acad::ErrorStatus es) {
    return result(es == Acad::eOk);
}

} // namespace

ModuleValueAccess::ModuleValueAccess(Vdn_DbMacro& macro, MacroData* macroData,
                                     const Vdn_String& moduleName) {
    Vdn_Module* module = nullptr;
    if (macroData == nullptr || macro.openModule(moduleName, module) != Acad::eOk)
        return;
    const int tabIndex = macroData->findTab(module->tabName());
    tab_ = macroData->getTab(tabIndex);
    if (tab_ != nullptr)
        module_ = module;
}

Acad::ErrorStatus ModuleValueAccess::access(int kind, const Vdn_String& name, Vdn_String& value,
                                            bool set) {
    if (!isOpen())
        return Acad::eInvalidInput;
    using K = MappingKinds;
    switch (kind) {
    case K::kDistance:
        return constraintVariable(name, value, set);
    case K::kBoltsDiameter:
    case K::kBoltsHoleOffset:
        return boltData(kind == K::kBoltsDiameter, value, set);
    case K::kPatternNrBolts1:
    case K::kPatternNrBolts2:
        return nrBolts(name, kind == K::kPatternNrBolts1 ? 1 : 2, value, set);
    case K::kPatternReverseStart1:
    case K::kPatternReverseStart2:
        return reverseStart(name, kind == K::kPatternReverseStart1 ? 1 : 2, value, set);
    case K::kOwnedMemberName:
        return memberName(name, value, set);
    default:
        if (K::isCutOffset(kind))
            return cutOffset(name, kind - K::kCutOffset, value, set);
        return Acad::eInvalidInput;
    }
}

Acad::ErrorStatus ModuleValueAccess::constraintVariable(const Vdn_String& name, Vdn_String& value,
                                                        bool set) {
    if (!isOpen())
        return Acad::eInvalidInput;
    bool fixed = true;
    bool mixed = false;
    if (set && tab_->getFlexFixBtnStatus(name, fixed, mixed) && (!fixed || mixed))
        tab_->flexFixBtnClicked(name, false);
    return result(module_->getSetConstrVarValue(name, value, set));
}

Acad::ErrorStatus ModuleValueAccess::cutOffset(const Vdn_String& cutName, int offsetType,
                                               Vdn_String& value, bool set) {
    Vdn_CutConstraint* cut = nullptr;
    if (!isOpen() || module_->getCutConstraint(cutName, cut) != Acad::eOk)
        return Acad::eInvalidInput;
    if (set)
        return result(cut->getSetCutValue(offsetType, value, true));
    Vdn_String text;
    if (cut->getSetCutValue(offsetType, text, false) != Acad::eOk)
        return Acad::eInvalidInput;
    value = Vdn_String(text.toDouble(), 7);
    return Acad::eOk;
}

Acad::ErrorStatus ModuleValueAccess::boltData(bool diameter, Vdn_String& value, bool set) {
    MacroBoltData* data = isOpen() ? tab_->getBoltData() : nullptr;
    if (data == nullptr)
        return Acad::eInvalidInput;
    Vdn_String& text = diameter ? data->diameter : data->holeOffset;
    if (set)
        text = value;
    else
        value = text;
    return Acad::eOk;
}

Acad::ErrorStatus ModuleValueAccess::nrBolts(const Vdn_String& patternName, int direction,
                                             Vdn_String& value, bool set) {
    if (!isOpen() || module_->typeCode() != Vdn_Module::kBoltTypeCode)
        return Acad::eInvalidInput;
    return result(module_->getSetNrBolts(patternName, direction, value, set));
}

Acad::ErrorStatus ModuleValueAccess::reverseStart(const Vdn_String& patternName, int direction,
                                                  Vdn_String& value, bool set) {
    Vdn_BoltPattern* pattern = nullptr;
    if (!isOpen() || !module_->isBoltModule() ||
        module_->findPattern(patternName, pattern) != Acad::eOk)
        return Acad::eInvalidInput;
    // Read and write agree ("1" is a set flag), so that a value read and written back
    // unchanged leaves the pattern as it was.
    bool reverse = set && value == L"1";
    if (pattern->getSetBoltPatternReverses(direction, reverse, set) != Acad::eOk)
        return Acad::eInvalidInput;
    if (!set)
        value = reverse ? L"1" : L"0";
    return Acad::eOk;
}

Acad::ErrorStatus ModuleValueAccess::memberName(const Vdn_String& group, Vdn_String& value,
                                                bool set) {
    MacroProfData props;
    if (!isOpen() || !tab_->getMergedPropsOfGroup(group, props))
        return Acad::eInvalidInput;
    if (!set) {
        value = props.memberName;
        return Acad::eOk;
    }
    props.memberName = value;
    return result(tab_->setMergedPropsOfGroup(group, props));
}

} // namespace ss
