#include "platform/core/model/EditConstrCallbacks.h"

#include "platform/core/model/MacroEditing.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/NamedItems.h"
#include "platform/core/text/NumberedTexts.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// The row editors of each constraint type (see ConstraintType).
Vdn_Array<int> editorKindsOf(int type) {
    switch (static_cast<ConstraintType>(type)) {
    case ConstraintType::Parallel:
    case ConstraintType::Perpendicular:
        return {EditConstrData::kChoiceEditor};
    case ConstraintType::Coincident:
    case ConstraintType::Symmetric:
    case ConstraintType::Tangent:
    case ConstraintType::Concentric:
        return {EditConstrData::kFlagsEditor};
    case ConstraintType::Distance:
    case ConstraintType::Angle:
    case ConstraintType::Radius:
        return {EditConstrData::kValueEditor, EditConstrData::kVariableEditor};
    default:
        return {};
    }
}

constexpr int kSameDirectionText = 20750;
constexpr int kOppositeDirectionText = 20751;
constexpr int kOffsetText = 881;
constexpr int kReleaseText = 20753;
constexpr int kDeleteText = 20754;
constexpr int kReverseText = 20755;

Vdn_StringArray choicesOf(int type) {
    if (editorKindsOf(type).contains(EditConstrData::kChoiceEditor))
        return {dialString(kSameDirectionText), dialString(kOppositeDirectionText)};
    return {};
}

bool isDimension(int type) {
    return type == static_cast<int>(ConstraintType::Distance) ||
           type == static_cast<int>(ConstraintType::Angle) ||
           type == static_cast<int>(ConstraintType::Radius);
}

Vdn_String numberText(double value) {
    return Vdn_String(value, 10, true);
}

const Vdn_Module* moduleOf(const EditConstrData& data) {
    const Vdn_DbMacro* macro = Vdn_Drawing::current().macro(data.macroObject);
    const Vdn_Module* module = nullptr;
    if (!macro || macro->openModule(data.currentModule, module) != Acad::eOk)
        return nullptr;
    return module;
}

bool validRow(const EditConstrData* ctx, int row) {
    return ctx != nullptr && row >= 0 && row < ctx->rowCount() &&
           row < ctx->constraintRows.length() && row < ctx->rowValues.length() &&
           row < ctx->rowVariableNames.length() && row < ctx->rowChoices.length() &&
           row < ctx->rowFirstFlags.length() && row < ctx->rowSecondFlags.length() &&
           row < ctx->rowImageSelections.length();
}

bool refresh(EditConstrData* ctx, bool changed) {
    if (changed)
        fillEditConstrData(*ctx);
    return changed;
}

Vdn_String geometryText(const Vdn_Module& module, const Vdn_Constraint& constraint, int index) {
    if (index >= constraint.geometries.length())
        return {};
    for (const Vdn_Geometry& geometry : module.geometries) {
        if (geometry.id != constraint.geometries[index])
            continue;
        if (!geometry.nameTag.isEmpty())
            return geometry.nameTag;
        Vdn_String text;
        for (const Vdn_String& cell : geometry.cells)
            text += (text.isEmpty() ? Vdn_String() : Vdn_String(L" ")) + cell;
        return text;
    }
    return {};
}

void fillConstraints(EditConstrData& data, const Vdn_Module& module) {
    data.constraintIds.clear();
    data.cutFlags.clear();
    data.constraintRows.clear();
    data.rowImages.clear();
    data.rowEditorKinds.clear();
    data.rowValues.clear();
    data.rowVariableNames.clear();
    data.rowChoices.clear();
    data.rowFirstFlags.clear();
    data.rowSecondFlags.clear();
    data.rowChoiceLists.clear();
    data.rowImageSelections.clear();
    data.dimensionValueNames.clear();
    data.dimensionValues.clear();
    for (const Vdn_Constraint& constraint : module.constraints) {
        Vdn_String value = constraint.value;
        const int variable = constraint.variable.isEmpty()
                                 ? -1
                                 : core::indexOfName(module.variables, constraint.variable);
        if (variable >= 0)
            value = module.variables[variable].value; // the variable drives the constraint
        const Vdn_String name =
            constraint.variable.isEmpty() ? L"#" + Vdn_String(constraint.id) : constraint.variable;
        data.constraintIds.append(constraint.id);
        data.cutFlags.append(constraint.cut ? 1 : 0);
        data.constraintRows.append({name, constraintTypeName(constraint.type),
                                    geometryText(module, constraint, 0),
                                    geometryText(module, constraint, 1)});
        data.rowImages.append(constraint.images);
        data.rowEditorKinds.append(editorKindsOf(constraint.type));
        data.rowValues.append(value);
        data.rowVariableNames.append(constraint.variable);
        data.rowChoices.append(constraint.choice);
        data.rowFirstFlags.append(constraint.firstFlag);
        data.rowSecondFlags.append(constraint.secondFlag);
        data.rowChoiceLists.append(choicesOf(constraint.type));
        data.rowImageSelections.append(constraint.imageSelections);
        if (isDimension(constraint.type)) {
            data.dimensionValueNames.append(name);
            data.dimensionValues.append(value);
        }
    }
}

void fillGeometries(EditConstrData& data, const Vdn_Module& module) {
    data.geometryRows.clear();
    data.geometryNameTags.clear();
    data.geometryFlexibility.clear();
    data.geometryFlags.clear();
    data.geometryObjects.clear();
    data.geometryFlexibilityValues.clear();
    for (const Vdn_Geometry& geometry : module.geometries) {
        Vdn_StringArray cells;
        for (int i = 0; i < geometry.cells.length() && i < 2; ++i)
            cells.append(geometry.cells[i]);
        data.geometryRows.append(cells);
        data.geometryNameTags.append(geometry.nameTag);
        data.geometryFlexibility.append(geometry.flexibility);
        data.geometryFlags.append(geometry.construction ? 1 : 0);
        data.geometryObjects.append(geometryObjectId(data.macroObject, geometry.id));
        data.geometryFlexibilityValues.append(geometry.id);
    }
}

void fillVariables(EditConstrData& data, const Vdn_Module& module) {
    data.variableNames.clear();
    data.variableValues.clear();
    data.variableKinds.clear();
    for (const Vdn_ConstraintVariable& variable : module.variables) {
        data.variableNames.append(variable.name);
        bool ok = false;
        const double value = variable.value.trim().toDouble(&ok);
        data.variableValues.append(ok ? value : 0.0);
        data.variableKinds.append(static_cast<std::int16_t>(variable.kind));
    }
    data.equations = module.equations;
}

// The record's constraint at row, as the model's UpdateConstraint takes it.
bool editedConstraint(const EditConstrData& data, int row, Vdn_Constraint& edited) {
    const Vdn_Module* module = moduleOf(data);
    if (!module)
        return false;
    for (const Vdn_Constraint& constraint : module->constraints) {
        if (constraint.id != data.constraintIds[row])
            continue;
        edited = constraint;
        edited.value = data.rowValues[row];
        edited.variable = data.rowVariableNames[row];
        edited.choice = data.rowChoices[row];
        edited.firstFlag = data.rowFirstFlags[row];
        edited.secondFlag = data.rowSecondFlags[row];
        edited.imageSelections = data.rowImageSelections[row];
        return true;
    }
    return false;
}

// Makes the variable that a constraint names when the module lacks it, with the row's value.
bool ensureVariable(const EditConstrData& data, const Vdn_Constraint& edited) {
    const Vdn_Module* module = moduleOf(data);
    if (!module || edited.variable.isEmpty() ||
        core::indexOfName(module->variables, edited.variable) >= 0)
        return true;
    Vdn_StringArray names;
    Vdn_StringArray values;
    Vdn_Array<int> kinds;
    for (const Vdn_ConstraintVariable& variable : module->variables) {
        names.append(variable.name);
        values.append(variable.value);
        kinds.append(variable.kind);
    }
    names.append(edited.variable);
    values.append(edited.value);
    kinds.append(0);
    return UpdateVarsEqs(data.macroObject, data.currentModule, names, values, kinds,
                         module->equations);
}

} // namespace

Vdn_String constraintTypeName(int type) {
    if (type < 0 || type > 9)
        return L"?";
    return dialString(903 + type);
}

AcDbObjectId geometryObjectId(AcDbObjectId macro, int geometryId) {
    return AcDbObjectId((macro.value() << 32) | static_cast<std::uint32_t>(geometryId));
}

int geometryIdOf(AcDbObjectId object) {
    return static_cast<int>(static_cast<std::uint32_t>(object.value() & 0xFFFFFFFFu));
}

bool fillEditConstrData(EditConstrData& data) {
    const Vdn_DbMacro* macro = Vdn_Drawing::current().macro(data.macroObject);
    if (!macro)
        return false;
    data.moduleNames = macro->getModuleNames();
    const Vdn_Module* module = nullptr;
    if (macro->openModule(data.currentModule, module) != Acad::eOk) {
        if (macro->modules.isEmpty())
            return false;
        module = &macro->modules.first();
    }
    data.currentModule = module->name;
    fillConstraints(data, *module);
    fillGeometries(data, *module);
    fillVariables(data, *module);
    if (data.rowOf(data.currentConstraint) < 0)
        data.currentConstraint = data.constraintIds.isEmpty() ? -1 : data.constraintIds.first();
    return true;
}

bool MacroGetModules(EditConstrData* ctx, Vdn_StringArray& names) {
    return ctx != nullptr && MacroGetModules(ctx->macroObject, names);
}

bool SetCurrentModule(EditConstrData* ctx, const Vdn_String& moduleName) {
    if (ctx == nullptr)
        return false;
    EditConstrData changed = *ctx;
    changed.currentModule = moduleName;
    if (!moduleOf(changed)) {
        Vdn_Drawing::current().setLastMessage(L"the macro has no module " + moduleName);
        return false;
    }
    if (!fillEditConstrData(changed))
        return false;
    *ctx = changed;
    return true;
}

bool RenameModule(EditConstrData* ctx, const Vdn_String& newName) {
    if (ctx == nullptr || !RenameModule(ctx->macroObject, ctx->currentModule, newName))
        return false;
    ctx->currentModule = newName;
    return refresh(ctx, true);
}

bool RemoveModule(EditConstrData* ctx, const Vdn_String& moduleName) {
    return ctx != nullptr && refresh(ctx, RemoveModule(ctx->macroObject, moduleName));
}

bool UpdateConstraint(EditConstrData* ctx, int row) {
    Vdn_Constraint edited;
    if (!validRow(ctx, row) || !editedConstraint(*ctx, row, edited))
        return false;
    // A new variable and the constraint change together or not at all.
    const Vdn_DbMacro* macro = Vdn_Drawing::current().macro(ctx->macroObject);
    const Vdn_DbMacro before = *macro;
    if (!ensureVariable(*ctx, edited))
        return false;
    if (!UpdateConstraint(ctx->macroObject, ctx->currentModule, edited)) {
        const Vdn_String message = Vdn_Drawing::current().lastMessage();
        Vdn_Drawing::current().replaceMacro(ctx->macroObject, before);
        Vdn_Drawing::current().setLastMessage(message);
        return false;
    }
    return refresh(ctx, true);
}

bool DeleteConstraint(EditConstrData* ctx, int row) {
    return validRow(ctx, row) && refresh(ctx, DeleteConstraint(ctx->macroObject, ctx->currentModule,
                                                               ctx->constraintIds[row]));
}

bool SortConstraints(EditConstrData* ctx, int column, int previousColumn) {
    if (ctx == nullptr || column < 1 || column > 4)
        return false;
    std::vector<int> order(static_cast<std::size_t>(ctx->rowCount()));
    std::iota(order.begin(), order.end(), 0);
    const auto cell = [ctx](int row, int col) {
        const Vdn_StringArray& cells = ctx->constraintRows[row];
        return col >= 1 && col <= cells.length() ? cells[col - 1].toUpper() : Vdn_String();
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Vdn_String first = cell(a, column);
        const Vdn_String second = cell(b, column);
        if (first != second)
            return first < second;
        return cell(a, previousColumn) < cell(b, previousColumn);
    });
    Vdn_Array<int> ids;
    for (const int row : order)
        ids.append(ctx->constraintIds[row]);
    return refresh(ctx, OrderConstraints(ctx->macroObject, ctx->currentModule, ids));
}

bool HighlightConstraint(EditConstrData* ctx, int row) {
    return validRow(ctx, row) &&
           HighlightConstraint(ctx->macroObject, ctx->currentModule, ctx->constraintIds[row]);
}

bool ConstrContextMenu(EditConstrData* ctx, int row, Vdn_StringArray& texts,
                       Vdn_Array<int>& actionCodes, Vdn_Array<int>& checkedItems) {
    if (!validRow(ctx, row))
        return false;
    texts.clear();
    actionCodes.clear();
    checkedItems.clear();
    const auto add = [&](const Vdn_String& text, int code) {
        texts.append(text);
        actionCodes.append(code);
    };
    if (ctx->rowHasEditor(row, EditConstrData::kFlagsEditor)) {
        if (ctx->rowFirstFlags[row])
            checkedItems.append(texts.length());
        add(dialString(kOffsetText), kToggleOffset);
    }
    if (ctx->rowHasEditor(row, EditConstrData::kChoiceEditor))
        add(dialString(kReverseText), kReverseDirection);
    if (!ctx->rowVariableNames[row].isEmpty())
        add(dialString(kReleaseText), kReleaseVariable);
    if (!texts.isEmpty())
        add(L"%BREAK%", 0);
    add(dialString(kDeleteText), kDeleteConstraint);
    return true;
}

bool ContextMenuAction(EditConstrData* ctx, int row, int actionCode) {
    if (!validRow(ctx, row))
        return false;
    EditConstrData changed = *ctx;
    switch (actionCode) {
    case kToggleOffset:
        changed.rowFirstFlags[row] = !changed.rowFirstFlags[row];
        if (!changed.rowFirstFlags[row])
            changed.rowSecondFlags[row] = false; // the mirror needs an offset
        break;
    case kReverseDirection:
        changed.rowChoices[row] = changed.rowChoices[row] == 1 ? 0 : 1;
        break;
    case kReleaseVariable:
        changed.rowVariableNames[row] = Vdn_String();
        break;
    case kDeleteConstraint:
        return DeleteConstraint(ctx, row);
    default:
        Vdn_Drawing::current().setLastMessage(L"no menu action " + Vdn_String(actionCode));
        return false;
    }
    if (!UpdateConstraint(&changed, row))
        return false;
    *ctx = changed;
    return true;
}

bool VarNameInUse(EditConstrData* ctx, const Vdn_String& name, bool& inUse) {
    return ctx != nullptr && VarNameInUse(ctx->macroObject, ctx->currentModule, name, inUse);
}

bool UpdateGeomFlexibility(EditConstrData* ctx, AcDbObjectId object, std::int32_t value,
                           int newChoice) {
    if (ctx == nullptr || geometryIdOf(object) != value)
        return false;
    return refresh(
        ctx, UpdateGeomFlexibility(ctx->macroObject, ctx->currentModule, value, newChoice - 1));
}

bool UpdateConstrGeom(EditConstrData* ctx, AcDbObjectId object, bool construction) {
    return ctx != nullptr &&
           refresh(ctx, SetConstructionGeometry(ctx->macroObject, ctx->currentModule,
                                                geometryIdOf(object), construction));
}

bool SetNameTags(EditConstrData* ctx, const Vdn_Array<AcDbObjectId>& objects,
                 const Vdn_StringArray& nameTags) {
    if (ctx == nullptr)
        return false;
    Vdn_Array<int> ids;
    for (const AcDbObjectId& object : objects)
        ids.append(geometryIdOf(object));
    return refresh(ctx, SetNameTags(ctx->macroObject, ctx->currentModule, ids, nameTags));
}

bool UpdateVarsEqs(EditConstrData* ctx) {
    const Vdn_Module* module = ctx != nullptr ? moduleOf(*ctx) : nullptr;
    if (!module || ctx->variableValues.length() != ctx->variableNames.length() ||
        ctx->variableKinds.length() != ctx->variableNames.length()) {
        Vdn_Drawing::current().setLastMessage(
            L"names, values and kinds of the variables must line up");
        return false;
    }
    Vdn_StringArray values;
    Vdn_Array<int> kinds;
    for (int i = 0; i < ctx->variableNames.length(); ++i) {
        Vdn_String value = numberText(ctx->variableValues[i]);
        const int kept = core::indexOfName(module->variables, ctx->variableNames[i]);
        if (kept >= 0) {
            bool ok = false;
            const double modelValue = module->variables[kept].value.trim().toDouble(&ok);
            if ((ok ? modelValue : 0.0) == ctx->variableValues[i])
                value = module->variables[kept].value;
        }
        values.append(value);
        kinds.append(ctx->variableKinds[i]);
    }
    return refresh(ctx, UpdateVarsEqs(ctx->macroObject, ctx->currentModule, ctx->variableNames,
                                      values, kinds, ctx->equations));
}

bool HighlightObject(AcDbObjectId object) {
    if (object.isNull())
        return false;
    Vdn_Drawing::current().setHighlighted(object, true);
    return true;
}

bool UnHighlightObject(AcDbObjectId object) {
    if (object.isNull() || !Vdn_Drawing::current().isHighlighted(object))
        return false;
    Vdn_Drawing::current().setHighlighted(object, false);
    return true;
}
