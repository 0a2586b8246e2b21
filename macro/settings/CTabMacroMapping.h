#pragma once
// CTabMacroMapping: the standards-mapping page of the macro settings (template 376).
//
// The upper table lists the standards sheets used with the macro and what each maps onto:
// one module ("Module." + its name) or the entire macro, through a named mapping stored in the
// sheet's mapping file. For the chosen row that maps the entire macro, the lower table lists
// the sheet's input and output variables with the macro value each takes. Leaving a row stores
// its mapping: an unchanged mapping stays as it is; a changed one gets a new name, which the
// row takes, and waits to be written into the mapping file when the dialog ends with OK.

#include "macro/settings/MacroSettingsPage.h"
#include "macro/settings/MappingChoices.h"
#include "macro/settings/PendingMappings.h"
#include "platform/core/model/MacroSettingsData.h"
#include "spreadsheet/Vdn_Spread.h"
#include "spreadsheet/standards/TfCalcSS.h"

#include <memory>
#include <vector>

class Vdn_DbMacro;

class CTabMacroMapping : public MacroSettingsPage {
public:
    static constexpr UINT IDD = 376;
    static constexpr int kSheetsGroup = 2760;
    static constexpr int kSheets = 2761;
    static constexpr int kAdd = 2762;
    static constexpr int kRemove = 2763;
    static constexpr int kUp = 2764;
    static constexpr int kDown = 2765;
    static constexpr int kObjectsGroup = 2766;
    static constexpr int kObjects = 2767;
    static constexpr int kLoader = 2768;
    // The columns of the tables.
    static constexpr int kSheetColumn = 1;
    static constexpr int kTargetColumn = 2;
    static constexpr int kTypeColumn = 1;
    static constexpr int kNameColumn = 2;
    static constexpr int kObjectColumn = 3;
    static constexpr const wchar_t* kEntireMacro = L"<Entire macro>";
    // The length of a generated mapping name, and how often a free one is looked for.
    static constexpr int kNameLength = 8;
    static constexpr int kNameTries = 9999;

    explicit CTabMacroMapping(CWnd* parent = nullptr);
    ~CTabMacroMapping() override;

    // The record (its mapping and its mapping-changed mark) and the macro whose modules and
    // values are offered (may be null: then only the entire macro, without values).
    MacroSettingsData* data_ = nullptr;
    Vdn_DbMacro* macro_ = nullptr;

    BOOL OnInitDialog() override;
    // Stores the shown row's mapping; rows without a sheet leave the record.
    bool commit() override;

    // The standards folder: the library's "Connection Standards\".
    static Vdn_String standardsFolder();
    // What the "Maps to" cell shows for a stored target.
    static Vdn_String targetText(const Vdn_String& target);

    int shownRow() const { return shownRow_; }
    PendingMappings& pending() { return pending_; }
    Vdn_Spread& sheetsTable() { return sheets_; }
    Vdn_Spread& objectsTable() { return objects_; }
    // The pick lists of the upper table's cells.
    const Vdn_StringArray& sheetItems() const { return sheetNames_; }
    const Vdn_StringArray& targetItems() const { return targetItems_; }
    // The variable of a row of the lower table (from 1) and its pick list; null beyond them.
    const TfVarCell* shownVariable(int row) const;
    const MappingChoices::List* shownList(int row) const;

private:
    void fillSheets();
    void chooseRow(int row);
    // The row's sheet or target changed in the table.
    void takeRow(int row);
    void showRow(int row);
    void storeRow(int row);
    // The mapping the lower table shows.
    TfSSMapping shownMapping() const;
    // The mapping stored under name for the sheet: waiting, else in the file.
    bool storedMapping(const Vdn_String& sheetFile, const Vdn_String& name,
                       TfSSMapping& mapping) const;
    Vdn_String newMappingName(const Vdn_String& sheetFile);
    void addRow();
    void removeRow();
    void moveRow(int step);
    void swapRows(int first, int second);
    void selectRow(int row);

    Vdn_Spread sheets_;
    Vdn_Spread objects_;
    std::unique_ptr<TfCalcSS> loader_;
    std::unique_ptr<MappingChoices> choices_;
    Vdn_StringArray sheetNames_;
    Vdn_StringArray targetItems_;
    PendingMappings pending_;
    int shownRow_ = -1;
    // The variables the lower table shows, and per row the pick list of its last cell.
    std::vector<TfVarCell> shownVars_;
    std::vector<MappingChoices::List> shownLists_;
};
