#pragma once

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <array>

// The image buttons of a constraint row: up to five pictures from the row's image list, in
// groups that "%radioBreak%" entries close. The first group, when a break closes it, is a
// radio group (a click checks the button and unchecks the others of the group); every other
// button toggles alone. A group's selection is a bit mask of its checked buttons.
class ImageButtonGroups {
public:
    static constexpr int kButtons = 5;
    using Checks = std::array<bool, kButtons>;
    static constexpr const wchar_t* kBreak = L"%radioBreak%";

    explicit ImageButtonGroups(const Vdn_StringArray& images);

    // The picture of a button; empty for a button without one.
    const Vdn_String& picture(int button) const;
    // The group of a button, -1 for a button without a picture.
    int groupOf(int button) const;
    // Groups up to the last one holding a button.
    int groupCount() const { return groupCount_; }
    bool isRadio(int group) const { return group == 0 && firstClosed_; }

    Checks checksFrom(const Vdn_Array<int>& selections) const;
    Vdn_Array<int> selectionsFrom(const Checks& checks) const;
    // The checks after a click on button, which has toggled already: in a radio group the
    // clicked button is checked and the others are not.
    Checks afterClick(Checks checks, int button) const;

private:
    std::array<Vdn_String, kButtons> pictures_;
    std::array<int, kButtons> groups_{-1, -1, -1, -1, -1};
    int groupCount_ = 0;
    bool firstClosed_ = false;
};
