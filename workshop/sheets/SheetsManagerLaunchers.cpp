#include "workshop/sheets/SheetsManagerLaunchers.h"

#include "module/SheetsManagerSlot.h"
#include "workshop/sheets/CDlgSheetsMgr.h"

bool StartModelessDlgSheetsMgr(const TfSheetsMgrDlgData& data) {
    return frame::startDockedSheetsManager<CDlgSheetsMgr>(data, CDlgSheetsMgr::IDD);
}
