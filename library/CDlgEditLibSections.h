#pragma once
// CDlgEditLibSections: the section-library editor (template 209, "DLG_EDIT_SECTIONLIB"). Three
// pages in a tab control edit one DlgEditLibData: the groups, the section types and the value
// tables. The caller sets data_ (and startName_ to open at a size, "HEA-200"), runs DoModal
// and on OK takes data_ back; the value tables are files the values page writes itself.

#include "library/CTabEditLibGroups.h"
#include "library/CTabEditLibTypes.h"
#include "library/CTabEditLibValues.h"
#include "platform/core/sections/DlgEditLibData.h"
#include "platform/ui/dialogs/ResizableDialog.h"

class CDlgEditLibSections : public ResizableDialog {
public:
    static constexpr UINT IDD = 209;
    static constexpr const wchar_t* kSizeKey = L"DLG_EDIT_SECTIONLIB";
    static constexpr int kTabs = 2300;
    enum Page { kGroupsPage = 0, kTypesPage = 1, kValuesPage = 2 };

    explicit CDlgEditLibSections(CWnd* parent = nullptr);

    DlgEditLibData data_;
    Vdn_String startName_;

    BOOL OnInitDialog() override;
    // The values page leaves its table first; when the table stays, so does the dialog.
    void OnOK() override;

    int currentPage() const { return page_; }
    CTabEditLibValues& valuesPage() { return values_; }

protected:
    void OnSize(UINT type, int cx, int cy) override;

private:
    void showPage(int page);
    void placePages();

    CTabEditLibGroups groups_;
    CTabEditLibTypes types_;
    CTabEditLibValues values_;
    int page_ = -1;
};
