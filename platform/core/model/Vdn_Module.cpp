#include "platform/core/model/Vdn_Module.h"

#include "platform/core/text/NamedItems.h"

namespace {

// Finds the item named name in items for both the const and the mutable lookups.
template <typename Item, typename Items>
Acad::ErrorStatus findNamed(Items& items, const Vdn_String& name, Item*& found) {
    const int index = core::indexOfName(items, name);
    if (index < 0)
        return Acad::eKeyNotFound;
    found = &items[index];
    return Acad::eOk;
}

template <typename Module, typename Pattern>
Acad::ErrorStatus patternAt(Module& module, int id, Pattern*& pattern) {
    if (!module.isBoltModule())
        return Acad::eNotApplicable;
    if (!module.patterns.isValidIndex(id))
        return Acad::eOutOfRange;
    pattern = &module.patterns[id];
    return Acad::eOk;
}

template <typename Module, typename Pattern>
Acad::ErrorStatus patternNamed(Module& module, const Vdn_String& name, Pattern*& pattern) {
    if (!module.isBoltModule())
        return Acad::eNotApplicable;
    return findNamed(module.patterns, name, pattern);
}

} // namespace

Acad::ErrorStatus Vdn_Module::getDialogVariables(Vdn_StringArray& names, std::vector<bool>& shown,
                                                 std::vector<bool>& settable) const {
    names.clear();
    shown.clear();
    settable.clear();
    for (const Vdn_ConstraintVariable& variable : variables) {
        names.append(variable.name);
        shown.push_back(variable.shown);
        settable.push_back(variable.settable);
    }
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_Module::getSetConstrVarValue(const Vdn_String& variable, Vdn_String& value,
                                                   bool set) {
    Vdn_ConstraintVariable* found = nullptr;
    if (const Acad::ErrorStatus es = findNamed(variables, variable, found); es != Acad::eOk)
        return es;
    if (!set) {
        value = found->value;
        return Acad::eOk;
    }
    if (!found->settable)
        return Acad::eNotApplicable;
    found->value = value;
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_Module::getCutConstraints(Vdn_StringArray& names) const {
    names.clear();
    for (const Vdn_CutConstraint& cut : cuts)
        names.append(cut.name);
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_Module::getCutConstraint(const Vdn_String& cutName, Vdn_CutConstraint*& cut) {
    return findNamed(cuts, cutName, cut);
}

Acad::ErrorStatus Vdn_Module::getCutConstraint(const Vdn_String& cutName,
                                               const Vdn_CutConstraint*& cut) const {
    return findNamed(cuts, cutName, cut);
}

Acad::ErrorStatus Vdn_Module::getPatternIds(Vdn_Array<int>& ids) const {
    if (!isBoltModule())
        return Acad::eNotApplicable;
    ids.clear();
    for (int id = 0; id < patterns.length(); ++id)
        ids.append(id);
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_Module::getPattern(int id, Vdn_BoltPattern*& pattern) {
    return patternAt(*this, id, pattern);
}

Acad::ErrorStatus Vdn_Module::getPattern(int id, const Vdn_BoltPattern*& pattern) const {
    return patternAt(*this, id, pattern);
}

Acad::ErrorStatus Vdn_Module::findPattern(const Vdn_String& patternName,
                                          Vdn_BoltPattern*& pattern) {
    return patternNamed(*this, patternName, pattern);
}

Acad::ErrorStatus Vdn_Module::findPattern(const Vdn_String& patternName,
                                          const Vdn_BoltPattern*& pattern) const {
    return patternNamed(*this, patternName, pattern);
}

Acad::ErrorStatus Vdn_Module::getSetNrBolts(const Vdn_String& patternName, int direction,
                                            Vdn_String& value, bool set) {
    Vdn_BoltPattern* pattern = nullptr;
    if (const Acad::ErrorStatus es = findPattern(patternName, pattern); es != Acad::eOk)
        return es;
    return pattern->getSetNrBolts(direction, value, set);
}

Acad::ErrorStatus Vdn_Module::getNamedPrpl(const Vdn_String& placementName,
                                           Vdn_ProfilePlacement*& placement) {
    return findNamed(profiles, placementName, placement);
}

Acad::ErrorStatus Vdn_Module::getNamedPrpl(const Vdn_String& placementName,
                                           const Vdn_ProfilePlacement*& placement) const {
    return findNamed(profiles, placementName, placement);
}
