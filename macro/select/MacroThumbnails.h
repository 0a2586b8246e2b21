#pragma once
// What the macro chooser shows for each library macro: its picture and its label.

#include "platform/core/text/Vdn_StringArray.h"

// "Stiffener" for "Stiffener12"; a name of digits only gives the empty text.
Vdn_String stripNumbersAtEnd(const Vdn_String& name);

// The picture of a macro drawing "X.dwg": "X.bmp" when it exists, else the generated "X.abm".
Vdn_String macroPicture(const Vdn_String& drawing);

// The labels of the macro drawings, same positions: each file's name without folder and
// extension, translated into the work language; then, when the names without their trailing
// digits are all distinct, those. A name that would lose every character keeps its digits
// ("2024" stays "2024").
Vdn_StringArray macroLabels(const Vdn_StringArray& drawings);
