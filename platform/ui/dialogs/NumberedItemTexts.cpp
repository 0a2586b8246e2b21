#include "platform/ui/dialogs/NumberedItemTexts.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/windows/CWnd.h"

void setNumberedItemTexts(CWnd& dialog, std::initializer_list<NumberedItemText> texts) {
    for (const NumberedItemText& text : texts) {
        if (CWnd* control = dialog.GetDlgItem(text.controlId))
            control->SetWindowText(dialString(text.textNumber).str());
    }
}
