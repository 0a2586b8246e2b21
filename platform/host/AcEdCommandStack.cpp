#include "platform/host/AcEdCommandStack.h"

#include <algorithm>
#include <iterator>

namespace {

bool isEmpty(const wchar_t* text) {
    return text == nullptr || *text == L'\0';
}

} // namespace

Acad::ErrorStatus AcEdCommandStack::addCommand(const wchar_t* group, const wchar_t* globalName,
                                               const wchar_t* localName, int flags,
                                               AcRxFunctionPtr function) {
    if (isEmpty(group) || isEmpty(globalName) || function == nullptr ||
        commands_.contains(globalName))
        return Acad::eInvalidInput;
    commands_[globalName] =
        Command{group, isEmpty(localName) ? globalName : localName, flags, function};
    return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::removeGroup(const wchar_t* group) {
    if (isEmpty(group))
        return Acad::eInvalidInput;
    const auto removed = std::erase_if(
        commands_, [group](const auto& entry) { return entry.second.group == group; });
    return removed > 0 ? Acad::eOk : Acad::eInvalidInput;
}

bool AcEdCommandStack::hasGroup(const wchar_t* group) const {
    return !isEmpty(group) &&
           std::any_of(commands_.begin(), commands_.end(),
                       [group](const auto& e) { return e.second.group == group; });
}

AcRxFunctionPtr AcEdCommandStack::lookupCmd(const wchar_t* globalName) const {
    if (isEmpty(globalName))
        return nullptr;
    const auto found = commands_.find(globalName);
    return found == commands_.end() ? nullptr : found->second.function;
}
