#pragma once
// CTabMacroFilter2: the second filter page of the macro settings (template 372): the second
// filter switch, the path-distance filters (two values each) and the section-size filters
// (four values each), each group a check-box list of its filters with the chosen one's
// enabled box and values beside it.

#include "macro/settings/MacroSettingsPage.h"
#include "platform/core/model/MacroSettingsData.h"
#include "platform/ui/controls/CCheckComboBox.h"

#include <array>

class CTabMacroFilter2 : public MacroSettingsPage {
public:
    static constexpr UINT IDD = 372;
    static constexpr int kSwitch = 2720;
    static constexpr int kPathGroup = 2721;
    static constexpr int kPathList = 2722;
    static constexpr int kPathEnabled = 2723;
    // Labels and edits alternate: label, edit, label, edit.
    static constexpr int kPathFirstLabel = 2724;
    static constexpr int kPathPicture = 2728;
    static constexpr int kSizeGroup = 2729;
    static constexpr int kSizeList = 2730;
    static constexpr int kSizeEnabled = 2731;
    static constexpr int kSizeFirstLabel = 2732;
    static constexpr int kSizePicture = 2740;
    static constexpr int pathEdit(int i) { return kPathFirstLabel + 2 * i + 1; }
    static constexpr int sizeEdit(int i) { return kSizeFirstLabel + 2 * i + 1; }

    explicit CTabMacroFilter2(CWnd* parent = nullptr);

    MacroSettingsData* data_ = nullptr;

    BOOL OnInitDialog() override;
    bool commit() override;

private:
    // One group: its list, its enabled box, its value edits and the filters it edits.
    template <int Count> struct Group {
        Vdn_Array<MacroSettingsData::ValueFilter<Count>>* filters = nullptr;
        int groupBox = 0;
        int list = 0;
        int enabled = 0;
        int firstLabel = 0;
        CCheckComboBox combo;
        int shown = -1;
    };

    template <int Count> void initGroup(Group<Count>& group);
    template <int Count> void choose(Group<Count>& group);
    template <int Count> void takeTicks(Group<Count>& group);
    template <int Count> void show(Group<Count>& group, int index);
    template <int Count> void store(Group<Count>& group);
    template <int Count> void enableGroup(Group<Count>& group);

    Group<2> path_;
    Group<4> size_;
};
