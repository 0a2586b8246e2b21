#pragma once

#include "platform/host/CAdUiBaseDialog.h"

// The host's dialog class for applications.
class CAcUiDialog : public CAdUiBaseDialog {
public:
    using CAdUiBaseDialog::CAdUiBaseDialog;
};
