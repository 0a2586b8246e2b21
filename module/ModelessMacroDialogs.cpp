#include "module/ModelessMacroDialogs.h"

bool GetDlgMacroData(int slot, MacroData& data) {
    frame::ResourceSwitch resources;
    return frame::MacroDialogTable::instance().copyRecord(slot, data);
}

bool EndDlgMacroModeless(int slot) {
    return frame::MacroDialogTable::instance().end(slot);
}

void DestroyAllMacroDlgs() {
    frame::ResourceSwitch resources;
    frame::MacroDialogTable::instance().endAll();
}
