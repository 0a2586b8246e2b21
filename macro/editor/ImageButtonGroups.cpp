#include "macro/editor/ImageButtonGroups.h"

ImageButtonGroups::ImageButtonGroups(const Vdn_StringArray& images) {
    int group = 0;
    int button = 0;
    for (const Vdn_String& image : images) {
        if (image == kBreak) {
            if (group == 0)
                firstClosed_ = true;
            ++group;
            continue;
        }
        if (button >= kButtons || image.isEmpty())
            continue;
        pictures_[button] = image;
        groups_[button] = group;
        groupCount_ = group + 1;
        ++button;
    }
}

const Vdn_String& ImageButtonGroups::picture(int button) const {
    static const Vdn_String none;
    return button >= 0 && button < kButtons ? pictures_[button] : none;
}

int ImageButtonGroups::groupOf(int button) const {
    return button >= 0 && button < kButtons ? groups_[button] : -1;
}

ImageButtonGroups::Checks ImageButtonGroups::checksFrom(const Vdn_Array<int>& selections) const {
    Checks checks{};
    for (int button = 0; button < kButtons; ++button) {
        const int group = groups_[button];
        if (group < 0)
            continue;
        int inGroup = 0;
        for (int before = 0; before < button; ++before)
            inGroup += groups_[before] == group ? 1 : 0;
        checks[button] = group < selections.length() && (selections[group] >> inGroup & 1) != 0;
    }
    return checks;
}

Vdn_Array<int> ImageButtonGroups::selectionsFrom(const Checks& checks) const {
    Vdn_Array<int> selections;
    for (int group = 0; group < groupCount_; ++group)
        selections.append(0);
    std::array<int, kButtons> counts{};
    for (int button = 0; button < kButtons; ++button) {
        const int group = groups_[button];
        if (group < 0)
            continue;
        if (checks[button])
            selections[group] |= 1 << counts[group];
        ++counts[group];
    }
    return selections;
}

ImageButtonGroups::Checks ImageButtonGroups::afterClick(Checks checks, int button) const {
    const int group = groupOf(button);
    if (group < 0 || !isRadio(group))
        return checks;
    for (int other = 0; other < kButtons; ++other) {
        if (groups_[other] == group)
            checks[other] = other == button;
    }
    return checks;
}
