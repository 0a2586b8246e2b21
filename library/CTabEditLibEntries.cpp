#include "library/CTabEditLibEntries.h"

#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/IconButton.h"
#include "platform/ui/windows/WinConstants.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kAddText = 20456;
constexpr int kRemoveText = 20457;
constexpr int kImageText = 20452;
constexpr int kEnabledText = 20453;
constexpr int kNameHeader = 87;
constexpr UINT kUpIcon = 261;
constexpr UINT kDownIcon = 262;
constexpr int kUpTip = 173;
constexpr int kDownTip = 174;
// Pixels of the language names' column.
constexpr int kLanguageWidth = 110;
// The margin (pixels) the sheet keeps to the page's right and bottom edges.
constexpr int kSheetMargin = 10;

} // namespace

CTabEditLibEntries::CTabEditLibEntries(UINT templateId, const Ids& ids, CWnd* parent)
    : CDialog(templateId, parent), ids_(ids) {
    onCommand(ids.list, CBN_SELCHANGE, [this] { chooseEntry(); });
    onCommand(ids.list, CBN_CLOSEUP, [this] { toggleEntry(); });
    onCommand(ids.add, BN_CLICKED, [this] { addEntry(); });
    onCommand(ids.remove, BN_CLICKED, [this] { removeShown(); });
    onCommand(ids.up, BN_CLICKED, [this] { move(-1); });
    onCommand(ids.down, BN_CLICKED, [this] { move(1); });
    // The check box and the list's tick are the same flag.
    onCommand(ids.enabled, BN_CLICKED, [this] {
        if (shown_ >= 0)
            list_.SetCheck(shown_, IsDlgButtonChecked(ids_.enabled) == BST_CHECKED ? TRUE : FALSE);
    });
}

BOOL CTabEditLibEntries::OnInitDialog() {
    CDialog::OnInitDialog();
    list_.SubclassDlgItem(ids_.list, this);
    for (const auto& [id, text] :
         {std::pair{ids_.listLabel, ids_.listText}, std::pair{ids_.add, kAddText},
          std::pair{ids_.remove, kRemoveText}, std::pair{ids_.imageLabel, kImageText},
          std::pair{ids_.enabled, kEnabledText}})
        SetDlgItemText(id, dialString(text).str());
    const std::pair<int, UINT> moves[] = {{ids_.up, kUpIcon}, {ids_.down, kDownIcon}};
    for (std::size_t i = 0; i < moveButtons_.size(); ++i) {
        attachIconButton(moveButtons_[i], this, moves[i].first, moves[i].second,
                         dialString(i == 0 ? kUpTip : kDownTip).str());
    }
    if (names_.attachToDlgItem(this, ids_.sheet, true) && names_.setStandardLook(1)) {
        names_.setSizeMode(1);
        names_.setMaxCols(1);
        names_.setMaxRows(Vdn_Settings::kLanguageCount);
        names_.setColumnNames({dialString(kNameHeader)});
        // Each interface language by its own name.
        names_.setRowNames({L"Nederlands", L"English", L"Fran\u00e7ais"});
        names_.setHeaderFonts();
        names_.setSizeColumns({Vdn_Spread::kHeader}, {kLanguageWidth});
        names_.fillWidthWithColumn(1);
    }
    if (auto* images = dynamic_cast<CComboBox*>(GetDlgItem(ids_.image))) {
        images->AddString(L"");
        if (data_ != nullptr) {
            for (const Vdn_String& image : data_->imageNames)
                images->AddString(image.str());
        }
    }
    showEntries(entryCount() > 0 ? 0 : -1);
    return TRUE;
}

void CTabEditLibEntries::showEntries(int index) {
    list_.ResetContent();
    for (int i = 0; i < entryCount(); ++i) {
        list_.AddString(entryName(i).str());
        list_.SetCheck(i, entryEnabled(i) ? TRUE : FALSE);
    }
    shown_ = index >= 0 && index < entryCount() ? index : -1;
    list_.SetCurSel(shown_);
    auto* images = dynamic_cast<CComboBox*>(GetDlgItem(ids_.image));
    Vdn_StringArray names;
    if (shown_ >= 0) {
        CheckDlgButton(ids_.enabled, entryEnabled(shown_) ? BST_CHECKED : BST_UNCHECKED);
        if (images != nullptr) {
            const Vdn_String& image = entryImage(shown_);
            int item = images->FindStringExact(-1, image.str());
            if (item < 0 && !image.isEmpty())
                item = images->AddString(image.str()); // a picture the folder lacks is kept
            images->SetCurSel(item);
        }
        names = entryNames(shown_);
    } else {
        CheckDlgButton(ids_.enabled, BST_UNCHECKED);
        if (images != nullptr)
            images->SetCurSel(-1);
    }
    if (names_.isAttached()) {
        for (int language = 0; language < Vdn_Settings::kLanguageCount; ++language)
            names_.setCellText(1, language + 1,
                               language < names.length() ? names[language] : Vdn_String());
    }
    showOwn(shown_);
    enableControls();
}

void CTabEditLibEntries::storeShown() {
    if (shown_ < 0 || shown_ >= entryCount())
        return;
    entryEnabled(shown_) = IsDlgButtonChecked(ids_.enabled) == BST_CHECKED;
    if (auto* images = dynamic_cast<CComboBox*>(GetDlgItem(ids_.image));
        images != nullptr && images->GetCurSel() >= 0)
        entryImage(shown_) = Vdn_String(images->GetLBText(images->GetCurSel()));
    if (names_.isAttached()) {
        Vdn_StringArray& names = entryNames(shown_);
        // Languages beyond the interface's keep their names.
        while (names.length() < Vdn_Settings::kLanguageCount)
            names.append(Vdn_String());
        for (int language = 0; language < Vdn_Settings::kLanguageCount; ++language) {
            Vdn_String text;
            names_.getCellText(1, language + 1, text);
            names[language] = text;
        }
    }
    storeOwn(shown_);
}

void CTabEditLibEntries::chooseEntry() {
    const int chosen = list_.GetCurSel();
    if (chosen == shown_)
        return;
    toggleEntry(); // ticks given in the list before the choice are kept
    storeShown();
    showEntries(chosen);
}

void CTabEditLibEntries::toggleEntry() {
    // A tick in the list is the entry's enabled flag.
    for (int i = 0; i < entryCount() && i < list_.GetCount(); ++i)
        entryEnabled(i) = list_.GetCheck(i) == 1;
    if (shown_ >= 0)
        CheckDlgButton(ids_.enabled, entryEnabled(shown_) ? BST_CHECKED : BST_UNCHECKED);
}

void CTabEditLibEntries::addEntry() {
    storeShown();
    showEntries(appendEntry());
}

void CTabEditLibEntries::removeShown() {
    if (shown_ < 0)
        return;
    removeEntry(shown_);
    // The entry that takes its place, or the new last one.
    showEntries(std::min(shown_, entryCount() - 1));
}

void CTabEditLibEntries::move(int step) {
    const int other = shown_ + step;
    if (shown_ < 0 || other < 0 || other >= entryCount())
        return;
    storeShown();
    swapEntries(shown_, other);
    showEntries(other);
}

void CTabEditLibEntries::enableControls() {
    const bool shown = shown_ >= 0;
    for (const int id : {ids_.remove, ids_.image, ids_.enabled, ids_.sheet}) {
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(shown ? TRUE : FALSE);
    }
    if (CWnd* up = GetDlgItem(ids_.up))
        up->EnableWindow(shown_ > 0 ? TRUE : FALSE);
    if (CWnd* down = GetDlgItem(ids_.down))
        down->EnableWindow(shown && shown_ + 1 < entryCount() ? TRUE : FALSE);
}

void CTabEditLibEntries::OnCancel() {
    // Escape on a page cancels the editor.
    if (auto* owner = dynamic_cast<CDialog*>(GetParent()))
        owner->EndDialog(IDCANCEL);
}

void CTabEditLibEntries::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (CWnd* sheet = GetDlgItem(ids_.sheet)) {
        CRect rect;
        sheet->GetWindowRect(&rect);
        ScreenToClient(&rect);
        sheet->MoveWindow(rect.left, rect.top, std::max(cx - kSheetMargin - rect.left, 40),
                          std::max(cy - kSheetMargin - rect.top, 40));
        if (names_.isAttached())
            names_.fillWidthWithColumn(1);
    }
}
