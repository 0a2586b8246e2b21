#include "spreadsheet/bill/TfSSBillOutput.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/model/BillPictures.h"
#include "platform/grid/sheet/CellFormat.h"
#include "platform/grid/sheet/CellType.h"
#include "spreadsheet/Vdn_Spread.h"
#include "spreadsheet/bill/EmbeddedPicture.h"
#include "spreadsheet/editor/DlgSSAsTool.h"
#include "spreadsheet/editor/SheetPrintSettings.h"

#include <algorithm>
#include <ctime>

namespace {

// Lines between cells: the control's grid setting 7 in dark grey (red, green and blue 50).
constexpr int kGridType = 7;
constexpr COLORREF kGridColour = 0x323232;
constexpr int kTextLength = 200;
constexpr COLORREF kDefaultColour = grid::CellFormat::kDefaultColour;
constexpr int kNoBorder = 0;
constexpr int kPictureArrowBorderType = 18;
constexpr int kPictureArrowBorderStyle = 6;
constexpr int kSubtotalBorderType = 31; // every side
constexpr int kSubtotalBorderStyle = 1;
constexpr DWORD kHeaderStaticStyle = 140;
constexpr wchar_t kTitleMark = L'\u00BF';

Vdn_String nowText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    wchar_t text[128] = {};
    const std::size_t length = std::wcsftime(text, 128, L"%d %B, %Y (%H:%M)", &local);
    return Vdn_String(std::wstring(text, length));
}

} // namespace

TfSSBillOutput::TfSSBillOutput() : tool_(std::make_shared<DlgSSAsTool>()) {}

TfSSBillOutput::~TfSSBillOutput() = default;

Vdn_Spread* TfSSBillOutput::getSSPointer() const {
    return tool_ ? tool_->get() : nullptr;
}

const Vdn_Spread* TfSSBillOutput::sheet() const {
    return getSSPointer();
}

Acad::ErrorStatus TfSSBillOutput::init(Vdn_String fileName, const Vdn_StringArray& columnNames,
                                       const AcArray<int>& /*unused*/,
                                       const AcArray<int>& columnTypes,
                                       const Vdn_String& settingsFile,
                                       const Vdn_StringArray& varNames,
                                       const Vdn_StringArray& varValues) {
    if (!tool_)
        return kNoWindow;
    tool_->create();
    Vdn_Spread* sheet = getSSPointer();
    if (!sheet)
        return kNoWindow;
    billFileName_ = std::move(fileName);
    prepareSheetWithPrintSettings(*sheet, settingsFile);
    sheet->SSSetGridType(kGridType);
    sheet->SSSetGridColor(kGridColour);
    printVarNames_ = varNames;
    printVarValues_ = varValues;
    sheet->setMaxCols(columnNames.length(), true);
    sheet->setColumnNames(columnNames);
    columnTypes_ = columnTypes;
    return Acad::eOk;
}

void TfSSBillOutput::setVars(int view, int size, int detail, bool lines, bool colour,
                             Vdn_Bill* bill, AcTransaction* transaction) {
    imageView_ = view;
    imageSize_ = size;
    imageDetail_ = detail;
    imageLines_ = lines;
    imageColour_ = colour;
    bill_ = bill;
    transaction_ = transaction;
}

Acad::ErrorStatus TfSSBillOutput::onStartFeed() {
    if (picturesWanted())
        initBMPDialog(imageSize_ + 20);
    return Acad::eOk;
}

void TfSSBillOutput::onAddRow(const Vdn_StringArray& row) {
    if (!picturesWanted()) {
        addRow(row, Vdn_String());
        return;
    }
    Vdn_String imageFile;
    if (!createImage(row, imageFile, imageView_, imageSize_, imageDetail_, imageLines_,
                     imageColour_, bill_, transaction_))
        imageFile = Vdn_String();
    addRow(row, imageFile);
    if (!imageFile.isEmpty())
        deleteFile(imageFile);
}

void TfSSBillOutput::nextRow(Vdn_Spread& sheet) {
    ++currentRow_;
    if (currentRow_ > sheet.maxRows()) {
        sheet.setMaxRows(currentRow_ + kRowGrowth, true);
        sheet.clearRows(currentRow_, currentRow_ + kRowGrowth);
    }
}

void TfSSBillOutput::addRow(const Vdn_StringArray& row, const Vdn_String& imageFile) {
    Vdn_Spread* sheet = getSSPointer();
    if (!sheet)
        return;
    if (row.length() > sheet->maxCols())
        sheet->setMaxCols(row.length(), true);
    nextRow(*sheet);
    setRowProperties(currentRow_);
    const int last = std::min(row.length(), sheet->maxCols());
    for (int col = 1; col <= last; ++col)
        sheet->setCellValue(col, currentRow_, row[col - 1]);
    if (!imageFile.isEmpty() && core::fileExists(imageFile))
        addPictureRow(*sheet, imageFile);
}

void TfSSBillOutput::addPictureRow(Vdn_Spread& sheet, const Vdn_String& imageFile) {
    // The picture goes into the sheet itself: the file is a temporary one, deleted as soon as
    // the row is written, and the saved bill must still show it.
    const std::optional<EmbeddedPicture> picture = EmbeddedPicture::fromFile(imageFile);
    if (!picture)
        return;
    nextRow(sheet);
    const int row = currentRow_;
    sheet.SSSetRowHeightInPixels(row, picture->height);
    const int cols = sheet.maxCols();
    const grid::CellType pictureType = Vdn_Spread::SSSetTypePicture(0, picture->name);
    if (cols >= 2) {
        // The picture spans from column 2 to the last column; column 1 holds the arrow.
        sheet.SSAddCellSpan(2, row, cols - 1, 1);
        sheet.SSSetCellType(2, row, pictureType);
        sheet.SSSetBorderRange(1, row, 1, row, kPictureArrowBorderType, kPictureArrowBorderStyle,
                               kDefaultColour);
        sheet.SSSetCellType(1, row,
                            Vdn_Spread::SSSetTypePicture(0, std::to_wstring(kPictureArrowBitmap)));
    } else {
        // A one-column bill has no room for the arrow: the picture takes the column.
        sheet.SSSetCellType(1, row, pictureType);
    }
}

void TfSSBillOutput::setRowProperties(int row) {
    Vdn_Spread* sheet = getSSPointer();
    if (!sheet)
        return;
    const int last = std::min(sheet->maxCols(), columnTypes_.length());
    for (int col = 1; col <= last; ++col) {
        switch (columnTypes_.at(col - 1)) {
        case kIntegerColumn:
            sheet->setNumberCells(col, row, col, row, 0, true);
            break;
        case kOneDecimalColumn:
            sheet->setNumberCells(col, row, col, row, 1, true);
            break;
        case kTextColumn:
            sheet->setEditCells(col, row, col, row, Vdn_Spread::kEditStyle, kTextLength);
            break;
        default:
            break;
        }
        sheet->SSSetBorderRange(col, row, col, row, kNoBorder, 0, kDefaultColour);
        sheet->SSRemoveCellSpan(col, row);
        sheet->SSSetColorRange(col, row, col, row, kDefaultColour, kDefaultColour);
    }
    int height = 0;
    for (int col = 1; col <= sheet->maxCols(); ++col) {
        int cellWidth = 0, cellHeight = 0;
        if (sheet->SSGetMaxTextCellSize(col, row, cellWidth, cellHeight))
            height = std::max(height, cellHeight);
    }
    if (height > 0)
        sheet->SSSetRowHeightInPixels(row, height);
}

void TfSSBillOutput::onAddSubTotals(const Vdn_StringArray& row, const Vdn_StringArray& /*totals*/,
                                    bool /*isGrandTotal*/, int /*level*/) {
    addRow(row, Vdn_String());
    Vdn_Spread* sheet = getSSPointer();
    if (!sheet)
        return;
    const int last = std::min(sheet->maxCols(), row.length());
    for (int col = 1; col <= last; ++col) {
        if (row[col - 1].isEmpty())
            continue;
        // A subtotal row labels itself (a marker, "Total") in columns typed for numbers:
        // such a text goes into a text cell of this row rather than being refused.
        Vdn_String stored;
        if (!sheet->getCellText(col, currentRow_, stored, Vdn_Spread::kCellValue) ||
            stored.isEmpty()) {
            sheet->setEditCells(col, currentRow_, col, currentRow_, Vdn_Spread::kEditStyle,
                                kTextLength);
            sheet->setCellValue(col, currentRow_, row[col - 1]);
        }
        sheet->SSSetBorderRange(col, currentRow_, col, currentRow_, kSubtotalBorderType,
                                kSubtotalBorderStyle, kDefaultColour);
        sheet->SSSetColorRange(col, currentRow_, col, currentRow_, kSubtotalColour, kDefaultColour);
    }
}

Vdn_String TfSSBillOutput::titleOf(const Vdn_String& billFileName) {
    std::wstring name = billFileName.str();
    const std::size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        name.erase(0, slash + 1);
    const std::size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos)
        name.erase(dot);
    const std::size_t mark = name.rfind(kTitleMark);
    if (mark != std::wstring::npos)
        name.erase(0, mark + 1);
    return Vdn_String(name);
}

Acad::ErrorStatus TfSSBillOutput::onEndFeed() {
    if (picturesWanted())
        closeBMPDialog();
    Vdn_Spread* sheet = getSSPointer();
    if (!sheet)
        return Acad::eInvalidInput;
    if (currentRow_ < sheet->maxRows())
        sheet->setMaxRows(currentRow_);

    if (sheet->maxCols() >= 1)
        sheet->SSSetCellTypeRange(1, Vdn_Spread::kHeader, sheet->maxCols(), Vdn_Spread::kHeader,
                                  Vdn_Spread::SSSetTypeStaticText(kHeaderStaticStyle));
    sheet->fitColumnWidths(true);

    printVarNames_.insertAt(0, Vdn_String(L"BillFilename"));
    printVarValues_.insertAt(0, billFileName_);
    printVarNames_.insertAt(0, Vdn_String(L"Title"));
    printVarValues_.insertAt(0, titleOf(billFileName_));
    printVarNames_.insertAt(0, Vdn_String(L"Date"));
    printVarValues_.insertAt(0, nowText());
    storePrintVariables(*sheet, printVarNames_, printVarValues_);

    // The pictures are copied beside the bill first, so that the saved corner tag names the
    // copies the bill travels with.
    copyHeaderFooterBesideSheet(*sheet, billFileName_);
    if (sheet->SSSaveToFile(billFileName_.str(), false))
        sheet->SSSetBool(Vdn_Spread::kOptionChanged, false);
    return Acad::eOk;
}
