#include "platform/core/MacroTabData.h"

#include "platform/core/MergedText.h"

#include <array>

namespace {

constexpr std::array kProfileTexts = {&MacroProfData::section, &MacroProfData::material,
                                      &MacroProfData::memberName};

} // namespace

bool MacroTabData::getFlexFixBtnStatus(const Vdn_String& variable, bool& fixed, bool& mixed) const {
    int buttons = 0;
    int fixedButtons = 0;
    for (const MacroFlexFixGroup& group : flexFixGroups) {
        for (const MacroFlexFixEntry& entry : group.entries) {
            if (!entry.name.equal(variable, false))
                continue;
            ++buttons;
            if (entry.fixed)
                ++fixedButtons;
        }
    }
    if (buttons == 0)
        return false;
    fixed = fixedButtons == buttons;
    mixed = fixedButtons != 0 && fixedButtons != buttons;
    return true;
}

bool MacroTabData::flexFixBtnClicked(const Vdn_String& variable, bool flexible) {
    bool changed = false;
    for (MacroFlexFixGroup& group : flexFixGroups) {
        for (MacroFlexFixEntry& entry : group.entries) {
            if (entry.name.equal(variable, false) && entry.fixed == flexible) {
                entry.fixed = !flexible;
                changed = true;
            }
        }
    }
    return changed;
}

bool MacroTabData::getMergedPropsOfGroup(const Vdn_String& group, MacroProfData& props) const {
    core::MergedText moduleName;
    core::MergedText section;
    core::MergedText material;
    core::MergedText memberName;
    const MacroProfData* first = nullptr;
    bool sameIndex = true;
    for (const MacroProfData& profile : profiles) {
        if (!profile.name.equal(group, false))
            continue;
        if (!first)
            first = &profile;
        sameIndex = sameIndex && profile.index == first->index;
        moduleName.add(profile.moduleName);
        section.add(profile.section);
        material.add(profile.material);
        memberName.add(profile.memberName);
    }
    if (!first)
        return false;
    props.moduleName = moduleName.text();
    // One index stands for one placement only when a single module places the group.
    props.index = sameIndex && !moduleName.text().isEmpty() ? first->index : -1;
    props.name = first->name;
    props.section = section.text();
    props.material = material.text();
    props.memberName = memberName.text();
    return true;
}

bool MacroTabData::setMergedPropsOfGroup(const Vdn_String& group, const MacroProfData& props) {
    MacroProfData current;
    if (!getMergedPropsOfGroup(group, current))
        return false;
    for (const auto text : kProfileTexts) {
        if (props.*text == current.*text)
            continue;
        for (MacroProfData& profile : profiles) {
            if (profile.name.equal(group, false))
                profile.*text = props.*text;
        }
    }
    return true;
}
