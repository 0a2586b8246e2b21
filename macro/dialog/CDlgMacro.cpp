#include "macro/dialog/CDlgMacro.h"

#include "dialogs/CDlgOpenSave.h"
#include "macro/dialog/CMacroTabProf.h"
#include "macro/dialog/MacroPageTexts.h"
#include "module/ModelessMacroDialogs.h"
#include "module/ResourceSwitch.h"
#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/host/CommandLineApi.h"
#include "platform/host/DrawingPicks.h"
#include "platform/host/HostWindows.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CTabCtrl.h"
#include "platform/ui/controls/FillCombo.h"
#include "platform/ui/controls/IconButton.h"
#include "platform/ui/dialogs/DlgSize.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr const wchar_t* kSizePrefix = L"DLG_MACRO_";
constexpr const wchar_t* kLoadFromStandardsTip = L"Load from standards";
constexpr int kTopView = 3;
// Where a page sits in the tab control: below the row of tabs.
constexpr int kHeaderHeight = 22;

struct ImageButton {
    int id;
    int tip; // 0: the literal tooltip
    UINT icon;
};
constexpr ImageButton kImageButtons[] = {
    {CDlgMacro::kSelectMacros, macropage::kSelectMacrosTip, 217},
    {CDlgMacro::kViewButtons[0], macropage::kFirstViewTip, 270},
    {CDlgMacro::kViewButtons[1], macropage::kFirstViewTip + 1, 271},
    {CDlgMacro::kViewButtons[2], macropage::kFirstViewTip + 2, 272},
    {CDlgMacro::kViewButtons[3], macropage::kFirstViewTip + 3, 273},
    {CDlgMacro::kLoadFromStandards, 0, 274},
    {CDlgMacro::kLoadProperties, macropage::kLoadPropertiesTip, 275},
    {CDlgMacro::kSaveProperties, macropage::kSavePropertiesTip, 276},
};
// The view each view button sets, in button order.
constexpr int kViewDirections[] = {3, 0, 1, 2};

using Border = CResizer::CBorder;
constexpr Border kNearLeft(CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eLeft);
constexpr Border kNearTop(CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eTop);
constexpr Border kFarRight(CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eRight);
constexpr Border kFarBottom(CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eBottom);
constexpr Border kKeepWidth(CResizer::eWidth);
constexpr Border kKeepHeight(CResizer::eHeight);

constexpr CResizer::CBorderInfo kLayout[] = {
    {CDlgMacro::kTabs, kNearLeft, kNearTop, kFarRight, kFarBottom},
    {CDlgMacro::kFilter1, kKeepWidth, kNearTop, kFarRight, kKeepHeight},
    {CDlgMacro::kFilter2, kKeepWidth, kNearTop, kFarRight, kKeepHeight},
    {CDlgMacro::kReApply, kNearLeft, kKeepHeight, kKeepWidth, kFarBottom},
    {IDOK, kKeepWidth, kKeepHeight, kFarRight, kFarBottom},
    {IDCANCEL, kKeepWidth, kKeepHeight, kFarRight, kFarBottom},
};

std::wstring upper(const Vdn_String& text) {
    return text.toUpper().str();
}

} // namespace

CDlgMacro::CDlgMacro(CWnd* parent) : CAdUiBaseDialog(IDD, parent) {
    onNotify(kTabs, TCN_SELCHANGE, [this](NMHDR*, LRESULT*) {
        if (auto* tabs = dynamic_cast<CTabCtrl*>(GetDlgItem(kTabs))) {
            const int item = tabs->GetCurSel();
            if (item >= 0 && item < static_cast<int>(pageTabs_.size()))
                showTab(pageTabs_[static_cast<std::size_t>(item)]);
        }
    });
    onCommand(kSelectMacros, BN_CLICKED, [this] { selectOtherMacros(); });
    for (int i = 0; i < 4; ++i)
        onCommand(kViewButtons[i], BN_CLICKED, [this, i] { changeView(kViewDirections[i]); });
    onCommand(kLoadFromStandards, BN_CLICKED, [this] { loadFromStandards(); });
    onCommand(kLoadProperties, BN_CLICKED, [this] { loadProperties(); });
    onCommand(kSaveProperties, BN_CLICKED, [this] { saveProperties(); });
    onCommand(kClashCheck, BN_CLICKED, [this] {
        clashSetStatus(IsDlgButtonChecked(kClashCheck) == BST_CHECKED);
        clashcheck(slot_, data_.objectIds);
    });
    onCommand(kReApply, BN_CLICKED, [this] { reApply(); });
    onCommand(kFilter1, CBN_SELCHANGE, [this] { chooseFilter(true); });
    onCommand(kFilter2, CBN_SELCHANGE, [this] { chooseFilter(false); });
}

CDlgMacro::~CDlgMacro() = default;

Vdn_String CDlgMacro::sizeKeyOf(const MacroData& data) {
    Vdn_String key = L"EDITVARS_";
    if (data.objectIds.length() != 1) {
        const Vdn_String group = data.currentGroup();
        if (!group.isEmpty())
            key += L"GROUP_" + group;
        else
            key += Vdn_String(data.objectIds.length()) + L"_MACROS";
    } else {
        key += data.name;
    }
    return key;
}

BOOL CDlgMacro::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    SetDlgItemText(kReApply, dialString(macropage::kReApplyText).str());
    SetDlgItemText(IDOK, dialString(1).str());
    SetDlgItemText(IDCANCEL, dialString(macropage::kCloseText).str());
    SetDlgItemText(kClashCheck, dialString(macropage::kClashCheckTip).str());
    for (std::size_t i = 0; i < imageButtons_.size(); ++i) {
        const ImageButton& button = kImageButtons[i];
        attachIconButton(imageButtons_[i], this, button.id, button.icon,
                         button.tip != 0 ? dialString(button.tip).str()
                                         : std::wstring(kLoadFromStandardsTip));
    }
    CRect window;
    GetWindowRect(&window);
    minTrackSize_ = CSize(window.Width(), window.Height());
    resizer_.Init(this, nullptr, kLayout);

    buildPages();
    const int current = data_.findTab(data_.currentTab);
    showTab(current >= 0 && page(current) != nullptr ? current
                                                     : (pageTabs_.empty() ? -1 : pageTabs_[0]));
    fillFilters();
    SetWindowText(data_.title.str());
    sizeKey_ = kSizePrefix + sizeKeyOf(data_);
    ChangeDlgSize(this, sizeKey_);
    placePages();

    clashInitDlgStarted(slot_);
    clashResetInfo(slot_, data_.objectIds);
    CheckDlgButton(kClashCheck, clashGetStatus() ? BST_CHECKED : BST_UNCHECKED);
    clashcheck(slot_, data_.objectIds);
    return FALSE;
}

// --- pages ---------------------------------------------------------------------------------------

CMacroTabGeneral* CDlgMacro::page(int tabIndex) const {
    return tabIndex >= 0 && tabIndex < static_cast<int>(pages_.size())
               ? pages_[static_cast<std::size_t>(tabIndex)].get()
               : nullptr;
}

int CDlgMacro::tabControlIndexOf(int tabIndex) const {
    for (std::size_t i = 0; i < pageTabs_.size(); ++i) {
        if (pageTabs_[i] == tabIndex)
            return static_cast<int>(i);
    }
    return -1;
}

void CDlgMacro::buildPages() {
    auto* tabs = dynamic_cast<CTabCtrl*>(GetDlgItem(kTabs));
    for (auto& built : pages_) {
        if (built && built->GetSafeHwnd() != nullptr)
            built->DestroyWindow();
    }
    pages_.clear();
    pageTabs_.clear();
    if (tabs != nullptr)
        tabs->DeleteAllItems();
    for (int t = 0; t < data_.tabs.length(); ++t) {
        const int kind = data_.tabs[t].kind;
        const bool general = kind == MacroTabData::kGeneralTab || kind == MacroTabData::kBoltTab ||
                             kind == MacroTabData::kPlainTab || kind == MacroTabData::kProfileTab;
        if (!general) {
            pages_.push_back(nullptr);
            continue;
        }
        std::unique_ptr<CMacroTabGeneral> built;
        UINT templateId = CMacroTabGeneral::IDD;
        if (kind == MacroTabData::kProfileTab) {
            built = std::make_unique<CMacroTabProf>(*this, t, this);
            templateId = CMacroTabProf::IDD;
        } else {
            built = std::make_unique<CMacroTabGeneral>(*this, t, this);
        }
        if (!built->Create(templateId, this)) {
            pages_.push_back(nullptr);
            continue;
        }
        built->ShowWindow(SW_HIDE);
        if (tabs != nullptr)
            tabs->InsertItem(static_cast<int>(pageTabs_.size()), data_.tabs[t].name.str());
        pageTabs_.push_back(t);
        pages_.push_back(std::move(built));
    }
    placePages();
    const BOOL allowed = data_.propListAllowed() ? TRUE : FALSE;
    for (const int id : {kLoadProperties, kSaveProperties}) {
        if (CWnd* button = GetDlgItem(id))
            button->EnableWindow(allowed);
    }
}

void CDlgMacro::placePages() {
    CWnd* tabs = GetDlgItem(kTabs);
    if (tabs == nullptr)
        return;
    CRect area;
    tabs->GetWindowRect(&area);
    ScreenToClient(&area);
    const CRect placed(area.left + 2, area.top + kHeaderHeight + 2, area.right - 3,
                       area.bottom - 2);
    for (auto& built : pages_) {
        if (built && built->GetSafeHwnd() != nullptr)
            built->MoveWindow(&placed);
    }
}

void CDlgMacro::showTab(int tabIndex) {
    CMacroTabGeneral* shown = page(tabIndex);
    if (shown == nullptr)
        return;
    if (CMacroTabGeneral* left = page(current_); left != nullptr && left != shown)
        focus_[upper(data_.tabs[current_].name)] = left->rememberFocus();
    for (auto& built : pages_) {
        if (built)
            built->ShowWindow(built.get() == shown ? SW_SHOW : SW_HIDE);
    }
    current_ = tabIndex;
    data_.currentTab = data_.tabs[tabIndex].name;
    if (auto* tabs = dynamic_cast<CTabCtrl*>(GetDlgItem(kTabs)))
        tabs->SetCurSel(tabControlIndexOf(tabIndex));
    const auto kept = focus_.find(upper(data_.tabs[tabIndex].name));
    if (!shownOnce_ || kept == focus_.end())
        shown->focusFirstZone(true);
    else
        shown->restoreFocus(kept->second);
    shownOnce_ = true;
}

void CDlgMacro::refreshAllPages() {
    CheckDlgButton(kClashCheck, clashGetStatus() ? BST_CHECKED : BST_UNCHECKED);
    for (auto& built : pages_) {
        if (built)
            built->refresh();
    }
}

void CDlgMacro::rebuildAfterChange() {
    const Vdn_String currentName =
        current_ >= 0 && current_ < data_.tabs.length() ? data_.tabs[current_].name : Vdn_String();
    buildPages();
    const int again = data_.findTab(currentName);
    current_ = -1;
    showTab(again >= 0 && page(again) != nullptr ? again : (pageTabs_.empty() ? -1 : pageTabs_[0]));
    fillFilters();
}

// --- buttons -------------------------------------------------------------------------------------

void CDlgMacro::fillFilters() {
    auto fill = [this](int id, const Vdn_StringArray& captions, int index) {
        auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id));
        FillCombo(combo, captions);
        if (combo != nullptr && captions.isValidIndex(index))
            combo->SetCurSel(index);
        if (combo != nullptr)
            combo->EnableWindow(captions.isEmpty() ? FALSE : TRUE);
    };
    fill(kFilter1, data_.filterCaptions1, data_.filterIndex1);
    fill(kFilter2, data_.filterCaptions2, data_.filterIndex2);
}

void CDlgMacro::chooseFilter(bool first) {
    auto* combo1 = dynamic_cast<CComboBox*>(GetDlgItem(kFilter1));
    auto* combo2 = dynamic_cast<CComboBox*>(GetDlgItem(kFilter2));
    if (combo1 != nullptr)
        data_.filterIndex1 = combo1->GetCurSel();
    if (combo2 != nullptr)
        data_.filterIndex2 = combo2->GetCurSel();
    if (UpdateAllFilterModified(data_, first))
        rebuildAfterChange();
    else
        acutPrintf(L"%s\n", Vdn_Drawing::current().lastMessage().c_str());
    refreshAllPages();
}

void CDlgMacro::changeView(int direction) {
    if (current_ >= 0 && current_ < data_.tabs.length())
        data_.changeView(data_.tabs[current_].name, direction);
}

void CDlgMacro::selectOtherMacros() {
    acedPostCommand(L"CANCELCMD");
    ShowWindow(SW_HIDE);
    const bool changed = SelectOtherMacros(data_);
    ShowWindow(SW_SHOW);
    if (!changed)
        return;
    rebuildAfterChange();
    clashResetInfo(slot_, data_.objectIds);
    refreshAllPages();
}

void CDlgMacro::loadFromStandards() {
    if (!data_.loadFromStandards()) {
        MessageBox(Vdn_Drawing::current().lastMessage().str(),
                   dialString(macropage::kRefusedCaption).str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    rebuildAfterChange();
    clashcheck(slot_, data_.objectIds);
    refreshAllPages();
}

bool CDlgMacro::isUsableFileName(const Vdn_String& name) {
    const Vdn_String trimmed = name.trim();
    if (trimmed.isEmpty() || trimmed.find(L"..") >= 0)
        return false;
    for (const wchar_t ch : trimmed.str()) {
        if (ch < 32 || std::wstring_view(L"\\/:*?\"<>|").find(ch) != std::wstring_view::npos)
            return false;
    }
    return true;
}

bool CDlgMacro::choosePropertiesFile(int mode, Vdn_String& path) {
    CDlgOpenSave chooser(this);
    Vdn_String extension;
    data_.getPropFiles(chooser.folder_, extension, chooser.macroNames_, chooser.allNames_);
    chooser.extension_ = L"." + extension;
    chooser.mode_ = mode;
    if (chooser.DoModal() != IDOK)
        return false;
    if (!isUsableFileName(chooser.name_)) {
        MessageBox(dialString(macropage::kBadFileName).str(),
                   dialString(macropage::kPropertiesCaption).str(), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    path = chooser.folder_ + chooser.name_.trim() + chooser.extension_;
    return true;
}

void CDlgMacro::saveProperties() {
    if (!data_.propListAllowed())
        return;
    // What every page still shows goes to the model first, so that the file holds it.
    for (auto& built : pages_) {
        if (built)
            built->update();
    }
    clashcheck(slot_, data_.objectIds);
    Vdn_String path;
    if (!choosePropertiesFile(CDlgOpenSave::kModeSave, path))
        return;
    if (!data_.writeToFile(path))
        MessageBox(Vdn_Drawing::current().lastMessage().str(),
                   dialString(macropage::kPropertiesCaption).str(), MB_OK | MB_ICONEXCLAMATION);
}

void CDlgMacro::loadProperties() {
    if (!data_.propListAllowed())
        return;
    if (CMacroTabGeneral* shown = page(current_))
        focus_[upper(data_.tabs[current_].name)] = shown->rememberFocus();
    Vdn_String path;
    if (!choosePropertiesFile(CDlgOpenSave::kModeOpen, path))
        return;
    const MacroData before = data_;
    int count = 0;
    Vdn_String problem;
    if (!data_.readFromFile(path, count, &problem)) {
        MessageBox(problem.str(), dialString(macropage::kPropertiesCaption).str(),
                   MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (count != 0) {
        const Vdn_String report = dialString(macropage::kLoadReportFirst) + L" " +
                                  Vdn_String(count) + L" " +
                                  dialString(macropage::kLoadReportFirst + 1) + L"\n\n" +
                                  dialString(macropage::kLoadReportFirst + 2);
        MessageBox(report.str(), dialString(macropage::kLoadReportFirst + 3).str(),
                   MB_OK | MB_ICONINFORMATION);
    }
    // Every tab's differences together; the block reference is not the file's business.
    Vdn_Array<int> changes;
    Vdn_Array<int> changedCells;
    for (int t = 0; t < data_.tabs.length() && t < before.tabs.length(); ++t) {
        Vdn_StringArray names;
        Vdn_Array<int> tabChanges;
        Vdn_Array<int> tabCells;
        MacroTabData::differences(before.tabs[t], data_.tabs[t], names, tabChanges, tabCells);
        for (const int change : tabChanges) {
            if (change != MacroTabData::kBlockReferenceChanged && changes.find(change) < 0)
                changes.append(change);
        }
    }
    if (!changes.isEmpty() && !setAllToMacro(data_, changes, changedCells)) {
        data_ = before;
        MessageBox(Vdn_Drawing::current().lastMessage().str(),
                   dialString(macropage::kRefusedCaption).str(), MB_OK | MB_ICONEXCLAMATION);
    }
    refreshAllPages();
    clashcheck(slot_, data_.objectIds);
}

void CDlgMacro::reApply() {
    if (data_.reApply())
        close();
    else
        MessageBox(Vdn_Drawing::current().lastMessage().str(),
                   dialString(macropage::kRefusedCaption).str(), MB_OK | MB_ICONEXCLAMATION);
}

// --- closing -------------------------------------------------------------------------------------

void CDlgMacro::OnOK() {
    close();
}

void CDlgMacro::OnCancel() {
    close();
}

void CDlgMacro::close() {
    if (closing_)
        return;
    closing_ = true;
    if (current_ >= 0 && current_ < data_.tabs.length())
        data_.changeView(data_.tabs[current_].name, kTopView);
    if (slot_ < 0) {
        acedPostCommandPrompt();
        CAdUiBaseDialog::OnOK();
        return;
    }
    if (!EndDlgMacroModeless(slot_))
        closing_ = false; // the close was deferred; a later one must still work
}

void CDlgMacro::OnDestroy() {
    WriteDlgSize(this, sizeKey_);
    clashDlgClosed(slot_);
    for (auto& built : pages_) {
        if (built && built->GetSafeHwnd() != nullptr)
            built->DestroyWindow();
    }
    CAdUiBaseDialog::OnDestroy();
}

void CDlgMacro::OnSize(UINT type, int cx, int cy) {
    CAdUiBaseDialog::OnSize(type, cx, cy);
    resizer_.Move();
    placePages();
}

void CDlgMacro::OnGetMinMaxInfo(MINMAXINFO* info) {
    info->ptMinTrackSize.x = minTrackSize_.cx;
    info->ptMinTrackSize.y = minTrackSize_.cy;
}

// --- launchers -----------------------------------------------------------------------------------

void StartDlgMacro(MacroData& data) {
    frame::ResourceSwitch resources;
    CDlgMacro dialog(adsw_acadMainWnd());
    dialog.macroData() = data;
    dialog.DoModal();
    data = dialog.macroData();
}

bool StartDlgMacroModeless(bool keepFocus, MacroData& data, int& slot) {
    return frame::startMacroModeless<CDlgMacro>(keepFocus, data, slot, CDlgMacro::IDD);
}
