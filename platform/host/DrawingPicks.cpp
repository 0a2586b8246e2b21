#include "platform/host/DrawingPicks.h"

#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/ui/users/User.h"

namespace {

ui::PickRecord pickRecord(ui::PickRecord::Kind kind, const Vdn_String& prompt) {
    ui::PickRecord record;
    record.kind = kind;
    record.prompt = prompt.str();
    return record;
}

// Offers every object of the current drawing.
void offerObjects(ui::PickRecord& record) {
    const Vdn_Drawing& drawing = Vdn_Drawing::current();
    const AcArray<AcDbObjectId> ids = drawing.objectIds();
    for (int i = 0; i < ids.length(); ++i) {
        record.candidateIds.push_back(ids[i].value());
        record.candidateNames.push_back(drawing.macro(ids[i])->name.str());
    }
}

bool pickAt(ui::PickRecord::Kind kind, const Vdn_String& prompt, host::Point3d& point,
            host::Point3d* normal) {
    ui::PickRecord record = pickRecord(kind, prompt);
    if (!ui::User::current().pick(record) || !record.accepted)
        return false;
    point = record.point;
    if (normal)
        *normal = record.normal;
    return true;
}

} // namespace

namespace host {

bool pickPoint(const Vdn_String& prompt, Point3d& point) {
    return pickAt(ui::PickRecord::Kind::Point, prompt, point, nullptr);
}

bool pickPlane(const Vdn_String& prompt, Point3d& origin, Point3d& normal) {
    return pickAt(ui::PickRecord::Kind::Plane, prompt, origin, &normal);
}

bool pickSectionPoint(const Vdn_String& prompt, Point3d& point) {
    return pickAt(ui::PickRecord::Kind::SectionPoint, prompt, point, nullptr);
}

bool pickObject(const Vdn_String& prompt, AcDbObjectId& id) {
    ui::PickRecord record = pickRecord(ui::PickRecord::Kind::Object, prompt);
    offerObjects(record);
    if (!ui::User::current().pick(record) || !record.accepted || record.chosenIds.size() != 1 ||
        !Vdn_Drawing::current().macro(AcDbObjectId(record.chosenIds.front())))
        return false;
    id = AcDbObjectId(record.chosenIds.front());
    return true;
}

} // namespace host

bool SelectOtherMacros(MacroData& data) {
    ui::PickRecord record = pickRecord(ui::PickRecord::Kind::Macros, L"Select macros");
    record.multiple = true;
    offerObjects(record);
    if (!ui::User::current().pick(record) || !record.accepted || record.chosenIds.empty())
        return false;
    AcArray<AcDbObjectId> ids;
    for (const std::uint64_t id : record.chosenIds)
        ids.append(AcDbObjectId(id));
    if (ids == data.objectIds)
        return false;
    MacroData rebuilt = data;
    if (!getMacroDataOf(ids, rebuilt))
        return false;
    data = rebuilt;
    return true;
}
