#include "platform/ui/controls/IconButton.h"

#include "platform/ui/controls/CButtonST.h"

bool attachIconButton(CButtonST& button, CWnd* parent, int id, UINT icon, const std::wstring& tip) {
    if (!button.SubclassDlgItem(static_cast<UINT>(id), parent))
        return false;
    button.SetIcon(icon);
    button.SetTooltipText(tip);
    return true;
}
