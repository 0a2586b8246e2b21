#pragma once
// qtview::PickDialog: a pick in the drawing answered by a person at a screen, where there is
// no drawing to click in: the objects or macros that may be picked as a list, a point (and a
// plane's normal) as coordinates.

#include "platform/ui/users/PickRecord.h"

namespace qtview {

class PickDialog {
public:
    // Fills the record and returns true when the person confirmed a pick.
    static bool ask(ui::PickRecord& record);
};

} // namespace qtview
