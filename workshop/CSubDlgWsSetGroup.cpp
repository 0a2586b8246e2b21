#include "workshop/CSubDlgWsSetGroup.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/core/workshop/WsUiNamingItems.h"
#include "platform/core/workshop/WsUiSubGroupSettings.h"
#include "platform/ui/dialogs/NumberedItemTexts.h"
#include "platform/ui/windows/WinConstants.h"
#include "workshop/CDlgWsSettings.h"
#include "workshop/WsPageFields.h"

using namespace wspage;

namespace {

constexpr int kChangeText = 132;
constexpr int kRenameText = 1792;
constexpr int kPlatesText = 2314;
constexpr int kMembersText = 2315;
constexpr int kMarksText = 2363;

} // namespace

CSubDlgWsSetGroup::CSubDlgWsSetGroup(CWnd* parent) : CDlgGeneralSettingsChild(IDD, parent) {
    onCommand(kRenameButton, BN_CLICKED, [this] {
        if (auto* owner = dynamic_cast<CDlgWsSettings*>(GetParent()))
            owner->renameGroup(item_);
    });
}

Acad::ErrorStatus CSubDlgWsSetGroup::LoadFromSettings(int item) {
    WsUiGlobalSettings* settings = nullptr;
    WsUiSettingPath path;
    if (CDlgWsSettings::GetSettingsAndPath(this, item, settings, path) != Acad::eOk)
        return Acad::eInvalidInput;
    for (const int id : {kFilterButton, kPageButton, kGenerateButton})
        setNumberedItemTexts(*this, {{id, kChangeText}, {kRenameButton, kRenameText}});
    fillCombo(*this, kTypeCombo,
              {string(kPlatesText), string(kMembersText), string(kMarksText),
               Vdn_String(L"User Object Group")});
    Vdn_String name;
    settings->getSetting(createPath(path, L"mGroupName"), name);
    loadText(*this, kNameEdit, *settings, path, L"mGroupName");
    loadChoice(*this, kTypeCombo, *settings, path, L"mType");
    Vdn_Array<int> properties;
    Vdn_StringArray values;
    settings->getSetting(createPath(path, L"mFilterProperties"), properties);
    settings->getSetting(createPath(path, L"mFilterValues"), values);
    Vdn_String summary;
    for (int i = 0; i < std::min(properties.length(), values.length()); ++i) {
        if (i > 0)
            summary += L" ; ";
        summary += getPrPlPropertyDesc(properties[i]) + L"=" + values[i];
    }
    SetDlgItemText(kFilterEdit, summary.str());
    const bool base = WsUiSubGroupSettings::isBaseGroupName(name);
    enable(*this, kTypeCombo, !base);
    enable(*this, kFilterButton, !base);
    item_ = item;
    return Acad::eOk;
}

Acad::ErrorStatus CSubDlgWsSetGroup::SaveToSettings(int item) {
    WsUiGlobalSettings* settings = nullptr;
    WsUiSettingPath path;
    if (CDlgWsSettings::GetSettingsAndPath(this, item, settings, path) != Acad::eOk)
        return Acad::eInvalidInput;
    Vdn_String name;
    settings->getSetting(createPath(path, L"mGroupName"), name);
    // The model refuses a base group's type anyway; do not even try.
    if (!WsUiSubGroupSettings::isBaseGroupName(name))
        saveChoice(*this, kTypeCombo, *settings, path, L"mType");
    return Acad::eOk;
}
