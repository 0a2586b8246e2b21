#pragma once
// The module's entries that run the grid, levels and look-up dialogs for the core module. Each
// copies the caller's record into its dialog and, on OK, the edited record back; it returns
// whether the dialog ended with OK (the record is unchanged otherwise).

class TfGridDlgData;
class TfLevelsDlgData;
class TfLookUpDlgData;

bool StartDlgGrid(TfGridDlgData& data);
bool StartDlgLevels(TfLevelsDlgData& data);
// Also true for "Show All", which sets the record's result code to 2.
bool StartDlgLookUp(TfLookUpDlgData& data);
