#include "macro/settings/CTabMacroFilter.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/windows/WinConstants.h"

#include <algorithm>

namespace {

constexpr int kSwitchText = 922;
constexpr int kAxisGroupText = 923;
constexpr int kSectionGroupText = 924;
constexpr int kAxisEnabledText = 925;
constexpr int kAngle1Text = 926;
constexpr int kAngle2Text = 927;
constexpr int kModeFirstText = 928;
constexpr int kModeSecondText = 929;
constexpr int kSectionEnabledText = 930;
constexpr int kFirstAngleHeader = 931;
constexpr int kSecondAngleHeader = 932;
constexpr int kAddTip = 920;
constexpr int kRemoveTip = 921;
constexpr UINT kAddIcon = 212;
constexpr UINT kRemoveIcon = 206;

} // namespace

CTabMacroFilter::CTabMacroFilter(CWnd* parent) : MacroSettingsPage(IDD, parent) {
    onCommand(kAxisList, CBN_SELCHANGE, [this] { chooseAxis(); });
    onCommand(kAxisList, CBN_CLOSEUP, [this] { takeTicks(); });
    onCommand(kSectionList, CBN_SELCHANGE, [this] { chooseSection(); });
    onCommand(kSectionList, CBN_CLOSEUP, [this] { takeTicks(); });
    // The enabled box and the list's tick are one flag.
    onCommand(kAxisEnabled, BN_CLICKED, [this] {
        if (axisShown_ >= 0)
            axisList_.SetCheck(axisShown_, IsDlgButtonChecked(kAxisEnabled) == BST_CHECKED);
        enableControls();
    });
    onCommand(kSectionEnabled, BN_CLICKED, [this] {
        if (sectionShown_ >= 0)
            sectionList_.SetCheck(sectionShown_,
                                  IsDlgButtonChecked(kSectionEnabled) == BST_CHECKED);
        enableControls();
    });
    onCommand(kAddPair, BN_CLICKED, [this] {
        const int row = pairs_.appendRow(true);
        if (row > 0)
            pairs_.clearRow(row);
    });
    onCommand(kRemovePair, BN_CLICKED, [this] {
        // The table keeps one row: the last one is emptied instead.
        if (pairs_.maxRows() > 1)
            pairs_.deleteActiveRow();
        else
            pairs_.clearRow(1);
    });
}

BOOL CTabMacroFilter::OnInitDialog() {
    MacroSettingsPage::OnInitDialog();
    setTexts({{kSwitch, kSwitchText},
              {kAxisGroup, kAxisGroupText},
              {kSectionGroup, kSectionGroupText},
              {kAxisEnabled, kAxisEnabledText},
              {kAngle1Label, kAngle1Text},
              {kAngle2Label, kAngle2Text},
              {kModeFirst, kModeFirstText},
              {kModeSecond, kModeSecondText},
              {kSectionEnabled, kSectionEnabledText}});
    axisList_.SubclassDlgItem(kAxisList, this);
    sectionList_.SubclassDlgItem(kSectionList, this);
    showPicture(kPictureFirst, L"MacroFilterAngle90.bmp");
    showPicture(kPictureSecond, L"MacroFilterAngle180.bmp");
    showPicture(kSectionPicture, L"MacroFilterSectionAngle.bmp");
    iconButton(kAddPair, kAddIcon, kAddTip);
    iconButton(kRemovePair, kRemoveIcon, kRemoveTip);
    if (pairs_.attachToDlgItem(this, kPairs, true) && pairs_.setStandardLook(1)) {
        pairs_.setMaxCols(2);
        pairs_.setMaxRows(1);
        pairs_.setColumnNames({dialString(kFirstAngleHeader), dialString(kSecondAngleHeader)});
        pairs_.setHeaderFonts();
        pairs_.setNumberColumn(1, 2);
        pairs_.setNumberColumn(2, 2);
        pairs_.setSizeMode(1);
    }
    if (data_ != nullptr) {
        CheckDlgButton(kSwitch, data_->filterOn ? BST_CHECKED : BST_UNCHECKED);
        for (const MacroSettingsData::AxisAngleFilter& filter : data_->axisFilters)
            axisList_.SetCheck(axisList_.AddString(filter.name.str()), filter.enabled);
        for (const MacroSettingsData::SectionAngleFilter& filter : data_->sectionFilters)
            sectionList_.SetCheck(sectionList_.AddString(filter.name.str()), filter.enabled);
        showAxis(data_->axisFilters.isEmpty() ? -1 : 0);
        showSection(data_->sectionFilters.isEmpty() ? -1 : 0);
    }
    enableControls();
    return TRUE;
}

bool CTabMacroFilter::commit() {
    if (data_ == nullptr)
        return true;
    data_->filterOn = IsDlgButtonChecked(kSwitch) == BST_CHECKED;
    storeAxis();
    storeSection();
    return true;
}

void CTabMacroFilter::chooseAxis() {
    const int chosen = axisList_.GetCurSel();
    if (data_ == nullptr || chosen == axisShown_ || !data_->axisFilters.isValidIndex(chosen))
        return;
    takeTicks();
    storeAxis();
    showAxis(chosen);
}

void CTabMacroFilter::chooseSection() {
    const int chosen = sectionList_.GetCurSel();
    if (data_ == nullptr || chosen == sectionShown_ || !data_->sectionFilters.isValidIndex(chosen))
        return;
    takeTicks();
    storeSection();
    showSection(chosen);
}

void CTabMacroFilter::takeTicks() {
    if (data_ == nullptr)
        return;
    for (int i = 0; i < data_->axisFilters.length() && i < axisList_.GetCount(); ++i)
        data_->axisFilters[i].enabled = axisList_.GetCheck(i) == 1;
    for (int i = 0; i < data_->sectionFilters.length() && i < sectionList_.GetCount(); ++i)
        data_->sectionFilters[i].enabled = sectionList_.GetCheck(i) == 1;
    if (axisShown_ >= 0)
        CheckDlgButton(kAxisEnabled, data_->axisFilters[axisShown_].enabled);
    if (sectionShown_ >= 0)
        CheckDlgButton(kSectionEnabled, data_->sectionFilters[sectionShown_].enabled);
    enableControls();
}

void CTabMacroFilter::showAxis(int index) {
    axisShown_ = data_ != nullptr && data_->axisFilters.isValidIndex(index) ? index : -1;
    axisList_.SetCurSel(axisShown_);
    if (axisShown_ < 0) {
        CheckDlgButton(kAxisEnabled, BST_UNCHECKED);
        CheckRadioButton(kModeFirst, kModeSecond, kModeFirst);
        SetDlgItemText(kAngle1, L"");
        SetDlgItemText(kAngle2, L"");
    } else {
        const MacroSettingsData::AxisAngleFilter& filter = data_->axisFilters[axisShown_];
        CheckDlgButton(kAxisEnabled, filter.enabled ? BST_CHECKED : BST_UNCHECKED);
        CheckRadioButton(kModeFirst, kModeSecond, filter.mode == 0 ? kModeFirst : kModeSecond);
        SetDlgItemText(kAngle1, numberText(filter.angles[0]).str());
        SetDlgItemText(kAngle2, numberText(filter.angles[1]).str());
    }
    enableControls();
}

void CTabMacroFilter::storeAxis() {
    if (data_ == nullptr || !data_->axisFilters.isValidIndex(axisShown_))
        return;
    MacroSettingsData::AxisAngleFilter& filter = data_->axisFilters[axisShown_];
    filter.enabled = IsDlgButtonChecked(kAxisEnabled) == BST_CHECKED;
    axisList_.SetCheck(axisShown_, filter.enabled);
    filter.mode = IsDlgButtonChecked(kModeFirst) == BST_CHECKED ? 0 : 1;
    filter.angles[0] = numberOr(itemText(kAngle1), filter.angles[0]);
    filter.angles[1] = numberOr(itemText(kAngle2), filter.angles[1]);
}

void CTabMacroFilter::showSection(int index) {
    sectionShown_ = data_ != nullptr && data_->sectionFilters.isValidIndex(index) ? index : -1;
    sectionList_.SetCurSel(sectionShown_);
    Vdn_Array<double> pairs;
    if (sectionShown_ >= 0) {
        const MacroSettingsData::SectionAngleFilter& filter = data_->sectionFilters[sectionShown_];
        CheckDlgButton(kSectionEnabled, filter.enabled ? BST_CHECKED : BST_UNCHECKED);
        pairs = filter.anglePairs;
    } else {
        CheckDlgButton(kSectionEnabled, BST_UNCHECKED);
    }
    if (pairs_.isAttached()) {
        const int rows = std::max(1, pairs.length() / 2);
        pairs_.setMaxRows(rows, true);
        pairs_.clearRows(1, rows);
        for (int row = 0; row < pairs.length() / 2; ++row) {
            pairs_.setCellDouble(1, row + 1, pairs[2 * row]);
            pairs_.setCellDouble(2, row + 1, pairs[2 * row + 1]);
        }
    }
    enableControls();
}

void CTabMacroFilter::storeSection() {
    if (data_ == nullptr || !data_->sectionFilters.isValidIndex(sectionShown_))
        return;
    MacroSettingsData::SectionAngleFilter& filter = data_->sectionFilters[sectionShown_];
    filter.enabled = IsDlgButtonChecked(kSectionEnabled) == BST_CHECKED;
    sectionList_.SetCheck(sectionShown_, filter.enabled);
    if (!pairs_.isAttached())
        return;
    // The cells are number cells: an empty one reads as 0, and rows of two zeros are no pair.
    Vdn_Array<double> pairs;
    for (int row = 1; row <= pairs_.maxRows(); ++row) {
        const double a = pairs_.getCellDouble(1, row);
        const double b = pairs_.getCellDouble(2, row);
        if (a == 0.0 && b == 0.0)
            continue;
        pairs.append(a);
        pairs.append(b);
    }
    filter.anglePairs = pairs;
}

void CTabMacroFilter::enableControls() {
    const bool hasAxis = axisShown_ >= 0;
    const bool axisOn = hasAxis && IsDlgButtonChecked(kAxisEnabled) == BST_CHECKED;
    for (const int id : {kAxisList, kAxisEnabled, kAxisGroup})
        enable(id, hasAxis);
    for (const int id : {kModeFirst, kModeSecond, kAngle1, kAngle2, kAngle1Label, kAngle2Label})
        enable(id, axisOn);
    const bool hasSection = sectionShown_ >= 0;
    const bool sectionOn = hasSection && IsDlgButtonChecked(kSectionEnabled) == BST_CHECKED;
    for (const int id : {kSectionList, kSectionEnabled, kSectionGroup})
        enable(id, hasSection);
    for (const int id : {kPairs, kAddPair, kRemovePair})
        enable(id, sectionOn);
}
