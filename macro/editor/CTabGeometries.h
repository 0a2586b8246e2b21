#pragma once
// CTabGeometries: the geometries page of the macro editor (template 378): the geometry cells,
// the name tag the user edits, the flexibility (fixed, flexible, free) and whether the
// geometry is a construction geometry. A click highlights the row's geometry in the drawing.

#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/model/EditConstrData.h"
#include "platform/ui/dialogs/CDialog.h"
#include "spreadsheet/Vdn_Spread.h"

class CDlgEditMacro;

class CTabGeometries : public CDialog {
public:
    static constexpr UINT IDD = 378;
    static constexpr int kSheet = 2840;
    static constexpr int kTagColumn = 3;
    static constexpr int kFlexibilityColumn = 4;
    static constexpr int kFlagColumn = 5;

    explicit CTabGeometries(CWnd* parent = nullptr);
    void attach(CDlgEditMacro* editor, EditConstrData* data);

    BOOL OnInitDialog() override;
    void fill();
    // Sends the name tags of the table to the model when they changed.
    void commit();
    AcDbObjectId highlighted() const { return highlighted_; }
    Vdn_Spread& sheet() { return sheet_; }

protected:
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    void clickRow(int row);
    void chooseFlexibility(int row);
    void toggleFlag();

    CDlgEditMacro* editor_ = nullptr;
    EditConstrData* data_ = nullptr;
    Vdn_Spread sheet_;
    AcDbObjectId highlighted_;
};
