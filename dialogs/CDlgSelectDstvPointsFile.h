#pragma once
// CDlgSelectDstvPointsFile: the DSTV point groups of the library ("DLG_DSTVPOINTS_GROUPS").
// The group in use is ticked in the list; the user adds a group (an empty file), deletes the
// chosen one at once, edits its points (CDlgEditDstvPoints) or takes it into use. Every change
// goes to the files at once; the dialog has no record.

#include "platform/core/model/DlgDstvPoints.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/controls/CCheckComboBox.h"
#include "platform/ui/dialogs/CDialog.h"

class CDlgSelectDstvPointsFile : public CDialog {
public:
    static constexpr UINT IDD = 356;
    static constexpr int kFrame = 2450;
    static constexpr int kGroupCombo = 2451;
    static constexpr int kAddButton = 2452;
    static constexpr int kDeleteButton = 2453;
    static constexpr int kEditButton = 2454;
    static constexpr int kActivateButton = 2455;

    explicit CDlgSelectDstvPointsFile(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

private:
    // Refills the list, ticks the group in use and selects the entry at index (kept in range).
    void fill(int index);
    // The chosen group's name; empty when none is chosen.
    Vdn_String selectedName() const;
    void addGroup();
    void deleteGroup();
    void editGroup();
    void activateGroup();
    void warn(const Vdn_String& text, int captionText);

    DlgDstvPoints points_;
    CCheckComboBox groups_;
    CButtonST addButton_;
    CButtonST deleteButton_;
};
