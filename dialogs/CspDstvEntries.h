#pragma once
// The module's entries that run the cutting-stock and DSTV point dialogs for the core module.

class DlgCSP2Data;

// Copies the record into the cutting-stock dialog and, on OK, the edited record back; returns
// whether the dialog ended with OK (the record is unchanged otherwise).
bool StartDlgCSP2(DlgCSP2Data& data);
// The DSTV point groups; every change is written to the group files at once.
void StartDSTVPointsDlg();
