#pragma once

#include "platform/core/model/AcArray.h"
#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/settings/AcadErrorStatus.h"

#include <array>
#include <map>
#include <set>
#include <tuple>
#include <vector>

// The drawing of the core module: the macros placed in it, each an object with an id. An id
// stays with its macro: a macro saved from the drawing carries its id in the file, and
// opening the file again (in this or a fresh drawing) gives it the same id while that id is
// free. The drawing also keeps which objects are highlighted and which show a preview, and
// whether the clash check is on.
//
// The program has one current drawing (current()); tests open their own.
class Vdn_Drawing {
public:
    static Vdn_Drawing& current();

    // Opens a macro file; message says why it cannot be opened (the reader's message).
    bool openMacro(const Vdn_String& path, AcDbObjectId& id, Vdn_String& message);
    // Adds a macro; its id is macro.objectId when that is free, else the next free id.
    AcDbObjectId addMacro(Vdn_DbMacro macro);
    // Writes the macro with its id into the file; false when there is no such object or the
    // file cannot be written.
    bool saveMacro(AcDbObjectId id, const Vdn_String& path) const;

    // Closes the drawing: every object, highlight, preview and message goes.
    void clear();

    const Vdn_DbMacro* macro(AcDbObjectId id) const;
    Vdn_DbMacro* macro(AcDbObjectId id);
    // Replaces the macro of an existing object (its id stays); eKeyNotFound without one.
    Acad::ErrorStatus replaceMacro(AcDbObjectId id, Vdn_DbMacro macro);
    // All object ids in ascending order.
    AcArray<AcDbObjectId> objectIds() const;
    // Removes the object with its highlight and preview; eKeyNotFound for an unknown or null
    // id.
    Acad::ErrorStatus eraseObject(AcDbObjectId id);

    // An object is a macro or a part of one (a geometry: the macro's id in the upper 32 bits,
    // see geometryObjectId); ids of neither are not highlighted.
    void setHighlighted(AcDbObjectId id, bool on);
    bool isHighlighted(AcDbObjectId id) const { return highlighted_.contains(id); }
    void unhighlightAll() { highlighted_.clear(); }
    void setPreview(AcDbObjectId id, bool on);
    bool hasPreview(AcDbObjectId id) const { return previews_.contains(id); }
    // The preview of one cut of a module of a macro (names without regard to case).
    void setCutPreview(AcDbObjectId id, const Vdn_String& module, const Vdn_String& cut, bool on);
    bool hasCutPreview(AcDbObjectId id, const Vdn_String& module, const Vdn_String& cut) const;
    int cutPreviewCount() const { return static_cast<int>(cutPreviews_.size()); }

    void setClashChecking(bool on) { clashChecking_ = on; }
    bool clashChecking() const { return clashChecking_; }

    // The named coordinate systems of the drawing (user coordinate systems), by name without
    // regard to case. Adding a name already there changes nothing and gives false.
    struct CoordSys {
        Vdn_String name;
        std::array<double, 3> origin{};
        std::array<double, 3> normal{0, 0, 1};
    };
    bool addCoordSys(const CoordSys& coordSys);
    const std::vector<CoordSys>& coordSystems() const { return coordSystems_; }

    // The reason of the last refused update (UpdateModule and the other callbacks); empty
    // after one that succeeded.
    const Vdn_String& lastMessage() const { return lastMessage_; }
    void setLastMessage(Vdn_String message) { lastMessage_ = std::move(message); }

private:
    std::map<AcDbObjectId, Vdn_DbMacro> macros_;
    std::set<AcDbObjectId> highlighted_;
    std::set<AcDbObjectId> previews_;
    using CutKey = std::tuple<AcDbObjectId, std::wstring, std::wstring>;
    static CutKey cutKey(AcDbObjectId id, const Vdn_String& module, const Vdn_String& cut);
    std::set<CutKey> cutPreviews_;
    bool clashChecking_ = true;
    std::vector<CoordSys> coordSystems_;
    Vdn_String lastMessage_;
};
