#include "macro/settings/CTabMacroFilterProps.h"

#include "platform/core/files/DesignFiles.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"

#include <algorithm>

namespace {

constexpr int kExplanationText = 957;
constexpr int kEntryText = 958;
constexpr int kTextsText = 959;
constexpr int kImageText = 960;
constexpr int kTextHeader = 85;
constexpr int kAddTip = 961;
constexpr int kRemoveTip = 962;
constexpr UINT kAddIcon = 212;
constexpr UINT kRemoveIcon = 206;

} // namespace

CTabMacroFilterProps::CTabMacroFilterProps(CWnd* parent) : MacroSettingsPage(IDD, parent) {
    onCommand(kEntries, CBN_SELCHANGE, [this] {
        auto* entries = dynamic_cast<CComboBox*>(GetDlgItem(kEntries));
        if (entries == nullptr || entries->GetCurSel() == shown_)
            return;
        commit();
        show(entries->GetCurSel());
    });
    onCommand(kAddRow, BN_CLICKED, [this] {
        if (texts_.insertRowAfterActive())
            texts_.selectRow(texts_.activeRow());
    });
    onCommand(kRemoveRow, BN_CLICKED, [this] {
        // The table keeps one row: the last one is emptied instead.
        if (texts_.maxRows() > 1)
            texts_.deleteActiveRow();
        else
            texts_.clearRow(1);
    });
}

BOOL CTabMacroFilterProps::OnInitDialog() {
    MacroSettingsPage::OnInitDialog();
    setTexts({{kExplanation, kExplanationText},
              {kEntryLabel, kEntryText},
              {kTextsLabel, kTextsText},
              {kImageLabel, kImageText}});
    iconButton(kAddRow, kAddIcon, kAddTip);
    iconButton(kRemoveRow, kRemoveIcon, kRemoveTip);
    if (texts_.attachToDlgItem(this, kTexts, true) && texts_.setStandardLook(1)) {
        texts_.setMaxCols(1);
        texts_.setMaxRows(1);
        texts_.setColumnNames({dialString(kTextHeader)});
        texts_.setHeaderFonts();
        texts_.setEditCells(1, 1, 1, 1);
        texts_.setSizeMode(1);
    }
    if (auto* images = dynamic_cast<CComboBox*>(GetDlgItem(kImages))) {
        images->AddString(L"");
        Vdn_StringArray designs;
        getModuleImages(designs);
        for (const Vdn_String& design : designs)
            images->AddString(design.str());
    }
    if (auto* entries = dynamic_cast<CComboBox*>(GetDlgItem(kEntries)); entries && data_) {
        for (const MacroSettingsData::FilterProperty& property : data_->filterProperties)
            entries->AddString(property.name.str());
    }
    show(0);
    return TRUE;
}

void CTabMacroFilterProps::show(int index) {
    shown_ = data_ != nullptr && data_->filterProperties.isValidIndex(index) ? index : -1;
    if (auto* entries = dynamic_cast<CComboBox*>(GetDlgItem(kEntries)))
        entries->SetCurSel(shown_);
    Vdn_StringArray texts;
    Vdn_String picture;
    if (shown_ >= 0) {
        texts = data_->filterProperties[shown_].texts;
        picture = data_->filterProperties[shown_].picture;
    }
    if (texts_.isAttached()) {
        const int rows = std::max(1, texts.length());
        texts_.setMaxRows(rows, true);
        texts_.clearRows(1, rows);
        texts_.setColumnTexts(1, texts, true);
    }
    if (auto* images = dynamic_cast<CComboBox*>(GetDlgItem(kImages))) {
        int item = images->FindStringExact(-1, picture.str());
        if (item < 0)
            item = images->AddString(picture.str()); // a design the folder lacks is kept
        images->SetCurSel(item);
    }
    enableControls();
}

bool CTabMacroFilterProps::commit() {
    if (data_ == nullptr || !data_->filterProperties.isValidIndex(shown_))
        return true;
    MacroSettingsData::FilterProperty& property = data_->filterProperties[shown_];
    if (texts_.isAttached()) {
        Vdn_StringArray rows;
        texts_.getColumnTexts(1, rows);
        // Empty rows are no texts.
        Vdn_StringArray texts;
        for (const Vdn_String& text : rows) {
            if (!text.trim().isEmpty())
                texts.append(text);
        }
        property.texts = texts;
    }
    if (auto* images = dynamic_cast<CComboBox*>(GetDlgItem(kImages));
        images != nullptr && images->GetCurSel() >= 0)
        property.picture = Vdn_String(images->GetLBText(images->GetCurSel()));
    return true;
}

void CTabMacroFilterProps::enableControls() {
    const bool shown = shown_ >= 0;
    for (const int id : {kEntries, kImages, kTexts, kAddRow, kRemoveRow})
        enable(id, shown);
}
