#pragma once

#include "platform/core/text/Vdn_String.h"

namespace core {

// The file of the product folder that a dialog names relative to it ("icons\CutFillet.bmp").
// An installation may put its own copy below gSettings.vdnDir(); the pictures the module ships
// with live below <resourceDir>/product and are used when the product folder has none. When
// neither exists the product folder's name is returned, so a reader finds nothing and the
// control that shows it stays blank.
Vdn_String productFile(const Vdn_String& relative);

} // namespace core
