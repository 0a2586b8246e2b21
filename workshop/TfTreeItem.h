#pragma once
// One item of a settings browser's tree: its label, the type name of the page that shows it,
// and the label of its parent item (empty for a top-level item).

#include "platform/core/text/Vdn_String.h"

struct TfTreeItem {
    Vdn_String label;
    Vdn_String typeName;
    Vdn_String parentLabel;

    bool operator==(const TfTreeItem&) const = default;
};
