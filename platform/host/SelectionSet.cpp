#include "platform/host/SelectionSet.h"

#include <cwctype>
#include <map>
#include <string>

namespace {

// Sets are numbered from 1 in the first half of an ads_name; entities carry their object id's
// value in the first half and the marker kEntity in the second.
constexpr std::int64_t kSet = 1;
constexpr std::int64_t kEntity = 2;

struct Selections {
    std::vector<AcDbObjectId> previous;
    std::map<std::int64_t, std::vector<AcDbObjectId>> open;
    std::int64_t nextSet = 1;

    static Selections& instance() {
        static Selections selections;
        return selections;
    }

    const std::vector<AcDbObjectId>* find(const ads_name set) const {
        if (set == nullptr || set[1] != kSet)
            return nullptr;
        const auto it = open.find(set[0]);
        return it == open.end() ? nullptr : &it->second;
    }
};

bool isPreviousMode(const wchar_t* mode) {
    if (mode == nullptr)
        return false;
    std::wstring text(mode);
    if (!text.empty() && text.front() == L'_')
        text.erase(0, 1);
    return text.size() == 1 && std::towupper(text.front()) == L'P';
}

} // namespace

int acedSSGet(const wchar_t* mode, const void*, const void*, const void*, ads_name set) {
    Selections& selections = Selections::instance();
    if (set == nullptr || !isPreviousMode(mode) || selections.previous.empty())
        return RTERROR;
    const std::int64_t number = selections.nextSet++;
    selections.open.emplace(number, selections.previous);
    set[0] = number;
    set[1] = kSet;
    return RTNORM;
}

int acedSSLength(const ads_name set, std::int32_t* length) {
    const auto* ids = Selections::instance().find(set);
    if (ids == nullptr || length == nullptr)
        return RTERROR;
    *length = static_cast<std::int32_t>(ids->size());
    return RTNORM;
}

int acedSSName(const ads_name set, std::int32_t index, ads_name entity) {
    const auto* ids = Selections::instance().find(set);
    if (ids == nullptr || entity == nullptr || index < 0 ||
        static_cast<std::size_t>(index) >= ids->size())
        return RTERROR;
    entity[0] = static_cast<std::int64_t>((*ids)[static_cast<std::size_t>(index)].value());
    entity[1] = kEntity;
    return RTNORM;
}

int acedSSFree(const ads_name set) {
    Selections& selections = Selections::instance();
    if (selections.find(set) == nullptr)
        return RTERROR;
    selections.open.erase(set[0]);
    return RTNORM;
}

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name entity) {
    if (entity == nullptr || entity[1] != kEntity || entity[0] == 0)
        return Acad::eInvalidInput;
    id = AcDbObjectId(static_cast<AcDbObjectId::Value>(entity[0]));
    return Acad::eOk;
}

namespace host {

void setPreviousSelection(std::vector<AcDbObjectId> ids) {
    Selections::instance().previous = std::move(ids);
}

int openSelectionSets() {
    return static_cast<int>(Selections::instance().open.size());
}

} // namespace host
