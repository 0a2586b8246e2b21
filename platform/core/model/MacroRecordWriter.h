#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/Vdn_Array.h"

class MacroData;
class Vdn_DbMacro;

namespace core {

// Writes a macro record into the macro, as Vdn_DbMacro::setMacroData does (bolt data,
// placements, flex/fix states), and also the parts the change codes of
// MacroTabData::differences name: cell values (kCellsChanged), cut states (kCutsChanged),
// arrays (kArraysChanged) and the tab's block and view (kBlockReferenceChanged). An empty list
// writes every part. Parts not named are left alone, so a record taken before other changes
// of the model (a standards evaluation writing variables) does not undo them. Failures as
// setMacroData; nothing changes on failure.
Acad::ErrorStatus writeMacroRecord(Vdn_DbMacro& macro, const MacroData& data,
                                   const Vdn_Array<int>& changes);

} // namespace core
