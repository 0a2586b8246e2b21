#pragma once
// CDlgWsSettings: the browser of the global workshop-drawing settings. It edits its own working
// copy (settings_); the launcher copies it back on OK only, so Cancel discards every change,
// structural ones included. Each tree item has its settings path, in paths_ beside the items.
// Group names are compared without regard to case; the four base groups cannot be renamed or
// removed.

#include "platform/core/workshop/WsUiGlobalSettings.h"
#include "workshop/CDlgSettingsTemplate.h"

class CDlgWsSettings : public CDlgSettingsTemplate {
public:
    explicit CDlgWsSettings(CWnd* parent = nullptr);

    WsUiGlobalSettings settings_;

    // The working copy and the path of an item, for the page child (whose parent must be a
    // workshop dialog). eInvalidInput when the child is missing, has no such parent, or the
    // item is outside the list.
    static Acad::ErrorStatus GetSettingsAndPath(const CWnd* child, int item,
                                                WsUiGlobalSettings*& settings,
                                                WsUiSettingPath& path);

    const std::vector<WsUiSettingPath>& paths() const { return paths_; }

    // The structural changes of the pages: each saves the current page first and refreshes
    // the tree after a change.
    void renameGroup(int item);
    void addView(int item);
    void renameView(int item, int view);
    void eraseView(int item, int view);

protected:
    void GetDialogTexts(Vdn_String& caption, Vdn_String& addText, Vdn_String& removeText) override;
    void FillTreeItems(TfTreeSpread& tree, std::vector<TfTreeItem>& items) override;
    std::unique_ptr<CDlgGeneralSettingsChild> CreateSubDialog(const Vdn_String& typeName,
                                                              UINT& templateId) override;
    void AddItem(int current) override;
    void RemoveItem(int current) override;

private:
    // The path of the group that the item lies in, or an empty path.
    WsUiSettingPath groupPathOf(int item) const;
    // The name of the item's group when it may be renamed or removed (the current page saved
    // first); a base group is refused with its warning.
    bool changeableGroupOf(int item, Vdn_String& name);

    std::vector<WsUiSettingPath> paths_;
};

// Runs the workshop settings dialog on a working copy of settings; on OK copies it back and
// returns true, otherwise leaves settings untouched.
bool StartDlgWsSettings(WsUiGlobalSettings& settings);
