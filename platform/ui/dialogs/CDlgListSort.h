#pragma once
// CDlgListSort: the core module's list dialog (template 346, "DLG_LISTSORT"). The left list
// holds the available items not chosen yet, the right list the chosen ones in order; buttons
// move the selected item across or up and down. The dialog edits its own copy of data_;
// StartListSortDlg copies it back on OK.

#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/dialogs/DlgListSortData.h"

class CDlgListSort : public CDialog {
public:
    static constexpr UINT IDD = 346;
    static constexpr int kPrompt = 2200;
    static constexpr int kAvailableList = 2202;
    static constexpr int kChosenList = 2204;
    static constexpr int kAddButton = 2205;
    static constexpr int kRemoveButton = 2206;
    static constexpr int kUpButton = 2207;
    static constexpr int kDownButton = 2208;

    explicit CDlgListSort(CWnd* parent = nullptr);

    DlgListSortData data_;

    BOOL OnInitDialog() override;

private:
    // Refills both lists from data_.chosenItems, selecting chosen item `selected` (-1: none).
    void fillLists(int selected);
    void addChosen();
    void removeChosen();
    void moveChosen(int step);
    void updateButtons();
};

// Runs the list dialog on data; true, with data.chosenItems the user's choice, on OK.
bool StartListSortDlg(DlgListSortData& data);
