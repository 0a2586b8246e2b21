// Reading and writing the macro value that a mapping entry addresses.

#include "platform/core/model/Vdn_DbMacro.h"
#include "spreadsheet/standards/MacroValueAccess.h"
#include "spreadsheet/standards/MappingKinds.h"
#include "spreadsheet/standards/ModuleValueAccess.h"
#include "spreadsheet/standards/TfObjectMap.h"

Acad::ErrorStatus TfObjectMap::getMacroVarValue(Vdn_DbMacro* macro, MacroData* macroData,
                                                Vdn_String& value, AcTransaction*) const {
    if (macro == nullptr)
        return Acad::eInvalidInput;
    return accessMacro(*macro, macroData, value, false);
}

Acad::ErrorStatus TfObjectMap::setMacroVarValue(Vdn_DbMacro* macro, MacroData* macroData,
                                                const Vdn_String& value, AcTransaction*) const {
    if (macro == nullptr)
        return Acad::eInvalidInput;
    Vdn_String text = value;
    return accessMacro(*macro, macroData, text, true);
}

Acad::ErrorStatus TfObjectMap::accessMacro(Vdn_DbMacro& macro, MacroData* macroData,
                                           Vdn_String& value, bool set) const {
    using K = ss::MappingKinds;
    switch (kind) {
    case K::kGenVar:
        return set ? ss::MacroValueAccess::writeGeneralVariable(macro, name, value)
                   : ss::MacroValueAccess::readGeneralVariable(macro, name, 8, value);
    case K::kPrPlName:
    case K::kPrPlMaterial:
    case K::kMemberSectionSize:
        return set ? Acad::eInvalidInput
                   : ss::MacroValueAccess::readBaseProfile(macro, kind, name, value);
    default:
        break;
    }
    if (!K::isValid(kind))
        return Acad::eInvalidInput;

    Vdn_StringArray moduleNames;
    if (macro.getModNamesOfGroup(objectName, moduleNames) != Acad::eOk)
        return Acad::eInvalidInput;
    // Every module of the group is visited: a read keeps the last module's value, a write
    // goes to all of them.
    bool anyDone = false;
    Vdn_String readValue;
    for (const Vdn_String& moduleName : moduleNames) {
        ss::ModuleValueAccess module(macro, macroData, moduleName);
        Vdn_String text = set ? value : Vdn_String();
        if (module.access(kind, name, text, set) != Acad::eOk)
            continue;
        anyDone = true;
        if (!set)
            readValue = text;
    }
    if (!anyDone)
        return Acad::eInvalidInput;
    if (!set)
        value = readValue;
    return Acad::eOk;
}
