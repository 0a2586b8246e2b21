#include "dialogs/CFormula.h"

#include "dialogs/FormulaSheetScope.h"
#include "platform/grid/sheet/Sheet.h"
#include "platform/host/CommandLineApi.h"

#include <algorithm>
#include <string>

// Initialisation, the whole-sheet reading of mode 4, the cell of mode 1 and the buttons.
// FROMTABLE and the look-up of mode 2 are in CFormulaLookup.cpp.

namespace {

// The blank sheet a developer starts from: 10 rows of 8 columns whose top-left 6 x 6 cells
// take numbers with 2 decimals between -9999 and 9999. (The Windows control's number type
// has one more flag, for its edit behaviour, which this control does not have.)
constexpr int kBlankRows = 10;
constexpr int kBlankCols = 8;
constexpr int kNumberCells = 6;
constexpr DWORD kNumberStyle = 0x10000200;
constexpr int kNumberDecimals = 2;
constexpr double kNumberLimit = 9999;

// The style buttons show the formulas of column 4, rows 1 to 4 (and row 5 when it has one),
// as text in column 1.
constexpr int kFormulaColumn = 4;
constexpr int kTextColumn = 1;
constexpr int kCopiedRows = 4;
constexpr int kOptionalRow = 5;

} // namespace

CFormula::CFormula(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kStyleDefaultRadio, BN_CLICKED, [this] { setReferenceStyle(0); });
    onCommand(kStyleA1Radio, BN_CLICKED, [this] { setReferenceStyle(1); });
    onCommand(kStyleR1C1Radio, BN_CLICKED, [this] { setReferenceStyle(2); });
    onCommand(kSaveButton, BN_CLICKED, [this] { saveToFile(); });
    onCommand(kLoadButton, BN_CLICKED, [this] { loadFromFile(); });
    onCommand(kAutoCalculateCheck, BN_CLICKED, [this] { switchAutoCalculate(); });
    onCommand(kRecalculateButton, BN_CLICKED, [this] { recalculate(); });
}

CFormula::~CFormula() = default;

BOOL CFormula::OnInitDialog() {
    CDialog::OnInitDialog();
    // Once the dialog is in the user's hands (or ended), its file is no longer being looked
    // up: loading it again computes only the formulas stored in it, so a look-up that the user
    // starts, by a formula or by recalculating, is no loop.
    struct LeaveChain {
        LookupChain::Link& link;
        ~LeaveChain() { link.hold(Vdn_String()); }
    } const leaveChain{chainLink};
    bringToFront();
    SetDlgItemText(kFilePathEdit, filePath.str());
    if (!sheet.attachToDlgItem(this, kSheetPlaceholder)) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    sheet.SSSetBool(kOption12, true);
    sheet.SSSetBool(kOptionAutoCalculate, false);
    showAutoCalculate(false);
    CheckRadioButton(kStyleDefaultRadio, kStyleR1C1Radio, kStyleDefaultRadio);
    registerFromTable();
    prepareSheet();
    if (!filePath.isEmpty())
        fileLoaded = loadSheet(filePath);
    acutPrintf(L"Loading spreadsheet:%s\n", filePath.c_str());
    if (mode == kModeReadFile) {
        readWholeSheet();
        EndDialog(IDOK);
        return TRUE;
    }
    gCurrentFormulaSheet = &sheet;
    if (mode == kModeShowCell)
        showCell();
    if (mode == kModeLookup)
        lookUp();
    gCurrentFormulaSheet = callingSheet;
    return TRUE;
}

void CFormula::OnDestroy() {
    // A closed dialog holds its file no longer: looking that file up again is no loop.
    chainLink.hold(Vdn_String());
    CDialog::OnDestroy();
}

void CFormula::bringToFront() {
    // The window system has one input thread and no other application's windows, so there is
    // no foreground window to take over or thread input to attach: taking the focus is all.
    SetFocus();
}

void CFormula::prepareSheet() {
    sheet.setMaxRows(kBlankRows);
    sheet.setMaxCols(kBlankCols);
    sheet.SSSetCellTypeRange(
        1, 1, kNumberCells, kNumberCells,
        TSpread::SSSetTypeNumber(kNumberStyle, kNumberDecimals, -kNumberLimit, kNumberLimit));
}

// Registered once, before anything is loaded. The Windows control dropped its custom functions
// when it loaded a file, so they had to be registered again after every load; this control
// keeps them (and computes a file's formulas with them while loading), and registering again
// would compute every FROMTABLE formula a second time, opening each look-up twice.
void CFormula::registerFromTable() {
    sheet.SSAddCustomFunctionExt(
        L"FROMTABLE", 2, 4,
        [this](grid::FunctionValue& result, std::span<const grid::FunctionValue> args) {
            return evaluateFromTable(result, args);
        },
        TSpread::kCustomFunctionWantsCellRefs);
}

bool CFormula::loadSheet(const Vdn_String& fileName) {
    // The file joins the chain before loading, because loading computes its formulas; a failed
    // load leaves the sheet, and so the file it holds, as it was.
    const Vdn_String before = chainLink.held();
    chainLink.hold(fileName);
    if (!sheet.SSLoadFromFile(fileName.str())) {
        chainLink.hold(before);
        return false;
    }
    // A file brings its own calculation setting; the box shows what the sheet does.
    showAutoCalculate(sheet.SSGetBool(kOptionAutoCalculate));
    return true;
}

void CFormula::showAutoCalculate(bool on) {
    CheckDlgButton(kAutoCalculateCheck, on ? BST_CHECKED : BST_UNCHECKED);
    if (CWnd* recalculateButton = GetDlgItem(kRecalculateButton))
        recalculateButton->EnableWindow(!on);
}

void CFormula::readWholeSheet() {
    if (headers == nullptr || rows == nullptr)
        return;
    headers->clear();
    rows->clear();
    // Without a file the prepared blank sheet is no content of it: the lists stay empty.
    if (!fileLoaded)
        return;
    sheet.getCellText(1, 1, firstCell);
    const int lastCol = sheet.maxCols();
    const int lastRow = sheet.maxRows();
    Vdn_String text;
    for (int col = 1; col <= lastCol; ++col) {
        sheet.getCellText(col, Vdn_Spread::kHeader, text);
        headers->append(text);
    }
    for (int row = 1; row <= lastRow; ++row) {
        Vdn_StringArray texts;
        for (int col = 1; col <= lastCol; ++col) {
            sheet.getCellText(col, row, text);
            texts.append(text);
        }
        rows->append(std::move(texts));
    }
}

void CFormula::showCell() {
    sheet.SSSetActiveCell(cellColumn, cellRow);
    sheet.getCellText(cellColumn, cellRow, cellText);
}

// --- buttons -------------------------------------------------------------------------------------

void CFormula::setReferenceStyle(int style) {
    sheet.SSSetRefStyle(style);
    // The whole formula text is copied: a text cut at some buffer length would show a formula
    // that is not the cell's.
    Vdn_String formula;
    for (int row = 1; row <= kCopiedRows; ++row) {
        sheet.getCellText(kFormulaColumn, row, formula, Vdn_Spread::kCellFormula);
        sheet.setCellText(kTextColumn, row, formula);
    }
    if (sheet.getCellText(kFormulaColumn, kOptionalRow, formula, Vdn_Spread::kCellFormula) &&
        !formula.isEmpty())
        sheet.setCellText(kTextColumn, kOptionalRow, formula);
    fitFirstColumn();
}

void CFormula::fitFirstColumn() {
    int widest = -1;
    for (int row = 0; row <= sheet.SSGetMaxRows(); ++row) {
        const int r = row == 0 ? Vdn_Spread::kHeader : row;
        std::wstring text;
        int width = 0;
        int height = 0;
        if (sheet.SSGetData(kTextColumn, r, text) && !text.empty() &&
            sheet.SSGetMaxTextCellSize(kTextColumn, r, width, height))
            widest = std::max(widest, width);
    }
    if (widest >= 0)
        sheet.SSSetColWidthInPixels(kTextColumn, widest);
}

void CFormula::saveToFile() {
    std::wstring path;
    GetDlgItemText(kFilePathEdit, path);
    if (!sheet.SSSaveToFile(path, false))
        acutPrintf(L"Save failed\n");
}

void CFormula::loadFromFile() {
    std::wstring path;
    GetDlgItemText(kFilePathEdit, path);
    if (!loadSheet(Vdn_String(path)))
        acutPrintf(L"Load failed\n");
    chainLink.hold(Vdn_String());
}

void CFormula::switchAutoCalculate() {
    const bool on = IsDlgButtonChecked(kAutoCalculateCheck) == BST_CHECKED;
    sheet.SSSetBool(kOptionAutoCalculate, on);
    showAutoCalculate(on);
}

void CFormula::recalculate() {
    sheet.sheet().recalculate();
}
