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
    if (id.isNull() || mMacros.contains(id))
        id = AcDbObjectId(mMacros.empty() ? 1 : mMacros.rbegin()->first.value() + 1);
    // Past the largest id a file may carry there is no next one: search from the bottom.
    for (AcDbObjectId::Value candidate = 1; id.isNull() || mMacros.contains(id); ++candidate)
        id = AcDbObjectId(candidate);
    macro.objectId = id.value();
    mMacros.emplace(id, std::move(macro));
    return id;
}

bool Vdn_Drawing::saveMacro(AcDbObjectId id, const Vdn_String& path) const {
    const Vdn_DbMacro* found = macro(id);
    return found && found->writeToFile(path);
}

void Vdn_Drawing::clear() {
    mMacros.clear();
    mHighlighted.clear();
    mPreviews.clear();
    mLastMessage = Vdn_String();
}

const Vdn_DbMacro* Vdn_Drawing::macro(AcDbObjectId id) const {
    const auto found = mMacros.find(id);
    return found == mMacros.end() ? nullptr : &found->second;
}

Vdn_DbMacro* Vdn_Drawing::macro(AcDbObjectId id) {
    const auto found = mMacros.find(id);
    return found == mMacros.end() ? nullptr : &found->second;
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
    for (const auto& [id, macro] : mMacros)
        ids.append(id);
    return ids;
}

Acad::ErrorStatus Vdn_Drawing::eraseObject(AcDbObjectId id) {
    if (mMacros.erase(id) == 0)
        return Acad::eKeyNotFound;
    mHighlighted.erase(id);
    mPreviews.erase(id);
    return Acad::eOk;
}

void Vdn_Drawing::setHighlighted(AcDbObjectId id, bool on) {
    if (!on)
        mHighlighted.erase(id);
    else if (mMacros.contains(id))
        mHighlighted.insert(id);
}

void Vdn_Drawing::setPreview(AcDbObjectId id, bool on) {
    if (!on)
        mPreviews.erase(id);
    else if (mMacros.contains(id))
        mPreviews.insert(id);
}
