#pragma once
// CDlgMacro: the macro dialog (template 8131, "DLG_MACRO"). Each tab of the macro record is a
// page of the tab control; a value changed on a page goes to the model at once, which
// recalculates, and every page shows the new values. OK, Cancel and the close box only close.
// Modal through StartDlgMacro, modeless through StartDlgMacroModeless (the dialog then lives
// in a slot of the modeless macro dialogs until EndDlgMacroModeless).

#include "macro/dialog/CMacroTabGeneral.h"
#include "macro/dialog/MacroPageHost.h"
#include "platform/host/CAdUiBaseDialog.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/controls/CResizer.h"

#include <array>
#include <map>
#include <memory>
#include <vector>

class CDlgMacro : public CAdUiBaseDialog, public MacroPageHost {
public:
    static constexpr UINT IDD = 8131;
    static constexpr int kTabs = 8097;
    static constexpr int kSelectMacros = 1176;
    static constexpr int kFilter1 = 1177;
    static constexpr int kFilter2 = 1178;
    static constexpr int kViewButtons[] = {1181, 1182, 1183, 1184};
    static constexpr int kLoadFromStandards = 1185;
    static constexpr int kClashCheck = 1292;
    static constexpr int kReApply = 1293;
    static constexpr int kLoadProperties = 1299;
    static constexpr int kSaveProperties = 1302;

    explicit CDlgMacro(CWnd* parent = nullptr);
    ~CDlgMacro() override;

    // The modeless table's interface.
    void setSlot(int slot) { slot_ = slot; }
    MacroData& macroData() override { return data_; }
    int slot() const override { return slot_; }
    void refreshAllPages() override;
    void closeFromPage() override { OnCancel(); }

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

    // The key the window size is kept under ("DLG_MACRO_" + sizeKeyOf(data)).
    static Vdn_String sizeKeyOf(const MacroData& data);
    // The page of tab index, or null (tabs of unknown kinds have no page).
    CMacroTabGeneral* page(int tabIndex) const;
    int currentTab() const { return current_; }
    void showTab(int tabIndex);
    // A properties-file name the user may give: no folder parts, no "..", no reserved
    // characters, not empty.
    static bool isUsableFileName(const Vdn_String& name);

private:
    void buildPages();
    void placePages();
    void fillFilters();
    void chooseFilter(bool first);
    void changeView(int direction);
    void selectOtherMacros();
    void loadFromStandards();
    void loadProperties();
    // Asks for a properties file in the filtered open/save dialog (mode: open or save); false
    // on Cancel or for a name that cannot be a file name (the user is told).
    bool choosePropertiesFile(int mode, Vdn_String& path);
    void saveProperties();
    void reApply();
    void close();
    void rebuildAfterChange();
    int tabControlIndexOf(int tabIndex) const;

    MacroData data_;
    int slot_ = -1;
    std::vector<std::unique_ptr<CMacroTabGeneral>> pages_; // one per tab; null: no page
    std::vector<int> pageTabs_;                            // tab index of each tab-control item
    int current_ = -1;
    bool shownOnce_ = false;
    bool closing_ = false;
    std::map<std::wstring, CMacroTabGeneral::FocusMemory> focus_; // by upper-case tab name
    std::array<CButtonST, 8> imageButtons_;
    CResizer resizer_;
    CSize minTrackSize_{50, 50};
    Vdn_String sizeKey_;
};

// Runs the macro dialog modally on data and copies the record back.
void StartDlgMacro(MacroData& data);
// Opens the macro dialog modeless on a copy of data in a slot of the modeless macro dialogs;
// GetDlgMacroData(slot) reads the live record. False when it cannot be made.
bool StartDlgMacroModeless(bool keepFocus, MacroData& data, int& slot);
