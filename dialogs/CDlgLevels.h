#pragma once
// CDlgLevels: edits the named levels of a drawing (template 342, "DLG_LEVELS"). One level is
// shown at a time: its name, its base, its height above the base (editable) and its absolute
// height. Levels added during this run may also take another base. The caller sets data_,
// runs DoModal and on OK reads data_ back; the dialog edits its own copy, so Cancel leaves the
// caller's levels as they were.

#include "platform/core/model/TfLevelsDlgData.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/dialogs/CDialog.h"

class CDlgLevels : public CDialog {
public:
    static constexpr UINT IDD = 342;
    static constexpr int kFrame = 2030;
    static constexpr int kLevelCombo = 2031;
    static constexpr int kAddButton = 2032;
    static constexpr int kDeleteButton = 2033;
    static constexpr int kNameEdit = 2035;
    static constexpr int kBaseCombo = 2037;
    static constexpr int kValueEdit = 2039;
    static constexpr int kAbsoluteEdit = 2041;
    // Names refused in a row before adding gives up.
    static constexpr int kMaxRefusedNames = 20;

    explicit CDlgLevels(CWnd* parent = nullptr);

    TfLevelsDlgData data_;

    BOOL OnInitDialog() override;
    // Stores the shown level; a height that is no number keeps the dialog open.
    void OnOK() override;

private:
    // Refills the level list and shows the level at index (none for -1).
    void fillLevels(int index);
    void showLevel(int index);
    // Writes the shown level into data_: false, with a message, when the height is no number
    // or the base is refused.
    bool storeShown();
    void chooseLevel();
    void addLevel();
    void deleteLevel();
    // The absolute height as it would be with the typed height and the chosen base.
    void showAbsolute();
    bool isAdded(const Vdn_String& name) const;
    void warn(const Vdn_String& text, int captionText);

    CButtonST addButton_;
    CButtonST deleteButton_;
    int shown_ = -1;
    Vdn_String shownValue_; // the height as the edit showed it
    Vdn_StringArray added_; // names of the levels added during this run
};
