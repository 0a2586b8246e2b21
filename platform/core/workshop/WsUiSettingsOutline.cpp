#include "platform/core/workshop/WsUiSettingsOutline.h"

Vdn_Array<WsUiOutlineItem> wsUiSettingsOutline(const WsUiGlobalSettings& settings) {
    Vdn_Array<WsUiOutlineItem> items;
    const Vdn_String root = L"Algemeen";
    items.append({root, L"GlobalDlg", {}, {}, 0, false});
    for (int g = 0; g < settings.nrGroups(); ++g) {
        const WsUiSubGroupSettings& group = *settings.getGroup(g);
        const WsUiSettingPath groupPath =
            createPath(createPath({}, L"mGroupedSettings"), group.groupName());
        const WsUiSettingPath assemblyPath = createPath(groupPath, L"mAssemblySettings");
        items.append({group.groupName(), L"GroupDlg", root, groupPath, 1, group.isProtected()});
        items.append({L"Werkstuk", L"AssemblyDlg", group.groupName(), assemblyPath, 2, false});
        items.append({L"Zichten", L"ViewsDlg", group.groupName(), groupPath, 2, false});
        const WsUiAssemblySettings& assembly = group.assemblySettings();
        for (int v = 0; v < assembly.nrViews(); ++v) {
            const Vdn_String& view = assembly.getView(v)->viewName();
            items.append({view, L"AssemblyViewDlg", group.groupName(),
                          createPath(createPath(assemblyPath, L"mViews"), view), 2, false});
        }
    }
    return items;
}
