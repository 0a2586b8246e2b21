#include "macro/settings/CTabMacroFilter2.h"

#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr int kSwitchText = 1351;
constexpr int kPathGroupText = 933;
constexpr int kEnabledText = 934;
constexpr std::array<int, 2> kPathTexts = {935, 936};
constexpr int kSizeGroupText = 937;
constexpr std::array<int, 4> kSizeTexts = {938, 939, 940, 941};

} // namespace

CTabMacroFilter2::CTabMacroFilter2(CWnd* parent) : MacroSettingsPage(IDD, parent) {
    path_.groupBox = kPathGroup;
    path_.list = kPathList;
    path_.enabled = kPathEnabled;
    path_.firstLabel = kPathFirstLabel;
    size_.groupBox = kSizeGroup;
    size_.list = kSizeList;
    size_.enabled = kSizeEnabled;
    size_.firstLabel = kSizeFirstLabel;
    onCommand(kPathList, CBN_SELCHANGE, [this] { choose(path_); });
    onCommand(kPathList, CBN_CLOSEUP, [this] { takeTicks(path_); });
    onCommand(kSizeList, CBN_SELCHANGE, [this] { choose(size_); });
    onCommand(kSizeList, CBN_CLOSEUP, [this] { takeTicks(size_); });
    // The enabled box and the list's tick are one flag.
    onCommand(kPathEnabled, BN_CLICKED, [this] {
        if (path_.shown >= 0)
            path_.combo.SetCheck(path_.shown, IsDlgButtonChecked(kPathEnabled) == BST_CHECKED);
        enableGroup(path_);
    });
    onCommand(kSizeEnabled, BN_CLICKED, [this] {
        if (size_.shown >= 0)
            size_.combo.SetCheck(size_.shown, IsDlgButtonChecked(kSizeEnabled) == BST_CHECKED);
        enableGroup(size_);
    });
}

BOOL CTabMacroFilter2::OnInitDialog() {
    MacroSettingsPage::OnInitDialog();
    setTexts({{kSwitch, kSwitchText},
              {kPathGroup, kPathGroupText},
              {kPathEnabled, kEnabledText},
              {kSizeGroup, kSizeGroupText},
              {kSizeEnabled, kEnabledText}});
    for (int i = 0; i < 2; ++i)
        setTexts({{kPathFirstLabel + 2 * i, kPathTexts[i]}});
    for (int i = 0; i < 4; ++i)
        setTexts({{kSizeFirstLabel + 2 * i, kSizeTexts[i]}});
    showPicture(kPathPicture, L"MacroFilterPathDistance.bmp");
    showPicture(kSizePicture, L"MacroFilterSectionSize.bmp");
    if (data_ != nullptr) {
        CheckDlgButton(kSwitch, data_->secondFilterOn ? BST_CHECKED : BST_UNCHECKED);
        path_.filters = &data_->pathDistanceFilters;
        size_.filters = &data_->sectionSizeFilters;
    }
    initGroup(path_);
    initGroup(size_);
    return TRUE;
}

bool CTabMacroFilter2::commit() {
    if (data_ == nullptr)
        return true;
    data_->secondFilterOn = IsDlgButtonChecked(kSwitch) == BST_CHECKED;
    store(path_);
    store(size_);
    return true;
}

template <int Count> void CTabMacroFilter2::initGroup(Group<Count>& group) {
    group.combo.SubclassDlgItem(group.list, this);
    if (group.filters != nullptr) {
        for (const auto& filter : *group.filters)
            group.combo.SetCheck(group.combo.AddString(filter.name.str()), filter.enabled);
    }
    show(group, 0);
}

template <int Count> void CTabMacroFilter2::choose(Group<Count>& group) {
    const int chosen = group.combo.GetCurSel();
    if (group.filters == nullptr || chosen == group.shown || !group.filters->isValidIndex(chosen))
        return;
    takeTicks(group);
    store(group);
    show(group, chosen);
}

template <int Count> void CTabMacroFilter2::takeTicks(Group<Count>& group) {
    if (group.filters == nullptr)
        return;
    for (int i = 0; i < group.filters->length() && i < group.combo.GetCount(); ++i)
        (*group.filters)[i].enabled = group.combo.GetCheck(i) == 1;
    if (group.shown >= 0)
        CheckDlgButton(group.enabled, (*group.filters)[group.shown].enabled);
    enableGroup(group);
}

template <int Count> void CTabMacroFilter2::show(Group<Count>& group, int index) {
    group.shown = group.filters != nullptr && group.filters->isValidIndex(index) ? index : -1;
    group.combo.SetCurSel(group.shown);
    for (int i = 0; i < Count; ++i) {
        const int edit = group.firstLabel + 2 * i + 1;
        SetDlgItemText(edit, group.shown < 0
                                 ? std::wstring()
                                 : numberText((*group.filters)[group.shown].values[i]).str());
    }
    CheckDlgButton(group.enabled, group.shown >= 0 && (*group.filters)[group.shown].enabled
                                      ? BST_CHECKED
                                      : BST_UNCHECKED);
    enableGroup(group);
}

template <int Count> void CTabMacroFilter2::store(Group<Count>& group) {
    if (group.filters == nullptr || !group.filters->isValidIndex(group.shown))
        return;
    auto& filter = (*group.filters)[group.shown];
    filter.enabled = IsDlgButtonChecked(group.enabled) == BST_CHECKED;
    group.combo.SetCheck(group.shown, filter.enabled);
    for (int i = 0; i < Count; ++i)
        filter.values[i] = numberOr(itemText(group.firstLabel + 2 * i + 1), filter.values[i]);
}

template <int Count> void CTabMacroFilter2::enableGroup(Group<Count>& group) {
    const bool has = group.shown >= 0;
    const bool on = has && IsDlgButtonChecked(group.enabled) == BST_CHECKED;
    for (const int id : {group.list, group.enabled, group.groupBox})
        enable(id, has);
    for (int i = 0; i < 2 * Count; ++i)
        enable(group.firstLabel + i, on);
}
