#include "platform/core/model/Vdn_Drawing.h"

#include "platform/core/model/MacroReadResult.h"

Vdn_Drawing& Vdn_Drawing::current() {
    static Vdn_Drawing drawing;
    return drawing;
}

bool Vdn_Drawing::openMacro(const Vdn_String& path, AcDbObjectId& id, Vdn_String& message) {
    core::MacroReadResult result = Vdn_DbMacro::readFromFile(path);
    if (!result) {
        message = result.message();
        return false;
    }
    id = addMacro(std::move(result.macro()));
    return true;
}

AcDbObjectId Vdn_Drawing::addMacro(Vdn_DbMacro macro) {
    AcDbObjectId id(macro.objectId);
    if (id.isNull() || macros_.contains(id))
        id = AcDbObjectId(macros_.empty() ? 1 : macros_.rbegin()->first.value() + 1);
    // Past the largest id a file may carry there is no next one: search from the bottom.
    for (AcDbObjectId::Value candidate = 1; id.isNull() || macros_.contains(id); ++candidate)
        id = AcDbObjectId(candidate);
    macro.objectId = id.value();
    macros_.emplace(id, std::move(macro));
    return id;
}

bool Vdn_Drawing::saveMacro(AcDbObjectId id, const Vdn_String& path) const {
    const Vdn_DbMacro* found = macro(id);
    return found && found->writeToFile(path);
}

void Vdn_Drawing::clear() {
    macros_.clear();
    highlighted_.clear();
    previews_.clear();
    cutPreviews_.clear();
    coordSystems_.clear();
    lastMessage_ = Vdn_String();
}

bool Vdn_Drawing::addCoordSys(const CoordSys& coordSys) {
    if (coordSys.name.trim().isEmpty())
        return false;
    for (const CoordSys& known : coordSystems_) {
        if (known.name.equal(coordSys.name, false))
            return false;
    }
    coordSystems_.push_back(coordSys);
    return true;
}

const Vdn_DbMacro* Vdn_Drawing::macro(AcDbObjectId id) const {
    const auto found = macros_.find(id);
    return found == macros_.end() ? nullptr : &found->second;
}

Vdn_DbMacro* Vdn_Drawing::macro(AcDbObjectId id) {
    const auto found = macros_.find(id);
    return found == macros_.end() ? nullptr : &found->second;
}

Acad::ErrorStatus Vdn_Drawing::replaceMacro(AcDbObjectId id, Vdn_DbMacro macro) {
    Vdn_DbMacro* found = this->macro(id);
    if (!found)
        return Acad::eKeyNotFound;
    macro.objectId = id.value();
    *found = std::move(macro);
    return Acad::eOk;
}

AcArray<AcDbObjectId> Vdn_Drawing::objectIds() const {
    AcArray<AcDbObjectId> ids;
    for (const auto& [id, macro] : macros_)
        ids.append(id);
    return ids;
}

Acad::ErrorStatus Vdn_Drawing::eraseObject(AcDbObjectId id) {
    if (macros_.erase(id) == 0)
        return Acad::eKeyNotFound;
    highlighted_.erase(id);
    previews_.erase(id);
    std::erase_if(cutPreviews_, [id](const CutKey& key) { return std::get<0>(key) == id; });
    return Acad::eOk;
}

void Vdn_Drawing::setHighlighted(AcDbObjectId id, bool on) {
    if (!on)
        highlighted_.erase(id);
    else if (macros_.contains(id) || macros_.contains(AcDbObjectId(id.value() >> 32)))
        highlighted_.insert(id);
}

void Vdn_Drawing::setPreview(AcDbObjectId id, bool on) {
    if (!on)
        previews_.erase(id);
    else if (macros_.contains(id))
        previews_.insert(id);
}

Vdn_Drawing::CutKey Vdn_Drawing::cutKey(AcDbObjectId id, const Vdn_String& module,
                                        const Vdn_String& cut) {
    return {id, module.toLower().str(), cut.toLower().str()};
}

void Vdn_Drawing::setCutPreview(AcDbObjectId id, const Vdn_String& module, const Vdn_String& cut,
                                bool on) {
    if (on)
        cutPreviews_.insert(cutKey(id, module, cut));
    else
        cutPreviews_.erase(cutKey(id, module, cut));
}

bool Vdn_Drawing::hasCutPreview(AcDbObjectId id, const Vdn_String& module,
                                const Vdn_String& cut) const {
    return cutPreviews_.contains(cutKey(id, module, cut));
}
