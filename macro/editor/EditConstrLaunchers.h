#pragma once

#include "platform/core/model/EditConstrData.h"

// Runs the macro editor modally on a copy of data; true when it ends with OK. The caller's
// record is not written back: every change reached the model through the callbacks.
bool StartDlgEditConstrModal(EditConstrData& data);
// Opens the one modeless macro editor on a copy of data, owned by the host's main window,
// which gets the focus back; when an editor is open already nothing happens. Always true.
bool StartDlgEditConstraints(EditConstrData& data);
