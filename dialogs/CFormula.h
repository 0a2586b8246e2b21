#pragma once
// CFormula: the Formulas dialog (template 133, "Formulas"), one spreadsheet control on which a
// developer tries formulas, with the custom function FROMTABLE that looks values up in other
// spreadsheet files.
//
// The caller constructs it, sets mode and that mode's members, runs DoModal and reads the
// results from the members:
//  - mode 1: filePath is loaded and shown; the formatted text of cellColumn, cellRow goes to
//    cellText.
//  - mode 2: the look-up of one FROMTABLE call (resultValue, arguments, argumentCount,
//    callingSheet), run by FROMTABLE itself; the dialog then shows the looked-up sheet.
//  - mode 4: filePath is read into firstCell, *headers and *rows, and the dialog ends with
//    IDOK before it is shown.
//  - any other mode shows the dialog without extra work.
//
// The current formula sheet (gCurrentFormulaSheet) is the dialog's sheet while its cell or
// look-up is read, and callingSheet after the initialisation. A FROMTABLE call makes the sheet
// it is evaluated on current while it runs, so the look-up it opens always knows its caller,
// and brings back the previous one afterwards.
//
// The implementation is split: CFormula.cpp (initialisation, modes 1 and 4, the buttons) and
// CFormulaLookup.cpp (FROMTABLE and the look-up of mode 2).

#include "dialogs/LookupChain.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"
#include "platform/grid/functions/FunctionValue.h"
#include "platform/ui/dialogs/CDialog.h"
#include "spreadsheet/Vdn_Spread.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

class CFormula : public CDialog {
public:
    static constexpr UINT IDD = 133;
    // Dialog items.
    static constexpr int kFilePathEdit = 1000;
    static constexpr int kSheetPlaceholder = 1004;
    static constexpr int kStyleDefaultRadio = 1005;
    static constexpr int kStyleA1Radio = 1006;
    static constexpr int kStyleR1C1Radio = 1007;
    static constexpr int kSaveButton = 1001;
    static constexpr int kLoadButton = 1087;
    static constexpr int kAutoCalculateCheck = 1106;
    static constexpr int kRecalculateButton = 1107;
    // Modes.
    static constexpr int kModeShowCell = 1;
    static constexpr int kModeLookup = 2;
    static constexpr int kModeReadFile = 4;
    // Control options set during initialisation: 12 on (a setting of the control's own that
    // none of the rules here depend on), automatic calculation off.
    static constexpr int kOption12 = 12;
    static constexpr int kOptionAutoCalculate = 7;

    explicit CFormula(CWnd* parent = nullptr);
    ~CFormula() override;

    // The hosted control, created in place of the static kSheetPlaceholder.
    Vdn_Spread sheet;
    int mode = 0;
    // Mode 2: where the look-up result goes, the arguments of the FROMTABLE call and the sheet
    // whose FROMTABLE formula is being evaluated.
    grid::FunctionValue* resultValue = nullptr;
    const grid::FunctionValue* arguments = nullptr;
    std::int16_t argumentCount = 0;
    Vdn_Spread* callingSheet = nullptr;
    // The spreadsheet file to load.
    Vdn_String filePath;
    // Mode 1: the cell to read (from 1) and its formatted text.
    int cellColumn = 0;
    int cellRow = 0;
    Vdn_String cellText;
    // Mode 4: receive the column header texts and the formatted texts of every row.
    Vdn_StringArray* headers = nullptr;
    Vdn_Array<Vdn_StringArray>* rows = nullptr;
    // Mode 4: the formatted text of column 1, row 1.
    Vdn_String firstCell;
    // Whether filePath was loaded during initialisation.
    bool fileLoaded = false;

    BOOL OnInitDialog() override;

protected:
    void OnDestroy() override;

private:
    void bringToFront();
    void prepareSheet();
    void registerFromTable();
    // Loads a file into the control; the file joins the look-up chain (until the
    // initialisation or the load from the button ends), and the "Auto calculate" box follows
    // the loaded sheet's setting.
    bool loadSheet(const Vdn_String& fileName);
    // Checks "Auto calculate" as on says; "Recalculate" is enabled while it is unchecked.
    void showAutoCalculate(bool on);
    void readWholeSheet();
    void showCell();

    // --- buttons ---
    void setReferenceStyle(int style);
    void fitFirstColumn();
    void saveToFile();
    void loadFromFile();
    void switchAutoCalculate();
    void recalculate();

    // --- FROMTABLE (CFormulaLookup.cpp) ---
    // The custom function on this dialog's sheet: runs a look-up dialog for the call.
    bool evaluateFromTable(grid::FunctionValue& result, std::span<const grid::FunctionValue> args);
    // Mode 2: the look-up on this dialog's own sheet.
    void lookUp();
    bool findTarget(std::span<const grid::FunctionValue> args, int& col, int& row) const;
    bool findByHeaders(std::span<const grid::FunctionValue> args, int& col, int& row) const;
    // The text of a 4-argument FROMTABLE key; false for a kind that has none.
    bool argumentText(const grid::FunctionValue& argument, Vdn_String& text) const;
    void fetchTarget(int col, int row, std::span<const grid::FunctionValue> args);
    grid::FunctionValue targetValue(int col, int row) const;

    // A FROMTABLE call of this sheet whose look-up wrote its text into one of the sheet's
    // cells while the sheet calculates automatically. That cell is an argument of the calling
    // formula, so the write makes the sheet compute the formula again, and its look-up would
    // write the same text again, and so on: the next evaluation of the same call, while the
    // cell still shows what was written, gives the empty result at once instead.
    struct WriteBack {
        std::wstring file;
        grid::CellRef source;
        grid::CellRef cell;
        Vdn_String shown;
    };
    bool repeatsWriteBack(std::span<const grid::FunctionValue> args);
    void noteWriteBack(std::span<const grid::FunctionValue> args, const CFormula& lookup);
    std::optional<WriteBack> lastWriteBack;
    // Mode 2: the calling sheet's cell that the look-up wrote into.
    std::optional<grid::CellRef> writtenCell;

    LookupChain::Link chainLink;
};
