#pragma once
// CTabMacroGroups: the groups page of the macro settings (template 375): the two texts of the
// grouping and a table with per entry its name (locked), its text and the number of its group
// (a pick list: none, then 1 to the number of rows).

#include "macro/settings/MacroSettingsPage.h"
#include "platform/core/model/MacroSettingsData.h"
#include "spreadsheet/Vdn_Spread.h"

class CTabMacroGroups : public MacroSettingsPage {
public:
    static constexpr UINT IDD = 375;
    static constexpr int kExplanation = 2754;
    static constexpr int kText1Label = 2755;
    static constexpr int kText2Label = 2756;
    static constexpr int kText1 = 1182;
    static constexpr int kText2 = 1018;
    static constexpr int kTable = 1196;

    explicit CTabMacroGroups(CWnd* parent = nullptr);

    MacroSettingsData* data_ = nullptr;

    BOOL OnInitDialog() override;
    // Both texts and the table replace the record's; rows without a name are left out.
    bool commit() override;

    Vdn_Spread& table() { return table_; }

private:
    Vdn_Spread table_;
};
