#pragma once

#include "platform/core/model/Vdn_BoltData.h"
#include "platform/core/model/Vdn_BoltPattern.h"
#include "platform/core/model/Vdn_Constraint.h"
#include "platform/core/model/Vdn_ConstraintVariable.h"
#include "platform/core/model/Vdn_CutConstraint.h"
#include "platform/core/model/Vdn_DynArray.h"
#include "platform/core/model/Vdn_Geometry.h"
#include "platform/core/model/Vdn_ProfilePlacement.h"
#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <vector>

// One module of a macro: a plate, a profile, a bolt group or anything else the macro places,
// with its constraint variables, cuts and profile placements; a bolt module also has bolt data
// and bolt patterns. A value type; names are looked up without regard to case.
//
// The get/set operations read (set false) or write (set true) one value and report:
// eKeyNotFound when no object has the name, eNotApplicable when the operation does not apply
// to this module or object, eOutOfRange for an index or number outside its range. Nothing
// changes on failure.
class Vdn_Module {
public:
    enum class Kind { Other, Bolt, Profile, Plate };
    static constexpr int kBoltTypeCode = 232;

    Vdn_String name;
    Vdn_String group;
    Kind kind = Kind::Other;
    Vdn_Array<Vdn_ConstraintVariable> variables;
    Vdn_Array<Vdn_CutConstraint> cuts;
    Vdn_Array<Vdn_ProfilePlacement> profiles;
    Vdn_BoltData boltData;               // used by bolt modules only
    Vdn_Array<Vdn_BoltPattern> patterns; // used by bolt modules only
    Vdn_Array<Vdn_Geometry> geometries;
    Vdn_Array<Vdn_Constraint> constraints;
    Vdn_Array<Vdn_DynArray> arrays;
    // "NAME = formula": each derives one variable of the module from others (see
    // core::MacroRecalculation).
    Vdn_StringArray equations;
    core::JsonExtras extras;

    bool isBoltModule() const { return kind == Kind::Bolt; }
    // kBoltTypeCode for a bolt module; 0 for the other kinds, which carry no code here.
    int typeCode() const { return isBoltModule() ? kBoltTypeCode : 0; }
    // The module's tab in the macro record: its group, or its own name when it has no group.
    const Vdn_String& tabName() const { return group.isEmpty() ? name : group; }

    // Names of all constraint variables in order, with whether each is shown in the macro
    // dialog and whether it may be set. Always eOk.
    Acad::ErrorStatus getDialogVariables(Vdn_StringArray& names, std::vector<bool>& shown,
                                         std::vector<bool>& settable) const;
    // The value of a constraint variable as text. Writing a variable that is not settable
    // gives eNotApplicable.
    Acad::ErrorStatus getSetConstrVarValue(const Vdn_String& variable, Vdn_String& value, bool set);

    // Names of all cuts in order. Always eOk.
    Acad::ErrorStatus getCutConstraints(Vdn_StringArray& names) const;
    Acad::ErrorStatus getCutConstraint(const Vdn_String& cutName, Vdn_CutConstraint*& cut);
    Acad::ErrorStatus getCutConstraint(const Vdn_String& cutName,
                                       const Vdn_CutConstraint*& cut) const;

    // Bolt patterns (eNotApplicable on a module that is not a bolt module). A pattern's id is
    // its position in the module, from 0.
    Acad::ErrorStatus getPatternIds(Vdn_Array<int>& ids) const;
    Acad::ErrorStatus getPattern(int id, Vdn_BoltPattern*& pattern);
    Acad::ErrorStatus getPattern(int id, const Vdn_BoltPattern*& pattern) const;
    Acad::ErrorStatus findPattern(const Vdn_String& patternName, Vdn_BoltPattern*& pattern);
    Acad::ErrorStatus findPattern(const Vdn_String& patternName,
                                  const Vdn_BoltPattern*& pattern) const;
    // The number of bolts of direction 1 or 2 of the named pattern (see
    // Vdn_BoltPattern::getSetNrBolts).
    Acad::ErrorStatus getSetNrBolts(const Vdn_String& patternName, int direction, Vdn_String& value,
                                    bool set);

    // The first profile placement with the given name.
    Acad::ErrorStatus getNamedPrpl(const Vdn_String& placementName,
                                   Vdn_ProfilePlacement*& placement);
    Acad::ErrorStatus getNamedPrpl(const Vdn_String& placementName,
                                   const Vdn_ProfilePlacement*& placement) const;

    friend bool operator==(const Vdn_Module&, const Vdn_Module&) = default;
};
