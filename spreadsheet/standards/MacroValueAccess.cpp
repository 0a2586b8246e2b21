#include "spreadsheet/standards/MacroValueAccess.h"

#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/sections/Vdn_SectionTableManager.h"
#include "platform/core/text/StringHelpers.h"
#include "spreadsheet/standards/MappingKinds.h"

#include <charconv>
#include <optional>

namespace ss {

namespace {

// The shortest text that reads back as the same number ("2.5", "10", "1e-07").
Vdn_String numberText(double value) {
    char buffer[64];
    const auto converted = std::to_chars(buffer, buffer + sizeof buffer, value);
    return Vdn_String::fromUtf8(std::string_view(buffer, converted.ptr));
}

// The index of a base-profile name "Prof" + a whole number; none for any other text.
std::optional<int> profileIndex(const Vdn_String& name) {
    static const Vdn_String prefix = L"Prof";
    if (!name.startsWith(prefix, true))
        return std::nullopt;
    const Vdn_String digits = name.substr(prefix.length());
    bool ok = false;
    const int index = digits.toInt(&ok);
    if (!ok || digits.isEmpty() || index < 0)
        return std::nullopt;
    return index;
}

} // namespace

Acad::ErrorStatus MacroValueAccess::readGeneralVariable(Vdn_DbMacro& macro, const Vdn_String& name,
                                                        int decimals, Vdn_String& value) {
    Vdn_String text;
    if (macro.getSetGenVarValue(name, text, false) != Acad::eOk)
        return Acad::eInvalidInput;
    value = Vdn_String(text.toDouble(), decimals);
    return Acad::eOk;
}

Acad::ErrorStatus MacroValueAccess::writeGeneralVariable(Vdn_DbMacro& macro, const Vdn_String& name,
                                                         const Vdn_String& text) {
    Vdn_String number = numberText(text.toDouble());
    return macro.getSetGenVarValue(name, number, true) == Acad::eOk ? Acad::eOk
                                                                    : Acad::eInvalidInput;
}

Acad::ErrorStatus MacroValueAccess::readBaseProfile(const Vdn_DbMacro& macro, int kind,
                                                    const Vdn_String& name, Vdn_String& value) {
    Vdn_String profilePart = name;
    Vdn_String columnPart;
    if (kind == MappingKinds::kMemberSectionSize &&
        !splitStringAtSymbol(name, L';', profilePart, columnPart, false))
        return Acad::eInvalidInput;
    const std::optional<int> index = profileIndex(profilePart);
    const Vdn_BaseProfile* profile = nullptr;
    if (!index || macro.getBaseProf(*index, profile) != Acad::eOk)
        return Acad::eInvalidInput;

    Vdn_String text;
    switch (kind) {
    case MappingKinds::kPrPlName:
        if (profile->getSectionName(text) != Acad::eOk)
            return Acad::eInvalidInput;
        break;
    case MappingKinds::kPrPlMaterial:
        if (profile->getMaterial(text) != Acad::eOk)
            return Acad::eInvalidInput;
        break;
    case MappingKinds::kMemberSectionSize: {
        bool ok = false;
        const int column = columnPart.toInt(&ok);
        Vdn_String section;
        if (!ok || column < 0 || profile->getSectionName(section) != Acad::eOk ||
            !gSectionTables.getSectionValue(section, column, text))
            return Acad::eInvalidInput;
        break;
    }
    default:
        return Acad::eInvalidInput;
    }
    value = text;
    return Acad::eOk;
}

} // namespace ss
