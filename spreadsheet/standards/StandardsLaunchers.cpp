#include "spreadsheet/standards/StandardsLaunchers.h"

#include "module/PooledLauncher.h"
#include "spreadsheet/standards/CDlgSSStandards.h"

namespace {

TfVarCell argument(const wchar_t* name, TfCellType type, const wchar_t* value) {
    TfVarCell cell;
    cell.name = name;
    cell.cellType = type;
    cell.value = value;
    return cell;
}

} // namespace

bool StartDlgStandardsSS(TfDlgStandardsData& data) {
    return frame::runPooledLauncher<CDlgSSStandards>(data, gSSDlgsMgr,
                                                     CDlgSSStandards::kTemplateId);
}

bool StartDlgStandardsSStest() {
    TfDlgStandardsData data;
    data.mode = TfDlgStandardsData::kChildCall;
    data.fileName = L"c:\\a\\a\\a\\test.tfs";
    data.varCells.append(argument(L"Column", tfInput, L"IPE-200"));
    data.varCells.append(argument(L"Thickness", tfInput, L"10"));
    data.varCells.append(argument(L"Width", tfOutput, L"212"));
    data.varCells.append(argument(L"Length", tfOutput, L"356"));
    return StartDlgStandardsSS(data);
}
