#include "platform/core/model/MacroEditing.h"

#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/MacroRecalculation.h"
#include "platform/core/model/VariableNames.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/NamedItems.h"
#include "platform/core/text/StringHelpers.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>

namespace {

struct HighlightedConstraint {
    AcDbObjectId macro;
    Vdn_String module;
    int id = -1;
};

std::optional<HighlightedConstraint>& highlighted() {
    static std::optional<HighlightedConstraint> current;
    return current;
}

bool refuse(const Vdn_String& message) {
    Vdn_Drawing::current().setLastMessage(message);
    return false;
}

// Runs change on a copy of the macro's module, then checks, recalculates and clash-checks the
// copy; only a copy that passes replaces the macro.
bool editModule(AcDbObjectId id, const Vdn_String& moduleName,
                const std::function<bool(Vdn_DbMacro&, Vdn_Module&)>& change) {
    const Vdn_DbMacro* macro = Vdn_Drawing::current().macro(id);
    if (!macro)
        return refuse(L"the drawing holds no object " + Vdn_String(std::to_wstring(id.value())));
    Vdn_DbMacro copy = *macro;
    const int index = core::indexOfName(copy.modules, moduleName);
    if (index < 0)
        return refuse(L"the macro has no module " + moduleName);
    if (!change(copy, copy.modules[index]) || !recalculateAndCheck(copy))
        return false;
    Vdn_Drawing::current().replaceMacro(id, std::move(copy));
    Vdn_Drawing::current().setLastMessage(Vdn_String());
    return true;
}

Vdn_Constraint* constraintWithId(Vdn_Module& module, int id) {
    for (Vdn_Constraint& constraint : module.constraints) {
        if (constraint.id == id)
            return &constraint;
    }
    return nullptr;
}

Vdn_String numberText(int number) {
    return Vdn_String(number);
}

// Appends a copy of record numbered one past the highest id in records, so an id once given
// is never given again while a record holds it; returns that id.
template <typename Record> int appendNumbered(Vdn_Array<Record>& records, Record record) {
    int highest = 0;
    for (const Record& known : records)
        highest = std::max(highest, known.id);
    record.id = highest + 1;
    records.append(record);
    return record.id;
}

} // namespace

bool MacroGetModules(AcDbObjectId id, Vdn_StringArray& names) {
    const Vdn_DbMacro* macro = Vdn_Drawing::current().macro(id);
    if (!macro)
        return refuse(L"the drawing holds no object " + Vdn_String(std::to_wstring(id.value())));
    names = macro->getModuleNames();
    return true;
}

bool RenameModule(AcDbObjectId id, const Vdn_String& moduleName, const Vdn_String& newName) {
    return editModule(id, moduleName, [&](Vdn_DbMacro& macro, Vdn_Module& module) {
        if (newName.trim().isEmpty())
            return refuse(L"a module needs a name");
        const int other = core::indexOfName(macro.modules, newName);
        if (other >= 0 && &macro.modules[other] != &module)
            return refuse(L"the macro has a module " + newName + L" already");
        if (module.group.isEmpty()) {
            const int tab = core::indexOfName(macro.tabs, module.name);
            if (tab >= 0)
                macro.tabs[tab].name = newName;
        }
        module.name = newName;
        return true;
    });
}

bool RemoveModule(AcDbObjectId id, const Vdn_String& moduleName) {
    return editModule(id, moduleName, [&](Vdn_DbMacro& macro, Vdn_Module& module) {
        const Vdn_String tabName = module.tabName();
        macro.modules.removeAt(core::indexOfName(macro.modules, module.name));
        bool tabUsed = false;
        for (const Vdn_Module& other : macro.modules)
            tabUsed = tabUsed || other.tabName().equal(tabName, false);
        const int tab = core::indexOfName(macro.tabs, tabName);
        if (!tabUsed && tab >= 0)
            macro.tabs.removeAt(tab);
        std::string where;
        std::string reason;
        if (!core::MacroRecalculation::check(macro, where, reason))
            return refuse(L"the module cannot be removed: " +
                          Vdn_String::fromUtf8(where + ": " + reason));
        return true;
    });
}

bool UpdateConstraint(AcDbObjectId id, const Vdn_String& moduleName, const Vdn_Constraint& edited) {
    return editModule(id, moduleName, [&](Vdn_DbMacro& macro, Vdn_Module& module) {
        Vdn_Constraint* constraint = constraintWithId(module, edited.id);
        if (!constraint)
            return refuse(L"the module has no constraint " + numberText(edited.id));
        if (!edited.variable.isEmpty() && core::indexOfName(module.variables, edited.variable) < 0)
            return refuse(L"the module has no variable " + edited.variable);
        const bool valueChanged = constraint->value != edited.value;
        constraint->value = edited.value;
        constraint->variable = edited.variable;
        constraint->choice = edited.choice;
        constraint->firstFlag = edited.firstFlag;
        constraint->secondFlag = edited.secondFlag;
        constraint->images = edited.images;
        constraint->imageSelections = edited.imageSelections;
        if (valueChanged && !edited.variable.isEmpty()) {
            Vdn_ConstraintVariable& variable =
                module.variables[core::indexOfName(module.variables, edited.variable)];
            if (!variable.settable ||
                core::MacroRecalculation::isDerived(macro, module.name, variable.name))
                return refuse(L"the value of " + variable.name + L" is derived or cannot be set");
            variable.value = edited.value;
        }
        return true;
    });
}

bool DeleteConstraint(AcDbObjectId id, const Vdn_String& moduleName, int constraintId) {
    const bool deleted = editModule(id, moduleName, [&](Vdn_DbMacro&, Vdn_Module& module) {
        for (int i = 0; i < module.constraints.length(); ++i) {
            if (module.constraints[i].id == constraintId) {
                module.constraints.removeAt(i);
                return true;
            }
        }
        return refuse(L"the module has no constraint " + numberText(constraintId));
    });
    if (deleted && highlightedConstraint(id, moduleName) == constraintId)
        UnHighlightConstraints();
    return deleted;
}

bool AddConstraint(AcDbObjectId id, const Vdn_String& moduleName, Vdn_Constraint& constraint) {
    int newId = 0;
    const bool added = editModule(id, moduleName, [&](Vdn_DbMacro&, Vdn_Module& module) {
        for (const int geometry : constraint.geometries) {
            bool found = false;
            for (const Vdn_Geometry& known : module.geometries)
                found = found || known.id == geometry;
            if (!found)
                return refuse(L"the module has no geometry " + numberText(geometry));
        }
        if (!constraint.variable.isEmpty() &&
            core::indexOfName(module.variables, constraint.variable) < 0)
            return refuse(L"the module has no variable " + constraint.variable);
        newId = appendNumbered(module.constraints, constraint);
        return true;
    });
    if (added)
        constraint.id = newId;
    return added;
}

bool OrderConstraints(AcDbObjectId id, const Vdn_String& moduleName,
                      const Vdn_Array<int>& constraintIds) {
    return editModule(id, moduleName, [&](Vdn_DbMacro&, Vdn_Module& module) {
        if (constraintIds.length() != module.constraints.length())
            return refuse(L"the order must name every constraint once");
        Vdn_Array<Vdn_Constraint> ordered;
        for (const int constraintId : constraintIds) {
            const Vdn_Constraint* constraint = constraintWithId(module, constraintId);
            if (!constraint || constraintIds.find(constraintId) != ordered.length())
                return refuse(L"the order must name every constraint once");
            ordered.append(*constraint);
        }
        module.constraints = ordered;
        return true;
    });
}

bool AddModule(AcDbObjectId id, Vdn_String& moduleName) {
    const Vdn_DbMacro* macro = Vdn_Drawing::current().macro(id);
    if (!macro)
        return refuse(L"the drawing holds no object " + Vdn_String(std::to_wstring(id.value())));
    Vdn_DbMacro copy = *macro;
    Vdn_String name;
    for (int number = 1;; ++number) {
        name = L"Module" + numberText(number);
        if (core::indexOfName(copy.modules, name) < 0 && core::indexOfName(copy.tabs, name) < 0)
            break;
    }
    Vdn_Module module;
    module.name = name;
    copy.modules.append(module);
    Vdn_Drawing::current().replaceMacro(id, std::move(copy));
    Vdn_Drawing::current().setLastMessage(Vdn_String());
    moduleName = name;
    return true;
}

bool AddBoltPattern(AcDbObjectId id, const Vdn_String& moduleName, Vdn_String& patternName) {
    Vdn_String name;
    const bool added = editModule(id, moduleName, [&](Vdn_DbMacro&, Vdn_Module& module) {
        if (!module.isBoltModule())
            return refuse(L"only a bolt module has bolt patterns");
        for (int number = 1;; ++number) {
            name = L"P" + numberText(number);
            if (core::indexOfName(module.patterns, name) < 0)
                break;
        }
        Vdn_BoltPattern pattern;
        pattern.name = name;
        pattern.typeCode = 282;
        pattern.nrBolts = Vdn_StringArray{L"2", L"2"};
        pattern.reverseStart = {false, false};
        module.patterns.append(pattern);
        return true;
    });
    if (added)
        patternName = name;
    return added;
}

bool AddGeometry(AcDbObjectId id, const Vdn_String& moduleName, Vdn_Geometry& geometry) {
    int newId = 0;
    const bool added = editModule(id, moduleName, [&](Vdn_DbMacro&, Vdn_Module& module) {
        newId = appendNumbered(module.geometries, geometry);
        return true;
    });
    if (added)
        geometry.id = newId;
    return added;
}

bool HighlightConstraint(AcDbObjectId id, const Vdn_String& moduleName, int constraintId) {
    Vdn_DbMacro* macro = Vdn_Drawing::current().macro(id);
    const int index = macro ? core::indexOfName(macro->modules, moduleName) : -1;
    if (index < 0 || !constraintWithId(macro->modules[index], constraintId))
        return refuse(L"no constraint " + numberText(constraintId) + L" to highlight");
    highlighted() = HighlightedConstraint{id, macro->modules[index].name, constraintId};
    return true;
}

void UnHighlightConstraints() {
    highlighted().reset();
}

int highlightedConstraint(AcDbObjectId id, const Vdn_String& moduleName) {
    const std::optional<HighlightedConstraint>& current = highlighted();
    if (!current || current->macro != id || !current->module.equal(moduleName, false) ||
        !Vdn_Drawing::current().macro(id))
        return -1;
    return current->id;
}

bool VarNameInUse(AcDbObjectId id, const Vdn_String& moduleName, const Vdn_String& name,
                  bool& inUse) {
    const Vdn_DbMacro* macro = Vdn_Drawing::current().macro(id);
    const int index = macro ? core::indexOfName(macro->modules, moduleName) : -1;
    if (index < 0)
        return refuse(L"the macro has no module " + moduleName);
    inUse = core::indexOfName(macro->modules[index].variables, name) >= 0 ||
            core::indexOfName(macro->generalVariables, name) >= 0;
    return true;
}

bool UpdateGeomFlexibility(AcDbObjectId id, const Vdn_String& moduleName, int geometryId,
                           int flexibility) {
    return editModule(id, moduleName, [&](Vdn_DbMacro&, Vdn_Module& module) {
        if (flexibility < 0 || flexibility > 2)
            return refuse(L"a flexibility is 0, 1 or 2");
        for (Vdn_Geometry& geometry : module.geometries) {
            if (geometry.id == geometryId) {
                geometry.flexibility = flexibility;
                return true;
            }
        }
        return refuse(L"the module has no geometry " + numberText(geometryId));
    });
}

bool SetConstructionGeometry(AcDbObjectId id, const Vdn_String& moduleName, int geometryId,
                             bool construction) {
    return editModule(id, moduleName, [&](Vdn_DbMacro&, Vdn_Module& module) {
        for (Vdn_Geometry& geometry : module.geometries) {
            if (geometry.id == geometryId) {
                geometry.construction = construction;
                return true;
            }
        }
        return refuse(L"the module has no geometry " + numberText(geometryId));
    });
}

bool SetNameTags(AcDbObjectId id, const Vdn_String& moduleName, const Vdn_Array<int>& geometryIds,
                 const Vdn_StringArray& nameTags) {
    return editModule(id, moduleName, [&](Vdn_DbMacro&, Vdn_Module& module) {
        if (geometryIds.length() != nameTags.length())
            return refuse(L"as many name tags as geometries are needed");
        for (int i = 0; i < geometryIds.length(); ++i) {
            bool found = false;
            for (Vdn_Geometry& geometry : module.geometries) {
                if (geometry.id == geometryIds[i]) {
                    geometry.nameTag = nameTags[i];
                    found = true;
                }
            }
            if (!found)
                return refuse(L"the module has no geometry " + numberText(geometryIds[i]));
        }
        return true;
    });
}

bool UpdateVarsEqs(AcDbObjectId id, const Vdn_String& moduleName, const Vdn_StringArray& names,
                   const Vdn_StringArray& values, const Vdn_Array<int>& kinds,
                   const Vdn_StringArray& equations) {
    return editModule(id, moduleName, [&](Vdn_DbMacro& macro, Vdn_Module& module) {
        if (values.length() != names.length() || kinds.length() != names.length())
            return refuse(L"names, values and kinds of the variables must line up");
        Vdn_StringArray duplicates;
        if (hasDuplicates(names, false, duplicates))
            return refuse(L"the variable name " + duplicates.first() + L" occurs more than once");
        Vdn_Array<Vdn_ConstraintVariable> variables;
        for (int i = 0; i < names.length(); ++i) {
            if (names[i].trim().isEmpty())
                return refuse(L"a variable needs a name");
            if (kinds[i] < 0 || kinds[i] > 7)
                return refuse(L"the kind of " + names[i] + L" is not between 0 and 7");
            const int kept = core::indexOfName(module.variables, names[i]);
            // Only a new name is held to the rule: a variable the macro file brought keeps its
            // name, whatever it is.
            if (kept < 0) {
                if (const std::optional<Vdn_String> problem = variableNameProblem(names[i]))
                    return refuse(*problem);
            }
            Vdn_ConstraintVariable variable =
                kept >= 0 ? module.variables[kept] : Vdn_ConstraintVariable{};
            variable.name = names[i];
            variable.value = values[i];
            variable.kind = kinds[i];
            variables.append(variable);
        }
        for (const Vdn_Constraint& constraint : module.constraints) {
            if (!constraint.variable.isEmpty() &&
                core::indexOfName(variables, constraint.variable) < 0)
                return refuse(L"constraint " + numberText(constraint.id) + L" needs the variable " +
                              constraint.variable);
        }
        module.variables = variables;
        module.equations = equations;
        std::string where;
        std::string reason;
        if (!core::MacroRecalculation::check(macro, where, reason))
            return refuse(Vdn_String::fromUtf8(where + ": " + reason));
        return true;
    });
}
