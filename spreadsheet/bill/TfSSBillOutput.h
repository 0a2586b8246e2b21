#pragma once

#include "platform/core/model/Vdn_Bill.h"
#include "platform/core/model/Vdn_ListOutputCallback.h"
#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"
#include "platform/host/AcArray.h"

#include <memory>

class AcTransaction;
class DlgSSAsTool;
class Vdn_Spread;

// Writes a bill of materials into a spreadsheet and saves it as a sheet file.
//
// The bill engine feeds it: init (without which no row is written), setVars when item
// pictures are wanted, onStartFeed, then onAddRow and onAddSubTotals in bill order, then
// onEndFeed, which fits the columns, records the print variables "Date", "Title" and
// "BillFilename" and saves the sheet. The sheet lives in a hidden spreadsheet tool window.
//
// Copies share that window: the holder has shared ownership, so it is destroyed once, with
// the last copy, and no copy is ever left holding a destroyed window.
class TfSSBillOutput : public Vdn_ListOutputCallback {
public:
    // Result of init when the tool window (and with it the sheet) cannot be made.
    static constexpr auto kNoWindow = static_cast<Acad::ErrorStatus>(337);
    // Column kinds.
    static constexpr int kIntegerColumn = 1;
    static constexpr int kOneDecimalColumn = 2;
    static constexpr int kTextColumn = 3;
    // Rows are added this many at a time when the bill outgrows the sheet.
    static constexpr int kRowGrowth = 100;
    // Background of subtotal cells (a Windows colour value: red 164, green 209, blue 255).
    static constexpr unsigned kSubtotalColour = 16765348;
    // The arrow beside a picture row: bent down and to the right.
    static constexpr int kPictureArrowBitmap = 251;

    TfSSBillOutput();
    TfSSBillOutput(const TfSSBillOutput&) = default;
    TfSSBillOutput& operator=(const TfSSBillOutput&) = default;
    ~TfSSBillOutput() override;

    // Prepares the sheet: print settings from settingsFile, grid lines, the columns with their
    // names and kinds. The third argument is not used.
    Acad::ErrorStatus init(Vdn_String fileName, const Vdn_StringArray& columnNames,
                           const AcArray<int>& unused, const AcArray<int>& columnTypes,
                           const Vdn_String& settingsFile, const Vdn_StringArray& varNames,
                           const Vdn_StringArray& varValues);
    // The image parameters (see createImage), the bill whose items are pictured and the
    // transaction to read the drawing in.
    void setVars(int view, int size, int detail, bool lines, bool colour, Vdn_Bill* bill,
                 AcTransaction* transaction);

    Acad::ErrorStatus onStartFeed() override;
    Acad::ErrorStatus onEndFeed() override;
    void onAddRow(const Vdn_StringArray& row) override;
    // Only row is used: it is written like a bill row, its non-empty cells framed and shaded.
    void onAddSubTotals(const Vdn_StringArray& row, const Vdn_StringArray& totals,
                        bool isGrandTotal, int level) override;

    // The sheet being filled; null before init made the window.
    const Vdn_Spread* sheet() const;
    int currentRow() const { return currentRow_; }
    const Vdn_StringArray& printVarNames() const { return printVarNames_; }
    const Vdn_StringArray& printVarValues() const { return printVarValues_; }

    // The bill's title: the file name without folder and extension, and of that only what
    // follows its last inverted question mark (U+00BF) when it has one.
    static Vdn_String titleOf(const Vdn_String& billFileName);

private:
    void addRow(const Vdn_StringArray& row, const Vdn_String& imageFile);
    void setRowProperties(int row);
    void nextRow(Vdn_Spread& sheet);
    void addPictureRow(Vdn_Spread& sheet, const Vdn_String& imageFile);
    bool picturesWanted() const { return bill_ && transaction_; }
    Vdn_Spread* getSSPointer() const;

    int imageView_ = -1;
    int imageSize_ = 0;
    int imageDetail_ = 0;
    bool imageLines_ = true;
    bool imageColour_ = true;
    Vdn_Bill* bill_ = nullptr;
    AcTransaction* transaction_ = nullptr;
    std::shared_ptr<DlgSSAsTool> tool_;
    int currentRow_ = 0;
    AcArray<int> columnTypes_ = AcArray<int>(0, 8);
    Vdn_String billFileName_;
    Vdn_StringArray printVarNames_;
    Vdn_StringArray printVarValues_;
};
