#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/Vdn_StringArray.h"
#include "platform/host/AcArray.h"
#include "spreadsheet/standards/TfValueType.h"

#include <optional>

class AcTransaction;
class MacroData;
class TfVarCell;
class Vdn_DbMacro;

// One entry of a spreadsheet-to-macro mapping: the sheet variable ssName takes (and gives) the
// macro value of the mapping kind `kind` (see ss::MappingKinds) that objectName and name
// address. In a mapping file an entry is ssName + "ƒ" + its target, the target being
// objectName + "•" + the kind's keyword + " " + name.
//
// Operations give eOk or eInvalidInput.
class TfObjectMap {
public:
    // Display groups of the macro settings dialog.
    enum Category {
        kVisibleSettable = 0,
        kVisibleNotSettable = 1,
        kHiddenSettable = 2,
        kHiddenNotSettable = 3,
    };

    TfObjectMap() = default;
    TfObjectMap(const TfObjectMap&) = default;
    TfObjectMap& operator=(const TfObjectMap&) = default;
    virtual ~TfObjectMap() = default;

    friend bool operator==(const TfObjectMap&, const TfObjectMap&) = default;

    // Parses a target of a mapping file. Fails when target has no "•" or the text after it
    // (leading spaces aside) starts with no keyword; then only objectName may have changed.
    Acad::ErrorStatus getMappingFromStrs(const Vdn_String& ssName, const Vdn_String& target);
    // The reverse of getMappingFromStrs; fails (changing nothing) for an invalid kind.
    Acad::ErrorStatus setMappingToStrs(Vdn_String& target, Vdn_String& ssName) const;
    // Maps cell's variable from the target at the position of its name in ssNames (compared
    // without regard to case); fails when the name is missing or targets is too short.
    Acad::ErrorStatus mapFromArrays(const Vdn_StringArray& ssNames, const Vdn_StringArray& targets,
                                    const TfVarCell& cell);
    // eOk when both address the same macro value: objectName and name equal without regard
    // to case, and the same kind.
    Acad::ErrorStatus isCompatible(const TfObjectMap& other) const;
    // The value type of the entry's kind; none for an invalid kind.
    std::optional<TfValueType> valueType() const;

    // Reads the value from the macro (with its record). Module values are read from every
    // module of objectName's group in order, the last module that reads it giving the value;
    // general variables (8 decimals) and base profiles from the macro. Fails when no module
    // (or the macro) gives the value; value is then left as it was. The transaction is the
    // caller's; the model needs no opening of its own.
    Acad::ErrorStatus getMacroVarValue(Vdn_DbMacro* macro, MacroData* macroData, Vdn_String& value,
                                       AcTransaction* transaction) const;
    // Writes the value into every module of objectName's group (or into the general
    // variable); succeeds when at least one took it. Base-profile kinds are read only.
    Acad::ErrorStatus setMacroVarValue(Vdn_DbMacro* macro, MacroData* macroData,
                                       const Vdn_String& value, AcTransaction* transaction) const;

    // "------ " + the heading of a category + " ------"; the empty text for other numbers.
    static Vdn_String categoryHeading(int category);
    // The heading of every category of the list, in its order.
    static Vdn_StringArray categoryHeadings(const AcArray<int>& categories);

    // The module group (or the module name of a module without group) holding the object;
    // empty for base profiles and general variables.
    Vdn_String objectName;
    // The object's own name: constraint variable, cut, pattern, profile group, general
    // variable, "Prof" + base-profile index, or for kind 15 "Prof" + index + ";" + column.
    Vdn_String name;
    // The sheet variable that the entry feeds.
    Vdn_String ssName;
    int kind = 0;
    int category = kHiddenNotSettable;
    // For kind 15 the section column's name.
    Vdn_String description;

private:
    Acad::ErrorStatus accessMacro(Vdn_DbMacro& macro, MacroData* macroData, Vdn_String& value,
                                  bool set) const;
};
