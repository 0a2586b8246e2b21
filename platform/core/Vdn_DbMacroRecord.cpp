// Vdn_DbMacro's exchange with its record (MacroData): building the tabs and writing a changed
// record back into the modules.
#include "platform/core/MacroData.h"
#include "platform/core/MergedText.h"
#include "platform/core/NamedItems.h"
#include "platform/core/Vdn_DbMacro.h"

#include <vector>

namespace {

int tabKindOf(const Vdn_Module& module) {
    switch (module.kind) {
    case Vdn_Module::Kind::Bolt:
        return MacroTabData::kBoltTab;
    case Vdn_Module::Kind::Profile:
        return MacroTabData::kProfileTab;
    case Vdn_Module::Kind::Plate:
    case Vdn_Module::Kind::Other:
        break;
    }
    return MacroTabData::kGeneralTab;
}

void addModuleToTab(const Vdn_Module& module, MacroTabData& tab) {
    tab.moduleNames.append(module.name);
    for (int i = 0; i < module.profiles.length(); ++i) {
        const Vdn_ProfilePlacement& placement = module.profiles[i];
        tab.profiles.append(MacroProfData{module.name, i, placement.name, placement.section,
                                          placement.material, placement.memberName});
    }
    MacroFlexFixGroup group{module.name, {}};
    for (const Vdn_ConstraintVariable& variable : module.variables) {
        if (variable.flex)
            group.entries.append(MacroFlexFixEntry{variable.name, !*variable.flex});
    }
    if (!group.entries.isEmpty())
        tab.flexFixGroups.append(group);
}

// The bolt modules among modules, with their merged bolt data.
template <typename Module> struct BoltModules {
    std::vector<Module*> modules;
    MacroBoltData merged;
};

template <typename Module> BoltModules<Module> boltModulesOf(const std::vector<Module*>& modules) {
    BoltModules<Module> result;
    core::MergedText diameter;
    core::MergedText holeOffset;
    for (Module* module : modules) {
        if (!module->isBoltModule())
            continue;
        result.modules.push_back(module);
        diameter.add(module->boltData.diameter);
        holeOffset.add(module->boltData.holeOffset);
    }
    result.merged = MacroBoltData{diameter.text(), holeOffset.text()};
    return result;
}

// Checks (apply false) or writes (apply true) one tab record against the modules of its tab.
class TabWriter {
public:
    TabWriter(Vdn_Array<Vdn_Module>& modules, const MacroTabData& tab) : mTab(tab) {
        for (Vdn_Module& module : modules) {
            if (module.tabName().equal(tab.name, false))
                mModules.push_back(&module);
        }
    }

    Acad::ErrorStatus run(bool apply) {
        if (mModules.empty())
            return Acad::eKeyNotFound;
        if (const Acad::ErrorStatus es = boltData(apply); es != Acad::eOk)
            return es;
        for (const MacroProfData& profile : mTab.profiles) {
            if (const Acad::ErrorStatus es = placement(profile, apply); es != Acad::eOk)
                return es;
        }
        for (const MacroFlexFixGroup& group : mTab.flexFixGroups) {
            if (const Acad::ErrorStatus es = flexFixGroup(group, apply); es != Acad::eOk)
                return es;
        }
        return Acad::eOk;
    }

private:
    Vdn_Module* module(const Vdn_String& moduleName) const {
        for (Vdn_Module* candidate : mModules) {
            if (candidate->name.equal(moduleName, false))
                return candidate;
        }
        return nullptr;
    }

    Acad::ErrorStatus boltData(bool apply) const {
        if (!mTab.boltData)
            return Acad::eOk;
        const BoltModules bolts = boltModulesOf(mModules);
        if (bolts.modules.empty())
            return Acad::eNotApplicable;
        if (!apply)
            return Acad::eOk;
        const MacroBoltData& wanted = *mTab.boltData;
        for (Vdn_Module* bolt : bolts.modules) {
            if (wanted.diameter != bolts.merged.diameter)
                bolt->boltData.diameter = wanted.diameter;
            if (wanted.holeOffset != bolts.merged.holeOffset)
                bolt->boltData.holeOffset = wanted.holeOffset;
        }
        return Acad::eOk;
    }

    Acad::ErrorStatus placement(const MacroProfData& profile, bool apply) const {
        Vdn_Module* owner = module(profile.moduleName);
        if (!owner || !owner->profiles.isValidIndex(profile.index))
            return Acad::eKeyNotFound;
        Vdn_ProfilePlacement& placement = owner->profiles[profile.index];
        if (!placement.name.equal(profile.name, false))
            return Acad::eKeyNotFound;
        if (apply) {
            placement.section = profile.section;
            placement.material = profile.material;
            placement.memberName = profile.memberName;
        }
        return Acad::eOk;
    }

    Acad::ErrorStatus flexFixGroup(const MacroFlexFixGroup& group, bool apply) const {
        Vdn_Module* owner = module(group.name);
        if (!owner)
            return Acad::eKeyNotFound;
        for (const MacroFlexFixEntry& entry : group.entries) {
            const int index = core::indexOfName(owner->variables, entry.name);
            if (index < 0 || !owner->variables[index].flex)
                return Acad::eKeyNotFound;
            if (apply)
                owner->variables[index].flex = !entry.fixed;
        }
        return Acad::eOk;
    }

    const MacroTabData& mTab;
    std::vector<Vdn_Module*> mModules;
};

} // namespace

Acad::ErrorStatus Vdn_DbMacro::getMacroData(MacroData& data) const {
    data.name = name;
    data.tabs.clear();
    for (const Vdn_Module& module : modules) {
        int index = data.findTab(module.tabName());
        if (index < 0) {
            MacroTabData tab;
            tab.name = module.tabName();
            tab.kind = tabKindOf(module);
            index = data.tabs.append(tab);
        }
        addModuleToTab(module, data.tabs[index]);
    }
    for (MacroTabData& tab : data.tabs) {
        std::vector<const Vdn_Module*> tabModules;
        for (const Vdn_String& moduleName : tab.moduleNames) {
            const Vdn_Module* module = nullptr;
            if (openModule(moduleName, module) == Acad::eOk)
                tabModules.push_back(module);
        }
        const BoltModules bolts = boltModulesOf(tabModules);
        if (!bolts.modules.empty())
            tab.boltData = bolts.merged;
    }
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_DbMacro::setMacroData(const MacroData& data) {
    for (const MacroTabData& tab : data.tabs) {
        if (const Acad::ErrorStatus es = TabWriter(modules, tab).run(false); es != Acad::eOk)
            return es;
    }
    for (const MacroTabData& tab : data.tabs)
        TabWriter(modules, tab).run(true);
    return Acad::eOk;
}
