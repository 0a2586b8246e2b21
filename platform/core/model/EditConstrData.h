#pragma once

#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <cstdint>

// The record of the macro editor: the module being edited and its lists as the editor shows
// them. The editor keeps its own copy and hands it to every callback of the model
// (EditConstrCallbacks.h), which refreshes the lists after each change. The row lists run
// parallel to constraintIds, the geometry lists to geometryObjects, the variable lists to
// variableNames.
class EditConstrData {
public:
    // The editors a constraint row offers (rowEditorKinds).
    enum EditorKind { kValueEditor = 0, kVariableEditor = 1, kChoiceEditor = 2, kFlagsEditor = 3 };

    EditConstrData() = default;
    EditConstrData(const EditConstrData&) = default;
    EditConstrData& operator=(const EditConstrData&) = default;
    virtual ~EditConstrData() = default;

    friend bool operator==(const EditConstrData&, const EditConstrData&) = default;

    int rowCount() const { return constraintIds.length(); }
    // The row of the constraint with that id, -1 for none.
    int rowOf(int constraintId) const { return constraintIds.find(constraintId); }
    bool rowHasEditor(int row, int kind) const {
        return row >= 0 && row < rowEditorKinds.length() && rowEditorKinds[row].find(kind) >= 0;
    }

    AcDbObjectId macroObject;
    Vdn_String currentModule;
    Vdn_StringArray moduleNames;

    Vdn_Array<int> constraintIds;
    Vdn_Array<int> cutFlags;
    int currentConstraint = -1;
    Vdn_Array<Vdn_StringArray> constraintRows;
    Vdn_Array<Vdn_StringArray> rowImages;
    Vdn_Array<Vdn_Array<int>> rowEditorKinds;
    Vdn_StringArray rowValues;
    Vdn_StringArray rowVariableNames;
    Vdn_Array<int> rowChoices;
    Vdn_Array<bool> rowFirstFlags;
    Vdn_Array<bool> rowSecondFlags;
    Vdn_Array<Vdn_StringArray> rowChoiceLists;
    Vdn_Array<Vdn_Array<int>> rowImageSelections;

    Vdn_Array<Vdn_StringArray> geometryRows;
    Vdn_StringArray geometryNameTags;
    Vdn_Array<int> geometryFlexibility;
    Vdn_Array<int> geometryFlags;
    Vdn_Array<AcDbObjectId> geometryObjects;
    Vdn_Array<std::int32_t> geometryFlexibilityValues;

    Vdn_StringArray variableNames;
    Vdn_Array<double> variableValues;
    Vdn_Array<std::int16_t> variableKinds;
    Vdn_StringArray dimensionValueNames;
    Vdn_StringArray dimensionValues;
    Vdn_StringArray equations;
};
