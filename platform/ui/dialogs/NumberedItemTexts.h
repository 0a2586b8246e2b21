#pragma once

#include <initializer_list>

class CWnd;

// A control and the numbered dialog text (dialString) it shows.
struct NumberedItemText {
    int controlId;
    int textNumber;
};

// Puts the numbered texts into the dialog's controls, in the work language, as a dialog does
// when it opens; a control the template lacks is passed over.
void setNumberedItemTexts(CWnd& dialog, std::initializer_list<NumberedItemText> texts);
