#pragma once
// The 31 kinds of control a user can place on a designed dialog, stored in design files by
// their number. Each kind makes one window class; "contents" and "comboList" of a control mean
// what the macro dialog binds them to (a caption, a cell, a bolt pattern, a profile group, ...).

enum Vdn_ControlType {
    ctLabel = 0,
    ctGroupBox = 1,
    ctVarEdit = 2,
    ctVarCombo = 3,
    ctPatternValues = 4,
    ctPatternCount = 5,
    ctPatternButton = 6,
    ctBoltProp1 = 7,
    ctBoltProp2 = 8,
    ctBoltProp3 = 9,
    ctBoltProp4 = 10,
    ctBoltProp5 = 11,
    ctBoltButton = 12,
    ctProfSection = 13,
    ctProfButton = 14,
    ctProfOffsetType = 15,
    ctProfRotation = 16,
    ctProfAdvButton = 17,
    ctArrayProp1 = 18,
    ctArrayProp2 = 19,
    ctArrayProp3 = 20,
    ctArrayProp4 = 21,
    ctArrayProp5 = 22,
    ctArrayEntry = 23,
    ctArrayButton = 24,
    ctCalcButton = 25,
    ctCalcButtonNoDivisor = 26,
    ctBlockCombo = 27,
    ctCutCombo = 28,
    ctCheckBox = 29,
    ctFlexFixButton = 30,
};

namespace designer {

constexpr int kControlTypeCount = 31;

// The window class a kind of control is made of.
enum class ControlKind { Static, Button, Edit, ComboBox, ListBox, ScrollBar };

ControlKind kindOf(int type);
// "STATIC", "BUTTON", "EDIT", "COMBOBOX", ...
const wchar_t* windowClassOf(ControlKind kind);
bool isValidType(int type);
// The bolt-count kinds (pattern values and counts), drawn taller as the font grows.
bool isTypeBoltCount(int type);

} // namespace designer
