#pragma once
// CTabMacroFilterProps: the filter-properties page of the macro settings (template 373). An
// entry list; for the chosen entry a one-column table of its texts and the module picture
// (a user design) it shows. Choosing another entry first stores the shown one.

#include "macro/settings/MacroSettingsPage.h"
#include "platform/core/model/MacroSettingsData.h"
#include "spreadsheet/Vdn_Spread.h"

class CTabMacroFilterProps : public MacroSettingsPage {
public:
    static constexpr UINT IDD = 373;
    static constexpr int kExplanation = 1175;
    static constexpr int kEntryLabel = 1280;
    static constexpr int kTextsLabel = 1281;
    static constexpr int kEntries = 1282;
    static constexpr int kImageLabel = 1318;
    static constexpr int kImages = 1322;
    static constexpr int kTexts = 2741;
    static constexpr int kAddRow = 2742;
    static constexpr int kRemoveRow = 2743;

    explicit CTabMacroFilterProps(CWnd* parent = nullptr);

    MacroSettingsData* data_ = nullptr;

    BOOL OnInitDialog() override;
    // Stores the shown entry.
    bool commit() override;

    int shownEntry() const { return shown_; }
    Vdn_Spread& textsSheet() { return texts_; }

private:
    void show(int index);
    void enableControls();

    Vdn_Spread texts_;
    int shown_ = -1;
};
