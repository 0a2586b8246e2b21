#include "library/CTabEditLibEntries.h"

#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
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
        if (mShown >= 0)
            mList.SetCheck(mShown, IsDlgButtonChecked(ids_.enabled) == BST_CHECKED ? TRUE : FALSE);
    });
}

BOOL CTabEditLibEntries::OnInitDialog() {
    CDialog::OnInitDialog();
    mList.SubclassDlgItem(ids_.list, this);
    for (const auto& [id, text] :
         {std::pair{ids_.listLabel, ids_.listText}, std::pair{ids_.add, kAddText},
          std::pair{ids_.remove, kRemoveText}, std::pair{ids_.imageLabel, kImageText},
          std::pair{ids_.enabled, kEnabledText}})
        SetDlgItemText(id, dialString(text).str());
    const std::pair<int, UINT> moves[] = {{ids_.up, kUpIcon}, {ids_.down, kDownIcon}};
    for (std::size_t i = 0; i < mMoveButtons.size(); ++i) {
        if (mMoveButtons[i].SubclassDlgItem(moves[i].first, this)) {
            mMoveButtons[i].SetIcon(moves[i].second);
            mMoveButtons[i].SetTooltipText(dialString(i == 0 ? kUpTip : kDownTip).str());
        }
    }
    if (mNames.attachToDlgItem(this, ids_.sheet, true) && mNames.setStandardLook(1)) {
        mNames.setSizeMode(1);
        mNames.setMaxCols(1);
        mNames.setMaxRows(Vdn_Settings::kLanguageCount);
        mNames.setColumnNames({dialString(kNameHeader)});
        // Each interface language by its own name.
        mNames.setRowNames({L"Nederlands", L"English", L"Fran\u00e7ais"});
        mNames.setHeaderFonts();
        mNames.setSizeColumns({Vdn_Spread::kHeader}, {kLanguageWidth});
        mNames.fillWidthWithColumn(1);
    }
    if (auto* images = dynamic_cast<CComboBox*>(GetDlgItem(ids_.image))) {
        images->AddString(L"");
        if (mData != nullptr) {
            for (const Vdn_String& image : mData->imageNames)
                images->AddString(image.str());
        }
    }
    showEntries(entryCount() > 0 ? 0 : -1);
    return TRUE;
}

void CTabEditLibEntries::showEntries(int index) {
    mList.ResetContent();
    for (int i = 0; i < entryCount(); ++i) {
        mList.AddString(entryName(i).str());
        mList.SetCheck(i, entryEnabled(i) ? TRUE : FALSE);
    }
    mShown = index >= 0 && index < entryCount() ? index : -1;
    mList.SetCurSel(mShown);
    auto* images = dynamic_cast<CComboBox*>(GetDlgItem(ids_.image));
    Vdn_StringArray names;
    if (mShown >= 0) {
        CheckDlgButton(ids_.enabled, entryEnabled(mShown) ? BST_CHECKED : BST_UNCHECKED);
        if (images != nullptr) {
            const Vdn_String& image = entryImage(mShown);
            int item = images->FindStringExact(-1, image.str());
            if (item < 0 && !image.isEmpty())
                item = images->AddString(image.str()); // a picture the folder lacks is kept
            images->SetCurSel(item);
        }
        names = entryNames(mShown);
    } else {
        CheckDlgButton(ids_.enabled, BST_UNCHECKED);
        if (images != nullptr)
            images->SetCurSel(-1);
    }
    if (mNames.isAttached()) {
        for (int language = 0; language < Vdn_Settings::kLanguageCount; ++language)
            mNames.setCellText(1, language + 1,
                               language < names.length() ? names[language] : Vdn_String());
    }
    showOwn(mShown);
    enableControls();
}

void CTabEditLibEntries::storeShown() {
    if (mShown < 0 || mShown >= entryCount())
        return;
    entryEnabled(mShown) = IsDlgButtonChecked(ids_.enabled) == BST_CHECKED;
    if (auto* images = dynamic_cast<CComboBox*>(GetDlgItem(ids_.image));
        images != nullptr && images->GetCurSel() >= 0)
        entryImage(mShown) = Vdn_String(images->GetLBText(images->GetCurSel()));
    if (mNames.isAttached()) {
        Vdn_StringArray& names = entryNames(mShown);
        // Languages beyond the interface's keep their names.
        while (names.length() < Vdn_Settings::kLanguageCount)
            names.append(Vdn_String());
        for (int language = 0; language < Vdn_Settings::kLanguageCount; ++language) {
            Vdn_String text;
            mNames.getCellText(1, language + 1, text);
            names[language] = text;
        }
    }
    storeOwn(mShown);
}

void CTabEditLibEntries::chooseEntry() {
    const int chosen = mList.GetCurSel();
    if (chosen == mShown)
        return;
    toggleEntry(); // ticks given in the list before the choice are kept
    storeShown();
    showEntries(chosen);
}

void CTabEditLibEntries::toggleEntry() {
    // A tick in the list is the entry's enabled flag.
    for (int i = 0; i < entryCount() && i < mList.GetCount(); ++i)
        entryEnabled(i) = mList.GetCheck(i) == 1;
    if (mShown >= 0)
        CheckDlgButton(ids_.enabled, entryEnabled(mShown) ? BST_CHECKED : BST_UNCHECKED);
}

void CTabEditLibEntries::addEntry() {
    storeShown();
    showEntries(appendEntry());
}

void CTabEditLibEntries::removeShown() {
    if (mShown < 0)
        return;
    removeEntry(mShown);
    // The entry that takes its place, or the new last one.
    showEntries(std::min(mShown, entryCount() - 1));
}

void CTabEditLibEntries::move(int step) {
    const int other = mShown + step;
    if (mShown < 0 || other < 0 || other >= entryCount())
        return;
    storeShown();
    swapEntries(mShown, other);
    showEntries(other);
}

void CTabEditLibEntries::enableControls() {
    const bool shown = mShown >= 0;
    for (const int id : {ids_.remove, ids_.image, ids_.enabled, ids_.sheet}) {
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(shown ? TRUE : FALSE);
    }
    if (CWnd* up = GetDlgItem(ids_.up))
        up->EnableWindow(mShown > 0 ? TRUE : FALSE);
    if (CWnd* down = GetDlgItem(ids_.down))
        down->EnableWindow(shown && mShown + 1 < entryCount() ? TRUE : FALSE);
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
        if (mNames.isAttached())
            mNames.fillWidthWithColumn(1);
    }
}
