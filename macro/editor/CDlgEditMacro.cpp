#include "macro/editor/CDlgEditMacro.h"

#include "macro/editor/MacroSettingsHook.h"
#include "module/ConstraintEditorSlot.h"
#include "platform/core/model/EditConstrCallbacks.h"
#include "platform/core/model/MacroEditing.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/host/CommandLineApi.h"
#include "platform/host/HostWindows.h"
#include "platform/host/MacroEditorCommands.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CTabCtrl.h"
#include "platform/ui/controls/IconButton.h"
#include "platform/ui/dialogs/DlgSize.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"

namespace {

constexpr int kCaption = 869;
constexpr int kCloseText = 285;
constexpr int kSelectText = 870;
constexpr int kRenameText = 871;
constexpr int kSettingsText = 872;
constexpr int kRenameQuestion = 877;
constexpr int kRenameCaption = 878;
constexpr int kPageTexts[] = {873, 874, 875, 876};

struct ImageButton {
    int id;
    int tip;
    UINT icon;
};
constexpr ImageButton kImageButtons[] = {{CDlgEditMacro::kSelectMacro, 865, 217},
                                         {CDlgEditMacro::kNewModule, 866, 212},
                                         {CDlgEditMacro::kRemoveModule, 867, 206},
                                         {CDlgEditMacro::kZoom, 868, 234}};

using Border = CResizer::CBorder;
constexpr Border kNearLeft(CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eLeft);
constexpr Border kNearTop(CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eTop);
constexpr Border kFarRight(CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eRight);
constexpr Border kFarBottom(CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eBottom);
constexpr Border kKeepWidth(CResizer::eWidth);
constexpr Border kKeepHeight(CResizer::eHeight);

// Where each control goes when the editor is resized.
constexpr CResizer::CBorderInfo kLayout[] = {
    {CDlgEditMacro::kSelectMacro, kNearLeft, kNearTop, kKeepWidth, kKeepHeight},
    {CDlgEditMacro::kModuleCombo, kNearLeft, kNearTop, kFarRight, kKeepHeight},
    {CDlgEditMacro::kNewModule, kKeepWidth, kNearTop, kFarRight, kKeepHeight},
    {CDlgEditMacro::kRenameModule, kKeepWidth, kNearTop, kFarRight, kKeepHeight},
    {CDlgEditMacro::kRemoveModule, kKeepWidth, kNearTop, kFarRight, kKeepHeight},
    {CDlgEditMacro::kTabs, kNearLeft, kNearTop, kFarRight, kFarBottom},
    {CDlgEditMacro::kSettings, kNearLeft, kKeepHeight, kKeepWidth, kFarBottom},
    {CDlgEditMacro::kZoom, kNearLeft, kKeepHeight, kKeepWidth, kFarBottom},
    {IDOK, kKeepWidth, kKeepHeight, kFarRight, kFarBottom},
};

} // namespace

CDlgEditMacro::CDlgEditMacro(CWnd* parent) : CAdUiBaseDialog(IDD, parent) {
    onCommand(kModuleCombo, CBN_SELCHANGE, [this] { chooseModule(); });
    onCommand(kSelectMacro, BN_CLICKED, [this] { selectOtherMacro(); });
    onCommand(kNewModule, BN_CLICKED, [this] { runMacroCommand(kNewModuleCommand); });
    onCommand(kRenameModule, BN_CLICKED, [this] { renameModule(); });
    onCommand(kRemoveModule, BN_CLICKED, [this] { removeModule(); });
    onCommand(kSettings, BN_CLICKED, [this] { openSettings(); });
    onCommand(kZoom, BN_CLICKED, [this] { zoom(); });
    onNotify(kTabs, TCN_SELCHANGE, [this](NMHDR*, LRESULT*) {
        if (auto* tabs = dynamic_cast<CTabCtrl*>(GetDlgItem(kTabs)))
            showPage(tabs->GetCurSel());
    });
}

BOOL CDlgEditMacro::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    SetWindowText(dialString(kCaption).str());
    SetDlgItemText(IDOK, dialString(kCloseText).str());
    SetDlgItemText(kSelectMacro, dialString(kSelectText).str());
    SetDlgItemText(kRenameModule, dialString(kRenameText).str());
    SetDlgItemText(kSettings, dialString(kSettingsText).str());
    for (std::size_t i = 0; i < imageButtons_.size(); ++i) {
        attachIconButton(imageButtons_[i], this, kImageButtons[i].id, kImageButtons[i].icon,
                         dialString(kImageButtons[i].tip).str());
    }
    if (CWnd* settings = GetDlgItem(kSettings))
        settings->EnableWindow(macroSettingsOpener() ? TRUE : FALSE);

    CRect window;
    GetWindowRect(&window);
    minTrackSize_ = CSize(window.Width(), window.Height());
    resizer_.Init(this, nullptr, kLayout);

    fillEditConstrData(data_);
    fillModules();
    constraints_.attach(this, &data_);
    geometries_.attach(this, &data_);
    variables_.attach(this, &data_);
    commands_.attach(this);
    constraints_.Create(CTabEditConstraints::IDD, this);
    geometries_.Create(CTabGeometries::IDD, this);
    variables_.Create(CTabEditVars::IDD, this);
    commands_.Create(CTabMacroCommands::IDD, this);
    if (auto* tabs = dynamic_cast<CTabCtrl*>(GetDlgItem(kTabs))) {
        for (int i = 0; i < 4; ++i)
            tabs->InsertItem(i, dialString(kPageTexts[i]).str());
        tabs->SetCurSel(kConstraintsPage);
    }
    showPage(kConstraintsPage);
    placePages();
    ChangeDlgSize(this, kSizeKey);
    if (CWnd* name = constraints_.GetDlgItem(CTabEditConstraints::kNameEdit))
        GotoDlgCtrl(name);
    return FALSE;
}

void CDlgEditMacro::showPage(int page) {
    if (page < kConstraintsPage || page > kCommandsPage)
        return;
    CDialog* pages[] = {&constraints_, &geometries_, &variables_, &commands_};
    for (CDialog* shown : pages)
        shown->ShowWindow(SW_HIDE);
    if (page_ == kConstraintsPage)
        constraints_.commitRow();
    else if (page_ == kGeometriesPage)
        geometries_.commit();
    else if (page_ == kVariablesPage && page != kVariablesPage)
        variables_.commit();
    if (page == kConstraintsPage) {
        constraints_.fill();
    } else if (page == kVariablesPage) {
        variables_.commit();
        variables_.fill();
    } else if (page == kGeometriesPage) {
        geometries_.fill();
    }
    pages[page]->ShowWindow(SW_SHOW);
    page_ = page;
    if (auto* tabs = dynamic_cast<CTabCtrl*>(GetDlgItem(kTabs)); tabs && tabs->GetCurSel() != page)
        tabs->SetCurSel(page);
}

void CDlgEditMacro::commitPages() {
    if (constraints_.GetSafeHwnd() != nullptr)
        constraints_.commitRow();
    if (geometries_.GetSafeHwnd() != nullptr)
        geometries_.commit();
}

void CDlgEditMacro::fillModules() {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kModuleCombo));
    if (combo == nullptr)
        return;
    combo->ResetContent();
    for (const Vdn_String& name : data_.moduleNames)
        combo->AddString(name.str());
    combo->SetCurSel(data_.moduleNames.find(data_.currentModule, false));
}

void CDlgEditMacro::refillPages() {
    if (constraints_.GetSafeHwnd() != nullptr)
        constraints_.fill();
    if (geometries_.GetSafeHwnd() != nullptr)
        geometries_.fill();
    if (variables_.GetSafeHwnd() != nullptr)
        variables_.fill();
}

void CDlgEditMacro::chooseModule() {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kModuleCombo));
    if (combo == nullptr || combo->GetCurSel() < 0)
        return;
    const Vdn_String chosen(combo->GetLBText(combo->GetCurSel()));
    commitPages();
    variables_.commit();
    if (!SetCurrentModule(&data_, chosen))
        reportRefusal();
    fillModules();
    refillPages();
}

void CDlgEditMacro::applyModuleAt(int position) {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kModuleCombo));
    if (combo == nullptr || combo->GetCount() == 0)
        return;
    const int chosen = std::min(position, combo->GetCount() - 1);
    combo->SetCurSel(chosen);
    if (!SetCurrentModule(&data_, Vdn_String(combo->GetLBText(chosen))))
        reportRefusal();
    refillPages();
}

bool CDlgEditMacro::inDrawing(const std::function<bool()>& work) {
    BeginEditorCommand();
    const bool done = work();
    CompleteEditorCommand();
    return done;
}

void CDlgEditMacro::selectOtherMacro() {
    commitPages();
    variables_.commit();
    if (!inDrawing([this] { return SelectOtherMacro(&data_); }))
        return;
    fillModules();
    applyModuleAt(std::max(0, data_.moduleNames.find(data_.currentModule, false)));
}

void CDlgEditMacro::runMacroCommand(int code) {
    commitPages();
    if (!inDrawing([this, code] { return StartMacroCommand(&data_, code); }))
        return;
    if (code >= 0 && code <= 10) {
        showPage(kConstraintsPage);
        fillModules();
        refillPages();
    } else if (code == kNewModuleCommand) {
        fillModules();
        applyModuleAt(data_.moduleNames.length() - 1);
    }
}

void CDlgEditMacro::renameModule() {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kModuleCombo));
    Vdn_DlgPromptString prompt(this);
    prompt.caption = dialString(kRenameCaption);
    prompt.label = dialString(kRenameQuestion);
    prompt.value = data_.currentModule;
    if (prompt.DoModal() != IDOK)
        return;
    const int position = combo != nullptr ? combo->GetCurSel() : 0;
    commitPages();
    variables_.commit();
    if (!RenameModule(&data_, prompt.value)) {
        reportRefusal();
        return;
    }
    fillModules();
    applyModuleAt(std::max(0, position));
}

void CDlgEditMacro::removeModule() {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kModuleCombo));
    if (combo == nullptr || combo->GetCurSel() < 0)
        return;
    const int position = combo->GetCurSel();
    if (!RemoveModule(&data_, Vdn_String(combo->GetLBText(position)))) {
        reportRefusal();
        return;
    }
    fillModules();
    applyModuleAt(position);
}

void CDlgEditMacro::openSettings() {
    std::function<bool(EditConstrData&)>& opener = macroSettingsOpener();
    if (!opener)
        return;
    commitPages();
    if (opener(data_) && fillEditConstrData(data_)) {
        fillModules();
        refillPages();
    }
}

void CDlgEditMacro::zoom() {
    if (zooming_)
        return;
    zooming_ = true;
    inDrawing([] { return ZoomCommand(); });
    zooming_ = false;
}

void CDlgEditMacro::reportRefusal() {
    const Vdn_String& reason = Vdn_Drawing::current().lastMessage();
    if (!reason.isEmpty())
        acutPrintf(L"%s\n", reason.c_str());
}

BOOL CDlgEditMacro::PreTranslateMessage(MSG* msg) {
    if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
        // The constraints and geometries pages hold Escape back for a moment after a selection.
        const bool quietTime = page_ == kConstraintsPage || page_ == kGeometriesPage;
        if (escapeGate_.escapeCloses(quietTime))
            OnOK();
        return TRUE;
    }
    return CAdUiBaseDialog::PreTranslateMessage(msg);
}

void CDlgEditMacro::OnOK() {
    close(true);
}

void CDlgEditMacro::OnCancel() {
    close(false);
}

void CDlgEditMacro::close(bool ok) {
    if (closing_)
        return;
    closing_ = true;
    commitPages();
    variables_.commit();
    UnHighlightConstraints();
    if (modeless_) {
        if (frame::ConstraintEditorSlot::instance().editor() == this) {
            EndDlgEditConstraints();
            return;
        }
        DestroyWindow();
        return;
    }
    // The modal loop ends: the window goes without committing twice.
    if (ok)
        CAdUiBaseDialog::OnOK();
    else
        CAdUiBaseDialog::OnCancel();
}

void CDlgEditMacro::placePages() {
    auto* tabs = dynamic_cast<CTabCtrl*>(GetDlgItem(kTabs));
    if (tabs == nullptr)
        return;
    CRect area;
    tabs->GetWindowRect(&area);
    ScreenToClient(&area);
    CRect inside = area;
    tabs->AdjustRect(FALSE, &inside);
    // From the first header's left edge and 2 pixels below the headers, 3 pixels short of the
    // right edge and 2 short of the bottom.
    const CRect page(inside.left, inside.top + 2, area.right - 3, area.bottom - 2);
    for (CDialog* shown :
         {static_cast<CDialog*>(&constraints_), static_cast<CDialog*>(&geometries_),
          static_cast<CDialog*>(&variables_), static_cast<CDialog*>(&commands_)}) {
        if (shown->GetSafeHwnd() != nullptr)
            shown->MoveWindow(&page);
    }
}

void CDlgEditMacro::OnSize(UINT type, int cx, int cy) {
    CAdUiBaseDialog::OnSize(type, cx, cy);
    resizer_.Move();
    placePages();
}

void CDlgEditMacro::OnGetMinMaxInfo(MINMAXINFO* info) {
    info->ptMinTrackSize.x = minTrackSize_.cx;
    info->ptMinTrackSize.y = minTrackSize_.cy;
}

void CDlgEditMacro::OnDestroy() {
    if (!closing_) {
        commitPages();
        variables_.commit();
        UnHighlightConstraints();
    }
    WriteDlgSize(this, kSizeKey);
    CAdUiBaseDialog::OnDestroy();
}
