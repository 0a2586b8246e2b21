#pragma once

#include "platform/core/model/MacrosInDlgData.h"
#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

class Vdn_DbMacro;

// The record of the cut dialog: one cut of a module of a macro, new or one that exists
// (editExisting), with its parameters (one per offset the cut's type allows, by the offset's
// parameter name, see Vdn_CutConstraint::offsetName) and the options of its type. A value type
// copied by assignment; writeToDrawing puts the accepted cut into the model.
class DlgMacroCutsData {
public:
    // The cut types (Vdn_ConstraintCutType).
    static constexpr int kProfileVsPlate = 1;
    static constexpr int kProfileVsProfile = 2;
    static constexpr int kProfileInProfile = 3;
    static constexpr int kThreeSegments = 4;
    static constexpr int kChamfer = 5;
    static constexpr int kFillet = 6;
    static constexpr int kFirstType = kProfileVsPlate;
    static constexpr int kLastType = kFillet;
    // moduleChoice: the module is one of the dialog's own macro, or of another macro.
    static constexpr int kThisMacro = 1;
    static constexpr int kOtherMacro = 2;

    static bool isCutType(int type) { return type >= kFirstType && type <= kLastType; }

    DlgMacroCutsData() = default;
    DlgMacroCutsData(const DlgMacroCutsData&) = default;
    DlgMacroCutsData& operator=(const DlgMacroCutsData&) = default;
    virtual ~DlgMacroCutsData() = default;

    friend bool operator==(const DlgMacroCutsData&, const DlgMacroCutsData&) = default;

    // The parameters (names, values and flags) and options a new cut of the type starts with.
    // False, changing nothing, for a type outside 1..6.
    bool GetDefaultValues(int type);
    // Whether the module the cut goes into has another cut of the name (without regard to
    // case). A cut that exists is never in the way of itself.
    bool CutNameInUse() const;
    // Whether every parameter name can name a variable: a letter first, then letters, digits
    // and "_"; not starting with "gen_" (in any case), which the general variables own; each
    // name once (without regard to case).
    bool AreVarNamesValid() const;

    // Fills the record from a cut of a module of the macro, for editing (editExisting set,
    // module choice this macro). eKeyNotFound when the module or the cut is missing.
    Acad::ErrorStatus loadCut(const Vdn_DbMacro& macro, const Vdn_String& module,
                              const Vdn_String& cut);
    // The macro of the drawing the cut goes into: the dialog's own macro, or for module choice
    // 2 the picked one. Null when there is none.
    AcDbObjectId targetMacro() const;
    // Writes the cut into the module of the macro: a new cut is appended, an existing one
    // (found by name) gets the description, parameters and options (its type and name stay).
    // eKeyNotFound for a missing module (or, editing, a missing cut); eInvalidInput for a new
    // cut with an empty name, a name in use or a type outside 1..6, a parameter name that is no
    // offset's or given twice, a value that is no number or a state outside 0..3. Nothing
    // changes on failure.
    Acad::ErrorStatus writeToMacro(Vdn_DbMacro& macro, Vdn_String* problem = nullptr) const;
    // writeToMacro on the target macro of the current drawing.
    Acad::ErrorStatus writeToDrawing(Vdn_String* problem = nullptr) const;

    bool editExisting = false;
    int cutType = kProfileVsPlate;
    Vdn_String cutName;
    Vdn_String description;
    Vdn_StringArray paramNames;
    Vdn_StringArray paramValues; // one per name; a missing value counts as "0"
    Vdn_Array<bool> paramFlags;  // shown in the macro dialog; a missing flag is clear
    // Type 1, profile against plate: the face of the plate the profile is cut at (0 the near
    // face, 1 the far face), the cut's state (0 to 3), and whether the ends of the flanges and
    // of the web are prepared for the weld to the plate.
    int plateFace = 0;
    int cutState = 1;
    bool bevelFlanges = false;
    bool bevelWeb = false;
    // Type 4, three segments: the profile the segments follow (0 the first, 1 the second)
    // when given; otherwise the macro decides.
    bool segmentGiven = false;
    int segmentProfile = 0;
    // Types 1 and 3: the type's own option (Vdn_CutConstraint::option).
    bool typeOption = false;
    int moduleChoice = kThisMacro;
    Vdn_String moduleName;
    MacrosInDlgData macros;
};
