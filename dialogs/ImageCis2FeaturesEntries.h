#pragma once
// The module's entries that run the image picker, the CIS/2 options and the profile features
// dialogs for the core module. Each copies the caller's record into its dialog and, on OK, the
// edited record back; it returns whether the dialog ended with OK (the record is unchanged
// otherwise).

class DlgProfFeaturesData;
class TfDlgCis2Data;
class TfSelectImageDlgData;

bool StartDlgSelectImage(TfSelectImageDlgData& data);
bool StartDlgCis2Info(TfDlgCis2Data& data);
bool StartDlgProfFeatures(DlgProfFeaturesData& data);
