#pragma once

#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/model/EditConstrData.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <cstdint>

// The macro editor's callbacks into the model of the current drawing, each with the editor's
// record as context (its macro object and current module). Each returns true on success and
// then refreshes the record's lists from the model (the constraint with the record's current
// id stays current while it exists); on failure nothing changes, the record's lists included,
// and Vdn_Drawing::lastMessage() says why. Rows are positions in the record's row lists.

// The kinds of constraint, by type (Vdn_Constraint::type); the macro commands 0 to 9 add them.
enum class ConstraintType {
    Parallel = 0,
    Perpendicular = 1,
    Coincident = 2,
    Symmetric = 3,
    Tangent = 4,
    Concentric = 5,
    EqualRadius = 6,
    Distance = 7,
    Angle = 8,
    Radius = 9,
};

// The actions of the constraint's context menu (ConstrContextMenu's action codes).
enum ConstraintMenuAction {
    kToggleOffset = 1,
    kReleaseVariable = 2,
    kDeleteConstraint = 3,
    kReverseDirection = 4,
};

// The record's lists from the model, for its macro object and current module (the first
// module when the current one is gone). False when the drawing has no such macro.
bool fillEditConstrData(EditConstrData& data);
// The name of a constraint type in the work language ("Afstand"); "?" for an unknown type.
Vdn_String constraintTypeName(int type);
// A geometry as an object of the drawing (its highlight, the record's geometry objects), and
// back; the object ids of geometries never meet those of macros.
AcDbObjectId geometryObjectId(AcDbObjectId macro, int geometryId);
int geometryIdOf(AcDbObjectId object);

bool MacroGetModules(EditConstrData* ctx, Vdn_StringArray& names);
bool SetCurrentModule(EditConstrData* ctx, const Vdn_String& moduleName);
bool RenameModule(EditConstrData* ctx, const Vdn_String& newName);
bool RemoveModule(EditConstrData* ctx, const Vdn_String& moduleName);

// Writes the row's value, variable, choice, flags and image selections into its constraint. A
// variable name the module lacks makes a new variable that drives the constraint.
bool UpdateConstraint(EditConstrData* ctx, int row);
bool DeleteConstraint(EditConstrData* ctx, int row);
// Orders the constraints by the texts of column (1 to 4), equal ones by previousColumn.
bool SortConstraints(EditConstrData* ctx, int column, int previousColumn);
bool HighlightConstraint(EditConstrData* ctx, int row);
// The context menu of a row: entry texts ("%BREAK%" for a separator), an action code per
// entry (0 for a separator) and the positions of the entries shown checked.
bool ConstrContextMenu(EditConstrData* ctx, int row, Vdn_StringArray& texts,
                       Vdn_Array<int>& actionCodes, Vdn_Array<int>& checkedItems);
bool ContextMenuAction(EditConstrData* ctx, int row, int actionCode);

bool VarNameInUse(EditConstrData* ctx, const Vdn_String& name, bool& inUse);
// The geometry's flexibility becomes newChoice - 1 (1 to 3 for fixed, flexible, free); value
// is the record's flexibility value of the geometry, its id.
bool UpdateGeomFlexibility(EditConstrData* ctx, AcDbObjectId object, std::int32_t value,
                           int newChoice);
bool UpdateConstrGeom(EditConstrData* ctx, AcDbObjectId object, bool construction);
bool SetNameTags(EditConstrData* ctx, const Vdn_Array<AcDbObjectId>& objects,
                 const Vdn_StringArray& nameTags);
// Writes the record's variables (names, values, kinds) and equations into the module. A value
// that still reads as the model's text keeps that text (a variable holding "HEA-200" stays so).
bool UpdateVarsEqs(EditConstrData* ctx);

bool HighlightObject(AcDbObjectId object);
bool UnHighlightObject(AcDbObjectId object);
