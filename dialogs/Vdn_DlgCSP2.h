#pragma once
// Vdn_DlgCSP2: prepares the input of a cutting-stock optimisation ("DLG_OPTIMIZECSP2"). For
// the set chosen at the top it shows three tables: the parts to cut, the stock at hand and
// the lengths to buy. Stock and purchase tables are imported from and exported to ".shp" and
// ".buy" files in the library's "Cutting Stock\" folder; the overview reports the newest of
// those files and the set's cutting plan.
//
// The caller sets data_, runs DoModal and on OK reads data_ back. The dialog keeps the shown
// set's rows in its sheets and writes them into data_ before it shows another set, imports,
// exports, reports and on OK. Its size is kept under "DLG_OPTIMIZECSP2".

#include "platform/core/model/DlgCSP2Data.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/dialogs/ResizableDialog.h"
#include "spreadsheet/Vdn_Spread.h"

#include <array>

class Vdn_DlgCSP2 : public ResizableDialog {
public:
    static constexpr UINT IDD = 355;
    static constexpr const wchar_t* kSizeKey = L"DLG_OPTIMIZECSP2";
    static constexpr int kSetLabel = 2400;
    static constexpr int kSetCombo = 2401;
    static constexpr int kNewSet = 2402;
    static constexpr int kDeleteSet = 2403;
    static constexpr int kFrame = 2404;
    // Per table (parts, stock, buy): frame, sheet, add row, delete row, import, export. The
    // parts table has no import and export.
    struct TableIds {
        int frame;
        int sheet;
        int add;
        int remove;
        int import;
        int exportTo;
    };
    static constexpr std::array<TableIds, DlgCSP2Data::kTableCount> kTables = {{
        {2410, 2411, 2412, 2413, 0, 0},
        {2420, 2421, 2422, 2423, 2424, 2425},
        {2430, 2431, 2432, 2433, 2434, 2435},
    }};
    static constexpr int kReport = 2440;
    static constexpr int kCheck = 2441;

    explicit Vdn_DlgCSP2(CWnd* parent = nullptr);

    DlgCSP2Data data_;

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The id of the shown set; DlgCSP2Data::kNoSet when none is.
    int shownSet() const { return shownSet_; }
    Vdn_Spread& sheet(int table) { return sheets_[static_cast<std::size_t>(table)]; }
    // The library's "Cutting Stock\" folder.
    static Vdn_String cuttingStockFolder();

private:
    void setUpSheet(int table);
    void layOut();
    void fillSets(int index);
    void showSet(int index);
    void storeSet();
    void chooseSet();
    void newSet();
    void deleteSet();
    void addRow(int table);
    void deleteRow(int table);
    void importTable(int table);
    void exportTable(int table);
    void report();
    // Single-table mode: whether the stock table reads as lengths and quantities.
    void check();
    // The chosen file of a file dialog in the "Cutting Stock\" folder; empty when cancelled.
    Vdn_String chooseFile(int table, bool open);
    void warn(const Vdn_String& text);

    std::array<Vdn_Spread, DlgCSP2Data::kTableCount> sheets_;
    std::array<CButtonST, 10> buttons_;
    int shownSet_ = DlgCSP2Data::kNoSet;
};
