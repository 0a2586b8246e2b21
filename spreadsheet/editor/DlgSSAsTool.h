#pragma once

#include <memory>

class CDlgSSAsTool;
class Vdn_Spread;

// The holder of one spreadsheet tool window (CDlgSSAsTool), created on demand as a hidden
// modeless child of the host's main window and destroyed with the holder. It owns its window,
// so it cannot be copied; code that shares one holder shares it by pointer (std::shared_ptr).
class DlgSSAsTool {
public:
    DlgSSAsTool();
    ~DlgSSAsTool();
    DlgSSAsTool(const DlgSSAsTool&) = delete;
    DlgSSAsTool& operator=(const DlgSSAsTool&) = delete;

    // Creates the window with the module's resources current, without showing it, and gives
    // the keyboard focus back to the host's main window. True when created, now or before;
    // false when the window cannot be made (then nothing is kept and a later call tries again).
    bool create();
    bool isCreated() const { return created_; }
    // The window's spreadsheet control; null until created, or when the control could not be
    // placed into the window.
    Vdn_Spread* get() const;
    CDlgSSAsTool* window() const { return window_.get(); }

private:
    bool created_ = false;
    std::unique_ptr<CDlgSSAsTool> window_;
};
