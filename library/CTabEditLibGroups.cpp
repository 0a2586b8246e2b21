#include "library/CTabEditLibGroups.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/core/text/StringHelpers.h"

#include <utility>

namespace {

constexpr int kNewGroupText = 20450;

} // namespace

int CTabEditLibGroups::appendEntry() {
    Vdn_String name = dialString(kNewGroupText);
    if (name.str().ends_with(L":"))
        name = Vdn_String(name.str().substr(0, name.str().size() - 1));
    Vdn_StringArray names;
    for (const SectionGroup& group : data_->groups)
        names.append(group.name);
    return data_->groups.appendNewGrp(findNonExistingString(names, name.trim() + L"1"));
}

void CTabEditLibGroups::swapEntries(int first, int second) {
    std::swap(data_->groups[first], data_->groups[second]);
}
