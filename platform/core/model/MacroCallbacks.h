#pragma once

#include "platform/core/model/AcArray.h"
#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/model/MacroData.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

// The callbacks of the macro dialogs into the model of the current drawing
// (Vdn_Drawing::current()). Each returns true on success; on failure nothing in the drawing
// changes and Vdn_Drawing::lastMessage() says why.

// The update cycle of one tab: writes the tab's record (the tab named tabName, or the tab of
// the module named tabName) into every macro the record stands for, recalculates every derived
// value in dependency order, runs the clash check (every value within its minimum and maximum)
// and refills the record with the values the model now holds (control ids and marks stay).
// False, with nothing changed, when a macro is missing, the record names what the macro lacks,
// writes a derived or unsettable value, or gives values the equations or the clash check
// refuse. The lists of changes come from MacroTabData::differences: bolt data, placements and
// flex/fix states are always written, cell values, cuts, arrays and the tab's block and view
// only when the first list names them (or is empty); see core::writeMacroRecord.
bool UpdateModule(const Vdn_String& tabName, MacroData& data, const Vdn_Array<int>& changes,
                  const Vdn_Array<int>& changedCells);
// The update cycle for every tab of the record at once.
bool setAllToMacro(MacroData& data, const Vdn_Array<int>& changes,
                   const Vdn_Array<int>& changedCells);
// After a change of the macro dialog's filter choices: the record is read again from the
// macros it stands for, keeping the choices (an index whose list changed starts over at 0) and
// the current tab. False, with the record unchanged, when a macro is gone.
bool UpdateAllFilterModified(MacroData& data, bool firstFilter);
// A tab that swaps a block reference takes the block of the drawing file blockFile (a path to
// a ".dwg"): the record's block name becomes the file's name, which the next update writes
// into the macros. False, with the record unchanged, for a tab without block reference or a
// file that does not exist.
bool swapBlockRefs(MacroData& data, const Vdn_String& tabName, const Vdn_String& blockFile);
// Erases the object from the drawing; false for an unknown or null id.
bool EraseObject(AcDbObjectId id);

// The settings of the macro of a drawing object; false when there is no such object. Writing
// keeps the mapping-changed mark out of the model.
bool GetMacroSettings(AcDbObjectId macroObject, MacroSettingsData& settings);
bool SetMacroSettings(AcDbObjectId macroObject, const MacroSettingsData& settings);

// The clash check of the macros: every numeric value of a constraint variable lies within its
// minimum and maximum. clashcheck gives true when nothing clashes; the clashes found are kept
// per dialog slot (clashMessages) until the next check or clashResetInfo. With checking off
// (clashSetStatus(false)) nothing is checked and the check passes.
bool clashcheck(int slot, const AcArray<AcDbObjectId>& ids);
void clashInitDlgStarted(int slot);
void clashResetInfo(int slot, const AcArray<AcDbObjectId>& ids);
void clashDlgClosed(int slot);
void clashSetStatus(bool on);
bool clashGetStatus();
Vdn_StringArray clashMessages(int slot);
// The clashes of one macro as texts ("Plate1.H = 1200 is above its maximum 1000").
Vdn_StringArray clashesOf(const Vdn_DbMacro& macro);
// Derives the values of a changed copy of a macro and, with checking on, runs its clash check;
// false, with the reason as the drawing's last message, when either fails. The copy is checked
// before it replaces the macro, so a refused change leaves the drawing as it was.
bool recalculateAndCheck(Vdn_DbMacro& copy);

// The record of the macros with the given ids: built from the first macro (the record of
// several macros is the first one's, applied to all of them). False for an empty list or an
// id the drawing does not hold.
bool getMacroDataOf(const AcArray<AcDbObjectId>& ids, MacroData& data);
