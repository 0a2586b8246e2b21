#pragma once
// CDlgEditLibSections: the section-library editor (template 209, "DLG_EDIT_SECTIONLIB"). Three
// pages in a tab control edit one DlgEditLibData: the groups, the section types and the value
// tables. The caller sets mData (and mStartName to open at a size, "HEA-200"), runs DoModal
// and on OK takes mData back; the value tables are files the values page writes itself.

#include "library/CTabEditLibGroups.h"
#include "library/CTabEditLibTypes.h"
#include "library/CTabEditLibValues.h"
#include "platform/core/sections/DlgEditLibData.h"
#include "platform/ui/dialogs/CDialog.h"

class CDlgEditLibSections : public CDialog {
public:
    static constexpr UINT IDD = 209;
    static constexpr const wchar_t* kSizeKey = L"DLG_EDIT_SECTIONLIB";
    static constexpr int kTabs = 2300;
    enum Page { kGroupsPage = 0, kTypesPage = 1, kValuesPage = 2 };

    explicit CDlgEditLibSections(CWnd* parent = nullptr);

    DlgEditLibData mData;
    Vdn_String mStartName;

    BOOL OnInitDialog() override;
    // The values page leaves its table first; when the table stays, so does the dialog.
    void OnOK() override;

    int currentPage() const { return mPage; }
    CTabEditLibValues& valuesPage() { return mValues; }

protected:
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

private:
    void showPage(int page);
    void placePages();

    CTabEditLibGroups mGroups;
    CTabEditLibTypes mTypes;
    CTabEditLibValues mValues;
    int mPage = -1;
    CSize mMinTrackSize{50, 50};
};
