#pragma once
// CDlgMacroSettings: the macro settings dialog (template 370, "DLG_MACRO_SETTINGS"). Six pages
// in a tab control edit one MacroSettingsData: the filters, the second filters, the filter
// properties, the variables, the groups and the standards mapping. The caller sets data_ (and
// macro_, whose modules and values the mapping page offers), runs DoModal and on OK takes
// data_ back. The mappings the mapping page made are written into the sheets' mapping files
// on OK (unless writeMappings_ is off); Cancel leaves every file as it was.

#include "macro/settings/CTabMacroFilter.h"
#include "macro/settings/CTabMacroFilter2.h"
#include "macro/settings/CTabMacroFilterProps.h"
#include "macro/settings/CTabMacroGroups.h"
#include "macro/settings/CTabMacroMapping.h"
#include "macro/settings/CTabMacroVariables.h"
#include "platform/core/model/MacroSettingsData.h"
#include "platform/ui/dialogs/CDialog.h"

class Vdn_DbMacro;

class CDlgMacroSettings : public CDialog {
public:
    static constexpr UINT IDD = 370;
    static constexpr int kTabs = 2700;
    enum Page {
        kFilterPage = 0,
        kFilter2Page = 1,
        kPropertiesPage = 2,
        kVariablesPage = 3,
        kGroupsPage = 4,
        kMappingPage = 5,
        kPageCount = 6
    };

    explicit CDlgMacroSettings(CWnd* parent = nullptr);

    MacroSettingsData data_;
    Vdn_DbMacro* macro_ = nullptr;
    bool writeMappings_ = true;
    // The page shown first.
    int startPage_ = kFilterPage;

    BOOL OnInitDialog() override;
    // Every page commits what it shows; a page that refuses keeps the dialog open on it. Then
    // the waiting mappings are written; when one cannot be, the user is told and the dialog
    // stays.
    void OnOK() override;

    int currentPage() const { return page_; }
    CTabMacroFilter& filterPage() { return filter_; }
    CTabMacroFilter2& filter2Page() { return filter2_; }
    CTabMacroFilterProps& propertiesPage() { return properties_; }
    CTabMacroVariables& variablesPage() { return variables_; }
    CTabMacroGroups& groupsPage() { return groups_; }
    CTabMacroMapping& mappingPage() { return mapping_; }

private:
    MacroSettingsPage* page(int index);
    void showPage(int index);
    void placePages();

    CTabMacroFilter filter_;
    CTabMacroFilter2 filter2_;
    CTabMacroFilterProps properties_;
    CTabMacroVariables variables_;
    CTabMacroGroups groups_;
    CTabMacroMapping mapping_;
    int page_ = -1;
};
