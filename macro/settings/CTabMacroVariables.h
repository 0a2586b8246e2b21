#pragma once
// CTabMacroVariables: the variables page of the macro settings (template 374): two choices,
// a number and a table of named values, one row per variable.

#include "macro/settings/MacroSettingsPage.h"
#include "platform/core/model/MacroSettingsData.h"
#include "spreadsheet/Vdn_Spread.h"

class CTabMacroVariables : public MacroSettingsPage {
public:
    static constexpr UINT IDD = 374;
    static constexpr int kExplanation = 2744;
    static constexpr int kFirstLabel = 2745;
    static constexpr int kFirst = 2746;
    static constexpr int kSecondLabel = 2747;
    static constexpr int kSecond = 2748;
    static constexpr int kNumberLabel = 2749;
    static constexpr int kNumber = 2750;
    static constexpr int kTable = 2751;
    static constexpr int kAddRow = 2752;
    static constexpr int kRemoveRow = 2753;
    // The value cells: edit cells of at most 100 characters.
    static constexpr DWORD kValueStyle = 0x400000;
    static constexpr int kValueLength = 100;

    explicit CTabMacroVariables(CWnd* parent = nullptr);

    MacroSettingsData* data_ = nullptr;

    BOOL OnInitDialog() override;
    // The choices, the number and the table replace the record's. Rows without a name are
    // left out; names used twice (whatever their case) are refused with a message, and the
    // record then keeps what it held.
    bool commit() override;

    Vdn_Spread& table() { return table_; }

private:
    void addRow();

    Vdn_Spread table_;
};
