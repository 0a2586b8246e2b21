#pragma once

#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"

class Vdn_Spread;

// The print settings (TfSSSettings) as a sheet that is built in code uses them: a bill or a
// table is prepared with named settings, gets its print variables, and after saving takes its
// header and footer pictures along into the folder it was saved to.

// Prepares an attached sheet for output with the print settings of that name:
//  1. the control's options 12, 25, 7 and 21 on;
//  2. 6 columns and 11 rows, every cell a text cell of at most 100 characters;
//  3. the settings file of that name, or else the one the registry names as the editor's
//     "Default Settings" (TfSSRegistrySets), or else the defaults;
//  4. those settings into the sheet's corner tag;
//  5. with a font face and a positive height in them: every cell in that font (400), the row
//     and column headers in bold (700), and the same face and height become the wrapper's
//     default font for the cells it formats later.
// False when the sheet is not attached or the settings cannot be stored in it.
bool prepareSheetWithPrintSettings(Vdn_Spread& sheet, const Vdn_String& settingsName);

// Stores the print variables (names and their values, paired by position) into the print
// settings that the sheet's corner tag holds, keeping its other settings. A variable whose
// name or value holds U+00A4 (which the settings cannot carry) is left out and its name added
// to refused (when given); the others are stored. False when the tag cannot be written.
bool storePrintVariables(Vdn_Spread& sheet, const Vdn_StringArray& names,
                         const Vdn_StringArray& values, Vdn_StringArray* refused = nullptr);

// Before (or after) the sheet is saved to savedSheetPath: the header and then the footer picture of
// its print settings, resolved with the saved sheet's folder as base, are copied into that folder
// under their own names, together with the picture of the same name with the extension "bmp".
// A copy already there is overwritten only when it is older than the source. Each picture
// that is then beside the sheet is stored in the settings by its bare name, and the settings
// are written back into the corner tag when at least one was. False when a copy or the tag
// failed; pictures that are not named or do not exist are no failure.
bool copyHeaderFooterBesideSheet(Vdn_Spread& sheet, const Vdn_String& savedSheetPath);
