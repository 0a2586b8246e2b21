#pragma once
// The module's entries that run the Formulas dialog (CFormula) for the core module.

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"

// The file EvaluateSS opens.
inline constexpr const wchar_t* kEvaluateSSFile = L"c:\\a\\t3.sss";

// Reads every text of a spreadsheet file without showing anything: firstCell gets the text of
// column 1, row 1; columnHeaders the header text of every column; rows one list per row with
// the texts of all its columns (formatted texts, as the cells show them). The lists are
// emptied first. Returns true when the file was loaded; otherwise the outputs are empty.
bool ReadSSFile(const Vdn_String& fileName, Vdn_String& firstCell, Vdn_StringArray& columnHeaders,
                Vdn_Array<Vdn_StringArray>& rows);

// Opens the Formulas dialog on kEvaluateSSFile, with cell 1,1 active, for a developer to try
// formulas; returns when the user closes it. Changes nothing in the model.
void EvaluateSS();
