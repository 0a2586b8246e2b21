#pragma once

#include "spreadsheet/standards/TfDlgStandardsData.h"

// The exported launchers of the connection standards.

// One standards evaluation in a pooled, hidden CDlgSSStandards (see its evaluate): the record
// goes in, and comes back only when the evaluation succeeds (true).
bool StartDlgStandardsSS(TfDlgStandardsData& data);

// A fixed trial of the child mode: "c:\a\a\a\test.tfs" with the inputs Column ("IPE-200") and
// Thickness ("10") and the outputs Width ("212") and Length ("356").
bool StartDlgStandardsSStest();
