#pragma once

#include "spreadsheet/TSpread.h"

// Switches the control's redrawing (option 8) off for a bulk change and back to what it was
// at the end, so the change shows at once and nested changes do not redraw halfway.
class RedrawPause {
public:
    static constexpr int kRedrawOption = 8;

    explicit RedrawPause(TSpread& spread)
        : spread_(spread), wasOn_(spread.SSGetBool(kRedrawOption)) {
        spread_.SSSetBool(kRedrawOption, false);
    }
    ~RedrawPause() {
        spread_.SSSetBool(kRedrawOption, wasOn_);
        if (wasOn_)
            spread_.Invalidate();
    }
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;

private:
    TSpread& spread_;
    bool wasOn_;
};
