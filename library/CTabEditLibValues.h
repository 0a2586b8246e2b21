#pragma once
// CTabEditLibValues: the value-tables page of the section-library editor (template 8716). One
// table at a time is shown in a sheet; leaving it (another table, a new one, OK) asks whether
// to save it when it changed. Tables are created, deleted and renamed here, and their template
// chosen, which names the value columns.

#include "library/OpenLibTable.h"
#include "library/StandardTemplates.h"
#include "platform/core/sections/DlgEditLibData.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/dialogs/CDialog.h"
#include "spreadsheet/Vdn_Spread.h"

#include <array>

class CTabEditLibValues : public CDialog {
public:
    static constexpr UINT IDD = 8716;
    static constexpr int kTableLabel = 2330;
    static constexpr int kTableCombo = 2331;
    static constexpr int kNewButton = 2332;
    static constexpr int kDeleteButton = 2333;
    static constexpr int kRenameButton = 2334;
    static constexpr int kTemplateLabel = 2335;
    static constexpr int kTemplateCombo = 2336;
    static constexpr int kSheet = 1196;
    static constexpr int kInsertRow = 2337;
    static constexpr int kDeleteRow = 2338;
    static constexpr int kRowUp = 2339;
    static constexpr int kRowDown = 2340;
    static constexpr int kFind = 2341;

    explicit CTabEditLibValues(CWnd* parent = nullptr);

    // The record (its table and template lists) and the system name to open at
    // ("HEA-200"; empty: the first table); set before the page is created.
    DlgEditLibData* data_ = nullptr;
    Vdn_String startName_;

    BOOL OnInitDialog() override;
    // Asks to save a changed table (Yes, No, Cancel). False when the table stays: the user
    // cancelled, or saving failed (the user was told why).
    bool leaveTable();

    const OpenLibTable& openTable() const { return openTable_; }
    Vdn_Spread& sheet() { return sheet_; }

protected:
    void OnCancel() override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    void chooseTable();
    // Opens the table at index of the list (none for -1) and shows it.
    void openTable(int index);
    void showTable();
    // The shown sheet and template into the open table.
    bool readShown();
    void newTable();
    void deleteTable();
    void renameTable();
    void chooseTemplate();
    // The template combo's choice as a table stores it: the number of a standard template,
    // else the file name.
    Vdn_String chosenTemplate() const;
    void selectTemplate(const Vdn_String& templateName);
    void widenColumns();
    void enableControls();
    void warn(const Vdn_String& text, int captionText);

    OpenLibTable openTable_;
    StandardTemplates templates_;
    Vdn_Spread sheet_;
    std::array<CButtonST, 2> moveButtons_;
    int shownTemplate_ = -1;
};
