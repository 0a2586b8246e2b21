#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/Vdn_StringArray.h"
#include "platform/grid/sheet/CellRef.h"
#include "spreadsheet/Vdn_Spread.h"
#include "spreadsheet/standards/EvaluationReport.h"
#include "spreadsheet/standards/SheetMemo.h"
#include "spreadsheet/standards/TfVarCells.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TfDlgStandardsData;

// The calculating spreadsheet of the connection standards: a spreadsheet control that loads
// one standards sheet, collects its declared variables, fills them (from a macro through the
// mapping, or from a calling sheet), evaluates the equations of its Calc section one by one
// and hands the variables back.
//
// A standards sheet is divided by cells whose whole text is "Input", "Output", "Local" or
// "Calc". The first three sections declare variables ("Double Width"); the Calc section holds
// equations: "name = expression" with variable names instead of cell references, or a native
// call, CallChild("child.tfs", var, ...), which runs a child sheet in a pooled dialog of its
// own. Equations run top to bottom, left to right, once; an equation that fails is reported
// (while the document's spreadsheet messages are on) and the calculation goes on.
//
// Operations give eOk, or eInvalidInput on any failure. The control must be attached to its
// dialog (Vdn_Spread::attachToDlgItem) for any of them to succeed.
class TfCalcSS : public Vdn_Spread {
public:
    // Function ids of the native functions, which the sheet evaluates itself.
    static constexpr int kCallChild = 0;

    TfCalcSS();
    // A fresh control with other's file name, variables and general variables; the control's
    // content is not copied.
    TfCalcSS(const TfCalcSS& other);
    TfCalcSS& operator=(const TfCalcSS&) = delete;
    ~TfCalcSS() override;

    // --- loading and collecting --------------------------------------------------------------
    // Loads a sheet: name itself when a file matches it (wildcards allowed), else the library's
    // "Connection Standards\" + name + ".tfs". Sets options 13 and 12 on, 8 and 7 off first.
    // A file loaded before and unchanged since is copied from memory, not read again.
    Acad::ErrorStatus loadFile(const Vdn_String& name);
    // Collects the variables of the Input, Output and Local sections, in that order and within
    // a section row by row. Fails without an Input or an Output label.
    Acad::ErrorStatus initVarCells();
    TfVarCells& varCells();
    const TfVarCells& varCells() const { return varCells_; }

    // --- macro mode: initSSForInput, then calcMain ------------------------------------------
    // Needs data's macro and transaction: takes data's general variables, collects the
    // variables, reads the inputs and outputs from the macro, writes every variable into its
    // cell and replaces the general variables in every cell.
    Acad::ErrorStatus initSSForInput(TfDlgStandardsData& data);
    // Calculates, reads the outputs back from their cells and writes them into the macro.
    Acad::ErrorStatus calcMain(TfDlgStandardsData& data);

    // --- child mode: getFromVars, then setToVars -------------------------------------------
    // Takes data's general variables, collects the variables, empties the locals and gives
    // the inputs, then the outputs, the values of data.varCells by position; an output may
    // not receive an input of the calling sheet. Then replaces the general variables.
    Acad::ErrorStatus getFromVars(TfDlgStandardsData& data);
    // Calculates, then gives each argument the value of the output at its position.
    Acad::ErrorStatus setToVars(TfVarCells& args);

    // --- calculation -----------------------------------------------------------------------
    // Registers the custom functions, drops duplicate variables (telling the user once) and
    // runs every equation of the Calc section. Fails only without a Calc label.
    Acad::ErrorStatus calculate();
    // Runs the equation in one cell (column and row from 1).
    Acad::ErrorStatus calcCell(const int& col, const int& row);
    // Replaces the general variables (quoted when not numbers) in the text of every cell.
    Acad::ErrorStatus replaceGenVars();
    // Runs the native function functionName called in expression.
    Acad::ErrorStatus callNative(const Vdn_String& expression, const Vdn_String& functionName);
    // Where a child sheet named name is: the first existing of name itself, name in this
    // sheet's folder, and the library's "Connection Standards\", "...\Childs\", "...\Data\" and
    // "...\Parents\" folders; else name unchanged.
    Vdn_String findChildFile(const Vdn_String& name) const;

    // Replaces every whole-word occurrence of names[i] in text by values[i] (see
    // ss::WordReplacer); whether anything changed.
    static bool replaceWords(Vdn_String& text, const Vdn_StringArray& names,
                             const Vdn_StringArray& values, bool quote);

    // Where the sheet says why an operation failed (may be null; the caller keeps it).
    void setReport(ss::EvaluationReport* report) { report_ = report; }
    // A file name as a message shows it: the file's own path, one kind of separator.
    static Vdn_String shownPath(const Vdn_String& name);

    const Vdn_String& fileName() const { return fileName_; }
    const Vdn_StringArray& genVarNames() const { return genVarNames_; }
    const Vdn_StringArray& genVarValues() const { return genVarValues_; }

private:
    struct SectionRows {
        int input = -1;
        int output = -1;
        int local = -1;
        int calc = -1;
    };

    // A cell whose text may declare a variable, and that text (in the sheet).
    struct Declaration {
        grid::CellRef cell;
        std::wstring_view text;
    };

    // The section starts; with declarations, the cells that may declare a variable too, in
    // reading order.
    SectionRows findSections(std::vector<Declaration>* declarations) const;
    void collectSection(const std::vector<Declaration>& declarations, int start, int end,
                        TfCellType type);
    // The first row below the "Calc" label, or -1.
    int calcStart() const;
    void takeGenVars(const TfDlgStandardsData& data);
    // Drops every variable whose name an earlier one has, telling the user.
    void removeDuplicates();
    // The table of variable names and cell references: reused while the variables stay as
    // they were when it was built, else built anew.
    const ss::VariableTable& variableTable();
    // The first variable named name, or -1.
    int variableIndex(const Vdn_String& name);
    // Splits, looks up and rewrites the equation text of a cell.
    ss::EquationMemo::Equation analyse(grid::CellRef cell, const Vdn_String& text);
    // Sets the equation's formula as SSSetFormula would, parsed once for every evaluation.
    bool setEquationFormula(const ss::EquationMemo::Equation& equation);
    // The equation message, while the document's spreadsheet messages are on, and an entry in
    // the evaluation's report. With a reason, the reason replaces the tip about unknown
    // variables; a detail, when given, is the report's reason instead (the message stays).
    void showEquationFailure(const Vdn_String& name, const Vdn_String& expression, int row,
                             const Vdn_String& reason = Vdn_String(),
                             const Vdn_String& detail = Vdn_String()) const;
    // Gives the report (if any) the reason of a failure; returns eInvalidInput.
    Acad::ErrorStatus failWith(const Vdn_String& reason) const;
    // A child sheet as findChildFile names it, and the file that name denotes.
    struct ChildFile {
        Vdn_String name;
        std::filesystem::path path;
    };
    // What findChildFile finds, or nullopt when no candidate is an existing file.
    std::optional<ChildFile> locateChildFile(const Vdn_String& name) const;
    Acad::ErrorStatus callChild(const ChildFile& file, const TfVarCells& args);

    Vdn_String fileName_;
    TfVarCells varCells_;
    Vdn_StringArray genVarNames_;
    Vdn_StringArray genVarValues_;

    // Where the loaded file lives, to refuse child calls that come back to it.
    std::filesystem::path canonicalPath_;
    // What evaluations of the loaded file hand on to each other (a memo of its own for a
    // sheet that came from no file).
    std::shared_ptr<ss::SheetMemo> memo_ = std::make_shared<ss::SheetMemo>();
    // The table that fits the variables now; null when they may have changed since.
    std::shared_ptr<const ss::VariableTable> table_;
    ss::EvaluationReport* report_ = nullptr;
    // Why the last native call failed.
    Vdn_String nativeFailure_;
    // Where the last equation of this calculation was found in the memo.
    std::size_t equationCursor_ = 0;
};
