#pragma once
// MacroSettingsPage: what the six pages of the macro settings dialog share. A page is a child
// dialog made from its own template inside the dialog's tab control; it edits its part of the
// settings record through a pointer the dialog hands it before the page is created (a page
// without its part shows its controls and does nothing). Escape on a page cancels the dialog.

#include "platform/core/text/Vdn_String.h"
#include "platform/ui/dialogs/CDialog.h"

#include <memory>
#include <vector>

class CBitmap;
class CButtonST;

class MacroSettingsPage : public CDialog {
public:
    MacroSettingsPage(UINT templateId, CWnd* parent);
    ~MacroSettingsPage() override;

    // Writes what the page shows into its part of the record. False, with nothing changed,
    // when the page refuses what it shows (the page then tells the user why).
    virtual bool commit() { return true; }

    // A number as the pages show it: 2 decimals.
    static Vdn_String numberText(double value);
    // The number a text reads as; the old value when the text is not a number, so a typing
    // slip never turns a stored value into 0.
    static double numberOr(const Vdn_String& text, double old);

protected:
    void OnCancel() override;
    // The page commits what it shows when it goes.
    void OnDestroy() override;

    // Loads the product picture "icons\<name>" into the picture control id; a missing
    // picture leaves the control blank.
    void showPicture(int id, const wchar_t* name);
    // The texts of controls, by numbered dialog text.
    void setTexts(std::initializer_list<std::pair<int, int>> idAndText);
    // The text of an edit control.
    Vdn_String itemText(int id) const;
    void enable(int id, bool on);
    // True while the page's window is being destroyed: no message may be shown then.
    bool closing() const { return closing_; }
    // The push button id shows the icon and the tool tip (a numbered dialog text).
    void iconButton(int id, UINT icon, int tipText);

private:
    std::vector<std::unique_ptr<CBitmap>> pictures_;
    bool closing_ = false;
    std::vector<std::unique_ptr<CButtonST>> iconButtons_;
};
