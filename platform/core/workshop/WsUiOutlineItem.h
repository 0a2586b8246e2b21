#pragma once

#include "platform/core/workshop/WsUiSettingPath.h"

// One item of the tree through which the workshop settings are browsed.
struct WsUiOutlineItem {
    Vdn_String label;
    // The kind of page that shows the item: "GlobalDlg", "GroupDlg", "AssemblyDlg", "ViewsDlg"
    // or "AssemblyViewDlg".
    Vdn_String typeName;
    // The label of the item it hangs under; empty for a top-level item.
    Vdn_String parentLabel;
    WsUiSettingPath path;
    // 0 for the top level.
    int level = 0;
    // A base group's own item: it cannot be renamed or removed.
    bool isProtected = false;

    friend bool operator==(const WsUiOutlineItem&, const WsUiOutlineItem&) = default;
};
