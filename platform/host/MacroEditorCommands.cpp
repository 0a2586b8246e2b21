#include "platform/host/MacroEditorCommands.h"

#include "platform/core/model/EditConstrCallbacks.h"
#include "platform/core/model/MacroEditing.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/host/DrawingPicks.h"
#include "platform/host/Editor.h"
#include "platform/ui/users/User.h"

namespace {

constexpr int kAddModule = 11;
constexpr int kBoltPattern = 12;
constexpr int kCoordinateSystem = 13;
// Geometry kind of a coordinate system.
constexpr int kCoordinateSystemKind = 3;

// One geometry of the record's module, picked among its geometries; false when cancelled.
bool pickGeometry(const EditConstrData& data, const Vdn_String& prompt, int& geometryId) {
    ui::PickRecord record;
    record.kind = ui::PickRecord::Kind::Object;
    record.prompt = prompt.str();
    for (int i = 0; i < data.geometryObjects.length(); ++i) {
        record.candidateIds.push_back(data.geometryObjects[i].value());
        Vdn_String name = i < data.geometryNameTags.length() ? data.geometryNameTags[i] : L"";
        if (name.isEmpty() && i < data.geometryRows.length()) {
            for (const Vdn_String& cell : data.geometryRows[i])
                name += (name.isEmpty() ? Vdn_String() : Vdn_String(L" ")) + cell;
        }
        record.candidateNames.push_back(name.str());
    }
    if (record.candidateIds.empty() || !ui::User::current().pick(record) || !record.accepted ||
        record.chosenIds.size() != 1)
        return false;
    const AcDbObjectId chosen(record.chosenIds.front());
    if (data.geometryObjects.find(chosen) < 0)
        return false;
    geometryId = geometryIdOf(chosen);
    return true;
}

bool addConstraint(EditConstrData& data, int type) {
    const int needed = type == static_cast<int>(ConstraintType::Radius) ? 1 : 2;
    Vdn_Constraint constraint;
    constraint.type = type;
    for (int i = 0; i < needed; ++i) {
        int geometry = 0;
        const Vdn_String prompt =
            i == 0 ? L"Select the first geometry" : L"Select the second geometry";
        if (!pickGeometry(data, prompt, geometry))
            return false;
        constraint.geometries.append(geometry);
    }
    if (type == static_cast<int>(ConstraintType::Parallel) ||
        type == static_cast<int>(ConstraintType::Perpendicular))
        constraint.choice = 0;
    if (!AddConstraint(data.macroObject, data.currentModule, constraint))
        return false;
    data.currentConstraint = constraint.id;
    return fillEditConstrData(data);
}

bool addCoordinateSystem(EditConstrData& data) {
    host::Point3d origin{};
    host::Point3d normal{};
    if (!host::pickPlane(L"Select the plane of the coordinate system", origin, normal))
        return false;
    const auto number = [](double value) { return Vdn_String(value, 6, true); };
    Vdn_Geometry geometry;
    geometry.kind = kCoordinateSystemKind;
    geometry.cells = {L"UCS",
                      number(origin[0]) + L"," + number(origin[1]) + L"," + number(origin[2])};
    if (!AddGeometry(data.macroObject, data.currentModule, geometry))
        return false;
    return fillEditConstrData(data);
}

} // namespace

bool SelectOtherMacro(EditConstrData* ctx) {
    AcDbObjectId picked;
    if (ctx == nullptr || !host::pickObject(L"Select a macro", picked) ||
        picked == ctx->macroObject)
        return false;
    EditConstrData changed = *ctx;
    changed.macroObject = picked;
    changed.currentModule = Vdn_String();
    changed.currentConstraint = -1;
    if (!fillEditConstrData(changed))
        return false;
    *ctx = changed;
    return true;
}

bool StartMacroCommand(EditConstrData* ctx, int code) {
    if (ctx == nullptr)
        return false;
    if (code >= 0 && code <= static_cast<int>(ConstraintType::Radius))
        return addConstraint(*ctx, code);
    if (code == kAddModule) {
        Vdn_String name;
        if (!AddModule(ctx->macroObject, name))
            return false;
        ctx->currentModule = name;
        return fillEditConstrData(*ctx);
    }
    if (code == kBoltPattern) {
        Vdn_String pattern;
        return AddBoltPattern(ctx->macroObject, ctx->currentModule, pattern) &&
               fillEditConstrData(*ctx);
    }
    if (code == kCoordinateSystem)
        return addCoordinateSystem(*ctx);
    return false;
}

bool ZoomCommand() {
    host::Point3d first{};
    host::Point3d second{};
    if (!host::pickPoint(L"First corner", first) || !host::pickPoint(L"Opposite corner", second))
        return false;
    host::Editor::instance().setZoomWindow({first, second});
    return true;
}
