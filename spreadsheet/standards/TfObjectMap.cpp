#include "spreadsheet/standards/TfObjectMap.h"

#include "platform/core/text/StringHelpers.h"
#include "spreadsheet/standards/MappingKinds.h"
#include "spreadsheet/standards/TfVarCell.h"

#include <array>

namespace {

constexpr wchar_t kObjectSeparator = L'\u2022'; // "•"

} // namespace

Acad::ErrorStatus TfObjectMap::getMappingFromStrs(const Vdn_String& ssNameText,
                                                  const Vdn_String& target) {
    Vdn_String object;
    Vdn_String rest;
    if (!splitStringAtSymbol(target, kObjectSeparator, object, rest, false))
        return Acad::eInvalidInput;
    objectName = object;
    const Vdn_String stripped = stripSymbols(rest, L' ', true, false);
    const int found = ss::MappingKinds::fromText(stripped);
    if (found == ss::MappingKinds::kNone)
        return Acad::eInvalidInput;
    kind = found;
    name = getSubstrAfter(stripped, L" ", false);
    ssName = ssNameText;
    return Acad::eOk;
}

Acad::ErrorStatus TfObjectMap::setMappingToStrs(Vdn_String& target, Vdn_String& ssNameText) const {
    const Vdn_String keyword = ss::MappingKinds::keyword(kind);
    if (keyword.isEmpty())
        return Acad::eInvalidInput;
    target = objectName + kObjectSeparator + keyword + L' ' + name;
    ssNameText = ssName;
    return Acad::eOk;
}

Acad::ErrorStatus TfObjectMap::mapFromArrays(const Vdn_StringArray& ssNames,
                                             const Vdn_StringArray& targets,
                                             const TfVarCell& cell) {
    const int index = ssNames.find(cell.name, false);
    if (index < 0 || index >= targets.length())
        return Acad::eInvalidInput;
    return getMappingFromStrs(cell.name, targets[index]);
}

Acad::ErrorStatus TfObjectMap::isCompatible(const TfObjectMap& other) const {
    const bool same = objectName.equal(other.objectName, false) && name.equal(other.name, false) &&
                      kind == other.kind;
    return same ? Acad::eOk : Acad::eInvalidInput;
}

std::optional<TfValueType> TfObjectMap::valueType() const {
    return ss::MappingKinds::valueType(kind);
}

Vdn_String TfObjectMap::categoryHeading(int category) {
    static const std::array<const wchar_t*, 4> kHeadings = {
        L"Zichtbaar en instelbaar",
        L"Zichtbaar niet instelbaar",
        L"Onzichtbaar en instelbaar",
        L"Onzichtbaar niet instelbaar",
    };
    if (category < 0 || category >= static_cast<int>(kHeadings.size()))
        return {};
    return Vdn_String(L"------ ") + kHeadings[static_cast<std::size_t>(category)] + L" ------";
}

Vdn_StringArray TfObjectMap::categoryHeadings(const AcArray<int>& categories) {
    Vdn_StringArray headings;
    for (int i = 0; i < categories.length(); ++i)
        headings.append(categoryHeading(categories[i]));
    return headings;
}
