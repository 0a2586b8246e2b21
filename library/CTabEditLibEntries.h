#pragma once
// CTabEditLibEntries: what the groups page and the types page of the section-library editor
// share. A check-box list shows the entries (ticked when enabled); the shown entry's picture,
// enabled flag and names per interface language (a sheet, one row per language) are edited
// beside it; add, remove, move up and move down act on the shown entry. Leaving an entry
// stores what is shown first.

#include "platform/core/sections/DlgEditLibData.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/controls/CCheckComboBox.h"
#include "platform/ui/dialogs/CDialog.h"
#include "spreadsheet/Vdn_Spread.h"

#include <array>

class CTabEditLibEntries : public CDialog {
public:
    // The ids of one page's controls.
    struct Ids {
        int listLabel, list, add, remove, up, down, imageLabel, image, enabled, sheet;
        int listText; // the label's numbered text
    };

    CTabEditLibEntries(UINT templateId, const Ids& ids, CWnd* parent);

    // The record the page edits; set before the page is created.
    DlgEditLibData* data_ = nullptr;

    BOOL OnInitDialog() override;
    // Writes the shown entry into the record.
    void storeShown();
    // Refills the list and shows the entry at index (none for -1).
    void showEntries(int index);
    int shownIndex() const { return shown_; }

protected:
    // The entries' common fields, by index.
    virtual int entryCount() const = 0;
    virtual Vdn_String& entryName(int index) = 0;
    virtual bool& entryEnabled(int index) = 0;
    virtual Vdn_String& entryImage(int index) = 0;
    virtual Vdn_StringArray& entryNames(int index) = 0;
    virtual int appendEntry() = 0;
    virtual void removeEntry(int index) = 0;
    virtual void swapEntries(int first, int second) = 0;
    // The page's own fields of the shown entry (index -1: none shown).
    virtual void showOwn(int) {}
    virtual void storeOwn(int) {}

    void OnCancel() override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    void chooseEntry();
    void toggleEntry();
    void addEntry();
    void removeShown();
    void move(int step);
    void enableControls();

    Ids ids_;
    CCheckComboBox list_;
    std::array<CButtonST, 2> moveButtons_;
    Vdn_Spread names_;
    int shown_ = -1;
};
