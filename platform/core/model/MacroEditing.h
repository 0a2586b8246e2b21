#pragma once

#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/model/Vdn_Constraint.h"
#include "platform/core/model/Vdn_Geometry.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

// The macro editor's callbacks into the model of the current drawing (Vdn_Drawing::current()),
// by macro object and module name. Each returns true on success; on failure the drawing does
// not change and Vdn_Drawing::lastMessage() says why. A change that touches values runs the
// model's update: derived values are computed again and the clash check runs, all or nothing.

// The names of the macro's modules, in order.
bool MacroGetModules(AcDbObjectId macro, Vdn_StringArray& names);
// Renames a module; refused for an empty name or one another module has (without regard to
// case). A tab named after the module follows it.
bool RenameModule(AcDbObjectId macro, const Vdn_String& moduleName, const Vdn_String& newName);
// Removes a module; refused when equations of other modules read its variables.
bool RemoveModule(AcDbObjectId macro, const Vdn_String& moduleName);

// Writes the editable parts of a constraint (found by edited.id): value, variable, choice, the
// two flags, the images and their selections. A constraint driven by a variable passes a changed
// value on to the variable, which is refused when the variable is derived or cannot be set.
bool UpdateConstraint(AcDbObjectId macro, const Vdn_String& moduleName,
                      const Vdn_Constraint& edited);
bool DeleteConstraint(AcDbObjectId macro, const Vdn_String& moduleName, int constraintId);
// Adds a constraint binding geometries of the module; its id becomes the next free one (set
// in constraint). Refused for a geometry or variable the module lacks.
bool AddConstraint(AcDbObjectId macro, const Vdn_String& moduleName, Vdn_Constraint& constraint);
// Puts the module's constraints in the order of the ids given, which must name each of them
// once.
bool OrderConstraints(AcDbObjectId macro, const Vdn_String& moduleName,
                      const Vdn_Array<int>& constraintIds);
// Adds an empty module of the kind "other" named after the first free "Module<n>"; its name
// goes to moduleName.
bool AddModule(AcDbObjectId macro, Vdn_String& moduleName);
// Adds a bolt pattern of two directions of two bolts, named after the first free "P<n>", to a
// bolt module; refused for other modules.
bool AddBoltPattern(AcDbObjectId macro, const Vdn_String& moduleName, Vdn_String& patternName);
// Adds a geometry (its id becomes the next free one, set in geometry).
bool AddGeometry(AcDbObjectId macro, const Vdn_String& moduleName, Vdn_Geometry& geometry);
// Highlights the constraint (and no other); UnHighlightConstraints removes it.
bool HighlightConstraint(AcDbObjectId macro, const Vdn_String& moduleName, int constraintId);
void UnHighlightConstraints();
// The highlighted constraint's id, or -1.
int highlightedConstraint(AcDbObjectId macro, const Vdn_String& moduleName);

// Whether a variable of that name exists in the module or among the general variables.
bool VarNameInUse(AcDbObjectId macro, const Vdn_String& moduleName, const Vdn_String& name,
                  bool& inUse);
// The flexibility (0 to 2) and the name tags of geometries, by geometry id.
bool UpdateGeomFlexibility(AcDbObjectId macro, const Vdn_String& moduleName, int geometryId,
                           int flexibility);
// Marks a geometry as a construction geometry or as one that is built.
bool SetConstructionGeometry(AcDbObjectId macro, const Vdn_String& moduleName, int geometryId,
                             bool construction);
bool SetNameTags(AcDbObjectId macro, const Vdn_String& moduleName,
                 const Vdn_Array<int>& geometryIds, const Vdn_StringArray& nameTags);
// Replaces the module's variables (names, values, editor kinds 0 to 7, at the same
// positions) and equations, as the editor's variables tab holds them. A variable that stays
// keeps its other properties; refused when names repeat, a new name breaks the rule of variable
// names (variableNameProblem), lists differ in length, or the equations do not check.
bool UpdateVarsEqs(AcDbObjectId macro, const Vdn_String& moduleName, const Vdn_StringArray& names,
                   const Vdn_StringArray& values, const Vdn_Array<int>& kinds,
                   const Vdn_StringArray& equations);
