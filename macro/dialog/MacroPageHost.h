#pragma once

#include "platform/core/model/MacroData.h"

// What a page of the macro dialog needs of the dialog that holds it.
class MacroPageHost {
public:
    virtual ~MacroPageHost() = default;
    // The record every page edits.
    virtual MacroData& macroData() = 0;
    // The dialog's slot among the modeless macro dialogs; -1 when modal.
    virtual int slot() const = 0;
    // Shows the record again on every page (after every update, applied or refused).
    virtual void refreshAllPages() = 0;
    // Escape on a page: the dialog closes as with Cancel.
    virtual void closeFromPage() = 0;
};
