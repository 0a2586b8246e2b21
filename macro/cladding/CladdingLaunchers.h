#pragma once
// The launchers of the cladding and bracing dialogs: the record goes in, the dialog runs
// modally, and on OK the edited record comes back (true); otherwise it stays as it was.

#include "platform/core/model/TfBracingDlgData.h"
#include "platform/core/model/TfCladdingDlgData.h"

bool StartDlgBracing(TfBracingDlgData& data);
bool StartDlgCladdingSettings(TfCladdingDlgData& data);
