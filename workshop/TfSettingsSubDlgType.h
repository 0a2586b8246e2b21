#pragma once
// A page created by a settings browser, with the type name of the items it shows. The browser
// owns the page.

#include "platform/core/text/Vdn_String.h"

#include <memory>

class CDlgGeneralSettingsChild;

struct TfSettingsSubDlgType {
    std::unique_ptr<CDlgGeneralSettingsChild> subDialog;
    Vdn_String typeName;
};
