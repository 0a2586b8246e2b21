#include "workshop/CDlgWsSettings.h"

#include "module/ModalLauncher.h"
#include "platform/core/text/StringHelpers.h"
#include "platform/core/workshop/WsUiMessages.h"
#include "platform/ui/windows/WinApi.h"
#include "platform/ui/windows/WinConstants.h"
#include "workshop/CSubDlgWsSetAssembly.h"
#include "workshop/CSubDlgWsSetAssemblyView.h"
#include "workshop/CSubDlgWsSetGlobal.h"
#include "workshop/CSubDlgWsSetGroup.h"
#include "workshop/CSubDlgWsSetViews.h"
#include "workshop/WsNamePrompt.h"

namespace {

const wchar_t* const kCaption = L"Algemene werkplaatstekeningen instellingen";
const wchar_t* const kAddText = L"Nieuwe Groep";
const wchar_t* const kRemoveText = L"Groep verwijderen";
const wchar_t* const kGlobalLabel = L"Algemeen";
const wchar_t* const kAssemblyLabel = L"Werkstuk";
const wchar_t* const kViewsLabel = L"Zichten";
const wchar_t* const kGlobalType = L"GlobalDlg";
const wchar_t* const kGroupType = L"GroupDlg";
const wchar_t* const kAssemblyType = L"AssemblyDlg";
const wchar_t* const kViewsType = L"ViewsDlg";
const wchar_t* const kViewType = L"AssemblyViewDlg";
const wchar_t* const kGroups = L"mGroupedSettings";
const wchar_t* const kAssembly = L"mAssemblySettings";
const wchar_t* const kViews = L"mViews";
const wchar_t* const kNewGroupQuestion = L"Geef een unieke naam voor de nieuwe groep:";
const wchar_t* const kGroupQuestion = L"Geef een unieke naam voor de groep:";
const wchar_t* const kNewViewQuestion = L"Geef een unieke naam voor het nieuwe zicht:";
const wchar_t* const kViewQuestion = L"Geef een unieke naam voor het zicht:";
const wchar_t* const kRemoveGroupFirst = L"Bent u zeker dat u de groep";
const wchar_t* const kRemoveViewFirst = L"Bent u zeker dat u het zicht";
const wchar_t* const kRemoveSecond = L"met al zijn instellingen wenst te verwijderen?";

void warnBaseGroup() {
    AfxMessageBox(core::wsUiBaseGroupsText().str(), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

CDlgWsSettings::CDlgWsSettings(CWnd* parent) : CDlgSettingsTemplate(parent) {}

void CDlgWsSettings::GetDialogTexts(Vdn_String& caption, Vdn_String& addText,
                                    Vdn_String& removeText) {
    caption = kCaption;
    addText = kAddText;
    // Without it a group could be added but never removed again.
    removeText = kRemoveText;
}

void CDlgWsSettings::FillTreeItems(TfTreeSpread&, std::vector<TfTreeItem>& items) {
    items.clear();
    paths_.clear();
    const auto add = [&](const Vdn_String& label, const wchar_t* type, const Vdn_String& parent,
                         const WsUiSettingPath& path) {
        items.push_back({label, type, parent});
        paths_.push_back(path);
    };
    add(kGlobalLabel, kGlobalType, Vdn_String(), WsUiSettingPath());
    for (int g = 0; g < settings_.nrGroups(); ++g) {
        const WsUiSubGroupSettings* group = settings_.getGroup(g);
        const Vdn_String& name = group->groupName();
        const WsUiSettingPath groupPath = createPath(createPath(WsUiSettingPath(), kGroups), name);
        const WsUiSettingPath assemblyPath = createPath(groupPath, kAssembly);
        add(name, kGroupType, kGlobalLabel, groupPath);
        add(kAssemblyLabel, kAssemblyType, name, assemblyPath);
        add(kViewsLabel, kViewsType, name, groupPath);
        const WsUiAssemblySettings& assembly = group->assemblySettings();
        for (int v = 0; v < assembly.nrViews(); ++v) {
            const Vdn_String& view = assembly.getView(v)->viewName();
            add(view, kViewType, name, createPath(createPath(assemblyPath, kViews), view));
        }
    }
}

std::unique_ptr<CDlgGeneralSettingsChild>
CDlgWsSettings::CreateSubDialog(const Vdn_String& typeName, UINT& templateId) {
    std::unique_ptr<CDlgGeneralSettingsChild> page;
    if (typeName == kGlobalType) {
        page = std::make_unique<CSubDlgWsSetGlobal>();
        templateId = CSubDlgWsSetGlobal::IDD;
    } else if (typeName == kGroupType) {
        page = std::make_unique<CSubDlgWsSetGroup>();
        templateId = CSubDlgWsSetGroup::IDD;
    } else if (typeName == kAssemblyType) {
        page = std::make_unique<CSubDlgWsSetAssembly>();
        templateId = CSubDlgWsSetAssembly::IDD;
    } else if (typeName == kViewsType) {
        page = std::make_unique<CSubDlgWsSetViews>();
        templateId = CSubDlgWsSetViews::IDD;
    } else if (typeName == kViewType) {
        page = std::make_unique<CSubDlgWsSetAssemblyView>();
        templateId = CSubDlgWsSetAssemblyView::IDD;
    }
    return page;
}

Acad::ErrorStatus CDlgWsSettings::GetSettingsAndPath(const CWnd* child, int item,
                                                     WsUiGlobalSettings*& settings,
                                                     WsUiSettingPath& path) {
    auto* owner = child == nullptr ? nullptr : dynamic_cast<CDlgWsSettings*>(child->GetParent());
    if (owner == nullptr || item < 0 || item >= static_cast<int>(owner->paths_.size()))
        return Acad::eInvalidInput;
    settings = &owner->settings_;
    path = owner->paths_[static_cast<std::size_t>(item)];
    return Acad::eOk;
}

WsUiSettingPath CDlgWsSettings::groupPathOf(int item) const {
    if (item < 0 || item >= static_cast<int>(paths_.size()))
        return WsUiSettingPath();
    WsUiSettingPath path = paths_[static_cast<std::size_t>(item)];
    const int at = path.findPath(kGroups);
    if (at < 0 || path.length() < at + 2)
        return WsUiSettingPath();
    path.removeAllPathsFrom(at + 2);
    return path;
}

void CDlgWsSettings::AddItem(int) {
    saveCurrent();
    Vdn_String name;
    const Vdn_StringArray names = settings_.allGroupNames();
    if (!askUniqueName(this, kNewGroupQuestion, findNonExistingString(names, L"Groep"), names,
                       name))
        return;
    WsUiSubGroupSettings group;
    group.setGroupName(name);
    if (settings_.appendGroup(group) != Acad::eOk)
        return;
    refreshTree();
}

bool CDlgWsSettings::changeableGroupOf(int item, Vdn_String& name) {
    const WsUiSettingPath path = groupPathOf(item);
    if (path.isEmpty() || settings_.getSetting(createPath(path, L"mGroupName"), name) != Acad::eOk)
        return false;
    if (WsUiSubGroupSettings::isBaseGroupName(name)) {
        warnBaseGroup();
        return false;
    }
    saveCurrent();
    return true;
}

void CDlgWsSettings::RemoveItem(int current) {
    Vdn_String name;
    if (!changeableGroupOf(current, name))
        return;
    if (!confirmRemoval(kRemoveGroupFirst, name, kRemoveSecond))
        return;
    if (settings_.removeGroup(name) == Acad::eOk)
        refreshTree();
}

void CDlgWsSettings::renameGroup(int item) {
    Vdn_String name;
    if (!changeableGroupOf(item, name))
        return;
    Vdn_String newName;
    if (!askUniqueName(this, kGroupQuestion, name, settings_.allGroupNames(), newName))
        return;
    if (settings_.renameGroup(name, newName) == Acad::eOk)
        refreshTree();
}

void CDlgWsSettings::addView(int item) {
    WsUiAssemblySettings* assembly = settings_.assemblySettings(groupPathOf(item));
    if (assembly == nullptr)
        return;
    saveCurrent();
    const Vdn_StringArray names = assembly->viewNames();
    Vdn_String name;
    if (!askUniqueName(this, kNewViewQuestion, findNonExistingString(names, L"Nieuw zicht"), names,
                       name))
        return;
    WsUiAssemblyViewSettings view;
    view.setViewName(name);
    if (assembly->appendView(view) == Acad::eOk)
        refreshTree();
}

void CDlgWsSettings::renameView(int item, int view) {
    WsUiAssemblySettings* assembly = settings_.assemblySettings(groupPathOf(item));
    if (assembly == nullptr || assembly->getView(view) == nullptr)
        return;
    saveCurrent();
    Vdn_String name;
    if (!askUniqueName(this, kViewQuestion, assembly->getView(view)->viewName(),
                       assembly->viewNames(), name))
        return;
    if (assembly->renameView(view, name) == Acad::eOk)
        refreshTree();
}

void CDlgWsSettings::eraseView(int item, int view) {
    WsUiAssemblySettings* assembly = settings_.assemblySettings(groupPathOf(item));
    if (assembly == nullptr || assembly->getView(view) == nullptr)
        return;
    saveCurrent();
    if (!confirmRemoval(kRemoveViewFirst, assembly->getView(view)->viewName(), kRemoveSecond))
        return;
    if (assembly->eraseView(view) == Acad::eOk)
        refreshTree();
}

bool StartDlgWsSettings(WsUiGlobalSettings& settings) {
    return frame::runModalLauncher<CDlgWsSettings>(&CDlgWsSettings::settings_, settings,
                                                   frame::CopyBack::OnOk);
}
