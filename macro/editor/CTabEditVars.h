#pragma once
// CTabEditVars: the variables page of the macro editor (template 379): the module's variables
// (name, value, kind), its dimension values and its equations, one a line. Committing rebuilds
// the record's variables from the table and the equations from the text and hands them to the
// model at once.

#include "platform/core/model/EditConstrData.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/dialogs/CDialog.h"
#include "spreadsheet/Vdn_Spread.h"

class CDlgEditMacro;

class CTabEditVars : public CDialog {
public:
    static constexpr UINT IDD = 379;
    static constexpr int kVariablesFrame = 2830;
    static constexpr int kVariablesSheet = 2831;
    static constexpr int kAddButton = 2832;
    static constexpr int kDeleteButton = 2833;
    static constexpr int kDimensionsFrame = 2834;
    static constexpr int kDimensionsSheet = 2835;
    static constexpr int kEquationsFrame = 2836;
    static constexpr int kEquationsEdit = 2837;
    static constexpr int kKindCount = 8;

    explicit CTabEditVars(CWnd* parent = nullptr);
    void attach(CDlgEditMacro* editor, EditConstrData* data);

    BOOL OnInitDialog() override;
    void fill();
    // The table and the text into the record and the model; true when nothing was refused
    // (also when nothing changed).
    bool commit();

    // The equations as the text box shows them: each followed by a carriage return and a line
    // feed; and back: the non-empty lines, whatever line breaks separate them.
    static Vdn_String equationsText(const Vdn_StringArray& equations);
    static Vdn_StringArray equationLines(const Vdn_String& text);

    Vdn_Spread& variablesSheet() { return variables_; }
    Vdn_Spread& dimensionsSheet() { return dimensions_; }

protected:
    void OnSize(UINT type, int cx, int cy) override;

private:
    void addRow();
    void deleteRow();
    void setKindCell(int row);
    // The record's lists as the page shows them; false (and the user told) when names repeat.
    bool shownLists(EditConstrData& lists);

    CDlgEditMacro* editor_ = nullptr;
    EditConstrData* data_ = nullptr;
    Vdn_Spread variables_;
    Vdn_Spread dimensions_;
    CButtonST addButton_;
    CButtonST deleteButton_;
    // The lists as the page showed them when it was filled.
    EditConstrData shown_;
};
