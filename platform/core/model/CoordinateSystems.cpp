#include "platform/core/model/CoordinateSystems.h"

#include "platform/core/model/Vdn_Drawing.h"

#include <algorithm>

namespace {

void addOnce(Vdn_StringArray& names, const Vdn_String& name) {
    if (name.trim().isEmpty() || name == MacroProfData::kUndeterminedPlane)
        return;
    for (const Vdn_String& known : names) {
        if (known.equal(name, false))
            return;
    }
    names.append(name);
}

} // namespace

Vdn_StringArray getAllCoordSys() {
    const Vdn_Drawing& drawing = Vdn_Drawing::current();
    Vdn_StringArray names;
    for (const Vdn_Drawing::CoordSys& coordSys : drawing.coordSystems())
        addOnce(names, coordSys.name);
    const AcArray<AcDbObjectId> ids = drawing.objectIds();
    for (int i = 0; i < ids.length(); ++i) {
        for (const Vdn_Module& module : drawing.macro(ids[i])->modules) {
            for (const Vdn_ProfilePlacement& placement : module.profiles)
                addOnce(names, placement.coordinateSystem);
        }
    }
    std::vector<Vdn_String> sorted(names.begin(), names.end());
    std::sort(sorted.begin(), sorted.end(), [](const Vdn_String& a, const Vdn_String& b) {
        return a.toLower().str() < b.toLower().str();
    });
    Vdn_StringArray result;
    for (const Vdn_String& name : sorted)
        result.append(name);
    return result;
}

bool createCoordSys(const MacroProfData& data) {
    if (data.coordinateSystem.trim().isEmpty() ||
        data.coordinateSystem == MacroProfData::kUndeterminedPlane)
        return false;
    return Vdn_Drawing::current().addCoordSys({data.coordinateSystem.trim(), {}, {0, 0, 1}});
}
