#pragma once
// CDlgSettingsTemplate: a two-pane settings browser (template 348, "DLG_WS_SETTINGS"): a tree
// of items on the left and, on the right, the page of the selected item. A subclass supplies
// the texts, the items and the pages; the frame creates one page per type name, lazily, and
// destroys them with itself.
//
// The tree's rows map to items through an explicit table, so an item that cannot be placed
// (its parent is not found) never shifts the items after it.

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/ui/dialogs/CDialog.h"
#include "spreadsheet/tree/TfTreeSpread.h"
#include "workshop/TfSettingsSubDlgType.h"
#include "workshop/TfTreeItem.h"

#include <vector>

class CDlgSettingsTemplate : public CDialog {
public:
    static constexpr UINT IDD = 348;
    static constexpr int kTree = 2250;
    static constexpr int kSeparator = 2251;
    static constexpr int kAddButton = 2252;
    static constexpr int kRemoveButton = 2253;

    explicit CDlgSettingsTemplate(CWnd* parent = nullptr);
    ~CDlgSettingsTemplate() override;

    BOOL OnInitDialog() override;
    void OnOK() override;

    // Shows item (saving the page of the current one first). eInvalidInput for an item outside
    // the list or one whose page cannot be made.
    Acad::ErrorStatus selectItem(int item);
    // Rebuilds the items and the tree after a structural change and shows the first item.
    // Callers save the current page before they change the structure.
    void refreshTree();
    // Lets the current page write its controls into the settings.
    void saveCurrent();

    int currentItem() const { return current_; }
    const std::vector<TfTreeItem>& items() const { return items_; }
    // The tree row (from 1) of an item, or -1 when the item is not shown.
    int rowOfItem(int item) const;
    TfTreeSpread& tree() { return tree_; }
    // The page showing the current item, or null.
    CDlgGeneralSettingsChild* currentPage() const;

protected:
    virtual void GetDialogTexts(Vdn_String& caption, Vdn_String& addText,
                                Vdn_String& removeText) = 0;
    virtual void FillTreeItems(TfTreeSpread& tree, std::vector<TfTreeItem>& items) = 0;
    // A new page for the type name with its template number; null when there is none.
    virtual std::unique_ptr<CDlgGeneralSettingsChild> CreateSubDialog(const Vdn_String& typeName,
                                                                      UINT& templateId) = 0;
    virtual void AddItem(int current);
    virtual void RemoveItem(int current);

private:
    void buildTree();
    CDlgGeneralSettingsChild* pageOfType(const Vdn_String& typeName);
    void placePage(CWnd& page);

    TfTreeSpread tree_;
    std::vector<TfSettingsSubDlgType> subDialogs_;
    std::vector<TfTreeItem> items_;
    int current_ = -1;
    // The item of each tree row (row r at r - 1).
    std::vector<int> rowItems_;
};
