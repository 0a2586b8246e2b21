#pragma once

#include "platform/core/model/EditConstrData.h"

#include <functional>

// What the macro editor's settings button opens: the macro settings of the record's macro
// object, edited and written back; true when the settings changed. While no opener is set the
// button is disabled.
std::function<bool(EditConstrData&)>& macroSettingsOpener();
