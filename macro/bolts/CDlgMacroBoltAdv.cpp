#include "macro/bolts/CDlgMacroBoltAdv.h"

#include "module/ResourceSwitch.h"
#include "platform/core/files/ProductFiles.h"
#include "platform/core/model/BoltCatalog.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/core/text/StringHelpers.h"
#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CStatic.h"
#include "platform/ui/controls/FillCombo.h"
#include "platform/ui/dialogs/DialogValues.h"
#include "platform/ui/dialogs/DlgSize.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kCaptionText = 20850;
constexpr int kAssemblyText = 20851;
constexpr int kDiameterText = 20852;
constexpr std::array kTextLabels = {20853, 20854, 20855};
constexpr int kFlagWithCount = 20856;
constexpr int kFlagWithoutCount = 20857;
constexpr std::array kOptionTexts = {20858, 20859, 20860, 20861};
// The last two optional options share one text, numbered " 1" and " 2".
constexpr std::array kOptionalTexts = {20862, 20863, 20864, 20865, 20865};
constexpr int kEntryText = 20866;
constexpr int kActiveText = 20867;
constexpr std::array kEntryLabels = {20868, 20869, 20870, 20871};
constexpr int kEntryListText = 20872;
// Top and bottom come from the string table, automatic from the dialog texts.
constexpr std::array kEntryListSides = {10048, 10049};
constexpr int kEntryListAutomatic = 20873;
constexpr int kColumnText = 20874;
constexpr int kHoleText = 860;
constexpr int kInvalidRow = 20866;
constexpr int kInvalidReason = 20875;
constexpr int kInvalidAdvice = 888;
constexpr int kSpareRows = 1; // an empty row below the hole columns takes a new one

void enable(CWnd& dialog, int id, bool enabled) {
    if (CWnd* control = dialog.GetDlgItem(id))
        control->EnableWindow(enabled ? TRUE : FALSE);
}

Vdn_String comboText(const CWnd& dialog, int id) {
    const auto* combo = dynamic_cast<const CComboBox*>(dialog.GetDlgItem(id));
    if (combo == nullptr || combo->GetCurSel() < 0)
        return dlgItemString(dialog, id);
    return Vdn_String(combo->GetLBText(combo->GetCurSel()));
}

bool positiveNumber(const Vdn_String& text) {
    return isNumber(text) && text.trim().toDouble() > 0.0;
}

} // namespace

CDlgMacroBoltAdv::CDlgMacroBoltAdv(MacroSubDialogOwner* owner, const MacroBoltData& boltData,
                                   const Vdn_StringArray& diameters, CWnd* parent)
    : CDialog(IDD, parent), owner_(owner), boltData_(boltData), diameters_(diameters) {
    onCommand(kEntryCombo, CBN_SELCHANGE, [this] { chooseEntry(); });
    onCommand(kEntryActive, BN_CLICKED, [this] { enableEntry(); });
    onCommand(kAssemblyCombo, CBN_SELCHANGE, [this] { chooseAssembly(); });
}

BOOL CDlgMacroBoltAdv::OnInitDialog() {
    CDialog::OnInitDialog();
    captions();
    if (auto* picture = dynamic_cast<CStatic*>(GetDlgItem(kPicture))) {
        if (picture_.loadFromFile(core::productFile(L"icons\\DrawBolt2.bmp")))
            picture->SetBitmap(picture_.GetSafeHandle());
    }
    entries_.SubclassDlgItem(kEntryCombo, this);
    if (holes_.attachToDlgItem(this, kHoleGrid, true) && holes_.setStandardLook(0)) {
        holes_.SSSetBool(Vdn_Spread::kOptionRowHeaders, false);
        holes_.setMaxCols(2);
        holes_.setCellText(1, Vdn_Spread::kHeader, dialString(kColumnText));
        holes_.setCellText(2, Vdn_Spread::kHeader, dialString(kHoleText));
        holes_.setSizeMode(1);
    }
    fill();
    showEntry(boltData_.details.entries.isEmpty() ? -1 : 0);

    using R = CResizer;
    const std::array<R::CBorderInfo, 3> layout = {{
        {kHoleGrid,
         {R::eFixed, R::IDC_MAIN, R::eLeft},
         {R::eFixed, R::IDC_MAIN, R::eTop},
         {R::eFixed, R::IDC_MAIN, R::eRight},
         {R::eFixed, R::IDC_MAIN, R::eBottom}},
        {IDOK,
         {R::eWidth},
         {R::eHeight},
         {R::eFixed, R::IDC_MAIN, R::eRight},
         {R::eFixed, R::IDC_MAIN, R::eBottom}},
        {IDCANCEL,
         {R::eWidth},
         {R::eHeight},
         {R::eFixed, R::IDC_MAIN, R::eRight},
         {R::eFixed, R::IDC_MAIN, R::eBottom}},
    }};
    resizerReady_ = resizer_.Init(this, nullptr, layout);
    ChangeDlgSize(this, kSizeKey);
    return TRUE;
}

void CDlgMacroBoltAdv::captions() {
    SetWindowText(dialString(kCaptionText).str());
    SetDlgItemText(IDOK, dialString(kOkText).str());
    SetDlgItemText(IDCANCEL, dialString(kCancelText).str());
    SetDlgItemText(kAssemblyLabel, dialString(kAssemblyText).str());
    SetDlgItemText(kDiameterLabel, dialString(kDiameterText).str());
    for (std::size_t i = 0; i < kTextLabels.size(); ++i)
        SetDlgItemText(kFirstTextLabel + static_cast<int>(i), dialString(kTextLabels[i]).str());
    for (std::size_t i = 0; i < kOptions.size(); ++i)
        SetDlgItemText(kOptions[i], dialString(kOptionTexts[i]).str());
    for (std::size_t i = 0; i < kOptionalOptions.size(); ++i) {
        Vdn_String caption = dialString(kOptionalTexts[i]);
        if (i + 2 >= kOptionalOptions.size())
            caption = caption + (i + 2 == kOptionalOptions.size() ? L" 1" : L" 2");
        SetDlgItemText(kOptionalOptions[i], caption.str());
    }
    SetDlgItemText(kEntryActive, dialString(kActiveText).str());
    for (std::size_t i = 0; i < kEntryLabels.size(); ++i)
        SetDlgItemText(kFirstEntryLabel + static_cast<int>(i), dialString(kEntryLabels[i]).str());
    SetDlgItemText(kEntryListLabel, dialString(kEntryListText).str());
    if (auto* list = dynamic_cast<CComboBox*>(GetDlgItem(kEntryList))) {
        for (const int side : kEntryListSides)
            list->AddString(string(side).str());
        list->AddString(dialString(kEntryListAutomatic).str());
    }
}

void CDlgMacroBoltAdv::fill() {
    const BoltDetails& details = boltData_.details;
    if (auto* assemblies = dynamic_cast<CComboBox*>(GetDlgItem(kAssemblyCombo))) {
        assemblies->ResetContent();
        for (const Vdn_String& assembly : GetAssemblies())
            assemblies->AddString(assembly.str());
        selectAddingItem(assemblies, boltData_.assembly);
    }
    fillDiameters(diameters_);
    for (std::size_t i = 0; i < kTexts.size(); ++i)
        SetDlgItemText(kTexts[i], details.texts[i].str());
    const bool counted = details.count > 0;
    enable(*this, kFlag, counted);
    SetDlgItemText(kFlag, dialString(counted ? kFlagWithCount : kFlagWithoutCount).str());
    CheckDlgButton(kFlag, counted && details.flag ? BST_CHECKED : BST_UNCHECKED);
    for (std::size_t i = 0; i < kOptions.size(); ++i)
        CheckDlgButton(kOptions[i], static_cast<UINT>(details.options[i]));
    for (std::size_t i = 0; i < kOptionalOptions.size(); ++i) {
        const int option = details.optionalOptions[i];
        enable(*this, kOptionalOptions[i], option >= 0);
        CheckDlgButton(kOptionalOptions[i], static_cast<UINT>(option < 0 ? 0 : option));
    }
    if (holes_.isAttached()) {
        Vdn_Array<int> numbers;
        Vdn_StringArray texts;
        details.getHoleColumns(numbers, texts);
        holes_.setMaxRows(numbers.length() + kSpareRows);
        holes_.clearRows(1, holes_.maxRows());
        holes_.setEditCells(1, 1, 2, holes_.maxRows());
        for (int row = 1; row <= numbers.length(); ++row) {
            holes_.setCellText(1, row, Vdn_String(std::to_wstring(numbers[row - 1])));
            holes_.setCellText(2, row, texts[row - 1]);
        }
    }
    fillEntryCombo();
}

void CDlgMacroBoltAdv::fillDiameters(const Vdn_StringArray& diameters) {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kDiameterCombo));
    if (combo == nullptr)
        return;
    combo->ResetContent();
    for (const Vdn_String& diameter : diameters)
        combo->AddString(diameter.str());
    selectAddingItem(combo, boltData_.diameter);
}

void CDlgMacroBoltAdv::fillEntryCombo() {
    if (entries_.GetSafeHwnd() == nullptr)
        return;
    entries_.ResetContent();
    const Vdn_Array<BoltDetails::Entry>& entries = boltData_.details.entries;
    for (int i = 0; i < entries.length(); ++i) {
        const Vdn_String item =
            dialString(kEntryText) + L" nr: " + Vdn_String(std::to_wstring(i + 1));
        const int index = entries_.AddString(item.str());
        entries_.SetCheck(index, entries[i].active == 1 ? TRUE : FALSE);
    }
    entries_.SetCurSel(shownEntry_);
}

void CDlgMacroBoltAdv::showEntry(int index) {
    const Vdn_Array<BoltDetails::Entry>& entries = boltData_.details.entries;
    shownEntry_ = entries.isValidIndex(index) ? index : -1;
    if (entries_.GetSafeHwnd() != nullptr)
        entries_.SetCurSel(shownEntry_);
    const BoltDetails::Entry entry = shownEntry_ >= 0 ? entries[shownEntry_] : BoltDetails::Entry{};
    enable(*this, kEntryActive, shownEntry_ >= 0);
    CheckDlgButton(kEntryActive, static_cast<UINT>(entry.active));
    for (std::size_t i = 0; i < kEntryTexts.size(); ++i)
        SetDlgItemText(kEntryTexts[i], entry.texts[i].str());
    if (auto* list = dynamic_cast<CComboBox*>(GetDlgItem(kEntryList)))
        list->SetCurSel(entry.selection < 0 || entry.selection >= list->GetCount()
                            ? list->GetCount() - 1
                            : entry.selection);
    enableEntry();
}

void CDlgMacroBoltAdv::enableEntry() {
    const bool active = shownEntry_ >= 0 && IsDlgButtonChecked(kEntryActive) == BST_CHECKED;
    for (const int id : kEntryTexts)
        enable(*this, id, active);
    enable(*this, kEntryList, active);
}

void CDlgMacroBoltAdv::chooseEntry() {
    storeEntry();
    // A tick set or cleared in the list makes its entry active or not.
    Vdn_Array<BoltDetails::Entry>& entries = boltData_.details.entries;
    for (int i = 0; i < entries.length() && i < entries_.GetCount(); ++i) {
        const bool ticked = entries_.GetCheck(i) == 1;
        if (ticked != (entries[i].active == 1))
            entries[i].active = ticked ? 1 : 0;
    }
    showEntry(entries_.GetCurSel());
}

void CDlgMacroBoltAdv::chooseAssembly() {
    const Vdn_String assembly = comboText(*this, kAssemblyCombo);
    const Vdn_String typedDiameter = comboText(*this, kDiameterCombo);
    diameters_ = GetDiameters(assembly);
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kDiameterCombo));
    if (combo == nullptr)
        return;
    combo->ResetContent();
    for (const Vdn_String& diameter : diameters_)
        combo->AddString(diameter.str());
    selectAddingItem(combo, typedDiameter);
}

void CDlgMacroBoltAdv::store() {
    BoltDetails& details = boltData_.details;
    boltData_.assembly = comboText(*this, kAssemblyCombo);
    boltData_.diameter = comboText(*this, kDiameterCombo);
    for (std::size_t i = 0; i < kTexts.size(); ++i)
        details.texts[i] = dlgItemString(*this, kTexts[i]);
    // Without a count the flag means nothing and is left as it is.
    if (details.count > 0)
        details.flag = IsDlgButtonChecked(kFlag) == BST_CHECKED;
    for (std::size_t i = 0; i < kOptions.size(); ++i)
        details.options[i] = static_cast<int>(IsDlgButtonChecked(kOptions[i]));
    for (std::size_t i = 0; i < kOptionalOptions.size(); ++i) {
        const CWnd* control = GetDlgItem(kOptionalOptions[i]);
        details.optionalOptions[i] =
            control == nullptr || !control->IsWindowEnabled()
                ? -1
                : static_cast<int>(IsDlgButtonChecked(kOptionalOptions[i]));
    }
    if (holes_.isAttached()) {
        Vdn_Array<int> numbers;
        Vdn_StringArray texts;
        details.getHoleColumns(numbers, texts);
        Vdn_Array<int> newNumbers;
        Vdn_StringArray newTexts;
        for (int row = 1; row <= holes_.maxRows(); ++row) {
            Vdn_String number;
            Vdn_String text;
            holes_.getCellText(1, row, number);
            holes_.getCellText(2, row, text);
            if (number.trim().isEmpty() && text.trim().isEmpty())
                continue;
            bool whole = false;
            int value = number.trim().toInt(&whole);
            // A number that does not read keeps the row's number as it was.
            if (!whole)
                value = row <= numbers.length() ? numbers[row - 1] : 0;
            newNumbers.append(value);
            newTexts.append(text.trim());
        }
        details.setHoleColumns(newNumbers, newTexts);
    }
    storeEntry();
}

void CDlgMacroBoltAdv::storeEntry() {
    Vdn_Array<BoltDetails::Entry>& entries = boltData_.details.entries;
    if (!entries.isValidIndex(shownEntry_))
        return;
    BoltDetails::Entry& entry = entries[shownEntry_];
    entry.active = static_cast<int>(IsDlgButtonChecked(kEntryActive));
    for (std::size_t i = 0; i < kEntryTexts.size(); ++i)
        entry.texts[i] = dlgItemString(*this, kEntryTexts[i]);
    if (const auto* list = dynamic_cast<CComboBox*>(GetDlgItem(kEntryList))) {
        const int chosen = list->GetCurSel();
        // The list's last item is stored as -1, as -1 shows it.
        entry.selection = chosen < 0 || chosen >= list->GetCount() - 1 ? -1 : chosen;
    }
    if (entries_.GetSafeHwnd() != nullptr && shownEntry_ < entries_.GetCount())
        entries_.SetCheck(shownEntry_, entry.active == 1 ? TRUE : FALSE);
}

int CDlgMacroBoltAdv::invalidEntry() const {
    const Vdn_Array<BoltDetails::Entry>& entries = boltData_.details.entries;
    for (int i = 0; i < entries.length(); ++i) {
        const BoltDetails::Entry& entry = entries[i];
        if (entry.active == 1 &&
            (!positiveNumber(entry.texts[0]) || !positiveNumber(entry.texts[1])))
            return i + 1;
    }
    return 0;
}

bool CDlgMacroBoltAdv::apply() {
    store();
    if (const int invalid = invalidEntry(); invalid > 0) {
        // The message names the bolt row that fails, so the user knows which one to correct.
        const Vdn_String text =
            dialString(kInvalidRow) + L" " + Vdn_String(std::to_wstring(invalid)) + L" " +
            dialString(kInvalidReason) + L"\n\n" + dialString(kInvalidAdvice) + L".";
        MessageBox(text.str(), kInvalidCaption, MB_OK | MB_ICONEXCLAMATION);
        showEntry(invalid - 1);
        return false;
    }
    if (owner_ == nullptr)
        return true;
    const bool taken = owner_->applyBoltData(boltData_);
    if (const MacroTabData* tab = owner_->tabData();
        tab != nullptr && tab->getBoltData() != nullptr)
        boltData_ = *tab->getBoltData();
    const int shown = shownEntry_;
    fill();
    showEntry(shown);
    return taken;
}

void CDlgMacroBoltAdv::OnOK() {
    if (owner_ == nullptr || apply())
        CDialog::OnOK();
}

BOOL CDlgMacroBoltAdv::PreTranslateMessage(MSG* msg) {
    if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
        const auto* button = dynamic_cast<const CButton*>(GetFocus());
        if (button == nullptr || !button->isPushButton()) {
            if (owner_ != nullptr)
                apply();
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(msg);
}

void CDlgMacroBoltAdv::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    CDialog::OnDestroy();
}

void CDlgMacroBoltAdv::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (resizerReady_)
        resizer_.Move();
}

void DlgMacroBoltAdv(MacroSubDialogOwner* owner, const MacroBoltData& boltData,
                     const Vdn_StringArray& diameters, CWnd* parent) {
    frame::ResourceSwitch resources;
    CDlgMacroBoltAdv dialog(owner, boltData, diameters, parent);
    dialog.DoModal();
}
