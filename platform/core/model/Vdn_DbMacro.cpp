#include "platform/core/model/Vdn_DbMacro.h"

#include "platform/core/text/NamedItems.h"

Vdn_StringArray Vdn_DbMacro::getModuleNames() const {
    Vdn_StringArray names;
    for (const Vdn_Module& module : modules)
        names.append(module.name);
    return names;
}

Acad::ErrorStatus Vdn_DbMacro::getModNamesOfGroup(const Vdn_String& group,
                                                  Vdn_StringArray& names) const {
    Vdn_StringArray found;
    for (const Vdn_Module& module : modules) {
        if (module.tabName().equal(group, false))
            found.append(module.name);
    }
    if (found.isEmpty())
        return Acad::eKeyNotFound;
    names = found;
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_DbMacro::openModule(const Vdn_String& moduleName, Vdn_Module*& module) {
    const int index = core::indexOfName(modules, moduleName);
    if (index < 0)
        return Acad::eKeyNotFound;
    module = &modules[index];
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_DbMacro::openModule(const Vdn_String& moduleName,
                                          const Vdn_Module*& module) const {
    const int index = core::indexOfName(modules, moduleName);
    if (index < 0)
        return Acad::eKeyNotFound;
    module = &modules[index];
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_DbMacro::getGeneralVariables(Vdn_StringArray& names,
                                                   Vdn_StringArray& values) const {
    names.clear();
    values.clear();
    for (const Vdn_GeneralVariable& variable : generalVariables) {
        names.append(variable.name);
        values.append(variable.value);
    }
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_DbMacro::getSetGenVarValue(const Vdn_String& variable, Vdn_String& value,
                                                 bool set) {
    const int index = core::indexOfName(generalVariables, variable);
    if (index < 0)
        return Acad::eKeyNotFound;
    if (set)
        generalVariables[index].value = value;
    else
        value = generalVariables[index].value;
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_DbMacro::mapBaseProfIds(Vdn_Array<int>& ids) const {
    ids.clear();
    for (int id = 0; id < baseProfiles.length(); ++id)
        ids.append(id);
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_DbMacro::getBaseProf(int id, const Vdn_BaseProfile*& profile) const {
    if (!baseProfiles.isValidIndex(id))
        return Acad::eOutOfRange;
    profile = &baseProfiles[id];
    return Acad::eOk;
}
